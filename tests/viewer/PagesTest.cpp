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
    k.Entries[1].Preface = u"コーヒー店にて"_s;
    k.Entries[1].Verse = u"ソーダ水ストローの影ゆれにけり"_s;
    k.Entries[1].Postscript = u"ー"_s;
    Write(k);
    Start();
    Open(u"春_一"_s);
    // The list keeps "ー"; the strip turns it into the vertical line.
    ASSERT_EQ(Rows(), (QStringList{k.Entries[1].Verse, k.Entries[2].Verse, k.Entries[3].Verse,
                                   u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(Shown(),
              u"春|芭蕉|第一版|春　第一版|0:0|コ｜ヒ｜店にて/ソ｜ダ水ストロ｜の影ゆれにけり/｜|"_s
              u"解説1\r\n二行目|"_s);
    EXPECT_EQ(ui::ForeColour(Column(1)), k.Entries[1].Colours[VerseFore]);

    const QStringList typed = {u"一"_s, u"二行目\r\n\r\n三行目 "_s, u"三"_s, u"人"_s, u"奥"_s};
    for (int row = 0; row < typed.size(); ++row) {
        if (row > 0)
            Button(4)->click();
        EXPECT_EQ(form->ShownPageIndex(), row);
        Type(typed[row]);
    }
    EXPECT_EQ(Column(1)->Caption(), u"奥付"_s);
    List1()->setCurrentRow(1); // chosen in the list: the comment comes back
    EXPECT_EQ(ui::BoxText(Text2()), u"二行目\r\n\r\n三行目 "_s);
    EXPECT_EQ(state.KansoList.value(6), u"奥"_s);
    EXPECT_EQ(form->ShownPageIndex(), 1);
    form->close(); // the close box quits like "Yomiwa終了", keeping every comment
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(
        CommentsOnDisk(u"春_一.kan"_s),
        (QStringList{{}, u"一"_s, u"二行目\r\n\r\n三行目 "_s, u"三"_s, {}, u"人"_s, u"奥"_s}));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(Pages, ColoursReachExactlyTheControlsOfTheTable) {
    Kushu k = MakeKushu(2);
    for (int slot = 0; slot < ColourSlotCount; ++slot)
        k.Entries[1].Colours[slot] = SystemColour(slot + 5); // 5 window ... 15 button face
    Write(k);
    Start();
    // Text2 and the labels 9, 10, 11 and 14 keep the colours they start with.
    auto untouched = [this] {
        QList<ColourValue> values{ui::BackColour(Text2()), ui::ForeColour(Text2())};
        for (int n : {9, 10, 11, 14})
            values << ui::BackColour(Label(n)) << ui::ForeColour(Label(n));
        return values;
    };
    const QList<ColourValue> before = untouched();
    const QPalette listPalette = List1()->palette();
    const QPalette buttonPalette = Button(1)->palette();
    auto* strip = Find<ui::RoundedShape>(u"Shape1"_s);
    Open(u"春_一"_s);
    for (int row : {2, 1}) {
        List1()->setCurrentRow(row);
        // Each slot as the window shows it, in slot order.
        const ColourSet shown{
            {ui::BackColour(form.get()), strip->FillColour(), strip->BorderColour(),
             ui::ForeColour(Column(2)), ui::ForeColour(Column(3)), ui::ForeColour(Column(1)),
             ui::BackColour(Text1()), ui::ForeColour(Text1()), ui::BackColour(Label(5)),
             ui::ForeColour(Label(5)), ui::ForeColour(Label(4))}};
        const ColourSet& c = k.Entries[row].Colours;
        EXPECT_EQ(shown.Values, c.Values);
        EXPECT_EQ(ui::BackColour(Label(7)), c[TitleBack]);
        EXPECT_EQ(ui::ForeColour(Label(7)), c[TitleFore]);
        for (int n : {6, 8, 12, 13})
            EXPECT_EQ(ui::ForeColour(Label(n)), c[CaptionFore]) << n;

        // Nothing else takes a page's colours.
        EXPECT_EQ(untouched(), before);
        EXPECT_EQ(Find<ui::PanelShape>(u"Shape4"_s)->FillColour(), 0x00E0E0E0);
        EXPECT_TRUE(List1()->palette() == listPalette && List2()->palette() == listPalette);
        for (int n = 1; n <= 6; ++n)
            EXPECT_TRUE(Button(n)->palette() == buttonPalette) << n;
    }
    // The values stay system colours, and paint what the platform gives for them.
    EXPECT_EQ(ui::BackColour(form.get()), -2147483643); // window background, 5
    EXPECT_EQ(form->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Base));
}

TEST_F(Pages, SpecialPagesAndPreviousAndNextAtBothEnds) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Verse = u"跋"_s; // a verse that reads as a page word is that page
    Write(k);
    Start();
    Open(u"春_一"_s);
    Type(u"最初"_s);
    Button(3)->click();
    EXPECT_TRUE(Shown().endsWith(u"|0:0|/序/|解説0\r\n二行目|最初"_s)) << Shown().toStdString();
    EXPECT_EQ(state.KansoList, QStringList(6)); // not even stored

    List1()->setFocus();
    Button(4)->click(); // the verse "跋" shows the page 跋 and keeps the focus
    EXPECT_TRUE(Shown().endsWith(u"|1:1|/跋/|解説3\r\n二行目|"_s)) << Shown().toStdString();
    EXPECT_EQ(form->focusWidget(), List1());
    Button(4)->click(); // a verse page takes the focus to the comment box
    EXPECT_TRUE(Shown().endsWith(u"|2:2|前書2/古池や蛙飛びこむ水の音2/後書2|解説2\r\n二行目|"_s));
    EXPECT_EQ(form->focusWidget(), Text2());
    List1()->setFocus();
    for (int row = 3; row < 6; ++row)
        Button(4)->click();
    Button(3)->click(); // プロフィール: its word alone, and the focus left where it was
    EXPECT_TRUE(Shown().endsWith(u"|4:4|/プロフィ｜ル/|解説4\r\n二行目|"_s))
        << Shown().toStdString();
    EXPECT_EQ(ui::BackColour(form.get()), k.Entries[4].Colours[WholeBack]);
    EXPECT_EQ(form->focusWidget(), List1());

    Button(4)->click();
    Type(u"最後"_s);
    Button(4)->click();
    EXPECT_TRUE(Shown().endsWith(u"|5:5|/奥付/|解説5\r\n二行目|最後"_s)) << Shown().toStdString();
    EXPECT_EQ(state.KansoList.value(5), QString());
    Button(3)->click();
    EXPECT_EQ(state.KansoList.value(5), u"最後"_s);
}

} // namespace
