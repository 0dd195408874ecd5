// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/viewer/ViewerFixture.h"

#include <QAccessible>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Accessibility = ViewerTest;

// The names screen readers give the controls, in the order given.
QStringList Names(const QWidget* window, std::initializer_list<const char*> controls,
                  QAccessible::Text kind = QAccessible::Name) {
    QStringList names;
    for (const char* control : controls) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(
            window->findChild<QWidget*>(QLatin1String(control)));
        names.append(accessible ? accessible->text(kind) : u"(none)"_s);
    }
    return names;
}

// Boxes and lists are named by the captions beside them; the strip's columns are static
// text read as heard: readings in parentheses, a huge field cut short.
TEST_F(Accessibility, BoxesListsAndTheStripAreNamedAndTheColumnsReadAsHeard) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Preface = u"コーヒー店にて"_s;
    k.Entries[1].Verse = u"蜩《ひぐらし》のこゑ"_s;
    k.Entries[2].Verse = QString(3000, u'あ');
    Write(k);
    Start();
    EXPECT_EQ(Names(form.get(), {"Text1", "Text2", "List2", "List1", "Shape1"}),
              (QStringList{u"作者の解説・注釈"_s, u"読者の感想・批評など(書き込みできます)"_s,
                           u"句集の一覧"_s, u"ページの一覧"_s, u"短冊"_s}));
    Open(u"春_一"_s);
    NextPageButton()->click();
    EXPECT_EQ(
        Names(form.get(), {"Label2", "Label1", "Label3"}),
        (QStringList{k.Entries[1].Preface, u"蜩（ひぐらし）のこゑ"_s, k.Entries[1].Postscript}));
    EXPECT_EQ(Names(form.get(), {"Label1"}, QAccessible::Description), QStringList{u"句"_s});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(VerseColumn())->role(),
              QAccessible::StaticText);
    NextPageButton()->click();
    const QString name = Names(form.get(), {"Label1"}).front();
    EXPECT_EQ((std::pair{name.size(), name.back()}), (std::pair{qsizetype(1001), QChar(u'…')}));
    EXPECT_LT(VerseColumn()->toolTip().size(), 1100);

    // Full screen, the strip has the focus and its columns read as in the window.
    form->ReadingMode_Click();
    QWidget* screen = form->ShownReadingScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->focusWidget(), screen);
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(screen);
    ASSERT_EQ(strip->childCount(), 3);
    EXPECT_EQ((std::pair{strip->child(1)->role(), strip->child(1)->text(QAccessible::Name)}),
              (std::pair{QAccessible::StaticText, name}));
}

} // namespace
