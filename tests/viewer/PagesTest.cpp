#include "ViewerFixture.h"

#include "BoxText.h"
#include "ColourValues.h"
#include "Shapes.h"

#include <QApplication>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Pages = ViewerTest;

TEST_F(Pages, RowsFindTheirEntriesWithHiddenSpecialPages) {
    Kushu k = MakeKushu(3);
    k.Entries[0].Commentary = u"序だ"_s; // two characters: hidden
    k.Entries[4].Commentary.clear();     // 跋 hidden
    Write(k);
    Start();
    Open(u"春_一"_s);
    ASSERT_EQ(Rows(), (QStringList{k.Entries[1].Verse, k.Entries[2].Verse, k.Entries[3].Verse,
                                   u"プロフィール"_s, u"奥付"_s}));
    const QStringList typed = {u"一"_s, u"二"_s, u"三"_s, u"人"_s, u"奥"_s};
    for (int row = 0; row < typed.size(); ++row) {
        if (row > 0)
            Button(4)->click();
        EXPECT_EQ(state.ShownPageIndex, row);
        Type(typed[row]);
    }
    EXPECT_EQ(ui::BoxText(Text1()), k.Entries[6].Commentary);
    EXPECT_EQ(Column(1)->Caption(), u"奥付"_s);
    Button(3)->click();
    EXPECT_EQ(ui::BoxText(Text1()), k.Entries[5].Commentary);
    EXPECT_EQ(Column(1)->Caption(), u"プロフィ｜ル"_s);
    Button(2)->click();
    EXPECT_EQ(CommentsOnDisk(u"春_一.kan"_s),
              (QStringList{{}, u"一"_s, u"二"_s, u"三"_s, {}, u"人"_s, u"奥"_s}));
}

TEST_F(Pages, CommentFollowsItsPageBackAndForth) {
    Write(MakeKushu(3));
    Start();
    Open(u"春_一"_s);
    Button(4)->click();
    Type(u"一句目の感想\r\n二行目"_s);
    Button(4)->click();
    EXPECT_TRUE(Text2()->toPlainText().isEmpty());
    EXPECT_EQ(state.KansoList.value(1), u"一句目の感想\r\n二行目"_s);
    List1()->setCurrentRow(5); // プロフィール, chosen in the list
    Type(u"略歴"_s);
    List1()->setCurrentRow(1);
    EXPECT_EQ(ui::BoxText(Text2()), u"一句目の感想\r\n二行目"_s);
    EXPECT_EQ(state.KansoList.value(3 + 2), u"略歴"_s);
    EXPECT_EQ(state.ShownPageIndex, 1);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(Pages, SpecialPageShowsItsWordAloneAndLeavesTheFocus) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Verse = u"跋"_s; // a verse that reads as a page word is that page
    Write(k);
    Start();
    Open(u"春_一"_s);
    List1()->setFocus();
    List1()->setCurrentRow(4); // プロフィール
    EXPECT_EQ(Column(1)->Caption(), u"プロフィ｜ル"_s);
    EXPECT_EQ(Column(2)->Caption(), QString());
    EXPECT_EQ(Column(3)->Caption(), QString());
    EXPECT_EQ(ui::BackColour(form.get()), k.Entries[4].Colours[WholeBack]);
    EXPECT_EQ(form->focusWidget(), List1());

    List1()->setCurrentRow(1); // the verse "跋"
    EXPECT_EQ(Column(1)->Caption(), u"跋"_s);
    EXPECT_EQ(ui::BoxText(Text1()), k.Entries[3].Commentary);
    EXPECT_EQ(form->focusWidget(), List1());

    List1()->setCurrentRow(2);
    EXPECT_EQ(Column(1)->Caption(), k.Entries[2].Verse);
    EXPECT_EQ(Column(2)->Caption(), k.Entries[2].Preface);
    EXPECT_EQ(Column(3)->Caption(), k.Entries[2].Postscript);
    EXPECT_EQ(form->focusWidget(), Text2());
}

