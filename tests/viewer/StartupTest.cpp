#include "ViewerFixture.h"

#include <QDir>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using ViewerStartup = ViewerTest;

TEST_F(ViewerStartup, StartsWithNothingOpenAndNothingShown) {
    Write(MakeKushu(1));
    Start();
    EXPECT_EQ(state.AppFolder, folder.Path());
    EXPECT_EQ(Shown() + Label(9)->text() + Label(10)->text(), u"||||-1:0|//||"_s);
    EXPECT_EQ(List2()->count(), 1);
    EXPECT_TRUE(List2()->selectedItems().isEmpty());
    EXPECT_TRUE(dialogs.Messages.isEmpty());

    Button(2)->click(); // nothing open: nothing is written
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.kan"_s}, QDir::Files), QStringList());
}

TEST_F(ViewerStartup, SecondInstanceIsToldAndEnds) {
    Start();
    SharedState other;
    viewer::MainForm second(other, dialogs);
    EXPECT_FALSE(second.Form_Load(folder.Path().chopped(1)));
    EXPECT_EQ(OneMessage(Notice), u"【Yomiwa】はすでに起動されています。"_s);
    EXPECT_TRUE(other.AppFolder.isEmpty()); // nothing after the message ran
    // Once the first has gone another may start.
    form.reset();
    viewer::MainForm third(other, dialogs);
    EXPECT_TRUE(third.Form_Load(folder.Path().chopped(1)));
    // A folder where no lock can be made still lets the reader read.
    viewer::MainForm unlocked(other, dialogs);
    EXPECT_TRUE(unlocked.Form_Load(folder.File(u"gone/away"_s)));
    EXPECT_EQ(other.AppFolder, folder.File(u"gone/away/"_s));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

using CollectionList = ViewerTest;

TEST_F(CollectionList, ListsEveryCaseOfTheExtensionByNameAndOpensThem) {
    Write(MakeKushu(1, u"b"_s));
    Write(MakeKushu(2, u"春_夏"_s));
    Write(MakeKushu(3, u"a"_s, u"二"_s));
    ASSERT_TRUE(QFile::rename(Path(u"a_二.Ywk"_s), Path(u"A_二.YWK"_s)));
    WriteBytes(Path(u"notes.txt"_s), "x");
    Start();
    EXPECT_EQ(Items(List2()), (QStringList{u"A_二"_s, u"b_一"_s, u"春_夏_一"_s}));
    // A double click opens; the file is found again whatever the case of its extension.
    Choose(u"A_二"_s);
    emit List2()->itemDoubleClicked(List2()->currentItem());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(Label(5)->text(), u"a"_s);
    EXPECT_EQ(List1()->count(), 3 + 4);

    // After the editor has saved, the list is filled again from scratch.
    Write(MakeKushu(1, u"秋"_s));
    ASSERT_TRUE(state.RefreshCollectionList);
    state.RefreshCollectionList();
    EXPECT_EQ(Items(List2()), (QStringList{u"A_二"_s, u"b_一"_s, u"春_夏_一"_s, u"秋_一"_s}));
    form.reset();
    EXPECT_FALSE(state.RefreshCollectionList); // no call into a window that is gone
}

using HeaderPreview = ViewerTest;

TEST_F(HeaderPreview, ShowsAuthorAndEditionOrTheReasonAndLeavesTheOpenCollection) {
    Write(MakeKushu(1, u"春"_s));
    Kushu second = MakeKushu(2, u"秋"_s, u"二"_s);
    second.Author = u"  蕪村 "_s;
    Write(second);
    WriteBytes(Path(u"短い_一.Ywk"_s), Sjis(u"短い\r\n作者"_s)); // no third line
    WriteBytes(Path(u"壊れ_一.Ywk"_s), QByteArray("\x82\r\n\x82\xA0\r\n\x82\xA0\r\n"));
    WriteBytes(Path(u"消えた_一.Ywk"_s), "");
    Start();
    ASSERT_TRUE(QFile::remove(Path(u"消えた_一.Ywk"_s)));
    Open(u"春_一"_s);
    const QString shown = Shown();
    Choose(u"秋_二"_s);
    EXPECT_EQ(Label(9)->text() + Label(10)->text(), u"  蕪村 第二版"_s); // the author as written
    QString prompt;
    for (const QString& bad : {u"短い_一"_s, u"壊れ_一"_s, u"消えた_一"_s}) {
        Choose(bad);
        prompt = OneMessage(Notice);
        EXPECT_TRUE(prompt.startsWith(u"句集を開けません。\r"_s)) << bad.toStdString();
        EXPECT_EQ(Label(9)->text() + Label(10)->text(), u"  蕪村 第二版"_s);
    }
    EXPECT_EQ(prompt, u"句集を開けません。\rファイル「消えた_一.Ywk」を読み込めません。"_s);
    EXPECT_EQ(Shown(), shown);
    EXPECT_EQ(state.ViewerKushu.Title, u"春"_s);
}

} // namespace
