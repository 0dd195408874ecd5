#pragma once

#include "strip/ColumnLayout.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace yomiwa::strip {

class VerticalShaper;

// A strip column's text set so that none of it is cut off. Text that fits the column is
// set exactly as LayOutColumn sets it. Longer text first has its pitch tightened, then is
// set smaller, uniformly, down to a floor; past the floor it goes on in a second line to
// the left of the first, the two centred on the column's centre line; only what even two
// lines cannot hold is left out, and the second line ends in "…". Readings (ruby) stand at
// half size to the right of their bases. Positions are in the column's own pixels: the
// text may reach beside the column by StripColumnReach.
struct StripLayout {
    // The lines, each with the readings of its bases as separate pieces (a smaller face).
    QList<ColumnLayout> pieces;
    int lines = 0;
    qreal size = 1;  // the glyphs' scale against the column's font
    qreal pitch = 1; // the cells' advance against the glyphs' own, when tightened
    bool elided = false;
    QRectF bounds; // the cells of all pieces
};

// The smallest scale a column's text is set at before it takes a second line, and the
// tightest pitch.
constexpr qreal SmallestSize = 0.6;
constexpr qreal TightestPitch = 0.9;

StripLayout LayOutStripColumn(const QString& fieldText, const VerticalShaper& shaper,
                              const QFont& font, const QSizeF& column);
void DrawStripColumn(QPainter& painter, const StripLayout& layout);

// How far beside a column of `width` pixels its text may reach, left and right, for a face
// whose full-width cell is `fullCell` pixels: a second line, and readings.
struct Reach {
    qreal left = 0;
    qreal right = 0;
};
Reach StripColumnReach(qreal fullCell, qreal width);

// Paints a strip column's text as the windows show it, in `colour`. `fieldText` is the
// field's own text (with ー and any reading marks, not the column form); `column` is the
// column's rectangle in the painter's logical pixels (the window's twips divided by 15).
// The text may reach beside the rectangle (see StripColumnReach) but never above or below
// it; with the strips' geometry that is clear of the neighbouring columns.
void PaintStripColumn(QPainter& painter, const QString& fieldText, const QFont& font,
                      const QRectF& column, const QColor& colour);

} // namespace yomiwa::strip
