#include "ColourValues.h"
#include "ColumnLayout.h"
#include "Faces.h"
#include "Shapes.h"
#include "StripColumn.h"
#include "Twips.h"
#include "VerticalShaper.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

using Form = ColumnCell::Form;

// The faces and sizes of the viewer's verse and preface columns.
struct FaceCase {
    const char* family;
    Face face;
    qreal points;
    bool bold;
    int widthTwips;
};

void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.family << " " << c.points << "pt";
}

// The face's own vertical advance for a glyph, read from its vertical metrics tables.
qreal VmtxAdvance(const QRawFont& face, quint32 glyph) {
    const QByteArray vhea = face.fontTable("vhea");
    const QByteArray vmtx = face.fontTable("vmtx");
    if (vhea.size() < 36 || vmtx.isEmpty())
        return -1;
    const quint16 longMetrics = qFromBigEndian<quint16>(vhea.constData() + 34);
    const quint32 entry = std::min<quint32>(glyph, longMetrics - 1u);
    const quint16 units = qFromBigEndian<quint16>(vmtx.constData() + entry * 4);
    return units * face.pixelSize() / face.unitsPerEm();
}

quint32 HorizontalGlyph(const QRawFont& face, const QString& character) {
    const QList<quint32> glyphs = face.glyphIndexesForString(character);
    return glyphs.isEmpty() ? 0 : glyphs.first();
}

const QColor Paper(0xFF, 0xFF, 0xC0);

// The layout painted in black on paper, with `margin` pixels of paper all round the column.
QImage Paint(const ColumnLayout& layout, int width, int height, int margin) {
    QImage image(width + 2 * margin, height + 2 * margin, QImage::Format_ARGB32);
    image.fill(Paper);
    QPainter painter(&image);
    painter.translate(margin, margin);
    painter.setPen(Qt::black);
    DrawColumn(painter, layout, height);
    return image;
}

// The smallest rectangle holding every pixel that is not `paper`; empty when there is none.
QRect InkBox(const QImage& image, const QColor& paper) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != paper)
                box |= QRect(x, y, 1, 1);
    return box;
}

class VerticalColumn : public ::testing::TestWithParam<FaceCase> {
protected:
    void SetUp() override {
        font = MakeFont(GetParam().face, GetParam().points, GetParam().bold);
        width = Px(GetParam().widthTwips);
        shaper.emplace(font);
        ASSERT_TRUE(shaper->IsValid());
        ASSERT_EQ(shaper->Face().familyName(), QString::fromLatin1(GetParam().family));
    }

    ColumnLayout LayOut(const QString& text) const {
        return LayOutColumn(text, *shaper, font, width);
    }

    QFont font;
    int width = 0;
    std::optional<VerticalShaper> shaper;
};

TEST_P(VerticalColumn, TurnsWhatVerticalTextTurnsAndKeepsTheVerticalLineUpright) {
    const QRawFont& face = shaper->Face();
    for (const QString& character :
         {u"ー"_s, u"「"_s, u"」"_s, u"『"_s, u"』"_s, u"（"_s, u"）"_s, u"〔"_s, u"〕"_s, u"〜"_s,
          u"…"_s, u"、"_s, u"。"_s, u"ゃ"_s, u"ゅ"_s, u"ょ"_s, u"っ"_s, u"ァ"_s, u"ィ"_s}) {
        const ColumnLayout layout = LayOut(character);
        ASSERT_EQ(layout.cells.size(), 1) << character.toStdString();
        EXPECT_EQ(layout.cells[0].form, Form::Vertical);
        ASSERT_EQ(layout.GlyphsOf(layout.cells[0]).size(), 1);
        EXPECT_NE(layout.GlyphsOf(layout.cells[0])[0], HorizontalGlyph(face, character))
            << character.toStdString();
    }

    // The vertical line keeps its own glyph even among turned characters, while the
    // long-vowel mark beside it turns.
    const ColumnLayout line = LayOut(u"ー｜「｜"_s);
    ASSERT_EQ(line.cells.size(), 4);
    const quint32 upright = HorizontalGlyph(face, u"｜"_s);
    EXPECT_EQ(line.GlyphsOf(line.cells[1]), QList<quint32>{upright});
    EXPECT_EQ(line.GlyphsOf(line.cells[3]), QList<quint32>{upright});
    EXPECT_NE(line.GlyphsOf(line.cells[0])[0], HorizontalGlyph(face, u"ー"_s));
    EXPECT_NE(line.GlyphsOf(line.cells[2])[0], HorizontalGlyph(face, u"「"_s));

    // Text that begins in Latin letters or digits turns its brackets all the same.
    for (const QString& text : {u"AB「"_s, u"12「"_s, u" 「"_s}) {
        const ColumnLayout layout = LayOut(text);
        EXPECT_NE(layout.glyphs.last(), HorizontalGlyph(face, u"「"_s)) << text.toStdString();
    }

    // 、 and 。 sit in the upper right quarter of their cell.
    for (const QString& mark : {u"、"_s, u"。"_s}) {
        const ColumnLayout layout = LayOut(mark);
        const QRectF ink = face.boundingRect(layout.glyphs[0]).translated(layout.positions[0]);
        EXPECT_GT(ink.center().x(), width / 2.0) << mark.toStdString();
        EXPECT_LT(ink.center().y(), layout.cells[0].advance / 2) << mark.toStdString();
    }
}

