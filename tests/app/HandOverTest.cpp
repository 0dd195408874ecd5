// A second start hands its file to the running Yomiwa over a real local socket; the running
// one stores and writes the comment on display first, as opening from the list does.

#include "HandOver.h"
#include "BoxText.h"
#include "InstanceChannel.h"
#include "ViewerFixture.h"

#include <QDialog>
#include <QDir>

#include <future>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class HandOverTest : public ViewerTest {
protected:
    void SetUp() override {
        Write(MakeKushu(2, u"春"_s));
        ASSERT_EQ(WriteKushuFile(elsewhere.Path(), MakeKushu(1, u"秋"_s)), QString());
        Start();
        ASSERT_TRUE(server.Listen(app::ChannelName(folder.Path())));
        QObject::connect(&server, &app::InstanceServer::FileRequested, form.get(),
                         [this](const QString& path) { app::OpenHandedOver(*form, path); });
        Open(u"春_一"_s);
        Type(u"残す"_s);
    }
    // The second start, on a thread of its own so that this one can serve it.
    bool HandOverAutumn() {
        auto sent = std::async(std::launch::async, [this] {
            return app::HandOver(app::ChannelName(folder.Path()), elsewhere.File(u"秋_一.Ywk"_s),
                                 1500);
        });
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
    EXPECT_EQ(List1()->currentRow(), 0);
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
    EXPECT_TRUE(OneMessage(Ok).endsWith(
        u"\r\r感想が失われないよう、句集「秋_一」を開くのを取りやめました。"_s));
    EXPECT_EQ(Label(5)->text() + ui::BoxText(Text2()), u"春残す"_s);
    ASSERT_TRUE(QDir(folder.Path()).rmdir(u"春_一.kan"_s));
    EXPECT_FALSE(form->OpenCollectionFile(elsewhere.File(u"無い_一.Ywk"_s)));
    EXPECT_EQ(OneMessage(Notice),
              u"句集を開けません。\rファイル「無い_一.Ywk」を読み込めません。"_s);
    EXPECT_EQ(Label(5)->text(), u"春"_s);
    // Nobody listening: the second start goes on by itself. A socket left by a process that
    // died is replaced by the lock's next holder.
    EXPECT_FALSE(app::HandOver(app::ChannelName(elsewhere.Path()), u"/x.Ywk"_s, 1500));
    EXPECT_TRUE(app::InstanceServer().Listen(app::ChannelName(folder.Path())));
}

} // namespace
