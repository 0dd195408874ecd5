#include "BoxText.h"
#include "ColourValues.h"
#include "EditorFixture.h"
#include "StripColumn.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class EditorSelection : public EditorFixture {
protected:
    QString Column(const char* name) const { return Get<ui::StripColumn>(name)->Caption(); }
    bool CaptionsEnabled() const {
        return Get<QLabel>("Label5")->isEnabled() && Get<QLabel>("Label6")->isEnabled() &&
               Get<QLabel>("Label7")->isEnabled();
    }
    bool CaptionsDisabled() const {
        return !Get<QLabel>("Label5")->isEnabled() && !Get<QLabel>("Label6")->isEnabled() &&
               !Get<QLabel>("Label7")->isEnabled();
    }
};

} // namespace

TEST_F(EditorSelection, ARowShowsItsEntryAndColours) {
    const Kushu k = MakeKushu(3);
    OpenChange(Store(k));

    List1()->setCurrentRow(2);
    EXPECT_EQ(Text1(), k.Entries[2].Commentary);
    EXPECT_EQ(Line("Text6")->text(), u"前書2"_s);
    EXPECT_EQ(Line("Text5")->text(), k.Entries[2].Verse);
    EXPECT_EQ(Line("Text7")->text(), u"後書2"_s);
    EXPECT_EQ(Column("Label8"), u"前書2"_s);
    EXPECT_EQ(Column("Label9"), k.Entries[2].Verse);
    EXPECT_EQ(Column("Label10"), u"後書2"_s);
    EXPECT_EQ(window->ReadShownColours(), k.Entries[2].Colours);
    EXPECT_TRUE(CaptionsEnabled());

    // A special page puts its name into the verse field; the column shows it upright.
    List1()->setCurrentRow(5);
    EXPECT_EQ(Line("Text5")->text(), u"プロフィール"_s);
    EXPECT_EQ(Column("Label9"), u"プロフィ｜ル"_s);
    EXPECT_EQ(Line("Text6")->text(), QString());
    EXPECT_EQ(Text1(), k.Entries[5].Commentary);
    EXPECT_EQ(window->ReadShownColours(), k.Entries[5].Colours);
    EXPECT_TRUE(CaptionsDisabled());

    List1()->setCurrentRow(0);
    EXPECT_EQ(Line("Text5")->text(), u"序"_s);
    EXPECT_EQ(Column("Label9"), u"序"_s);
    EXPECT_TRUE(CaptionsDisabled());
    EXPECT_EQ(state.EditorKushu, k);
}

TEST_F(EditorSelection, OnlyTheTitleFieldAndItsCaptionFollowTheEntry) {
    const Kushu k = MakeKushu(2);
    OpenChange(Store(k));
    // As if the colour buttons had painted the companions of the title field.
    ui::SetBackColour(Line("Text3"), 0x123456);
    ui::SetForeColour(Line("Text4"), 0x654321);
    ui::SetForeColour(Get<QWidget>("Label2"), 0x0000FF);
    List1()->setCurrentRow(1);
    EXPECT_EQ(ui::BackColour(Line("Text3")), 0x123456);
    EXPECT_EQ(ui::ForeColour(Line("Text4")), 0x654321);
    EXPECT_EQ(ui::ForeColour(Get<QWidget>("Label2")), 0x0000FF);
    EXPECT_EQ(ui::BackColour(Line("Text2")), k.Entries[1].Colours[TitleBack]);
    EXPECT_EQ(ui::ForeColour(Line("Text2")), k.Entries[1].Colours[TitleFore]);
    EXPECT_EQ(ui::ForeColour(Get<QWidget>("Label1")), k.Entries[1].Colours[CaptionFore]);
    EXPECT_EQ(ui::BackColour(window.get()), k.Entries[1].Colours[WholeBack]);
}

TEST_F(EditorSelection, TheRowTextDecidesWhatIsSpecial) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Verse = u"跋"_s;
    OpenChange(Store(k));
    List1()->setCurrentRow(1);
    EXPECT_TRUE(CaptionsDisabled());
    EXPECT_EQ(Line("Text6")->text(), u"前書1"_s);
    List1()->setCurrentRow(2);
    EXPECT_TRUE(CaptionsEnabled());
}

TEST_F(EditorSelection, WithoutHaikuASelectionOnlySwitchesTheCaptions) {
    OpenNew();
    ui::SetBoxText(Get<QPlainTextEdit>("Text1"), u"序の下書き\r\n二行目"_s);
    Line("Text5")->setText(u"句の下書き"_s);
    List1()->setCurrentRow(1);
    EXPECT_EQ(Text1(), u"序の下書き\r\n二行目"_s);
    EXPECT_EQ(Line("Text5")->text(), u"句の下書き"_s);
    EXPECT_TRUE(CaptionsDisabled());
    EXPECT_EQ(window->ReadShownColours(), Colours(0));
}

TEST_F(EditorSelection, TypingIsDroppedWhenAnotherRowIsSelected) {
    const Kushu k = MakeKushu(3);
    OpenChange(Store(k));
    List1()->setCurrentRow(1);
    Type(Line("Text6"), u"書き直し"_s);
    EXPECT_EQ(Line("Text6")->text(), u"前書1書き直し"_s);
    EXPECT_EQ(Column("Label8"), u"前書1書き直し"_s);
    List1()->setCurrentRow(2);
    List1()->setCurrentRow(1);
    EXPECT_EQ(Line("Text6")->text(), u"前書1"_s);
    EXPECT_EQ(state.EditorKushu, k);
}

TEST_F(EditorSelection, TheStripMirrorsTheFieldsWithUprightLongVowels) {
    OpenNew();
    Type(Line("Text5"), u"ーあー"_s);
    EXPECT_EQ(Line("Text5")->text(), u"ーあー"_s);
    EXPECT_EQ(Column("Label9"), u"｜あ｜"_s);
    Line("Text6")->setText(u"コーヒー"_s);
    EXPECT_EQ(Column("Label8"), u"コ｜ヒ｜"_s);
    Type(Line("Text7"), u"ー〜―"_s);
    EXPECT_EQ(Column("Label10"), u"｜〜―"_s);
    Line("Text5")->clear();
    EXPECT_EQ(Column("Label9"), QString());
    EXPECT_EQ(Get<ui::StripColumn>("Label9")->Cells(), QStringList());
}

TEST_F(EditorSelection, EnterAndTabNeverEnterTheOneLineFields) {
    OpenNew();
    for (const char* name : {"Text5", "Text6", "Text7", "Text9"}) {
        QLineEdit* field = Line(name);
        field->setText(u"古池"_s);
        field->setCursorPosition(1);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, u"\r"_s, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, u"\t"_s, Qt::NoModifier);
        QInputMethodEvent commit;
        commit.setCommitString(u"や\r\t"_s);
        QApplication::sendEvent(field, &commit);
        EXPECT_EQ(field->text(), u"古や池"_s) << name;
    }
    // Enter did nothing else either: no button ran, nothing was asked.
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(state.EditorKushu.KuCount(), 0);
    EXPECT_EQ(Column("Label9"), u"古や池"_s);

    // The commentary keeps Enter for its lines.
    auto* text1 = Get<QPlainTextEdit>("Text1");
    Type(text1, u"一"_s);
    QTest::keyClick(text1, Qt::Key_Return);
    Type(text1, u"二"_s);
    EXPECT_EQ(Text1(), u"一\r\n二"_s);
}
