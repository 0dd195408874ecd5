// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/F_sakusei.h"

#include "editor/HelpTexts.h"
#include "ui/BoxText.h"
#include "ui/ColourValues.h"
#include "ui/Controls.h"
#include "ui/Shapes.h"
#include "ui/StripColumn.h"
#include "ui/Twips.h"
#include "ui/UnstorableMarks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace yomiwa::editor {

namespace {
using enum strip::Face;
using namespace ui::SystemColours;

constexpr ColourValue Cream = 0x00C0FFFF;
constexpr ColourValue Pink = 0x00C0C0FF;
constexpr ui::ColourPair Help{0x00FFFFC0, 0x00FF0000}; // blue on pale cyan

// Faces by points: 8 stands for 8.25, 11 for 11.25.
constexpr ui::Font Gothic8{Gothic, 8.25};
constexpr ui::Font Gothic9{Gothic, 9};
constexpr ui::Font Gothic11{Gothic, 11.25};
constexpr ui::Font Gothic12{Gothic, 12};
constexpr ui::Font PGothic11{PGothic, 11.25};
constexpr ui::Font Mincho11{Mincho, 11.25};
constexpr ui::Font StripMincho11{StripMincho, 11.25};
constexpr ui::Font Mincho12{Mincho, 12};
constexpr ui::Font MinchoBold12{Mincho, 12, true};

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
constexpr QRect LastCell(int column) {
    return {Left + column * (Half + Gap), LastRow, Half, RowHeight};
}
} // namespace

