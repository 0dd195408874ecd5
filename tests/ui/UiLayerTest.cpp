#include "strip/Colours.h"
#include "tests/TestSupport.h"
#include "ui/BoxText.h"
#include "ui/ColourValues.h"
#include "ui/SingleInstance.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace yomiwa;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;
using namespace yomiwa::test;

TEST(UiValues, ColoursAndBoxTexts) {
    // Red in the lowest byte; a system colour paints the palette's (their values arriving in
    // the windows: see the end-to-end test).
    EXPECT_EQ(strip::ToQColor(0x00C0FFFF), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(strip::ToQColor(SystemColour(15)), QApplication::palette().color(QPalette::Button));
    // A lone CR in a box's text is a line break, as the files read it back.
    QPlainTextEdit box;
    SetBoxText(&box, u"上\r下\na"_s);
    EXPECT_EQ(BoxText(&box), u"上\r\n下\na"_s);
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
    for (const QByteArray& contents : {QByteArray(), QByteArray("x\x01\xff"), left}) {
        SCOPED_TRACE(contents.toStdString());
        Folder folder;
        WriteBytes(folder.File(u"yomiwa.lock"_s), contents);
        auto lock = std::make_unique<ui::SingleInstanceLock>(folder.Path());
        ASSERT_TRUE(lock->TryLock());
        ui::SingleInstanceLock second(folder.Path());
        EXPECT_TRUE(!second.TryLock() && second.HeldByAnother());
        lock.reset();
        EXPECT_TRUE(second.TryLock()); // released with its holder
    }
    // An instance that has made the file but not yet written it holds it locked all the same.
    Folder folder;
    QFile starting(folder.File(u"yomiwa.lock"_s));
    ASSERT_TRUE(starting.open(QIODevice::WriteOnly));
    ASSERT_EQ(flock(starting.handle(), LOCK_EX | LOCK_NB), 0);
    ui::SingleInstanceLock second(folder.Path());
    EXPECT_TRUE(!second.TryLock() && second.HeldByAnother());
}
