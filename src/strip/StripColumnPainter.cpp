// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <optional>

namespace yomiwa::strip {

using namespace Qt::Literals::StringLiterals;

namespace {

// A reading is set at half the size of its base, or the whole pixel below.
constexpr qreal RubySize = 0.5;
// The distance between the centre lines of two lines of a column, in cells of their size:
// room for the readings of the left line between the two.
constexpr qreal LineDistance = 1.6;
// What a sum of pixels may be over and still fit: the noise of adding fractions.
constexpr qreal Slack = 1e-6;

// A line may not start with these (closing brackets and marks, small kana, the long-vowel
// mark) nor end with an opening bracket.
bool MayNotStartLine(QChar c) {
    return u"、。，．」』）〕］｝〉》】〙〗っゃゅょゎぁぃぅぇぉッャュョヮァィゥェォヵヶーゝゞヽヾ々！？・：；"_s
        .contains(c);
}
bool MayNotEndLine(QChar c) {
    return u"「『（〔［｛〈《【〘〖"_s.contains(c);
}

// Punctuation and brackets: a glyph of half an em, the rest of the em empty on the side away
// from the text the mark belongs to (a quarter on either side for middle dots).
enum class Mark { None, Opening, Closing, MiddleDot };

Mark MarkOf(const QString& cell) {
    if (cell.size() != 1)
        return Mark::None;
    if (u"「『（〔【〈《［｛〘〖"_s.contains(cell[0]))
        return Mark::Opening;
    if (u"」』）〕】〉》］｝〙〗、。，．"_s.contains(cell[0]))
        return Mark::Closing;
    if (u"・：；"_s.contains(cell[0]))
        return Mark::MiddleDot;
    return Mark::None;
}

bool IsKana(QChar c) {
    return (c >= u'\u3041' && c <= u'\u3096') || (c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー';
}

// What is never broken between two lines: one cell, or a base with its reading.
struct Unit {
    qsizetype firstCell = 0;
    qsizetype endCell = 0;
    int reading = -1; // into the readings, or none
    qreal body = 0;   // the cells' height at the column's own size, a mark's spaces left out
    qreal before = 0; // a mark's empty part of its em above and below its glyph
    qreal after = 0;
    qreal reach = 0; // how much taller the reading is than its base
    Mark mark = Mark::None;
    bool kana = false; // one kana without a reading: a neighbour's reading may reach onto it
    QChar first;       // the field's own first and last characters
    QChar last;
};

// A mark's spaces are the half (or quarter) of its em that the rules give it, but never more
// than its glyph leaves empty: a face may draw a mark larger than half an em.
void MeasureMark(Unit& unit, const ColumnLayout& base, const ColumnCell& cell) {
    unit.mark = MarkOf(cell.text);
    if (unit.mark == Mark::None || cell.form != ColumnCell::Form::Vertical)
        return void(unit.mark = Mark::None);
    QRectF ink;
    for (qsizetype g = cell.firstGlyph; g < cell.firstGlyph + cell.glyphCount; ++g)
        ink |= base.face.boundingRect(base.glyphs[g]).translated(base.positions[g]);
    const qreal share = cell.advance * (unit.mark == Mark::MiddleDot ? 0.25 : 0.5);
    if (unit.mark != Mark::Closing)
        unit.before = std::clamp(ink.top() - cell.top, 0.0, share);
    if (unit.mark != Mark::Opening)
        unit.after = std::clamp(cell.top + cell.advance - ink.bottom(), 0.0, share);
    unit.body = cell.advance - unit.before - unit.after;
}

qreal HeightOf(const ColumnLayout& layout) {
    return layout.cells.isEmpty() ? 0 : layout.cells.last().top + layout.cells.last().advance;
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
            unit.body += base.cells[i].advance;
        if (unit.reading >= 0) {
            unit.reach = std::max(0.0, HeightOf(readings[unit.reading]) * RubySize - unit.body);
        } else if (c == unit.firstCell + 1) {
            MeasureMark(unit, base, base.cells[unit.firstCell]);
            unit.kana = IsKana(unit.first);
        }
        units.append(unit);
        position = end;
    }
    return units;
}

// How far a reading reaches above and below its base onto the kana beside it, and how much
// the base is spaced out for the rest.
struct Overhang {
    qreal before = 0;
    qreal after = 0;
    qreal extra = 0;
};

// The spaces of a line's marks that may be given up: those of marks in a row, and those of
// marks on their own; and how much of each a line keeps.
struct Squeeze {
    qreal inRuns = 1;
    qreal single = 1;
};

struct Extent {
    qreal fixed = 0; // ideographs, kana, the marks' glyphs, bases spaced out for readings
    qreal inRuns = 0;
    qreal single = 0;

