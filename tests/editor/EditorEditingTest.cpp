#include "BoxText.h"
#include "ColourValues.h"
#include "EditorFixture.h"
#include "StripColumn.h"

#include <QPushButton>
#include <QTest>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class EditorEditing : public EditorFixture {
protected:
    QPushButton* Button(const char* name) const { return Get<QPushButton>(name); }
    void Fill(const QString& preface, const QString& verse, const QString& postscript,
              const QString& commentary) {
        Line("Text6")->setText(preface);
        Line("Text5")->setText(verse);
        Line("Text7")->setText(postscript);
        ui::SetBoxText(Get<QPlainTextEdit>("Text1"), commentary);
    }
    // The list and the array say the same, row for row.
    void ExpectListMatchesArray() const {
        const Kushu& k = state.EditorKushu;
        ASSERT_EQ(List1()->count(), k.Entries.size());
        for (int i = 1; i <= k.KuCount(); ++i)
            EXPECT_EQ(List1()->item(i)->text(), k.Entries[i].Verse) << i;
        EXPECT_EQ(List1()->item(0)->text(), u"序"_s);
        EXPECT_EQ(Rows().mid(k.KuCount() + 1),
                  (QStringList{u"跋"_s, u"プロフィール"_s, u"奥付"_s}));
    }
    void PressChange(Qt::MouseButton button = Qt::LeftButton,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(Button("Command18"), button, modifiers);
        QTest::mouseRelease(Button("Command18"), button, modifiers);
    }
};

} // namespace

