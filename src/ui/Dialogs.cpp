#include "Dialogs.h"
#include "TextLines.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace yomiwa::ui {

using namespace Qt::Literals::StringLiterals;

QString ProgramTitle() {
    return u"【Yomiwa】Ver.1.1"_s;
}

QString DefaultMessageTitle() {
    return u"Yomiwa"_s;
}

Dialogs::Answer QtDialogs::MsgBox(QWidget* parent, const QString& prompt, MsgStyle style,
                                  const QString& title, Answer defaultAnswer) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? DefaultMessageTitle() : title);
    // The prompt may break its lines with a lone CR; the box breaks them at LF.
    box.setText(WithLineFeeds(prompt));
    box.setTextFormat(Qt::PlainText);
    if (style == MsgStyle::YesNo) {
        QPushButton* yes = box.addButton(u"はい(&Y)"_s, QMessageBox::YesRole);
        QPushButton* no = box.addButton(u"いいえ(&N)"_s, QMessageBox::NoRole);
        box.setDefaultButton(defaultAnswer == Answer::No ? no : yes);
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

// A service that knows no answer cancels: nothing is written or printed unasked.
QString Dialogs::SaveFileName(QWidget*, const QString&, const QString&, const QString&) {
    return {};
}

int Dialogs::Choose(QWidget*, const QString&, const QString&, const QStringList&) {
    return -1;
}

void Dialogs::PrintPreview(QWidget*, const std::function<void(QPrinter&)>&,
                           const std::function<void(QPrinter&)>&) {}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

int QtDialogs::Choose(QWidget* parent, const QString& caption, const QString& prompt,
                      const QStringList& choices) {
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, caption, prompt, choices, 0, false, &ok);
    return ok ? int(choices.indexOf(chosen)) : -1;
}

void QtDialogs::PrintPreview(QWidget* parent, const std::function<void(QPrinter&)>& prepare,
                             const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"印刷プレビュー"_s);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}

} // namespace yomiwa::ui