    qreal Natural() const { return fixed + inRuns + single; }
    qreal With(Squeeze squeeze) const {
        return fixed + inRuns * squeeze.inRuns + single * squeeze.single;
    }
    // The least squeezing that brings the line within `room`: marks in a row first, then
    // single marks, each kind evenly. The line must fit with every space given up.
    Squeeze Into(qreal room) const {
        qreal over = Natural() - room;
        if (over <= Slack)
            return {};
        if (over <= inRuns)
            return {1 - over / inRuns, 1};
        over -= inRuns;
        return {0, single > over ? 1 - over / single : 0};
    }
};

// The units of a text and the spaces between them, summed once so that any run of units
// measures in constant time.
class Measure {
public:
    Measure(QList<Unit> units, qreal em)
        : m_units(std::move(units))
        , m_em(em) {
        const qsizetype n = m_units.size();
        m_spaces.resize(n + 1);
        if (n > 0) {
            m_spaces[0] = {m_units[0].before, InRun(0)};
            m_spaces[n] = {m_units[n - 1].after, InRun(n - 1)};
        }
        for (qsizetype u = 1; u < n; ++u) {
            const Mark above = m_units[u - 1].mark;
            const Mark below = m_units[u].mark;
            // Two marks share one space: a closing mark before another closing mark or a
            // middle dot, and an opening bracket after another, give theirs up.
            const qreal after =
                above == Mark::Closing && (below == Mark::Closing || below == Mark::MiddleDot)
                    ? 0
                    : m_units[u - 1].after;
            const qreal before =
                above == Mark::Opening && below == Mark::Opening ? 0 : m_units[u].before;
            m_spaces[u] = {std::max(after, before), after >= before ? InRun(u - 1) : InRun(u)};
        }
        m_fixed.resize(n + 1);
        m_inRuns.resize(n + 2);
        m_single.resize(n + 2);
        for (qsizetype u = 0; u < n; ++u)
            m_fixed[u + 1] = m_fixed[u] + Height(u, false, false);
        for (qsizetype k = 0; k <= n; ++k) {
            m_inRuns[k + 1] = m_inRuns[k] + (m_spaces[k].inRun ? m_spaces[k].amount : 0);
            m_single[k + 1] = m_single[k] + (m_spaces[k].inRun ? 0 : m_spaces[k].amount);
        }
    }

    qsizetype Count() const { return m_units.size(); }
    const Unit& operator[](qsizetype u) const { return m_units[u]; }

    // A reading longer than its base reaches up to half an em (one character of the
    // reading) onto a kana before and after it, never past a line's start or end, and the
    // base is spaced out evenly for what is left.
    Overhang OverhangOf(qsizetype u, bool lineStart, bool lineEnd) const {
        const Unit& unit = m_units[u];
        if (unit.reach <= 0)
            return {};
        const qreal most = m_em / 2;
        const bool above = !lineStart && u > 0 && m_units[u - 1].kana;
        const bool below = !lineEnd && u + 1 < m_units.size() && m_units[u + 1].kana;
        Overhang overhang;
        if (above)
            overhang.before = std::min(most, below ? unit.reach / 2 : unit.reach);
        if (below)
            overhang.after = std::min(most, unit.reach - overhang.before);
        if (above)
            overhang.before = std::min(most, unit.reach - overhang.after);
        overhang.extra = unit.reach - overhang.before - overhang.after;
        return overhang;
    }
    qreal Height(qsizetype u, bool lineStart, bool lineEnd) const {
        return m_units[u].body + OverhangOf(u, lineStart, lineEnd).extra;
    }

