#include "tests/viewer/ViewerFixture.h"

#include "ui/BoxText.h"

#include <QKeySequence>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Keyboard = ViewerTest;

// Rows: 序, three verses, 跋, プロフィール, 奥付; each row's entry is its row.
TEST_F(Keyboard, TurnPagesFromEveryControlButTheCommentBoxWhichKeepsItsEditingKeys) {
    Write(MakeKushu(3));
    Start();
    Open(u"春_一"_s);
    // Each key, pressed on the page the one before turned to, and the page it turns to.
    const QStringList keys = {u"PgDown"_s, u"Space"_s, u"Left"_s, u"PgUp"_s,   u"Shift+Space"_s,
                              u"Right"_s,  u"Right"_s, u"End"_s,  u"PgDown"_s, u"Home"_s};
    const int pages[] = {1, 2, 3, 2, 1, 0, 0, 6, 6, 0};
    for (int n = 0; n < keys.size(); ++n) {
        const int from = form->ShownPageIndex();
        const QString typed = u"感想%1"_s.arg(n);
        Type(typed);
        const QString before = form->KansoList()[from];
        // From the page list, the commentary box and the collection list alike.
        QWidget* targets[] = {PageList(), CommentaryBox(), CollectionList()};
        const QKeyCombination key = QKeySequence(keys[n])[0];
        QTest::keyClick(targets[(n + 1) % 3], key.key(), key.keyboardModifiers());
        EXPECT_EQ(form->ShownPageIndex(), pages[n]) << keys[n].toStdString();
        // Turning the page stores the comment; staying keeps it in the box.
        EXPECT_TRUE(from != pages[n] ? form->KansoList()[from].endsWith(typed)
                                     : form->KansoList()[from] == before &&
                                           ui::BoxText(CommentBox()).endsWith(typed))
            << keys[n].toStdString();
    }
    PageList()->setCurrentRow(5);
    Type(u"あい"_s);
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Home})
        QTest::keyClick(CommentBox(), key);
    QTest::keyClick(CommentBox(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(PageList()->currentRow(), 5);
    QTest::keyClick(CommentBox(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(PageList()->currentRow(), 6);
    EXPECT_EQ(form->KansoList()[5], u" あい"_s);
}

} // namespace
