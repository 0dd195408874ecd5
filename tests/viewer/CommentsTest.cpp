#include "ViewerFixture.h"

#include "BoxText.h"
#include "KansoFile.h"

#include <QDir>
#include <QFileInfo>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString ConfirmTitle = u"【Yomiwa】Ver.1.1"_s;

using Quitting = ViewerTest;

TEST_F(Quitting, WithoutACollectionNothingIsWritten) {
    Write(MakeKushu(1));
    Start();
    Button(2)->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.kan"_s}, QDir::Files), QStringList());
}

TEST_F(Quitting, ShownCommentReachesItsBlockAndReadsBackUnchanged) {
    Write(MakeKushu(2));
    Start();
    Open(u"春_一"_s);
    Type(u"一行目\r\n\r\n三行目 "_s);
    Button(2)->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s),
              (QStringList{u"一行目\r\n\r\n三行目 "_s, {}, {}, {}, {}, {}}));

    // The next run shows it again, and leaves it as it was.
    form.reset();
    Start();
    Open(u"春_一"_s);
    EXPECT_EQ(ui::BoxText(Text2()), u"一行目\r\n\r\n三行目 "_s);
    const QByteArray bytes = ReadBytes(Path(u"春_一.kan"_s));
    Button(2)->click();
    EXPECT_EQ(ReadBytes(Path(u"春_一.kan"_s)), bytes);
}

TEST_F(Quitting, CloseBoxKeepsEveryCommentLikeTheQuitButton) {
    Write(MakeKushu(2));
    Start();
    Open(u"春_一"_s);
    List1()->setCurrentRow(3); // 跋
    Type(u"跋へ"_s);
    List1()->setCurrentRow(1);
    List1()->setCurrentRow(3);
    EXPECT_EQ(ui::BoxText(Text2()), u"跋へ"_s);
    List1()->setCurrentRow(2);
    Type(u"二句目へ"_s);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s),
              (QStringList{{}, {}, u"二句目へ"_s, u"跋へ"_s, {}, {}}));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(Quitting, UnwritableCommentsAskBeforeTheyAreLost) {
    Write(MakeKushu(1));
    Start();
    Open(u"春_一"_s);
    Type(u"大事な感想"_s);
    // Something in the way of the comments file.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.kan"_s));

    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    Button(2)->click();
    QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].Prompt.startsWith(u"ファイル「春_一.kan」を保存できません。\r"_s))
        << messages[0].Prompt.toStdString();
    EXPECT_TRUE(messages[0].Prompt.endsWith(u"\r\r感想を保存せずに終了しますか？"_s));
    EXPECT_EQ(messages[0].Style, 4);
    EXPECT_EQ(messages[0].Title, ConfirmTitle);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ui::BoxText(Text2()), u"大事な感想"_s);
    EXPECT_EQ(state.KansoList.value(0), u"大事な感想"_s);

    // The close box asks the same.
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    form->close();
    EXPECT_EQ(TakeMessages().size(), 1);
    EXPECT_TRUE(form->isVisible());

    // Once the way is clear, quitting writes them.
    ASSERT_TRUE(QDir(folder.Path()).rmdir(u"春_一.kan"_s));
    Button(2)->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s).value(0), u"大事な感想"_s);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(Quitting, RefusedCommentNamesItsPageAndYesQuitsWithoutIt) {
    Kushu k = MakeKushu(1);
    Write(k);
    Start();
    Open(u"春_一"_s);
    Button(4)->click();
    Type(u"よし\r\nKANSOEND--"_s);
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Button(2)->click();
    const QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].Prompt, u"感想を保存できません。\r句「"_s + k.Entries[1].Verse +
                                      u"」の感想に「KANSOEND--」だけの行があります。\r"_s +
                                      u"この行があると、感想を正しく読み込めなくなります。\r\r"_s +
                                      u"感想を保存せずに終了しますか？"_s);
    EXPECT_EQ(messages[0].Style, 4);
    EXPECT_EQ(messages[0].Title, ConfirmTitle);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(Path(u"春_一.kan"_s)));
}

using CommentSafety = ViewerTest;

