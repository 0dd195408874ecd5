// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

class QPainter;

namespace yomiwa::strip {

class VerticalShaper;

// One cell of a vertical column: the characters it holds, stacked top to bottom.
struct ColumnCell {
    enum class Form {
        Vertical,   // shaped top to bottom: the face's vertical forms and placement
        Upright,    // a half-width letter, digit or sign, or ｜: upright and centred
        SideBySide, // exactly two half-width digits, left to right in one cell
        Fallback,   // a character the face lacks, drawn by Qt upright and centred
    };
    QString text;
    Form form = Form::Vertical;
    qreal top = 0;
    qreal advance = 0; // the cell's height: the face's vertical advance for its glyphs
    qsizetype firstGlyph = 0;
    qsizetype glyphCount = 0;
    QPointF textOrigin; // baseline origin of the text of a Fallback cell
};

// A column laid out once per text, font and width, and painted as often as needed. Glyph
// positions are baseline origins in the column's own pixels.
struct ColumnLayout {
    QFont font;     // for Fallback cells
    QRawFont face;  // the face the glyphs index
    qreal fullCell; // the height of a full-width cell
    QList<ColumnCell> cells;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    qreal centre = 0; // the column's centre line, that full-width cells are centred on

    QList<quint32> GlyphsOf(const ColumnCell& cell) const;
    QList<QPointF> PositionsOf(const ColumnCell& cell) const;
};

// Lays the text out top to bottom on the centre line of a column `width` pixels wide:
// cells follow each other without gaps, each advancing by the face's vertical advance.
ColumnLayout LayOutColumn(const QString& text, const VerticalShaper& shaper, const QFont& font,
                          qreal width);
// The same with a shaper made for this call only.
ColumnLayout LayOutColumn(const QString& text, const QFont& font, qreal width);

// Paints the cells that begin above `bottom` with the painter's pen colour. Cells are
// drawn whole; the painter's clip cuts what reaches past the column. A bold font whose face
// has no bold is thickened alike on the screen, scaled and on paper.
void DrawColumn(QPainter& painter, const ColumnLayout& layout, qreal bottom);

} // namespace yomiwa::strip