TEST_F(Pages, ColoursReachExactlyTheControlsOfTheTable) {
    Kushu k = MakeKushu(2);
    ColourSet system;
    for (int slot = 0; slot < ColourSlotCount; ++slot)
        system[slot] = SystemColour(slot + 5); // 5 window ... 15 button face
    k.Entries[1].Colours = system;
    Write(k);
    Start();
    const ColourValue text2Back = ui::BackColour(Text2());
    const ColourValue text2Fore = ui::ForeColour(Text2());
    const QPalette listPalette = List1()->palette();
    const QPalette buttonPalette = Button(1)->palette();
    Open(u"春_一"_s);
    for (int row : {2, 1}) {
        List1()->setCurrentRow(row);
        const ColourSet& c = k.Entries[row].Colours;
        EXPECT_EQ(ui::BackColour(form.get()), c[WholeBack]);
        auto* strip = Find<ui::RoundedShape>("Shape1");
        EXPECT_EQ(strip->FillColour(), c[StripFill]);
        EXPECT_EQ(strip->BorderColour(), c[StripBorder]);
        EXPECT_EQ(ui::ForeColour(Column(2)), c[PrefaceFore]);
        EXPECT_EQ(ui::ForeColour(Column(3)), c[PostscriptFore]);
        EXPECT_EQ(ui::ForeColour(Column(1)), c[VerseFore]);
        EXPECT_EQ(ui::BackColour(Text1()), c[NoteBack]);
        EXPECT_EQ(ui::ForeColour(Text1()), c[NoteFore]);
        for (int n : {5, 7}) {
            EXPECT_EQ(ui::BackColour(Label(n)), c[TitleBack]) << n;
            EXPECT_EQ(ui::ForeColour(Label(n)), c[TitleFore]) << n;
        }
        for (int n : {4, 6, 8, 12, 13})
            EXPECT_EQ(ui::ForeColour(Label(n)), c[CaptionFore]) << n;

        // Nothing else takes a page's colours.
        EXPECT_EQ(ui::BackColour(Text2()), text2Back);
        EXPECT_EQ(ui::ForeColour(Text2()), text2Fore);
        EXPECT_EQ(ui::BackColour(Label(9)), 0x00FFFFFF);
        EXPECT_EQ(ui::BackColour(Label(10)), 0x00FFFFFF);
        EXPECT_EQ(ui::BackColour(Label(11)), SystemColour(15));
        EXPECT_EQ(ui::BackColour(Label(14)), SystemColour(15));
        EXPECT_EQ(ui::ForeColour(Label(11)), SystemColour(18));
        EXPECT_EQ(Find<ui::PanelShape>("Shape4")->FillColour(), 0x00E0E0E0);
        for (QWidget* list : std::initializer_list<QWidget*>{List1(), List2()}) {
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Text})
                EXPECT_EQ(list->palette().color(role), listPalette.color(role)) << role;
        }
        for (int n : {1, 2, 3, 4, 5, 6}) {
            for (auto role : {QPalette::Window, QPalette::Button, QPalette::ButtonText})
                EXPECT_EQ(Button(n)->palette().color(role), buttonPalette.color(role)) << n;
        }
    }
    // The values stay system colours, and paint what the platform gives for them.
    const QPalette app = QApplication::palette();
    EXPECT_EQ(ui::BackColour(form.get()), -2147483643); // window background, 5
    EXPECT_EQ(form->palette().color(QPalette::Window), app.color(QPalette::Base));
    EXPECT_EQ(Find<ui::RoundedShape>("Shape1")->FillColour(), SystemColour(6));
    EXPECT_EQ(ui::ForeColour(Label(4)), SystemColour(15));
    EXPECT_EQ(Label(4)->palette().color(QPalette::WindowText), app.color(QPalette::Button));
    EXPECT_EQ(Text1()->palette().color(QPalette::Base), app.color(QPalette::Button)); // 11
    EXPECT_EQ(Column(1)->palette().color(QPalette::WindowText), app.color(QPalette::Button));
}

TEST_F(Pages, PreviousAndNextStopAtBothEnds) {
    Start();
    Button(3)->click(); // nothing open: nothing happens
    Button(4)->click();
    EXPECT_EQ(List1()->currentRow(), -1);

    Write(MakeKushu(1));
    state.RefreshCollectionList();
    Open(u"春_一"_s);
    Type(u"最初"_s);
    Button(3)->click();
    EXPECT_EQ(List1()->currentRow(), 0);
    EXPECT_EQ(state.ShownPageIndex, 0);
    EXPECT_EQ(ui::BoxText(Text2()), u"最初"_s);
    EXPECT_EQ(state.KansoList, QStringList(5)); // not even stored

    for (int row = 1; row < 5; ++row) {
        Button(4)->click();
        EXPECT_EQ(List1()->currentRow(), row);
    }
    Type(u"最後"_s);
    Button(4)->click();
    EXPECT_EQ(List1()->currentRow(), 4);
    EXPECT_EQ(state.ShownPageIndex, 4);
    EXPECT_EQ(ui::BoxText(Text2()), u"最後"_s);
    EXPECT_EQ(state.KansoList.value(4), QString());
    Button(3)->click();
    EXPECT_EQ(List1()->currentRow(), 3);
    EXPECT_EQ(state.KansoList.value(4), u"最後"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

} // namespace
