#include "CodeList.h"
#include "EditorFixture.h"

#include <QDir>

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
    void Save() { Click("Command4"); }
    void Header(const QString& title, const QString& edition, const QString& password = {},
                const QString& author = {}) {
        Line("Text2")->setText(title);
        Line("Text3")->setText(author);
        Line("Text4")->setText(edition);
        Line("Text9")->setText(password);
    }
    void Add(const QString& preface, const QString& verse, const QString& postscript = {},
             const QString& commentary = {}) {
        Fill(preface, verse, postscript, commentary);
        Click("Command5");
    }
    // Nothing happened to the window or the folder's list.
    void ExpectStillOpen() const {
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(refreshed, 0);
    }
    QStringList Files() const { return QDir(folder.Path()).entryList(QDir::Files, QDir::Name); }
    Kushu ReadBack(const QString& name) const {
        const KushuReadResult read = ReadKushuFile(folder.File(name));
        EXPECT_TRUE(read.ok()) << read.Error.toStdString();
        return read.Collection;
    }

    int refreshed = 0;
};

} // namespace

// The whole way from the editor to the reading window is the end-to-end test; here, what
// only the file shows.
TEST_F(EditorSave, ACollectionMadeInTheEditorReadsBackWhole) {
    OpenNew();
    Header(u"旅の句集"_s, u"一"_s, u"Pass 1"_s, u"芭蕉"_s);
    window->ApplyShownColours(Colours(11));
    Add(u"深川にて"_s, u"古池や蛙飛びこむ水の音"_s, u"後書一"_s, u"KUEND--x\r\n続き"_s);
    Select(3); // プロフィール
    window->ApplyShownColours(Colours(13));
    SetText1(u"一六四四年生まれ"_s);
    PressChange();
    Line("Text5")->setText(u"捨てる句"_s); // typed but never added: not saved

    Save();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(Files(), QStringList{u"旅の句集_一.Ywk"_s});
    Kushu expected{u"旅の句集"_s, u"芭蕉"_s, u"一"_s, u"Pass 1"_s, QList<KuEntry>(5)};
    for (KuEntry& e : expected.Entries)
        e.Colours = Colours(0);
    // The pages' verse fields are not in the file.
    expected.Entries[1] = {u"深川にて"_s, u"古池や蛙飛びこむ水の音"_s, u"後書一"_s,
                           u"KUEND--x\r\n続き"_s, Colours(11)};
    expected.Entries[3] = {{}, {}, {}, u"一六四四年生まれ"_s, Colours(13)};
    EXPECT_EQ(ReadBack(u"旅の句集_一.Ywk"_s), expected);
}

TEST_F(EditorSave, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
    const Kushu k = MakeKushu(2, u"春"_s, u"一"_s);
    OpenChange(Store(k));
    const QByteArray original = ReadBytes(folder.File(u"春_一.Ywk"_s));
    Select(1);
    Line("Text5")->setText(u"変えた句"_s);
    PressChange();
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    Save();
    EXPECT_EQ(Said(-1), Box(u"春の第一版はすでに存在します。上書きしますか？"_s, YesNo, Title));
    ExpectStillOpen();
    EXPECT_EQ(ReadBytes(folder.File(u"春_一.Ywk"_s)), original);
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Save();
    EXPECT_FALSE(window->isVisible());
    Kushu changed = k;
    changed.Entries[1].Verse = u"変えた句"_s;
    EXPECT_EQ(ReadBack(u"春_一.Ywk"_s), changed);

    // A name in another letter case is the same file: asked for, and replaced.
    WriteBytes(folder.File(u"x_一.YWK"_s), "old");
    OpenNew();
    Header(u"x"_s, u"一"_s);
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Save();
    EXPECT_EQ(Said(-1), Box(u"xの第一版はすでに存在します。上書きしますか？"_s, YesNo, Title));
    EXPECT_EQ(Files(), (QStringList{u"x_一.YWK"_s, u"春_一.Ywk"_s}));
    EXPECT_TRUE(ReadKushuFile(folder.File(u"x_一.YWK"_s)).ok());
}

