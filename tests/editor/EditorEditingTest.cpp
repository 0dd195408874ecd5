// SPDX-License-Identifier: GPL-3.0-or-later
// The entry buttons as the window wires them; what each operation decides is in
// EntryOperationsTest.

#include "tests/editor/EditorFixture.h"
#include "ui/ColourValues.h"
#include "ui/UnstorableMarks.h"
#include "verse/MoraCounter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUndoStack>

#include <tuple>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// What the window shows of the selected entry: its row, preface, verse, postscript and
// commentary, and whether the captions 前書, 句 and 後書 are enabled.
using EntryView = std::tuple<int, QString, QString, QString, QString, bool>;

class EditorEditing : public EditorFixture {
protected:
    EntryView View() const {
        return {EntryList()->currentRow(),    PrefaceField()->text(),
                VerseField()->text(),         PostscriptField()->text(),
                ui::BoxText(CommentaryBox()), Find("Label6")->isEnabled()};
    }
    ColourValue Fore(const char* name) const { return ui::ForeColour(Find(name)); }
    ColourValue Back(const char* name) const { return ui::BackColour(Find(name)); }
};

TEST_F(EditorEditing, AddingStoresTheFieldsInTheShownColoursAndEmptiesThem) {
    OpenNew();
    Fill(u"旅にて"_s, u"古池や"_s, u"深川"_s, u"一行目\r\n二行目"_s);
    AddButton()->click();
    EXPECT_EQ(window->Collection().Entries[1],
              (KuEntry{u"旅にて"_s, u"古池や"_s, u"深川"_s, u"一行目\r\n二行目"_s, Colours(0)}));
    EXPECT_EQ(window->focusWidget(), PrefaceField());
    // The fields are empty for the next haiku, and so is the strip.
    EXPECT_EQ(View(), (EntryView{1, {}, {}, {}, {}, true}));
    EXPECT_EQ(Find<ui::StripColumn>("Label9")->Caption(), QString());
}

TEST_F(EditorEditing, ChangeRunsOnAnyMouseButtonButNotFromTheKeyboard) {
    const Kushu k = MakeKushu(2);
    OpenChange(Store(k));
    Select(2);
    VerseField()->setText(u"直した句"_s);
    // Space, Enter or a click signal do nothing: the button acts on the mouse press alone.
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(ChangeButton(), key);
    ChangeButton()->click();
    EXPECT_EQ(window->Collection(), k);
    QTest::mousePress(ChangeButton(), Qt::RightButton);
    EXPECT_EQ(Rows().value(2), u"直した句"_s);
    QTest::mouseRelease(ChangeButton(), Qt::RightButton); // the release adds nothing
    EXPECT_EQ(dialogs.Messages.size(), 1);
    // Shift, Ctrl and Alt each give the shown colours to every entry, and no text anywhere.
    Select(1);
    VerseField()->setText(u"保存されない"_s);
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::AltModifier}) {
        window->ApplyShownColours(Colours(modifier >> 24));
        PressChange(Qt::LeftButton, modifier);
        EXPECT_EQ(window->Collection().Entries[4].Colours, Colours(modifier >> 24));
    }
    EXPECT_EQ(window->Collection().Entries[1].Verse, k.Entries[1].Verse);
}

TEST_F(EditorEditing, DeleteAsksWithNoAsTheDefaultAndLeavesNoRowSelected) {
    const Kushu k = MakeKushu(3);
    OpenChange(Store(k));
    Select(2);
    for (auto answer : {ui::Dialogs::Answer::No, ui::Dialogs::Answer::Yes}) {
        EXPECT_EQ(window->Collection(), k);
        dialogs.QueueAnswer(answer);
        DeleteButton()->click();
        EXPECT_EQ(dialogs.Messages.last().Default, ui::Dialogs::Answer::No);
    }
    EXPECT_EQ(Rows().mid(1, 2), (QStringList{k.Entries[1].Verse, k.Entries[3].Verse}));
    EXPECT_EQ(EntryList()->currentRow(), -1);
}

