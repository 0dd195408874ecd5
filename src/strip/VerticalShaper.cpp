// SPDX-License-Identifier: GPL-3.0-or-later
#include "strip/VerticalShaper.h"

#include <QFontDatabase>
#include <QHash>
#include <QtEndian>

#include <hb-ot.h>
#include <hb.h>

#include <algorithm>
#include <cstddef>
#include <memory>

namespace yomiwa::strip {

namespace {

// What the table callback reads from: the face, and whether HarfBuzz is to see its outline
// tables (otherwise it is given the extents of the glyphs it asks for).
struct Tables {
    QRawFont face;
    bool outlines;
};

bool IsOutlineTable(hb_tag_t tag) {
    return tag == HB_TAG('g', 'l', 'y', 'f') || tag == HB_TAG('C', 'F', 'F', ' ') ||
           tag == HB_TAG('C', 'F', 'F', '2');
}

// HarfBuzz asks for one table at a time and keeps each for the life of its face.
hb_blob_t* ReferenceTable(hb_face_t*, hb_tag_t tag, void* userData) {
    const auto* tables = static_cast<const Tables*>(userData);
    if (!tables->outlines && IsOutlineTable(tag))
        return hb_blob_get_empty();
    char name[5] = {};
    hb_tag_to_string(tag, name);
    auto table = std::make_unique<QByteArray>(tables->face.fontTable(name));
    if (table->isEmpty())
        return hb_blob_get_empty();
    const char* data = table->constData();
    const auto length = static_cast<unsigned int>(table->size());
    return hb_blob_create(data, length, HB_MEMORY_MODE_READONLY, table.release(), [](void* bytes) {
        std::unique_ptr<QByteArray>(static_cast<QByteArray*>(bytes));
    });
}

void ReleaseTables(void* tables) {
    std::unique_ptr<Tables>(static_cast<Tables*>(tables));
}

} // namespace

QRawFont DesignOutlines(const QRawFont& face) {
    QFont plain(face.familyName());
    plain.setStyleName(face.styleName());
    plain.setPixelSize(int(face.unitsPerEm()));
    plain.setHintingPreference(QFont::PreferNoHinting);
    plain.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont outlines = QRawFont::fromFont(plain, QFontDatabase::Japanese);
    if (!outlines.isValid() || outlines.pixelSize() != face.unitsPerEm() ||
        outlines.fontTable("head") != face.fontTable("head"))
        return QRawFont();
    return outlines;
}

// The glyph extents and vertical metrics HarfBuzz needs to place vertical glyphs, for a
// face whose outline tables it is not given. Font units throughout (the HarfBuzz font is
// scaled to one unit per unit).
struct VerticalShaper::GlyphBoxes {
    QRawFont outlines;
    QByteArray vmtx;
    quint32 longMetrics = 0;
    quint32 bearings = 0;
    bool hasOrigins = false;
    QHash<quint32, hb_glyph_extents_t> extents;

    bool Extents(quint32 glyph, hb_glyph_extents_t* out) {
        auto known = extents.constFind(glyph);
        if (known == extents.constEnd()) {
            const QRectF box = outlines.boundingRect(glyph);
            // HarfBuzz measures y upwards from the baseline.
            known = extents.insert(glyph, {qRound(box.left()), qRound(-box.top()),
                                           qRound(box.width()), qRound(-box.height())});
        }
        *out = *known;
        return true;
    }

