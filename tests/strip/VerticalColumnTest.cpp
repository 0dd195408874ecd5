// SPDX-License-Identifier: GPL-3.0-or-later
// Vertical columns in the faces the program uses, and strip columns that never cut text:
// fitting text as it always was, long text fitted, readings.

#include "model/RubyText.h"
#include "model/StripText.h"
#include "strip/ColumnLayout.h"
#include "strip/Faces.h"
#include "strip/StripColumnPainter.h"
#include "strip/VerticalShaper.h"
#include "ui/StripColumn.h"
#include "ui/Twips.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

#include <gtest/gtest.h>

using namespace yomiwa::strip;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;
using namespace yomiwa;

namespace {

quint32 HorizontalGlyph(const QRawFont& face, const QString& character) {
    return face.glyphIndexesForString(character).value(0);
}

const QColor Paper(0xFF, 0xFF, 0xC0);

// The viewer's verse column on its strip: 375 x 7635 twips from (1260, 300) on a strip
// from x 120 to 2835.
const QRect Verse = TwipsRect(1260, 300, 375, 7635);
const QRect Strip = TwipsRect(120, 60, 2715, 7995);

QFont VerseFont() {
    return MakeFont(Face::StripMincho, 18, true);
}

QImage Blank() {
    QImage image(Strip.right() + 1, Strip.bottom() + 1, QImage::Format_ARGB32);
    image.fill(Paper);
    return image;
}

QImage Painted(const QString& fieldText, const QFont& font, const QRect& column) {
    QImage image = Blank();
    QPainter painter(&image);
    PaintStripColumn(painter, fieldText, font, column, Qt::black);
    return image;
}

// Whether any pixel of `area` is not paper.
bool HasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && image.pixelColor(x, y) != Paper)
                return true;
    return false;
}

StripLayout Fit(const QString& text, const QFont& font = VerseFont(), QSize size = Verse.size()) {
    const VerticalShaper shaper(font);
    return LayOutStripColumn(text, shaper, font, size);
}

QStringList Line(const StripLayout& layout, int line) {
    QStringList cells;
    // Without readings each line is one piece.
    for (const ColumnCell& cell : layout.pieces.at(line).cells)
        cells.append(cell.text);
    return cells;
}

ColumnLayout LayOut(const QString& text) {
    return LayOutColumn(text, VerseFont(), Verse.width());
}

TEST(VerticalColumn, TurnsWhatVerticalTextTurnsAndKeepsTheVerticalLineUpright) {
    // The vertical line keeps its own glyph even among turned characters.
    const VerticalShaper shaper(VerseFont());
    const QRawFont& face = shaper.Face();
    const ColumnLayout line = LayOut(u"ー｜「」『』（）〔〕〜…、。ゃゅょっァィ｜"_s);
    ASSERT_EQ(line.cells.size(), 21);
    for (const ColumnCell& cell : line.cells)
        EXPECT_EQ(line.GlyphsOf(cell) == QList<quint32>{HorizontalGlyph(face, cell.text)},
                  cell.text == u"｜"_s)
            << cell.text.toStdString();
    // Brackets turn after Latin letters, digits and blanks as well.
    EXPECT_NE(LayOut(u"AB12 「"_s).glyphs.last(), HorizontalGlyph(face, u"「"_s));
}

TEST(StripFit, TextThatFitsIsDrawnAsItAlwaysWas) {
    const std::pair<QString, QFont> cases[] = {
        {u"「古池や蛙飛びこむ水の音」ーゃ、ア12月AB"_s, VerseFont()}, // 21 cells, all it holds
        {u"コーヒー店にて　旅の途中"_s, MakeFont(Face::Gothic, 12)},
    };
    for (const auto& [text, font] : cases) {
        // The column as it was drawn: laid out once, cut at the bottom.
        QImage before = Blank();
        {
            QPainter painter(&before);
            painter.setClipRect(Verse);
            painter.translate(Verse.topLeft());
            painter.setPen(Qt::black);
            DrawColumn(painter, LayOutColumn(ToStripText(text), font, Verse.width()),
                       Verse.height());
        }
        EXPECT_EQ(Painted(text, font, Verse), before) << text.toStdString();
    }
}

