#include "ViewerFixture.h"

#include "BoxText.h"

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
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int from;
        int to;
    } cases[] = {
        {Qt::Key_PageDown, none, 0, 1},
        {Qt::Key_Space, none, 1, 2},
        {Qt::Key_Left, none, 2, 3},
        {Qt::Key_PageUp, none, 3, 2},
        {Qt::Key_Space, Qt::ShiftModifier, 2, 1},
        {Qt::Key_Right, none, 1, 0},
        {Qt::Key_Right, none, 0, 0},
        {Qt::Key_PageUp, none, 0, 0},
        {Qt::Key_End, none, 2, 6},
        {Qt::Key_PageDown, none, 6, 6},
        {Qt::Key_Left, none, 6, 6},
        {Qt::Key_Home, none, 4, 0},
        {Qt::Key_Home, none, 0, 0},
        {Qt::Key_End, none, 6, 6},
    };
    int n = 0;
    for (const auto& c : cases) {
        List1()->setCurrentRow(c.from);
        const QString typed = u"感想%1"_s.arg(++n);
        Type(typed);
        const QString before = state.KansoList[c.from];
        // From the page list, the commentary box and the collection list alike.
        QWidget* targets[] = {List1(), Text1(), List2()};
        QTest::keyClick(targets[n % 3], c.key, c.modifiers);
        const std::string name = std::to_string(n);
        EXPECT_EQ(List1()->currentRow(), c.to) << name;
        EXPECT_EQ(form->ShownPageIndex(), c.to) << name;
        if (c.from != c.to) {
            EXPECT_TRUE(state.KansoList[c.from].endsWith(typed)) << name;
        } else {
            EXPECT_EQ(state.KansoList[c.from], before) << name;
            EXPECT_TRUE(ui::BoxText(Text2()).endsWith(typed)) << name;
        }
    }
}

TEST_F(Keys, TheCommentBoxKeepsItsEditingKeys) {
    Write(MakeKushu(3));
    Start();
    Open(u"春_一"_s);
    List1()->setCurrentRow(2);
    const QString comment = ui::BoxText(Text2());
    Type(u"あい"_s);
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                        Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Space})
        QTest::keyClick(Text2(), key);
    QTest::keyClick(Text2(), Qt::Key_Home);
    QTest::keyClick(Text2(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(List1()->currentRow(), 2);
    EXPECT_EQ(ui::BoxText(Text2()), u" "_s + comment + u"あい "_s);
    // Ctrl+PageDown and Ctrl+PageUp still turn the page from the box, keeping its comment.
    QTest::keyClick(Text2(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(List1()->currentRow(), 3);
    EXPECT_EQ(state.KansoList[2], u" "_s + comment + u"あい "_s);
    QTest::keyClick(Text2(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(List1()->currentRow(), 2);
}

} // namespace
