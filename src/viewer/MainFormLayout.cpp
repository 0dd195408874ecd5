// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/MainForm.h"

#include "strip/StripGeometry.h"
#include "ui/ColourValues.h"
#include "ui/Controls.h"
#include "ui/StripColumn.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace yomiwa::viewer {

namespace {
using enum strip::Face;
using namespace ui::SystemColours;

constexpr ColourValue White = 0x00FFFFFF;
constexpr ColourValue Shadow = 0x00404040;
constexpr ColourValue PanelGrey = 0x00E0E0E0;
constexpr ColourValue Cream = 0x00C0FFFF;
constexpr ColourValue Orange = 0x000080FF;
constexpr ui::ColourPair OnWindow{WindowBack, WindowText};
constexpr ui::ColourPair OnButton{ButtonFace, ButtonText};
constexpr ui::ColourPair OnWhite{White, ButtonText};

// Faces by points: 11 stands for 11.25, 14 for 14.25.
constexpr ui::Font Gothic11{Gothic, 11.25};
constexpr ui::Font Gothic12{Gothic, 12};
constexpr ui::Font PGothic11{PGothic, 11.25};
constexpr ui::Font Mincho11{Mincho, 11.25};
constexpr ui::Font Mincho12{Mincho, 12};
constexpr ui::Font MinchoBold14{Mincho, 14.25, true};

constexpr const char16_t* CommentsCaption = u"読者の感想・批評など(書き込みできます)";
} // namespace

QList<QWidget*> MainForm::BuildControls() {
    using namespace ui::rows;
    // The reading window's controls, in twips of its client area, bottom to top: the strip
    // first, then the panels, so that they lie under the lists; each shadow lies under its
    // panel. Captions with no colour of their own are transparent: a page colours their
    // text. The tab order reads the commentary and the comments, then the collections and
    // the pages.
    const ui::ControlRow table[] = {
        Shape("Shape1", strip::ShapeTwips, Cream, Orange, strip::BorderPixels, m_stripShape),
        Panel("Shape5", {8160, 720, 3555, 3495}, Shadow),
        Panel("Shape4", {8100, 660, 3555, 3495}, PanelGrey),
        Panel("Shape3", {8160, 4320, 3555, 2775}, Shadow),
        Panel("Shape2", {8100, 4260, 3555, 2775}, PanelGrey),
        Strip("Label2", strip::Preface, m_prefaceColumn),
        Strip("Label1", strip::Verse, m_verseColumn),
        Strip("Label3", strip::Postscript, m_postscriptColumn),
        Label("Label4", {3060, 180, 480, 240}, Gothic12, u"句集", m_collectionCaption),
        Label("Label5", {3660, 180, 4155, 315}, MinchoBold14, m_titleLabel),
        Label("Label6", {8100, 180, 480, 240}, Gothic12, u"作者", m_authorCaption),
        Label("Label7", {8760, 180, 1635, 255}, Mincho12, m_authorLabel),
        Label("Label8", {10800, 180, 720, 240}, Mincho12, m_editionLabel),
        Label("Label12", {3000, 660, 1920, 240}, Gothic12, u"作者の解説・注釈",
              m_commentaryCaption),
        TextBox("Text1", {2940, 960, 5115, 3435}, Mincho12, m_commentaryBox).Tab(0),
        Label("Label13", {3000, 4560, 4560, 240}, Gothic12, CommentsCaption, m_commentsCaption),
        TextBox("Text2", {2940, 4860, 5115, 3195}, Mincho12, m_commentBox).Colours(OnWindow).Tab(1),
        Label("Label11", {8160, 720, 1125, 225}, PGothic11, u"句集の一覧", m_collectionsCaption)
            .Colours(OnButton),
        List("List2", {8160, 960, 3435, 2310}, Mincho11, m_collectionList).Tab(2),
        Label("Label9", {8160, 3360, 2355, 255}, Gothic11, m_chosenAuthorLabel).Colours(OnWhite),
        Label("Label10", {10560, 3360, 1035, 255}, Gothic11, m_chosenEditionLabel).Colours(OnWhite),
        Button("Command1", {8160, 3660, 1695, 435}, u"句集を開く", m_openButton).Tab(3),
        Button("Command6", {9960, 3660, 1695, 435}, u"句集を編集する", m_editButton).Tab(4),
        Label("Label14", {8220, 4380, 1395, 225}, PGothic11, m_pagesHeading).Colours(OnButton),
        List("List1", {8160, 4620, 3435, 1860}, Mincho11, m_pageList).Tab(5),
        Button("Command3", {8220, 6540, 1575, 435}, u"前のページ", m_previousPageButton).Tab(6),
        Button("Command4", {9960, 6540, 1575, 435}, u"次のページ", m_nextPageButton).Tab(7),
        Button("Command5", {8220, 7140, 3495, 435}, u"新しい句集を作る", m_newCollectionButton)
            .Tab(8),
        Button("Command2", {10020, 7620, 1695, 435}, u"Yomiwa終了", m_quitButton).Tab(9),
    };
    // A page colours the window's background; the platform's controls keep their own
    // frames, scroll bars and faces instead of taking it up.
    QList<QWidget*> tabOrder =
        ui::BuildControls(this, table, [](QWidget* control, const ui::ControlRow& row) {
            using enum ui::ControlKind;
            if (row.Kind == TextBox || row.Kind == List || row.Kind == Button) {
                QPalette palette = QApplication::palette(control);
                palette.setResolveMask(~QPalette::ResolveMask(0));
                control->setPalette(palette);
            }
        });
    // The author's commentary is read, not written: nothing typed there could be kept.
    m_commentaryBox->setReadOnly(true);
    return tabOrder;
}

} // namespace yomiwa::viewer