    // The top side bearing of the vertical metrics, as HarfBuzz reads it.
    bool TopSideBearing(quint32 glyph, int* tsb) const {
        const char* data = vmtx.constData();
        if (glyph < longMetrics)
            *tsb = qFromBigEndian<qint16>(data + std::size_t{glyph} * 4 + 2);
        else if (glyph < bearings)
            *tsb = qFromBigEndian<qint16>(data + std::size_t{longMetrics} * 4 +
                                          std::size_t{glyph - longMetrics} * 2);
        else
            return false;
        return true;
    }
};

namespace {

using GlyphBoxes = VerticalShaper::GlyphBoxes;

hb_bool_t GlyphExtents(hb_font_t*, void* boxes, hb_codepoint_t glyph, hb_glyph_extents_t* extents,
                       void*) {
    return static_cast<GlyphBoxes*>(boxes)->Extents(glyph, extents);
}

// HarfBuzz's own rule for faces without vertical origins of their own: the top of the
// glyph's extents plus its top side bearing, or the extents centred on the face's height.
hb_bool_t VerticalOrigin(hb_font_t* font, void* data, hb_codepoint_t glyph, hb_position_t* x,
                         hb_position_t* y, void*) {
    auto* boxes = static_cast<GlyphBoxes*>(data);
    hb_font_t* parent = hb_font_get_parent(font);
    if (boxes->hasOrigins)
        return hb_font_get_glyph_v_origin(parent, glyph, x, y);
    *x = hb_font_get_glyph_h_advance(parent, glyph) / 2;
    hb_font_extents_t face{};
    hb_font_get_h_extents(parent, &face);
    hb_glyph_extents_t extents{};
    boxes->Extents(glyph, &extents);
    int tsb = 0;
    if (boxes->TopSideBearing(glyph, &tsb)) {
        *y = extents.y_bearing + tsb;
    } else {
        const hb_position_t height = face.ascender - face.descender;
        *y = extents.y_bearing + ((height + extents.height) >> 1);
    }
    return true;
}

} // namespace

VerticalShaper::VerticalShaper(const QFont& font, Outlines outlines)
    : m_face(QRawFont::fromFont(font, QFontDatabase::Japanese)) {
    if (!m_face.isValid() || m_face.pixelSize() <= 0)
        return;
    if (outlines == Outlines::FromQt) {
        auto boxes = std::make_unique<GlyphBoxes>();
        boxes->outlines = DesignOutlines(m_face);
        if (boxes->outlines.isValid()) {
            const QByteArray vhea = m_face.fontTable("vhea");
            boxes->vmtx = m_face.fontTable("vmtx");
            if (vhea.size() >= 36) {
                const auto size = quint32(boxes->vmtx.size());
                boxes->longMetrics =
                    std::min<quint32>(qFromBigEndian<quint16>(vhea.constData() + 34), size / 4);
                boxes->bearings = boxes->longMetrics + (size - boxes->longMetrics * 4) / 2;
            }
            boxes->hasOrigins = !m_face.fontTable("VORG").isEmpty();
            m_boxes = std::move(boxes);
        }
    }

    auto tables = std::make_unique<Tables>(Tables{m_face, m_boxes == nullptr});
    m_hbFace = hb_face_create_for_tables(ReferenceTable, tables.release(), ReleaseTables);
    const unsigned int unitsPerEm = hb_face_get_upem(m_hbFace);
    if (unitsPerEm == 0 || hb_face_get_glyph_count(m_hbFace) == 0) {
        hb_face_destroy(m_hbFace);
        m_hbFace = nullptr;
        return;
    }
    // Positions come in font units and are scaled here, so no rounding happens inside
    // HarfBuzz and an advance is exactly the face's own.
    hb_font_t* face = hb_font_create(m_hbFace);
    hb_font_set_scale(face, int(unitsPerEm), int(unitsPerEm));
    if (m_boxes) {
        m_font = hb_font_create_sub_font(face);
        hb_font_funcs_t* funcs = hb_font_funcs_create();
        hb_font_funcs_set_glyph_extents_func(funcs, GlyphExtents, nullptr, nullptr);
        hb_font_funcs_set_glyph_v_origin_func(funcs, VerticalOrigin, nullptr, nullptr);
        hb_font_funcs_make_immutable(funcs);
        hb_font_set_funcs(m_font, funcs, m_boxes.get(), nullptr);
        hb_font_funcs_destroy(funcs);
        hb_font_destroy(face);
    } else {
        m_font = face;
    }
    m_scale = m_face.pixelSize() / qreal(unitsPerEm);

    hb_font_extents_t extents{};
    hb_font_get_h_extents(m_font, &extents);
    m_ascent = extents.ascender * m_scale;
    m_descent = -extents.descender * m_scale;

    m_fullCell = m_face.pixelSize();
    hb_codepoint_t water = 0;
    if (hb_font_get_nominal_glyph(m_font, 0x6C34, &water)) {
        const hb_position_t advance = hb_font_get_glyph_v_advance(m_font, water);
        if (advance != 0)
            m_fullCell = -advance * m_scale;
    }
}

VerticalShaper::~VerticalShaper() {
    if (m_font)
        hb_font_destroy(m_font);
    if (m_hbFace)
        hb_face_destroy(m_hbFace);
}

QList<VerticalShaper::Glyph> VerticalShaper::ShapeVertical(const QString& text,
                                                           const QList<qsizetype>& upright) const {
    return Shape(text, true, upright);
}

QList<VerticalShaper::Glyph> VerticalShaper::ShapeHorizontal(const QString& text) const {
    return Shape(text, false, {});
}

qreal VerticalShaper::HorizontalAdvance(quint32 glyph) const {
    return m_font ? hb_font_get_glyph_h_advance(m_font, glyph) * m_scale : 0;
}

namespace {

using Glyph = VerticalShaper::Glyph;

// Shapes text[from, to) with the characters around it as context, and appends its glyphs
// with their clusters as positions in the whole text. Without `properties` the script is
// guessed from the range; they are the properties the range was shaped with.
hb_segment_properties_t AppendShaped(hb_font_t* font, qreal scale, hb_buffer_t* buffer,
                                     const QString& text, qsizetype from, qsizetype to,
                                     bool vertical, const hb_segment_properties_t* properties,
                                     const hb_feature_t* features, unsigned int featureCount,
                                     QList<Glyph>& out) {
    hb_buffer_clear_contents(buffer);
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.utf16()), int(text.size()),
                        static_cast<unsigned int>(from), int(to - from));
    if (properties) {
        hb_buffer_set_segment_properties(buffer, properties);
    } else {
        hb_buffer_set_direction(buffer, vertical ? HB_DIRECTION_TTB : HB_DIRECTION_LTR);
        hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
        hb_buffer_guess_segment_properties(buffer);
    }
    hb_segment_properties_t used{};
    hb_buffer_get_segment_properties(buffer, &used);
    hb_shape(font, buffer, features, featureCount);

