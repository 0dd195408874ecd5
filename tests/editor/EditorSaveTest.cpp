// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorLaunch.h"
#include "model/CodeList.h"
#include "model/KansoFile.h"
#include "tests/editor/EditorFixture.h"

#include <QDir>

#include <tuple>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Kan = u"春_一.kan"_s;

class EditorSave : public EditorFixture {
protected:
    EditorSave() {
        state.RefreshCollectionList = [this] {
            ++refreshed;
        };
    }
    void Save() { SaveButton()->click(); }
    void Header(const QString& title, const QString& edition, const QString& password = {}) {
        TitleField()->setText(title);
        EditionField()->setText(edition);
        PasswordField()->setText(password);
    }
    // Nothing happened to the window or the folder's list.
    void ExpectStillOpen() const {
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(refreshed, 0);
    }
    QStringList Files() const { return QDir(folder.Path()).entryList(QDir::Files, QDir::Name); }

    int refreshed = 0;
};

} // namespace

TEST_F(EditorSave, AnExistingFileIsReplacedOnlyWhenTheUserSaysSoWhateverItsLetterCase) {
    const QByteArray old = SerializeKushu(MakeKushu(2, u"x"_s)).value();
    WriteBytes(folder.File(u"x_一.YWK"_s), old);
    OpenNew();
    Header(u"x"_s, u"一"_s);
    for (auto answer : {ui::Dialogs::Answer::No, ui::Dialogs::Answer::Yes}) {
        dialogs.QueueAnswer(answer);
        Save();
        // Enter keeps it.
        EXPECT_EQ(LastSaid(), (Message{u"xの第一版はすでに存在します。上書きしますか？"_s, YesNo,
                                       Title, ui::Dialogs::Answer::No}));
        EXPECT_EQ(ReadBytes(folder.File(u"x_一.YWK"_s)) == old, answer == ui::Dialogs::Answer::No);
    }
    EXPECT_EQ(Files(), QStringList{u"x_一.YWK"_s});
    EXPECT_EQ(refreshed, 1);
}

TEST_F(EditorSave, RefusalsComeInTheirOrderWithTheFocusOnTheFieldAndWriteNothing) {
    OpenNew();
    Fill({}, u"名月や"_s);
    AddButton()->click();
    // 句の変更 stores a preface with a line break unchecked: the file would not read back.
    Fill(u"前\r書"_s, u"名月や"_s);
    PressChange();
    const QString unsafe = u"が含まれています。\r次の文字は使えません： \\ / : * ? \" < > |"_s;
    // Each save mends the fault before it, and no more. Nothing may leave the folder.
    // The title and edition saved, the field that takes the focus, and the message.
    const std::tuple<QString, QString, const char*, QString, MsgStyle> cases[] = {
        {{}, u"第1:2"_s, "Text2", u"句集名が入力されていないと保存することができません。"_s, Ok},
        {u"../外"_s, u"第1:2"_s, "Text2",
         u"句集名にファイル名に使えない文字「/」(U+002F)"_s + unsafe, Ok},
        {u"外"_s, u"第1:2"_s, "Text4", u"版数にファイル名に使えない文字「:」(U+003A)"_s + unsafe,
         Ok},
        {u"外"_s, u"一"_s, "Text5",
         u"句集を保存できません。\r句「名月や」の前書に改行が含まれています。"_s, Notice},
    };
    for (const auto& [title, edition, focus, said, style] : cases) {
        VerseField()->setFocus();
        Header(title, edition);
        Save();
        EXPECT_EQ(LastSaid(), (Message{said, style}));
        EXPECT_EQ(window->focusWidget(), Find(focus)) << focus;
    }
    ExpectStillOpen();
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(QDir(folder.Path() + u".."_s).entryList({u"外_*"_s}).isEmpty());
}

TEST_F(EditorSave, AFailedWriteNamesTheFileAndLosesNothing) {
    OpenNew();
    Header(u"冬"_s, u"一"_s);
    Fill({}, u"初しぐれ"_s);
    AddButton()->click();
    // A folder in the way of the file: the write cannot replace it.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"冬_一.Ywk"_s));
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Save();
    EXPECT_TRUE(LastSaid().Prompt.startsWith(u"ファイル「冬_一.Ywk」を保存できません。\r"_s));
    ExpectStillOpen();
    EditionField()->setText(u"二"_s);
    Save();
    EXPECT_EQ(ReadKushuFile(folder.File(u"冬_二.Ywk"_s)).value().Entries[1].Verse, u"初しぐれ"_s);
}

TEST_F(EditorSave, ALine5FaultKeepsTheHeaderButTheFileCannotBeOverwritten) {
    const QByteArray broken =
        Sjis(u"夏\r\n蕪村\r\n一\r\n"_s + *EncodeCodeList(u"秘"_s) + u"\r\nKUSTART--\r\n中身\r\n"_s);
    WriteBytes(folder.File(u"夏_一.Ywk"_s), broken);
    OpenChange(u"夏_一"_s);
    EXPECT_EQ(TitleField()->text() + AuthorField()->text() + EditionField()->text(), u"夏蕪村一"_s);
    // Saving would put four empty pages in place of the file.
    Save();
    EXPECT_EQ(dialogs.Messages,
              (QList<Message>{{u"句集を開けません。\r５行目のデータが不正です。"_s, Notice},
                              {u"句集の内容が読み込まれていないため、保存できません。\r"
                               u"「保存せず終了」で編集を終了してください。"_s}}));
    ExpectStillOpen();
    EXPECT_EQ(ReadBytes(folder.File(u"夏_一.Ywk"_s)), broken);
}