    // The space above unit u (below the last unit for u == Count()), as a line keeps it.
    qreal Space(qsizetype u, Squeeze squeeze) const {
        return m_spaces[u].amount * (m_spaces[u].inRun ? squeeze.inRuns : squeeze.single);
    }

    // The units [from, to) as one line. The space at a break between two lines is given up.
    Extent Line(qsizetype from, qsizetype to) const {
        if (from >= to)
            return {};
        const qsizetype last = to - 1;
        Extent extent;
        extent.fixed = m_fixed[to] - m_fixed[from] - Height(from, false, false) +
                       Height(from, true, last == from);
        if (last > from)
            extent.fixed += Height(last, false, true) - Height(last, false, false);
        // The spaces between the line's units, and above and below the whole text.
        const qsizetype begin = from == 0 ? 0 : from + 1;
        const qsizetype end = to == Count() ? to + 1 : to;
        if (begin < end) {
            extent.inRuns = m_inRuns[end] - m_inRuns[begin];
            extent.single = m_single[end] - m_single[begin];
        }
        return extent;
    }

private:
    struct Gap {
        qreal amount = 0;
        bool inRun = false; // beside a mark that has another mark beside it
    };

    bool InRun(qsizetype u) const {
        auto marked = [this](qsizetype v) {
            return v >= 0 && v < m_units.size() && m_units[v].mark != Mark::None;
        };
        return marked(u) && (marked(u - 1) || marked(u + 1));
    }

    QList<Unit> m_units;
    qreal m_em;
    QList<Gap> m_spaces;
    QList<qreal> m_fixed;  // m_fixed[u]: the first u units, inside a line
    QList<qreal> m_inRuns; // m_inRuns[k]: the first k spaces that are beside marks in a row
    QList<qreal> m_single;
};

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

// Rounds a number of pixels down or up, as a sum of fractions that is a whole number meant.
qreal Down(qreal pixels) {
    return std::floor(pixels + Slack);
}
qreal Up(qreal pixels) {
    return std::ceil(pixels - Slack);
}

// The scale near `scale` (rounded by `round`) at which a face of `pixels` pixels is a whole
// number of pixels: Qt sets a font's face in whole pixels, and keeps its glyphs only for a
// face it set.
qreal WholePixels(qreal pixels, qreal scale, qreal (*round)(qreal)) {
    return pixels > 0 && scale != 1 ? round(pixels * scale) / pixels : scale;
}

qreal PixelsOf(const ColumnLayout& base) {
    return base.face.isValid() ? base.face.pixelSize() : 0;
}

// Places units of a column, at any size, on any centre line.
class Placer {
public:
    Placer(const ColumnLayout& base, const QList<ColumnLayout>& readings, const Measure& measure,
           const ColumnLayout& ellipsis, StripLayout& out)
        : m_pixels(PixelsOf(base))
        , m_emptyLine{base.font, base.face, -1, {}, {}, {}}
        , m_base(base)
        , m_readings(readings)
        , m_measure(measure)
        , m_ellipsis(ellipsis)
        , m_out(out) {}

