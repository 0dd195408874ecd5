#include "ViewerFixture.h"

#include "BoxText.h"
#include "ColourValues.h"
#include "KansoFile.h"
#include "KushuFile.h"

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Opening = ViewerTest;

TEST_F(Opening, NothingChosenIsToldAndNothingChanges) {
    Write(MakeKushu(1));
    Start();
    Button(1)->click();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt, u"上のリストから、開きたい句集を選択してください。"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 0);
    EXPECT_EQ(dialogs.Messages[0].Title, QString());
    EXPECT_FALSE(form->IsCollectionOpen());

    // The open collection does not count as a choice, and its comments stay where they are.
    Open(u"春_一"_s);
    Type(u"まだ保存しない"_s);
    List2()->clearSelection();
    TakeMessages();
    Button(1)->click();
    ASSERT_EQ(TakeMessages().size(), 1);
    EXPECT_FALSE(QFile::exists(Path(u"春_一.kan"_s)));
    EXPECT_EQ(Text2()->toPlainText(), u"まだ保存しない"_s);
    EXPECT_EQ(state.KansoList, QStringList(5));
}

TEST_F(Opening, ShowsHeaderPagesAndThePrefacePageFirst) {
    Kushu k = MakeKushu(2, u"春"_s, u"十一"_s);
    k.Author = u"一茶"_s;
    k.Password = u"ab"_s;
    Write(k);
    Start();
    Open(u"春_十一"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(Label(5)->text(), u"春"_s);
    EXPECT_EQ(Label(7)->text(), u"一茶"_s);
    EXPECT_EQ(Label(8)->text(), u"第十一版"_s);
    EXPECT_EQ(Label(14)->text(), u"春　第十一版"_s);
    EXPECT_EQ(state.EditPassword, u"ab"_s);
    EXPECT_EQ(state.ViewerKushu, k);
    EXPECT_EQ(Rows(), (QStringList{u"序"_s, k.Entries[1].Verse, k.Entries[2].Verse, u"跋"_s,
                                   u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(List1()->currentRow(), 0);
    EXPECT_EQ(Column(1)->Caption(), u"序"_s);
    EXPECT_EQ(Column(2)->Caption(), QString());
    EXPECT_EQ(Column(3)->Caption(), QString());
    EXPECT_EQ(ui::BoxText(Text1()), k.Entries[0].Commentary);
    EXPECT_EQ(state.KansoList, QStringList(6));
    EXPECT_EQ(state.ShownPageIndex, 0);
    EXPECT_EQ(state.OpeningFlag, u"OFF"_s);
    EXPECT_EQ(form->focusWidget(), Text2());
    EXPECT_FALSE(Text2()->isReadOnly());
    // The header preview and the caption belong to the list, not to the open collection.
    EXPECT_EQ(Label(9)->text(), u"一茶"_s);
    EXPECT_EQ(form->windowTitle(), u"【Yomiwa】Ver.1.1 閲覧モード"_s);
}

TEST_F(Opening, WithoutPrefacePageTheFirstVerseComesFirst) {
    Kushu k = MakeKushu(2);
    k.Entries[0].Commentary = u"ab"_s;
    k.Entries[1].Preface = u"コーヒー店にて"_s;
    k.Entries[1].Verse = u"ソーダ水ストローの影ゆれにけり"_s;
    k.Entries[1].Postscript = u"ー"_s;
    Write(k);
    Start();
    Open(u"春_一"_s);
    EXPECT_EQ(Rows().value(0), u"ソーダ水ストローの影ゆれにけり"_s); // the list keeps "ー"
    EXPECT_EQ(Rows().size(), 2 + 3);
    EXPECT_EQ(Column(2)->Caption(), u"コ｜ヒ｜店にて"_s);
    EXPECT_EQ(Column(1)->Caption(), u"ソ｜ダ水ストロ｜の影ゆれにけり"_s);
    EXPECT_EQ(Column(3)->Caption(), u"｜"_s);
    EXPECT_EQ(Column(1)->Cells().size(), 15);
    EXPECT_EQ(ui::BoxText(Text1()), k.Entries[1].Commentary);
    EXPECT_EQ(ui::ForeColour(Column(1)), k.Entries[1].Colours[VerseFore]);
}

TEST_F(Opening, ExistingCommentsAreReadAndAMismatchIsTold) {
    Write(MakeKushu(2, u"春"_s));
    Write(MakeKushu(2, u"秋"_s));
    ASSERT_EQ(WriteKansoFile(folder.Path(), u"春_一.kan"_s,
                             {u"序へ"_s, u"一句目へ\r\n二行"_s, {}, {}, {}, {}}),
              QString());
    ASSERT_EQ(WriteKansoFile(folder.Path(), u"秋_一.kan"_s, {u"a"_s, u"b"_s, u"c"_s}), QString());
    Start();
    Open(u"春_一"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(ui::BoxText(Text2()), u"序へ"_s);
    EXPECT_EQ(state.KansoList.value(1), u"一句目へ\r\n二行"_s);

    Open(u"秋_一"_s);
    const QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(
        messages[0].Prompt,
        u"感想ファイル「秋_一.kan」の内容が句集ファイルと整合しません。\r\n\r\n感想を読み込めません。"_s);
    EXPECT_EQ(messages[0].Style, 8);
    EXPECT_EQ(messages[0].Title, QString());
    EXPECT_TRUE(form->IsCollectionOpen());
    EXPECT_EQ(Label(5)->text(), u"秋"_s);
    EXPECT_EQ(state.KansoList, QStringList(6));
    EXPECT_TRUE(Text2()->toPlainText().isEmpty());
}

TEST_F(Opening, AnotherCollectionWritesThePreviousCommentsBeforeItIsRead) {
    Write(MakeKushu(1, u"春"_s));
    Write(MakeKushu(3, u"秋"_s));
    Start();
    Open(u"春_一"_s);
    Type(u"序を読んで"_s);
    Open(u"秋_一"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s), (QStringList{u"序を読んで"_s, {}, {}, {}, {}}));
    // The box's text belonged to the other collection: it went to its file, not here.
    EXPECT_EQ(state.KansoList, QStringList(7));
    EXPECT_TRUE(Text2()->toPlainText().isEmpty());
    EXPECT_EQ(state.ShownPageIndex, 0);

    // Opening the open collection again keeps its comments: written, emptied, read back.
    Open(u"春_一"_s);
    Open(u"春_一"_s);
    EXPECT_EQ(ui::BoxText(Text2()), u"序を読んで"_s);
    Type(u"、もう一度"_s);
    Open(u"春_一"_s);
    EXPECT_EQ(ui::BoxText(Text2()), u"序を読んで、もう一度"_s);
    EXPECT_TRUE(QFile::exists(Path(u"秋_一.kan"_s)));
}

TEST_F(Opening, UnreadableFileLeavesTheOpenCollectionExactlyAsItWas) {
    Kushu spring = MakeKushu(3, u"春"_s);
    spring.Password = u"鍵"_s;
    Write(spring);
    WriteBytes(Path(u"悪い_一.Ywk"_s), Sjis(u"悪い\r\n誰か\r\n一\r\n-29151,\r\nJOSTART\r\n"_s));
    Kushu cut = MakeKushu(1, u"途中"_s);
    QByteArray cutBytes = SerializeKushu(cut).Bytes;
    cutBytes.chop(10); // "OKUEND--" and its line end are missing
    WriteBytes(Path(u"途中_一.Ywk"_s), cutBytes);
    Start();
    Open(u"春_一"_s);
    Button(4)->click();
    Button(4)->click();
    Type(u"まだ箱の中"_s);
    const ColourValue back = ui::BackColour(form.get());
    const QString text1 = ui::BoxText(Text1());
    const QString verse = Column(1)->Caption();

    Open(u"悪い_一"_s);
    QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].Prompt, u"句集を開けません。\r５行目のデータが不正です。"_s);
    EXPECT_EQ(messages[0].Style, 8);
    EXPECT_EQ(messages[0].Title, QString());
    Open(u"途中_一"_s);
    messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].Prompt.startsWith(u"句集を開けません。\r"_s));
    EXPECT_EQ(messages[0].Style, 8);

    EXPECT_EQ(Label(5)->text(), u"春"_s);
    EXPECT_EQ(Label(7)->text(), u"芭蕉"_s);
    EXPECT_EQ(Label(8)->text(), u"第一版"_s);
    EXPECT_EQ(Label(14)->text(), u"春　第一版"_s);
    EXPECT_EQ(state.ViewerKushu, spring);
    EXPECT_EQ(state.EditPassword, u"鍵"_s);
    EXPECT_EQ(Rows().size(), 3 + 4);
    EXPECT_EQ(List1()->currentRow(), 2);
    EXPECT_EQ(state.ShownPageIndex, 2);
    EXPECT_EQ(ui::BoxText(Text2()), u"まだ箱の中"_s);
    EXPECT_EQ(ui::BoxText(Text1()), text1);
    EXPECT_EQ(Column(1)->Caption(), verse);
    EXPECT_EQ(ui::BackColour(form.get()), back);
    EXPECT_EQ(state.KansoList.value(2), u"まだ箱の中"_s); // stored and written before reading

    // Reading goes on in the same collection, and its comments reach its own file.
    Button(3)->click();
    EXPECT_EQ(state.ShownPageIndex, 1);
    Button(2)->click();
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s).value(2), u"まだ箱の中"_s);
    EXPECT_FALSE(QFile::exists(Path(u"悪い_一.kan"_s)));
    EXPECT_FALSE(QFile::exists(Path(u"途中_一.kan"_s)));
}

