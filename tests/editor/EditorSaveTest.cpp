#include "BoxText.h"
#include "CodeList.h"
#include "EditorFixture.h"
#include "KushuFile.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class EditorSave : public EditorFixture {
protected:
    EditorSave() {
        state.RefreshCollectionList = [this] {
            ++refreshed;
        };
    }
    void Save() { Get<QPushButton>("Command4")->click(); }
    void Header(const QString& title, const QString& author, const QString& edition,
                const QString& password) {
        Line("Text2")->setText(title);
        Line("Text3")->setText(author);
        Line("Text4")->setText(edition);
        Line("Text9")->setText(password);
    }
    void Add(const QString& preface, const QString& verse, const QString& postscript,
             const QString& commentary) {
        Line("Text6")->setText(preface);
        Line("Text5")->setText(verse);
        Line("Text7")->setText(postscript);
        ui::SetBoxText(Get<QPlainTextEdit>("Text1"), commentary);
        Get<QPushButton>("Command5")->click();
    }
    void Change(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(Get<QPushButton>("Command18"), Qt::LeftButton, modifiers);
    }
    void ExpectStillOpen() const {
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(refreshed, 0);
    }
    QStringList Files() const {
        return QDir(folder.Path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

    int refreshed = 0;
};

} // namespace

TEST_F(EditorSave, ACollectionMadeInTheEditorReadsBackWhole) {
    OpenNew();
    Header(u"旅の句集"_s, u"芭蕉"_s, u"一"_s, u"Pass 1"_s);
    window->ApplyShownColours(Colours(11));
    Add(u"深川にて"_s, u"古池や蛙飛びこむ水の音"_s, u"後書一"_s, u"解説一\r\n続き"_s);
    window->ApplyShownColours(Colours(12));
    Add(QString(), u"閑かさやーー岩にしみ入る蝉の声"_s, QString(), QString());
    Add(u"前"_s, u"夏草や"_s, u"後"_s, u"KUEND--x"_s);
    // The pages: 序 gets a preface text, プロフィール its colours.
    List1()->setCurrentRow(0);
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), u"序文です。\r\n二行目"_s);
    Change();
    List1()->setCurrentRow(5);
    window->ApplyShownColours(Colours(13));
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), u"一六四四年生まれ"_s);
    Change();
    // Typed but never added: not saved.
    Line("Text5")->setText(u"捨てる句"_s);

    Save();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(Files(), QStringList{u"旅の句集_一.Ywk"_s});

    const KushuReadResult read = ReadKushuFile(folder.File(u"旅の句集_一.Ywk"_s));
    ASSERT_TRUE(read.ok()) << read.Error.toStdString();
    const Kushu& k = read.Collection;
    EXPECT_EQ(k.Title, u"旅の句集"_s);
    EXPECT_EQ(k.Author, u"芭蕉"_s);
    EXPECT_EQ(k.Edition, u"一"_s);
    EXPECT_EQ(k.Password, u"Pass 1"_s);
    ASSERT_EQ(k.KuCount(), 3);
    EXPECT_EQ(k.Entries[1], (KuEntry{u"深川にて"_s, u"古池や蛙飛びこむ水の音"_s, u"後書一"_s,
                                     u"解説一\r\n続き"_s, Colours(11)}));
    EXPECT_EQ(k.Entries[2].Verse, u"閑かさやーー岩にしみ入る蝉の声"_s);
    EXPECT_EQ(k.Entries[2].Colours, Colours(12));
    EXPECT_EQ(k.Entries[3].Commentary, u"KUEND--x"_s);
    EXPECT_EQ(k.Entries[0].Commentary, u"序文です。\r\n二行目"_s);
    // Selecting 序 showed its own colours again, and 句の変更 kept them.
    EXPECT_EQ(k.Entries[0].Colours, Colours(0));
    EXPECT_EQ(k.Entries[5].Commentary, u"一六四四年生まれ"_s);
    EXPECT_EQ(k.Entries[5].Colours, Colours(13));
    EXPECT_EQ(k.Entries[4].Colours, Colours(0)); // 跋, untouched since the start
    EXPECT_EQ(k.Entries[6].Commentary, QString());
    // The pages' verse fields are not in the file.
    EXPECT_EQ(k.Entries[0].Verse, QString());
    // The working collection goes with its window.
    window.reset();
    EXPECT_EQ(state.EditorKushu, Kushu());
}

