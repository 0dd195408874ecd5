// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Controls.h"

#include "ui/ColourValues.h"
#include "ui/Shapes.h"
#include "ui/StripColumn.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <type_traits>

namespace yomiwa::ui {

namespace {
// Enter (Return, or Enter on the keypad) clicks the focused button, as on the original
// platform. Qt ties that to the "auto default" of dialog buttons, which would also make a
// button the default of its dialog: Enter in any field would click it.
class EnterClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier && !key->isAutoRepeat()) {
                static_cast<QPushButton*>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// A child control named as the windows name their controls, placed at the given twips.
template <typename Control, typename... Args>
Control* Place(QWidget* parent, const ControlRow& row, Args&&... args) {
    auto* control = new Control(parent, std::forward<Args>(args)...);
    control->setObjectName(QString::fromLatin1(row.Name));
    const QRect& t = row.Twips;
    PlaceTwips(control, t.x(), t.y(), t.width(), t.height());
    return control;
}

// The same, in the row's face.
template <typename Control>
Control* Make(QWidget* parent, const ControlRow& row, const QFont& font) {
    auto* control = Place<Control>(parent, row);
    control->setFont(font);
    return control;
}

QString CaptionOf(const ControlRow& row) {
    return row.Caption ? QString::fromUtf16(row.Caption) : QString();
}

QWidget* MakeControl(QWidget* parent, const ControlRow& row, const QFont& font) {
    switch (row.Kind) {
    case ControlKind::Label: {
        auto* label = Make<QLabel>(parent, row, font);
        label->setText(CaptionOf(row));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setMargin(0);
        label->setIndent(0);
        return label;
    }
    case ControlKind::Button: {
        auto* button = Make<QPushButton>(parent, row, font);
        button->setText(CaptionOf(row));
        button->setAutoDefault(false);
        button->installEventFilter(new EnterClicks(button));
        return button;
    }
    case ControlKind::LineEdit: {
        auto* field = Make<QLineEdit>(parent, row, font);
        // Qt's default cuts a text at 32767 characters; a field never cuts what was read.
        field->setMaxLength(std::numeric_limits<int>::max());
        return field;
    }
    case ControlKind::TextBox: {
        auto* box = Make<QPlainTextEdit>(parent, row, font);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
        return box;
    }
    case ControlKind::List: {
        auto* list = Make<QListWidget>(parent, row, font);
        list->setSortingEnabled(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        return list;
    }
    case ControlKind::Strip: {
        auto* strip = Make<StripColumn>(parent, row, font);
        const QRect& t = row.Twips;
        strip->SetColumnGeometry(strip::TwipsRect(t.x(), t.y(), t.width(), t.height()));
        return strip;
    }
    case ControlKind::Panel:
        return Place<PanelShape>(parent, row, row.BackColour.value_or(0));
    case ControlKind::Shape:
        return Place<RoundedShape>(parent, row, row.BackColour.value_or(0),
                                   row.ForeColour.value_or(0), row.BorderPixels);
    case ControlKind::Frame: {
        auto* frame = Make<QGroupBox>(parent, row, font);
        frame->setTitle(CaptionOf(row));
        return frame;
    }
    }
    return nullptr;
}

// Puts the control into the member its row names.
void Fill(const ControlMember& member, QWidget* control) {
    std::visit(
        [control](auto slot) {
            if constexpr (!std::is_same_v<decltype(slot), std::monostate>)
                *slot = static_cast<std::remove_pointer_t<decltype(slot)>>(control);
        },
        member);
}
} // namespace

QList<QWidget*> BuildControls(QWidget* window, std::span<const ControlRow> table,
                              const std::function<void(QWidget*, const ControlRow&)>& prepare) {
    QList<std::pair<int, QWidget*>> tabbed;
    for (const ControlRow& row : table) {
        QWidget* parent = row.Parent ? static_cast<QWidget*>(*row.Parent) : window;
        const Font& f = row.TextFont;
        const QFont font =
            f.Points > 0 ? strip::MakeFont(f.TextFace, f.Points, f.Bold) : parent->font();
        QWidget* control = MakeControl(parent, row, font);
        Fill(row.Member, control);
        if (prepare)
            prepare(control, row);
        // Panels and shapes paint their own colours.
        const bool paintsItself = row.Kind == ControlKind::Panel || row.Kind == ControlKind::Shape;
        if (row.BackColour && !paintsItself)
            SetBackColour(control, *row.BackColour);
        if (row.ForeColour && !paintsItself)
            SetForeColour(control, *row.ForeColour);
        if (row.TabIndex >= 0)
            tabbed.append({row.TabIndex, control});
    }
    std::ranges::sort(tabbed, {}, &std::pair<int, QWidget*>::first);
    QList<QWidget*> order;
    for (const auto& [index, control] : tabbed) {
        if (!order.isEmpty())
            QWidget::setTabOrder(order.last(), control);
        order.append(control);
    }
    return order;
}

} // namespace yomiwa::ui
