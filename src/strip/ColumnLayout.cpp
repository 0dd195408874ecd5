// SPDX-License-Identifier: GPL-3.0-or-later
#include "strip/ColumnLayout.h"

#include "strip/VerticalShaper.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace yomiwa::strip {

namespace {

using Glyph = VerticalShaper::Glyph;

bool IsHalfWidthDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Half-width Latin letters, digits and signs, and the full-width vertical line, stand in
// their ordinary upright form. A face's vertical metrics are not made for these forms, so
// they are centred in their cell here: the vertical line then fills its cell from top to
// bottom and joins the next one into one stroke.
bool StandsUpright(const QString& text) {
    return text.size() == 1 && ((text[0] >= u' ' && text[0] <= u'~') || text[0] == u'｜');
}

// For every position: whether a run of exactly two half-width digits starts there.
QList<bool> SideBySidePairs(const QString& text) {
    QList<bool> pairs(text.size(), false);
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && IsHalfWidthDigit(text[end]))
            ++end;
        if (end - i == 2)
            pairs[i] = true;
        i = std::max(end, i + 1);
    }
    return pairs;
}

// The glyphs of one character and its marks, as HarfBuzz grouped them.
struct Cluster {
    qsizetype firstGlyph;
    qsizetype endGlyph;
    qsizetype textBegin;
    qsizetype textEnd;
};

QList<Cluster> ClustersOf(const QList<Glyph>& shaped, qsizetype textSize) {
    QList<Cluster> clusters;
    qsizetype g = 0;
    while (g < shaped.size()) {
        qsizetype end = g;
        while (end < shaped.size() && shaped[end].cluster == shaped[g].cluster)
            ++end;
        const qsizetype textEnd = end < shaped.size() ? shaped[end].cluster : textSize;
        clusters.append({g, end, shaped[g].cluster, textEnd});
        g = end;
    }
    return clusters;
}

qreal VerticalAdvance(const QList<Glyph>& shaped, const Cluster& cluster) {
    qreal advance = 0;
    for (qsizetype g = cluster.firstGlyph; g < cluster.endGlyph; ++g)
        advance += shaped[g].advance.y();
    return advance;
}

bool LacksGlyph(const QList<Glyph>& shaped, const Cluster& cluster) {
    for (qsizetype g = cluster.firstGlyph; g < cluster.endGlyph; ++g)
        if (shaped[g].index == 0)
            return true;
    return false;
}

// Without a face for Japanese text every character is left to Qt, one under the other.
ColumnLayout LayOutWithoutFace(const QString& text, const QFont& font, qreal width) {
    ColumnLayout layout{font, QRawFont(), 0, {}, {}, {}};
    const QFontMetricsF metrics(font);
    layout.fullCell = metrics.height();
    layout.centre = width / 2;
    qreal top = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        ColumnCell cell;
        cell.text = text.sliced(i, length);
        cell.form = ColumnCell::Form::Fallback;
        cell.top = top;
        cell.advance = layout.fullCell;
        cell.textOrigin =
            QPointF((width - metrics.horizontalAdvance(cell.text)) / 2, top + metrics.ascent());
        layout.cells.append(cell);
        top += cell.advance;
        i += length - 1;
    }
    return layout;
}

class CellBuilder {
public:
    CellBuilder(const VerticalShaper& shaper, ColumnLayout& layout, qreal width)
        : m_shaper(shaper)
        , m_layout(layout)
        , m_metrics(layout.font)
        // The full-width cells sit on whole pixels from the column's left edge, as even
        // as the width allows.
        , m_centre(std::floor((width - layout.fullCell) / 2) + layout.fullCell / 2) {}

    qreal Centre() const { return m_centre; }

    void Vertical(ColumnCell cell, const QList<Glyph>& shaped, const Cluster& cluster) {
        QPointF pen(m_centre, cell.top);
        for (qsizetype g = cluster.firstGlyph; g < cluster.endGlyph; ++g) {
            Add(shaped[g].index, pen + shaped[g].offset);
            pen += shaped[g].advance;
        }
        Finish(cell);
    }

