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

// Names the case in test output instead of dumping its bytes.
void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.family;
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

// The cells as "text form" joined by "|": V vertical, U upright, S side by side, F fallback.
QString CellsOf(const ColumnLayout& layout) {
    QStringList cells;
    for (const ColumnCell& cell : layout.cells)
        cells.append(cell.text + u"VUSF"_s[int(cell.form)]);
    return cells.join(u'|');
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
    // The vertical line keeps its own glyph even among turned characters.
    const QRawFont& face = shaper->Face();
    const ColumnLayout line = LayOut(u"ー｜「」『』（）〔〕〜…、。ゃゅょっァィ｜"_s);
    ASSERT_EQ(line.cells.size(), 21);
    for (const ColumnCell& cell : line.cells)
        EXPECT_EQ(line.GlyphsOf(cell) == QList<quint32>{HorizontalGlyph(face, cell.text)},
                  cell.text == u"｜"_s)
            << cell.text.toStdString();
    // Brackets turn after Latin letters, digits and blanks as well.
    for (const QString& text : {u"AB「"_s, u"12「"_s, u" 「"_s})
        EXPECT_NE(LayOut(text).glyphs.last(), HorizontalGlyph(face, u"「"_s)) << text.toStdString();
}

TEST_P(VerticalColumn, EveryCellAdvancesByTheFacesVerticalAdvanceAndHoldsItsInk) {
    const QRawFont& face = shaper->Face();
    const ColumnLayout layout =
        LayOut(u"「古池や」｜、。ゃゅょっァィ『』（）〔〕〜…12月ABC gjy2024年水"_s);
    ASSERT_EQ(layout.cells.size(), 37);
    EXPECT_DOUBLE_EQ(layout.fullCell, VmtxAdvance(face, HorizontalGlyph(face, u"水"_s)));
    // The glyphs as the face designs them (rasterising and synthetic bold may spread a stroke
    // by a pixel into the next cell, as a vertical line joining its neighbours does).
    QFont designFont = font;
    designFont.setBold(false);
    designFont.setPixelSize(int(face.unitsPerEm()));
    const QRawFont design = QRawFont::fromFont(designFont, QFontDatabase::Japanese);
    ASSERT_EQ(design.familyName(), face.familyName());
    const qreal scale = face.pixelSize() / design.unitsPerEm();
    qreal top = 0;
    for (const ColumnCell& cell : layout.cells) {
        const std::string text = cell.text.toStdString();
        EXPECT_DOUBLE_EQ(cell.top, top) << text;
        const QRectF box =
            QRectF(0, cell.top, width, cell.advance).adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
        const QList<quint32> glyphs = layout.GlyphsOf(cell);
        qreal advance = 0;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const qreal own = VmtxAdvance(face, glyphs[i]);
            advance = cell.form == Form::SideBySide ? std::max(advance, own) : advance + own;
            const QRectF units = design.boundingRect(glyphs[i]);
            const QRectF ink(layout.PositionsOf(cell)[i] + units.topLeft() * scale,
                             units.size() * scale);
            EXPECT_TRUE(units.isEmpty() || box.contains(ink))
                << text << " ink " << ink.top() << "-" << ink.bottom() << " in " << box.top() << "-"
                << box.bottom();
        }
        EXPECT_GT(advance, 0) << text;
        EXPECT_DOUBLE_EQ(cell.advance, advance) << text;
        top += cell.advance;
    }
    // Painted, synthetic bold and all, the ink stays inside the column.
    constexpr int Margin = 20;
    const QRect ink = InkBox(Paint(layout, width, qCeil(top), Margin), Paper);
    EXPECT_TRUE(QRect(Margin, Margin, width, qCeil(top)).contains(ink))
        << ink.x() << "," << ink.y();
}

TEST_P(VerticalColumn, TwoHalfWidthDigitsShareACellAndOtherRunsDoNot) {
    // Full-width digits are ideographic characters of their own.
    EXPECT_EQ(
        CellsOf(LayOut(u"12月2024年123水A12B1月2日3.14水１２"_s)),
        u"12S|月V|2U|0U|2U|4U|年V|1U|2U|3U|水V|AU|12S|BU|1U|月V|2U|日V|3U|.U|14S|水V|１V|２V"_s);

    // The pair stands in its ordinary glyphs, on one baseline.
    const ColumnLayout pair = LayOut(u"12水"_s);
    EXPECT_EQ(pair.positions[0].y(), pair.positions[1].y());
    EXPECT_EQ(pair.glyphs[0], HorizontalGlyph(shaper->Face(), u"1"_s));
}

TEST_P(VerticalColumn, ACharacterTheFaceLacksIsDrawnByTheFallbackInItsCell) {
    QString missing;
    for (const QString& candidate : {u"Ա"_s, u"☃"_s, u"ሀ"_s})
        if (missing.isEmpty() && !shaper->Face().supportsCharacter(candidate[0]))
            missing = candidate;
    ASSERT_FALSE(missing.isEmpty()) << "every candidate is in the face";

    const ColumnLayout layout = LayOut(u"古"_s + missing);
    ASSERT_EQ(CellsOf(layout), u"古V|"_s + missing + u'F');
    EXPECT_FALSE(layout.glyphs.contains(0u));
    // The ink reaches down into the fallback's cell and no further.
    const ColumnCell& cell = layout.cells[1];
    constexpr int Margin = 20;
    const int bottom = qCeil(cell.top + cell.advance);
    const QRect ink = InkBox(Paint(layout, width, bottom, Margin), Paper);
    EXPECT_GT(ink.bottom(), Margin + cell.top + cell.advance / 2);
    EXPECT_TRUE(QRect(Margin, Margin, width, bottom).contains(ink));
}

INSTANTIATE_TEST_SUITE_P(IpaFaces, VerticalColumn,
                         ::testing::Values(FaceCase{"IPAMincho", Face::Mincho, 18, true, 375},
                                           FaceCase{"IPAGothic", Face::Gothic, 12, false, 255}),
                         [](const auto& test) { return std::string(test.param.family); });

TEST(StripColumnPainting, NoBackgroundInkInTheForeColour) {
    QWidget window; // a dark window with the strip on it, and the column on the strip
    window.resize(60, 200);
    SetBackColour(&window, 0x00000080);
    PanelShape strip(&window, 0x00C0FFFF);
    strip.setGeometry(0, 0, 60, 200);
    auto* column = new StripColumn(&window);
    column->setGeometry(Px(300), 0, Px(375), 100);
    column->setFont(MakeFont(Face::Mincho, 18, true));
    SetForeColour(column, 0x000000FF);
    column->SetCaption(u"｜｜｜｜"_s);
    // The strip shows wherever the column has no ink; the ink is red, inside the column.
    const QImage image = window.grab().toImage();
    EXPECT_TRUE(column->geometry().contains(InkBox(image, Paper)));
    EXPECT_EQ(image.pixelColor(column->geometry().topLeft()), Paper);
    EXPECT_EQ(image.pixelColor(column->geometry().center()), QColor(0xFF, 0, 0));

    // A character with a surrogate pair is one cell; a new caption replaces the cells.
    column->SetCaption(u"古池😀ab"_s);
    EXPECT_EQ(column->Cells(), (QStringList{u"古"_s, u"池"_s, u"😀"_s, u"a"_s, u"b"_s}));
    column->SetCaption(QString());
    EXPECT_TRUE(column->Cells().isEmpty());
}

} // namespace
