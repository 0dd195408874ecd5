// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CodeList.h"
#include "model/KansoFile.h"
#include "tests/editor/EditorFixture.h"

#include <QDir>

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
        EXPECT_EQ(Said(-1), (Message{u"xの第一版はすでに存在します。上書きしますか？"_s, YesNo,
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
    const struct {
        QString title, edition;
        const char* focus;
        QString said;
        MsgStyle style = Ok;
    } cases[] = {
        {{}, u"第1:2"_s, "Text2", u"句集名が入力されていないと保存することができません。"_s},
        {u"../外"_s, u"第1:2"_s, "Text2",
         u"句集名にファイル名に使えない文字「/」(U+002F)"_s + unsafe},
        {u"外"_s, u"第1:2"_s, "Text4", u"版数にファイル名に使えない文字「:」(U+003A)"_s + unsafe},
        {u"外"_s, u"一"_s, "Text5",
         u"句集を保存できません。\r句「名月や」の前書に改行が含まれています。"_s, Notice},
    };
    for (const auto& c : cases) {
        VerseField()->setFocus();
        Header(c.title, c.edition);
        Save();
        EXPECT_EQ(Said(-1), (Message{c.said, c.style}));
        EXPECT_EQ(window->focusWidget(), Find(c.focus)) << c.focus;
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
    EXPECT_TRUE(Said(-1).Prompt.startsWith(u"ファイル「冬_一.Ywk」を保存できません。\r"_s));
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

TEST_F(EditorSave, CommentsStayWithTheirEntriesAndAFailedSaveMovesNone) {
    const QStringList before = {u"序"_s, u"一"_s, u"二"_s, {}, u"跋"_s, {}, {}};
    const QByteArray autumn = SerializeKanso({{}, u"秋の句に"_s, {}, {}, {}}).value();
    Store(MakeKushu(1, u"秋"_s));
    WriteBytes(folder.File(u"秋_一.kan"_s), autumn);
    using Button = QPushButton* (EditorFixture::*)() const;
    const Button down = &EditorFixture::MoveDownButton, add = &EditorFixture::AddButton,
                 remove = &EditorFixture::DeleteButton;
    const struct {
        int row;
        Button button; // clicked `times` times on `row`
        int times;
        QString title; // saved as; 秋 is another collection's file
        bool folderInTheWay;
        QStringList after;
    } cases[] = {
        {1, down, 2, u"春"_s, false, {u"序"_s, u"二"_s, {}, u"一"_s, u"跋"_s, {}, {}}},
        {1, add, 1, u"春"_s, false, {u"序"_s, u"一"_s, {}, u"二"_s, {}, u"跋"_s, {}, {}}},
        {3, remove, 1, u"春"_s, false, {u"序"_s, u"一"_s, u"二"_s, u"跋"_s, {}, {}}},
        {1, down, 1, u"秋"_s, false, before},
        {1, down, 1, u"春"_s, true, before},
        {2, remove, 1, u"春"_s, false, {u"序"_s, u"一"_s, {}, u"跋"_s, {}, {}}},
    };
    for (const auto& c : cases) {
        QDir(folder.Path()).rmdir(u"春_一.Ywk"_s);
        Store(MakeKushu(3));
        WriteBytes(folder.File(Kan), SerializeKanso(before).value());
        OpenChange(u"春_一"_s);
        Select(c.row);
        Fill({}, u"名月や"_s);
        for (int i = 0; i < c.times; ++i) {
            if (c.button == remove)
                dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
            (this->*c.button)()->click();
        }
        if (c.folderInTheWay) {
            ASSERT_TRUE(QFile::remove(folder.File(u"春_一.Ywk"_s)));
            ASSERT_TRUE(QDir(folder.Path()).mkdir(u"春_一.Ywk"_s));
        }
        TitleField()->setText(c.title);
        dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
        Save();
        EXPECT_EQ(ParseKansoBlocks(ReadBytes(folder.File(Kan))), c.after);
    }
    // Only a comment without an entry left has its file kept; 秋's old blocks all went.
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.bak"_s}),
              (QStringList{u"春_一.kan.bak"_s, u"秋_一.kan.bak"_s}));
    EXPECT_EQ(ReadBytes(folder.File(u"秋_一.kan.bak"_s)), autumn);
    EXPECT_EQ(ParseKansoBlocks(ReadBytes(folder.File(u"秋_一.kan"_s))), QStringList(7));
    EXPECT_EQ(Said(-1),
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
