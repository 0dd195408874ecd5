#include "EditorFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString DefaultText = u"ボタンや各記入欄にマウスをあてると、その説明がここに表示されます｡ "_s;
const QString FrameText =
    u"各部の文字や背景の色を設定します。\r\n一句ごとに別々の色が設定できます。\r\n"
    u"好きな色に設定した後で、[句の変更]ボタンをクリックしてください。\r\n"
    u"[Shift]キーを押しながら[句の変更]をクリックすると、全部の句の色が一度に変更できます。"_s;
const QString ColumnText = u"前書き、句、後書きが縦表示される短冊です。"_s;
const QString StripText =
    u"前書き、句、後書きが縦表示される短冊です。閲覧モードではもっと大きく表示されますので、"
    u"この編集画面の短冊はイメージを捉えるための参考として見て下さい。"_s;

class EditorHelp : public EditorFixture {
protected:
    void MoveOverArea(const char* name) {
        auto* area = Get<QAbstractScrollArea>(name);
        MoveOver(area->viewport());
    }
    // A point of the window that no control covers.
    QPoint BareSpot() const {
        for (int y = 0; y < window->height(); ++y) {
            for (int x = 0; x < window->width(); ++x) {
                if (!window->childAt(x, y))
                    return {x, y};
            }
        }
        ADD_FAILURE() << "no bare spot";
        return {};
    }
};

} // namespace

TEST_F(EditorHelp, ButtonsAndFieldsExplainThemselves) {
    OpenNew();
    const std::pair<const char*, QString> texts[] = {
        {"Command5",
         u"右側の記入欄に記入した句を、左側のリストの現在選択されている行の後に追加します。"
         u"跋より後には句を追加することはできません。"_s},
        {"Command18",
         u"現在選択されている句を、右側の記入欄、下の解説欄の内容に変更します。"
         u"色も現在の色になります。序、跋などを変更した時もこのボタンをクリックして下さい。\r\n"
         u"[Shift]キーを押しながらこのボタンをクリックすると、現在の色をすべての句(序､跋含む)に適用します。"_s},
        {"Command1",
         u"左のリストで選択した句を、一つ上に移動します。序より前には移動できません。"_s},
        {"Command19",
         u"現在表示されている色を保存します。保存した色は[保存した色の貼付け]ボタンで、"
         u"他の句に貼り付けることができます。"_s},
        {"Command17", u"編集した内容を保存せずに句集の作成を終了します。"_s},
        {"Text3",
         u"作者名を入力して下さい。（作者名を入力しなくても句集を保存することができます。）"_s},
        {"Text4",
         u"既存の句集を手直し・改訂して作り直す場合など、この版数で区別するようにします。"
         u"どのような文字でも入力できますが、通常は漢数字（一、二、三、四・・）を使用します。"_s},
        {"Text5",
         u"句を入力してください。左側の[句を追加]"
         u"ボタンをクリックすると、左のリストに句が追加されます。"
         u"句を訂正したいときには、左のリストで選択してこの欄で直接訂正すればＯＫです。"_s},
        {"Frame1", FrameText},
    };
    for (const auto& [name, text] : texts) {
        MoveOver(Get<QWidget>(name));
        EXPECT_EQ(Help(), text) << name;
    }
    MoveOverArea("List1");
    EXPECT_EQ(
        Help(),
        u"このリストで句を選択して、順番の入れ替えや削除、句や前書などの訂正などを行います。"
        u"序･跋･プロフィール･奥付はリストから削除できませんが、内容を何も記入しなければ閲覧時には表示されません。"_s);
    MoveOverArea("Text1");
    EXPECT_EQ(
        Help(),
        u"各句の解説や注釈などを記入する欄です。序・跋・プロフィール・奥付もこの欄に記入します。"_s);
}

TEST_F(EditorHelp, SomeControlsLeaveTheHelpAsItWas) {
    OpenNew();
    MoveOver(Get<QWidget>("Frame1"));
    // Reaching a colour button across the frame leaves the frame's text.
    for (const char* name : {"Command6", "Command11", "Command16"}) {
        MoveOver(Get<QWidget>(name));
        EXPECT_EQ(Help(), FrameText) << name;
    }
    for (const char* name : {"Label1", "Label5", "Label7", "Label11"}) {
        MoveOver(Get<QWidget>(name));
        EXPECT_EQ(Help(), FrameText) << name;
    }
}

TEST_F(EditorHelp, TheBareWindowAndTheHelpBoxShowTheDefaultText) {
    OpenNew();
    MoveOver(Get<QWidget>("Command2"));
    MoveOver(window.get(), BareSpot());
    EXPECT_EQ(Help(), DefaultText);
    EXPECT_TRUE(Help().endsWith(u"｡ "_s));

    MoveOver(Get<QWidget>("Text9"));
    EXPECT_NE(Help(), DefaultText);
    MoveOverArea("Text8");
    EXPECT_EQ(Help(), DefaultText);
}

TEST_F(EditorHelp, TheColumnsLieAboveTheStripsHelpLabel) {
    OpenNew();
    auto* label12 = Get<QLabel>("Label12");
    for (const char* column : {"Label8", "Label9", "Label10"}) {
        QWidget* c = Get<QWidget>(column);
        const QPoint centre = c->geometry().center();
        EXPECT_EQ(window->childAt(centre), c) << column;
        MoveOver(label12); // between the columns
        EXPECT_EQ(Help(), StripText);
        MoveOver(c);
        EXPECT_EQ(Help(), ColumnText) << column;
    }
    // Where no column stands, the strip's own text; the shape takes no mouse.
    EXPECT_EQ(window->childAt(label12->geometry().topLeft() + QPoint(2, 2)), label12);
}