TEST_F(Opening, CollectionWithoutAnyPageOpensWithAnEmptyPageArea) {
    Write(MakeKushu(2, u"春"_s));
    Kushu empty;
    empty.Title = u"空"_s;
    empty.Edition = u"一"_s;
    empty.Entries[0].Commentary = u"ab"_s;
    empty.Entries[1].Commentary = u"\r\n"_s;
    empty.Entries[3].Colours = Colours(7);
    Write(empty);
    Start();
    Open(u"春_一"_s);
    Button(4)->click();
    Open(u"空_一"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_TRUE(form->IsCollectionOpen());
    EXPECT_EQ(Label(5)->text(), u"空"_s);
    EXPECT_EQ(List1()->count(), 0);
    for (int n : {1, 2, 3})
        EXPECT_EQ(Column(n)->Caption(), QString()) << n;
    EXPECT_TRUE(Text1()->toPlainText().isEmpty());
    EXPECT_TRUE(Text2()->toPlainText().isEmpty());
    EXPECT_EQ(ui::BackColour(form.get()), viewer::MainForm::DesignColours()[WholeBack]);
    // Nothing to write a comment on, nothing to page to.
    Type(u"どこへも行かない"_s);
    EXPECT_TRUE(Text2()->toPlainText().isEmpty());
    Button(3)->click();
    Button(4)->click();
    EXPECT_EQ(List1()->currentRow(), -1);
    Button(2)->click();
    EXPECT_EQ(CommentsOnDisk(u"空_一.kan"_s), QStringList(4));
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s), QStringList(6));
}

} // namespace
