#include "strip/StripColumnPainter.h"

#include "model/RubyText.h"
#include "model/StripText.h"
#include "strip/VerticalShaper.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace yomiwa::strip {

using namespace Qt::Literals::StringLiterals;

namespace {

// A reading is set at half the size of its base.
constexpr qreal RubySize = 0.5;
// The distance between the centre lines of two lines of a column, in cells of their size:
// room for the readings of the left line between the two.
constexpr qreal LineDistance = 1.6;

// A line may not start with these (closing brackets and marks, small kana, the long-vowel
// mark) nor end with an opening bracket.
bool MayNotStartLine(QChar c) {
    return u"、。，．」』）〕］｝〉》っゃゅょゎぁぃぅぇぉッャュョヮァィゥェォヵヶーゝゞヽヾ々！？・：；"_s
        .contains(c);
}
bool MayNotEndLine(QChar c) {
    return u"「『（〔［｛〈《"_s.contains(c);
}

// What is never broken between two lines: one cell, or a base with its reading.
struct Unit {
    qsizetype firstCell = 0;
    qsizetype endCell = 0;
    qreal extra = 0;  // added to each base cell when the reading is longer than its base
    int reading = -1; // into the readings, or none
    qreal height = 0; // at the column's own size and pitch
    QChar first;      // the field's own first and last characters
    QChar last;
};

qreal HeightOf(const ColumnLayout& layout) {
    return layout.cells.isEmpty() ? 0 : layout.cells.last().top + layout.cells.last().advance;
}

QFont Scaled(QFont font, qreal size) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * size);
    else
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * size)));
    return font;
}

ColumnLayout EmptyLike(const ColumnLayout& layout, qreal size) {
    ColumnLayout empty{Scaled(layout.font, size), layout.face, layout.fullCell * size, {}, {}, {}};
    if (!empty.face.isValid() || size == 1)
        return empty;
    // The face at that size as Qt keeps it for the font, so that its rasterised glyphs are
    // kept too; a face resized on its own would be drawn afresh after every layout.
    const QRawFont face = QRawFont::fromFont(empty.font, QFontDatabase::Japanese);
    if (face.isValid() && face.familyName() == layout.face.familyName() &&
        face.styleName() == layout.face.styleName() &&
        qFuzzyCompare(face.pixelSize(), layout.face.pixelSize() * size))
        empty.face = face;
    else
        empty.face.setPixelSize(layout.face.pixelSize() * size);
    return empty;
}

// The scale nearest `scale` (rounded by `round`) at which a face of `pixels` pixels is a
// whole number of pixels: Qt sets a font's face in whole pixels, and keeps its glyphs only
// for a face it set.
template <typename Round> qreal WholePixels(qreal pixels, qreal scale, Round round) {
    return pixels > 0 && scale != 1 ? round(pixels * scale) / pixels : scale;
}

qreal PixelsOf(const ColumnLayout& base) {
    return base.face.isValid() ? base.face.pixelSize() : 0;
}

// Places units of a column, at any size and pitch, on any centre line.
class Placer {
public:
    Placer(const ColumnLayout& base, const QList<ColumnLayout>& readings, const QList<Unit>& units,
           const ColumnLayout& ellipsis, StripLayout& out)
        : m_pixels(PixelsOf(base))
        , m_emptyLine{base.font, base.face, -1, {}, {}, {}}
        , m_base(base)
        , m_readings(readings)
        , m_units(units)
        , m_ellipsis(ellipsis)
        , m_out(out) {}

