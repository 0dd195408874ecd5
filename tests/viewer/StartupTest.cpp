#include "ViewerFixture.h"

#include "ColourValues.h"
#include "Shapes.h"
#include "Twips.h"

#include <QApplication>
#include <QTest>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// Every control of the window at its place in twips, with its face where it has text.
struct Placed {
    const char* Name;
    int Left, Top, Width, Height;
    const char* Family = nullptr; // the stand-in this system has for the named face
    qreal Points = 0;
    bool Bold = false;
};

constexpr const char* Mincho = "IPAMincho";
constexpr const char* Gothic = "IPAGothic";
constexpr const char* PGothic = "IPAPGothic";

constexpr Placed Layout[] = {
    {"Shape1", 120, 60, 2715, 7995},
    {"Label2", 2160, 180, 255, 7815, Gothic, 12},
    {"Label1", 1260, 300, 375, 7635, Mincho, 18, true},
    {"Label3", 480, 3000, 255, 4815, Gothic, 12},
    {"Label4", 3060, 180, 480, 240, Gothic, 12},
    {"Label5", 3660, 180, 4155, 315, Mincho, 14.25, true},
    {"Label6", 8100, 180, 480, 240, Gothic, 12},
    {"Label7", 8760, 180, 1635, 255, Mincho, 12},
    {"Label8", 10800, 180, 720, 240, Mincho, 12},
    {"Label12", 3000, 660, 1920, 240, Gothic, 12},
    {"Text1", 2940, 960, 5115, 3435, Mincho, 12},
    {"Label13", 3000, 4560, 4560, 240, Gothic, 12},
    {"Text2", 2940, 4860, 5115, 3195, Mincho, 12},
    {"Label11", 8160, 720, 1125, 225, PGothic, 11.25},
    {"List2", 8160, 960, 3435, 2310, Mincho, 11.25},
    {"Label9", 8160, 3360, 2355, 255, Gothic, 11.25},
    {"Label10", 10560, 3360, 1035, 255, Gothic, 11.25},
    {"Command1", 8160, 3660, 1695, 435, PGothic, 11.25},
    {"Command6", 9960, 3660, 1695, 435, PGothic, 11.25},
    {"Label14", 8220, 4380, 1395, 225, PGothic, 11.25},
    {"List1", 8160, 4620, 3435, 1860, Mincho, 11.25},
    {"Command3", 8220, 6540, 1575, 435, PGothic, 11.25},
    {"Command4", 9960, 6540, 1575, 435, PGothic, 11.25},
    {"Command5", 8220, 7140, 3495, 435, PGothic, 11.25},
    {"Command2", 10020, 7620, 1695, 435, PGothic, 11.25},
    {"Shape4", 8100, 660, 3555, 3495},
    {"Shape5", 8160, 720, 3555, 3495},
    {"Shape2", 8100, 4260, 3555, 2775},
    {"Shape3", 8160, 4320, 3555, 2775},
};

using ViewerStartup = ViewerTest;

TEST_F(ViewerStartup, WindowIsLaidOutAsDesigned) {
    Start();
    EXPECT_EQ(form->size(), ui::TwipsRect(0, 0, 11760, 8115).size());
    EXPECT_EQ(form->windowTitle(), u"【Yomiwa】Ver.1.1 閲覧モード"_s);
    for (const Placed& p : Layout) {
        const QWidget* control = Find<QWidget>(p.Name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), ui::TwipsRect(p.Left, p.Top, p.Width, p.Height)) << p.Name;
        if (!p.Family)
            continue;
        const QFont font = control->font();
        EXPECT_EQ(font.families().value(0), QString::fromLatin1(p.Family)) << p.Name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), p.Points) << p.Name;
        EXPECT_EQ(font.bold(), p.Bold) << p.Name;
    }
    const QStringList captions = {Button(1)->text(), Button(6)->text(), Button(3)->text(),
                                  Button(4)->text(), Button(5)->text(), Button(2)->text()};
    EXPECT_EQ(captions, (QStringList{u"句集を開く"_s, u"句集を編集する"_s, u"前のページ"_s,
                                     u"次のページ"_s, u"新しい句集を作る"_s, u"Yomiwa終了"_s}));
    EXPECT_EQ(Label(4)->text(), u"句集"_s);
    EXPECT_EQ(Label(6)->text(), u"作者"_s);
    EXPECT_EQ(Label(11)->text(), u"句集の一覧"_s);
    EXPECT_EQ(Label(12)->text(), u"作者の解説・注釈"_s);
    EXPECT_EQ(Label(13)->text(), u"読者の感想・批評など(書き込みできます)"_s);

    // The panels lie under the lists, each shadow under its panel, the strip under its
    // columns.
    const QObjectList children = form->children();
    auto z = [&](const char* name) {
        return children.indexOf(Find<QWidget>(name));
    };
    EXPECT_LT(z("Shape5"), z("Shape4"));
    EXPECT_LT(z("Shape4"), z("List2"));
    EXPECT_LT(z("Shape3"), z("Shape2"));
    EXPECT_LT(z("Shape2"), z("List1"));
    for (const char* column : {"Label1", "Label2", "Label3"})
        EXPECT_LT(z("Shape1"), z(column));
}