TEST_F(EditorSave, ANewCollectionWithoutHaikuHasFourBlocks) {
    OpenNew();
    Header(u"白紙"_s, QString(), QString(), QString());
    Save();
    EXPECT_EQ(Files(), QStringList{u"白紙_.Ywk"_s});
    const QByteArray bytes = ReadBytes(folder.File(u"白紙_.Ywk"_s));
    // An empty edition and an empty password are empty lines.
    EXPECT_TRUE(bytes.startsWith(Sjis(u"白紙\r\n\r\n\r\n\r\nJOSTART--\r\n"_s)));
    EXPECT_EQ(bytes.count("START--"), 4);
    const KushuReadResult read = ReadKushuFile(folder.File(u"白紙_.Ywk"_s));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.Collection.KuCount(), 0);
    for (const KuEntry& e : read.Collection.Entries)
        EXPECT_EQ(e.Colours, Colours(0));
}

TEST_F(EditorSave, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
    const Kushu k = MakeKushu(2, u"春"_s, u"一"_s);
    const QString selected = Store(k);
    const QByteArray original = ReadBytes(folder.File(u"春_一.Ywk"_s));
    OpenChange(selected);

    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    Save();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt, u"春の第一版はすでに存在します。上書きしますか？"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 4);
    EXPECT_EQ(dialogs.Messages[0].Title, u"【Yomiwa】Ver.1.1"_s);
    ExpectStillOpen();

    // A new edition goes next to the old one without a question.
    Line("Text4")->setText(u"二"_s);
    Save();
    EXPECT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(Files(), (QStringList{u"春_一.Ywk"_s, u"春_二.Ywk"_s}));
    EXPECT_EQ(ReadBytes(folder.File(u"春_一.Ywk"_s)), original);
    Kushu second = k;
    second.Edition = u"二"_s;
    EXPECT_EQ(ReadKushuFile(folder.File(u"春_二.Ywk"_s)).Collection, second);

    OpenChange(selected);
    List1()->setCurrentRow(1);
    Line("Text5")->setText(u"変えた句"_s);
    Change();
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Save();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadKushuFile(folder.File(u"春_一.Ywk"_s)).Collection.Entries[1].Verse,
              u"変えた句"_s);
}

TEST_F(EditorSave, HeaderChecksComeInTheirOrderWithTheFocusOnTheField) {
    OpenNew();
    Header(QString(), QString(), u"一"_s, u"二\r行"_s);
    Save();
    Line("Text9")->setText(u"一\n行"_s); // a line feed alone passes
    Save();
    ASSERT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(
        dialogs.Messages[0].Prompt,
        u"パスワードが２行以上になっています。\rクリップボードを使って文字を貼り付ける場合は、\r"
        u"改行が含まれないように注意してください。"_s);
    EXPECT_EQ(dialogs.Messages[0].Title, u"パスワードは１行にしてください"_s);
    EXPECT_EQ(dialogs.Messages[1].Prompt,
              u"句集名が入力されていないと保存することができません。"_s);
    EXPECT_EQ(dialogs.Messages[1].Title, QString());
    EXPECT_EQ(dialogs.Messages[1].Style, 0);
    EXPECT_EQ(window->focusWidget(), Line("Text2"));

    // Nothing may be written outside the program's folder.
    Line("Text2")->setText(u"../外"_s);
    Save();
    EXPECT_EQ(window->focusWidget(), Line("Text2"));
    Line("Text2")->setText(u"春"_s);
    Line("Text4")->setText(u"第1:2"_s);
    Save();
    EXPECT_EQ(window->focusWidget(), Line("Text4"));
    ASSERT_EQ(dialogs.Messages.size(), 4);
    EXPECT_TRUE(dialogs.Messages[2].Prompt.startsWith(u"句集名にファイル名に使えない文字「/」"_s))
        << dialogs.Messages[2].Prompt.toStdString();
    EXPECT_TRUE(dialogs.Messages[3].Prompt.startsWith(u"版数にファイル名に使えない文字「:」"_s))
        << dialogs.Messages[3].Prompt.toStdString();
    ExpectStillOpen();
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(QDir(folder.Path() + u".."_s).entryList({u"外_*"_s}).isEmpty());
}

