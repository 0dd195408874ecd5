// SPDX-License-Identifier: GPL-3.0-or-later
// The reading window under faults of its folder: what is listed, one message per cause
// from every place that reads, nothing that blocks (a read stuck on a FIFO ends the test by
// its time limit), letter case, focus.

#include "tests/viewer/ViewerFixture.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using ViewerFaults = ViewerTest;

TEST_F(ViewerFaults, TheListShowsRegularFilesOnlyHiddenOnesToo) {
    Write(MakeKushu(1, u"春"_s));
    Write(MakeKushu(1, u".秋"_s));
    ASSERT_EQ(mkfifo(QFile::encodeName(Path(u"管_一.Ywk"_s)).constData(), 0600), 0);
    QDir().mkdir(Path(u"棚_一.Ywk"_s));
    QFile::link(Path(u"春_一.Ywk"_s), Path(u"鎖_一.Ywk"_s));
    Start();
    EXPECT_EQ(Items(CollectionList()), (QStringList{u".秋_一"_s, u"春_一"_s}));
}

TEST_F(ViewerFaults, OneMessagePerCauseFromTheListAndEachButton) {
    const QString cannotRead = u"句集を開けません。\rファイル「春_一.Ywk」を読み込めません。"_s;
    const QString tooLarge = u"句集を開けません。\rファイルが大きすぎます。"_s;
    for (auto [size, expected] :
         {std::pair{qint64(0), cannotRead}, std::pair{qint64(512) * 1024 * 1024, tooLarge}}) {
        SCOPED_TRACE(size);
        Write(MakeKushu(1, u"春"_s));
        Start();
        // The file changes after it was listed, into a FIFO or a larger file: what is read is
        // looked at, not its name.
        const QString file = Path(u"春_一.Ywk"_s);
        ASSERT_TRUE(size > 0 ? QFile::resize(file, size)
                             : QFile::remove(file) && mkfifo(QFile::encodeName(file), 0600) == 0);
        Choose(u"春_一"_s);
        OpenButton()->click();
        EditButton()->click();
        EXPECT_EQ(dialogs.Messages, QList<Message>(3, {expected, Notice}));
        dialogs.Messages.clear();
        form.reset();
        QFile::remove(file);
    }
}

TEST_F(ViewerFaults, ACommentsFileThatIsAFifoNeitherBlocksNorIsReplaced) {
    Write(MakeKushu(1, u"春"_s));
    const QString fifo = Path(u"春_一.kan"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Start();
    Open(u"春_一"_s);
    EXPECT_EQ(OneMessage(Notice),
              u"感想を読み込めません。\rファイル「春_一.kan」を読み込めません。"_s);
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    QuitButton()->click();
    EXPECT_EQ(OneMessage(YesNo, Title),
              u"ファイル「春_一.kan」を保存できません。\r"_s
              u"このファイルは通常のファイルではありません（フォルダ、名前付きパイプなど）。"_s
              u"\r\r感想を保存せずに終了しますか？"_s);
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST_F(ViewerFaults, TheSelectedRowsFileIsTheOneActedOnWhateverItsLetterCase) {
    // Two files whose names differ in letter case only, as another system may leave them.
    for (auto [name, count, password] :
         {std::tuple{u"x_一.Ywk"_s, 1, u"小"_s}, std::tuple{u"x_一.YWK"_s, 2, u"大"_s}}) {
        Kushu k = MakeKushu(count, u"x"_s);
        k.Password = password;
        WriteBytes(Path(name), SerializeKushu(k).value());
    }
    WriteBytes(Path(u"X_一.KAN"_s),
               Sjis(u"KANSOSTART--\r\n序の感想\r\nKANSOEND--\r\n"_s) +
                   QByteArray("KANSOSTART--\r\n\r\nKANSOEND--\r\n").repeated(5));
    Start();
    ASSERT_EQ(Items(CollectionList()), (QStringList{u"x_一"_s, u"x_一"_s}));
    const int upperRow =
        CollectionList()->item(0)->data(Qt::UserRole).toString().endsWith(u"YWK"_s) ? 0 : 1;
    CollectionList()->setCurrentRow(upperRow);
    dialogs.QueueModal([](QDialog* pass) { pass->reject(); });
    EditButton()->click();
    EXPECT_EQ(state.EditPassword, u"大"_s);
    OpenButton()->click();
    EXPECT_EQ(PageList()->count(), 2 + 4);
    // The comments go back into that same file.
    QuitButton()->click();
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.kan"_s}), QStringList{u"X_一.KAN"_s});
    EXPECT_EQ(CommentsOnDisk(u"X_一.KAN"_s).value(0), u"序の感想"_s);
}

// Through a real modal box: focus alone chooses no collection, and "句集を開く" says so.
TEST_F(ViewerFaults, FocusAloneChoosesNoCollectionAsARealBoxSays) {
    Write(MakeKushu(1, u"春"_s));
    ui::QtDialogs boxes;
    Start(&boxes);
    QApplication::setActiveWindow(form.get());
    CollectionList()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(CollectionList()->hasFocus());
    EXPECT_TRUE(CollectionList()->selectedItems().isEmpty());
    EXPECT_EQ(CloseRealBoxes([this] { OpenButton()->click(); }),
              QStringList{u"上のリストから、開きたい句集を選択してください。"_s});
    EXPECT_FALSE(form->IsCollectionOpen());
    form.reset(); // before the boxes it uses
}

} // namespace
