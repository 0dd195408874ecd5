// SPDX-License-Identifier: GPL-3.0-or-later
// A few facts of each window's layout as the description's tables give them: client sizes,
// places in twips (15 to a pixel), faces, captions and the tab order; and the names screen
// readers give the reading window's controls.

#include "tests/viewer/ViewerFixture.h"

#include "editor/F_sakusei.h"
#include "protect/F_pass.h"
#include "strip/Faces.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;
using enum strip::Face;
using strip::MakeFont;

namespace {

// A control as it is shown: where, in which face, with which caption.
struct Look {
    QRect Pixels;
    QFont Font;
    QString Caption;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& look, std::ostream* out) {
    const QRect& r = look.Pixels;
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ' '
         << look.Font.toString().toStdString() << " \"" << look.Caption.toStdString() << '"';
}

Look Described(QRect twips, const QFont& font, const QString& caption = {}) {
    return {QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15), font,
            caption};
}

Look Shown(const QWidget* window, const QString& name) {
    const auto* control = window->findChild<QWidget*>(name);
    if (!control)
        return {};
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        caption = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        caption = button->text();
    else if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        caption = frame->title();
    // A strip column reaches out beside its column, for wide glyphs and readings.
    const auto* strip = qobject_cast<const ui::StripColumn*>(control);
    return {strip ? strip->ColumnRect().translated(control->pos()) : control->geometry(),
            control->font(), caption};
}

void ExpectShown(const QWidget* window, std::initializer_list<std::pair<QString, Look>> looks) {
    for (const auto& [name, look] : looks)
        EXPECT_EQ(Shown(window, name), look) << name.toStdString();
}

// The controls the Tab key goes through from the focused one, `count` of them.
QStringList TabOrder(QWidget* window, int count) {
    QApplication::setActiveWindow(window);
    QStringList order;
    for (QWidget* focus = window->focusWidget(); focus && order.size() < count;
         focus = window->focusWidget()) {
        order.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return order;
}

using WindowLayout = ViewerTest;

TEST_F(WindowLayout, ReadingWindow) {
    Start();
    EXPECT_EQ(form->size(), QSize(11760 / 15, 8115 / 15));
    // The tanzaku and the strip's three columns inside it.
    const QRect tanzaku = Find("Shape1")->geometry();
    EXPECT_EQ(tanzaku, QRect(120 / 15, 60 / 15, 2715 / 15, 7995 / 15));
    for (const ui::StripColumn* column : {PrefaceColumn(), VerseColumn(), PostscriptColumn()})
        EXPECT_TRUE(tanzaku.contains(column->geometry())) << column->objectName().toStdString();
    ExpectShown(form.get(),
                {{u"Label1"_s, Described({1260, 300, 375, 7635}, MakeFont(StripMincho, 18, true))},
                 {u"Command2"_s,
                  Described({10020, 7620, 1695, 435}, MakeFont(PGothic, 11.25), u"Yomiwa終了"_s)}});
    // The header's ideographs and kana, standing on the baseline, are whole in their labels,
    // whatever Mincho the strip has.
    for (const QLabel* label : {TitleLabel(), Find<QLabel>("Label7"), Find<QLabel>("Label8")})
        EXPECT_LE(label->fontMetrics().ascent(), label->height()) << label->text().toStdString();
    EXPECT_TRUE(CommentaryBox()->isReadOnly());
    CommentaryBox()->setFocus();
    EXPECT_EQ(
        TabOrder(form.get(), 11),
        (QStringList{u"Text1"_s, u"Text2"_s, u"List2"_s, u"Command1"_s, u"Command6"_s, u"List1"_s,
                     u"Command3"_s, u"Command4"_s, u"Command5"_s, u"Command2"_s, u"Text1"_s}));
}

TEST_F(WindowLayout, Editor) {
    state.Editing = EditMode::New;
    editor::F_sakusei editor(state, dialogs, QString());
    editor.show();
    EXPECT_EQ(editor.size(), QSize(10605 / 15, 8070 / 15));
    ExpectShown(&editor,
                {{u"Text5"_s, Described({6240, 1200, 4335, 375}, MakeFont(Mincho, 12, true))},
                 {u"Command18"_s,
                  Described({4620, 2940, 1155, 615}, MakeFont(PGothic, 11.25), u"句の変更"_s)},
                 {u"Frame1"_s,
                  Described({5220, 4380, 5295, 3015}, MakeFont(Gothic, 11.25), u"色の設定"_s)}});
    // The colour buttons lie in the frame.
    EXPECT_EQ(Control(&editor, u"Command19"_s)->parentWidget()->objectName(), u"Frame1"_s);
    EXPECT_EQ(TabOrder(&editor, 11),
              (QStringList{u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text6"_s, u"Text5"_s, u"Text7"_s,
                           u"Text1"_s, u"List1"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s}));
}

TEST_F(WindowLayout, PasswordWindow) {
    protect::F_pass pass(state, dialogs, nullptr);
    pass.show();
    EXPECT_EQ(pass.size(), QSize(5025 / 15, 2505 / 15));
    ExpectShown(&pass, {{u"Text9"_s, Described({1740, 1140, 2475, 315}, MakeFont(Mincho, 11.25))},
                        {u"Command2"_s, Described({2640, 1680, 1875, 615}, MakeFont(PGothic, 11.25),
                                                  u"キャンセル"_s)}});
    // The explanation wraps onto as many lines as the face needs.
    auto* explanation = pass.findChild<QLabel*>(u"Label1"_s);
    EXPECT_GE(explanation->height(), explanation->heightForWidth(explanation->width()));
    EXPECT_EQ(TabOrder(&pass, 4),
              (QStringList{u"Text9"_s, u"Command1"_s, u"Command2"_s, u"Text9"_s}));
}

using Accessibility = ViewerTest;

// The names screen readers give the controls, in the order given.
QStringList Names(const QWidget* window, std::initializer_list<const char*> controls) {
    QStringList names;
    for (const char* control : controls) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(
            window->findChild<QWidget*>(QLatin1String(control)));
        names.append(accessible ? accessible->text(QAccessible::Name) : u"(none)"_s);
    }
    return names;
}

// Boxes and lists are named by the captions beside them; the strip's columns are named by
// their text, a huge field cut short, in the window and full screen alike. How a screen
// reader hears the verse and its reading is AtSpiRead.py's.
TEST_F(Accessibility, BoxesListsAndTheStripAreNamedAndAHugeColumnIsCutShort) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Preface = u"コーヒー店にて"_s;
    k.Entries[2].Verse = QString(3000, u'あ');
    Write(k);
    Start();
    EXPECT_EQ(Names(form.get(), {"Text1", "List2", "List1"}),
              (QStringList{u"作者の解説・注釈"_s, u"句集の一覧"_s, u"ページの一覧"_s}));
    Open(u"春_一"_s);
    NextPageButton()->click();
    EXPECT_EQ(Names(form.get(), {"Label2", "Label3"}),
              (QStringList{k.Entries[1].Preface, k.Entries[1].Postscript}));
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
