// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PageList.h"
#include "print/ExportFiles.h"
#include "print/PageSelection.h"
#include "print/StripPainter.h"
#include "tests/viewer/ViewerFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace yomiwa::test {
namespace {

using namespace print;

// What poppler's pdfinfo, pdffonts and pdfdetach read from a PDF: a reader independent of Qt.
struct PdfProbe {
    int Pages = 0;
    QSizeF Points;
    bool FontsEmbedded = false;
    QString AttachedText;
};

QString Poppler(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

PdfProbe ProbePdf(const QString& path) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {path});
    const auto field = [&info](const QString& name) {
        return QRegularExpression(name + QStringLiteral(":\\s*([^\\n]*)")).match(info).captured(1);
    };
    const QStringList size = field(QStringLiteral("Page size")).split(u' ');
    // pdffonts lists a font per line, its "emb" column three columns before the object id.
    const QString fonts = Poppler(QStringLiteral("pdffonts"), {path});
    const QRegularExpression notEmbedded(
        QStringLiteral("\\sno\\s+\\S+\\s+\\S+\\s+\\d+\\s+\\d+\\n"));
    QTemporaryDir out;
    Poppler(QStringLiteral("pdfdetach"),
            {QStringLiteral("-saveall"), QStringLiteral("-o"), out.path(), path});
    QFile text(out.filePath(QStringLiteral("yomiwa-text.txt")));
    text.open(QIODevice::ReadOnly);
    return {field(QStringLiteral("Pages")).toInt(),
            QSizeF(size.value(0).toDouble(), size.value(2).toDouble()),
            fonts.contains(QStringLiteral("CID TrueType")) && !notEmbedded.match(fonts).hasMatch(),
            QString::fromUtf8(text.readAll())};
}

class WindowExport : public ViewerTest {
protected:
    void Key(Qt::Key key) {
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form.get(), key, Qt::ControlModifier);
    }
    // Answers the print dialog: the page on display (no pages), every page ("*") or the pages
    // typed, the paper, the verses only, the author's name.
    void QueueChoices(const QString& pages, SheetLayout layout, bool verses = false,
                      bool signedStrips = false) {
        dialogs.QueueModal([=](QDialog* window) {
            const QString choice = pages.isEmpty()   ? u"ShownPage"_s
                                   : pages == u"*"_s ? u"AllPages"_s
                                                     : u"SomePages"_s;
            window->findChild<QRadioButton*>(choice)->setChecked(true);
            window->findChild<QLineEdit*>(u"PageRange"_s)->setText(pages);
            window->findChild<QCheckBox*>(u"VersesOnly"_s)->setChecked(verses);
            window->findChild<QCheckBox*>(u"Signed"_s)->setChecked(signedStrips);
            window->findChild<QComboBox*>(u"Paper"_s)->setCurrentIndex(int(layout));
            window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            if (window->isVisible()) // a message said why
                window->reject();
        });
    }
};

