// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/viewer/ViewerFixture.h"

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
    ASSERT_EQ(WriteKansoFile(folder.Path(), u"春_十.kan"_s,
                             {u"序へ\r\n\r\n三行目 "_s, u"一句目へ"_s, {}, {}, {}, {}})
                  .error(),
              QString());
    Start();
    Open(u"春_十一"_s);
    EXPECT_EQ(Header(), (QStringList{u"春"_s, u"芭蕉"_s, u"第十一版"_s, u"春　第十一版"_s}));
    EXPECT_EQ(Page(),
              (PageView{0, 0, {}, u"序"_s, {}, u"解説0\r\n二行目"_s, u"序へ\r\n\r\n三行目 "_s}));
    EXPECT_EQ(state.EditPassword, u"ab"_s);
    EXPECT_EQ(form->KansoList().value(1), u"一句目へ"_s);
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
    EXPECT_EQ(form->KansoList(), QStringList(7));
    EXPECT_EQ(Page(), (PageView{0, 0, {}, u"序"_s, {}, u"解説0\r\n二行目"_s, {}}));
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
    EXPECT_EQ(Header() << ChosenAuthorLabel()->text() << ChosenEditionLabel()->text(),
              QStringList(6));
    EXPECT_EQ(Page(), PageView{});
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
    EXPECT_TRUE(search->isVisible());
    QTest::keyClick(query, Qt::Key_Escape);
    EXPECT_FALSE(search->isVisible());
}

} // namespace
