#include "tests/viewer/ViewerFixture.h"

#include "ui/BoxText.h"

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Keys = ViewerTest;

// Rows: 序, three verses, 跋, プロフィール, 奥付; each row's entry is its row.
TEST_F(Keys, TurnPagesAsTheButtonsDoFromEveryControlButTheCommentBox) {
    Write(MakeKushu(3));
    Start();
    Open(u"春_一"_s);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int from, to;
    } cases[] = {
        // clang-format off
        {Qt::Key_PageDown, {}, 0, 1}, {Qt::Key_Space, {}, 1, 2}, {Qt::Key_Left, {}, 2, 3},
        {Qt::Key_PageUp, {}, 3, 2},   {Qt::Key_Space, Qt::ShiftModifier, 2, 1},
        {Qt::Key_Right, {}, 1, 0},    {Qt::Key_Right, {}, 0, 0},   {Qt::Key_End, {}, 2, 6},
        {Qt::Key_PageDown, {}, 6, 6}, {Qt::Key_Home, {}, 4, 0},
        // clang-format on
    };
    int n = 0;
    for (const auto& c : cases) {
        List1()->setCurrentRow(c.from);
        const QString typed = u"感想%1"_s.arg(++n);
        Type(typed);
        const QString before = form->KansoList()[c.from];
        // From the page list, the commentary box and the collection list alike.
        QWidget* targets[] = {List1(), Text1(), List2()};
        QTest::keyClick(targets[n % 3], c.key, c.modifiers);
        EXPECT_EQ(form->ShownPageIndex(), c.to) << n;
        // Turning the page stores the comment; staying keeps it in the box.
        EXPECT_TRUE(c.from != c.to ? form->KansoList()[c.from].endsWith(typed)
                                   : form->KansoList()[c.from] == before &&
                                         ui::BoxText(Text2()).endsWith(typed))
            << n;
    }
}

TEST_F(Keys, TheCommentBoxKeepsItsEditingKeysButCtrlPageDownTurns) {
    Write(MakeKushu(3));
    Start();
    Open(u"春_一"_s);
    List1()->setCurrentRow(2);
    Type(u"あい"_s);
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Home})
        QTest::keyClick(Text2(), key);
    QTest::keyClick(Text2(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(List1()->currentRow(), 2);
    QTest::keyClick(Text2(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(List1()->currentRow(), 3);
    EXPECT_EQ(form->KansoList()[2], u" あい"_s);
}

} // namespace