TEST_F(EditorEditing, EachButtonPaintsItsControlsAndACancelKeepsTheLastChoice) {
    OpenNew();
    // The button in place n picks RGB(n, 0, 0), the colour value n.
    for (int n = 0; n < ColourSlotCount; ++n) {
        dialogs.QueueColour(QColor(n, 0, 0));
        ColourButton(n)->click();
    }
    // The companions of the title field and of the captions take their colours too.
    EXPECT_EQ((QList<ColourValue>{Back("Text4"), Fore("Text3"), Fore("Label1"), Fore("Label11")}),
              (QList<ColourValue>{8, 9, 10, 10}));
    // Read back in slot order, 後書 before 句; no entry changed.
    EXPECT_EQ(window->ReadShownColours().Values,
              (std::array<ColourValue, 11>{0, 1, 2, 3, 5, 4, 6, 7, 8, 9, 10}));
    EXPECT_EQ(window->Collection().Entries[0].Colours, Colours(0));
    dialogs.QueueColour(std::nullopt); // a cancel gives the last confirmed colour again
    ColourButton(6)->click();
    EXPECT_EQ(Back("Text1"), 10);
}

TEST_F(EditorEditing, ARowShowsItsEntryAndThePagesAreKnownByTheirPlace) {
    Kushu k = MakeKushu(3, u"冬"_s, u"三"_s);
    k.Password = u"pass word"_s;
    k.Entries[1].Verse = u"跋"_s;
    OpenChange(Store(k));
    EXPECT_EQ((QStringList{TitleField()->text(), AuthorField()->text(), EditionField()->text(),
                           PasswordField()->text(), state.EditPassword}),
              (QStringList{u"冬"_s, u"芭蕉"_s, u"三"_s, u"pass word"_s, u"pass word"_s}));
    const EntryView views[] = {
        {2, u"前書2"_s, u"古池や蛙飛びこむ水の音2"_s, u"後書2"_s, u"解説2\r\n二行目"_s, true},
        // A page puts its name into the verse field.
        {5, {}, u"プロフィール"_s, {}, u"解説5\r\n二行目"_s, false},
        // A haiku whose verse is a page's name is shown as the entry it is, captions off.
        {1, u"前書1"_s, u"跋"_s, u"後書1"_s, u"解説1\r\n二行目"_s, false},
    };
    for (const EntryView& view : views) {
        Select(std::get<0>(view));
        EXPECT_EQ(View(), view);
        EXPECT_EQ(window->ReadShownColours(), k.Entries[std::get<0>(view)].Colours);
    }
}