    void Line(qsizetype from, qsizetype to, bool ellipsis, qreal centre, qreal top) {
        const qreal size = m_out.size;
        top += size * m_base.fullCell * (1 - m_out.pitch) / 2;
        const qreal rubySize =
            WholePixels(m_pixels, size * RubySize, [](qreal x) { return std::round(x); });
        const qreal rubyCentre = centre + (size + rubySize) * m_base.fullCell / 2;
        if (m_emptyLine.fullCell != m_base.fullCell * size) {
            m_emptyLine = EmptyLike(m_base, size);
            if (!m_readings.isEmpty())
                m_emptyRuby = EmptyLike(m_base, rubySize);
        }
        ColumnLayout line = m_emptyLine;
        ColumnLayout ruby = m_emptyRuby;
        if (from < to) {
            const qsizetype firstCell = m_units[from].firstCell;
            const ColumnCell& last = m_base.cells[m_units[to - 1].endCell - 1];
            const qsizetype glyphs =
                last.firstGlyph + last.glyphCount - m_base.cells[firstCell].firstGlyph + 2;
            line.cells.reserve(m_units[to - 1].endCell - firstCell + 1);
            line.glyphs.reserve(glyphs);
            line.positions.reserve(glyphs);
        }
        line.centre = centre;
        ruby.centre = rubyCentre;
        for (qsizetype u = from; u < to; ++u) {
            const Unit& unit = m_units[u];
            const qreal unitTop = top;
            top = Cells(line, m_base, unit.firstCell, unit.endCell, size, unit.extra, m_out.pitch,
                        centre, top);
            if (unit.reading < 0)
                continue;
            // A face of whole pixels may make a reading a little taller than half its base's
            // size allows for: it is then set closer, so as not to reach past its base.
            const ColumnLayout& reading = m_readings[unit.reading];
            const qreal height = HeightOf(reading) * rubySize * m_out.pitch;
            const qreal closer = height > top - unitTop ? (top - unitTop) / height : 1;
            Cells(ruby, reading, 0, reading.cells.size(), rubySize, 0, m_out.pitch * closer,
                  rubyCentre, unitTop + (top - unitTop - height * closer) / 2);
        }
        if (ellipsis)
            Cells(line, m_ellipsis, 0, m_ellipsis.cells.size(), size, 0, m_out.pitch, centre, top);
        m_out.pieces.append(line);
        if (!ruby.cells.isEmpty())
            m_out.pieces.append(ruby);
        ++m_out.lines;
    }

private:
    // Appends cells of `source` scaled by `size`, each grown by `extra` at the source's size
    // and then tightened by `pitch` with its glyphs centred in it; returns the next top.
    qreal Cells(ColumnLayout& target, const ColumnLayout& source, qsizetype first, qsizetype end,
                qreal size, qreal extra, qreal pitch, qreal centre, qreal top) {
        for (qsizetype c = first; c < end; ++c) {
            const ColumnCell& cell = source.cells[c];
            const qreal natural = cell.advance + extra;
            const qreal shift = size * extra / 2 - natural * size * (1 - pitch) / 2;
            auto place = [&](QPointF p) {
                return QPointF(centre + size * (p.x() - source.centre),
                               top + size * (p.y() - cell.top) + shift);
            };
            ColumnCell placed = cell;
            placed.top = top;
            placed.advance = natural * size * pitch;
            placed.firstGlyph = target.glyphs.size();
            for (qsizetype g = cell.firstGlyph; g < cell.firstGlyph + cell.glyphCount; ++g) {
                target.glyphs.append(source.glyphs[g]);
                target.positions.append(place(source.positions[g]));
            }
            placed.textOrigin = place(cell.textOrigin);
            target.cells.append(placed);
            const qreal width = source.fullCell * size;
            m_out.bounds |= QRectF(centre - width / 2, top, width, placed.advance);
            top += placed.advance;
        }
        return top;
    }

    qreal m_pixels;
    // The faces of the lines and of their readings, found once for all lines.
    ColumnLayout m_emptyLine;
    ColumnLayout m_emptyRuby;
    const ColumnLayout& m_base;
    const QList<ColumnLayout>& m_readings;
    const QList<Unit>& m_units;
    const ColumnLayout& m_ellipsis;
    StripLayout& m_out;
};

// How tall a text one line at `size` and the tightest pitch holds, at the column's own
// size: a tightened cell keeps its glyph centred, so the first and last glyphs reach half
// the tightening beyond the line's cells.
qreal LineCapacity(qreal room, qreal fullCell, qreal size) {
    return (room / size - fullCell * (1 - TightestPitch)) / TightestPitch;
}

