// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <memory>

struct hb_face_t;
struct hb_font_t;

namespace yomiwa::strip {

// HarfBuzz over the face Qt chose for Japanese text in a font: the face's tables are read
// through QRawFont, so whatever Qt found (a single font file or one face of a collection)
// is what gets shaped and drawn. A strip column keeps its shaper until its font changes.
class VerticalShaper {
public:
    // Where HarfBuzz finds the glyph outlines it places vertical glyphs by (their extents
    // with the vertical metrics give each glyph's vertical origin). A face's outline table
    // is megabytes that QRawFont can only hand over as a copy, so by default the extents
    // of the few glyphs shaped come from Qt's own outlines of the same face instead;
    // FromTables hands HarfBuzz the whole table, as a reference.
    enum class Outlines { FromQt, FromTables };

    explicit VerticalShaper(const QFont& font, Outlines outlines = Outlines::FromQt);
    ~VerticalShaper();
    VerticalShaper(const VerticalShaper&) = delete;
    VerticalShaper& operator=(const VerticalShaper&) = delete;

    // False when Qt has no face for Japanese text at all; nothing can be shaped then.
    bool IsValid() const { return m_font != nullptr; }
    const QRawFont& Face() const { return m_face; }

    // One shaped glyph in pixels, y growing downwards. The offset is from the pen to the
    // glyph's baseline origin; the advance moves the pen.
    struct Glyph {
        quint32 index = 0;
        qsizetype cluster = 0; // the UTF-16 position of the first character it comes from
        QPointF offset;
        QPointF advance;
    };

    // Top to bottom with the face's vertical forms and metrics; the characters at the
    // positions in `upright` keep their ordinary form.
    QList<Glyph> ShapeVertical(const QString& text, const QList<qsizetype>& upright) const;
    // Left to right, for characters set side by side.
    QList<Glyph> ShapeHorizontal(const QString& text) const;

    // The horizontal advance of one glyph, in pixels.
    qreal HorizontalAdvance(quint32 glyph) const;

    // The face's horizontal ascent and descent (both positive), in pixels.
    qreal Ascent() const { return m_ascent; }
    qreal Descent() const { return m_descent; }
    // The vertical advance of the face's full-width ideograph 水, or its em when it has none.
    qreal FullCell() const { return m_fullCell; }

    // What HarfBuzz asks about glyph outlines, answered from Qt's outlines of the face.
    struct GlyphBoxes;

private:
    QList<Glyph> Shape(const QString& text, bool vertical, const QList<qsizetype>& upright) const;

    QRawFont m_face;
    std::unique_ptr<GlyphBoxes> m_boxes;
    hb_face_t* m_hbFace = nullptr;
    hb_font_t* m_font = nullptr;
    qreal m_scale = 1; // pixels per font unit
    qreal m_ascent = 0;
    qreal m_descent = 0;
    qreal m_fullCell = 0;
};

// The same face at its design size (a pixel per font unit), without hinting or synthetic
// bold, so that its outlines' extents are the face's own numbers. Invalid when Qt gives a
// different face for it.
QRawFont DesignOutlines(const QRawFont& face);

} // namespace yomiwa::strip
