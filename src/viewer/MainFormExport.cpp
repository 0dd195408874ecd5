// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/MainForm.h"

#include "model/FileIo.h"
#include "model/PageList.h"
#include "print/ExportFiles.h"
#include "ui/Shapes.h"
#include "viewer/PrintChoices.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QShortcut>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

namespace {
const QString PdfCaption = u"PDFに書き出す"_s;
const QString ImageCaption = u"画像に書き出す"_s;
const QString PrintCaption = u"印刷"_s;
constexpr int ImageScales[] = {1, 2, 4};

// Adds the suffix a typed name left out, so the file opens as what it is.
QString WithSuffix(const QString& path, const QString& suffix) {
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}
} // namespace

void MainForm::BuildExportCommands() {
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] { Print_Click(); });
    auto* exportKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(exportKey, &QShortcut::activated, this, [this] { Export_Click(); });
    auto* findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, this, [this] { Find_Click(); });

    m_stripMenu = new QMenu(this);
    m_stripMenu->setObjectName(u"StripMenu"_s);
    QAction* pdf = m_stripMenu->addAction(PdfCaption + u"…"_s);
    pdf->setObjectName(u"ExportPdf"_s);
    connect(pdf, &QAction::triggered, this, [this] { ExportPdf_Click(); });
    QAction* image = m_stripMenu->addAction(ImageCaption + u"…"_s);
    image->setObjectName(u"ExportImage"_s);
    connect(image, &QAction::triggered, this, [this] { ExportImage_Click(); });
}

void MainForm::contextMenuEvent(QContextMenuEvent* event) {
    // Only the strip has a menu, and only while it shows a page.
    if (!m_collectionOpen || m_pageList->currentRow() < 0 ||
        !m_stripShape->geometry().contains(event->pos())) {
        event->ignore();
        return;
    }
    m_stripMenu->popup(event->globalPos());
}

void MainForm::Export_Click() {
    if (!m_collectionOpen || m_pageList->currentRow() < 0)
        return;
    const int kind = m_dialogs.Choose(this, u"書き出し"_s, u"書き出す形式を選んでください。"_s,
                                      {PdfCaption, ImageCaption});
    if (kind == 0)
        ExportPdf_Click();
    else if (kind == 1)
        ExportImage_Click();
}

namespace {
// Asks which pages, which paper, the verses only and signed; nullopt when the reader cancelled.
std::optional<print::PrintJob> AskPrintJob(ui::Dialogs& dialogs, QWidget* parent,
                                           const QString& caption, const Kushu& kushu,
                                           int current) {
    PrintChoices choices(parent, dialogs, caption, kushu, PageRows(kushu), current);
    dialogs.ShowModal(&choices);
    if (choices.result() != QDialog::Accepted)
        return std::nullopt;
    return choices.Job();
}
} // namespace

void MainForm::ExportPdf_Click() {
    const int current = m_pageList->currentRow();
    if (!m_collectionOpen || current < 0)
        return;
    const std::optional<print::PrintJob> job =
        AskPrintJob(m_dialogs, this, PdfCaption, m_collection, current);
    if (!job)
        return;
    QString path = m_dialogs.SaveFileName(this, PdfCaption,
                                          QDir::homePath() + u'/' + m_collection.Title + u".pdf"_s,
                                          u"PDF (*.pdf)"_s);
    if (path.isEmpty())
        return;
    path = WithSuffix(path, u".pdf"_s);
    // Whatever happens during a long run, the shown comment is on the disk already; a
    // failure here is said when the collection is left, as ever.
    (void)StoreAndWriteComments();
    // A copy: events run while the progress shows, and a hand-over may open another
    // collection meanwhile.
    const Kushu kushu = m_collection;
    ui::Progress progress = m_dialogs.ShowProgress(
        this, u"「%1」に書き出しています…"_s.arg(DisplayName(path)), int(job->Pages.size()), true);
    const Status written = print::WritePdf(path, kushu, PageRows(kushu), *job,
                                           [&](int drawn) { return progress(drawn); });
    progress = nullptr; // closes the window before any message
    // Cancelled, nothing is written and an older file stays: the reader knows, nothing to say.
    if (!written.ok() && written.kind() != ErrorKind::Cancelled)
        m_dialogs.MsgBox(this, written.error(), ui::MsgStyle::Notice);
}

void MainForm::ExportImage_Click() {
    const int current = m_pageList->currentRow();
    if (!m_collectionOpen || current < 0)
        return;
    const int scale =
        m_dialogs.Choose(this, ImageCaption, u"画像の大きさを選んでください。"_s,
                         {u"画面と同じ大きさ（1倍）"_s, u"画面の2倍"_s, u"画面の4倍"_s});
    if (scale < 0)
        return;
    const Kushu& kushu = m_collection;
    QString path = m_dialogs.SaveFileName(this, ImageCaption,
                                          QDir::homePath() + u'/' + kushu.Title + u'_' +
                                              QString::number(current + 1) + u".png"_s,
                                          u"PNG 画像 (*.png)"_s);
    if (path.isEmpty())
        return;
    path = WithSuffix(path, u".png"_s);
    const Status written = print::WritePng(
        path, print::PageToPrint(kushu, PageRows(kushu), current), ImageScales[scale]);
    if (!written.ok())
        m_dialogs.MsgBox(this, written.error(), ui::MsgStyle::Notice);
}

void MainForm::Print_Click() {
    const int current = m_pageList->currentRow();
    if (!m_collectionOpen || current < 0)
        return;
    const std::optional<print::PrintJob> job =
        AskPrintJob(m_dialogs, this, PrintCaption, m_collection, current);
    if (!job)
        return;
    (void)StoreAndWriteComments();
    const Kushu kushu = m_collection; // a copy, as for an export
    const QStringList rows = PageRows(kushu);
    const int count = int(job->Pages.size());
    print::PrintJob previewed = *job;
    previewed.Pages = job->Pages.first(qMin(count, print::PreviewPageLimit));
    const QString note =
        previewed.Pages.size() == count
            ? QString()
            : u"ページが多いため、プレビューには全%1ページのうち最初の%2ページだけを表示して"
              u"います。印刷すると%1ページすべてを印刷します。"_s.arg(count)
                  .arg(previewed.Pages.size());
    m_dialogs.PrintPreview(
        this,
        [layout = job->Layout](QPrinter& printer) {
            printer.setFullPage(true);
            print::PrepareDevice(printer, layout);
        },
        [&](QPrinter& printer, ui::PaintFor purpose) {
            if (purpose == ui::PaintFor::Preview) {
                print::PaintSheets(printer, kushu, rows, previewed);
                return;
            }
            // A print already sent cannot be called back: the progress has no Cancel.
            print::PaintSheets(printer, kushu, rows, *job,
                               m_dialogs.ShowProgress(this, u"印刷しています…"_s, count, false));
        },
        note);
}

} // namespace yomiwa::viewer