TEST_F(EditorEditing, AddingFillsANewCollection) {
    OpenNew();
    Fill(u"旅にて"_s, u"古池や"_s, u"深川"_s, u"一行目\r\n二行目"_s);
    Button("Command5")->click();
    EXPECT_EQ(Rows(), (QStringList{u"序"_s, u"古池や"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(List1()->currentRow(), 1);
    EXPECT_EQ(window->focusWidget(), Line("Text6"));
    // The fields are empty for the next haiku, and so is the strip.
    EXPECT_EQ(Line("Text5")->text(), QString());
    EXPECT_EQ(Line("Text6")->text(), QString());
    EXPECT_EQ(Text1(), QString());
    EXPECT_EQ(Get<ui::StripColumn>("Label9")->Caption(), QString());
    const KuEntry& added = state.EditorKushu.Entries[1];
    EXPECT_EQ(added,
              (KuEntry{u"旅にて"_s, u"古池や"_s, u"深川"_s, u"一行目\r\n二行目"_s, Colours(0)}));

    // The next add goes after the new row, in the same colours.
    Fill(QString(), u"蛙飛びこむ"_s, QString(), QString());
    Button("Command5")->click();
    EXPECT_EQ(List1()->currentRow(), 2);
    EXPECT_EQ(state.EditorKushu.Entries[2].Colours, state.EditorKushu.Entries[1].Colours);
    ExpectListMatchesArray();
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(EditorEditing, ARefusedAddShowsItsMessageAndKeepsEverything) {
    OpenNew();
    List1()->setCurrentRow(1); // 跋
    Fill(QString(), u"句"_s, QString(), QString());
    Button("Command5")->click();
    List1()->setCurrentRow(0);
    Line("Text5")->setText(u"二行\r目"_s);
    Button("Command5")->click();
    ASSERT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(dialogs.Messages[0].Prompt, u"跋より後には句を追加できません。"_s);
    EXPECT_EQ(dialogs.Messages[1].Title, u"句は１行にしてください"_s);
    EXPECT_EQ(window->focusWidget(), Line("Text5"));
    EXPECT_EQ(state.EditorKushu.KuCount(), 0);
    EXPECT_EQ(Rows().size(), 4);
}

TEST_F(EditorEditing, ChangeRunsOnAnyMouseButtonButNotFromTheKeyboard) {
    const Kushu k = MakeKushu(2);
    OpenChange(Store(k));
    List1()->setCurrentRow(2);
    Line("Text5")->setText(u"直した句"_s);
    // Space or a click signal does nothing: the button acts on the mouse press alone.
    QTest::keyClick(Button("Command18"), Qt::Key_Space);
    Button("Command18")->click();
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(state.EditorKushu, k);

    PressChange(Qt::RightButton);
    EXPECT_EQ(dialogs.Prompts(), QStringList{u"句（序､跋､プロフィール､奥付）が変更されました。"_s});
    EXPECT_EQ(state.EditorKushu.Entries[2].Verse, u"直した句"_s);
    EXPECT_EQ(List1()->item(2)->text(), u"直した句"_s);
    EXPECT_EQ(List1()->currentRow(), 2);

    PressChange(Qt::MiddleButton);
    EXPECT_EQ(dialogs.Messages.size(), 2);
    ExpectListMatchesArray();
}

TEST_F(EditorEditing, ChangingAPageKeepsItsRowName) {
    const Kushu k = MakeKushu(1);
    OpenChange(Store(k));
    List1()->setCurrentRow(2); // 跋
    EXPECT_EQ(Line("Text5")->text(), u"跋"_s);
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), u"新しいあとがき"_s);
    PressChange();
    EXPECT_EQ(state.EditorKushu.Entries[2].Commentary, u"新しいあとがき"_s);
    EXPECT_EQ(state.EditorKushu.Entries[2].Verse, u"跋"_s);
    EXPECT_EQ(List1()->item(2)->text(), u"跋"_s);
}

TEST_F(EditorEditing, ShiftChangeGivesTheShownColoursToEveryPage) {
    const Kushu k = MakeKushu(2);
    OpenChange(Store(k));
    List1()->setCurrentRow(1);
    window->ApplyShownColours(Colours(42));
    Line("Text5")->setText(u"保存されない"_s);
    PressChange(Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(dialogs.Prompts(),
              QStringList{u"すべての句（序､跋､プロフィール､奥付）が現在の色に変更されました。"_s});
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(state.EditorKushu.Entries[i].Colours, Colours(42)) << i;
        EXPECT_EQ(state.EditorKushu.Entries[i].Verse, k.Entries[i].Verse) << i;
    }
    PressChange(Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(List1()->item(1)->text(), k.Entries[1].Verse);
}

TEST_F(EditorEditing, DeleteAsksAndLeavesNoRowSelected) {
    const Kushu k = MakeKushu(3);
    OpenChange(Store(k));
    List1()->setCurrentRow(2);
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    Button("Command3")->click();
    EXPECT_EQ(state.EditorKushu, k);
    EXPECT_EQ(List1()->currentRow(), 2);

    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    Button("Command3")->click();
    ASSERT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(dialogs.Messages[1].Prompt,
              u"「"_s + k.Entries[2].Verse + u"」を削除して良いですか?"_s);
    EXPECT_EQ(dialogs.Messages[1].Style, 4);
    EXPECT_EQ(dialogs.Messages[1].Title, u"【Yomiwa】Ver.1.1"_s);
    EXPECT_EQ(state.EditorKushu.KuCount(), 2);
    ExpectListMatchesArray();
    EXPECT_EQ(List1()->currentRow(), -1);
    EXPECT_TRUE(List1()->selectedItems().isEmpty());
    // The fields still show the deleted entry.
    EXPECT_EQ(Line("Text5")->text(), k.Entries[2].Verse);

    // With no row selected, nothing can be added, changed or deleted.
    Button("Command5")->click();
    PressChange();
    Button("Command3")->click();
    Button("Command1")->click();
    EXPECT_EQ(dialogs.Prompts().mid(2),
              (QStringList{u"句を追加する位置を、リストから選択して下さい。"_s,
                           u"変更する句を、リストから選択して下さい。"_s,
                           u"リストから削除する句を選択して下さい。"_s}));
    EXPECT_EQ(state.EditorKushu.KuCount(), 2);
    ExpectListMatchesArray();

    // A page is refused before any question.
    List1()->setCurrentRow(0);
    Button("Command3")->click();
    EXPECT_EQ(dialogs.Prompts().last(), u"序は削除できません。"_s);
}

TEST_F(EditorEditing, MovesSelectTheMovedEntry) {
    const Kushu k = MakeKushu(3);
    OpenChange(Store(k));
    List1()->setCurrentRow(3);
    Button("Command1")->click();
    EXPECT_EQ(List1()->currentRow(), 2);
    EXPECT_EQ(Line("Text5")->text(), k.Entries[3].Verse);
    Button("Command1")->click();
    Button("Command1")->click(); // the first haiku stays below 序
    EXPECT_EQ(List1()->currentRow(), 1);
    EXPECT_EQ(state.EditorKushu.Entries[1], k.Entries[3]);
    ExpectListMatchesArray();

    List1()->setCurrentRow(2);
    Button("Command2")->click();
    Button("Command2")->click(); // the last haiku stays above 跋
    EXPECT_EQ(List1()->currentRow(), 3);
    EXPECT_EQ(Rows().mid(1, 3),
              (QStringList{k.Entries[3].Verse, k.Entries[2].Verse, k.Entries[1].Verse}));
    List1()->setCurrentRow(4);
    Button("Command1")->click();
    Button("Command2")->click();
    EXPECT_EQ(List1()->currentRow(), 4);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    ExpectListMatchesArray();
}