    // The units [from, to), and the ellipsis after them when asked, keeping `squeeze` of the
    // marks' spaces.
    void Line(qsizetype from, qsizetype to, bool ellipsis, qreal centre, qreal top,
              Squeeze squeeze) {
        const qreal size = m_out.size;
        const qreal rubySize = WholePixels(m_pixels, size * RubySize, Down);
        const qreal rubyCentre = centre + (size + rubySize) * m_base.fullCell / 2;
        if (m_emptyLine.fullCell != m_base.fullCell * size) {
            m_emptyLine = EmptyLike(m_base, size);
            if (!m_readings.isEmpty())
                m_emptyRuby = EmptyLike(m_base, rubySize);
        }
        ColumnLayout line = m_emptyLine;
        ColumnLayout ruby = m_emptyRuby;
        if (from < to) {
            const qsizetype firstCell = m_measure[from].firstCell;
            const ColumnCell& last = m_base.cells[m_measure[to - 1].endCell - 1];
            const qsizetype glyphs =
                last.firstGlyph + last.glyphCount - m_base.cells[firstCell].firstGlyph + 2;
            line.cells.reserve(m_measure[to - 1].endCell - firstCell + 1);
            line.glyphs.reserve(glyphs);
            line.positions.reserve(glyphs);
        }
        line.centre = centre;
        ruby.centre = rubyCentre;
        for (qsizetype u = from; u < to; ++u) {
            const Unit& unit = m_measure[u];
            if (u == 0 || u > from)
                top += m_measure.Space(u, squeeze) * size;
            if (unit.reading < 0) {
                // A mark's glyph stands where its em puts it, its spaces as the line keeps them.
                top = Place(line, m_base, m_base.cells[unit.firstCell], size, unit.body,
                            -unit.before, centre, top);
                continue;
            }
            const Overhang overhang = m_measure.OverhangOf(u, u == from, u + 1 == to);
            const qreal extra = overhang.extra / qreal(unit.endCell - unit.firstCell);
            const qreal unitTop = top;
            for (qsizetype c = unit.firstCell; c < unit.endCell; ++c) {
                const ColumnCell& cell = m_base.cells[c];
                top = Place(line, m_base, cell, size, cell.advance + extra, extra / 2, centre, top);
            }
            const ColumnLayout& reading = m_readings[unit.reading];
            const qreal above = unitTop - overhang.before * size;
            const qreal room = top + overhang.after * size - above;
            qreal readingTop = above + (room - HeightOf(reading) * rubySize) / 2;
            for (const ColumnCell& cell : reading.cells)
                readingTop =
                    Place(ruby, reading, cell, rubySize, cell.advance, 0, rubyCentre, readingTop);
        }
        if (ellipsis) {
            for (const ColumnCell& cell : m_ellipsis.cells)
                top = Place(line, m_ellipsis, cell, size, cell.advance, 0, centre, top);
        }
        m_out.pieces.append(line);
        if (!ruby.cells.isEmpty())
            m_out.pieces.append(ruby);
        ++m_out.lines;
    }

private:
    // Appends a cell of `source` scaled by `size`, `height` tall at the source's size, its
    // glyphs `shift` lower than in the source; returns the next top.
    qreal Place(ColumnLayout& target, const ColumnLayout& source, const ColumnCell& cell,
                qreal size, qreal height, qreal shift, qreal centre, qreal top) {
        auto place = [&](QPointF p) {
            return QPointF(centre + size * (p.x() - source.centre),
                           top + size * (p.y() - cell.top + shift));
        };
        ColumnCell placed = cell;
        placed.top = top;
        placed.advance = height * size;
        placed.firstGlyph = target.glyphs.size();
        for (qsizetype g = cell.firstGlyph; g < cell.firstGlyph + cell.glyphCount; ++g) {
            target.glyphs.append(source.glyphs[g]);
            target.positions.append(place(source.positions[g]));
        }
        placed.textOrigin = place(cell.textOrigin);
        target.cells.append(placed);
        const qreal width = source.fullCell * size;
        m_out.bounds |= QRectF(centre - width / 2, top, width, placed.advance);
        return top + placed.advance;
    }

    qreal m_pixels;
    // The faces of the lines and of their readings, found once for all lines.
    ColumnLayout m_emptyLine;
    ColumnLayout m_emptyRuby;
    const ColumnLayout& m_base;
    const QList<ColumnLayout>& m_readings;
    const Measure& m_measure;
    const ColumnLayout& m_ellipsis;
    StripLayout& m_out;
};

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
    const qreal cells = 2 * room / (SmallestSize * guessCell);
    qsizetype length = qsizetype(std::min(qreal(text.size()), std::max(16.0, 2 * cells + 16)));
    ColumnLayout base;
    QList<ColumnLayout> readings;
    std::optional<Measure> measured;
    qreal smallest = SmallestSize;
    for (;;) {
        const bool whole = length >= text.size();
        base = LayOutColumn(whole ? text : text.first(length), shaper, font, column.width());
        readings.clear();
        for (const RubyText::Ruby& r : ruby.rubies) {
            if (r.begin >= length)
                break;
            readings.append(LayOutColumn(r.reading, shaper, font, column.width()));
        }
        QList<Unit> units = UnitsOf(base, ruby.base, ruby, readings);
        if (!whole && !units.isEmpty())
            units.removeLast();
        measured.emplace(std::move(units), base.fullCell);
        smallest = WholePixels(PixelsOf(base), SmallestSize, Up);
        const qreal shown = std::max(room, 2 * room / smallest);
        if (whole || measured->Line(0, measured->Count()).fixed > shown)
            break;
        length = std::min(text.size(), 2 * length);
    }
    const Measure& measure = *measured;
    const qsizetype count = measure.Count();
    const Extent all = measure.Line(0, count);
    ColumnLayout ellipsis; // laid out only when needed
    Placer placer(base, readings, measure, ellipsis, out);

