#include "ui/Controls.h"

#include "ui/ColourValues.h"
#include "ui/Shapes.h"
#include "ui/StripColumn.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

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

template <typename Control>
Control* Make(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    auto* control =
        AddControl<Control>(parent, name, twips.x(), twips.y(), twips.width(), twips.height());
    control->setFont(font);
    return control;
}
} // namespace

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                 const QFont& font) {
    auto* label = Make<QLabel>(parent, name, twips, font);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect twips,
                       const QFont& font) {
    auto* button = Make<QPushButton>(parent, name, twips, font);
    button->setText(caption);
    button->setAutoDefault(false);
    button->installEventFilter(new EnterClicks(button));
    return button;
}

QLineEdit* AddLineEdit(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    auto* field = Make<QLineEdit>(parent, name, twips, font);
    // Qt's default cuts a text at 32767 characters; a field never cuts what was read.
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
}

QPlainTextEdit* AddTextBox(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    auto* box = Make<QPlainTextEdit>(parent, name, twips, font);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    return box;
}

QListWidget* AddList(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    auto* list = Make<QListWidget>(parent, name, twips, font);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

namespace {
QWidget* MakeControl(QWidget* parent, const ControlRow& entry, const QFont& font) {
    const QRect& t = entry.Twips;
    switch (entry.Kind) {
    case ControlKind::Label:
        return AddLabel(parent, entry.Name, entry.CaptionText(), t, font);
    case ControlKind::Button:
        return AddButton(parent, entry.Name, entry.CaptionText(), t, font);
    case ControlKind::LineEdit:
        return AddLineEdit(parent, entry.Name, t, font);
    case ControlKind::TextBox:
        return AddTextBox(parent, entry.Name, t, font);
    case ControlKind::List:
        return AddList(parent, entry.Name, t, font);
    case ControlKind::Strip: {
        auto* strip = Make<StripColumn>(parent, entry.Name, t, font);
        strip->SetColumnGeometry(strip::TwipsRect(t.x(), t.y(), t.width(), t.height()));
        return strip;
    }
    case ControlKind::Panel: {
        auto* panel = new PanelShape(parent, entry.Back.value_or(0));
        panel->setObjectName(QString::fromLatin1(entry.Name));
        PlaceTwips(panel, t.x(), t.y(), t.width(), t.height());
        return panel;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(entry.CaptionText(), parent);
        frame->setObjectName(QString::fromLatin1(entry.Name));
        frame->setFont(font);
        PlaceTwips(frame, t.x(), t.y(), t.width(), t.height());
        return frame;
    }
    }
    return nullptr;
}
} // namespace

QList<QWidget*> BuildControls(QWidget* window, std::span<const ControlRow> table,
                              const std::function<void(QWidget*, const ControlRow&)>& prepare) {
    QList<std::pair<int, QWidget*>> tabbed;
    for (const ControlRow& entry : table) {
        QWidget* parent = entry.Parent ? Built<QWidget>(window, entry.Parent) : window;
        const QFont font = entry.Points > 0
                               ? strip::MakeFont(entry.TextFace, entry.Points, entry.Bold)
                               : parent->font();
        QWidget* control = MakeControl(parent, entry, font);
        if (prepare)
            prepare(control, entry);
        // A panel's back colour is its fill, which it paints itself.
        if (entry.Back && entry.Kind != ControlKind::Panel)
            SetBackColour(control, *entry.Back);
        if (entry.Fore)
            SetForeColour(control, *entry.Fore);
        if (entry.TabIndex >= 0)
            tabbed.append({entry.TabIndex, control});
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