// Where a piece's cell stands in the image.
QRect CellBox(const ColumnLayout& piece, const ColumnCell& cell, QPoint column) {
    return QRectF(column.x() + piece.centre - piece.fullCell / 2, column.y() + cell.top,
                  piece.fullCell, cell.advance)
        .toAlignedRect();
}

QRect Allowed(const QRect& column, const QFont& font) {
    const Reach reach = StripColumnReach(VerticalShaper(font).FullCell(), column.width());
    return column.adjusted(-qCeil(reach.left), 0, qCeil(reach.right), 0);
}

bool InkOutside(QImage image, const QRect& allowed) {
    QPainter(&image).fillRect(allowed, Paper);
    return HasInk(image, image.rect());
}

const QString Haiku =
    u"古池や蛙飛びこむ水の音閑かさや岩にしみ入る蝉の声五月雨をあつめて早し最上川"_s;

TEST(StripFit, LongVersesShowEveryCharacterInsideTheColumn) {
    for (const auto& [length, lines] : {std::pair{30, 1}, {60, 2}}) {
        const QString text = (Haiku + Haiku + Haiku).left(length);
        const StripLayout layout = Fit(text);
        EXPECT_TRUE(layout.lines == lines && !layout.Elided()) << length;
        EXPECT_GE(layout.size, SmallestSize);
        const QImage image = Painted(text, VerseFont(), Verse);
        QString shown;
        for (const ColumnLayout& piece : layout.pieces)
            for (const ColumnCell& cell : piece.cells) {
                shown += cell.text;
                EXPECT_TRUE(HasInk(image, CellBox(piece, cell, Verse.topLeft())))
                    << length << " " << cell.text.toStdString();
                EXPECT_LE(cell.top + cell.advance, Verse.height() + 1e-9);
            }
        EXPECT_EQ(shown, text);
        EXPECT_FALSE(InkOutside(image, Allowed(Verse, VerseFont()))) << length;
    }
}

// Whatever the text and the column (the reading window's verse and preface, the editor's
// verse), every stage of the adjustment keeps glyphs apart and ideographs and kana a full em
// from each other.
TEST(StripFit, NoTwoGlyphsTouchAtAnyStage) {
    QStringList texts = {
        u"夏草や兵どもが夢の跡、その跡をたずねて今日もまた歩いてゆく旅人の影の長さよ"_s,
        u"夕立や、「ちょっと待って」と言ひ残して去る。"_s,
        u"「『古池』」、。・（かな）：；蛙《かわず》"_s.repeated(8)};
    for (int n = 17; n <= 60; ++n)
        texts.append(QString(n, u'田'));
    QSet<StripLayout::Stage> stages;
    for (const auto& [font, size] : {std::pair{VerseFont(), Verse.size()},
                                     {MakeFont(Face::Gothic, 12), QSize(17, 521)},
                                     {MakeFont(Face::StripMincho, 11.25), QSize(17, 289)}})
        for (const QString& text : texts) {
            const StripLayout layout = Fit(text, font, size);
            stages.insert(layout.stage);
            QList<QRectF> ink;
            for (const ColumnLayout& piece : layout.pieces) {
                for (qsizetype g = 0; g < piece.glyphs.size(); ++g)
                    ink.append(piece.face.pathForGlyph(piece.glyphs[g])
                                   .boundingRect()
                                   .translated(piece.positions[g]));
                for (const ColumnCell& cell : piece.cells)
                    EXPECT_TRUE(u"、。「」『』（）・：；…"_s.contains(cell.text) ||
                                cell.advance >= piece.fullCell - 1e-9);
            }
            for (qsizetype i = 0; i < ink.size(); ++i)
                for (qsizetype j = i + 1; j < ink.size(); ++j)
                    ASSERT_FALSE(ink[i].intersects(ink[j])) << text.toStdString();
        }
    EXPECT_EQ(stages.size(), 5);
}