    unsigned int count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    // Only the first range may size the list: growing it by each range's glyphs alone would
    // copy the list once per range.
    if (out.isEmpty())
        out.reserve(count);
    for (unsigned int i = 0; i < count; ++i) {
        // HarfBuzz measures y upwards; the painter measures it downwards.
        out.append({infos[i].codepoint, qsizetype(infos[i].cluster),
                    QPointF(positions[i].x_offset * scale, -positions[i].y_offset * scale),
                    QPointF(positions[i].x_advance * scale, -positions[i].y_advance * scale)});
    }
    return used;
}

// HarfBuzz attaches each combining mark by looking back over the marks before it for their
// base, so with a face that places marks (Noto's does) a run of thousands of marks costs the
// square of its length. As the stream-safe text format does, a run is cut after every 30
// marks: the text is shaped in parts that end there, each with the text around it as context.
QList<qsizetype> PartEnds(const QString& text) {
    QList<qsizetype> ends;
    qsizetype marks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar::Category category = text[i].category();
        const bool mark = category == QChar::Mark_NonSpacing ||
                          category == QChar::Mark_SpacingCombining ||
                          category == QChar::Mark_Enclosing;
        marks = mark ? marks + 1 : 0;
        if (marks == 30) {
            ends.append(i + 1);
            marks = 0;
        }
    }
    if (ends.isEmpty() || ends.last() < text.size())
        ends.append(text.size());
    return ends;
}

} // namespace

QList<VerticalShaper::Glyph> VerticalShaper::Shape(const QString& text, bool vertical,
                                                   const QList<qsizetype>& upright) const {
    QList<Glyph> shaped;
    if (!m_font || text.isEmpty())
        return shaped;
    const std::unique_ptr<hb_buffer_t, void (*)(hb_buffer_t*)> buffer(hb_buffer_create(),
                                                                      hb_buffer_destroy);
    hb_segment_properties_t properties{};
    qsizetype from = 0;
    for (const qsizetype to : PartEnds(text)) {
        properties = AppendShaped(m_font, m_scale, buffer.get(), text, from, to, vertical,
                                  from == 0 ? nullptr : &properties, nullptr, 0, shaped);
        from = to;
    }
    if (upright.isEmpty())
        return shaped;

    // A feature given for a range of characters costs HarfBuzz a pass over the whole text,
    // so a feature per upright character would make the work grow with the square of the
    // length. Instead the runs of upright characters (with whatever HarfBuzz clustered with
    // them) are shaped again on their own with the vertical forms off for the whole run,
    // and take the place of their glyphs from the first pass.
    QList<bool> isUpright(text.size(), false);
    for (qsizetype position : upright)
        if (position >= 0 && position < text.size())
            isUpright[position] = true;
    static const hb_feature_t verticalFormsOff[] = {
        {HB_TAG('v', 'e', 'r', 't'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
        {HB_TAG('v', 'r', 't', '2'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    };
    QList<Glyph> glyphs;
    glyphs.reserve(shaped.size());
    qsizetype g = 0;
    while (g < shaped.size()) {
        if (!isUpright[shaped[g].cluster]) {
            glyphs.append(shaped[g++]);
            continue;
        }
        qsizetype end = g;
        while (end < shaped.size() && isUpright[shaped[end].cluster])
            ++end;
        const qsizetype to = end < shaped.size() ? shaped[end].cluster : text.size();
        AppendShaped(m_font, m_scale, buffer.get(), text, shaped[g].cluster, to, vertical,
                     &properties, verticalFormsOff, 2, glyphs);
        g = end;
    }
    return glyphs;
}

} // namespace yomiwa::strip
