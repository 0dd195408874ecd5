// Where an installed or portable Yomiwa keeps its files, what its command line asks for, and
// the lock that lets one Yomiwa at a time run on a folder.
// A second start hands its file to the running Yomiwa over a real local socket; the running
// one stores and writes the comment on display first, as opening from the list does.

#include "app/AppFolderChoice.h"
#include "app/CommandLine.h"
#include "app/HandOver.h"
#include "app/InstanceChannel.h"
#include "app/SingleInstance.h"
#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "model/SharedState.h"
#include "tests/TestSupport.h"
#include "ui/BoxText.h"
#include "ui/Dialogs.h"
#include "viewer/MainForm.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
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

// The user's runtime folder, private to one test: the channel's socket goes there.
struct RuntimeFolder {
    RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.Path().chopped(1))); }
    ~RuntimeFolder() { qunsetenv("XDG_RUNTIME_DIR"); }
    Folder folder;
};

// Runs the second start's side on a thread of its own so that this one can serve it; the
// open that the running side queued has been done when it returns.
template <typename F> auto Served(F client) {
    auto sent = std::async(std::launch::async, client);
    while (sent.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return sent.get();
}

sockaddr_un Address(const QString& path) {
    sockaddr_un address{AF_UNIX, {}};
    const QByteArray bytes = QFile::encodeName(path);
    std::copy_n(bytes.constData(), std::min(bytes.size(), qsizetype(107)), address.sun_path);
    return address;
}

TEST(HandOverChannel, APrivateFolderForEachProgramFolderOrNone) {
    RuntimeFolder runtime;
    Folder a, b, c;
    const QString inRuntime = app::ChannelName(a.Path());
    EXPECT_TRUE(inRuntime.startsWith(runtime.folder.File(u"yomiwa-"_s)));
    EXPECT_NE(app::ChannelName(b.Path()), inRuntime);
    // A socket left by a process that died is replaced; anything else is left alone.
    const sockaddr_un address = Address(inRuntime);
    const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(dead, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(dead);
    app::InstanceServer server;
    EXPECT_EQ(server.Listen(inRuntime).error(), QString());
    WriteBytes(runtime.folder.File(u"file"_s), "mine");
    EXPECT_TRUE(server.Listen(runtime.folder.File(u"file"_s)).error().startsWith(u"yomiwa: "_s));
    EXPECT_EQ(ReadBytes(runtime.folder.File(u"file"_s)), "mine");
    // No room left for the socket's name in the runtime folder: `.yomiwa-run/`, 0700.
    const QByteArray deep = QFile::encodeName(runtime.folder.File(QString(100, u'r')));
    ASSERT_EQ(::mkdir(deep, 0700), 0);
    qputenv("XDG_RUNTIME_DIR", deep);
    EXPECT_TRUE(app::ChannelName(a.Path()).startsWith(a.File(u".yomiwa-run/yomiwa-"_s)));
    struct stat st {};
    EXPECT_TRUE(::stat(QFile::encodeName(a.File(u".yomiwa-run"_s)), &st) == 0 &&
                (st.st_mode & 0777) == 0700);
    // One that others may enter, or a link to a good one, is not used: no hand-over.
    ASSERT_EQ(::mkdir(QFile::encodeName(b.File(u".yomiwa-run"_s)), 0755), 0);
    ASSERT_TRUE(QFile::link(a.File(u".yomiwa-run"_s), c.File(u".yomiwa-run"_s)));
    EXPECT_EQ(app::ChannelName(b.Path()) + app::ChannelName(c.Path()), QString());
    EXPECT_EQ(server.Listen({}).error(),
              u"yomiwa: 句集を受け渡すソケットを、自分だけが入れるフォルダに置けません。"
              u"後から起動した yomiwa が渡す句集は開きません。"_s);
}

// A running side on a private runtime folder that notes what it is asked to open.
class Channel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(server.Listen(name).error(), QString());
        QObject::connect(&server, &app::InstanceServer::FileRequested,
                         [this](const QString& path) { requested << path; });
    }
    // Sends the parts a moment apart on a connection of its own; what the running side said.
    QByteArray Exchange(const QList<QByteArray>& parts) {
        return Served([&] {
            QLocalSocket socket;
            socket.connectToServer(name);
            socket.waitForConnected(1000);
            for (const QByteArray& part : parts) {
                socket.write(part);
                socket.waitForBytesWritten(1000);
                QThread::msleep(50);
            }
            socket.waitForReadyRead(500);
            return socket.readAll();
        });
    }
    static QByteArray Message(const QByteArray& path, quint32 length) {
        QByteArray message(4, '\0');
        qToBigEndian(length, message.data());
        return message + path;
    }

    RuntimeFolder runtime;
    Folder folder;
    const QString name = app::ChannelName(folder.Path());
    app::InstanceServer server;
    QStringList requested;
};