TEST_P(VerticalColumn, PlacesGlyphsAsHarfBuzzDoesWithTheWholeFace) {
    // The outline extents Qt gives stand in for the face's outline tables: every glyph
    // lands where HarfBuzz puts it when it reads those tables itself.
    const VerticalShaper reference(font, VerticalShaper::Outlines::FromTables);
    const QString text =
        u"「古池や」ー｜、。ゃゅょっァィ『』（）〔〕〜…12月ABC gjy水か\u3099せ\u309A"_s;
    QList<qsizetype> upright{text.indexOf(u'｜')};
    const QList<VerticalShaper::Glyph> ours = shaper->ShapeVertical(text, upright);
    const QList<VerticalShaper::Glyph> theirs = reference.ShapeVertical(text, upright);
    ASSERT_EQ(ours.size(), theirs.size());
    for (qsizetype i = 0; i < ours.size(); ++i) {
        EXPECT_EQ(ours[i].index, theirs[i].index) << i;
        EXPECT_EQ(ours[i].cluster, theirs[i].cluster) << i;
        EXPECT_EQ(ours[i].offset, theirs[i].offset)
            << i << " " << text.sliced(ours[i].cluster, 1).toStdString();
        EXPECT_EQ(ours[i].advance, theirs[i].advance) << i;
    }
    EXPECT_DOUBLE_EQ(shaper->FullCell(), reference.FullCell());
}

TEST_P(VerticalColumn, EveryCellAdvancesByTheFacesVerticalAdvance) {
    const QRawFont& face = shaper->Face();
    const ColumnLayout layout = LayOut(u"「古池や」｜、。ゃ12月ABC 2024年…g"_s);
    ASSERT_EQ(layout.cells.size(), 22);
    qreal top = 0;
    for (const ColumnCell& cell : layout.cells) {
        EXPECT_DOUBLE_EQ(cell.top, top) << cell.text.toStdString();
        qreal expected = 0;
        for (quint32 glyph : layout.GlyphsOf(cell))
            expected = cell.form == Form::SideBySide ? std::max(expected, VmtxAdvance(face, glyph))
                                                     : expected + VmtxAdvance(face, glyph);
        EXPECT_GT(expected, 0) << cell.text.toStdString();
        EXPECT_DOUBLE_EQ(cell.advance, expected) << cell.text.toStdString();
        top += cell.advance;
    }
    EXPECT_DOUBLE_EQ(layout.fullCell, VmtxAdvance(face, HorizontalGlyph(face, u"水"_s)));
}

