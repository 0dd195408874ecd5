// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/viewer/ViewerFixture.h"

#include "ui/BoxText.h"

#include <QKeySequence>
#include <QScrollBar>
#include <QWheelEvent>

#include <tuple>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Keyboard = ViewerTest;

// Notches of the wheel at the target's centre, sent to its window as the platform does.
void Wheel(QWidget* target, int notches, int delta) {
    const QPointF at = target->mapTo(target->window(), target->rect().center());
    target = target->window();
    for (int n = 0; n < notches; ++n) {
        QWheelEvent event(at, target->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
}

void Press(QWidget* control, const QString& keys) {
    control->setFocus();
    const QKeyCombination key = QKeySequence(keys)[0];
    QTest::keyClick(control, key.key(), key.keyboardModifiers());
}

// Rows: 序, three verses, 跋, プロフィール, 奥付; each row's entry is its row. The collection
// list holds 夏_二 and 春_一, in that order.
TEST_F(Keyboard, TheFocusedControlKeepsTheKeysItUsesAndOnlyTheRestTurnPages) {
    Kushu k = MakeKushu(3);
    k.Entries[1].Commentary = QStringList(80, u"長い解説"_s).join(u"\r\n"_s);
    Write(k);
    Write(MakeKushu(1, u"夏"_s, u"二"_s));
    Start();
    Open(u"春_一"_s);
    // What the focused control did: the comment box's caret, the collection list's row.
    const auto did = [&](const QString& control) {
        if (control == "Text2"_L1)
            return CommentBox()->textCursor().position();
        return control == "List2"_L1 ? CollectionList()->currentRow() : -1;
    };
    // The control, the key, the page shown after it and what the control did (-1: not looked at).
    const std::tuple<const char*, QString, int, int> steps[] = {
        {"Text2", u"PgDown"_s, 1, 0},       {"Text2", u"Space"_s, 1, 1},
        {"Text2", u"Home"_s, 1, 0},         {"Text2", u"End"_s, 1, 1},
        {"Text2", u"Ctrl+PgDown"_s, 2, 0},  {"Text1", u"Left"_s, 3, -1},
        {"List1", u"Space"_s, 4, -1},       {"List1", u"Left"_s, 5, -1},
        {"List1", u"Shift+Space"_s, 4, -1}, {"List1", u"Right"_s, 3, -1},
        {"List1", u"End"_s, 6, -1},         {"List1", u"Home"_s, 0, -1},
        {"Command3", u"PgDown"_s, 1, -1},   {"Command3", u"Space"_s, 0, -1},
        {"List2", u"Home"_s, 0, 0},         {"List2", u"Ctrl+PgDown"_s, 1, 0},
    };
    for (const auto& [control, key, page, done] : steps) {
        Press(Find(control), key);
        EXPECT_EQ((std::pair{form->ShownPageIndex(), did(QLatin1String(control))}),
                  (std::pair{page, done}))
            << control << ' ' << key.toStdString();
    }
    // The list's preview followed its selection; only what the reader typed was stored.
    EXPECT_EQ(ChosenEditionLabel()->text(), u"第二版"_s);
    EXPECT_EQ(form->KansoList(), (QStringList{{}, u" "_s, {}, {}, {}, {}, {}}));

    // The long commentary scrolls a screenful on PageDown and on Space, then turns the page
    // at its end; PageUp turns back at its top.
    for (const QString& key : {u"PgDown"_s, u"Space"_s}) {
        PageList()->setCurrentRow(1);
        int screens = 0;
        for (; form->ShownPageIndex() == 1 && screens < 100; ++screens)
            Press(CommentaryBox(), key);
        EXPECT_EQ((std::pair{form->ShownPageIndex(), screens > 2}), (std::pair{2, true}));
    }
    Press(CommentaryBox(), u"PgUp"_s);
    Press(CommentaryBox(), u"PgUp"_s);
    EXPECT_EQ(form->ShownPageIndex(), 0);
}

// One page per notch of the wheel over the strip, however many come at once; a click gives
// the strip the keys and changes nothing else.
TEST_F(Keyboard, TheWheelOverTheStripTurnsOnePagePerNotchAndAClickGivesItTheKeys) {
    Write(MakeKushu(60));
    Start();
    Open(u"春_一"_s);
    const auto wheel = [&](int notches, int delta) {
        Wheel(VerseColumn(), notches, delta);
        return PageList()->currentRow();
    };
    EXPECT_EQ(wheel(50, -120), 50);
    EXPECT_EQ(wheel(3, -40), 51);
    EXPECT_EQ(wheel(2, 60), 50);
    EXPECT_EQ(wheel(50, -120), 63);

    PageList()->setCurrentRow(2);
    Type(u"あ"_s);
    QTest::mouseClick(VerseColumn(), Qt::LeftButton);
    EXPECT_EQ(form->focusWidget(), Find("Shape1"));
    EXPECT_EQ(ui::BoxText(CommentBox()), u"あ"_s);
    QTest::keyClick(form->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(form->KansoList()[2], u"あ"_s);
    EXPECT_EQ(form->ShownPageIndex(), 3);
}

// F11 shows the page alone; its keys, clicks and wheel turn the window's pages, storing
// comments as the window does, and leaving comes back at the page shown last.
TEST_F(Keyboard, TheFullScreenTurnsTheWindowsPagesZoomsAndLeavesAtTheLastPage) {
    Write(MakeKushu(3));
    Start();
    Open(u"春_一"_s);
    PageList()->setCurrentRow(1);
    Type(u"感想"_s);
    QTest::keyClick(CommentBox(), Qt::Key_F11);
    viewer::ReadingScreen* screen = form->ShownReadingScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(form->KansoList()[1], u"感想"_s);
    const QStringList keys = {u"PgDown"_s, u"Space"_s, u"Left"_s, u"Shift+Space"_s, u"Right"_s,
                              u"End"_s,    u"PgUp"_s,  u"Home"_s, u"Ctrl+PgDown"_s, u"Up"_s};
    const int pages[] = {2, 3, 4, 3, 2, 6, 5, 0, 0, 0};
    for (int n = 0; n < keys.size(); ++n) {
        Press(screen, keys[n]);
        EXPECT_EQ((std::pair{screen->Row(), form->ShownPageIndex()}),
                  (std::pair{pages[n], pages[n]}))
            << keys[n].toStdString();
    }
    // Vertical text reads leftwards: the left half goes on, the right half back.
    QTest::mouseClick(screen, Qt::LeftButton, {}, {10, 10});
    QTest::mouseClick(screen, Qt::LeftButton, {}, {10, 10});
    QTest::mouseClick(screen, Qt::LeftButton, {}, {screen->width() - 10, 10});
    Wheel(screen, 2, -120);
    EXPECT_EQ(form->ShownPageIndex(), 3);

    // Smaller and larger by tenths of the screen's height, between a half and all of it.
    QList<int> zooms;
    for (const QString& key : {u"Ctrl+-"_s, u"Ctrl+-"_s, u"Ctrl++"_s, u"Ctrl+0"_s}) {
        Press(screen, key);
        zooms.append(screen->ZoomTenths());
    }
    for (int n = 0; n < 8; ++n)
        Press(screen, u"Ctrl+-"_s);
    zooms.append(screen->ZoomTenths());
    EXPECT_EQ(zooms, (QList<int>{9, 8, 9, 10, 5}));
    EXPECT_NEAR(screen->StripRect().height(), screen->height() / 2.0, 1);

    Press(screen, u"Esc"_s);
    EXPECT_EQ(form->ShownReadingScreen(), nullptr);
    EXPECT_EQ(PageList()->currentRow(), 3);
    Type(u"三"_s);
    QTest::mouseDClick(VerseColumn(), Qt::LeftButton);
    ASSERT_NE(form->ShownReadingScreen(), nullptr);
    EXPECT_EQ(form->KansoList()[3], u"三"_s);
    QTest::mouseDClick(form->ShownReadingScreen(), Qt::LeftButton);
    EXPECT_EQ((std::pair{form->ShownReadingScreen() != nullptr, PageList()->currentRow()}),
              (std::pair{false, 3}));
}

} // namespace
