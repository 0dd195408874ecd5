// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Result.h"
#include "print/SheetLayout.h"
#include "print/StripPage.h"

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;

namespace yomiwa::print {

// What goes on paper: the rows of the page list to print, in order, the sheet layout, and
// whether each verse strip carries the collection's author at its foot.
struct PrintJob {
    QList<int> Pages;
    SheetLayout Layout = SheetLayout::Tanzaku;
    bool Signed = false;
};

// A print preview draws every sheet it shows before it opens and holds them all in memory,
// about half a megabyte each: it shows at most the sheets of this many pages, which open in
// about a second. Printing draws one sheet after the other. A multiple of every layout's
// strips per sheet, so that the preview ends on a full sheet.
inline constexpr int PreviewPageLimit = 100;

// Told after each sheet how many of the pages are drawn; answers false to stop there.
using PagesDrawn = std::function<bool(int drawn)>;

// Sets a printer or PDF writer to the layout's paper, with no margins of its own.
void PrepareDevice(QPagedPaintDevice& device, SheetLayout layout);

// Paints the job's pages onto the device, as many strips to a sheet as the layout holds, one
// sheet after the other. Each page is drawn as it comes and then forgotten. False when the
// device could not be painted on or `drawn` stopped it.
bool PaintSheets(QPagedPaintDevice& device, const Kushu& kushu, const QStringList& rows,
                 const PrintJob& job, const PagesDrawn& drawn = {});

// The PDF of the job's pages: vector glyphs with their faces embedded, the collection's title
// as the document's title and its author as its creator (in its XMP metadata), and the
// pages' text attached as a UTF-8 file (PdfTextFileName). Stopped by `drawn`, it fails as
// Cancelled.
Status WritePdf(const QString& path, const Kushu& kushu, const QStringList& rows,
                const PrintJob& job, const PagesDrawn& drawn = {});
inline constexpr char16_t PdfTextFileName[] = u"yomiwa-text.txt";

// The strip of one page as a PNG image at 1, 2 or 4 times its size on screen.
Status WritePng(const QString& path, const StripPage& page, int scale);

} // namespace yomiwa::print
