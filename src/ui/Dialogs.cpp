#include "Dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace yomiwa::ui {

using namespace Qt::Literals::StringLiterals;

QString DefaultMessageTitle() {
    return u"Yomiwa"_s;
}

Dialogs::Answer QtDialogs::MsgBox(QWidget* parent, const QString& prompt, int style,
                                  const QString& title) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? DefaultMessageTitle() : title);
    // The prompt may break its lines with a lone CR; the box breaks them at LF.
    QString text = prompt;
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    if (style == StyleYesNo) {
        QPushButton* yes = box.addButton(u"はい(&Y)"_s, QMessageBox::YesRole);
        QPushButton* no = box.addButton(u"いいえ(&N)"_s, QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* ok = box.addButton(u"OK"_s, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Answer::Ok;
}

std::optional<QColor> QtDialogs::PickColour(QWidget* parent, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent, u"色の設定"_s);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

void QtDialogs::ShowModal(QDialog* window) {
    window->exec();
}

} // namespace yomiwa::ui