TEST_F(Channel, AnyFileNameWholeAndCheckedAndNothingElse) {
    // A slow open: the second start has had its answer before it begins.
    QObject::connect(&server, &app::InstanceServer::FileRequested, [] { QThread::msleep(500); });
    const QString lineBreak = u"/旅/A.Ywk\nB.Ywk"_s;
    EXPECT_TRUE(Served([&] { return app::HandOver(name, lineBreak, 300); }));
    const QByteArray split = Message("/split.Ywk", 10), big(70000, '/');
    for (const QList<QByteArray>& refused :
         QList<QList<QByteArray>>{{Message(big.left(40000), 70000), big.mid(40000)},
                                  {Message("/a.Ywk", 7)},
                                  {Message("/a.Ywk", 6) + 'x'},
                                  {Message({}, 0)},
                                  {Message("a.Ywk", 5)},
                                  {Message(QByteArray("/a\0.Ywk", 7), 7)}})
        EXPECT_EQ(Exchange(refused), QByteArray()) << refused.value(0).toStdString();
    EXPECT_EQ(Exchange({split.left(3), split.mid(3, 5), split.mid(8)}), "OK\n");
    EXPECT_EQ(requested, (QStringList{lineBreak, u"/split.Ywk"_s}));
    // Nobody listening: the second start goes on by itself.
    EXPECT_FALSE(app::HandOver(app::ChannelName(runtime.folder.Path()), u"/x.Ywk"_s, 1500));
}

TEST_F(Channel, AFloodOfConnectionsLeavesItServing) {
    // Few file descriptors to spare, as when a flood uses them up.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    const rlimit low{rlim_t(QDir(u"/proc/self/fd"_s).count()) + 1040, old.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    const sockaddr_un address = Address(name);
    std::vector<int> flood(1000);
    for (int& fd : flood) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        QCoreApplication::processEvents();
    }
    QTest::qWait(200);
    std::for_each(flood.begin(), flood.end(), ::close);
    ::setrlimit(RLIMIT_NOFILE, &old);
    QTest::qWait(200);
    EXPECT_TRUE(Served([&] { return app::HandOver(name, u"/after.Ywk"_s, 1500); }));
    EXPECT_EQ(requested, QStringList{u"/after.Ywk"_s});
}

TEST_F(Channel, NothingIsSentToAListenerOfAnotherUser) {
    // Taken first by someone else. One process cannot listen as two users: this listener
    // is this user's, and the second start is told to expect another.
    QLocalServer other;
    ASSERT_TRUE(other.listen(runtime.folder.File(u"taken"_s)));
    EXPECT_FALSE(app::HandOver(other.fullServerName(), u"/secret.Ywk"_s, 300, ::getuid() + 1));
    EXPECT_FALSE(app::HandOver(other.fullServerName(), u"/shared.Ywk"_s, 300));
    QByteArray received;
    while (other.waitForNewConnection(300))
        if (QLocalSocket* socket = other.nextPendingConnection(); socket->waitForReadyRead(300))
            received += socket->readAll();
    EXPECT_EQ(received, Message("/shared.Ywk", 11));
}

