// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/ExportFiles.h"

#include "model/FileIo.h"
#include "model/PageList.h"
#include "print/StripPainter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace yomiwa::print {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr qreal MarkWidth = 0.1; // millimetres: a hairline that still prints

// Passes the writes on to the file and remembers the first that failed: the PDF writer does
// not look at what its writes return, and would go on drawing every page for a full disk.
class WatchedDevice : public QIODevice {
public:
    explicit WatchedDevice(QIODevice& file)
        : m_file(file) {
        open(QIODevice::WriteOnly);
    }
    bool Failed() const { return m_failed; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        m_failed = m_failed || m_file.write(data, size) != size;
        return m_failed ? -1 : size;
    }

private:
    QIODevice& m_file;
    bool m_failed = false;
};
} // namespace

void PrepareDevice(QPagedPaintDevice& device, SheetLayout layout) {
    device.setPageLayout(QPageLayout(SheetOf(layout).Paper, QPageLayout::Portrait, QMarginsF(),
                                     QPageLayout::Millimeter));
}

bool PaintSheets(QPagedPaintDevice& device, const Kushu& kushu, const QStringList& rows,
                 const PrintJob& job, const PagesDrawn& drawn) {
    const Sheet sheet = SheetOf(job.Layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Millimetres from the paper's corner, whatever the device's resolution.
    const QRectF paperPixels = painter.viewport();
    painter.scale(paperPixels.width() / sheet.PaperMm().width(),
                  paperPixels.height() / sheet.PaperMm().height());
    StripShapers shapers;
    const int count = int(job.Pages.size());
    const int perSheet = int(sheet.Strips.size());
    for (int done = 0; done < count; done += perSheet) {
        if (done > 0 && !device.newPage())
            return false;
        const int onSheet = qMin(perSheet, count - done);
        for (int i = 0; i < onSheet; ++i) {
            StripPage page = PageToPrint(kushu, rows, job.Pages[done + i]);
            if (job.Signed &&
                PageOfRow(rows, job.Pages[done + i], kushu.KuCount()).Kind == EntryKind::Ku)
                page.Signature = kushu.Author;
            PaintStrip(painter, page, sheet.Strips[i], shapers);
        }
        if (!sheet.CutMarks.isEmpty()) {
            painter.setPen(QPen(Qt::black, MarkWidth));
            painter.drawLines(sheet.CutMarks);
        }
        if (drawn && !drawn(done + onSheet)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

namespace {

// The document's metadata as XMP: Qt's PDF writer has no field for the author.
QByteArray XmpOf(const Kushu& kushu) {
    const QString xmp =
        u"<?xpacket begin='\uFEFF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
        "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
        " xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
        "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
        "<xmp:CreatorTool>Yomiwa</xmp:CreatorTool>\n"
        "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>"_s;
    return xmp.arg(kushu.Title.toHtmlEscaped(), kushu.Author.toHtmlEscaped()).toUtf8();
}

} // namespace

Status WritePdf(const QString& path, const Kushu& kushu, const QStringList& rows,
                const PrintJob& job, const PagesDrawn& drawn) {
    bool stopped = false;
    Status written = SaveFileWith(
        path,
        [&](QIODevice& device) {
            WatchedDevice out(device);
            QPdfWriter writer(&out);
            writer.setTitle(kushu.Title);
            writer.setCreator(u"Yomiwa"_s);
            writer.setDocumentXmpMetadata(XmpOf(kushu));
            // Qt's PDF cannot map vertical glyph forms back to characters: the text travels
            // beside the drawing.
            writer.addFileAttachment(QString::fromUtf16(PdfTextFileName),
                                     PagesText(kushu, rows, job.Pages), u"text/plain"_s);
            PrepareDevice(writer, job.Layout);
            // Each sheet goes to the file as the next begins: a failed write ends the drawing.
            const bool painted = PaintSheets(writer, kushu, rows, job, [&](int done) {
                stopped = !out.Failed() && drawn && !drawn(done);
                return !out.Failed() && !stopped;
            });
            return painted && !out.Failed();
        },
        WriteKind::Export);
    if (stopped)
        return Status::Failure(
            ErrorKind::Cancelled,
            u"ファイル「%1」への書き出しを取りやめました。"_s.arg(DisplayName(path)));
    return written;
}

Status WritePng(const QString& path, const StripPage& page, int scale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!StripImage(page, scale).save(&buffer, "PNG"))
        return Status::Failure(ErrorKind::CannotWrite,
                               u"ファイル「%1」の画像を作れません。"_s.arg(DisplayName(path)));
    return SaveFileWith(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); },
        WriteKind::Export);
}

} // namespace yomiwa::print
