#include "viewer/MainForm.h"

#include "strip/StripGeometry.h"
#include "ui/ColourValues.h"

namespace yomiwa::viewer {

namespace {
using enum ui::ControlKind;
using enum strip::Face;
using namespace ui::SystemColours;

constexpr ColourValue White = 0x00FFFFFF;
constexpr ColourValue Shadow = 0x00404040;
constexpr ColourValue PanelGrey = 0x00E0E0E0;

constexpr ui::ControlRow StripRow(const char* name, const strip::StripColumnGeometry& g) {
    return {name, Strip, g.Twips, g.ColumnFace, g.Points, g.Bold};
}

// The reading window's controls, in twips of its client area, bottom to top. The panels
// come first so that they lie under the lists; each shadow lies under its panel. Captions
// with no colour of their own are transparent: a page colours their text. The tab order
// reads the commentary and the comments, then the collections and the pages.
constexpr ui::ControlRow Layout[] = {
    {"Shape5", Panel, {8160, 720, 3555, 3495}, {}, 0, false, nullptr, Shadow},
    {"Shape4", Panel, {8100, 660, 3555, 3495}, {}, 0, false, nullptr, PanelGrey},
    {"Shape3", Panel, {8160, 4320, 3555, 2775}, {}, 0, false, nullptr, Shadow},
    {"Shape2", Panel, {8100, 4260, 3555, 2775}, {}, 0, false, nullptr, PanelGrey},
    StripRow("Label2", strip::Preface),
    StripRow("Label1", strip::Verse),
    StripRow("Label3", strip::Postscript),
    {"Label4", Label, {3060, 180, 480, 240}, Gothic, 12, false, u"句集"},
    {"Label5", Label, {3660, 180, 4155, 315}, Mincho, 14.25, true},
    {"Label6", Label, {8100, 180, 480, 240}, Gothic, 12, false, u"作者"},
    {"Label7", Label, {8760, 180, 1635, 255}, Mincho, 12},
    {"Label8", Label, {10800, 180, 720, 240}, Mincho, 12},
    {"Label12", Label, {3000, 660, 1920, 240}, Gothic, 12, false, u"作者の解説・注釈"},
    {"Text1", TextBox, {2940, 960, 5115, 3435}, Mincho, 12, false, nullptr, {}, {}, 0},
    {"Label13",
     Label,
     {3000, 4560, 4560, 240},
     Gothic,
     12,
     false,
     u"読者の感想・批評など(書き込みできます)"},
    {"Text2",
     TextBox,
     {2940, 4860, 5115, 3195},
     Mincho,
     12,
     false,
     nullptr,
     WindowBack,
     WindowText,
     1},
    {"Label11",
     Label,
     {8160, 720, 1125, 225},
     PGothic,
     11.25,
     false,
     u"句集の一覧",
     ButtonFace,
     ButtonText},
    {"List2", List, {8160, 960, 3435, 2310}, Mincho, 11.25, false, nullptr, {}, {}, 2},
    {"Label9", Label, {8160, 3360, 2355, 255}, Gothic, 11.25, false, nullptr, White, ButtonText},
    {"Label10", Label, {10560, 3360, 1035, 255}, Gothic, 11.25, false, nullptr, White, ButtonText},
    {"Command1", Button, {8160, 3660, 1695, 435}, PGothic, 11.25, false, u"句集を開く", {}, {}, 3},
    {"Command6",
     Button,
     {9960, 3660, 1695, 435},
     PGothic,
     11.25,
     false,
     u"句集を編集する",
     {},
     {},
     4},
    {"Label14",
     Label,
     {8220, 4380, 1395, 225},
     PGothic,
     11.25,
     false,
     nullptr,
     ButtonFace,
     ButtonText},
    {"List1", List, {8160, 4620, 3435, 1860}, Mincho, 11.25, false, nullptr, {}, {}, 5},
    {"Command3", Button, {8220, 6540, 1575, 435}, PGothic, 11.25, false, u"前のページ", {}, {}, 6},
    {"Command4", Button, {9960, 6540, 1575, 435}, PGothic, 11.25, false, u"次のページ", {}, {}, 7},
    {"Command5",
     Button,
     {8220, 7140, 3495, 435},
     PGothic,
     11.25,
     false,
     u"新しい句集を作る",
     {},
     {},
     8},
    {"Command2", Button, {10020, 7620, 1695, 435}, PGothic, 11.25, false, u"Yomiwa終了", {}, {}, 9},
};
} // namespace

std::span<const ui::ControlRow> MainFormLayout() {
    return Layout;
}

} // namespace yomiwa::viewer
