// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "strip/Faces.h"
#include "strip/StripGeometry.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>
#include <variant>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace yomiwa::ui {

class RoundedShape;
class StripColumn;

// A control's face; 0 points keeps the font of the control's parent.
struct Font {
    strip::Face TextFace = strip::Face::Gothic;
    qreal Points = 0;
    bool Bold = false;
};

// The face of every button of the program's windows.
inline constexpr Font ButtonFont{strip::Face::PGothic, 11.25};

// A back colour and the fore colour on it.
struct ColourPair {
    ColourValue Back;
    ColourValue Fore;
};

// The kinds of control a window's table lists.
enum class ControlKind {
    Label,    // a caption: top-left aligned, wrapping within its width
    Button,   // Enter on it clicks it; it is never its dialog's default by itself
    LineEdit, // a one-line field that never cuts a text
    TextBox,  // a multi-line box with a vertical scroll bar
    List,     // a single-selection list, not sorted
    Strip,    // a vertical strip column (StripColumn) placed at its column's twips
    Panel,    // a flat filled panel (PanelShape)
    Shape,    // the rounded tanzaku strip (RoundedShape)
    Frame,    // a titled frame (QGroupBox) that other rows put their controls in
};

// The window's member that a row fills with the control it makes, one type per kind.
using ControlMember =
    std::variant<std::monostate, QLabel**, QPushButton**, QLineEdit**, QPlainTextEdit**,
                 QListWidget**, StripColumn**, QGroupBox**, RoundedShape**>;

// One control of a window, as the window's layout table gives it: its name as the window
// names its controls ("Command1", "Text9"), its rectangle in twips of the parent's client
// area, its face and caption, and the member it fills. Made by the helpers of ui::rows;
// Tab, Back, Colours and In add what only some rows have.
struct ControlRow {
    const char* Name = nullptr;
    ControlKind Kind = ControlKind::Label;
    QRect Twips = {};
    Font TextFont = {};
    const char16_t* Caption = nullptr;
    ControlMember Member = {};
    // A panel's or a shape's back colour is its fill, a shape's fore colour its border.
    std::optional<ColourValue> BackColour = std::nullopt;
    std::optional<ColourValue> ForeColour = std::nullopt;
    int BorderPixels = 0;
    // The place in the window's tab order; -1 for a control that the order leaves alone.
    int TabIndex = -1;
    // The frame the control lies in; null for the window itself.
    QGroupBox* const* Parent = nullptr;

    ControlRow Tab(int index) const {
        ControlRow row = *this;
        row.TabIndex = index;
        return row;
    }
    ControlRow Back(ColourValue colour) const {
        ControlRow row = *this;
        row.BackColour = colour;
        return row;
    }
    ControlRow Colours(ColourPair colours) const {
        ControlRow row = *this;
        row.BackColour = colours.Back;
        row.ForeColour = colours.Fore;
        return row;
    }
    // Into a frame made by an earlier row.
    ControlRow In(QGroupBox* const& frame) const {
        ControlRow row = *this;
        row.Parent = &frame;
        return row;
    }
};

// One helper per kind of control, for tables that read one row per control.
namespace rows {

inline ControlRow Label(const char* name, QRect twips, Font font, QLabel*& member) {
    return {name, ControlKind::Label, twips, font, nullptr, &member};
}
inline ControlRow Label(const char* name, QRect twips, Font font, const char16_t* caption,
                        QLabel*& member) {
    return {name, ControlKind::Label, twips, font, caption, &member};
}
inline ControlRow Button(const char* name, QRect twips, const char16_t* caption,
                         QPushButton*& member) {
    return {name, ControlKind::Button, twips, ButtonFont, caption, &member};
}
inline ControlRow LineEdit(const char* name, QRect twips, Font font, QLineEdit*& member) {
    return {name, ControlKind::LineEdit, twips, font, nullptr, &member};
}
inline ControlRow TextBox(const char* name, QRect twips, Font font, QPlainTextEdit*& member) {
    return {name, ControlKind::TextBox, twips, font, nullptr, &member};
}
inline ControlRow List(const char* name, QRect twips, Font font, QListWidget*& member) {
    return {name, ControlKind::List, twips, font, nullptr, &member};
}
inline ControlRow Strip(const char* name, QRect twips, Font font, StripColumn*& member) {
    return {name, ControlKind::Strip, twips, font, nullptr, &member};
}
// A column of the reading window's strip, where printing takes it from too.
inline ControlRow Strip(const char* name, const strip::StripColumnGeometry& column,
                        StripColumn*& member) {
    return Strip(name, column.Twips, {column.ColumnFace, column.Points, column.Bold}, member);
}
inline ControlRow Panel(const char* name, QRect twips, ColourValue fill) {
    return ControlRow{name, ControlKind::Panel, twips, {}}.Back(fill);
}
inline ControlRow Shape(const char* name, QRect twips, ColourValue fill, ColourValue border,
                        int borderPixels, RoundedShape*& member) {
    ControlRow row{name, ControlKind::Shape, twips, {}, nullptr, &member, fill, border};
    row.BorderPixels = borderPixels;
    return row;
}
inline ControlRow Frame(const char* name, QRect twips, Font font, const char16_t* caption,
                        QGroupBox*& member) {
    return {name, ControlKind::Frame, twips, font, caption, &member};
}

} // namespace rows

// Creates the controls of a table in its order (later rows lie over earlier ones), fills
// each row's member, sets faces, captions and colours, and chains the tab order by
// TabIndex. `prepare` sees each control as soon as it is made, before its colours. Returns
// the controls of the tab order, in that order.
QList<QWidget*>
BuildControls(QWidget* window, std::span<const ControlRow> table,
              const std::function<void(QWidget*, const ControlRow&)>& prepare = nullptr);

} // namespace yomiwa::ui