TEST_F(EditorEditing, EachOperationIsOneStepThatUndoAndRedoRestoreExactly) {
    const Kushu k = MakeKushu(3);
    // The row selected, the button pressed and the keys held.
    const std::tuple<int, QPushButton* (EditorFixture::*)() const, Qt::KeyboardModifiers> cases[] =
        {{1, &EditorFixture::AddButton, {}},
         {2, &EditorFixture::ChangeButton, {}},
         {2, &EditorFixture::ChangeButton, Qt::ShiftModifier},
         {2, &EditorFixture::DeleteButton, {}},
         {2, &EditorFixture::MoveUpButton, {}},
         {1, &EditorFixture::MoveDownButton, {}}};
    for (const auto& [row, button, modifiers] : cases) {
        OpenChange(Store(k));
        Select(row);
        Fill(u"前"_s, u"名月や"_s, u"後"_s, u"解説"_s);
        window->ApplyShownColours(Colours(7));
        const editor::F_sakusei::View before = window->Snapshot();
        if (button == &EditorFixture::DeleteButton)
            dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
        QTest::mouseClick((this->*button)(), Qt::LeftButton, modifiers);
        const editor::F_sakusei::View after = window->Snapshot();
        ASSERT_NE(after.Collection, before.Collection);
        // Ctrl+Z in a field with no typing to undo, Ctrl+Y and Ctrl+Shift+Z on the list.
        VerseField()->setFocus();
        QTest::keyClick(VerseField(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(window->Snapshot(), before);
        QTest::keyClick(EntryList(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(window->Snapshot(), after);
        window->Undo();
        QTest::keyClick(EntryList(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(window->Snapshot(), after);
    }
    // Typing in a field is undone there first; a refusal and a No are no steps.
    const editor::F_sakusei::View redone = window->Snapshot();
    QTest::keyClicks(VerseField(), u"ab"_s);
    QTest::keyClick(VerseField(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->Snapshot(), redone);
    Select(4);
    AddButton()->click();
    Select(2);
    dialogs.QueueAnswer(ui::Dialogs::Answer::No);
    DeleteButton()->click();
    EXPECT_EQ(window->UndoSteps()->count(), 1);
}

TEST_F(EditorEditing, TheCountFollowsTheVerseAsTypedAndSaysWhenTheDictionaryIsMissing) {
    if (!verse::MoraCounter().Count(u"春"_s).ok())
        GTEST_SKIP() << "MeCab's IPA dictionary is not installed (mecab-ipadic-utf8)";
    for (const QString& dictionary : {QString(), u"/nonexistent/dictionary"_s}) {
        state.DictionaryFolder = dictionary;
        OpenNew();
        VerseField()->setText(u"古池や蛙飛び込む水の"_s);
        QTest::sendKeyEvent(QTest::Click, VerseField(), Qt::Key_unknown, u"音"_s, {});
        EXPECT_EQ(Find<QLabel>("VerseCount")->text(),
                  dictionary.isEmpty() ? u"5・7・5"_s : verse::NoDictionaryMessage());
    }
    VerseField()->clear();
    QLabel* count = Find<QLabel>("VerseCount");
    EXPECT_EQ(count->text(), QString());
    // It lies in free space: over none of the window's own controls.
    for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(control == count || !control->geometry().intersects(count->geometry()));
}

TEST_F(EditorEditing, CharactersTheFileCannotStoreAreMarkedAsTheyAreTyped) {
    OpenNew();
    for (const QString& typed : {u"白"_s, u"鷗"_s, u"や"_s, u"𠮷"_s, u"鷗"_s})
        QTest::sendKeyEvent(QTest::Click, VerseField(), Qt::Key_unknown, typed, {});
    EXPECT_EQ(ui::UnstorableMarks(VerseField()), (QList<ui::MarkedRange>{{1, 2}, {3, 5}, {5, 6}}));
    EXPECT_EQ(VerseField()->toolTip(),
              u"Shift-JISで保存できない文字「鷗」(U+9DD7)、「𠮷」(U+20BB7)があります。"_s);
    // The wavy line is painted over the field, in red.
    const QImage shown = VerseField()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(shown.constBits());
    EXPECT_TRUE(std::any_of(pixels, pixels + shown.sizeInBytes() / 4,
                            [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 90; }));
    ui::SetBoxText(CommentaryBox(), u"一行目\r\n〜"_s);
    EXPECT_EQ(ui::UnstorableMarks(CommentaryBox()), (QList<ui::MarkedRange>{{4, 5}}));
    VerseField()->setText(u"白"_s);
    EXPECT_EQ(VerseField()->toolTip(), QString());
}

TEST_F(EditorEditing, BulkAddRefusesAWholeTextOrAddsItAfterTheSelectedRowAsOneStep) {
    const Kushu k = MakeKushu(2);
    OpenChange(Store(k));
    Select(1);
    const QString file = folder.File(u"verses.txt"_s);
    const std::pair<QByteArray, QString> refusals[] = {
        {"\xE5\x8F\xA4\n\n\xE9\xB7\x97\r\n\xF0\xA0\xAE\xB7",
         u"Shift-JISで保存できない文字を含む行があります（３、４行目）。\r"
         u"句は１句も追加していません。"_s},
        {" \n\t", u"追加する句がありません。\r１行に１句ずつ書いたテキストを用意してください。"_s},
        {"\x82\xA0", u"ファイル「verses.txt」はUTF-8のテキストではないため、読み込めません。"_s}};
    for (const auto& [bytes, message] : refusals) {
        WriteBytes(file, bytes);
        dialogs.QueueChoice(1);
        dialogs.QueueFileName(file);
        window->BulkAdd_Click();
        EXPECT_EQ(LastSaid().Prompt, message);
    }
    // From the clipboard, blank lines skipped; the question says how many, No by default.
    QGuiApplication::clipboard()->setText(u"一句目\n\n　二句目\t後\r\n"_s);
    dialogs.QueueChoice(0);
    dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
    window->BulkAdd_Click();
    EXPECT_EQ(LastSaid(),
              (Message{u"２句を「古池や蛙飛びこむ水の音1」の後に追加します。よろしいですか？"_s,
                       YesNo,
                       {},
                       ui::Dialogs::Answer::No}));
    EXPECT_EQ(Rows().mid(1, 4),
              (QStringList{k.Entries[1].Verse, u"一句目"_s, u"二句目 後"_s, k.Entries[2].Verse}));
    window->Undo();
    EXPECT_EQ(window->Collection(), k);
}

} // namespace
