// The entry buttons as the window wires them; what each operation decides is in
// EntryOperationsTest.

#include "ColourValues.h"
#include "EditorFixture.h"
#include "Shapes.h"
#include "StripColumn.h"

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class EditorEditing : public EditorFixture {
protected:
    void Pick(const char* button, std::optional<QColor> colour) {
        dialogs.QueueColour(colour);
        Click(button);
    }
    ColourValue Fore(const char* name) const { return ui::ForeColour(Get(name)); }
    ColourValue Back(const char* name) const { return ui::BackColour(Get(name)); }
};
using EditorColours = EditorEditing;

TEST_F(EditorEditing, AddingStoresTheFieldsInTheShownColoursAndARefusalKeepsEverything) {
    OpenNew();
    Fill(u"旅にて"_s, u"古池や"_s, u"深川"_s, u"一行目\r\n二行目"_s);
    Click("Command5");
    EXPECT_EQ(window->Collection().Entries[1],
              (KuEntry{u"旅にて"_s, u"古池や"_s, u"深川"_s, u"一行目\r\n二行目"_s, Colours(0)}));
    EXPECT_EQ(window->focusWidget(), Line("Text6"));
    // The fields are empty for the next haiku, and so is the strip.
    EXPECT_EQ(Text1() + Line("Text5")->text() + Get<ui::StripColumn>("Label9")->Caption(),
              QString());
    Line("Text5")->setText(u"二行\r目"_s);
    Click("Command5");
    EXPECT_EQ(window->focusWidget(), Line("Text5")); // refused: the message and its focus
    EXPECT_EQ(window->Collection().KuCount(), 1);
}

TEST_F(EditorEditing, ChangeRunsOnAnyMouseButtonButNotFromTheKeyboard) {
    const Kushu k = MakeKushu(2);
    OpenChange(Store(k));
    Select(2);
    Line("Text5")->setText(u"直した句"_s);
    // Space, Enter or a click signal do nothing: the button acts on the mouse press alone.
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(Get("Command18"), key);
    Click("Command18");
    EXPECT_EQ(window->Collection(), k);
    QTest::mousePress(Get("Command18"), Qt::RightButton);
    EXPECT_EQ(Rows().value(2), u"直した句"_s);
    QTest::mouseRelease(Get("Command18"), Qt::RightButton); // the release adds nothing
    EXPECT_EQ(dialogs.Messages.size(), 1);
    // Shift, Ctrl and Alt each give the shown colours to every entry, and no text anywhere.
    Select(1);
    Line("Text5")->setText(u"保存されない"_s);
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::AltModifier}) {
        window->ApplyShownColours(Colours(modifier >> 24));
        PressChange(Qt::LeftButton, modifier);
        EXPECT_EQ(window->Collection().Entries[4].Colours, Colours(modifier >> 24));
    }
    EXPECT_EQ(window->Collection().Entries[1].Verse, k.Entries[1].Verse);
}

TEST_F(EditorEditing, DeleteAsksAndLeavesNoRowSelectedAndMovesSelectTheMovedEntry) {
    const Kushu k = MakeKushu(3);
    OpenChange(Store(k));
    Select(2);
    for (auto answer : {ui::Dialogs::Answer::No, ui::Dialogs::Answer::Yes}) {
        EXPECT_EQ(window->Collection(), k);
        dialogs.QueueAnswer(answer);
        Click("Command3");
    }
    EXPECT_EQ(Rows().mid(1, 2), (QStringList{k.Entries[1].Verse, k.Entries[3].Verse}));
    EXPECT_EQ(List1()->currentRow(), -1);
    Select(2);
    Click("Command1");
    EXPECT_EQ(Rows().mid(1, 2), (QStringList{k.Entries[3].Verse, k.Entries[1].Verse}));
    Click("Command2");
    EXPECT_EQ(List1()->currentRow(), 2);
}

TEST_F(EditorColours, EachButtonPaintsItsControlsAndACancelKeepsTheLastChoice) {
    OpenNew();
    // Button n picks RGB(n, 0, 0), the colour value n.
    for (int n = 6; n <= 16; ++n)
        Pick(("Command" + QByteArray::number(n)).constData(), QColor(n, 0, 0));
    auto* shape = Get<ui::RoundedShape>("Shape1");
    QList<ColourValue> painted = {ui::BackColour(window.get()), shape->FillColour(),
                                  shape->BorderColour()};
    for (const char* column : {"Label8", "Label9", "Label10"})
        painted << Fore(column);
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"})
        painted << Back(box) << Fore(box);
    for (const char* label :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label11"})
        painted << Fore(label);
    EXPECT_EQ(painted, (QList<ColourValue>{6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 14,
                                           15, 14, 15, 16, 16, 16, 16, 16, 16, 16, 16}));
    // Read back in slot order, 後書 before 句; no entry changed.
    EXPECT_EQ(window->ReadShownColours().Values,
              (std::array<ColourValue, 11>{6, 7, 8, 9, 11, 10, 12, 13, 14, 15, 16}));
    EXPECT_EQ(window->Collection().Entries[0].Colours, Colours(0));
    // The one dialog starts from its last confirmed colour and gives it again on a cancel.
    Pick("Command12", std::nullopt);
    EXPECT_EQ(dialogs.ColourDialogInitials.last(), QColor(16, 0, 0));
    EXPECT_EQ(Back("Text1"), 16);
}

TEST_F(EditorColours, SavedColoursOutliveTheEditorWindowAndReachEntriesThroughChange) {
    OpenChange(Store(MakeKushu(2)));
    Select(2);
    Click("Command19");
    EXPECT_EQ(Said(), QStringList{Box(u"現在の色を保存しました。\r\n[保存した色の貼付け]ボタンで、"
                                      u"保存した色を他の句に貼り付けることができます。"_s)});
    OpenNew();
    Click("Command20");
    EXPECT_EQ(window->Collection().Entries[0].Colours, Colours(0));
    PressChange();
    EXPECT_EQ(window->Collection().Entries[0].Colours, Colours(3));
}

} // namespace
