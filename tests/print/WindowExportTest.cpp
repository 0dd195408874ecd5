#include "ExportFiles.h"
#include "PageList.h"
#include "PdfProbe.h"
#include "StripPainter.h"
#include "ViewerFixture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace yomiwa::test {

class WindowExport : public ViewerTest {
protected:
    void Key(Qt::Key key) {
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form.get(), key, Qt::ControlModifier);
    }
    void RightClickStrip() {
        const QPoint at = form->findChild<QWidget*>(u"Shape1"_s)->geometry().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, form->mapToGlobal(at));
        QApplication::sendEvent(form.get(), &click);
    }
};

TEST_F(WindowExport, KeysAndStripMenuExportAndPrintTheListedPages) {
    Kushu kushu = MakeKushu(5);
    kushu.Entries[0].Commentary = u"ab"_s; // 序 hidden: five verses and three special pages
    Write(kushu);
    Start();
    Key(Qt::Key_E); // nothing open: nothing asked
    Key(Qt::Key_P);
    RightClickStrip();
    EXPECT_FALSE(form->StripMenu()->isVisible());
    Open(u"春_一"_s);
    ASSERT_EQ(Rows(), PageRows(kushu));

    for (const int choice : {0, 1, 1}) // PDF, every page, B4
        dialogs.QueueChoice(choice);
    dialogs.QueueFileName(Path(u"句集"_s));
    Key(Qt::Key_E);
    const PdfProbe pdf = ProbePdf(Path(u"句集.pdf"_s));
    EXPECT_EQ(pdf.Pages, 2);
    EXPECT_EQ(pdf.AttachedText, QString::fromUtf8(print::PagesText(kushu, Rows(), 0, 8)));

    List1()->setCurrentRow(6); // プロフィール
    RightClickStrip();
    QMenu* menu = form->StripMenu();
    ASSERT_TRUE(menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    EXPECT_EQ(actions[0]->text(), u"PDFに書き出す…"_s);
    EXPECT_EQ(actions[1]->text(), u"画像に書き出す…"_s);
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

    dialogs.QueueChoice(0); // the page on display
    dialogs.QueueChoice(0); // tanzaku
    dialogs.PrintTo = Path(u"印刷.pdf"_s);
    Key(Qt::Key_P);
    EXPECT_EQ(dialogs.PrintPreviews, 1);
    EXPECT_EQ(ProbePdf(dialogs.PrintTo).Pages, 1);
    EXPECT_NEAR(ProbePdf(dialogs.PrintTo).Points.width(), 171.8, 1);
}

// The image at 1× is the reading window's strip: same typesetting, same colours.
TEST_F(WindowExport, ImageAtOneTimesMatchesTheWindowsStrip) {
    const QString sample = QDir(QStringLiteral(YOMIWA_SAMPLES_DIR)).entryList({u"*.Ywk"_s})[0];
    ASSERT_TRUE(QFile::copy(QStringLiteral(YOMIWA_SAMPLES_DIR) + sample, Path(sample)));
    Start();
    Open(sample.chopped(4));
    const QRect strip = form->findChild<QWidget*>(u"Shape1"_s)->geometry();
    for (int row = 0; row < 4; ++row) {
        List1()->setCurrentRow(row);
        const QImage screen = form->grab(strip).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage image =
            print::StripImage(print::PageToPrint(state.ViewerKushu, Rows(), row), 1);
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

} // namespace yomiwa::test