TEST_P(VerticalColumn, EveryGlyphsInkStaysInsideTheColumnAndItsCell) {
    const QString text = u"「古池や」｜、。ゃゅょっァィ『』（）〔〕〜…12月ABCgjy2024年水"_s;
    const ColumnLayout layout = LayOut(text);
    const ColumnCell& last = layout.cells.last();
    const int height = qCeil(last.top + last.advance);
    constexpr int Margin = 20;
    const QRect ink = InkBox(Paint(layout, width, height, Margin), Paper);
    EXPECT_TRUE(QRect(Margin, Margin, width, height).contains(ink)) << ink.x() << "," << ink.y();

    // Cell by cell, the glyphs as the face designs them (rasterising and synthetic bold may
    // spread a stroke by a pixel into the next cell, as a vertical line joining its
    // neighbours does).
    QFont designFont = font;
    designFont.setBold(false);
    designFont.setPixelSize(int(shaper->Face().unitsPerEm()));
    const QRawFont design = QRawFont::fromFont(designFont, QFontDatabase::Japanese);
    ASSERT_EQ(design.familyName(), shaper->Face().familyName());
    const qreal scale = shaper->Face().pixelSize() / design.unitsPerEm();
    for (const ColumnCell& cell : layout.cells) {
        const QRectF box(0, cell.top, width, cell.advance);
        const QList<QPointF> positions = layout.PositionsOf(cell);
        const QList<quint32> glyphs = layout.GlyphsOf(cell);
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF units = design.boundingRect(glyphs[i]);
            const QRectF glyph(positions[i] + units.topLeft() * scale, units.size() * scale);
            EXPECT_TRUE(box.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(glyph))
                << cell.text.toStdString() << " ink " << glyph.top() << "-" << glyph.bottom()
                << " in " << box.top() << "-" << box.bottom();
        }
    }
}

TEST_P(VerticalColumn, TwoHalfWidthDigitsShareACellAndOtherRunsDoNot) {
    const ColumnLayout month = LayOut(u"12月"_s);
    ASSERT_EQ(month.cells.size(), 2);
    const ColumnCell& pair = month.cells[0];
    EXPECT_EQ(pair.text, u"12"_s);
    EXPECT_EQ(pair.form, Form::SideBySide);
    const QList<QPointF> digits = month.PositionsOf(pair);
    ASSERT_EQ(digits.size(), 2);
    EXPECT_DOUBLE_EQ(digits[0].y(), digits[1].y());
    EXPECT_GT(digits[1].x(), digits[0].x());
    // The pair is centred on the column's line, as the ideograph under it is.
    const QRawFont& face = shaper->Face();
    const qreal pairMiddle =
        (digits[0].x() + digits[1].x() + shaper->HorizontalAdvance(month.glyphs[1])) / 2;
    const qreal ideograph = month.positions[2].x() + shaper->HorizontalAdvance(month.glyphs[2]) / 2;
    EXPECT_DOUBLE_EQ(pairMiddle, ideograph);
    EXPECT_EQ(month.glyphs[0], HorizontalGlyph(face, u"1"_s));

    for (const auto& [text, cells] : {std::pair{u"2024年"_s, u"2|0|2|4|年"_s},
                                      {u"123"_s, u"1|2|3"_s},
                                      {u"A12B"_s, u"A|12|B"_s},
                                      {u"1月2日"_s, u"1|月|2|日"_s},
                                      {u"3.14"_s, u"3|.|14"_s},
                                      {u"１２"_s, u"１|２"_s}}) {
        QStringList texts; // full-width digits are ideographic characters of their own
        for (const ColumnCell& cell : LayOut(text).cells)
            texts.append(cell.text);
        EXPECT_EQ(texts.join(u'|'), cells);
    }
    for (const ColumnCell& cell : LayOut(u"123"_s).cells)
        EXPECT_EQ(cell.form, Form::Upright);

    // A lone letter or digit stands upright on the column's line.
    for (const QString& latin : {u"A"_s, u"g"_s, u"7"_s}) {
        const ColumnLayout layout = LayOut(latin + u"水"_s);
        ASSERT_EQ(layout.cells.size(), 2);
        EXPECT_EQ(layout.cells[0].form, Form::Upright);
        EXPECT_EQ(layout.glyphs[0], HorizontalGlyph(face, latin));
        EXPECT_DOUBLE_EQ(layout.positions[0].x() + shaper->HorizontalAdvance(layout.glyphs[0]) / 2,
                         layout.positions[1].x() + shaper->HorizontalAdvance(layout.glyphs[1]) / 2);
    }
}

