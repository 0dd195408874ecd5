#include "ColourValues.h"
#include "EditorFixture.h"
#include "HelpTexts.h"
#include "StripColumn.h"

#include <QInputMethodEvent>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList Pages = {u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s};

class EditorWindow : public EditorFixture {
protected:
    // What the window shows, as one text: the selected row, Text1, the header fields Text2,
    // Text3 and Text4, the entry fields Text6, Text5 and Text7, Text9, and whether the
    // captions 前書, 句 and 後書 are enabled.
    QString View() const {
        QStringList view = {QString::number(List1()->currentRow()), Text1()};
        for (const char* name : {"Text2", "Text3", "Text4", "Text6", "Text5", "Text7", "Text9"})
            view.append(Line(name)->text());
        const int on =
            Get("Label5")->isEnabled() + Get("Label6")->isEnabled() + Get("Label7")->isEnabled();
        view.append(on == 3 ? u"captions"_s : on == 0 ? u"no captions"_s : u"some captions"_s);
        return view.join(u'|');
    }
    QString Column(const char* name) const { return Get<ui::StripColumn>(name)->Caption(); }
};
using EditorStartup = EditorWindow;
using EditorSelection = EditorWindow;
using EditorHelp = EditorWindow;

} // namespace

TEST_F(EditorStartup, NewModeStartsFourEmptyPagesInTheDefaultColours) {
    state.EditPassword = u"前回"_s;
    OpenNew();
    EXPECT_EQ(Rows(), Pages);
    EXPECT_TRUE(List1()->item(0)->isSelected());
    EXPECT_EQ(View(), u"0|||||||||no captions"_s);
    EXPECT_EQ(state.EditPassword, u"前回"_s);
    // System colours stay system colours, in the entries and on every painted control.
    Kushu empty;
    for (KuEntry& e : empty.Entries)
        e.Colours = Colours(0);
    EXPECT_EQ(window->Collection(), empty);
    EXPECT_EQ(window->ReadShownColours(), Colours(0));
    EXPECT_EQ(ui::BackColour(Line("Text3")), -2147483643);
    EXPECT_EQ(ui::ForeColour(Line("Text4")), -2147483640);
    EXPECT_EQ(ui::ForeColour(Get("Label11")), -2147483630);
    EXPECT_EQ(Help(),
              u"ボタンや各記入欄にマウスをあてると、そ\r\nの説明がここに表示されます。\r\n"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(EditorStartup, ChangeModeShowsTheCollectionAndItsFirstPage) {
    Kushu k = MakeKushu(3, u"冬"_s, u"三"_s);
    k.Password = u"pass word"_s;
    OpenChange(Store(k));
    EXPECT_EQ(Rows(), (QStringList{u"序"_s, k.Entries[1].Verse, k.Entries[2].Verse,
                                   k.Entries[3].Verse, u"跋"_s, u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(View(), u"0|解説0\r\n二行目|冬|芭蕉|三||序||pass word|no captions"_s);
    EXPECT_EQ(Column("Label9"), u"序"_s);
    EXPECT_EQ(window->ReadShownColours(), k.Entries[0].Colours);
    EXPECT_EQ(state.EditPassword, u"pass word"_s);
    EXPECT_EQ(window->Collection(), k);
    EXPECT_TRUE(dialogs.Messages.isEmpty());

    // Without haiku 序 is shown all the same, but a selection loads nothing: what was typed
    // stays, and only the captions follow the row.
    OpenChange(Store(MakeKushu(0, u"序のみ"_s, u"一"_s)));
    EXPECT_EQ(Rows(), Pages);
    EXPECT_EQ(View(), u"0|解説0\r\n二行目|序のみ|芭蕉|一|||||no captions"_s);
    EXPECT_EQ(window->ReadShownColours(), Colours(1));
    EXPECT_EQ(state.EditPassword, QString());
    Fill(u"前"_s, u"句の下書き"_s, u"後"_s, u"下書き"_s);
    Select(1);
    EXPECT_EQ(View(), u"1|下書き|序のみ|芭蕉|一|前|句の下書き|後||no captions"_s);
    EXPECT_EQ(window->ReadShownColours(), Colours(1));
    // The strip follows the fields: preface, verse, postscript.
    EXPECT_EQ(Column("Label8") + Column("Label9") + Column("Label10"), u"前句の下書き後"_s);
}

TEST_F(EditorSelection, ARowShowsItsEntryAndThePagesAreKnownByTheirText) {
    Kushu k = MakeKushu(3);
    k.Entries[1].Verse = u"跋"_s;
    OpenChange(Store(k));
    Select(2);
    EXPECT_EQ(View(),
              u"2|解説2\r\n二行目|春|芭蕉|一|前書2|古池や蛙飛びこむ水の音2|後書2||captions"_s);
    EXPECT_EQ(window->ReadShownColours(), k.Entries[2].Colours);

    // A page puts its name into the verse field, and its column shows it upright.
    Select(5);
    EXPECT_EQ(View(), u"5|解説5\r\n二行目|春|芭蕉|一||プロフィール|||no captions"_s);
    EXPECT_EQ(Column("Label9"), u"プロフィ｜ル"_s);
    EXPECT_EQ(window->ReadShownColours(), k.Entries[5].Colours);
    // A haiku whose verse is a page's name is shown as the entry it is, captions off.
    Select(1);
    EXPECT_EQ(View(), u"1|解説1\r\n二行目|春|芭蕉|一|前書1|跋|後書1||no captions"_s);
    EXPECT_EQ(window->Collection(), k);
}

TEST_F(EditorSelection, EnterAndTabNeverEnterTheOneLineFields) {
    OpenNew();
    for (const char* name : {"Text5", "Text6", "Text7", "Text9"}) {
        QLineEdit* field = Line(name);
        field->setText(u"古池"_s);
        field->setCursorPosition(1);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        Type(field, u"\r\n\t"_s);
        QInputMethodEvent commit;
        commit.setCommitString(u"や\r\t"_s);
        QApplication::sendEvent(field, &commit);
        EXPECT_EQ(field->text(), u"古や池"_s) << name;
    }
    // Enter did nothing else either: no button ran, nothing was asked.
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(window->Collection().KuCount(), 0);
    EXPECT_EQ(Column("Label9"), u"古や池"_s);

    // The commentary keeps Enter for its lines.
    auto* text1 = Get<QPlainTextEdit>("Text1");
    Type(text1, u"一"_s);
    QTest::keyClick(text1, Qt::Key_Return);
    Type(text1, u"二"_s);
    EXPECT_EQ(Text1(), u"一\r\n二"_s);
}

TEST_F(EditorHelp, EveryControlWithAHelpTextShowsItAndTheOthersKeepTheText) {
    OpenNew();
    ASSERT_EQ(window->childAt(1, 1), nullptr); // the bare window
    int explained = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString text = editor::HelpText(control->objectName());
        if (text.isEmpty())
            continue;
        ++explained;
        MoveOver(window.get(), QPoint(1, 1));
        auto* area = qobject_cast<QAbstractScrollArea*>(control);
        MoveOver(area ? area->viewport() : control);
        EXPECT_EQ(Help(), text) << control->objectName().toStdString();
    }
    EXPECT_GT(explained, 20);

    // The bare window and the help box itself show the default text.
    const QString defaultText =
        u"ボタンや各記入欄にマウスをあてると、その説明がここに表示されます｡ "_s;
    MoveOver(Get("Command2"));
    MoveOver(window.get(), QPoint(1, 1));
    EXPECT_EQ(Help(), defaultText);
    MoveOver(Get("Text9"));
    MoveOver(Get<QPlainTextEdit>("Text8")->viewport());
    EXPECT_EQ(Help(), defaultText);
    // Colour buttons and captions leave the text as it was.
    MoveOver(Get("Frame1"));
    for (const char* name : {"Command6", "Command11", "Command16", "Label1", "Label5", "Label11"}) {
        MoveOver(Get(name));
        EXPECT_EQ(Help(), editor::HelpText(u"Frame1"_s)) << name;
    }
}