TEST_F(ViewerStartup, DesignColoursAndTransparency) {
    Start();
    EXPECT_EQ(ui::BackColour(form.get()), 0x00000080);
    auto* strip = Find<ui::RoundedShape>("Shape1");
    EXPECT_EQ(strip->FillColour(), 0x00C0FFFF);
    EXPECT_EQ(strip->BorderColour(), 0x000080FF);
    EXPECT_EQ(strip->BorderWidth(), 3);
    EXPECT_EQ(Find<ui::PanelShape>("Shape4")->FillColour(), 0x00E0E0E0);
    EXPECT_EQ(Find<ui::PanelShape>("Shape5")->FillColour(), 0x00404040);
    EXPECT_EQ(Find<ui::PanelShape>("Shape2")->FillColour(), 0x00E0E0E0);
    EXPECT_EQ(Find<ui::PanelShape>("Shape3")->FillColour(), 0x00404040);
    EXPECT_EQ(ui::ForeColour(Column(2)), 0x00800000);
    EXPECT_EQ(ui::ForeColour(Column(3)), 0x00004080);
    for (int n : {4, 6, 8, 12, 13}) {
        EXPECT_EQ(ui::ForeColour(Label(n)), 0x00FFFFFF) << n;
        EXPECT_FALSE(Label(n)->autoFillBackground()) << n; // transparent
    }
    for (int n : {5, 7}) {
        EXPECT_EQ(ui::BackColour(Label(n)), 0x00C0FFFF) << n;
        EXPECT_TRUE(Label(n)->autoFillBackground()) << n;
    }
    EXPECT_EQ(ui::BackColour(Label(9)), 0x00FFFFFF);
    EXPECT_EQ(ui::BackColour(Label(10)), 0x00FFFFFF);
    EXPECT_EQ(ui::BackColour(Text1()), 0x00C0FFFF);
    for (int n : {1, 2, 3})
        EXPECT_FALSE(Column(n)->autoFillBackground()) << n;
}