// A collection broken beyond its header is never shown half read: the password window is
// passed, then the editor does not open. The way through the password window to the editor is
// the reading window's (CommentsTest, ViewerFaultsTest).
TEST_F(EditorSave, TheLaunchOpensOnlyWhatReadsWhole) {
    QByteArray bytes = SerializeKushu(MakeKushu(2, u"秋"_s, u"一"_s)).value();
    WriteBytes(folder.File(u"秋_一.Ywk"_s), bytes.insert(bytes.indexOf("JOSTART--\r\n") + 11, "x"));
    dialogs.QueueModal([](QDialog* pass) { OkButton(pass)->click(); });
    editor::LaunchChangeCollection(state, dialogs, nullptr, u"秋_一"_s);
    EXPECT_EQ(dialogs.ModalWindows, QStringList{u"F_pass"_s});
    EXPECT_EQ(LastSaid(),
              (Message{u"句集を開けません。\r６行目の色のデータが数値ではありません。"_s, Notice}));
}

TEST_F(EditorSave, CommentsStayWithTheirEntriesAndAFailedSaveMovesNone) {
    const QStringList before = {u"序"_s, u"一"_s, u"二"_s, {}, u"跋"_s, {}, {}};
    const QByteArray autumn = SerializeKanso({{}, u"秋の句に"_s, {}, {}, {}}).value();
    Store(MakeKushu(1, u"秋"_s));
    WriteBytes(folder.File(u"秋_一.kan"_s), autumn);
    using Button = QPushButton* (EditorFixture::*)() const;
    const Button down = &EditorFixture::MoveDownButton, add = &EditorFixture::AddButton,
                 remove = &EditorFixture::DeleteButton;
    // The button clicked on a row, the title saved as (秋 is another collection's file), whether
    // a folder is in the way of the file, and the comments file after the save.
    const std::tuple<int, Button, QString, bool, QStringList> cases[] = {
        {1, add, u"春"_s, false, {u"序"_s, u"一"_s, {}, u"二"_s, {}, u"跋"_s, {}, {}}},
        {3, remove, u"春"_s, false, {u"序"_s, u"一"_s, u"二"_s, u"跋"_s, {}, {}}},
        {1, down, u"秋"_s, false, before},
        {1, down, u"春"_s, true, before},
        {2, remove, u"春"_s, false, {u"序"_s, u"一"_s, {}, u"跋"_s, {}, {}}},
    };
    for (const auto& [row, button, title, folderInTheWay, after] : cases) {
        QDir(folder.Path()).rmdir(u"春_一.Ywk"_s);
        Store(MakeKushu(3));
        WriteBytes(folder.File(Kan), SerializeKanso(before).value());
        OpenChange(u"春_一"_s);
        Select(row);
        Fill({}, u"名月や"_s);
        if (button == remove)
            dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
        (this->*button)()->click();
        if (folderInTheWay) {
            ASSERT_TRUE(QFile::remove(folder.File(u"春_一.Ywk"_s)));
            ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.Ywk"_s));
        }
        TitleField()->setText(title);
        dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
        Save();
        EXPECT_EQ(ParseKansoBlocks(ReadBytes(folder.File(Kan))), after);
    }
    // Only a comment without an entry left has its file kept; 秋's old blocks all went.
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.bak"_s}),
              (QStringList{u"春_一.kan.bak"_s, u"秋_一.kan.bak"_s}));
    EXPECT_EQ(ReadBytes(folder.File(u"秋_一.kan.bak"_s)), autumn);
    EXPECT_EQ(ParseKansoBlocks(ReadBytes(folder.File(u"秋_一.kan"_s))), QStringList(7));
    EXPECT_EQ(LastSaid(),
              Message{u"感想ファイル「春_一.kan」には保存した句集にない句の感想があったため、"
                      u"元のファイルを「春_一.kan.bak」という名前で残しました。"_s});
}

TEST_F(EditorSave, AnUndoneDeleteBringsTheEntryBackWithItsComment) {
    Store(MakeKushu(3));
    WriteBytes(folder.File(Kan),
               SerializeKanso({u"序"_s, u"一"_s, u"二"_s, {}, u"跋"_s, {}, {}}).value());
    OpenChange(u"春_一"_s);
    Select(2);
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    DeleteButton()->click();
    window->Undo();
    Select(2);
    MoveDownButton()->click();
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Save();
    EXPECT_EQ(ParseKansoBlocks(ReadBytes(folder.File(Kan))),
              (QStringList{u"序"_s, u"一"_s, {}, u"二"_s, u"跋"_s, {}, {}}));
}