// The page list shows what is read; its rules read the rows as stored: a verse that reads 序
// is a verse page. The PDF has the pages chosen in the dialog, and the author as its creator.
TEST_F(WindowExport, KeysAndStripMenuExportAndPrintTheChosenPages) {
    Kushu kushu = MakeKushu(5);
    kushu.Entries[1].Verse = u"蜩《ひぐらし》の鳴く夕暮れ"_s;
    kushu.Entries[2].Verse = u"｜序《じょ》"_s;
    Write(kushu);
    Start();
    Open(u"春_一"_s);
    const QStringList rows = PageRows(kushu);
    ASSERT_EQ(Rows().first(4), QStringList({u"序"_s, u"蜩の鳴く夕暮れ"_s, u"序"_s, rows[3]}));
    PageList()->setCurrentRow(2);
    Type(u"序に見えて句"_s);
    PageList()->setCurrentRow(0);
    EXPECT_EQ(form->KansoList().value(2), u"序に見えて句"_s);

    dialogs.QueueChoice(0); // PDF
    QueueChoices(u"x"_s, SheetLayout::B4);
    Key(Qt::Key_E);
    EXPECT_EQ(OneMessage(MsgStyle::Ok), u"「x」はページの指定として読めません（例：2-5,8）。"_s);
    dialogs.QueueChoice(0);
    QueueChoices(u"１－３，９"_s, SheetLayout::B4, true, true);
    dialogs.QueueFileName(Path(u"句集"_s));
    Key(Qt::Key_E);
    const PdfProbe pdf = ProbePdf(Path(u"句集.pdf"_s));
    EXPECT_EQ(pdf.Pages, 1);
    EXPECT_EQ(pdf.AttachedText, QString::fromUtf8(print::PagesText(kushu, rows, {1, 2})));
    EXPECT_TRUE(Poppler(u"pdfinfo"_s, {u"-meta"_s, Path(u"句集.pdf"_s)})
                    .contains(u"<dc:creator><rdf:Seq><rdf:li>芭蕉</rdf:li>"_s));

    PageList()->setCurrentRow(7); // プロフィール
    const QPoint at = form->findChild<QWidget*>(u"Shape1"_s)->geometry().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, form->mapToGlobal(at));
    QApplication::sendEvent(form.get(), &click);
    QMenu* menu = form->StripMenu();
    ASSERT_TRUE(menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    EXPECT_EQ(actions[0]->text() + actions[1]->text(), u"PDFに書き出す…画像に書き出す…"_s);
    menu->close();
    dialogs.QueueChoice(2); // 4×
    dialogs.QueueFileName(Path(u"短冊"_s));
    actions[1]->trigger();
    EXPECT_EQ(QImage(Path(u"短冊.png"_s)).size(), print::StripPixelSize() * 4);
    dialogs.QueueChoice(0);
    dialogs.QueueFileName(Path(u"無い/短冊.png"_s));
    actions[1]->trigger();
    EXPECT_TRUE(
        OneMessage(ui::MsgStyle::Notice).startsWith(u"ファイル「短冊.png」に書き出せません。"_s));

    QueueChoices({}, SheetLayout::Tanzaku);
    dialogs.PrintTo = Path(u"印刷.pdf"_s);
    Key(Qt::Key_P);
    const PdfProbe printed = ProbePdf(dialogs.PrintTo);
    EXPECT_TRUE(dialogs.PrintPreviews == 1 && printed.Pages == 1 &&
                qAbs(printed.Points.width() - 171.8) < 1);
}

// Past the preview's bound only the first pages are previewed, and said so, but every page
// is printed. A cancel stops an export silently, a full disk at once with the message; either
// leaves the old file as it was, and no other. The shown comment is on the disk first.
TEST_F(WindowExport, ThePreviewIsBoundedAndAnExportStopsAtACancelOrAFullDisk) {
    Write(MakeKushu(120)); // 124 pages
    Start();
    Open(u"春_一"_s);
    Type(u"書きかけ"_s);
    for (const int pdf : {0, 1, 1}) { // print every page on tanzaku; twice a PDF
        if (pdf)
            dialogs.QueueChoice(0);
        QueueChoices(u"*"_s, SheetLayout::Tanzaku);
    }
    dialogs.PreviewTo = Path(u"プレビュー.pdf"_s), dialogs.PrintTo = Path(u"印刷.pdf"_s);
    Key(Qt::Key_P);
    EXPECT_EQ(ProbePdf(dialogs.PreviewTo).Pages, PreviewPageLimit);
    EXPECT_EQ(ProbePdf(dialogs.PrintTo).Pages, 124);
    EXPECT_EQ(dialogs.PreviewNote, u"ページが多いため、プレビューには全124ページのうち最初の"_s +
                                       u"100ページだけを表示しています。印刷すると124ページ"_s +
                                       u"すべてを印刷します。"_s);
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s).value(0), u"書きかけ"_s);

    WriteBytes(Path(u"句集.pdf"_s), "old");
    dialogs.QueueFileName(Path(u"句集.pdf"_s)), dialogs.QueueFileName(Path(u"句集.pdf"_s));
    dialogs.CancelAt = 10;
    Key(Qt::Key_E);
    EXPECT_TRUE(dialogs.ProgressSteps.back() == 10 && dialogs.Messages.isEmpty());
    dialogs.CancelAt = -1;
    WithFileSizeLimit(64 * 1024, [this] { return Key(Qt::Key_E), QString(); });
    EXPECT_LT(dialogs.ProgressSteps.back(), 100); // pages drawn
    EXPECT_EQ(OneMessage(MsgStyle::Notice),
              u"ファイル「句集.pdf」に書き出せません。\r"_s +
                  u"ディスクの空きが足りないか、書き込み中にエラーが起きました。"_s);
    EXPECT_EQ(ReadBytes(Path(u"句集.pdf"_s)), QByteArray("old"));
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.pdf*"_s}, QDir::Files | QDir::Hidden).size(), 3);
}

