#include "StripPainter.h"

#include "ColourValues.h"
#include "ColumnLayout.h"
#include "Shapes.h"
#include "StripGeometry.h"
#include "StripText.h"

#include <QPainter>

namespace yomiwa::print {

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

} // namespace

QSize StripPixelSize() {
    return ui::PixelsOf(ui::strip::ShapeTwips).size();
}

void PaintColumnText(QPainter& painter, const QString& fieldText, const QFont& font,
                     const QRectF& column, const QColor& colour) {
    if (fieldText.isEmpty())
        return;
    const ui::ColumnLayout layout = ui::LayOutColumn(ToStripText(fieldText), font, column.width());
    painter.save();
    painter.translate(column.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), column.size()), Qt::IntersectClip);
    painter.setPen(colour);
    ui::DrawColumn(painter, layout, column.height());
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