// The running one, on a folder of its own, showing 春 with a comment typed; boxes are real.
class HandOverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(WriteKushuFile(folder.Path(), MakeKushu(2, u"春"_s)).error(), QString());
        ASSERT_EQ(WriteKushuFile(elsewhere.Path(), MakeKushu(1, u"秋"_s)).error(), QString());
        ASSERT_TRUE(
            form.Form_Load(folder.Path().chopped(1), viewer::MainForm::OtherInstance::None));
        form.show();
        ASSERT_TRUE(form.OpenCollectionFile(folder.File(u"春_一.Ywk"_s)));
        comment->setPlainText(u"残す"_s);
        ASSERT_EQ(server.Listen(app::ChannelName(folder.Path())).error(), QString());
        QObject::connect(&server, &app::InstanceServer::FileRequested, &form,
                         [this](const QString& path) { app::OpenHandedOver(form, path); });
    }
    bool HandOverAutumn() {
        return Served(
            [this] { return app::HandOver(app::ChannelName(folder.Path()), autumn, 1500); });
    }
    QString Shown() const { return form.ViewerKushu().Title + ui::BoxText(comment); }
    QString CommentOnDisk(const QString& fileName) const {
        return ParseKansoBlocks(ReadBytes(folder.File(fileName))).value_or(QStringList()).value(0);
    }

    RuntimeFolder runtime;
    Folder folder, elsewhere;
    const QString autumn = elsewhere.File(u"秋_一.Ywk"_s);
    SharedState state;
    ui::QtDialogs boxes;
    viewer::MainForm form{state, boxes};
    QPlainTextEdit* comment = form.findChild<QPlainTextEdit*>(u"Text2"_s);
    app::InstanceServer server;
};

TEST_F(HandOverTest, OpensTheFileWhereItIsAfterWritingTheShownComment) {
    QDialog modal; // the editor or the password window, which work on the shared state
    modal.setModal(true);
    modal.show();
    ASSERT_TRUE(HandOverAutumn());
    QTest::qWait(400);
    EXPECT_EQ(Shown(), u"春残す"_s); // waits for the modal window to close
    EXPECT_EQ(CloseRealBoxes([&] {
                  modal.close();
                  QTRY_COMPARE(form.ViewerKushu().Title, u"秋"_s);
              }),
              QStringList());
    EXPECT_EQ(CommentOnDisk(u"春_一.kan"_s), u"残す"_s);
    // Its comments belong to AppFolder; the file is neither copied nor written beside.
    comment->setPlainText(u"秋の感想"_s);
    form.Command2_Click();
    EXPECT_EQ(CommentOnDisk(u"秋_一.kan"_s), u"秋の感想"_s);
    EXPECT_FALSE(QFile::exists(folder.File(u"秋_一.Ywk"_s)));
    EXPECT_EQ(QDir(elsewhere.Path()).entryList(QDir::Files), QStringList{u"秋_一.Ywk"_s});
}

// The running one refuses to open the file, so that the comment it cannot write is not
// lost, and says so in a real box after the second start has gone.
TEST_F(HandOverTest, ARefusalShownAfterTheSecondStartEndedKeepsTheComment) {
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.kan"_s)); // in the way of the comments file
    const QStringList said = CloseRealBoxes([this] {
        EXPECT_TRUE(HandOverAutumn());
        QTest::qWait(200);
    });
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(
        said[0].endsWith(u"感想が失われないよう、句集「秋_一」を開くのを取りやめました。"_s));
    EXPECT_EQ(Shown(), u"春残す"_s);
    ASSERT_TRUE(QDir(folder.Path()).rmdir(u"春_一.kan"_s));
    EXPECT_EQ(CloseRealBoxes([this] { form.OpenCollectionFile(autumn); }), QStringList());
    EXPECT_EQ(CommentOnDisk(u"春_一.kan"_s), u"残す"_s);
}

} // namespace