// 田、「田」。田、田 in a verse column of 8, 7 and 6.5 ems: solid, then the marks in a row
// give up their spaces, then the single 、 too. Steps: 、 to the 田 after 「, 」 to the 田
// after 。, the second 、 to 田, in ems.
TEST(StripFit, PunctuationGivesUpItsSpacesMarksInARowFirst) {
    const qreal em = VerticalShaper(VerseFont()).FullCell();
    using enum StripLayout::Stage;
    for (const auto& [height, stage, steps] : {std::tuple{8.0, Solid, QList{1.5, 1.5, 1.0}},
                                               {7.0, Squeezed, QList{1.0, 1.0, 1.0}},
                                               {6.5, Squeezed, QList{1.0, 1.0, 0.5}}}) {
        const StripLayout layout =
            Fit(u"田、「田」。田、田"_s, VerseFont(), QSize(25, qRound(height * em)));
        const QList<ColumnCell>& c = layout.pieces.at(0).cells;
        EXPECT_TRUE(layout.stage == stage && layout.size == 1) << height;
        EXPECT_EQ(QList({c[3].top - c[1].top, c[6].top - c[4].top, c[8].top - c[7].top}),
                  QList({steps[0] * em, steps[1] * em, steps[2] * em}));
    }
}

TEST(StripFit, TheSecondLineNeitherStartsNorEndsAgainstTheRules) {
    // Balanced, each of these would break right before a closing mark or after an opening
    // bracket.
    const QString half = Haiku.left(30);
    for (const QString& text :
         {half + u"。"_s + half.left(29), half.left(29) + u"「"_s + half.left(30)}) {
        const StripLayout layout = Fit(text);
        ASSERT_EQ(layout.lines, 2) << text.toStdString();
        const QStringList first = Line(layout, 0);
        EXPECT_EQ((first + Line(layout, 1)).join(QString()), ToStripText(text));
        const QString start = text.at(first.join(QString()).size());
        EXPECT_FALSE(u"、。」』）っゃゅょーァィゥェォ"_s.contains(start)) << text.toStdString();
        EXPECT_FALSE(u"「『（"_s.contains(first.last())) << text.toStdString();
    }
}

TEST(StripFit, WhatTwoLinesCannotHoldEndsInAnEllipsisWithTheWholeTextAsTooltip) {
    const QString text = (Haiku + Haiku + Haiku).left(100);
    QWidget strip;
    strip.resize(Strip.size());
    StripColumn column(&strip);
    column.setFont(VerseFont());
    column.SetColumnGeometry(Verse);
    column.SetText(text);
    const StripLayout& layout = column.Fitted();
    ASSERT_TRUE(layout.Elided() && layout.lines == 2);
    EXPECT_EQ(Line(layout, 1).last(), u"…"_s);
    EXPECT_TRUE(text.startsWith((Line(layout, 0) + Line(layout, 1)).join(QString()).chopped(1)));
    EXPECT_EQ(column.toolTip().remove(u'\n'), text);
    column.SetText(text.left(20));
    EXPECT_TRUE(column.toolTip().isEmpty());
}

// A paint device for neither screen nor image that counts what it is asked to draw.
struct Counter : QPaintDevice, QPaintEngine {
    int paths = 0, texts = 0;
    QPaintEngine* paintEngine() const override { return const_cast<Counter*>(this); }
    int metric(PaintDeviceMetric m) const override { return m == PdmDepth ? 32 : 1000; }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override { ++paths; }
    void drawTextItem(const QPointF&, const QTextItem&) override { ++texts; }
    Type type() const override { return User; }
};

