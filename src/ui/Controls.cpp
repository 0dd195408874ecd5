#include "Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace yomiwa::ui {

namespace {
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
    return button;
}

QLineEdit* AddLineEdit(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    return Make<QLineEdit>(parent, name, twips, font);
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
