#include "ViewerFixture.h"

#include "F_sakusei.h"

#include <QAccessible>
#include <QLineEdit>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Accessibility = ViewerTest;

QString Name(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : u"(none)"_s;
}

// Every control a user can act on, in tab order from `first`, each with its name.
QStringList TabOrder(QWidget* first) {
    QStringList order;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled())
            order.append(w->objectName() + u':' + Name(w));
        w = w->nextInFocusChain();
    } while (w != first);
    return order;
}

TEST_F(Accessibility, EveryControlIsNamedAndTheStripReadsItsFieldsText) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Preface = u"コーヒー店にて"_s;
    k.Entries[1].Verse = u"蜩《ひぐらし》のこゑ"_s;
    Write(k);
    Start();
    EXPECT_EQ(
        TabOrder(Text1()),
        (QStringList{u"Text1:作者の解説・注釈"_s, u"Text2:読者の感想・批評など(書き込みできます)"_s,
                     u"List2:句集の一覧"_s, u"Command1:句集を開く"_s, u"Command6:句集を編集する"_s,
                     u"List1:ページの一覧"_s, u"Command3:前のページ"_s, u"Command4:次のページ"_s,
                     u"Command5:新しい句集を作る"_s, u"Command2:Yomiwa終了"_s}));

    Open(u"春_一"_s);
    EXPECT_EQ(Name(Column(1)), u"序"_s);
    Button(4)->click();
    const QString strip[] = {Name(Column(2)), Name(Column(1)), Name(Column(3))};
    EXPECT_EQ(strip[0], k.Entries[1].Preface); // the field's text, not the column form
    EXPECT_EQ(strip[1], k.Entries[1].Verse);
    EXPECT_EQ(strip[2], k.Entries[1].Postscript);
    QAccessibleInterface* verse = QAccessible::queryAccessibleInterface(Column(1));
    EXPECT_EQ(verse->text(QAccessible::Description), u"句"_s);
    Button(4)->click();
    EXPECT_EQ(Name(Column(1)), k.Entries[2].Verse);
}

TEST_F(Accessibility, TheEditorsFieldsAreNamedByTheirCaptions) {
    state.AppFolder = folder.Path();
    state.Editing = EditMode::New;
    editor::F_sakusei window(state, dialogs, QString());
    QStringList names;
    for (const char* field : {"Text2", "Text3", "Text4", "Text6", "Text5", "Text7", "Text1",
                              "List1", "Text9", "Command5", "Command19"})
        names.append(Name(window.findChild<QWidget*>(QString::fromLatin1(field))));
    EXPECT_EQ(names, (QStringList{u"句集"_s, u"作者"_s, u"第　版"_s, u"前書"_s, u"句"_s, u"後書"_s,
                                  u"解説・注釈"_s, u"句の一覧"_s, u"改変防止用パスワード"_s,
                                  u"句の追加"_s, u"現在の色を　保存"_s}));
    window.findChild<QLineEdit*>(u"Text5"_s)->setText(u"ソーダ水"_s);
    EXPECT_EQ(Name(window.findChild<QWidget*>(u"Label9"_s)), u"ソーダ水"_s);
}

} // namespace