TEST_F(CommentSafety, UnwritableCommentsKeepTheCollectionOpen) {
    Write(MakeKushu(2, u"春"_s));
    Write(MakeKushu(1, u"秋"_s));
    Start();
    Open(u"春_一"_s);
    Button(4)->click();
    Type(u"残したい"_s);
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.kan"_s));
    Open(u"秋_一"_s);
    const QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].Prompt.startsWith(u"ファイル「春_一.kan」を保存できません。\r"_s));
    EXPECT_TRUE(messages[0].Prompt.endsWith(
        u"\r\r感想が失われないよう、句集「秋_一」を開くのを取りやめました。"_s));
    EXPECT_EQ(messages[0].Style, 0);
    EXPECT_EQ(messages[0].Title, QString());
    EXPECT_EQ(Label(5)->text(), u"春"_s);
    EXPECT_EQ(state.ViewerKushu.Title, u"春"_s);
    EXPECT_EQ(List1()->currentRow(), 1);
    EXPECT_EQ(ui::BoxText(Text2()), u"残したい"_s);
    EXPECT_EQ(state.KansoList.value(1), u"残したい"_s);

    ASSERT_TRUE(QDir(folder.Path()).rmdir(u"春_一.kan"_s));
    Open(u"秋_一"_s);
    EXPECT_EQ(Label(5)->text(), u"秋"_s);
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s).value(1), u"残したい"_s);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(CommentSafety, MismatchedCommentsFileIsKeptOnceBeforeItIsReplaced) {
    Write(MakeKushu(2, u"春"_s));
    Write(MakeKushu(1, u"秋"_s));
    const QByteArray theirs = Sjis(u"KANSOSTART--\r\n前の版の感想\r\nKANSOEND--\r\n"_s);
    WriteBytes(Path(u"春_一.kan"_s), theirs);
    WriteBytes(Path(u"春_一.kan.bak"_s), "older");
    Start();
    Open(u"春_一"_s);
    ASSERT_EQ(TakeMessages().size(), 1); // the mismatch
    Type(u"新しい感想"_s);
    Open(u"秋_一"_s);
    QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(
        messages[0].Prompt,
        u"感想ファイル「春_一.kan」は句集ファイルと整合しなかったため、元のファイルを「春_一.kan.bak2」という名前で残しました。\r"_s
        u"これからの感想は「春_一.kan」に保存します。"_s);
    EXPECT_EQ(messages[0].Style, 0);
    EXPECT_EQ(messages[0].Title, QString());
    EXPECT_EQ(ReadBytes(Path(u"春_一.kan.bak2"_s)), theirs);
    EXPECT_EQ(ReadBytes(Path(u"春_一.kan.bak"_s)), QByteArray("older"));
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s), (QStringList{u"新しい感想"_s, {}, {}, {}, {}, {}}));

    // Told once: the file fits now, and later writes replace it quietly.
    Open(u"春_一"_s);
    Open(u"秋_一"_s);
    Button(2)->click();
    EXPECT_TRUE(TakeMessages().isEmpty());
    EXPECT_FALSE(QFile::exists(Path(u"春_一.kan.bak3"_s)));
}

TEST_F(CommentSafety, MismatchedFileThatCannotBeKeptIsNotReplaced) {
    Write(MakeKushu(1));
    // Cannot be read, so it does not fit; cannot be copied, so it cannot be kept.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.kan"_s));
    Start();
    Open(u"春_一"_s);
    ASSERT_EQ(TakeMessages().size(), 1);
    Type(u"書いた"_s);
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    Button(2)->click();
    const QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(
        messages[0].Prompt,
        u"感想を保存できません。\r句集ファイルと整合しなかった感想ファイル「春_一.kan」を別の名前で残せませんでした。\r"_s
        u"このまま保存すると、そのファイルの感想が失われます。\r\r"_s
        u"感想を保存せずに終了しますか？"_s);
    EXPECT_EQ(messages[0].Style, 4);
    EXPECT_EQ(messages[0].Title, ConfirmTitle);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(QFileInfo(Path(u"春_一.kan"_s)).isDir());
    EXPECT_EQ(state.KansoList.value(0), u"書いた"_s);
}

TEST_F(CommentSafety, MismatchedFileIsKeptWhenQuittingToo) {
    Write(MakeKushu(1));
    WriteBytes(Path(u"春_一.kan"_s), "KANSOSTART--\r\nx\r\nKANSOEND--\r\n");
    Start();
    Open(u"春_一"_s);
    TakeMessages();
    Button(2)->click();
    EXPECT_EQ(TakeMessages().size(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadBytes(Path(u"春_一.kan.bak"_s)),
              QByteArray("KANSOSTART--\r\nx\r\nKANSOEND--\r\n"));
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s), QStringList(5));
}

} // namespace
