// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/viewer/ViewerFixture.h"

#include "ui/BoxText.h"
#include "viewer/SearchWindow.h"

#include <QDir>
#include <QLineEdit>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Opening = ViewerTest;

TEST_F(Opening, ShowsHeaderPagesCommentsAndThePrefacePageFirst) {
    Kushu k = MakeKushu(2, u"春"_s, u"十一"_s);
    k.Password = u"ab"_s;
    Write(k);
    WriteBytes(Path(u"春_十.kan"_s),
               SerializeKanso({u"序へ\r\n\r\n三行目 "_s, u"一句目へ"_s, {}, {}, {}, {}}).value());
    Start();
    Open(u"春_十一"_s);
    EXPECT_EQ(Header(), (QStringList{u"春"_s, u"芭蕉"_s, u"第十一版"_s, u"春　第十一版"_s}));
    EXPECT_EQ(Page(),
              (PageView{0, 0, {}, u"序"_s, {}, u"解説0\r\n二行目"_s, u"序へ\r\n\r\n三行目 "_s}));
    EXPECT_EQ(state.EditPassword, u"ab"_s);
    EXPECT_EQ(form->KansoList().value(1), u"一句目へ"_s);
}

TEST_F(Opening, UnreadableFileLeavesTheOpenCollectionExactlyAsItWas) {
    Kushu spring = MakeKushu(3, u"春"_s);
    spring.Password = u"鍵"_s;
    Write(spring);
    WriteBytes(Path(u"悪い_一.Ywk"_s), Sjis(u"悪い\r\n誰か\r\n一\r\n-29151,\r\nJOSTART\r\n"_s));
    Start();
    Open(u"春_一"_s);
    NextPageButton()->click();
    NextPageButton()->click();
    Type(u"まだ箱の中"_s);
    const QStringList header = Header();
    const PageView page = Page();
    Open(u"悪い_一"_s);
    EXPECT_EQ(OneMessage(Notice), u"句集を開けません。\r５行目のデータが不正です。"_s);
    EXPECT_EQ(Header(), header);
    EXPECT_EQ(Page(), page);
    EXPECT_EQ(state.EditPassword, u"鍵"_s);
    QuitButton()->click(); // its comments reach its own file
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s).value(2), u"まだ箱の中"_s);
}

TEST_F(Opening, TheWindowStartsEmptyAndASecondInstanceIsToldAndEnds) {
    Write(MakeKushu(1));
    Start();
    EXPECT_EQ(Header() << Find<QLabel>("Label9")->text() << ChosenEditionLabel()->text(),
              QStringList(6));
    EXPECT_EQ(Page(), (PageView{-1, 0, {}, {}, {}, {}, {}}));
    SharedState other;
    viewer::MainForm second(other, dialogs);
    EXPECT_FALSE(
        second.Form_Load(folder.Path().chopped(1), viewer::MainForm::OtherInstance::Running));
    EXPECT_EQ(OneMessage(Notice), u"【Yomiwa】はすでに起動されています。"_s);
    EXPECT_TRUE(other.AppFolder.isEmpty()); // nothing after the message ran
    QuitButton()->click();                  // nothing open: nothing is written
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.kan"_s}, QDir::Files), QStringList());
}

TEST_F(Opening, ASearchResultOpensItsPageAfterTheTypedCommentIsWrittenAndTheSearchStays) {
    Write(MakeKushu(1, u"春"_s));
    Write(MakeKushu(3, u"秋"_s));
    WriteBytes(Path(u"壊_一.Ywk"_s), "x");
    Start();
    Open(u"春_一"_s);
    Type(u"ほととぎす"_s);
    form->Find_Click();
    viewer::SearchWindow* search = form->Search();
    auto* query = Control<QLineEdit>(search, u"SearchQuery"_s);
    auto* results = Control<QListWidget>(search, u"SearchResults"_s);
    // The comment typed and not yet written is found, katakana for hiragana.
    for (const auto& [text, found] : {std::pair{u"ホトトギス"_s, u"春 ほととぎす"_s},
                                      std::pair{u"水の音３"_s, u"秋 古池や蛙飛びこむ水の音3"_s}}) {
        query->setText(text);
        QTRY_VERIFY(!search->Busy());
        EXPECT_EQ(Items(results), QStringList{found});
    }
    EXPECT_EQ(Control<QLabel>(search, u"SearchStatus"_s)->text().count(u"壊_一.Ywk"_s), 1);
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_EQ(TitleLabel()->text(), u"秋"_s);
    EXPECT_EQ(PageList()->currentRow(), 3);
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s), (QStringList{u"ほととぎす"_s, {}, {}, {}, {}}));
    // The box's text belonged to the other collection: it went to its file, not here.
    EXPECT_EQ(form->KansoList(), QStringList(7));
    EXPECT_TRUE(dialogs.Messages.isEmpty() && search->isVisible());
    QTest::keyClick(query, Qt::Key_Escape);
    EXPECT_FALSE(search->isVisible());
}