TEST_P(VerticalColumn, ACharacterTheFaceLacksIsDrawnByTheFallbackInItsCell) {
    const QRawFont& face = shaper->Face();
    QString missing;
    for (const QString& candidate : {u"Ա"_s, u"☃"_s, u"ሀ"_s})
        if (!face.supportsCharacter(candidate[0])) {
            missing = candidate;
            break;
        }
    ASSERT_FALSE(missing.isEmpty()) << "every candidate is in the face";

    const ColumnLayout layout = LayOut(u"古"_s + missing + u"池"_s);
    ASSERT_EQ(layout.cells.size(), 3);
    const ColumnCell& cell = layout.cells[1];
    EXPECT_EQ(cell.text, missing);
    EXPECT_EQ(cell.form, Form::Fallback);
    EXPECT_EQ(cell.glyphCount, 0);
    EXPECT_FALSE(layout.glyphs.contains(0u));
    EXPECT_DOUBLE_EQ(layout.cells[2].top, cell.top + cell.advance);

    ColumnLayout alone = layout; // the fallback cell only, which has no glyphs
    alone.cells = {cell};
    alone.glyphs.clear();
    alone.positions.clear();
    const int height = qCeil(layout.cells[2].top + layout.cells[2].advance);
    const QRect ink = InkBox(Paint(alone, width, height, 0), Paper);
    ASSERT_FALSE(ink.isEmpty()) << "the fallback drew nothing";
    EXPECT_GE(ink.top(), qFloor(cell.top));
    EXPECT_LT(ink.bottom(), qCeil(cell.top + cell.advance));
}

INSTANTIATE_TEST_SUITE_P(IpaFaces, VerticalColumn,
                         ::testing::Values(FaceCase{"IPAMincho", Face::Mincho, 18, true, 375},
                                           FaceCase{"IPAGothic", Face::Gothic, 12, false, 255}),
                         [](const auto& test) { return std::string(test.param.family); });

TEST(StripColumnPainting, NoBackgroundInkInTheForeColourCutAtTheBottom) {
    QWidget window; // a dark window with the strip on it, and the column on the strip
    window.resize(60, 200);
    SetBackColour(&window, 0x00000080);
    PanelShape strip(&window, 0x00C0FFFF);
    strip.setGeometry(0, 0, 60, 200);
    auto* column = new StripColumn(&window);
    column->setGeometry(Px(300), 0, Px(375), 100);
    column->setFont(MakeFont(Face::Mincho, 18, true));
    SetForeColour(column, 0x000000FF);
    column->SetCaption(u"｜｜｜｜｜｜｜｜"_s);
    EXPECT_EQ(column->Cells().size(), 8);
    // The strip shows wherever the column has no ink; the ink is red, inside the column and
    // cut at its bottom edge.
    const QImage image = window.grab().toImage();
    EXPECT_TRUE(column->geometry().contains(InkBox(image, Paper)));
    EXPECT_EQ(image.pixelColor(column->geometry().topLeft()), Paper);
    EXPECT_EQ(image.pixelColor(column->geometry().center()), QColor(0xFF, 0, 0));

    // A new font and a new width are taken up.
    const int before = column->LineHeight();
    column->setFont(MakeFont(Face::Mincho, 11.25));
    EXPECT_LT(column->LineHeight(), before);
    const qreal centre = column->Layout().positions[0].x();
    column->resize(column->width() + 10, column->height());
    EXPECT_DOUBLE_EQ(column->Layout().positions[0].x(), centre + 5);

    // A character with a surrogate pair is one cell.
    column->SetCaption(u"古池😀ab"_s);
    EXPECT_EQ(column->Cells(), (QStringList{u"古"_s, u"池"_s, u"😀"_s, u"a"_s, u"b"_s}));
    column->SetCaption(QString());
    EXPECT_TRUE(column->Cells().isEmpty());
}

} // namespace