TEST_F(EditorSave, RefusalsComeInTheirOrderWithTheFocusOnTheFieldAndWriteNothing) {
    OpenNew();
    Add({}, u"名月や"_s);
    // 句の変更 stores a preface with a line break unchecked: the file would not read back.
    Fill(u"前\r書"_s, u"名月や"_s);
    PressChange();
    const QString unsafe = u"が含まれています。\r次の文字は使えません： \\ / : * ? \" < > |"_s;
    // Each save mends the fault before it, and no more: the checks come in their order, with
    // the focus on the field. Nothing may leave the program's folder.
    auto save = [&](const QString& title, const QString& edition, const QString& password,
                    const char* focus, const QString& said) {
        Line("Text5")->setFocus();
        Header(title, edition, password);
        Save();
        EXPECT_EQ(Said(-1), said);
        EXPECT_EQ(window->focusWidget(), Line(focus)) << focus;
    };
    save({}, u"第1:2"_s, u"二\r行"_s, "Text9",
         Box(u"パスワードが２行以上になっています。\rクリップボードを使って文字を貼り付ける場合は"
             u"、\r改行が含まれないように注意してください。"_s,
             Ok, u"パスワードは１行にしてください"_s));
    save({}, u"第1:2"_s, {}, "Text2",
         Box(u"句集名が入力されていないと保存することができません。"_s));
    save(u"../外"_s, u"第1:2"_s, {}, "Text2",
         Box(u"句集名にファイル名に使えない文字「/」(U+002F)"_s + unsafe));
    save(u"外"_s, u"第1:2"_s, {}, "Text4",
         Box(u"版数にファイル名に使えない文字「:」(U+003A)"_s + unsafe));
    save(u"外"_s, u"一"_s, {}, "Text5",
         Box(u"句集を保存できません。\r句「名月や」の前書に改行が含まれています。"_s, Notice));
    EXPECT_EQ(dialogs.Messages.size(), 6);
    ExpectStillOpen();
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(QDir(folder.Path() + u".."_s).entryList({u"外_*"_s}).isEmpty());
    EXPECT_EQ(window->Collection().KuCount(), 1);
}

TEST_F(EditorSave, AFailedWriteNamesTheFileAndLosesNothing) {
    OpenNew();
    Header(u"冬"_s, u"一"_s);
    Add({}, u"初しぐれ"_s);
    // A folder in the way of the file: the write cannot replace it.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"冬_一.Ywk"_s));
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Save();
    const QString said = Said(-1);
    EXPECT_TRUE(said.startsWith(u"ファイル「冬_一.Ywk」を保存できません。\r"_s) &&
                said.endsWith(u" |8| "_s))
        << said.toStdString();
    ExpectStillOpen();
    Line("Text4")->setText(u"二"_s);
    Save();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadBack(u"冬_二.Ywk"_s).Entries[1].Verse, u"初しぐれ"_s);
}

TEST_F(EditorSave, ALine5FaultKeepsTheHeaderButTheFileCannotBeOverwritten) {
    const QByteArray broken =
        Sjis(u"夏\r\n蕪村\r\n一\r\n"_s + *EncodeCodeList(u"秘"_s) + u"\r\nKUSTART--\r\n中身\r\n"_s);
    WriteBytes(folder.File(u"夏_一.Ywk"_s), broken);
    state.EditPassword = u"old"_s;
    OpenChange(u"夏_一"_s);
    EXPECT_TRUE(window->Loaded());
    EXPECT_EQ(Line("Text2")->text() + Line("Text3")->text() + Line("Text4")->text(), u"夏蕪村一"_s);
    EXPECT_EQ(Line("Text9")->text(), QString());
    EXPECT_EQ(List1()->count(), 0);
    EXPECT_EQ(state.EditPassword, u"秘"_s);
    EXPECT_EQ(window->ReadShownColours(), Colours(0));
    // Saving would put four empty pages in place of the file.
    Save();
    EXPECT_EQ(Said(), (QStringList{Box(u"句集を開けません。\r５行目のデータが不正です。"_s, Notice),
                                   Box(u"句集の内容が読み込まれていないため、保存できません。\r"
                                       u"「保存せず終了」で編集を終了してください。"_s)}));
    ExpectStillOpen();
    EXPECT_EQ(ReadBytes(folder.File(u"夏_一.Ywk"_s)), broken);
}

TEST_F(EditorSave, LeavingWithoutSavingAsksFirstAndWritesNothing) {
    OpenNew();
    Header(u"下書き"_s, u"一"_s);
    Add({}, u"句"_s);
    // The button and Esc ask the same question.
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    Click("Command17");
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    QTest::keyClick(List1(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Said(), QStringList(2, Box(u"編集結果を保存せずに句集の編集を終了して良いですか?"_s,
                                         YesNo, Title)));
    EXPECT_EQ(window->Collection().KuCount(), 1);

    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Click("Command17");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(refreshed, 0);
}
