// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"
#include "model/TextLines.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

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

QString Dialogs::OpenFileName(QWidget*, const QString&, const QString&) {
    return {};
}

int Dialogs::Choose(QWidget*, const QString&, const QString&, const QStringList&) {
    return -1;
}

void Dialogs::PrintPreview(QWidget*, const std::function<void(QPrinter&)>&,
                           const std::function<void(QPrinter&, PaintFor)>&, const QString&) {}

// No window, and no one to cancel.
Progress Dialogs::ShowProgress(QWidget*, const QString&, int, bool) {
    return [](int) {
        return true;
    };
}

Progress QtDialogs::ShowProgress(QWidget* parent, const QString& label, int total,
                                 bool cancellable) {
    auto window = std::make_shared<QProgressDialog>(
        label, cancellable ? u"キャンセル"_s : QString(), 0, total, parent);
    window->setWindowTitle(DefaultMessageTitle());
    // Window-modal: each step then lets the window repaint and the button be pressed.
    window->setWindowModality(Qt::WindowModal);
    window->setMinimumDuration(500);
    return [window, cancellable](int done) {
        window->setValue(done);
        return !(cancellable && window->wasCanceled());
    };
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

int QtDialogs::Choose(QWidget* parent, const QString& caption, const QString& prompt,
                      const QStringList& choices) {
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, caption, prompt, choices, 0, false, &ok);
    return ok ? int(choices.indexOf(chosen)) : -1;
}

void QtDialogs::PrintPreview(QWidget* parent, const std::function<void(QPrinter&)>& prepare,
                             const std::function<void(QPrinter&, PaintFor)>& paint,
                             const QString& note) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"印刷プレビュー"_s);
    if (auto* column = qobject_cast<QVBoxLayout*>(preview.layout()); column && !note.isEmpty()) {
        auto* label = new QLabel(note, &preview);
        label->setObjectName(u"PreviewNote"_s);
        label->setWordWrap(true);
        label->setMargin(6);
        column->insertWidget(0, label); // above the tool bar and the pages
    }
    // The preview records its pages as pictures; printing goes through the printer's own
    // engine. The print dialog puts its default paper back when it does not list the one
    // prepared (a tanzaku): the pages are printed on the paper they were drawn for.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&prepare, &paint](QPrinter* target) {
                         if (target->paintEngine()->type() == QPaintEngine::Picture) {
                             paint(*target, PaintFor::Preview);
                             return;
                         }
                         prepare(*target);
                         paint(*target, PaintFor::Printing);
                     });
    preview.exec();
}

} // namespace yomiwa::ui