// The image at 1× is the reading window's strip: same typesetting, same colours.
TEST_F(WindowExport, ImageAtOneTimesMatchesTheWindowsStrip) {
    const QString sample = QDir(QStringLiteral(YOMIWA_SAMPLES_DIR)).entryList({u"*.Ywk"_s})[0];
    ASSERT_TRUE(QFile::copy(QStringLiteral(YOMIWA_SAMPLES_DIR) + sample, Path(sample)));
    Start();
    Open(sample.chopped(4));
    const QRect strip = form->findChild<QWidget*>(u"Shape1"_s)->geometry();
    for (int row = 0; row < 4; ++row) {
        PageList()->setCurrentRow(row);
        const QImage screen = form->grab(strip).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage image = print::StripImage(
            print::PageToPrint(form->ViewerKushu(), PageRows(form->ViewerKushu()), row), 1);
        ASSERT_EQ(screen.size(), image.size());
        int compared = 0, differing = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = image.pixel(x, y), b = screen.pixel(x, y);
                if (qAlpha(a) < 255)
                    continue; // the window's background shows in the rounded corners
                ++compared;
                differing += qAbs(qRed(a) - qRed(b)) > 24 || qAbs(qGreen(a) - qGreen(b)) > 24 ||
                             qAbs(qBlue(a) - qBlue(b)) > 24;
            }
        }
        EXPECT_LT(differing, compared / 200) << "page " << row << ": " << differing;
    }
}

// Every sheet but a tanzaku and B4 borderless keeps its strips 5 mm and its cut marks 3 mm
// inside the paper; a row of strips reads from the right.
TEST(StripSheets, PaperSizeStripsPerSheetMarginsFontsAndText) {
    const struct {
        SheetLayout layout;
        QSizeF points;
        int perSheet;
        qreal margin;
    } cases[] = {{SheetLayout::Tanzaku, {171.8, 1030.7}, 1, 0},
                 {SheetLayout::B4, {728.5, 1031.8}, 4, 5},
                 {SheetLayout::B4Borderless, {728.5, 1031.8}, 4, 0},
                 {SheetLayout::A4, {595.3, 841.9}, 4, 5},
                 {SheetLayout::A4Fit, {595.3, 841.9}, 1, 5}};
    Kushu k = MakeKushu(6);
    k.Entries[0].Commentary = u"ab"_s; // 序 hidden: nine pages
    k.Entries[2].Verse = u"ぶーんと蜂"_s;
    const QStringList rows = PageRows(k);
    const PrintJob job{{0, 1, 2, 3, 4, 5, 6, 7, 8}};
    const QString text = QString::fromUtf8(PagesText(k, rows, job.Pages));
    Folder folder;
    for (auto c : cases) {
        SCOPED_TRACE(NameOf(c.layout).toStdString());
        const Sheet sheet = SheetOf(c.layout);
        const QRectF paper(QPointF(0, 0), sheet.PaperMm());
        for (qsizetype i = 0; i < sheet.Strips.size(); ++i)
            EXPECT_TRUE(paper.adjusted(c.margin, c.margin, -c.margin, -c.margin)
                            .contains(sheet.Strips[i]) &&
                        (i == 0 || sheet.Strips[i].right() <= sheet.Strips[i - 1].left()));
        const qreal clear = c.margin > 0 ? 3 : 0;
        for (const QLineF& mark : sheet.CutMarks)
            for (const QPointF end : {mark.p1(), mark.p2()})
                EXPECT_TRUE(paper.adjusted(clear, clear, -clear, -clear).contains(end));
        const QString path = folder.File(NameOf(c.layout) + u".pdf"_s);
        ASSERT_EQ(WritePdf(path, k, rows, {job.Pages, c.layout}).error(), QString());
        const PdfProbe pdf = ProbePdf(path);
        EXPECT_EQ(pdf.Pages, (9 + c.perSheet - 1) / c.perSheet);
        EXPECT_TRUE(qAbs(pdf.Points.width() - c.points.width()) < 1 &&
                    qAbs(pdf.Points.height() - c.points.height()) < 1);
        EXPECT_TRUE(pdf.FontsEmbedded && pdf.AttachedText == text);
    }
    // An export goes through the program's one writing path, and says it was an export.
    EXPECT_EQ(WritePdf(folder.File(u"無い/短冊.pdf"_s), k, rows, {{0}}).error(),
              u"ファイル「短冊.pdf」に書き出せません。\rフォルダに書き込めません。"_s);
    // The text keeps what the drawing cannot give back: ー, and every listed page in order.
    EXPECT_TRUE(text.contains(u"句　ぶーんと蜂\n"_s));
}

