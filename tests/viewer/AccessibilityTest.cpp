#include "tests/viewer/ViewerFixture.h"

#include <QAccessible>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Accessibility = ViewerTest;

QString Name(const QWidget* window, const QString& control,
             QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(control));
    return accessible ? accessible->text(kind) : u"(none)"_s;
}

// Each control's name for screen readers, as "control:name" for every control listed.
QStringList Names(const QWidget* window, const QStringList& controls) {
    QStringList names;
    for (const QString& control : controls)
        names.append(control + u':' + Name(window, control));
    return names;
}

TEST_F(Accessibility, EveryControlIsNamedAndTheStripReadsItsFieldsText) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Preface = u"コーヒー店にて"_s;
    k.Entries[1].Verse = u"蜩《ひぐらし》のこゑ"_s;
    Write(k);
    Start();
    EXPECT_EQ(
        Names(form.get(), {u"Text1"_s, u"Text2"_s, u"List2"_s, u"Command6"_s, u"List1"_s,
                           u"Command2"_s, u"Shape1"_s}),
        (QStringList{u"Text1:作者の解説・注釈"_s, u"Text2:読者の感想・批評など(書き込みできます)"_s,
                     u"List2:句集の一覧"_s, u"Command6:句集を編集する"_s, u"List1:ページの一覧"_s,
                     u"Command2:Yomiwa終了"_s, u"Shape1:短冊"_s}));
    Open(u"春_一"_s);
    Button(4)->click();
    // The field's text, not the column form.
    EXPECT_EQ(Names(form.get(), {u"Label2"_s, u"Label1"_s, u"Label3"_s}),
              (QStringList{u"Label2:"_s + k.Entries[1].Preface, u"Label1:"_s + k.Entries[1].Verse,
                           u"Label3:"_s + k.Entries[1].Postscript}));
    EXPECT_EQ(Name(form.get(), u"Label1"_s, QAccessible::Description), u"句"_s);
}

} // namespace
