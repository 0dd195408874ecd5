// SPDX-License-Identifier: GPL-3.0-or-later
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

// A strip column's text set so that none of it is cut off, adjusted as a Japanese typesetter
// adjusts a line, going no further than the text needs:
//  1. solid: every ideograph and kana on its own full em, punctuation and brackets on their
//     half-em glyphs with their half-em of space (two marks in a row share one half em);
//  2. squeezed: marks in a row give up their space, then single marks give up theirs;
//  3. smaller: the whole column set uniformly smaller, in whole pixels, down to a floor;
//  4. two lines at the floor, the second to the left of the first, centred together on the
//     column's centre line, broken where the line-break rules allow;
//  5. cut: what two lines cannot hold is left out, the second line ending in "…".
// Ideographs and kana never stand closer than their em. Readings (ruby) stand at half size
// to the right of their bases and may reach half an em past a base onto kana beside it.
// Positions are in the column's own pixels: the text may reach beside the column by
// StripColumnReach.
struct StripLayout {
    enum class Stage { Solid, Squeezed, Smaller, TwoLines, Cut };
    // The lines, each with the readings of its bases as separate pieces (a smaller face).
    QList<ColumnLayout> pieces;
    int lines = 0;
    qreal size = 1; // the glyphs' scale against the column's font
    Stage stage = Stage::Solid;
    QRectF bounds; // the cells of all pieces

    bool Elided() const { return stage == Stage::Cut; }
};

// The smallest scale a column's text is set at before it takes a second line.
constexpr qreal SmallestSize = 0.6;

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