TEST_F(ViewerStartup, StartsWithNothingOpenAndTheFixedCaptionsOnly) {
    Write(MakeKushu(1));
    Start();
    EXPECT_EQ(state.AppFolder, folder.Path());
    for (int n : {1, 2, 3})
        EXPECT_EQ(Column(n)->Caption(), QString()) << n;
    for (int n : {5, 7, 8, 9, 10, 14})
        EXPECT_EQ(Label(n)->text(), QString()) << n;
    EXPECT_TRUE(Text1()->toPlainText().isEmpty());
    EXPECT_TRUE(Text2()->toPlainText().isEmpty());
    EXPECT_EQ(List1()->count(), 0);
    EXPECT_EQ(List2()->count(), 1);
    EXPECT_TRUE(List2()->selectedItems().isEmpty());
    EXPECT_FALSE(form->IsCollectionOpen());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(ViewerStartup, SecondInstanceIsToldAndEnds) {
    Start();
    SharedState otherState;
    ScriptedDialogs otherDialogs;
    viewer::MainForm second(otherState, otherDialogs);
    EXPECT_FALSE(second.Form_Load(folder.Path().chopped(1)));
    ASSERT_EQ(otherDialogs.Messages.size(), 1);
    EXPECT_EQ(otherDialogs.Messages[0].Prompt, u"【Yomiwa】はすでに起動されています。"_s);
    EXPECT_EQ(otherDialogs.Messages[0].Style, 8);
    EXPECT_EQ(otherDialogs.Messages[0].Title, QString());
    EXPECT_TRUE(otherState.AppFolder.isEmpty()); // nothing after the message ran
    EXPECT_NE(second.windowTitle(), u"【Yomiwa】Ver.1.1 閲覧モード"_s);
    // The first is not disturbed, and once it has gone another may start.
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    form.reset();
    viewer::MainForm third(otherState, otherDialogs);
    EXPECT_TRUE(third.Form_Load(folder.Path().chopped(1)));
}

TEST_F(ViewerStartup, FolderWithoutRoomForTheLockStillReads) {
    form = std::make_unique<viewer::MainForm>(state, dialogs);
    EXPECT_TRUE(form->Form_Load(folder.File(u"gone/away"_s)));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(state.AppFolder, folder.File(u"gone/away/"_s));
    EXPECT_EQ(List2()->count(), 0);
}

using CollectionList = ViewerTest;

TEST_F(CollectionList, ListsEveryCaseOfTheExtensionByNameAndOpensThem) {
    Write(MakeKushu(1, u"b"_s, u"一"_s));
    Write(MakeKushu(2, u"春_夏"_s, u"一"_s));
    Write(MakeKushu(3, u"a"_s, u"二"_s));
    ASSERT_TRUE(QFile::rename(Path(u"a_二.Ywk"_s), Path(u"A_二.YWK"_s)));
    WriteBytes(Path(u"notes.txt"_s), "x");
    Start();
    QStringList items;
    for (int i = 0; i < List2()->count(); ++i)
        items.append(List2()->item(i)->text());
    EXPECT_EQ(items, (QStringList{u"A_二"_s, u"b_一"_s, u"春_夏_一"_s}));

    // The item loses its last four characters, and the file is found again whatever its
    // case.
    Open(u"A_二"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(Label(5)->text(), u"a"_s);
    EXPECT_EQ(List1()->count(), 3 + 4);
    Open(u"春_夏_一"_s);
    EXPECT_EQ(Label(5)->text(), u"春_夏"_s);
    EXPECT_EQ(Label(8)->text(), u"第一版"_s);
}

TEST_F(CollectionList, EditorSaveRefillsTheListFromScratch) {
    Write(MakeKushu(1, u"春"_s));
    Start();
    Choose(u"春_一"_s);
    const QString author = Label(9)->text();
    Write(MakeKushu(1, u"秋"_s));
    ASSERT_TRUE(state.RefreshCollectionList);
    state.RefreshCollectionList();
    ASSERT_EQ(List2()->count(), 2);
    EXPECT_EQ(List2()->item(0)->text(), u"春_一"_s);
    EXPECT_EQ(List2()->item(1)->text(), u"秋_一"_s);
    EXPECT_EQ(Label(9)->text(), author); // the last preview stays
    form.reset();
    EXPECT_FALSE(state.RefreshCollectionList); // no call into a window that is gone
}

using HeaderPreview = ViewerTest;

TEST_F(HeaderPreview, ShowsAuthorAndEditionAndNothingElse) {
    Kushu first = MakeKushu(1, u"春"_s, u"一"_s);
    first.Author = u"芭蕉"_s;
    Write(first);
    Kushu second = MakeKushu(2, u"秋"_s, u"二"_s);
    second.Author = u"  蕪村 "_s;
    Write(second);
    Start();
    Open(u"春_一"_s);
    const QStringList rows = Rows();
    Choose(u"秋_二"_s);
    EXPECT_EQ(Label(9)->text(), u"  蕪村 "_s); // unchanged, no prefix or suffix
    EXPECT_EQ(Label(10)->text(), u"第二版"_s);
    EXPECT_EQ(Label(5)->text(), u"春"_s);
    EXPECT_EQ(Label(7)->text(), u"芭蕉"_s);
    EXPECT_EQ(Label(8)->text(), u"第一版"_s);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(state.ViewerKushu.Title, u"春"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(HeaderPreview, UnreadableFileIsToldAndChangesNothing) {
    Write(MakeKushu(1, u"春"_s));
    WriteBytes(Path(u"短い_一.Ywk"_s), Sjis(u"短い\r\n作者"_s)); // no third line
    WriteBytes(Path(u"壊れ_一.Ywk"_s), QByteArray("\x82\r\n\x82\xA0\r\n\x82\xA0\r\n"));
    Start();
    Choose(u"春_一"_s);
    for (const QString& bad : {u"短い_一"_s, u"壊れ_一"_s}) {
        Choose(bad);
        const QList<ScriptedDialogs::Message> messages = TakeMessages();
        ASSERT_EQ(messages.size(), 1) << bad.toStdString();
        EXPECT_TRUE(messages[0].Prompt.startsWith(u"句集を開けません。\r"_s));
        EXPECT_EQ(messages[0].Style, 8);
        EXPECT_EQ(messages[0].Title, QString());
        EXPECT_EQ(Label(9)->text(), u"芭蕉"_s);
        EXPECT_EQ(Label(10)->text(), u"第一版"_s);
    }
    WriteBytes(Path(u"消えた_一.Ywk"_s), "");
    state.RefreshCollectionList();
    ASSERT_TRUE(QFile::remove(Path(u"消えた_一.Ywk"_s)));
    Choose(u"消えた_一"_s);
    const QList<ScriptedDialogs::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].Prompt,
              u"句集を開けません。\rファイル「消えた_一.Ywk」を読み込めません。"_s);
}

TEST_F(HeaderPreview, DoubleClickPreviewsThenOpens) {
    Write(MakeKushu(2, u"春"_s, u"三"_s));
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint centre = List2()->visualItemRect(List2()->item(0)).center();
    // The first click of the two, then the second that makes it a double click.
    QTest::mouseClick(List2()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(List2()->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(Label(10)->text(), u"第三版"_s);
    EXPECT_EQ(Label(5)->text(), u"春"_s);
    EXPECT_EQ(List1()->count(), 2 + 4);
    EXPECT_EQ(List1()->currentRow(), 0);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

} // namespace