    void Upright(ColumnCell cell, quint32 glyph) {
        Add(glyph, QPointF(m_centre - m_shaper.HorizontalAdvance(glyph) / 2, Baseline(cell)));
        Finish(cell);
    }

    void SideBySide(ColumnCell cell) {
        const QList<Glyph> pair = m_shaper.ShapeHorizontal(cell.text);
        qreal total = 0;
        for (const Glyph& glyph : pair)
            total += glyph.advance.x();
        QPointF pen(m_centre - total / 2, Baseline(cell));
        for (const Glyph& glyph : pair) {
            Add(glyph.index, pen + glyph.offset);
            pen += glyph.advance;
        }
        Finish(cell);
    }

    void Fallback(ColumnCell cell) {
        cell.textOrigin =
            QPointF(m_centre - m_metrics.horizontalAdvance(cell.text) / 2, Baseline(cell));
        Finish(cell);
    }

private:
    // The baseline that centres the face's ascent and descent in the cell.
    qreal Baseline(const ColumnCell& cell) const {
        return cell.top + (cell.advance - (m_shaper.Ascent() + m_shaper.Descent())) / 2 +
               m_shaper.Ascent();
    }

    void Add(quint32 glyph, QPointF position) {
        m_layout.glyphs.append(glyph);
        m_layout.positions.append(position);
    }

    void Finish(ColumnCell& cell) {
        cell.glyphCount = m_layout.glyphs.size() - cell.firstGlyph;
        m_layout.cells.append(cell);
    }

    const VerticalShaper& m_shaper;
    ColumnLayout& m_layout;
    QFontMetricsF m_metrics;
    qreal m_centre;
};

} // namespace

QList<quint32> ColumnLayout::GlyphsOf(const ColumnCell& cell) const {
    return glyphs.sliced(cell.firstGlyph, cell.glyphCount);
}

QList<QPointF> ColumnLayout::PositionsOf(const ColumnCell& cell) const {
    return positions.sliced(cell.firstGlyph, cell.glyphCount);
}

ColumnLayout LayOutColumn(const QString& text, const VerticalShaper& shaper, const QFont& font,
                          qreal width) {
    if (!shaper.IsValid())
        return LayOutWithoutFace(text, font, width);
    ColumnLayout layout{font, shaper.Face(), shaper.FullCell(), {}, {}, {}};

    // The full-width vertical line keeps its upright form: it is how a long-vowel mark
    // reaches the column and must read as a vertical stroke, which its vertical form, lying
    // on its side, would not.
    QList<qsizetype> upright;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'｜')
            upright.append(i);
    const QList<Glyph> shaped = shaper.ShapeVertical(text, upright);
    const QList<Cluster> clusters = ClustersOf(shaped, text.size());
    const QList<bool> pairs = SideBySidePairs(text);
    layout.cells.reserve(clusters.size());
    layout.glyphs.reserve(shaped.size());
    layout.positions.reserve(shaped.size());

    CellBuilder builder(shaper, layout, width);
    layout.centre = builder.Centre();
    qreal top = 0;
    for (qsizetype c = 0; c < clusters.size(); ++c) {
        const Cluster& cluster = clusters[c];
        ColumnCell cell;
        cell.top = top;
        cell.firstGlyph = layout.glyphs.size();
        cell.advance = VerticalAdvance(shaped, cluster);
        const bool pairStarts =
            pairs[cluster.textBegin] && cluster.textEnd == cluster.textBegin + 1 &&
            c + 1 < clusters.size() && clusters[c + 1].textEnd == cluster.textBegin + 2;
        bool lacksGlyph = LacksGlyph(shaped, cluster);
        if (pairStarts) {
            const Cluster& second = clusters[++c];
            cell.text = text.sliced(cluster.textBegin, 2);
            cell.form = ColumnCell::Form::SideBySide;
            cell.advance = std::max(cell.advance, VerticalAdvance(shaped, second));
            lacksGlyph = lacksGlyph || LacksGlyph(shaped, second);
        } else {
            cell.text = text.sliced(cluster.textBegin, cluster.textEnd - cluster.textBegin);
        }
        if (cell.advance <= 0)
            cell.advance = layout.fullCell;

        if (lacksGlyph) {
            cell.form = ColumnCell::Form::Fallback;
            builder.Fallback(cell);
        } else if (pairStarts) {
            builder.SideBySide(cell);
        } else if (StandsUpright(cell.text) && cluster.endGlyph - cluster.firstGlyph == 1) {
            cell.form = ColumnCell::Form::Upright;
            builder.Upright(cell, shaped[cluster.firstGlyph].index);
        } else {
            builder.Vertical(cell, shaped, cluster);
        }
        top += cell.advance;
    }
    return layout;
}

