#include "CodeList.h"
#include "ColourValues.h"
#include "EditorFixture.h"
#include "Faces.h"
#include "Shapes.h"
#include "StripColumn.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;
using ui::TwipsRect;

namespace {

class EditorStartup : public EditorFixture {
protected:
    QStringList FieldTexts() const {
        return {Text1(),
                Line("Text2")->text(),
                Line("Text3")->text(),
                Line("Text4")->text(),
                Line("Text5")->text(),
                Line("Text6")->text(),
                Line("Text7")->text(),
                Line("Text9")->text()};
    }
    bool CaptionsEnabled() const {
        return Get<QLabel>("Label5")->isEnabled() || Get<QLabel>("Label6")->isEnabled() ||
               Get<QLabel>("Label7")->isEnabled();
    }
};

const QStringList SpecialRows = {u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s};

} // namespace

TEST_F(EditorStartup, TheWindowIsLaidOutAsDesigned) {
    OpenNew();
    EXPECT_EQ(window->windowTitle(), u"【Yomiwa】Ver.1.1 作成・編集モード"_s);
    EXPECT_EQ(window->size(), QSize(ui::Px(10605), ui::Px(8070)));
    struct Place {
        const char* Name;
        QRect Twips;
    };
    const Place places[] = {
        {"Shape1", {60, 60, 1455, 4395}},       {"Label12", {60, 60, 1455, 4395}},
        {"Label8", {1200, 120, 135, 3375}},     {"Label9", {660, 120, 255, 4335}},
        {"Label10", {180, 1680, 135, 1875}},    {"Label1", {1620, 180, 480, 240}},
        {"Text2", {2160, 120, 4155, 375}},      {"Label2", {6480, 180, 480, 240}},
        {"Text3", {7020, 120, 1815, 375}},      {"Label4", {9180, 240, 240, 240}},
        {"Text4", {9480, 120, 675, 375}},       {"Label3", {10260, 240, 240, 240}},
        {"List1", {1560, 660, 3015, 3660}},     {"Command1", {4620, 780, 1155, 615}},
        {"Command2", {4620, 1500, 1155, 615}},  {"Command5", {4620, 2220, 1155, 615}},
        {"Command18", {4620, 2940, 1155, 615}}, {"Command3", {4620, 3660, 1155, 615}},
        {"Label5", {5820, 840, 450, 225}},      {"Text6", {6240, 780, 4335, 315}},
        {"Label6", {5940, 1260, 225, 225}},     {"Text5", {6240, 1200, 4335, 375}},
        {"Label7", {5820, 1740, 450, 225}},     {"Text7", {6240, 1680, 4335, 315}},
        {"Label11", {5880, 2220, 2145, 225}},   {"Text9", {8040, 2160, 2475, 315}},
        {"Text8", {5820, 2580, 4695, 1755}},    {"Text1", {60, 4500, 5115, 3435}},
        {"Frame1", {5220, 4380, 5295, 3015}},   {"Command17", {5280, 7500, 2535, 495}},
        {"Command4", {7980, 7500, 2535, 495}},
    };
    for (const Place& p : places) {
        const QRect t = p.Twips;
        EXPECT_EQ(Get<QWidget>(p.Name)->geometry(), TwipsRect(t.x(), t.y(), t.width(), t.height()))
            << p.Name;
    }
    const std::pair<const char*, QString> captions[] = {
        {"Label1", u"句集"_s},  {"Label2", u"作者"_s},
        {"Label3", u"版"_s},    {"Label4", u"第"_s},
        {"Label5", u"前書"_s},  {"Label6", u"句"_s},
        {"Label7", u"後書"_s},  {"Label11", u"改変防止用パスワード"_s},
        {"Label12", QString()},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(Get<QLabel>(name)->text(), caption) << name;
    const std::pair<const char*, QString> buttons[] = {
        {"Command1", u"上に移動"_s},
        {"Command2", u"下に移動"_s},
        {"Command5", u"句の追加"_s},
        {"Command18", u"句の変更"_s},
        {"Command3", u"句の削除"_s},
        {"Command17", u"保存せず終了"_s},
        {"Command4", u"保存して終了"_s},
        {"Command19", u"現在の色を　保存"_s},
        {"Command20", u"保存した色の貼付け"_s},
        {"Command6", u"全体の背景"_s},
        {"Command7", u"短冊"_s},
        {"Command8", u"短冊の縁"_s},
        {"Command9", u"前書"_s},
        {"Command10", u"句"_s},
        {"Command11", u"後書"_s},
        {"Command12", u"解説・注釈欄の背景"_s},
        {"Command13", u"解説・注釈欄の文字"_s},
        {"Command14", u"句集名･作者名の背景"_s},
        {"Command15", u"句集名・作者名の文字"_s},
        {"Command16", u"句集・作者・版数の文字"_s},
    };
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(Get<QPushButton>(name)->text(), caption) << name;
    EXPECT_EQ(Get<QGroupBox>("Frame1")->title(), u"色の設定"_s);

    // Faces: sizes and weights as designed.
    EXPECT_EQ(Get<QWidget>("Text2")->font().pointSizeF(), 12);
    EXPECT_TRUE(Get<QWidget>("Text2")->font().bold());
    EXPECT_TRUE(Get<QWidget>("Text5")->font().bold());
    EXPECT_FALSE(Get<QWidget>("Text3")->font().bold());
    EXPECT_EQ(Get<QWidget>("Text6")->font().pointSizeF(), 11.25);
    EXPECT_EQ(Get<QWidget>("Label8")->font().pointSizeF(), 8.25);
    EXPECT_EQ(Get<QWidget>("Label9")->font().pointSizeF(), 11.25);
    EXPECT_EQ(Get<QWidget>("Label1")->font().pointSizeF(), 12);
    EXPECT_EQ(Get<QWidget>("Command5")->font(), ui::MakeFont(ui::Face::PGothic, 11.25));
    EXPECT_EQ(Get<QWidget>("List1")->font(), ui::MakeFont(ui::Face::Mincho, 11.25));

    // Design-time colours of the boxes that are no shown colour.
    EXPECT_EQ(ui::BackColour(Line("Text9")), 0x00C0C0FF);
    EXPECT_EQ(ui::BackColour(Get<QWidget>("Text8")), 0x00FFFFC0);
    EXPECT_EQ(ui::ForeColour(Get<QWidget>("Text8")), 0x00FF0000);
    auto* shape = Get<ui::RoundedShape>("Shape1");
    EXPECT_EQ(shape->BorderWidth(), 2);

    // Tab order, and the focus in the title field.
    const char* order[] = {"Text2", "Text3", "Text4",    "Text6",    "Text5",   "Text7",
                           "Text1", "List1", "Command1", "Command2", "Command3"};
    auto nextTabStop = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(w->window()));
        return w;
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextTabStop(Get<QWidget>(order[i])), Get<QWidget>(order[i + 1])) << order[i];
    EXPECT_EQ(window->focusWidget(), Line("Text2"));
}

