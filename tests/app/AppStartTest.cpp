// SPDX-License-Identifier: GPL-3.0-or-later
// Where an installed or portable Yomiwa keeps its files, what its command line asks for, and
// the lock that lets one Yomiwa at a time run on a folder.

#include "app/AppFolderChoice.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "tests/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// An installed program named "yomiwa" under a private HOME: its data folder is Data().
class AppStart : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("HOME", home.Path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName({});
        QCoreApplication::setApplicationName(u"yomiwa"_s);
        WriteBytes(samples.File(u"春_一.Ywk"_s), "spring");
        WriteBytes(samples.File(u"秋_一.Ywk"_s), "autumn");
    }
    void TearDown() override { qputenv("HOME", m_home); }
    app::FolderChoice Choose() const {
        return app::ChooseAppFolder(exe.Path().chopped(1), samples.Path().chopped(1));
    }
    QString Data(const QString& name = {}) const {
        return home.File(u".qttest/share/yomiwa/"_s + name);
    }
    static QStringList Files(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    Folder home, exe, samples;
    const QByteArray m_home = qgetenv("HOME");
};

TEST_F(AppStart, PortableMarkerKeepsTheExecutablesFolderAndMakesNoDataFolder) {
    WriteBytes(exe.File(u"portable"_s), {});
    const app::FolderChoice choice = Choose();
    EXPECT_TRUE(choice.Portable && choice.Writable.ok() && choice.Folder == exe.Path());
    EXPECT_EQ(Files(exe.Path()), QStringList{u"portable"_s});
    EXPECT_FALSE(QFileInfo::exists(Data()));
}

TEST_F(AppStart, InstalledOffersEachSampleOnceAndNeverOverAUsersFile) {
    QFile::setPermissions(samples.File(u"春_一.Ywk"_s), QFile::ReadOwner); // as installed
    app::FolderChoice choice = Choose();
    EXPECT_TRUE(!choice.Portable && choice.Writable.ok() && choice.Folder == Data());
    EXPECT_EQ(Files(Data()), (QStringList{u".samples-offered"_s, u"春_一.Ywk"_s, u"秋_一.Ywk"_s}));
    EXPECT_TRUE(QFileInfo(Data(u"春_一.Ywk"_s)).isWritable());

    // The user changes one sample and deletes the other; an update brings two more, one
    // under the name of a file the user made.
    WriteBytes(Data(u"春_一.Ywk"_s), "mine");
    QFile::remove(Data(u"秋_一.Ywk"_s));
    WriteBytes(Data(u"冬_一.Ywk"_s), "also mine");
    WriteBytes(samples.File(u"冬_一.Ywk"_s), "winter");
    WriteBytes(samples.File(u"夏_一.Ywk"_s), "summer");
    EXPECT_TRUE(Choose().Writable.ok());
    EXPECT_EQ(Files(Data()),
              (QStringList{u".samples-offered"_s, u"冬_一.Ywk"_s, u"夏_一.Ywk"_s, u"春_一.Ywk"_s}));
    EXPECT_EQ((QList{ReadBytes(Data(u"春_一.Ywk"_s)), ReadBytes(Data(u"冬_一.Ywk"_s))}),
              (QList<QByteArray>{"mine", "also mine"}));
}

TEST_F(AppStart, AFolderThatCannotBeMadeIsNamed) {
    WriteBytes(home.File(u".qttest"_s), {}); // a file where the folder would go
    EXPECT_EQ(ErrorOf(Choose().Writable),
              (Error{ErrorKind::CannotWrite,
                     u"データフォルダ「"_s + Data() +
                         u"」を作成できません。\r句集や感想を保存することはできません。"_s}));
}

TEST_F(AppStart, AStateFileNotOfTheProgramsOwnIsLeftAloneAndAFaultyOneReplaced) {
    const QString state = Data(u".samples-offered"_s);
    const std::function<void()> states[] = {
        [&] { ::mkfifo(QFile::encodeName(state).constData(), 0600); },
        [&] { QFile::link(u"/dev/zero"_s, state); },
        [&] { WriteBytes(state, QByteArray("夏_一.Ywk\n").repeated(6000)); },  // too large
        [&] { WriteBytes(state, QByteArray("夏_一.Ywk\n") + '\0' + '\xff'); }, // not text
    };
    for (const auto& make : states) {
        SCOPED_TRACE(&make - states);
        QDir(Data()).removeRecursively();
        QDir().mkpath(Data());
        make();
        const bool ours = QFileInfo(state).isFile() && !QFileInfo(state).isSymLink();
        EXPECT_TRUE(Choose().Writable.ok()); // a read of the FIFO would never return
        EXPECT_TRUE(QFileInfo(state).exists() && QFileInfo(state).isFile() == ours);
        EXPECT_EQ(ReadBytes(ours ? state : Data(u"秋_一.Ywk"_s)),
                  ours ? "春_一.Ywk\n秋_一.Ywk\n" : "autumn"); // offered again
    }
}

TEST_F(AppStart, ARelativeXdgDataHomeIsIgnored) {
    QStandardPaths::setTestModeEnabled(false);
    qputenv("XDG_DATA_HOME", "share");
    EXPECT_EQ(Choose().Folder, home.File(u".local/share/yomiwa/"_s));
    qunsetenv("XDG_DATA_HOME");
    QStandardPaths::setTestModeEnabled(true);
}

TEST_F(AppStart, CommandLineFileHelpAndEveryUsageFault) {
    using A = app::CommandLine::Action;
    const QString here = QDir::currentPath() + u'/',
                  usage = u"使い方: yomiwa [句集ファイル.Ywk]\n"_s;
    const auto fault = [&](const QString& why) {
        return u"yomiwa: "_s + why + u'\n' + usage;
    };
    // --version and an unknown option: see the installed program's own answers.
    const std::tuple<QStringList, A, QString, QString> cases[] = {
        // arguments, action, file, output
        {{}, A::Run, {}, {}},
        {{u"sub/春_一.Ywk"_s}, A::Run, here + u"sub/春_一.Ywk"_s, {}},
        {{u"--help"_s}, A::Help, {}, usage},
        {{u"a.txt"_s}, A::Usage, {}, fault(u"句集ファイル（.Ywk）ではありません: a.txt"_s)},
        {{u"a.Ywk"_s, u"b.Ywk"_s}, A::Usage, {}, fault(u"開ける句集ファイルは一つだけです。"_s)},
    };
    for (const auto& [args, what, file, output] : cases) {
        const app::CommandLine line =
            app::ParseCommandLine(QStringList{u"yomiwa"_s} + args, u"1.1"_s);
        EXPECT_EQ(line.What, what) << args.join(u' ').toStdString();
        EXPECT_EQ(line.File, file);
        EXPECT_TRUE(line.Output.startsWith(output)) << line.Output.toStdString();
        EXPECT_EQ(line.ExitCode(), what == A::Usage ? 2 : 0);
    }
    EXPECT_TRUE(app::ParseCommandLine({u"yomiwa"_s, u"-platform"_s}, {}).UnknownOption);
}

TEST_F(AppStart, OnlyALiveLockHolderKeepsTheProgramFromStarting) {
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

// The user's runtime folder, private to one test: the channel's socket goes there.
} // namespace