ColumnLayout LayOutColumn(const QString& text, const QFont& font, qreal width) {
    const VerticalShaper shaper(font);
    return LayOutColumn(text, shaper, font, width);
}

namespace {

// The glyph rasteriser thickens a bold font whose face has no bold of its own by a
// twenty-fourth of its em, but only for glyphs it rasterises itself: unscaled on an image or
// the screen. Scaled, or into a PDF, such glyphs are drawn as outlines that nothing thickens.
bool NeedsOutlineBold(QPainter& painter, const ColumnLayout& layout) {
    if (!layout.font.bold() || layout.face.styleName().contains(u"Bold", Qt::CaseInsensitive))
        return false;
    const QPaintEngine* engine = painter.paintEngine();
    const bool rasterised = engine && engine->type() == QPaintEngine::Raster &&
                            painter.deviceTransform().type() <= QTransform::TxTranslate;
    return !rasterised;
}

// Thickens as the rasteriser does: the column's outlines filled once and stroked once with a
// pen of the rasteriser's width (half of it on either side of each outline), so no glyph is
// drawn twice and the text is in the drawing once.
void DrawOutlineBold(QPainter& painter, const ColumnLayout& layout, qsizetype glyphs,
                     const QList<const ColumnCell*>& fallback) {
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    const QRawFont design = DesignOutlines(layout.face);
    const QRawFont& source = design.isValid() ? design : layout.face;
    const qreal scale = layout.face.pixelSize() / source.pixelSize();
    for (qsizetype g = 0; g < glyphs; ++g) {
        const QTransform place =
            QTransform::fromTranslate(layout.positions[g].x(), layout.positions[g].y())
                .scale(scale, scale);
        outline.addPath(place.map(source.pathForGlyph(layout.glyphs[g])));
    }
    for (const ColumnCell* cell : fallback)
        outline.addText(cell->textOrigin, layout.font, cell->text);
    const qreal em = layout.face.isValid() ? layout.face.pixelSize() : layout.fullCell;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = painter.pen().color();
    painter.setPen(QPen(colour, em / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(outline);
    painter.restore();
}

} // namespace

void DrawColumn(QPainter& painter, const ColumnLayout& layout, qreal bottom) {
    // The cells are in reading order, so the glyphs to draw are the first ones.
    qsizetype shown = 0;
    QList<const ColumnCell*> fallback;
    for (const ColumnCell& cell : layout.cells) {
        if (cell.top >= bottom)
            break;
        shown = cell.firstGlyph + cell.glyphCount;
        if (cell.form == ColumnCell::Form::Fallback)
            fallback.append(&cell);
    }
    if (NeedsOutlineBold(painter, layout)) {
        if (shown > 0 || !fallback.isEmpty())
            DrawOutlineBold(painter, layout, shown, fallback);
        return;
    }
    if (shown > 0) {
        QGlyphRun run;
        run.setRawFont(layout.face);
        run.setRawData(layout.glyphs.constData(), layout.positions.constData(), int(shown));
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    if (fallback.isEmpty())
        return;
    painter.setFont(layout.font);
    for (const ColumnCell* cell : fallback)
        painter.drawText(cell->textOrigin, cell->text);
}

} // namespace yomiwa::strip
