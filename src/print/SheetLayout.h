// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QList>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

namespace yomiwa::print {

// How strips are put on paper. Every sheet but a tanzaku and B4 borderless keeps its strips
// and their frames PrintableMarginMm inside its edges, which an ordinary printer can print.
enum class SheetLayout {
    Tanzaku,      // one strip on a tanzaku sheet, 60.6 mm × 363.6 mm (2 寸 × 1 尺 2 寸)
    B4,           // strips side by side on JIS B4, scaled to fit within the margins, cut marks
    B4Borderless, // full-size strips side by side on JIS B4, for borderless printing
    A4,           // strips side by side on A4, as tall as the sheet allows, with cut marks
    A4Fit,        // one strip as large as fits an A4 sheet, with cut marks
};

inline constexpr QSizeF TanzakuMm{60.6, 363.6};
inline constexpr qreal PrintableMarginMm = 5;
// Cut marks reach into the margin, but no closer to the edge than this.
inline constexpr qreal MarkClearanceMm = 3;

// A sheet in millimetres: the paper, where each strip stands in page order (a row of strips
// reads from the right, as vertical text does: the first page is the rightmost strip), and
// the thin cut marks around them.
struct Sheet {
    QPageSize Paper;
    QList<QRectF> Strips;
    QList<QLineF> CutMarks;

    QSizeF PaperMm() const { return Paper.size(QPageSize::Millimeter); }
};

Sheet SheetOf(SheetLayout layout);

// The names the command line and the dialogs use: "tanzaku", "b4", "b4-borderless", "a4",
// "a4-fit".
std::optional<SheetLayout> LayoutNamed(const QString& name);
QString NameOf(SheetLayout layout);
// The strips' size against a tanzaku's, 1 for true size.
qreal ScaleOf(SheetLayout layout);
// How the layout is offered to the reader, with the scale of its strips.
QString CaptionOf(SheetLayout layout);
inline constexpr SheetLayout AllLayouts[] = {SheetLayout::Tanzaku, SheetLayout::B4,
                                             SheetLayout::B4Borderless, SheetLayout::A4,
                                             SheetLayout::A4Fit};

} // namespace yomiwa::print
