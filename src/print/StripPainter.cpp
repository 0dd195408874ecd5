// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/StripPainter.h"

#include "strip/Colours.h"
#include "strip/ColumnLayout.h"
#include "strip/StripColumnPainter.h"
#include "strip/StripGeometry.h"
#include "strip/StripShape.h"
#include "strip/VerticalShaper.h"

#include <QPainter>

namespace yomiwa::print {

using namespace Qt::Literals::StringLiterals;

namespace {

// The column's face at the pixel size the window shows it at (96 logical dpi), so that a
// PDF or an image of another resolution lays the column out exactly as the screen does.
QFont PixelFont(const strip::StripColumnGeometry& geometry) {
    QFont font = geometry.MakeColumnFont();
    font.setPixelSize(qRound(geometry.Points * 96.0 / 72.0));
    return font;
}

const QString& TextOf(const StripPage& page, const strip::StripColumnGeometry& geometry) {
    if (geometry.Colour == PrefaceFore)
        return page.Preface;
    if (geometry.Colour == PostscriptFore)
        return page.Postscript;
    return page.Verse;
}

} // namespace

StripShapers::StripShapers() = default;
StripShapers::~StripShapers() = default;

const strip::VerticalShaper& StripShapers::Of(const QFont& font) {
    std::unique_ptr<strip::VerticalShaper>& shaper = m_shapers[font.key()];
    if (!shaper)
        shaper = std::make_unique<strip::VerticalShaper>(font);
    return *shaper;
}

QSize StripPixelSize() {
    return strip::PixelsOf(strip::ShapeTwips).size();
}

namespace {

// One column of a strip drawn into a target: where its centre line falls, and its text set
// at `scale` target units per screen pixel in a column as tall as the target's.
struct PlacedColumn {
    QColor Colour;
    QString Text;
    QFont Font;
    QRect Screen; // the column on screen, relative to the strip
    qreal Centre; // its centre line in the target
    qreal Top;    // its top in the target
    qreal Height; // its height in the target
    const strip::VerticalShaper* Shaper;
    strip::StripLayout Layout;
    qreal Scale = 1;

    void SetScale(qreal scale) {
        Scale = scale;
        Layout =
            strip::LayOutStripColumn(Text, *Shaper, Font, QSizeF(Screen.width(), Height / scale));
    }
    // The text's extent in the target.
    QRectF Ink() const {
        const QRectF b = Layout.bounds;
        return {Centre + (b.left() - Screen.width() / 2.0) * Scale, Top + b.top() * Scale,
                b.width() * Scale, b.height() * Scale};
    }
};

bool AnyOverlap(const QList<PlacedColumn>& columns) {
    for (qsizetype i = 0; i < columns.size(); ++i)
        for (qsizetype j = i + 1; j < columns.size(); ++j)
            if (columns[i].Ink().intersects(columns[j].Ink()))
                return true;
    return false;
}

} // namespace

void PaintStrip(QPainter& painter, const StripPage& page, const QRectF& target) {
    StripShapers shapers;
    PaintStrip(painter, page, target, shapers);
}

void PaintStrip(QPainter& painter, const StripPage& page, const QRectF& target,
                StripShapers& shapers) {
    const QSizeF pixels = StripPixelSize();
    const qreal sx = target.width() / pixels.width();
    const qreal sy = target.height() / pixels.height();
    strip::PaintRoundedShape(painter, target, strip::ToQColor(page.Colours[StripFill]),
                             strip::ToQColor(page.Colours[StripBorder]),
                             strip::BorderPixels * qMin(sx, sy));
    const QPoint origin = strip::PixelsOf(strip::ShapeTwips).topLeft();
    QList<PlacedColumn> columns;
    auto place = [&](const QString& text, const QFont& font, ColourSlot colour, QRect screen) {
        PlacedColumn column{strip::ToQColor(page.Colours[colour]),
                            text,
                            font,
                            screen,
                            target.x() + (screen.x() + screen.width() / 2.0) * sx,
                            target.y() + screen.y() * sy,
                            screen.height() * sy,
                            &shapers.Of(font),
                            {}};
        column.SetScale(sy);
        columns.append(std::move(column));
    };
    for (const strip::StripColumnGeometry* geometry :
         {&strip::Preface, &strip::Verse, &strip::Postscript}) {
        const QString& text = TextOf(page, *geometry);
        if (text.isEmpty())
            continue;
        QRect screen = strip::PixelsOf(geometry->Twips).translated(-origin);
        if (geometry == &strip::Verse && !page.Signature.isEmpty()) {
            // The author's name at the foot of the verse, a little to its left, in a smaller
            // Mincho; the verse keeps an em above it.
            strip::StripColumnGeometry signature = strip::Verse;
            signature.Points = strip::Preface.Points;
            signature.Bold = false;
            const QFont font = PixelFont(signature);
            const qreal height =
                strip::LayOutStripColumn(page.Signature, shapers.Of(font), font,
                                         QSizeF(screen.width(), screen.height() / 3.0))
                    .bounds.bottom();
            const int foot = qCeil(height);
            place(page.Signature, font, geometry->Colour,
                  QRect(screen.x() - font.pixelSize() / 2, screen.bottom() + 1 - foot,
                        screen.width(), foot));
            screen.setBottom(screen.bottom() - foot - PixelFont(*geometry).pixelSize());
        }
        place(text, PixelFont(*geometry), geometry->Colour, screen);
    }
    // On paper the strip is narrower for its height than on screen, so its columns stand
    // closer together than their text is tall. Where readings or a verse in two lines would
    // then reach into a neighbour, the page's text is set smaller, at the largest size at
    // which the columns keep clear of each other (at the screen's proportions they do).
    if (sx < sy && AnyOverlap(columns)) {
        qreal clear = sx;
        qreal overlapping = sy;
        for (int step = 0; step < 6; ++step) {
            const qreal scale = (clear + overlapping) / 2;
            for (PlacedColumn& column : columns)
                column.SetScale(scale);
            (AnyOverlap(columns) ? overlapping : clear) = scale;
        }
        for (PlacedColumn& column : columns)
            column.SetScale(clear);
    }
    for (const PlacedColumn& column : columns) {
        painter.save();
        painter.translate(column.Centre - column.Screen.width() * column.Scale / 2.0, column.Top);
        painter.scale(column.Scale, column.Scale);
        painter.setPen(column.Colour);
        strip::DrawStripColumn(painter, column.Layout);
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