using Pages = ViewerTest;

TEST_F(Pages, RowsFindTheirEntriesWithHiddenSpecialPagesAndCommentsReachTheirBlocks) {
    Kushu k = MakeKushu(3);
    k.Entries[0].Commentary = u"序だ"_s; // two characters: hidden
    k.Entries[4].Commentary.clear();     // 跋 hidden
    k.Entries[1].Preface = u"コーヒー店にて"_s;
    k.Entries[1].Verse = u"ソーダ水ストローの影"_s;
    k.Entries[1].Postscript = u"ー"_s;
    Write(k);
    Start();
    Open(u"春_一"_s);
    // The list keeps "ー"; the strip turns it into the vertical line.
    ASSERT_EQ(Rows(), (QStringList{k.Entries[1].Verse, k.Entries[2].Verse, k.Entries[3].Verse,
                                   u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(Page(), (PageView{0,
                                0,
                                u"コ｜ヒ｜店にて"_s,
                                u"ソ｜ダ水ストロ｜の影"_s,
                                u"｜"_s,
                                u"解説1\r\n二行目"_s,
                                {}}));
    const QStringList typed = {u"一"_s, u"二行目\r\n\r\n三行目 "_s, u"三"_s, u"人"_s, u"奥"_s};
    for (int row = 0; row < typed.size(); ++row) {
        if (row > 0)
            NextPageButton()->click();
        Type(typed[row]);
    }
    PageList()->setCurrentRow(1); // chosen in the list: the comment comes back
    EXPECT_EQ(ui::BoxText(CommentBox()), u"二行目\r\n\r\n三行目 "_s);
    form->close(); // the close box quits like "Yomiwa終了", keeping every comment
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(
        CommentsOnDisk(u"春_一.kan"_s),
        (QStringList{{}, u"一"_s, u"二行目\r\n\r\n三行目 "_s, u"三"_s, {}, u"人"_s, u"奥"_s}));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(Pages, PreviousAndNextAtBothEndsStoreTheCommentOnlyWhenThePageTurns) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Verse = u"跋"_s; // a verse that reads as a page word is that page
    Write(k);
    Start();
    Open(u"春_一"_s);
    Type(u"最初"_s);
    PreviousPageButton()->click();
    EXPECT_EQ(Page(), (PageView{0, 0, {}, u"序"_s, {}, u"解説0\r\n二行目"_s, u"最初"_s}));
    EXPECT_EQ(form->KansoList(), QStringList(6)); // not even stored
    PageList()->setFocus();
    NextPageButton()->click(); // the verse "跋" shows the page 跋 and keeps the focus
    EXPECT_EQ(Page(), (PageView{1, 1, {}, u"跋"_s, {}, u"解説3\r\n二行目"_s, {}}));
    EXPECT_EQ(form->focusWidget(), PageList());
    PageList()->setCurrentRow(5);
    Type(u"最後"_s);
    NextPageButton()->click();
    EXPECT_EQ(Page(), (PageView{5, 5, {}, u"奥付"_s, {}, u"解説5\r\n二行目"_s, u"最後"_s}));
    EXPECT_EQ(form->KansoList().value(5), QString());
    PreviousPageButton()->click();
    EXPECT_EQ(form->KansoList().value(5), u"最後"_s);
}

} // namespace
