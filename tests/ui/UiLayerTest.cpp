#include "BoxText.h"
#include "ColourValues.h"
#include "Shapes.h"
#include "SingleInstance.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace yomiwa;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;
using namespace yomiwa::test;

TEST(ColourValues, ControlsKeepTheValueTheyWereGivenAndPaintItsColour) {
    // Red in the lowest byte; a twip is a fifteenth of a pixel, rounded.
    EXPECT_EQ(ToQColor(0x00C0FFFF), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412);
    EXPECT_EQ(TwipsRect(120, 60, 2715, 7), QRect(8, 4, 181, 0));
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(ToQColor(SystemColour(5)), palette.color(QPalette::Base));
    EXPECT_EQ(ToQColor(SystemColour(8)), palette.color(QPalette::WindowText));
    EXPECT_EQ(ToQColor(SystemColour(18)), palette.color(QPalette::ButtonText));

    QWidget window;
    auto* label = new QLabel(&window);
    auto* box = new QPlainTextEdit(&window);
    RoundedShape shape(&window, 0x00C0FFFF, 0x000080FF, 3);
    SetBackColour(&window, SystemColour(15));
    SetForeColour(label, SystemColour(18));
    SetBackColour(box, 0x00C0FFFF);
    SetForeColour(box, SystemColour(8));
    shape.SetBorderColour(SystemColour(8));
    EXPECT_EQ((QList<ColourValue>{BackColour(&window), ForeColour(label), BackColour(box),
                                  ForeColour(box), shape.FillColour(), shape.BorderColour()}),
              (QList<ColourValue>{-2147483633, -2147483630, 12648447, -2147483640, 12648447,
                                  -2147483640}));
    EXPECT_EQ(window.palette().color(QPalette::Window), palette.color(QPalette::Button));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), palette.color(QPalette::ButtonText));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_TRUE(shape.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(BoxText, TextsCrossTheBoxUnchanged) {
    QPlainTextEdit box;
    for (const QString& text :
         {QString(), u"一\r\n二\r\n"_s, u"a\nb\r\nc"_s, u"\n\n"_s, u"　全角　\t"_s}) {
        SetBoxText(&box, text);
        EXPECT_EQ(BoxText(&box), text) << text.toStdString();
    }
    // A lone CR is a line break, as the files read it back.
    SetBoxText(&box, u"上\r下"_s);
    EXPECT_EQ(BoxText(&box), u"上\r\n下"_s);
    EXPECT_EQ(box.toPlainText(), u"上\n下"_s);
}

TEST(SingleInstance, OnlyALiveHolderKeepsTheProgramFromStarting) {
    // A process that has ended, for a lock it left behind.
    const pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    waitpid(dead, nullptr, 0);
    const QByteArray left =
        QByteArray::number(dead) + "\nyomiwa\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    // What a crash or a power cut while the lock was written leaves, and a dead holder.
    for (const QByteArray& contents :
         {QByteArray(), QByteArray("\n\n"), QByteArray("x\x01\xff"), QByteArray("123"), left}) {
        SCOPED_TRACE(contents.toStdString());
        Folder folder;
        WriteBytes(folder.File(u"yomiwa.lock"_s), contents);
        {
            ui::SingleInstanceLock lock(folder.Path());
            ASSERT_TRUE(lock.TryLock());
            ui::SingleInstanceLock second(folder.Path());
            EXPECT_FALSE(second.TryLock());
            EXPECT_TRUE(second.HeldByAnother());
        }
        EXPECT_TRUE(ui::SingleInstanceLock(folder.Path()).TryLock()); // released with its holder
    }
    // An instance that has made the file but not yet written it holds it locked all the same.
    Folder folder;
    QFile starting(folder.File(u"yomiwa.lock"_s));
    ASSERT_TRUE(starting.open(QIODevice::WriteOnly));
    ASSERT_EQ(flock(starting.handle(), LOCK_EX | LOCK_NB), 0);
    ui::SingleInstanceLock second(folder.Path());
    EXPECT_FALSE(second.TryLock());
    EXPECT_TRUE(second.HeldByAnother());
}