QList<Unit> UnitsOf(const ColumnLayout& base, const QString& text, const RubyText& ruby,
                    const QList<ColumnLayout>& readings) {
    QList<Unit> units;
    units.reserve(base.cells.size());
    qsizetype position = 0;
    qsizetype next = 0; // the next reading
    for (qsizetype c = 0; c < base.cells.size();) {
        Unit unit;
        unit.firstCell = c;
        unit.first = text[position];
        qsizetype end = position + base.cells[c].text.size();
        ++c;
        // A base that lies within one cell (after a combining mark) has no cell to stand by.
        while (next < ruby.rubies.size() && ruby.rubies[next].end <= position)
            ++next;
        if (next < ruby.rubies.size() && position >= ruby.rubies[next].begin) {
            while (c < base.cells.size() && end < ruby.rubies[next].end)
                end += base.cells[c++].text.size();
            unit.reading = int(next++);
        }
        unit.endCell = c;
        unit.last = text[end - 1];
        for (qsizetype i = unit.firstCell; i < c; ++i)
            unit.height += base.cells[i].advance;
        if (unit.reading >= 0) {
            const qreal reading = HeightOf(readings[unit.reading]) * RubySize;
            if (reading > unit.height) {
                unit.extra = (reading - unit.height) / qreal(c - unit.firstCell);
                unit.height = reading;
            }
        }
        units.append(unit);
        position = end;
    }
    return units;
}

} // namespace

StripLayout LayOutStripColumn(const QString& fieldText, const VerticalShaper& shaper,
                              const QFont& font, const QSizeF& column) {
    StripLayout out;
    const RubyText ruby = ParseRuby(fieldText);
    const QString text = ToStripText(ruby.base);
    const qreal room = column.height();
    // Laying a text out costs time with its length, however little of it the column shows.
    // A long text is laid out in ever longer parts, each twice the last, until a part is
    // taller than the two lines at the smallest size hold: that part then gives every line
    // and the ellipsis exactly as the whole text would. The last unit of a part may be cut
    // short (a character without its marks, one of two digits, a base without its whole
    // reading) and is left out.
    const qreal guessCell = shaper.IsValid() ? shaper.FullCell() : QFontMetricsF(font).height();
    const qreal cells = 2 * LineCapacity(room, guessCell, SmallestSize) / guessCell;
    qsizetype length = qsizetype(std::min(qreal(text.size()), std::max(16.0, 2 * cells + 16)));
    ColumnLayout base;
    QList<ColumnLayout> readings;
    QList<Unit> units;
    QList<qreal> heights; // heights[i]: the first i units
    qreal smallest = SmallestSize;
    for (;;) {
        const bool whole = length >= text.size();
        base = LayOutColumn(whole ? text : text.first(length), shaper, font, column.width());
        const qreal natural = HeightOf(base);
        if (whole && ruby.rubies.isEmpty() && natural <= room) {
            // Text that fits is set as it always was.
            out.bounds = QRectF(base.centre - base.fullCell / 2, 0, base.fullCell, natural);
            out.pieces.append(std::move(base));
            out.lines = 1;
            return out;
        }
        readings.clear();
        for (const RubyText::Ruby& r : ruby.rubies) {
            if (r.begin >= length)
                break;
            readings.append(LayOutColumn(r.reading, shaper, font, column.width()));
        }
        units = UnitsOf(base, ruby.base, ruby, readings);
        if (!whole && !units.isEmpty())
            units.removeLast();
        heights = QList<qreal>(units.size() + 1, 0);
        for (qsizetype u = 0; u < units.size(); ++u)
            heights[u + 1] = heights[u] + units[u].height;
        smallest = WholePixels(PixelsOf(base), SmallestSize, [](qreal x) { return std::ceil(x); });
        const qreal shown = std::max(room, 2 * LineCapacity(room, base.fullCell, smallest));
        if (whole || heights.last() > shown)
            break;
        length = std::min(text.size(), 2 * length);
    }
    ColumnLayout ellipsis; // laid out only when needed
    const qreal total = heights.last();
    Placer placer(base, readings, units, ellipsis, out);
    // A tightened cell keeps its glyph centred, so the first and last glyphs reach half the
    // tightening beyond the line's cells: the line is that much shorter than the room.
    const qreal fullCell = base.fullCell;
    auto span = [&](qreal height, qreal size, qreal pitch) {
        return size * (height * pitch + fullCell * (1 - pitch));
    };
    if (total <= room) {
        placer.Line(0, units.size(), false, base.centre, 0);
        return out;
    }
    if (span(total, smallest, TightestPitch) <= room) {
        // One line: tighter, then smaller, uniformly.
        out.pitch = std::max(TightestPitch, (room - fullCell) / (total - fullCell));
        if (span(total, 1, out.pitch) > room)
            out.size =
                std::max(smallest, WholePixels(PixelsOf(base), room / span(total, 1, out.pitch),
                                               [](qreal x) { return std::floor(x); }));
        placer.Line(0, units.size(), false, base.centre, 0);
        return out;
    }

    // Two lines at the smallest size, as even as the line-break rules allow.
    out.size = smallest;
    out.pitch = TightestPitch;
    const qreal capacity = LineCapacity(room, fullCell, out.size);
    auto mayBreak = [&](qsizetype b) {
        return !MayNotStartLine(units[b].first) && !MayNotEndLine(units[b - 1].last);
    };
    qsizetype best = -1;
    for (qsizetype b = 1; b < units.size(); ++b) {
        if (!mayBreak(b) || heights[b] > capacity || total - heights[b] > capacity)
            continue;
        if (best < 0 || qAbs(heights[b] - total / 2) < qAbs(heights[best] - total / 2))
            best = b;
    }
    const qreal distance = LineDistance * out.size * base.fullCell;
    const qreal right = base.centre + distance / 2;
    const qreal left = base.centre - distance / 2;
    if (best > 0) {
        // The second line starts a cell lower, as a calligrapher begins it, where it has room.
        const qreal spare = (capacity - (total - heights[best])) * out.size * out.pitch;
        const qreal indent = std::min(spare, fullCell * out.size * out.pitch);
        placer.Line(0, best, false, right, 0);
        placer.Line(best, units.size(), false, left, std::max(0.0, indent));
        return out;
    }

    // Even two lines cannot hold it: the second ends in "…" and the rest is left out.
    out.elided = true;
    qsizetype first = 0;
    for (qsizetype b = 1; b < units.size() && heights[b] <= capacity; ++b)
        if (mayBreak(b) || first == 0)
            first = b;
    ellipsis = LayOutColumn(u"…"_s, shaper, font, column.width());
    const qreal ellipsisHeight = HeightOf(ellipsis);
    qsizetype second = first;
    while (second < units.size() &&
           heights[second + 1] - heights[first] + ellipsisHeight <= capacity)
        ++second;
    placer.Line(0, first, false, right, 0);
    placer.Line(first, second, true, left, 0);
    return out;
}

