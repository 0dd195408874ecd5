#pragma once

#include <QLineF>
#include <QList>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

namespace yomiwa::print {

// How strips are put on paper.
enum class SheetLayout {
    Tanzaku, // one strip on a tanzaku sheet, 60.6 mm × 363.6 mm (2 寸 × 1 尺 2 寸)
    B4,      // full-size strips side by side on a JIS B4 sheet, with cut marks
    A4,      // strips side by side on A4, as tall as the sheet allows, with cut marks
    A4Fit,   // one strip as large as fits an A4 sheet, with cut marks
};

inline constexpr QSizeF TanzakuMm{60.6, 363.6};

// A sheet in millimetres: the paper, where each strip stands (left to right), and the thin
// cut marks around them.
struct Sheet {
    QPageSize Paper;
    QList<QRectF> Strips;
    QList<QLineF> CutMarks;

    QSizeF PaperMm() const { return Paper.size(QPageSize::Millimeter); }
};

Sheet SheetOf(SheetLayout layout);

// The names the command line and the dialogs use: "tanzaku", "b4", "a4", "a4-fit".
std::optional<SheetLayout> LayoutNamed(const QString& name);
QString NameOf(SheetLayout layout);
// How the layout is offered to the reader.
QString CaptionOf(SheetLayout layout);
inline constexpr SheetLayout AllLayouts[] = {SheetLayout::Tanzaku, SheetLayout::B4, SheetLayout::A4,
                                             SheetLayout::A4Fit};

} // namespace yomiwa::print