void F_sakusei::BuildControls() {
    using namespace ui::rows;
    ui::SetClientSizeTwips(this, 10605, 8070);

    // A button of the colour frame; a colour button also paints its slot of the shown
    // colours, and its place in the frame is its index.
    std::size_t place = 0;
    auto framed = [this](const char* name, QRect cell, const char16_t* caption,
                         QPushButton*& member, int tab) {
        return Button(name, cell, caption, member).In(m_colourFrame).Tab(tab);
    };
    auto colour = [&](const char* name, QRect cell, const char16_t* caption, int slot, int tab) {
        ColourButton& button = m_colourButtons.at(place++);
        button.Slot = slot;
        return framed(name, cell, caption, button.Control, tab);
    };
    // The editor's controls, in twips of its client area, bottom to top. Label12 lies over
    // the whole preview strip and the three columns over Label12, so that each column
    // explains itself and the rest of the strip the strip.
    const ui::ControlRow table[] = {
        Shape("Shape1", {60, 60, 1455, 4395}, Cream, WindowText, 2, m_stripShape),
        Label("Label12", {60, 60, 1455, 4395}, {}, m_stripHelpArea),
        Strip("Label8", {1200, 120, 135, 3375}, Gothic8, m_prefaceColumn),
        Strip("Label9", {660, 120, 255, 4335}, StripMincho11, m_verseColumn),
        Strip("Label10", {180, 1680, 135, 1875}, Gothic8, m_postscriptColumn),
        Label("Label1", {1620, 180, 480, 240}, Gothic12, u"句集", m_collectionCaption),
        LineEdit("Text2", {2160, 120, 4155, 375}, MinchoBold12, m_titleField).Tab(0),
        Label("Label2", {6480, 180, 480, 240}, Gothic12, u"作者", m_authorCaption),
        LineEdit("Text3", {7020, 120, 1815, 375}, Mincho12, m_authorField).Tab(1),
        Label("Label4", {9180, 240, 240, 240}, Gothic12, u"第", m_editionPrefixCaption),
        LineEdit("Text4", {9480, 120, 675, 375}, Mincho12, m_editionField).Tab(2),
        Label("Label3", {10260, 240, 240, 240}, Gothic12, u"版", m_editionSuffixCaption),
        List("List1", {1560, 660, 3015, 3660}, Mincho11, m_entryList).Tab(7),
        Button("Command1", {4620, 780, 1155, 615}, u"上に移動", m_moveUpButton).Tab(8),
        Button("Command2", {4620, 1500, 1155, 615}, u"下に移動", m_moveDownButton).Tab(9),
        Button("Command5", {4620, 2220, 1155, 615}, u"句の追加", m_addButton).Tab(11),
        Button("Command18", {4620, 2940, 1155, 615}, u"句の変更", m_changeButton).Tab(12),
        Button("Command3", {4620, 3660, 1155, 615}, u"句の削除", m_deleteButton).Tab(10),
        Label("Label5", {5820, 840, 450, 225}, PGothic11, u"前書", m_prefaceCaption),
        LineEdit("Text6", {6240, 780, 4335, 315}, Gothic11, m_prefaceField).Tab(3),
        Label("Label6", {5940, 1260, 225, 225}, PGothic11, u"句", m_verseCaption),
        LineEdit("Text5", {6240, 1200, 4335, 375}, MinchoBold12, m_verseField).Tab(4),
        Label("Label7", {5820, 1740, 450, 225}, PGothic11, u"後書", m_postscriptCaption),
        LineEdit("Text7", {6240, 1680, 4335, 315}, Gothic11, m_postscriptField).Tab(5),
        Label("Label11", {5880, 2220, 2145, 225}, PGothic11, u"改変防止用パスワード",
              m_passwordCaption),
        LineEdit("Text9", {8040, 2160, 2475, 315}, Mincho11, m_passwordField).Back(Pink).Tab(13),
        TextBox("Text8", {5820, 2580, 4695, 1755}, Gothic11, m_helpBox).Colours(Help),
        TextBox("Text1", {60, 4500, 5115, 3435}, Mincho12, m_commentaryBox).Tab(6),
        // A frame paints its own background, the button face, whatever colour the window has.
        Frame("Frame1", {5220, 4380, 5295, 3015}, Gothic11, u"色の設定", m_colourFrame)
            .Back(ButtonFace),
        colour("Command6", Cell(0, 0, Third), u"全体の背景", WholeBack, 14),
        colour("Command7", Cell(0, 1, Third), u"短冊", StripFill, 15),
        colour("Command8", Cell(0, 2, Third), u"短冊の縁", StripBorder, 16),
        colour("Command9", Cell(1, 0, Third), u"前書", PrefaceFore, 17),
        colour("Command10", Cell(1, 1, Third), u"句", VerseFore, 18),
        colour("Command11", Cell(1, 2, Third), u"後書", PostscriptFore, 19),
        colour("Command12", Cell(2, 0, Half), u"解説・注釈欄の背景", NoteBack, 20),
        colour("Command13", Cell(2, 1, Half), u"解説・注釈欄の文字", NoteFore, 21),
        colour("Command14", Cell(3, 0, Half), u"句集名･作者名の背景", TitleBack, 22),
        colour("Command15", Cell(3, 1, Half), u"句集名・作者名の文字", TitleFore, 23),
        colour("Command16", Cell(4, 0, Half, 2), u"句集・作者・版数の文字", CaptionFore, 24),
        framed("Command19", LastCell(0), u"現在の色を　保存", m_saveColoursButton, 25),
        framed("Command20", LastCell(1), u"保存した色の貼付け", m_pasteColoursButton, 26),
        Button("Command17", {5280, 7500, 2535, 495}, u"保存せず終了", m_leaveButton).Tab(27),
        Button("Command4", {7980, 7500, 2535, 495}, u"保存して終了", m_saveButton).Tab(28),
        // Not of the original window: the free band between the title row and the preface.
        Label("VerseCount", {6240, 510, 4335, 255}, Gothic9, m_countLabel),
    };
    ui::BuildControls(this, table);
    m_stripHelpArea->setAttribute(Qt::WA_TranslucentBackground);
    // The help box shows; it is never typed into.
    m_helpBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_helpBox->setReadOnly(true);
    m_helpBox->setFocusPolicy(Qt::NoFocus);
    ui::SetBoxText(m_helpBox, InitialHelpText());
    for (QLineEdit* field : {m_titleField, m_authorField, m_editionField, m_prefaceField,
                             m_verseField, m_postscriptField, m_passwordField})
        ui::MarkUnstorable(field);
    ui::MarkUnstorable(m_commentaryBox);
}

} // namespace yomiwa::editor
