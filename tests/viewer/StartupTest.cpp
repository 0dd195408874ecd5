#include "ViewerFixture.h"

#include <QDir>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using ViewerStartup = ViewerTest;

TEST_F(ViewerStartup, StartsEmptyAndASecondInstanceIsToldAndEnds) {
    Write(MakeKushu(1));
    Start();
    EXPECT_EQ(Shown() + Label(9)->text() + Label(10)->text(), u"||||-1:0|//||"_s);
    EXPECT_TRUE(List2()->selectedItems().isEmpty());
    SharedState other;
    viewer::MainForm second(other, dialogs);
    EXPECT_FALSE(second.Form_Load(folder.Path().chopped(1)));
    EXPECT_EQ(OneMessage(Notice), u"【Yomiwa】はすでに起動されています。"_s);
    EXPECT_TRUE(other.AppFolder.isEmpty()); // nothing after the message ran
    Button(2)->click();                     // nothing open: nothing is written
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.kan"_s}, QDir::Files), QStringList());
    // Once the first has gone another may start; a folder without a lock still reads.
    form.reset();
    viewer::MainForm third(other, dialogs);
    EXPECT_TRUE(third.Form_Load(folder.Path().chopped(1)));
    viewer::MainForm unlocked(other, dialogs);
    EXPECT_TRUE(unlocked.Form_Load(folder.File(u"gone/away"_s)));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(ViewerStartup, ListsEveryCaseOfTheExtensionByNameAndRefillsAfterSaving) {
    Write(MakeKushu(1, u"b"_s));
    Write(MakeKushu(3, u"a"_s, u"二"_s));
    ASSERT_TRUE(QFile::rename(Path(u"a_二.Ywk"_s), Path(u"A_二.YWK"_s)));
    WriteBytes(Path(u"notes.txt"_s), "x");
    Start();
    EXPECT_EQ(Items(List2()), (QStringList{u"A_二"_s, u"b_一"_s}));
    Choose(u"A_二"_s);
    emit List2()->itemDoubleClicked(List2()->currentItem());
    EXPECT_EQ(List1()->count(), 3 + 4);
    Write(MakeKushu(1, u"秋"_s));
    state.RefreshCollectionList();
    EXPECT_EQ(Items(List2()), (QStringList{u"A_二"_s, u"b_一"_s, u"秋_一"_s}));
    form.reset();
    EXPECT_FALSE(state.RefreshCollectionList); // no call into a window that is gone
}

TEST_F(ViewerStartup, HeaderPreviewShowsTheAuthorOrTheReasonAndLeavesTheOpenCollection) {
    Write(MakeKushu(1, u"春"_s));
    Kushu second = MakeKushu(2, u"秋"_s, u"二"_s);
    second.Author = u"  蕪村 "_s;
    Write(second);
    WriteBytes(Path(u"短い_一.Ywk"_s), Sjis(u"短い\r\n作者"_s)); // no third line
    Start();
    Open(u"春_一"_s);
    const QString shown = Shown();
    Choose(u"秋_二"_s);
    EXPECT_EQ(Label(9)->text() + Label(10)->text(), u"  蕪村 第二版"_s); // the author as written
    Choose(u"短い_一"_s);
    EXPECT_TRUE(OneMessage(Notice).startsWith(u"句集を開けません。\r"_s));
    EXPECT_EQ(Label(9)->text() + Label(10)->text(), u"  蕪村 第二版"_s);
    EXPECT_EQ(Shown(), shown);
}

} // namespace
