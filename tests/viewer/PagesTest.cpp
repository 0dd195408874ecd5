// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/viewer/ViewerFixture.h"

#include "ui/BoxText.h"

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

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
