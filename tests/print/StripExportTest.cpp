#include "ExportFiles.h"
#include "PageList.h"
#include "PdfProbe.h"
#include "StripPainter.h"
#include "TestSupport.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using namespace yomiwa;
using namespace yomiwa::print;
using namespace Qt::Literals::StringLiterals;

namespace {

// True when every font of the PDF is embedded (pdffonts' "emb" column).
bool FontsEmbedded(const QString& path) {
    const QStringList lines = test::RunTool(u"pdffonts"_s, {path}).split(u'\n');
    int fonts = 0;
    const QRegularExpression row(u"\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$"_s);
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = row.match(line);
        if (!match.hasMatch())
            continue;
        ++fonts;
        if (match.captured(1) != u"yes"_s)
            return false;
    }
    return fonts > 0;
}

// How many pixels of the rectangle differ from the strip's fill.
int Ink(const QImage& image, const QRect& area, QRgb fill) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += image.pixel(x, y) != fill;
    return ink;
}

} // namespace

TEST(StripSheets, PaperSizeStripsPerSheetFontsAndText) {
    struct Case {
        SheetLayout layout;
        QSizeF points;
        int perSheet;
    };
    const Case cases[] = {{SheetLayout::Tanzaku, {171.8, 1030.7}, 1},
                          {SheetLayout::B4, {728.5, 1031.8}, 4},
                          {SheetLayout::A4, {595.3, 841.9}, 4},
                          {SheetLayout::A4Fit, {595.3, 841.9}, 1}};
    Kushu k = test::MakeKushu(6);
    k.Entries[0].Commentary = u"ab"_s; // 序 hidden: nine pages
    k.Entries[2].Verse = u"ぶーんと蜂"_s;
    const QStringList rows = PageRows(k);
    ASSERT_EQ(rows.size(), 9);
    test::Folder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(NameOf(c.layout).toStdString());
        const Sheet sheet = SheetOf(c.layout);
        EXPECT_EQ(sheet.Strips.size(), c.perSheet);
        const QRectF paper(QPointF(0, 0), sheet.PaperMm());
        for (const QRectF& strip : sheet.Strips)
            EXPECT_TRUE(paper.contains(strip));
        const QString path = folder.File(NameOf(c.layout) + u".pdf"_s);
        ASSERT_EQ(WritePdf(path, k, rows, {0, 9}, c.layout), QString());
        const test::PdfProbe pdf = test::ProbePdf(path);
        EXPECT_EQ(pdf.Pages, (9 + c.perSheet - 1) / c.perSheet);
        EXPECT_NEAR(pdf.Points.width(), c.points.width(), 1);
        EXPECT_NEAR(pdf.Points.height(), c.points.height(), 1);
        EXPECT_EQ(pdf.Title, k.Title);
        EXPECT_TRUE(FontsEmbedded(path));
        EXPECT_EQ(QString::fromUtf8(PagesText(k, rows, 0, 9)), pdf.AttachedText);
    }
    // The text keeps what the drawing cannot give back: ー, and every listed page in order.
    const QString text = QString::fromUtf8(PagesText(k, rows, 0, 9));
    EXPECT_TRUE(text.contains(u"句　ぶーんと蜂\n"_s));
    EXPECT_TRUE(text.contains(u"―― 9 ――\n句　奥付\n"_s));
    EXPECT_FALSE(text.contains(u"句　序"_s));
}

TEST(StripImages, SizeAtEachScaleAndColumnsThatDoNotBreak) {
    EXPECT_EQ(StripPixelSize(), QSize(181, 533));
    Kushu k = test::MakeKushu(1);
    const StripPage page = PageToPrint(k, PageRows(k), 1);
    test::Folder folder;
    for (const int scale : {1, 2, 4}) {
        const QString path = folder.File(QString::number(scale) + u".png"_s);
        ASSERT_EQ(WritePng(path, page, scale), QString());
        EXPECT_EQ(QImage(path).size(), StripPixelSize() * scale);
    }
    // A verse far longer than its column, and characters no face has: the column is cut at
    // its foot, the other columns are drawn exactly as beside a short verse.
    StripPage strange = page;
    strange.Verse = QString(300, u'長') + u"\uE000\U0010FFFD"_s;
    const QImage plain = StripImage(page, 1);
    const QImage cut = StripImage(strange, 1);
    const QRgb fill = plain.pixel(90, 520);
    const QRect preface(130, 0, 30, 533), verse(76, 16, 25, 509), below(76, 526, 25, 3);
    EXPECT_EQ(plain.copy(preface), cut.copy(preface));
    EXPECT_GT(Ink(cut, verse, fill), Ink(plain, verse, fill));
    EXPECT_EQ(Ink(cut, below, fill), 0);
    strange.Verse = u"\uE000\uE001"_s;
    EXPECT_GT(Ink(StripImage(strange, 1), verse, fill), 0);
}

TEST(StripFiles, FailedWriteLeavesNothingAndKeepsTheOldFile) {
    test::Folder folder;
    const QString missing = folder.File(u"無い/短冊.pdf"_s);
    const Kushu k = test::MakeKushu(1);
    EXPECT_EQ(WritePdf(missing, k, PageRows(k), {0, 1}, SheetLayout::Tanzaku),
              u"ファイル「短冊.pdf」に書き出せません。\rフォルダに書き込めないか、"
              u"ファイル名が長すぎます。"_s);
    const QString old = folder.File(u"短冊.png"_s);
    test::WriteBytes(old, "old");
    EXPECT_EQ(WriteThrough(old,
                           [](QIODevice& device) {
                               device.write("half");
                               return false;
                           }),
              u"ファイル「短冊.png」に書き出せません。\rディスクの空きが足りないか、"
              u"書き込み中にエラーが起きました。"_s);
    EXPECT_EQ(test::ReadBytes(old), "old");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"短冊.png"_s});
}