TEST_F(EditorStartup, ColourButtonsFormAReadableGridInsideTheFrame) {
    OpenNew();
    auto* frame = Get<QGroupBox>("Frame1");
    QList<QPushButton*> buttons;
    for (int n = 6; n <= 20; ++n) {
        if (n == 17 || n == 18)
            continue;
        auto* button = Get<QPushButton>(QStringLiteral("Command%1").arg(n).toLatin1().constData());
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), frame);
        buttons.append(button);
    }
    ASSERT_EQ(buttons.size(), 13);
    const QRect inside(QPoint(0, 0), frame->size());
    for (QPushButton* b : buttons) {
        EXPECT_TRUE(inside.contains(b->geometry())) << b->objectName().toStdString();
        const QFontMetrics metrics(b->font());
        EXPECT_LT(metrics.horizontalAdvance(b->text()) + 8, b->width())
            << b->objectName().toStdString();
        EXPECT_GE(b->height(), metrics.height() + 4) << b->objectName().toStdString();
        for (QPushButton* other : buttons) {
            if (other != b) {
                EXPECT_FALSE(b->geometry().intersects(other->geometry()))
                    << b->objectName().toStdString() << " " << other->objectName().toStdString();
            }
        }
    }
}

TEST_F(EditorStartup, NewModeStartsFourEmptyPagesInTheDefaultColours) {
    state.EditPassword = u"前回"_s;
    state.EditorKushu = MakeKushu(5); // left from an earlier editor
    OpenNew();
    EXPECT_EQ(Rows(), SpecialRows);
    EXPECT_EQ(List1()->currentRow(), 0);
    EXPECT_TRUE(List1()->item(0)->isSelected());
    EXPECT_EQ(FieldTexts(), QStringList(8));
    EXPECT_FALSE(CaptionsEnabled());
    EXPECT_EQ(state.EditPassword, u"前回"_s);

    const Kushu& k = state.EditorKushu;
    EXPECT_EQ(k.KuCount(), 0);
    ASSERT_EQ(k.Entries.size(), 4);
    const ColourSet defaults = Colours(0);
    EXPECT_EQ(k.Entries[0].Colours[0], -2147483633);
    EXPECT_EQ(k.Entries[0].Colours[1], 12648447);
    for (const KuEntry& e : k.Entries) {
        EXPECT_EQ(e.Colours, defaults);
        EXPECT_TRUE(e.Preface.isEmpty() && e.Verse.isEmpty() && e.Postscript.isEmpty() &&
                    e.Commentary.isEmpty());
    }
    EXPECT_EQ(window->ReadShownColours(), defaults);
    // The colour buttons' wider targets start in the same colours.
    EXPECT_EQ(ui::BackColour(Line("Text3")), -2147483643);
    EXPECT_EQ(ui::ForeColour(Line("Text4")), -2147483640);
    EXPECT_EQ(ui::ForeColour(Get<QWidget>("Label11")), -2147483630);
    EXPECT_EQ(Help(),
              u"ボタンや各記入欄にマウスをあてると、そ\r\nの説明がここに表示されます。\r\n"_s);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(EditorStartup, ChangeModeShowsTheCollectionAndItsFirstPage) {
    Kushu k = MakeKushu(3, u"冬"_s, u"三"_s);
    k.Password = u"pass word"_s;
    const QString selected = Store(k);
    OpenChange(selected);
    EXPECT_TRUE(window->Loaded());
    EXPECT_EQ(Rows(), (QStringList{u"序"_s, k.Entries[1].Verse, k.Entries[2].Verse,
                                   k.Entries[3].Verse, u"跋"_s, u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(List1()->currentRow(), 0);
    EXPECT_EQ(FieldTexts(), (QStringList{k.Entries[0].Commentary, u"冬"_s, u"芭蕉"_s, u"三"_s,
                                         u"序"_s, QString(), QString(), u"pass word"_s}));
    EXPECT_EQ(Get<ui::StripColumn>("Label9")->Caption(), u"序"_s);
    EXPECT_FALSE(CaptionsEnabled());
    EXPECT_EQ(window->ReadShownColours(), k.Entries[0].Colours);
    EXPECT_EQ(state.EditPassword, u"pass word"_s);
    EXPECT_EQ(state.EditorKushu, k);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(EditorStartup, AnyModeOtherThanNewIsChange) {
    const QString selected = Store(MakeKushu(1));
    OpenChange(selected, u"新規 "_s);
    EXPECT_EQ(Rows().size(), 5);
    EXPECT_EQ(Line("Text2")->text(), u"春"_s);
}

TEST_F(EditorStartup, ChangeModeWithoutHaikuOrPassword) {
    Kushu k = MakeKushu(0, u"序のみ"_s, u"一"_s);
    k.Entries[0].Colours = Colours(7);
    OpenChange(Store(k));
    EXPECT_EQ(Rows(), SpecialRows);
    EXPECT_EQ(Text1(), k.Entries[0].Commentary);
    EXPECT_EQ(window->ReadShownColours(), Colours(7));
    // Without haiku the selection loads nothing, so the verse field stays empty.
    EXPECT_EQ(Line("Text5")->text(), QString());
    EXPECT_EQ(Line("Text9")->text(), QString());
    EXPECT_EQ(state.EditPassword, QString());
    EXPECT_FALSE(CaptionsEnabled());
}

TEST_F(EditorStartup, ALine5FaultKeepsTheHeaderAndAnEmptyList) {
    WriteBytes(folder.File(u"夏_一.Ywk"_s),
               Sjis(u"夏\r\n蕪村\r\n一\r\n"_s + *EncodeCodeList(u"秘"_s) + u"\r\nKUSTART--\r\n"_s));
    state.EditPassword = u"old"_s;
    OpenChange(u"夏_一"_s);
    EXPECT_TRUE(window->Loaded());
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt, u"句集を開けません。\r５行目のデータが不正です。"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 8);
    EXPECT_EQ(dialogs.Messages[0].Title, QString());
    EXPECT_EQ(FieldTexts(), (QStringList{QString(), u"夏"_s, u"蕪村"_s, u"一"_s, QString(),
                                         QString(), QString(), QString()}));
    EXPECT_EQ(List1()->count(), 0);
    EXPECT_EQ(List1()->currentRow(), -1);
    EXPECT_EQ(state.EditPassword, u"秘"_s);
    EXPECT_EQ(window->ReadShownColours(), Colours(0));
}

TEST_F(EditorStartup, OtherReadFaultsLeaveNoWindowToShow) {
    OpenChange(u"無い_一"_s);
    EXPECT_FALSE(window->Loaded());
    EXPECT_EQ(dialogs.Prompts(),
              QStringList{u"句集を開けません。\rファイル「無い_一.Ywk」を読み込めません。"_s});
    EXPECT_EQ(state.EditorKushu, Kushu());
}