    if (all.fixed <= room + Slack) {
        out.stage = all.Natural() <= room + Slack ? StripLayout::Stage::Solid
                                                  : StripLayout::Stage::Squeezed;
        if (out.stage == StripLayout::Stage::Solid && ruby.rubies.isEmpty() &&
            qAbs(all.Natural() - HeightOf(base)) < Slack) {
            // Where no two marks share a space, the text is set exactly as the column sets it.
            out.bounds = QRectF(base.centre - base.fullCell / 2, 0, base.fullCell, HeightOf(base));
            out.pieces.append(std::move(base));
            out.lines = 1;
            return out;
        }
        placer.Line(0, count, false, base.centre, 0, all.Into(room));
        return out;
    }
    const qreal pixels = PixelsOf(base);
    const qreal fitting = WholePixels(pixels, room / all.fixed, Down);
    if (fitting >= smallest - Slack) {
        out.stage = StripLayout::Stage::Smaller;
        out.size = fitting;
        placer.Line(0, count, false, base.centre, 0, all.Into(room / fitting));
        return out;
    }

    // Two lines at the smallest size, as even as the line-break rules allow.
    out.size = smallest;
    const qreal capacity = room / smallest;
    auto mayBreak = [&](qsizetype b) {
        return !MayNotStartLine(measure[b].first) && !MayNotEndLine(measure[b - 1].last);
    };
    qsizetype best = -1;
    qreal unevenness = 0;
    // A break only adds to what the two lines hold.
    const qsizetype breaks = all.fixed <= 2 * capacity + Slack ? count : 0;
    for (qsizetype b = 1; b < breaks; ++b) {
        const Extent first = measure.Line(0, b);
        const Extent second = measure.Line(b, count);
        if (!mayBreak(b) || first.fixed > capacity + Slack || second.fixed > capacity + Slack)
            continue;
        const qreal difference = qAbs(first.Natural() - second.Natural());
        if (best < 0 || difference < unevenness)
            best = b, unevenness = difference;
    }
    const qreal distance = LineDistance * smallest * base.fullCell;
    const qreal right = base.centre + distance / 2;
    const qreal left = base.centre - distance / 2;
    if (best > 0) {
        out.stage = StripLayout::Stage::TwoLines;
        const Extent second = measure.Line(best, count);
        const Squeeze squeeze = second.Into(capacity);
        // The second line starts a cell lower, as a calligrapher begins it, where it has room.
        const qreal spare = room - second.With(squeeze) * smallest;
        const qreal indent = std::clamp(spare, 0.0, base.fullCell * smallest);
        placer.Line(0, best, false, right, 0, measure.Line(0, best).Into(capacity));
        placer.Line(best, count, false, left, indent, squeeze);
        return out;
    }

    // Even two lines cannot hold it: the second ends in "…" and the rest is left out.
    out.stage = StripLayout::Stage::Cut;
    qsizetype first = 0;
    for (qsizetype b = 1; b < count && measure.Line(0, b).fixed <= capacity + Slack; ++b)
        if (mayBreak(b) || first == 0)
            first = b;
    ellipsis = LayOutColumn(u"…"_s, shaper, font, column.width());
    const qreal ellipsisHeight = HeightOf(ellipsis);
    qsizetype second = first;
    while (second < count &&
           measure.Line(first, second + 1).fixed + ellipsisHeight <= capacity + Slack)
        ++second;
    placer.Line(0, first, false, right, 0, measure.Line(0, first).Into(capacity));
    placer.Line(first, second, true, left, 0,
                measure.Line(first, second).Into(capacity - ellipsisHeight));
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
    // for the thickening of a bold face.
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
