#include "SingleInstance.h"
#include "TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

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
        ui::SingleInstanceLock lock(folder.Path());
        EXPECT_TRUE(lock.TryLock());
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
