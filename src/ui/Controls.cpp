#include "Controls.h"

#include "ColourValues.h"
#include "Shapes.h"
#include "StripColumn.h"

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
QWidget* MakeControl(QWidget* parent, const ControlSpec& spec, const QFont& font) {
    const QRect& t = spec.Twips;
    switch (spec.Kind) {
    case ControlKind::Label:
        return AddLabel(parent, spec.Name, spec.CaptionText(), t, font);
    case ControlKind::Button:
        return AddButton(parent, spec.Name, spec.CaptionText(), t, font);
    case ControlKind::LineEdit:
        return AddLineEdit(parent, spec.Name, t, font);
    case ControlKind::TextBox:
        return AddTextBox(parent, spec.Name, t, font);
    case ControlKind::List:
        return AddList(parent, spec.Name, t, font);
    case ControlKind::Strip: {
        auto* strip = Make<StripColumn>(parent, spec.Name, t, font);
        strip->SetColumnGeometry(TwipsRect(t.x(), t.y(), t.width(), t.height()));
        return strip;
    }
    case ControlKind::Panel: {
        auto* panel = new PanelShape(parent, spec.Back.value_or(0));
        panel->setObjectName(QString::fromLatin1(spec.Name));
        PlaceTwips(panel, t.x(), t.y(), t.width(), t.height());
        return panel;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(spec.CaptionText(), parent);
        frame->setObjectName(QString::fromLatin1(spec.Name));
        frame->setFont(font);
        PlaceTwips(frame, t.x(), t.y(), t.width(), t.height());
        return frame;
    }
    }
    return nullptr;
}
} // namespace

QList<QWidget*> BuildControls(QWidget* window, std::span<const ControlSpec> table,
                              const std::function<void(QWidget*, const ControlSpec&)>& prepare) {
    QList<std::pair<int, QWidget*>> tabbed;
    for (const ControlSpec& spec : table) {
        QWidget* parent = spec.Parent ? Built<QWidget>(window, spec.Parent) : window;
        const QFont font =
            spec.Points > 0 ? MakeFont(spec.TextFace, spec.Points, spec.Bold) : parent->font();
        QWidget* control = MakeControl(parent, spec, font);
        if (prepare)
            prepare(control, spec);
        // A panel's back colour is its fill, which it paints itself.
        if (spec.Back && spec.Kind != ControlKind::Panel)
            SetBackColour(control, *spec.Back);
        if (spec.Fore)
            SetForeColour(control, *spec.Fore);
        if (spec.TabIndex >= 0)
            tabbed.append({spec.TabIndex, control});
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