// Pages as people type them, of ten: the rows chosen, or the part that is wrong.
TEST(StripSheets, PageRangesAsTyped) {
    const std::tuple<QString, QList<int>, QString> cases[] = {
        {u"2-5,8"_s, {1, 2, 3, 4, 7}, {}},
        {u" ８、３～４ ,3"_s, {2, 3, 7}, {}},
        {u"9-,-1"_s, {0, 8, 9}, {}},
        {u" "_s, {}, u"ページを指定してください（例：2-5,8）。"_s},
        {u"2,5-3"_s, {}, u"「5-3」は始めのページが終わりのページより後です。"_s},
        {u"3,11"_s, {}, u"「11」はこの句集にないページです（1 から 10 まで）。"_s},
        {u"0-2"_s, {}, u"「0-2」はこの句集にないページです（1 から 10 まで）。"_s},
        {u"1--3"_s, {}, u"「1--3」はページの指定として読めません（例：2-5,8）。"_s}};
    for (const auto& [typed, pages, error] : cases) {
        const Result<QList<int>> parsed = ParsePages(typed, 10);
        EXPECT_EQ(parsed.ok() ? parsed.value() : QList<int>(), pages) << typed.toStdString();
        EXPECT_EQ(parsed.error(), error);
    }
}

// A tanzaku sheet is half as wide for its height as the window's strip: readings and a verse
// in two lines must still keep clear of the preface (red) and the postscript (blue).
TEST(StripSheets, OnATanzakuReadingsLongVersesAndMissingGlyphsKeepClearOfTheirNeighbours) {
    const Kushu k = MakeKushu(1);
    StripPage page = PageToPrint(k, PageRows(k), 1);
    page.Preface = u"夏の夕暮れ"_s, page.Postscript = u"鶺鴒《せきれい》も見ゆ"_s;
    page.Colours[PrefaceFore] = 0x0000FF, page.Colours[VerseFore] = 0x00FF00;
    page.Colours[PostscriptFore] = 0xFF0000;
    const auto painted = [&page] {
        QImage image(200, 1200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintStrip(painter, page, QRectF(0, 0, 200, 1200));
        return image;
    };
    for (const QString& verse : {u"蜩《ひぐらし》や翡翠《かわせみ》の飛ぶ水面《みなも》"_s,
                                 QString(70, u'長'), u"\uE000\U0010FFFD長"_s}) {
        page.Verse = verse;
        const QImage image = painted();
        int extent[3][2] = {{999, -1}, {999, -1}, {999, -1}}; // blue, green, red: first, last x
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                for (const QColor c = image.pixelColor(x, y); int i : {0, 1, 2})
                    if (QList<int>{c.blue(), c.green(), c.red()}[i] > 200 &&
                        c.red() + c.green() + c.blue() < 330)
                        extent[i][0] = std::min(extent[i][0], x),
                        extent[i][1] = std::max(extent[i][1], x);
        EXPECT_TRUE(extent[0][1] >= 0 && extent[0][1] < extent[1][0] && extent[1][1] < extent[2][0])
            << verse.toStdString();
    }
    // Signed, a verse in two lines keeps a gap of an em above the author's name at its foot.
    page.Verse = QString(70, u'長');
    int widest[2] = {0, 0}; // the tallest gap in the verse column's ink, unsigned and signed
    for (const int signature : {0, 1}) {
        page.Signature = signature ? u"芭蕉"_s : QString();
        const QImage image = painted();
        for (int y = 0, last = -1; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c.green() > 200 && c.red() < 100) {
                    widest[signature] = std::max(widest[signature], last < 0 ? 0 : y - last);
                    last = y;
                    break;
                }
    }
    EXPECT_GT(widest[1], 3 * widest[0]) << widest[0] << " " << widest[1];
}

} // namespace
} // namespace yomiwa::test
