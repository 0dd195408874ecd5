#include "ExportFiles.h"
#include "PageList.h"
#include "PdfProbe.h"
#include "StripPainter.h"
#include "ViewerFixture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace yomiwa::test {

class WindowExport : public ViewerTest {
protected:
    // Five verses, 序 hidden, 跋 プロフィール 奥付 listed: eight pages.
    void OpenCollection() {
        kushu = MakeKushu(5);
        kushu.Entries[0].Commentary = u"ab"_s;
        Write(kushu);
        Start();
        Open(u"春_一"_s);
        ASSERT_EQ(List1()->count(), 8);
    }
    void Key(Qt::Key key) {
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form.get(), key, Qt::ControlModifier);
    }
    Kushu kushu;
};

TEST_F(WindowExport, CommandsDoNothingWithoutACollection) {
    Start();
    Key(Qt::Key_E);
    Key(Qt::Key_P);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 50),
                            form->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(form.get(), &click);
    EXPECT_TRUE(dialogs.ChoicePrompts.isEmpty());
    EXPECT_EQ(dialogs.PrintPreviews, 0);
    EXPECT_FALSE(form->StripMenu()->isVisible());
}

TEST_F(WindowExport, CtrlEWritesThePdfOfTheListedPages) {
    OpenCollection();
    for (const int choice : {0, 1, 1}) // PDF, every page, B4
        dialogs.QueueChoice(choice);
    dialogs.QueueFileName(Path(u"句集"_s));
    Key(Qt::Key_E);
    const PdfProbe pdf = ProbePdf(Path(u"句集.pdf"_s));
    EXPECT_EQ(pdf.Pages, 2);
    EXPECT_EQ(pdf.AttachedText, QString::fromUtf8(print::PagesText(kushu, Rows(), 0, 8)));
    EXPECT_EQ(PageRows(kushu), Rows());
}

TEST_F(WindowExport, StripMenuWritesTheImageAndNamesAFileItCannotWrite) {
    OpenCollection();
    List1()->setCurrentRow(6); // プロフィール
    const QPoint onStrip = form->findChild<QWidget*>(u"Shape1"_s)->geometry().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, onStrip, form->mapToGlobal(onStrip));
    QApplication::sendEvent(form.get(), &click);
    QMenu* menu = form->StripMenu();
    EXPECT_TRUE(menu->isVisible());
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions.append(action->text());
    EXPECT_EQ(captions, (QStringList{u"PDFに書き出す…"_s, u"画像に書き出す…"_s}));
    menu->close();

    dialogs.QueueChoice(2); // 4×
    dialogs.QueueFileName(Path(u"短冊"_s));
    menu->actions()[1]->trigger();
    const QImage image(Path(u"短冊.png"_s));
    EXPECT_EQ(image.size(), print::StripPixelSize() * 4);

    dialogs.QueueChoice(0);
    dialogs.QueueFileName(Path(u"無い/短冊.png"_s));
    menu->actions()[1]->trigger();
    EXPECT_TRUE(OneMessage(ui::Dialogs::StyleNotice)
                    .startsWith(u"ファイル「短冊.png」に書き出せません。"_s));
}

TEST_F(WindowExport, CtrlPPrintsThePageOnDisplayOnATanzaku) {
    OpenCollection();
    dialogs.QueueChoice(0); // the page on display
    dialogs.QueueChoice(0); // tanzaku
    dialogs.PrintTo = Path(u"印刷.pdf"_s);
    Key(Qt::Key_P);
    EXPECT_EQ(dialogs.PrintPreviews, 1);
    const PdfProbe pdf = ProbePdf(dialogs.PrintTo);
    EXPECT_EQ(pdf.Pages, 1);
    EXPECT_NEAR(pdf.Points.width(), 171.8, 1);
}

// The image at 1× is the reading window's strip: same typesetting, same colours.
TEST_F(WindowExport, ImageAtOneTimesMatchesTheWindowsStrip) {
    const QString sample = QDir(QStringLiteral(YOMIWA_SAMPLES_DIR)).entryList({u"*.Ywk"_s})[0];
    ASSERT_TRUE(QFile::copy(QStringLiteral(YOMIWA_SAMPLES_DIR) + sample, Path(sample)));
    Start();
    Open(sample.chopped(4));
    const Kushu& k = state.ViewerKushu;
    const QRect strip = form->findChild<QWidget*>(u"Shape1"_s)->geometry();
    for (int row = 0; row < qMin(List1()->count(), 4); ++row) {
        SCOPED_TRACE(row);
        List1()->setCurrentRow(row);
        const QImage screen = form->grab(strip).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage image = print::StripImage(print::PageToPrint(k, Rows(), row), 1)
                                 .convertToFormat(QImage::Format_ARGB32);
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
        EXPECT_LT(differing, compared / 200) << differing << " of " << compared;
    }
}

} // namespace yomiwa::test
