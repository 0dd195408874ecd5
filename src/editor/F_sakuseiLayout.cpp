#include "editor/F_sakusei.h"

#include "ui/ColourValues.h"

namespace yomiwa::editor {

namespace {
using enum ui::ControlKind;
using enum strip::Face;

constexpr ColourValue Pink = 0x00C0C0FF;
constexpr ColourValue PaleCyan = 0x00FFFFC0;
constexpr ColourValue Blue = 0x00FF0000;

// The colour frame is a grid: the strip's six colours three to a row, the commentary's
// and the title's two to a row, the captions' alone, then saving and pasting.
constexpr int Left = 120;
constexpr int Gap = 60;
constexpr int Inner = 5055;
constexpr int Third = (Inner - 2 * Gap) / 3;
constexpr int Half = (Inner - Gap) / 2;
constexpr int RowHeight = 375;
constexpr int RowStep = RowHeight + 45;
constexpr int FirstRow = 330;
constexpr int LastRow = FirstRow + 5 * RowStep + 60;

constexpr QRect Cell(int row, int column, int width, int span = 1) {
    return {Left + column * (width + Gap), FirstRow + row * RowStep,
            span * width + (span - 1) * Gap, RowHeight};
}

constexpr ui::ControlRow ColourButton(const char* name, const char16_t* caption, QRect twips,
                                      int tab) {
    return {name, Button, twips, PGothic, 11.25, false, caption, {}, {}, tab, "Frame1"};
}

// The editor's controls, in twips of its client area, bottom to top. Label12 lies over the
// whole preview strip and the three columns over Label12, so that each column explains
// itself and the rest of the strip the strip.
constexpr ui::ControlRow Layout[] = {
    {"Label12", Label, {60, 60, 1455, 4395}},
    {"Label8", Strip, {1200, 120, 135, 3375}, Gothic, 8.25},
    {"Label9", Strip, {660, 120, 255, 4335}, Mincho, 11.25},
    {"Label10", Strip, {180, 1680, 135, 1875}, Gothic, 8.25},
    {"Label1", Label, {1620, 180, 480, 240}, Gothic, 12, false, u"句集"},
    {"Text2", LineEdit, {2160, 120, 4155, 375}, Mincho, 12, true, nullptr, {}, {}, 0},
    {"Label2", Label, {6480, 180, 480, 240}, Gothic, 12, false, u"作者"},
    {"Text3", LineEdit, {7020, 120, 1815, 375}, Mincho, 12, false, nullptr, {}, {}, 1},
    {"Label4", Label, {9180, 240, 240, 240}, Gothic, 12, false, u"第"},
    {"Text4", LineEdit, {9480, 120, 675, 375}, Mincho, 12, false, nullptr, {}, {}, 2},
    {"Label3", Label, {10260, 240, 240, 240}, Gothic, 12, false, u"版"},
    {"List1", List, {1560, 660, 3015, 3660}, Mincho, 11.25, false, nullptr, {}, {}, 7},
    {"Command1", Button, {4620, 780, 1155, 615}, PGothic, 11.25, false, u"上に移動", {}, {}, 8},
    {"Command2", Button, {4620, 1500, 1155, 615}, PGothic, 11.25, false, u"下に移動", {}, {}, 9},
    {"Command5", Button, {4620, 2220, 1155, 615}, PGothic, 11.25, false, u"句の追加", {}, {}, 11},
    {"Command18", Button, {4620, 2940, 1155, 615}, PGothic, 11.25, false, u"句の変更", {}, {}, 12},
    {"Command3", Button, {4620, 3660, 1155, 615}, PGothic, 11.25, false, u"句の削除", {}, {}, 10},
    {"Label5", Label, {5820, 840, 450, 225}, PGothic, 11.25, false, u"前書"},
    {"Text6", LineEdit, {6240, 780, 4335, 315}, Gothic, 11.25, false, nullptr, {}, {}, 3},
    {"Label6", Label, {5940, 1260, 225, 225}, PGothic, 11.25, false, u"句"},
    {"Text5", LineEdit, {6240, 1200, 4335, 375}, Mincho, 12, true, nullptr, {}, {}, 4},
    {"Label7", Label, {5820, 1740, 450, 225}, PGothic, 11.25, false, u"後書"},
    {"Text7", LineEdit, {6240, 1680, 4335, 315}, Gothic, 11.25, false, nullptr, {}, {}, 5},
    {"Label11", Label, {5880, 2220, 2145, 225}, PGothic, 11.25, false, u"改変防止用パスワード"},
    {"Text9", LineEdit, {8040, 2160, 2475, 315}, Mincho, 11.25, false, nullptr, Pink, {}, 13},
    {"Text8", TextBox, {5820, 2580, 4695, 1755}, Gothic, 11.25, false, nullptr, PaleCyan, Blue},
    {"Text1", TextBox, {60, 4500, 5115, 3435}, Mincho, 12, false, nullptr, {}, {}, 6},
    // A frame paints its own background, the button face, whatever colour the window has.
    {"Frame1",
     Frame,
     {5220, 4380, 5295, 3015},
     Gothic,
     11.25,
     false,
     u"色の設定",
     ui::SystemColours::ButtonFace},
    ColourButton("Command6", u"全体の背景", Cell(0, 0, Third), 14),
    ColourButton("Command7", u"短冊", Cell(0, 1, Third), 15),
    ColourButton("Command8", u"短冊の縁", Cell(0, 2, Third), 16),
    ColourButton("Command9", u"前書", Cell(1, 0, Third), 17),
    ColourButton("Command10", u"句", Cell(1, 1, Third), 18),
    ColourButton("Command11", u"後書", Cell(1, 2, Third), 19),
    ColourButton("Command12", u"解説・注釈欄の背景", Cell(2, 0, Half), 20),
    ColourButton("Command13", u"解説・注釈欄の文字", Cell(2, 1, Half), 21),
    ColourButton("Command14", u"句集名･作者名の背景", Cell(3, 0, Half), 22),
    ColourButton("Command15", u"句集名・作者名の文字", Cell(3, 1, Half), 23),
    ColourButton("Command16", u"句集・作者・版数の文字", Cell(4, 0, Half, 2), 24),
    ColourButton("Command19", u"現在の色を　保存", {Left, LastRow, Half, RowHeight}, 25),
    ColourButton("Command20", u"保存した色の貼付け", {Left + Half + Gap, LastRow, Half, RowHeight},
                 26),
    {"Command17",
     Button,
     {5280, 7500, 2535, 495},
     PGothic,
     11.25,
     false,
     u"保存せず終了",
     {},
     {},
     27},
    {"Command4",
     Button,
     {7980, 7500, 2535, 495},
     PGothic,
     11.25,
     false,
     u"保存して終了",
     {},
     {},
     28},
};
} // namespace

std::span<const ui::ControlRow> F_sakuseiLayout() {
    return Layout;
}

} // namespace yomiwa::editor
