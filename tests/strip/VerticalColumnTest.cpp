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
#include <QPainter>

#include <gtest/gtest.h>

using namespace yomiwa::strip;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;
using namespace yomiwa;

namespace {

quint32 HorizontalGlyph(const QRawFont& face, const QString& character) {
    const QList<quint32> glyphs = face.glyphIndexesForString(character);
    return glyphs.isEmpty() ? 0 : glyphs.first();
}

const QColor Paper(0xFF, 0xFF, 0xC0);

// The smallest rectangle holding every pixel that is not `paper`; empty when there is none.
QRect InkBox(const QImage& image, const QColor& paper) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != paper)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The viewer's verse column on its strip: 375 x 7635 twips from (1260, 300) on a strip
// from x 120 to 2835.
const QRect Verse = TwipsRect(1260, 300, 375, 7635);
const QRect Strip = TwipsRect(120, 60, 2715, 7995);

QFont VerseFont() {
    return MakeFont(Face::Mincho, 18, true);
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

bool HasInk(const QImage& image, const QRect& area) {
    return !InkBox(image.copy(area), Paper).isEmpty();
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
    // clang-format off
    const std::pair<QString, QFont> cases[] = {
        {u"「古池や蛙飛びこむ水の音」ーゃ、。12月AB"_s, VerseFont()}, // 21 cells, all it holds
        {u"コーヒー店にて　旅の途中"_s, MakeFont(Face::Gothic, 12)},
    };
    // clang-format on
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

        // The window's column, placed with room beside it, paints the same pixels and no
        // background of its own.
        QWidget strip;
        strip.resize(Strip.right() + 1, Strip.bottom() + 1);
        StripColumn column(&strip);
        column.setFont(font);
        column.SetColumnGeometry(Verse);
        column.SetText(text);
        QImage widget = Blank();
        column.render(&widget, column.pos(), QRegion(), QWidget::DrawChildren);
        EXPECT_EQ(widget, before) << text.toStdString();
        EXPECT_TRUE(column.toolTip().isEmpty());
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
    for (const auto& [length, lines] : {std::pair{37, 1}, {74, 2}}) {
        const QString text = (Haiku + Haiku + Haiku).left(length);
        const StripLayout layout = Fit(text);
        EXPECT_TRUE(layout.lines == lines && !layout.elided) << length;
        EXPECT_TRUE(layout.size >= SmallestSize && layout.pitch >= TightestPitch);
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
    ASSERT_TRUE(layout.elided && layout.lines == 2);
    EXPECT_EQ(Line(layout, 1).last(), u"…"_s);
    EXPECT_TRUE(text.startsWith((Line(layout, 0) + Line(layout, 1)).join(QString()).chopped(1)));
    EXPECT_EQ(column.toolTip().remove(u'\n'), text);
    column.SetText(text.left(20));
    EXPECT_TRUE(column.toolTip().isEmpty());
}

TEST(Ruby, MarksAreReadOnTheFieldsOwnText) {
    // clang-format off
    const struct { QString text, base, rubies; } cases[] = { // rubies: "begin-end:reading" joined by ","
        {u"蜩《ひぐらし》の声"_s, u"蜩の声"_s, u"0-1:ひぐらし"_s},
        {u"あの翡翠《かわせみ》と鶺鴒《せきれい》"_s, u"あの翡翠と鶺鴒"_s, u"2-4:かわせみ,5-7:せきれい"_s},
        {u"春の｜うみ《海》｜ひねもす《ヒネモス》"_s, u"春の｜うみ《海》ひねもす"_s, u"8-12:ヒネモス"_s},
        // Not readings: drawn as typed.
        {u"かな《かな》"_s, u"かな《かな》"_s, QString()},
        {u"漢《《かん》｜字》《じ》"_s, u"漢《《かん》｜字》《じ》"_s, QString()},
        {u"漢《かん"_s + QString(3000, u'か'), u"漢《かん"_s + QString(3000, u'か'), QString()},
        // Long runs of marks: the ｜ right before a base and the 《 right after kanji count.
        {u"｜｜あ《か》"_s, u"｜あ"_s, u"1-2:か"_s},
        {QString(3000, u'《') + u"漢《かん》"_s, QString(3000, u'《') + u"漢"_s, u"3000-3001:かん"_s},
        {QString(3000, u'｜') + u"字《じ》"_s, QString(2999, u'｜') + u"字"_s, u"2999-3000:じ"_s},
    };
    // clang-format on
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
    // Each reading starts beside its base; 蜩 is spaced out to its longer reading.
    EXPECT_DOUBLE_EQ(readings.cells[0].top, bases.cells[2].top);
    EXPECT_DOUBLE_EQ(bases.cells[2].advance, 2 * bases.fullCell);
    EXPECT_DOUBLE_EQ(readings.cells[4].top, bases.cells[6].top);
    const QImage image = Painted(text, VerseFont(), Verse);
    for (const ColumnCell& cell : readings.cells)
        EXPECT_TRUE(HasInk(image, CellBox(readings, cell, Verse.topLeft())));
    EXPECT_FALSE(InkOutside(image, Allowed(Verse, VerseFont())));

    // A face of an odd number of pixels has readings a little over half its size, and at the
    // smallest size too: a reading then stands closer, never above or below its base.
    for (const QString& marked :
         {u"蜩《ひぐらし》"_s, u"蜩《ひぐらし》"_s + Haiku + Haiku + Haiku}) {
        const StripLayout small = Fit(marked, MakeFont(Face::Mincho, 11.25), QSize(17, 289));
        const QList<ColumnCell>& reading = small.pieces.at(1).cells;
        const ColumnCell& base = small.pieces[0].cells[0];
        EXPECT_GE(reading.first().top, base.top) << small.size;
        EXPECT_LE(reading.last().top + reading.last().advance, base.top + base.advance + 1e-9);
    }
}

} // namespace
