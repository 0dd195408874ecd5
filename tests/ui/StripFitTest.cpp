// Strip columns never cut text: fitting text as it always was, long text fitted, readings.

#include "ColumnLayout.h"
#include "Faces.h"
#include "RubyText.h"
#include "StripColumn.h"
#include "StripColumnPainter.h"
#include "StripText.h"
#include "Twips.h"
#include "VerticalShaper.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

const QColor Paper(0xFF, 0xFF, 0xC0);
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
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != Paper)
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

TEST(StripFit, TextThatFitsIsDrawnAsItAlwaysWas) {
    const QFont gothic = MakeFont(Face::Gothic, 12);
    const struct {
        QString text;
        QFont font;
    } cases[] = {
        {u"「古池や蛙飛びこむ水の音」ーゃ、。12月AB"_s, VerseFont()}, // 21 cells, all it holds
        {u"ソーダ水ストローの影"_s, VerseFont()},
        {u"コーヒー店にて　旅の途中"_s, gothic},
    };
    for (const auto& c : cases) {
        // The column as it was drawn: laid out once, cut at the bottom.
        QImage before = Blank();
        {
            QPainter painter(&before);
            painter.setClipRect(Verse);
            painter.translate(Verse.topLeft());
            painter.setPen(Qt::black);
            DrawColumn(painter, LayOutColumn(ToStripText(c.text), c.font, Verse.width()),
                       Verse.height());
        }
        EXPECT_EQ(Painted(c.text, c.font, Verse), before) << c.text.toStdString();

        // The window's column, placed with room beside it, paints the same pixels.
        QWidget strip;
        strip.resize(Strip.right() + 1, Strip.bottom() + 1);
        StripColumn column(&strip);
        column.setFont(c.font);
        column.SetColumnGeometry(Verse);
        column.SetText(c.text);
        QImage widget = Blank();
        column.render(&widget, column.pos(), QRegion(), QWidget::DrawChildren);
        EXPECT_EQ(widget, before) << c.text.toStdString();
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
    const struct {
        qsizetype length;
        int lines;
    } cases[] = {{22, 1}, {29, 1}, {37, 1}, {60, 2}, {74, 2}};
    for (const auto& c : cases) {
        const QString text = (Haiku + Haiku + Haiku).left(c.length);
        const StripLayout layout = Fit(text);
        EXPECT_EQ(layout.lines, c.lines) << c.length;
        EXPECT_FALSE(layout.elided);
        EXPECT_GE(layout.size, SmallestSize);
        EXPECT_GE(layout.pitch, TightestPitch);
        const QImage image = Painted(text, VerseFont(), Verse);
        QString shown;
        for (const ColumnLayout& piece : layout.pieces)
            for (const ColumnCell& cell : piece.cells) {
                shown += cell.text;
                EXPECT_TRUE(HasInk(image, CellBox(piece, cell, Verse.topLeft())))
                    << c.length << " " << cell.text.toStdString();
                EXPECT_LE(cell.top + cell.advance, Verse.height() + 1e-9);
            }
        EXPECT_EQ(shown, text);
        EXPECT_FALSE(InkOutside(image, Allowed(Verse, VerseFont()))) << c.length;
    }
}

TEST(StripFit, TheSecondLineNeitherStartsNorEndsAgainstTheRules) {
    // Balanced, each of these would break right before a closing mark or after an opening
    // bracket.
    const QString half = Haiku.left(30);
    for (const QString& text :
         {half + u"。"_s + half.left(29), half + u"っ"_s + half.left(29),
          half + u"ー"_s + half.left(29), half.left(29) + u"「"_s + half.left(30),
          half.left(29) + u"『"_s + u"」"_s + half.left(29)}) {
        const StripLayout layout = Fit(text);
        ASSERT_EQ(layout.lines, 2) << text.toStdString();
        const QStringList first = Line(layout, 0), second = Line(layout, 1);
        EXPECT_EQ((first + second).join(QString()), ToStripText(text));
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
    EXPECT_TRUE(layout.elided);
    ASSERT_EQ(layout.lines, 2);
    EXPECT_EQ(Line(layout, 1).last(), u"…"_s);
    EXPECT_TRUE(text.startsWith((Line(layout, 0) + Line(layout, 1)).join(QString()).chopped(1)));
    EXPECT_EQ(column.toolTip().remove(u'\n'), text);
    column.SetText(text.left(20));
    EXPECT_TRUE(column.toolTip().isEmpty());
}

TEST(Ruby, MarksAreReadOnTheFieldsOwnText) {
    const struct {
        QString text;
        QString base;
        QString rubies; // "begin-end:reading" joined by ","
    } cases[] = {
        {u"蜩《ひぐらし》の声"_s, u"蜩の声"_s, u"0-1:ひぐらし"_s},
        {u"あの翡翠《かわせみ》と鶺鴒《せきれい》"_s, u"あの翡翠と鶺鴒"_s,
         u"2-4:かわせみ,5-7:せきれい"_s},
        {u"珈琲《コーヒー》"_s, u"珈琲"_s, u"0-2:コーヒー"_s},
        {u"春の｜うみ《海》｜ひねもす《ヒネモス》"_s, u"春の｜うみ《海》ひねもす"_s,
         u"8-12:ヒネモス"_s},
        {u"漢字《かんじ》字《じ》"_s, u"漢字字"_s, u"0-2:かんじ,2-3:じ"_s},
        // Not readings: drawn as typed.
        {u"ーあい《あい》"_s, u"ーあい《あい》"_s, QString()},
        {u"かな《かな》"_s, u"かな《かな》"_s, QString()},
        {u"蜩《ひぐらし"_s, u"蜩《ひぐらし"_s, QString()},
        {u"蜩《》"_s, u"蜩《》"_s, QString()},
        {u"蜩《hi・ぐ》"_s, u"蜩《hi・ぐ》"_s, QString()},
        {u"｜《あ》"_s, u"｜《あ》"_s, QString()},
    };
    for (const auto& c : cases) {
        const RubyText ruby = ParseRuby(c.text);
        QStringList rubies;
        for (const RubyText::Ruby& r : ruby.rubies)
            rubies.append(u"%1-%2:%3"_s.arg(r.begin).arg(r.end).arg(r.reading));
        EXPECT_EQ(ruby.base, c.base) << c.text.toStdString();
        EXPECT_EQ(rubies.join(u','), c.rubies) << c.text.toStdString();
        if (c.rubies.isEmpty()) {
            const StripLayout layout = Fit(c.text);
            ASSERT_EQ(layout.pieces.size(), 1);
            EXPECT_EQ(Line(layout, 0).join(QString()), ToStripText(c.text));
        }
    }
}

TEST(Ruby, ReadingsStandRightOfTheirBasesInsideTheStrip) {
    for (const QRect& column : {Verse, TwipsRect(2160, 180, 255, 7815)}) {
        const QFont font = column == Verse ? VerseFont() : MakeFont(Face::Gothic, 12);
        const QString text = u"鳴く蜩《ひぐらし》の声の翡翠《かわせみ》"_s;
        const StripLayout layout = Fit(text, font, column.size());
        ASSERT_EQ(layout.pieces.size(), 2);
        const ColumnLayout &bases = layout.pieces[0], &readings = layout.pieces[1];
        EXPECT_EQ(Line(layout, 0).join(QString()), u"鳴く蜩の声の翡翠"_s);
        EXPECT_EQ(Line(layout, 1).join(QString()), u"ひぐらしかわせみ"_s);
        // Half size, right of the bases, centred along each base: 蜩 is spaced out to its
        // longer reading, 翡翠 keeps its pitch.
        EXPECT_DOUBLE_EQ(readings.fullCell, bases.fullCell / 2);
        EXPECT_DOUBLE_EQ(readings.centre - bases.centre, bases.fullCell * 3 / 4);
        const ColumnCell& higurashi = bases.cells[2];
        EXPECT_DOUBLE_EQ(higurashi.advance, 2 * bases.fullCell);
        EXPECT_DOUBLE_EQ(readings.cells[0].top, higurashi.top);
        const ColumnCell& hi = bases.cells[6];
        EXPECT_DOUBLE_EQ(hi.advance, bases.fullCell);
        EXPECT_DOUBLE_EQ(readings.cells[4].top + 2 * readings.fullCell, hi.top + hi.advance);
        const QImage image = Painted(text, font, column);
        for (const ColumnCell& cell : readings.cells)
            EXPECT_TRUE(HasInk(image, CellBox(readings, cell, column.topLeft())));
        EXPECT_FALSE(InkOutside(image, Allowed(column, font)));
        EXPECT_TRUE(Strip.contains(Allowed(column, font)));
    }
}

} // namespace