// The verse column painted black on white at `scale` times its size.
QImage Scaled(const QString& text, const QFont& font, int scale) {
    QImage image(Verse.size() * scale, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintStripColumn(painter, text, font, QRectF(QPointF(0, 0), Verse.size()), Qt::black);
    return image;
}

// How dark the ink of a column is, 0 to 1, at `scale` times its size.
double MeanInk(const QString& text, const QFont& font, int scale) {
    const QImage image = Scaled(text, font, scale);
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += 1 - qGray(image.pixel(x, y)) / 255.0;
    return ink / (image.width() * image.height());
}

// The separate marks of an image: runs of pixels with any visible ink, side by side.
int Marks(const QImage& image) {
    const int w = image.width();
    QList<bool> seen(qsizetype(w) * image.height(), false);
    int marks = 0;
    for (int start = 0; start < seen.size(); ++start) {
        if (seen[start] || qGray(image.pixel(start % w, start / w)) > 224)
            continue;
        ++marks;
        QList<int> open{start};
        seen[start] = true;
        while (!open.isEmpty()) {
            const int at = open.takeLast(), x = at % w, y = at / w;
            for (const auto& [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
                if (image.rect().contains(nx, ny) && !seen[ny * w + nx] &&
                    qGray(image.pixel(nx, ny)) <= 224)
                    seen[ny * w + nx] = true, open.append(ny * w + nx);
        }
    }
    return marks;
}

// 田 fills its em: n of them at twice the size, in the verse face and in a Mincho thickened
// by its outline, stay n separate marks at every stage (17 solid, 45 in two lines).
TEST(StripBold, EveryGlyphStaysAMarkOfItsOwnAtEveryStage) {
    QFont ipa(u"IPAMincho"_s);
    ipa.setPixelSize(24), ipa.setBold(true);
    for (const QFont& font : {VerseFont(), ipa})
        for (const int n : {17, 22, 26, 30, 38, 45})
            EXPECT_EQ(Marks(Scaled(QString(n, u'田'), font, 2)), n) << n;
}

// A face without a bold of its own is thickened scaled and on paper as on the screen: its
// outline filled and stroked once, each glyph drawn once, as dark at four times the size.
TEST(StripBold, AFaceWithoutBoldIsThickenedByItsOutlineOnce) {
    const QString text = u"鳴く蝉や痩せ葵に憶ふ"_s;
    QFont ipa(u"IPAMincho"_s);
    ipa.setPixelSize(24);
    for (const bool bold : {false, true}) {
        ipa.setBold(bold);
        Counter device;
        QPainter painter(&device);
        PaintStripColumn(painter, text, ipa, QRectF(QPointF(0, 0), Verse.size()), Qt::black);
        EXPECT_TRUE(device.paths == int(bold) && device.texts == int(!bold));
    }
    const double screen = MeanInk(text, ipa, 1), paper = MeanInk(text, ipa, 4);
    EXPECT_NEAR(paper / screen, 1, 0.15);
}

TEST(Ruby, MarksAreReadOnTheFieldsOwnText) {
    const struct {
        QString text, base, rubies;
    } cases[] = {
        // rubies: "begin-end:reading" joined by ","
        {u"あの翡翠《かわせみ》と鶺鴒《せきれい》"_s, u"あの翡翠と鶺鴒"_s,
         u"2-4:かわせみ,5-7:せきれい"_s},
        {u"春の｜うみ《海》｜ひねもす《ヒネモス》"_s, u"春の｜うみ《海》ひねもす"_s,
         u"8-12:ヒネモス"_s},
        // Not readings: drawn as typed.
        {u"かな《かな》"_s, u"かな《かな》"_s, QString()},
        {u"漢《《かん》｜字》《じ》"_s, u"漢《《かん》｜字》《じ》"_s, QString()},
        {u"漢《かん"_s + QString(3000, u'か'), u"漢《かん"_s + QString(3000, u'か'), QString()},
        // Long runs of marks: the ｜ right before a base and the 《 right after kanji count.
        {u"｜｜あ《か》"_s, u"｜あ"_s, u"1-2:か"_s},
        {QString(3000, u'《') + u"漢《かん》"_s, QString(3000, u'《') + u"漢"_s,
         u"3000-3001:かん"_s},
        {QString(3000, u'｜') + u"字《じ》"_s, QString(2999, u'｜') + u"字"_s, u"2999-3000:じ"_s},
    };
    for (const auto& c : cases) {
        const RubyText ruby = ParseRuby(c.text);
        QStringList rubies;
        for (const RubyText::Ruby& r : ruby.rubies)
            rubies.append(u"%1-%2:%3"_s.arg(r.begin).arg(r.end).arg(r.reading));
        EXPECT_EQ(ruby.base, c.base) << c.text.toStdString();
        EXPECT_EQ(rubies.join(u','), c.rubies) << c.text.toStdString();
    }
}

TEST(Ruby, ReadingsStandRightOfTheirBasesInsideTheStrip) {
    const QString text = u"鳴く蜩《ひぐらし》の声の翡翠《かわせみ》"_s;
    const StripLayout layout = Fit(text);
    ASSERT_EQ(layout.pieces.size(), 2);
    const ColumnLayout &bases = layout.pieces[0], &readings = layout.pieces[1];
    EXPECT_EQ(Line(layout, 0).join(QString()), u"鳴く蜩の声の翡翠"_s);
    EXPECT_EQ(Line(layout, 1).join(QString()), u"ひぐらしかわせみ"_s);
    const QImage image = Painted(text, VerseFont(), Verse);
    for (const ColumnCell& cell : readings.cells)
        EXPECT_TRUE(HasInk(image, CellBox(readings, cell, Verse.topLeft())));
    EXPECT_FALSE(InkOutside(image, Allowed(Verse, VerseFont())));
    EXPECT_DOUBLE_EQ(readings.cells[4].top, bases.cells[6].top);

    // A face of an odd number of pixels has readings of the whole pixel below half its
    // size, and at the smallest size too: a reading never reaches above or below its base.
    for (const QString& marked :
         {u"蜩《ひぐらし》"_s, u"蜩《ひぐらし》"_s + Haiku + Haiku + Haiku}) {
        const StripLayout small = Fit(marked, MakeFont(Face::StripMincho, 11.25), QSize(17, 289));
        const QList<ColumnCell>& reading = small.pieces.at(1).cells;
        const ColumnCell& base = small.pieces[0].cells[0];
        EXPECT_GE(reading.first().top, base.top) << small.size;
        EXPECT_LE(reading.last().top + reading.last().advance, base.top + base.advance + 1e-9);
    }
}

// A reading longer than its base reaches half an em onto a kana before and after it, never
// onto an ideograph, another reading or past the column's ends; only the rest spaces the
// base out. The base's advance and the reading's top, in ems.
TEST(Ruby, ALongReadingReachesOntoTheKanaBesideItsBase) {
    const qreal em = VerticalShaper(VerseFont()).FullCell();
    for (const auto& [text, base, advance, top] :
         {std::tuple{u"蜩《ひぐらし》や"_s, 0, 1.5, 0.0},
          {u"の蜩《ひぐらし》や"_s, 1, 1.0, 0.5},
          {u"田｜蜩《ひぐらし》や"_s, 1, 1.5, 1.0},
          {u"の蜩《ひぐらし》"_s, 1, 1.5, 0.5},
          {u"｜の《の》蜩《ひぐらし》や"_s, 1, 1.5, 1.0}}) {
        const StripLayout layout = Fit(text);
        const QList<ColumnCell> reading = layout.pieces.at(1).cells.last(4); // ひぐらし
        EXPECT_EQ(QList({layout.pieces[0].cells.at(base).advance, reading[0].top,
                         reading[3].top + reading[3].advance}),
                  QList({advance * em, top * em, (top + 2) * em}))
            << text.toStdString();
    }
}

} // namespace
