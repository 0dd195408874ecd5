// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/viewer/ViewerFixture.h"

#include "ui/BoxText.h"

#include <QDialog>
#include <QDir>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString QuitAnyway = u"\r\r感想を保存せずに終了しますか？"_s;

using Comments = ViewerTest;

TEST_F(Comments, UnstorableCommentsKeepTheCollectionOpenAndAskOnQuitting) {
    Write(MakeKushu(2, u"春"_s));
    Write(MakeKushu(1, u"秋"_s));
    Start();
    Open(u"春_一"_s);
    NextPageButton()->click();
    Type(u"残したい"_s);
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.kan"_s)); // in the way of the comments file
    Open(u"秋_一"_s);
    QString prompt = OneMessage(Ok);
    EXPECT_TRUE(prompt.startsWith(u"ファイル「春_一.kan」を保存できません。\r"_s));
    EXPECT_TRUE(
        prompt.endsWith(u"\r\r感想が失われないよう、句集「秋_一」を開くのを取りやめました。"_s));
    EXPECT_EQ(TitleLabel()->text(), u"春"_s);
    // The quit button and the close box ask the same, and No stays.
    for (bool closeBox : {false, true}) {
        dialogs.QueueAnswer(ui::Dialogs::Answer::No);
        closeBox ? void(form->close()) : QuitButton()->click();
        EXPECT_EQ(dialogs.Messages.value(0).Default, ui::Dialogs::Answer::No);
        prompt = OneMessage(YesNo, Title);
        EXPECT_TRUE(prompt.startsWith(u"ファイル「春_一.kan」を保存できません。\r"_s) &&
                    prompt.endsWith(QuitAnyway) && form->isVisible());
    }
    Find<QPushButton>("Command5")
        ->click(); // 新規作成: nor does the editor open: its save could not carry them
    EXPECT_TRUE(OneMessage(Ok).endsWith(u"編集画面を開くのを取りやめました。"_s) &&
                dialogs.ModalWindows.isEmpty());
    // Once the way is clear, they are written.
    ASSERT_TRUE(QDir(folder.Path()).rmdir(u"春_一.kan"_s));
    Open(u"秋_一"_s);
    EXPECT_EQ(TitleLabel()->text(), u"秋"_s);
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s).value(1), u"残したい"_s);
    // A comment the file cannot hold is refused by its page's name, and Yes quits without it.
    NextPageButton()->click();
    Type(u"よし\r\nKANSOEND--"_s);
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    QuitButton()->click();
    EXPECT_TRUE(OneMessage(YesNo, Title)
                    .contains(u"句「古池や蛙飛びこむ水の音1」の感想に「KANSOEND--」"_s));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(Path(u"秋_一.kan"_s)));
}

TEST_F(Comments, MismatchedCommentsFileIsKeptOnceBeforeItIsReplaced) {
    Write(MakeKushu(2, u"春"_s));
    Write(MakeKushu(1, u"秋"_s));
    const QByteArray theirs = Sjis(u"KANSOSTART--\r\n前の版の感想\r\nKANSOEND--\r\n"_s);
    WriteBytes(Path(u"春_一.kan"_s), theirs);
    WriteBytes(Path(u"春_一.kan.bak"_s), "older");
    Start();
    Open(u"春_一"_s);
    EXPECT_EQ(OneMessage(Notice), u"感想ファイル「春_一.kan」の内容が句集ファイルと整合しません。"
                                  u"\r\n\r\n感想を読み込めません。"_s);
    EXPECT_EQ(form->KansoList(), QStringList(6));
    Type(u"新しい感想"_s);
    Open(u"秋_一"_s);
    EXPECT_EQ(OneMessage(Ok), u"感想ファイル「春_一.kan」は句集ファイルと整合しなかったため、"
                              u"元のファイルを「春_一.kan.bak2」という名前で残しました。\r"
                              u"これからの感想は「春_一.kan」に保存します。"_s);
    EXPECT_EQ(ReadBytes(Path(u"春_一.kan.bak2"_s)), theirs);
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s), (QStringList{u"新しい感想"_s, {}, {}, {}, {}, {}}));
    Open(u"春_一"_s); // told once: the file fits now
    QuitButton()->click();
    EXPECT_FALSE(QFile::exists(Path(u"春_一.kan.bak3"_s)));
}

TEST_F(Comments, AfterTheEditorSavedOverItEachCommentIsUnderItsVerse) {
    const Kushu k = MakeKushu(3);
    Write(k);
    Start();
    Open(u"春_一"_s);
    for (int row : {3, 2, 1}) {
        PageList()->setCurrentRow(row);
        Type(u"感想"_s + QString::number(row));
    }
    // The editor moves the first verse down twice and saves over the file.
    dialogs.QueueModal([](QDialog* pass) { OkButton(pass)->click(); });
    dialogs.QueueModal([](QDialog* editor) {
        Control<QListWidget>(editor, u"List1"_s)->setCurrentRow(1);
        for (const char* button : {"Command2", "Command2", "Command4"})
            Control<QPushButton>(editor, QLatin1String(button))->click();
    });
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Choose(u"春_一"_s);
    EditButton()->click();
    // Read again from disk, still at the first verse, now the third row.
    EXPECT_EQ(Rows().mid(1, 3),
              (QStringList{k.Entries[2].Verse, k.Entries[3].Verse, k.Entries[1].Verse}));
    EXPECT_EQ(ui::BoxText(CommentBox()), u"感想1"_s);
    EXPECT_EQ(form->KansoList().mid(1, 3), (QStringList{u"感想2"_s, u"感想3"_s, u"感想1"_s}));
}

} // namespace