TEST_F(EditorSave, WhatWouldNotReadBackIsRefusedNamingEntryAndField) {
    OpenNew();
    Header(u"秋"_s, u"作者"_s, u"一"_s, QString());
    Add(QString(), u"名月や"_s, QString(), QString());
    // 句の変更 stores a preface with a line break unchecked; the save refuses it.
    Line("Text5")->setText(u"名月や"_s);
    Line("Text6")->setText(u"前\r書"_s);
    ASSERT_EQ(Line("Text6")->text(), u"前\r書"_s);
    Change();
    dialogs.Messages.clear();
    const Kushu before = state.EditorKushu;
    Save();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt,
              u"句集を保存できません。\r句「名月や」の前書に改行が含まれています。"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 8);

    // A commentary line that would end its block early.
    Line("Text6")->setText(QString());
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), u"一行目\r\nKUEND--"_s);
    Change();
    Save();
    ASSERT_EQ(dialogs.Messages.size(), 3);
    EXPECT_TRUE(dialogs.Messages[2].Prompt.startsWith(
        u"句集を保存できません。\r句「名月や」の解説・注釈に「KUEND--」だけの行があります。"_s));

    // A character without a Shift-JIS code, in a page's commentary.
    List1()->setCurrentRow(2);
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), u"あとがき🍁"_s);
    Change();
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), QString());
    List1()->setCurrentRow(1);
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), QString());
    Change();
    Save();
    ASSERT_EQ(dialogs.Messages.size(), 6);
    EXPECT_TRUE(dialogs.Messages[5].Prompt.startsWith(
        u"句集を保存できません。\r跋の解説・注釈に、Shift-JISで保存できない文字「🍁」"_s))
        << dialogs.Messages[5].Prompt.toStdString();

    ExpectStillOpen();
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(Line("Text2")->text(), u"秋"_s);
    EXPECT_EQ(state.EditorKushu.KuCount(), 1);
}

TEST_F(EditorSave, AFailedWriteNamesTheFileAndLosesNothing) {
    OpenNew();
    Header(u"冬"_s, QString(), u"一"_s, QString());
    Add(QString(), u"初しぐれ"_s, QString(), QString());
    // A folder in the way of the file: the write cannot replace it.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"冬_一.Ywk"_s));
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Save();
    ASSERT_EQ(dialogs.Messages.size(), 2);
    EXPECT_TRUE(dialogs.Messages[1].Prompt.startsWith(u"ファイル「冬_一.Ywk」を保存できません。"_s))
        << dialogs.Messages[1].Prompt.toStdString();
    ExpectStillOpen();
    EXPECT_EQ(state.EditorKushu.KuCount(), 1);

    // A program folder that has gone away.
    state.AppFolder = folder.Path() + u"無い/"_s;
    Save();
    ASSERT_EQ(dialogs.Messages.size(), 3);
    EXPECT_TRUE(
        dialogs.Messages[2].Prompt.startsWith(u"ファイル「冬_一.Ywk」を保存できません。"_s));
    ExpectStillOpen();

    state.AppFolder = folder.Path();
    Line("Text4")->setText(u"二"_s);
    Save();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadKushuFile(folder.File(u"冬_二.Ywk"_s)).Collection.Entries[1].Verse,
              u"初しぐれ"_s);
}

TEST_F(EditorSave, AnEditorOnAHalfReadFileCannotOverwriteIt) {
    const QByteArray broken = Sjis(u"夏\r\n蕪村\r\n一\r\n\r\nXX\r\n中身\r\n"_s);
    WriteBytes(folder.File(u"夏_一.Ywk"_s), broken);
    OpenChange(u"夏_一"_s);
    dialogs.Messages.clear();
    Save();
    EXPECT_EQ(dialogs.Prompts(),
              QStringList{u"句集の内容が読み込まれていないため、保存できません。\r"
                          u"「保存せず終了」で編集を終了してください。"_s});
    ExpectStillOpen();
    EXPECT_EQ(ReadBytes(folder.File(u"夏_一.Ywk"_s)), broken);
}

TEST_F(EditorSave, LeavingWithoutSavingAsksFirstAndWritesNothing) {
    OpenNew();
    Header(u"下書き"_s, QString(), u"一"_s, QString());
    Add(QString(), u"句"_s, QString(), QString());
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    Get<QPushButton>("Command17")->click();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt, u"編集結果を保存せずに句集の編集を終了して良いですか?"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 4);
    EXPECT_EQ(dialogs.Messages[0].Title, u"【Yomiwa】Ver.1.1"_s);
    EXPECT_EQ(state.EditorKushu.KuCount(), 1);

    // Esc asks the same question.
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    QTest::keyClick(List1(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.Messages.size(), 2);

    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Get<QPushButton>("Command17")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(refreshed, 0);
}
