#include "app/SingleInstance.h"
#include "tests/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;
using namespace yomiwa::test;

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
        auto lock = std::make_unique<app::SingleInstanceLock>(folder.Path());
        ASSERT_TRUE(lock->TryLock());
        app::SingleInstanceLock second(folder.Path());
        EXPECT_TRUE(!second.TryLock() && second.HeldByAnother());
        lock.reset();
        EXPECT_TRUE(second.TryLock()); // released with its holder
    }
    // An instance that has made the file but not yet written it holds it locked all the same.
    Folder folder;
    QFile starting(folder.File(u"yomiwa.lock"_s));
    ASSERT_TRUE(starting.open(QIODevice::WriteOnly));
    ASSERT_EQ(flock(starting.handle(), LOCK_EX | LOCK_NB), 0);
    app::SingleInstanceLock second(folder.Path());
    EXPECT_TRUE(!second.TryLock() && second.HeldByAnother());
}
