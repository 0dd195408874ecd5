#include "Controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

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

} // namespace yomiwa::ui