void DrawStripColumn(QPainter& painter, const StripLayout& layout) {
    for (const ColumnLayout& piece : layout.pieces)
        DrawColumn(painter, piece, std::numeric_limits<qreal>::max());
}

Reach StripColumnReach(qreal fullCell, qreal width) {
    const qreal centre = std::floor((width - fullCell) / 2) + fullCell / 2;
    const qreal smallest = std::ceil(fullCell * SmallestSize) / fullCell;
    // The left line's left edge; the readings of the only or the right line. A pixel more
    // for synthetic bold.
    const qreal left = centre - (LineDistance / 2 + 0.5) * smallest * fullCell - 2;
    const qreal right =
        centre + std::max(1.0, (LineDistance / 2 + 0.5 + RubySize) * smallest) * fullCell + 2;
    return {std::max(0.0, -left), std::max(0.0, right - width)};
}

void PaintStripColumn(QPainter& painter, const QString& fieldText, const QFont& font,
                      const QRectF& column, const QColor& colour) {
    if (fieldText.isEmpty())
        return;
    const VerticalShaper shaper(font);
    const StripLayout layout = LayOutStripColumn(fieldText, shaper, font, column.size());
    painter.save();
    painter.translate(column.topLeft());
    painter.setPen(colour);
    DrawStripColumn(painter, layout);
    painter.restore();
}

} // namespace yomiwa::strip
