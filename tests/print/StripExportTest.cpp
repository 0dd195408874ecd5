#include "ExportFiles.h"
#include "FileIo.h"
#include "PageList.h"
#include "PdfProbe.h"
#include "StripPainter.h"
#include "TestSupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::print;
using namespace Qt::Literals::StringLiterals;

TEST(StripSheets, PaperSizeStripsPerSheetFontsAndText) {
    const struct {
        SheetLayout layout;
        QSizeF points;
        int perSheet;
    } cases[] = {{SheetLayout::Tanzaku, {171.8, 1030.7}, 1},
                 {SheetLayout::B4, {728.5, 1031.8}, 4},
                 {SheetLayout::A4, {595.3, 841.9}, 4},
                 {SheetLayout::A4Fit, {595.3, 841.9}, 1}};
    Kushu k = test::MakeKushu(6);
    k.Entries[0].Commentary = u"ab"_s; // 序 hidden: nine pages
    k.Entries[2].Verse = u"ぶーんと蜂"_s;
    const QStringList rows = PageRows(k);
    const QString text = QString::fromUtf8(PagesText(k, rows, 0, 9));
    test::Folder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(NameOf(c.layout).toStdString());
        const Sheet sheet = SheetOf(c.layout);
        EXPECT_EQ(sheet.Strips.size(), c.perSheet);
        for (const QRectF& strip : sheet.Strips)
            EXPECT_TRUE(QRectF(QPointF(0, 0), sheet.PaperMm()).contains(strip));
        const QString path = folder.File(NameOf(c.layout) + u".pdf"_s);
        ASSERT_EQ(WritePdf(path, k, rows, {0, 9}, c.layout), QString());
        const test::PdfProbe pdf = test::ProbePdf(path);
        EXPECT_EQ(pdf.Pages, (9 + c.perSheet - 1) / c.perSheet);
        EXPECT_NEAR(pdf.Points.width(), c.points.width(), 1);
        EXPECT_NEAR(pdf.Points.height(), c.points.height(), 1);
        EXPECT_EQ(pdf.Title, k.Title);
        EXPECT_TRUE(pdf.FontsEmbedded);
        EXPECT_EQ(pdf.AttachedText, text);
    }
    // The text keeps what the drawing cannot give back: ー, and every listed page in order.
    EXPECT_TRUE(text.contains(u"―― 1 ――\n前書　前書1\n句　古池や"_s));
    EXPECT_TRUE(text.contains(u"句　ぶーんと蜂\n"_s));
    EXPECT_TRUE(text.endsWith(u"―― 9 ――\n句　奥付\n"_s));
}

TEST(StripImages, SizeAtEachScaleAndColumnsThatDoNotBreak) {
    const Kushu k = test::MakeKushu(1);
    const StripPage page = PageToPrint(k, PageRows(k), 1);
    test::Folder folder;
    for (const int scale : {1, 2, 4}) {
        const QString path = folder.File(QString::number(scale) + u".png"_s);
        ASSERT_EQ(WritePng(path, page, scale), QString());
        EXPECT_EQ(QImage(path).size(), QSize(181, 533) * scale);
    }
    // A verse far longer than its column, and characters no face has: the column is cut at
    // its foot, the other columns are drawn exactly as beside a short verse.
    const QImage plain = StripImage(page, 1);
    const QRgb fill = plain.pixel(90, 520);
    const auto ink = [fill](const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) != fill;
        return count;
    };
    StripPage strange = page;
    strange.Verse = QString(300, u'長') + u"\uE000\U0010FFFD"_s;
    const QImage cut = StripImage(strange, 1);
    const QRect preface(130, 0, 30, 533), verse(76, 16, 25, 509), below(76, 526, 25, 3);
    EXPECT_EQ(plain.copy(preface), cut.copy(preface));
    EXPECT_GT(ink(cut, verse), ink(plain, verse));
    EXPECT_EQ(ink(cut, below), 0);
    strange.Verse = u"\uE000\uE001"_s;
    EXPECT_GT(ink(StripImage(strange, 1), verse), 0);
}

TEST(StripFiles, FailedWriteLeavesNothingAndKeepsTheOldFile) {
    test::Folder folder;
    const Kushu k = test::MakeKushu(1);
    EXPECT_EQ(
        WritePdf(folder.File(u"無い/短冊.pdf"_s), k, PageRows(k), {0, 1}, SheetLayout::Tanzaku),
        u"ファイル「短冊.pdf」に書き出せません。\rフォルダに書き込めません。"_s);
    const QString old = folder.File(u"短冊.png"_s);
    test::WriteBytes(old, "old");
    const auto halfWritten = [](QIODevice& device) {
        return device.write("half") < 0;
    };
    EXPECT_EQ(SaveFileWith(old, halfWritten, WriteKind::Export),
              u"ファイル「短冊.png」に書き出せません。\rディスクの空きが足りないか、"
              u"書き込み中にエラーが起きました。"_s);
    EXPECT_EQ(test::ReadBytes(old), "old");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"短冊.png"_s});
}

TEST(StripImages, OnATanzakuSheetReadingsAndSecondLinesKeepClearOfTheirNeighbours) {
    const Kushu k = test::MakeKushu(1);
    StripPage page = PageToPrint(k, PageRows(k), 1);
    page.Preface = u"夏の夕暮れ"_s;
    page.Postscript = u"鶺鴒《せきれい》も見ゆ"_s;
    page.Colours[PrefaceFore] = 0x000000FF;
    page.Colours[VerseFore] = 0x0000FF00;
    page.Colours[PostscriptFore] = 0x00FF0000;
    // The sheet's proportions: a real tanzaku is half as wide for its height as the window's
    // strip.
    QImage image(200, 1200, QImage::Format_RGB32);
    for (const QString& verse :
         {u"蜩《ひぐらし》や翡翠《かわせみ》の飛ぶ水面《みなも》かな"_s, QString(70, u'長')}) {
        SCOPED_TRACE(verse.toStdString());
        page.Verse = verse;
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintStrip(painter, page, QRectF(0, 0, 200, 1200));
        painter.end();
        // Postscript (blue) left of the verse (green), the verse left of the preface (red).
        int lastBlue = -1, firstGreen = 1 << 20, lastGreen = -1, firstRed = 1 << 20;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
                    lastBlue = std::max(lastBlue, x);
                if (c.green() > 200 && c.red() < 60 && c.blue() < 60)
                    firstGreen = std::min(firstGreen, x), lastGreen = std::max(lastGreen, x);
                if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                    firstRed = std::min(firstRed, x);
            }
        ASSERT_GE(lastBlue, 0);
        ASSERT_GE(lastGreen, 0);
        EXPECT_LT(lastBlue, firstGreen);
        EXPECT_LT(lastGreen, firstRed);
    }
}
