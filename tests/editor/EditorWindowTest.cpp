#include "ColourValues.h"
#include "EditorFixture.h"
#include "StripColumn.h"

#include <QInputMethodEvent>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class EditorWindow : public EditorFixture {
protected:
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
    QString Column(const char* name) const { return Get<ui::StripColumn>(name)->Caption(); }
};

} // namespace

TEST_F(EditorWindow, NewModeStartsFourEmptyPagesInTheDefaultColours) {
    state.EditPassword = u"前回"_s;
    OpenNew();
    EXPECT_EQ(Rows(), (QStringList{u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(View(), u"0|||||||||no captions"_s);
    EXPECT_EQ(state.EditPassword, u"前回"_s);
    EXPECT_EQ(window->ReadShownColours(), Colours(0)); // system colours stay system colours
}

TEST_F(EditorWindow, ARowShowsItsEntryAndThePagesAreKnownByTheirPlace) {
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
    // A page puts its name into the verse field, and its column shows it upright.
    Select(5);
    EXPECT_EQ(View(), u"5|解説5\r\n二行目|冬|芭蕉|三||プロフィール||pass word|no captions"_s);
    EXPECT_EQ(Column("Label9"), u"プロフィ｜ル"_s);
    // A haiku whose verse is a page's name is shown as the entry it is, captions off.
    Select(1);
    EXPECT_EQ(View(), u"1|解説1\r\n二行目|冬|芭蕉|三|前書1|跋|後書1|pass word|no captions"_s);
}

TEST_F(EditorWindow, EnterAndTabNeverEnterTheOneLineFields) {
    OpenNew();
    for (const char* name : {"Text5", "Text9"}) {
        QLineEdit* field = Line(name);
        field->setText(u"古池"_s);
        field->setCursorPosition(1);
        QTest::keyClick(field, Qt::Key_Return);
        Type(field, u"\r\n\t"_s);
        QInputMethodEvent commit;
        commit.setCommitString(u"や\r\t"_s);
        QApplication::sendEvent(field, &commit);
        EXPECT_EQ(field->text(), u"古や池"_s) << name;
    }
    // The commentary keeps Enter for its lines.
    auto* text1 = Get<QPlainTextEdit>("Text1");
    Type(text1, u"一"_s);
    QTest::keyClick(text1, Qt::Key_Return);
    Type(text1, u"二"_s);
    EXPECT_EQ(Text1(), u"一\r\n二"_s);
}
