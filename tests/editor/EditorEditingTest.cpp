// The entry buttons as the window wires them; what each operation decides is in
// EntryOperationsTest.

#include "tests/editor/EditorFixture.h"
#include "ui/ColourValues.h"
#include "ui/StripColumn.h"

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
    // What the window shows, as one text: the selected row, Text1, the header fields Text2,
    // Text3 and Text4, the entry fields Text6, Text5 and Text7, Text9, and whether the
    // caption 句 is enabled.
    QString View() const {
        QStringList view = {QString::number(List1()->currentRow()), Text1()};
        for (const char* name : {"Text2", "Text3", "Text4", "Text6", "Text5", "Text7", "Text9"})
            view.append(Line(name)->text());
        view.append(Get("Label6")->isEnabled() ? u"captions"_s : u"no captions"_s);
        return view.join(u'|');
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
        EXPECT_EQ(dialogs.Messages.last().Default, ui::Dialogs::Answer::No);
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
    // The companions of the title field and of the captions take their colours too.
    EXPECT_EQ((QList<ColourValue>{Back("Text4"), Fore("Text3"), Fore("Label1"), Fore("Label11")}),
              (QList<ColourValue>{14, 15, 16, 16}));
    // Read back in slot order, 後書 before 句; no entry changed.
    EXPECT_EQ(window->ReadShownColours().Values,
              (std::array<ColourValue, 11>{6, 7, 8, 9, 11, 10, 12, 13, 14, 15, 16}));
    EXPECT_EQ(window->Collection().Entries[0].Colours, Colours(0));
    Pick("Command12", std::nullopt); // a cancel gives the last confirmed colour again
    EXPECT_EQ(Back("Text1"), 16);
}

TEST_F(EditorEditing, ARowShowsItsEntryAndThePagesAreKnownByTheirPlace) {
    Kushu k = MakeKushu(3, u"冬"_s, u"三"_s);
    k.Password = u"pass word"_s;
    k.Entries[1].Verse = u"跋"_s;
    OpenChange(Store(k));
    EXPECT_EQ(View(), u"0|解説0\r\n二行目|冬|芭蕉|三||序||pass word|no captions"_s);
    EXPECT_EQ(state.EditPassword, u"pass word"_s);
    Select(2);
    EXPECT_EQ(
        View(),
        u"2|解説2\r\n二行目|冬|芭蕉|三|前書2|古池や蛙飛びこむ水の音2|後書2|pass word|captions"_s);
    EXPECT_EQ(window->ReadShownColours(), k.Entries[2].Colours);
    Select(5); // a page puts its name into the verse field
    EXPECT_EQ(View(), u"5|解説5\r\n二行目|冬|芭蕉|三||プロフィール||pass word|no captions"_s);
    // A haiku whose verse is a page's name is shown as the entry it is, captions off.
    Select(1);
    EXPECT_EQ(View(), u"1|解説1\r\n二行目|冬|芭蕉|三|前書1|跋|後書1|pass word|no captions"_s);
}

} // namespace
