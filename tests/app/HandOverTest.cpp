// SPDX-License-Identifier: GPL-3.0-or-later
// A second start hands its file to the running Yomiwa over a real local socket; the running
// one stores and writes the comment on display first, as opening from the list does.

#include "app/HandOver.h"
#include "app/InstanceChannel.h"
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
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <future>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

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
    EXPECT_EQ((QStringList{app::ChannelName(b.Path()), app::ChannelName(c.Path())}),
              QStringList(2));
    EXPECT_EQ(server.Listen({}).error(),
              u"yomiwa: 句集を受け渡すソケットを、自分だけが入れるフォルダに置けません。"
              u"後から起動した yomiwa が渡す句集は開きません。"_s);
}

// A running side on a private runtime folder that notes what it is asked to open.
class HandOverServer : public ::testing::Test {
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

TEST_F(HandOverServer, AnyFileNameWholeAndCheckedAndNothingElse) {
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

TEST_F(HandOverServer, AFloodOfConnectionsLeavesItServing) {
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

TEST_F(HandOverServer, NothingIsSentToAListenerOfAnotherUser) {
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
class HandOverWindow : public ::testing::Test {
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
    // The title of the collection shown and its comment on display.
    std::pair<QString, QString> Shown() const {
        return {form.ViewerKushu().Title, ui::BoxText(comment)};
    }
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

TEST_F(HandOverWindow, OpensTheFileWhereItIsAfterWritingTheShownComment) {
    QDialog modal; // the editor or the password window, which work on the shared state
    modal.setModal(true);
    modal.show();
    ASSERT_TRUE(HandOverAutumn());
    QTest::qWait(400);
    EXPECT_EQ(Shown(), std::pair(u"春"_s, u"残す"_s)); // waits for the modal window to close
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
TEST_F(HandOverWindow, ARefusalShownAfterTheSecondStartEndedKeepsTheComment) {
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.kan"_s)); // in the way of the comments file
    const QStringList said = CloseRealBoxes([this] {
        EXPECT_TRUE(HandOverAutumn());
        QTest::qWait(200);
    });
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(
        said[0].endsWith(u"感想が失われないよう、句集「秋_一」を開くのを取りやめました。"_s));
    EXPECT_EQ(Shown(), std::pair(u"春"_s, u"残す"_s));
}

} // namespace
