#include "StripPainter.h"

#include "ColourValues.h"
#include "ColumnLayout.h"
#include "Shapes.h"
#include "StripColumnPainter.h"
#include "StripGeometry.h"
#include "VerticalShaper.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>

#include <cmath>

namespace yomiwa::print {

using namespace Qt::Literals::StringLiterals;

namespace {

// The column's face at the pixel size the window shows it at (96 logical dpi), so that a
// PDF or an image of another resolution lays the column out exactly as the screen does.
QFont PixelFont(const ui::StripColumnGeometry& geometry) {
    QFont font = geometry.MakeColumnFont();
    font.setPixelSize(qRound(geometry.Points * 96.0 / 72.0));
    return font;
}

const QString& TextOf(const StripPage& page, const ui::StripColumnGeometry& geometry) {
    if (geometry.Colour == PrefaceFore)
        return page.Preface;
    if (geometry.Colour == PostscriptFore)
        return page.Postscript;
    return page.Verse;
}

// The screen's glyph rasteriser thickens a face that has no bold of its own by a
// twenty-fourth of the em. Outlines drawn scaled or into a PDF are not thickened: there the
// bold column is thickened by drawing it again, shifted, as Qt's PDF writer does for such
// faces in ordinary text.
bool NeedsThickening(QPainter& painter, const QFont& font, const QRawFont& face) {
    if (!font.bold() || face.styleName().contains(u"Bold"_s, Qt::CaseInsensitive))
        return false;
    const bool rasterised = painter.paintEngine()->type() == QPaintEngine::Raster &&
                            painter.deviceTransform().type() <= QTransform::TxTranslate;
    return !rasterised;
}

} // namespace

QSize StripPixelSize() {
    return ui::PixelsOf(ui::strip::ShapeTwips).size();
}

void PaintColumnText(QPainter& painter, const QString& fieldText, const QFont& font,
                     const QRectF& column, const QColor& colour) {
    if (fieldText.isEmpty())
        return;
    // The window's own setting of a column: a long verse shrinks or takes a second line
    // beside the column, readings stand to its right, so nothing is clipped here.
    const ui::VerticalShaper shaper(font);
    const ui::StripLayout layout = ui::LayOutStripColumn(fieldText, shaper, font, column.size());
    painter.save();
    painter.translate(column.topLeft());
    painter.setPen(colour);
    ui::DrawStripColumn(painter, layout);
    if (!layout.pieces.isEmpty() && NeedsThickening(painter, font, layout.pieces.first().face)) {
        // Copies around a small circle: a stroke of the rasteriser's width whose edges stay
        // smooth even on paper, where one shifted copy would leave visible steps.
        constexpr int Corners = 12;
        const qreal radius = font.pixelSize() / 48.0;
        for (int corner = 0; corner < Corners; ++corner) {
            const qreal angle = corner * 2 * M_PI / Corners;
            const QPointF offset(radius * std::cos(angle), radius * std::sin(angle));
            painter.translate(offset);
            ui::DrawStripColumn(painter, layout);
            painter.translate(-offset);
        }
    }
    painter.restore();
}

void PaintStrip(QPainter& painter, const StripPage& page, const QRectF& target) {
    const QSizeF pixels = StripPixelSize();
    const qreal sx = target.width() / pixels.width();
    const qreal sy = target.height() / pixels.height();
    ui::PaintRoundedShape(painter, target, ui::ToQColor(page.Colours[StripFill]),
                          ui::ToQColor(page.Colours[StripBorder]),
                          ui::strip::BorderPixels * qMin(sx, sy));
    const QPoint origin = ui::PixelsOf(ui::strip::ShapeTwips).topLeft();
    for (const ui::StripColumnGeometry* geometry :
         {&ui::strip::Preface, &ui::strip::Verse, &ui::strip::Postscript}) {
        const QRect column = ui::PixelsOf(geometry->Twips).translated(-origin);
        const qreal centre = target.x() + (column.x() + column.width() / 2.0) * sx;
        painter.save();
        painter.translate(centre - column.width() * sy / 2.0, target.y() + column.y() * sy);
        painter.scale(sy, sy);
        PaintColumnText(painter, TextOf(page, *geometry), PixelFont(*geometry),
                        QRectF(QPointF(0, 0), column.size()),
                        ui::ToQColor(page.Colours[geometry->Colour]));
        painter.restore();
    }
}

QImage StripImage(const StripPage& page, int scale) {
    QImage image(StripPixelSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintStrip(painter, page, QRectF(QPointF(0, 0), StripPixelSize()));
    painter.end();
    return image;
}

} // namespace yomiwa::print
