#include "ColourValues.h"
#include "EditorFixture.h"
#include "Shapes.h"

#include <QLabel>
#include <QPushButton>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class EditorColours : public EditorFixture {
protected:
    void Pick(const char* button, std::optional<QColor> colour) {
        dialogs.QueueColour(colour);
        Get<QPushButton>(button)->click();
    }
    ColourValue Fore(const char* name) const { return ui::ForeColour(Get<QWidget>(name)); }
    ColourValue Back(const char* name) const { return ui::BackColour(Get<QWidget>(name)); }
};

const QColor Red(255, 0, 0);         // 0x000000FF
const QColor Green(0, 128, 0);       // 0x00008000
const QColor SkyBlue(135, 206, 235); // 0x00EBCE87

} // namespace

TEST_F(EditorColours, EachButtonPaintsItsControls) {
    OpenNew();
    Pick("Command6", Red);
    EXPECT_EQ(ui::BackColour(window.get()), 0x000000FF);
    Pick("Command7", Green);
    EXPECT_EQ(Get<ui::RoundedShape>("Shape1")->FillColour(), 0x00008000);
    Pick("Command8", SkyBlue);
    EXPECT_EQ(Get<ui::RoundedShape>("Shape1")->BorderColour(), 0x00EBCE87);
    Pick("Command9", QColor(1, 2, 3));
    EXPECT_EQ(Fore("Label8"), 0x00030201);
    // 句 paints the verse column, 後書 the postscript column.
    Pick("Command10", QColor(4, 5, 6));
    EXPECT_EQ(Fore("Label9"), 0x00060504);
    Pick("Command11", QColor(7, 8, 9));
    EXPECT_EQ(Fore("Label10"), 0x00090807);
    Pick("Command12", QColor(10, 11, 12));
    EXPECT_EQ(Back("Text1"), 0x000C0B0A);
    Pick("Command13", QColor(13, 14, 15));
    EXPECT_EQ(Fore("Text1"), 0x000F0E0D);
    Pick("Command14", QColor(16, 17, 18));
    Pick("Command15", QColor(19, 20, 21));
    Pick("Command16", QColor(22, 23, 24));
    for (const char* box : {"Text2", "Text3", "Text4"}) {
        EXPECT_EQ(Back(box), 0x00121110) << box;
        EXPECT_EQ(Fore(box), 0x00151413) << box;
    }
    for (const char* label :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label11"})
        EXPECT_EQ(Fore(label), 0x00181716) << label;
    // Painted and read back through the same table: slot order, 後書 before 句.
    ColourSet expected;
    expected.Values = {0x000000FF, 0x00008000, 0x00EBCE87, 0x00030201, 0x00090807, 0x00060504,
                       0x000C0B0A, 0x000F0E0D, 0x00121110, 0x00151413, 0x00181716};
    EXPECT_EQ(window->ReadShownColours(), expected);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(state.EditorKushu.Entries[0].Colours, Colours(0)); // no entry changed
}

TEST_F(EditorColours, ACancelReappliesTheLastConfirmedColour) {
    OpenNew();
    // Before any confirmed choice a cancel leaves everything, system colours included.
    Pick("Command6", std::nullopt);
    Pick("Command14", std::nullopt);
    EXPECT_EQ(ui::BackColour(window.get()), -2147483633);
    EXPECT_EQ(Back("Text3"), -2147483643);
    EXPECT_EQ(dialogs.ColourDialogInitials[0], ui::ToQColor(SystemColour(15)));

    Pick("Command7", Red);
    // The dialog starts from its last confirmed colour and gives it again on a cancel.
    Pick("Command12", std::nullopt);
    EXPECT_EQ(dialogs.ColourDialogInitials.last(), Red);
    EXPECT_EQ(Back("Text1"), 0x000000FF);
    Pick("Command16", std::nullopt);
    EXPECT_EQ(Fore("Label11"), 0x000000FF);
    EXPECT_EQ(Fore("Label4"), 0x000000FF);

    // A new window has a new dialog that remembers nothing.
    OpenNew();
    Pick("Command12", std::nullopt);
    EXPECT_EQ(Back("Text1"), -2147483643);
}

TEST_F(EditorColours, EntriesKeepOnlyTheTitleFieldAndFirstCaption) {
    OpenNew();
    Pick("Command14", Red);
    Pick("Command16", Green);
    Line("Text5")->setText(u"句"_s);
    Get<QPushButton>("Command5")->click();
    const ColourSet stored = state.EditorKushu.Entries[1].Colours;
    EXPECT_EQ(stored[TitleBack], 0x000000FF);
    EXPECT_EQ(stored[CaptionFore], 0x00008000);
    // Selecting 序 recolours the title field and 句集, and none of their companions.
    List1()->setCurrentRow(0);
    EXPECT_EQ(Back("Text2"), -2147483643);
    EXPECT_EQ(Fore("Label1"), -2147483630);
    EXPECT_EQ(Back("Text3"), 0x000000FF);
    EXPECT_EQ(Fore("Label2"), 0x00008000);
}

TEST_F(EditorColours, SavedColoursOutliveTheEditorWindow) {
    OpenNew();
    // Nothing saved yet: pasting paints everything black.
    Get<QPushButton>("Command20")->click();
    EXPECT_EQ(window->ReadShownColours(), ColourSet());
    EXPECT_EQ(Back("Text4"), 0);
    EXPECT_EQ(Fore("Label7"), 0);
    EXPECT_TRUE(dialogs.Messages.isEmpty());

    OpenChange(Store(MakeKushu(2)));
    List1()->setCurrentRow(2);
    Get<QPushButton>("Command19")->click();
    EXPECT_EQ(state.SavedColours, Colours(3));
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt,
              u"現在の色を保存しました。\r\n"
              u"[保存した色の貼付け]ボタンで、保存した色を他の句に貼り付けることができます。"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 0);
    EXPECT_EQ(dialogs.Messages[0].Title, QString());

    OpenNew();
    EXPECT_EQ(window->ReadShownColours(), Colours(0));
    Get<QPushButton>("Command20")->click();
    EXPECT_EQ(window->ReadShownColours(), Colours(3));
    EXPECT_EQ(Back("Text3"), Colours(3)[TitleBack]);
    EXPECT_EQ(Fore("Label5"), Colours(3)[CaptionFore]);
    // Pasted colours reach an entry only through 句の変更.
    EXPECT_EQ(state.EditorKushu.Entries[0].Colours, Colours(0));
}
