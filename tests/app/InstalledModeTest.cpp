// Where an installed or portable Yomiwa keeps its files, and what its command line asks for.
// A second start hands its file to the running Yomiwa over a real local socket; the running
// one stores and writes the comment on display first, as opening from the list does.

#include "app/AppFolderChoice.h"
#include "app/CommandLine.h"
#include "app/HandOver.h"
#include "app/InstanceChannel.h"
#include "tests/TestSupport.h"
#include "tests/viewer/ViewerFixture.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// An installed program named "yomiwa" under a private HOME: its data folder is Data().
class DataFolder : public ::testing::Test {
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

TEST_F(DataFolder, PortableMarkerKeepsTheExecutablesFolderAndMakesNoDataFolder) {
    WriteBytes(exe.File(u"portable"_s), {});
    const app::FolderChoice choice = Choose();
    EXPECT_TRUE(choice.Portable && choice.Problem.isEmpty() && choice.Folder == exe.Path());
    EXPECT_EQ(Files(exe.Path()), QStringList{u"portable"_s});
    EXPECT_FALSE(QFileInfo::exists(Data()));
}

TEST_F(DataFolder, InstalledOffersEachSampleOnceAndNeverOverAUsersFile) {
    QFile::setPermissions(samples.File(u"春_一.Ywk"_s), QFile::ReadOwner); // as installed
    app::FolderChoice choice = Choose();
    EXPECT_TRUE(!choice.Portable && choice.Problem.isEmpty() && choice.Folder == Data());
    EXPECT_EQ(Files(Data()), (QStringList{u".samples-offered"_s, u"春_一.Ywk"_s, u"秋_一.Ywk"_s}));
    EXPECT_TRUE(QFileInfo(Data(u"春_一.Ywk"_s)).isWritable());

    // The user changes one sample and deletes the other; an update brings two more, one
    // under the name of a file the user made.
    WriteBytes(Data(u"春_一.Ywk"_s), "mine");
    QFile::remove(Data(u"秋_一.Ywk"_s));
    WriteBytes(Data(u"冬_一.Ywk"_s), "also mine");
    WriteBytes(samples.File(u"冬_一.Ywk"_s), "winter");
    WriteBytes(samples.File(u"夏_一.Ywk"_s), "summer");
    EXPECT_EQ(Choose().Problem, QString());
    EXPECT_EQ(Files(Data()),
              (QStringList{u".samples-offered"_s, u"冬_一.Ywk"_s, u"夏_一.Ywk"_s, u"春_一.Ywk"_s}));
    EXPECT_EQ(ReadBytes(Data(u"春_一.Ywk"_s)) + ReadBytes(Data(u"冬_一.Ywk"_s)), "minealso mine");
}

TEST_F(DataFolder, AFolderThatCannotBeMadeIsNamed) {
    WriteBytes(home.File(u".qttest"_s), {}); // a file where the folder would go
    EXPECT_EQ(Choose().Problem,
              u"データフォルダ「"_s + Data() +
                  u"」を作成できません。\r句集や感想を保存することはできません。"_s);
}

TEST_F(DataFolder, AStateFileNotOfTheProgramsOwnIsLeftAloneAndAFaultyOneReplaced) {
    const QString state = Data(u".samples-offered"_s);
    const std::function<void()> states[] = {
        [&] { ::mkfifo(QFile::encodeName(state).constData(), 0600); },
        [&] { QDir().mkdir(state); },
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
        auto chosen = std::async(std::launch::async, [this] { return Choose(); });
        const bool blocked = chosen.wait_for(std::chrono::seconds(10)) != std::future_status::ready;
        if (blocked) // let go by opening the FIFO's other end
            ::close(::open(QFile::encodeName(state).constData(), O_WRONLY | O_NONBLOCK));
        EXPECT_FALSE(blocked);
        EXPECT_EQ(chosen.get().Problem, QString());
        EXPECT_TRUE(QFileInfo(state).exists() && QFileInfo(state).isFile() == ours);
        EXPECT_EQ(ReadBytes(ours ? state : Data(u"秋_一.Ywk"_s)),
                  ours ? "春_一.Ywk\n秋_一.Ywk\n" : "autumn"); // offered again
    }
}

TEST_F(DataFolder, ARelativeXdgDataHomeIsIgnored) {
    QStandardPaths::setTestModeEnabled(false);
    qputenv("XDG_DATA_HOME", "share");
    EXPECT_EQ(Choose().Folder, home.File(u".local/share/yomiwa/"_s));
    qunsetenv("XDG_DATA_HOME");
    QStandardPaths::setTestModeEnabled(true);
}

TEST(CommandLine, FileHelpVersionAndEveryUsageFault) {
    using A = app::CommandLine::Action;
    const QString here = QDir::currentPath() + u'/',
                  usage = u"使い方: yomiwa [句集ファイル.Ywk]\n"_s;
    const struct {
        QStringList Args;
        A What;
        QString File, Output;
        // clang-format off
    } cases[] = {
        {{}, A::Run, {}, {}},
        {{u"sub/春_一.Ywk"_s}, A::Run, here + u"sub/春_一.Ywk"_s, {}},
        {{u"--help"_s}, A::Help, {}, usage},
        {{u"--version"_s}, A::Version, {}, u"yomiwa 1.1\n"_s},
        {{u"a.txt"_s}, A::Usage, {}, u"yomiwa: 句集ファイル（.Ywk）ではありません: a.txt\n"_s + usage},
        {{u"a.Ywk"_s, u"b.Ywk"_s}, A::Usage, {}, u"yomiwa: 開ける句集ファイルは一つだけです。\n"_s + usage},
        {{u"--bogus"_s}, A::Usage, {}, u"yomiwa: 不明なオプションです: bogus\n"_s + usage},
    };
    // clang-format on
    for (const auto& c : cases) {
        const app::CommandLine line =
            app::ParseCommandLine(QStringList{u"yomiwa"_s} + c.Args, u"1.1"_s);
        EXPECT_EQ(line.What, c.What) << c.Args.join(u' ').toStdString();
        EXPECT_EQ(line.File, c.File);
        EXPECT_TRUE(line.Output.startsWith(c.Output)) << line.Output.toStdString();
        EXPECT_EQ(line.ExitCode(), c.What == A::Usage ? 2 : 0);
    }
    EXPECT_TRUE(app::ParseCommandLine({u"yomiwa"_s, u"-platform"_s}, {}).UnknownOption);
}

class HandOverTest : public ViewerTest {
protected:
    void SetUp() override {
        Write(MakeKushu(2, u"春"_s));
        ASSERT_EQ(WriteKushuFile(elsewhere.Path(), MakeKushu(1, u"秋"_s)).error(), QString());
        Start();
        ASSERT_TRUE(server.Listen(app::ChannelName(folder.Path())));
        QObject::connect(&server, &app::InstanceServer::FileRequested, form.get(),
                         [this](const QString& path) { app::OpenHandedOver(*form, path); });
        Open(u"春_一"_s);
        Type(u"残す"_s);
    }
    // The second start, on a thread of its own so that this one can serve it.
    bool HandOverAutumn() {
        const QString channel = app::ChannelName(folder.Path()),
                      path = elsewhere.File(u"秋_一.Ywk"_s);
        auto sent =
            std::async(std::launch::async, [&] { return app::HandOver(channel, path, 1500); });
        while (sent.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return sent.get();
    }

    Folder elsewhere;
    app::InstanceServer server;
};

TEST_F(HandOverTest, OpensTheFileWhereItIsAfterWritingTheShownComment) {
    QDialog modal; // the editor or the password window, which work on the shared state
    modal.setModal(true);
    modal.show();
    ASSERT_TRUE(HandOverAutumn());
    QTest::qWait(400);
    EXPECT_EQ(Label(5)->text(), u"春"_s); // waits for the modal window to close
    modal.close();
    QTRY_COMPARE(Label(5)->text(), u"秋"_s);
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s).value(0), u"残す"_s);
    // Its comments belong to AppFolder; the file is neither copied nor written beside.
    Type(u"秋の感想"_s);
    form->Command2_Click();
    EXPECT_EQ(CommentsOnDisk(u"秋_一.kan"_s).value(0), u"秋の感想"_s);
    EXPECT_FALSE(QFile::exists(Path(u"秋_一.Ywk"_s)));
    EXPECT_EQ(QDir(elsewhere.Path()).entryList(QDir::Files), QStringList{u"秋_一.Ywk"_s});
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(HandOverTest, RefusalsLeaveTheOpenCollectionAsItWas) {
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.kan"_s)); // in the way of the comments file
    ASSERT_TRUE(HandOverAutumn());
    QTRY_COMPARE(dialogs.Messages.size(), 1);
    EXPECT_TRUE(
        OneMessage(ui::MsgStyle::Ok)
            .endsWith(u"\r\r感想が失われないよう、句集「秋_一」を開くのを取りやめました。"_s));
    EXPECT_EQ(Label(5)->text() + ui::BoxText(Text2()), u"春残す"_s);
    // Nobody listening: the second start goes on by itself.
    EXPECT_FALSE(app::HandOver(app::ChannelName(elsewhere.Path()), u"/x.Ywk"_s, 1500));
}

} // namespace
