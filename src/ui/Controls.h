#pragma once

#include "model/Kushu.h"
#include "strip/Faces.h"
#include "ui/Twips.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace yomiwa::ui {

// Creates a child control named as the windows name their controls ("Command1", "Text9"),
// placed at the given twips.
template <typename Control, typename... Args>
Control* AddControl(QWidget* parent, const char* name, int left, int top, int width, int height,
                    Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    PlaceTwips(control, left, top, width, height);
    return control;
}

// A caption: top-left aligned, wrapping within its width. Transparent unless given a
// back colour.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                 const QFont& font);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect twips,
                       const QFont& font);
QLineEdit* AddLineEdit(QWidget* parent, const char* name, QRect twips, const QFont& font);
// A multi-line box with a vertical scroll bar.
QPlainTextEdit* AddTextBox(QWidget* parent, const char* name, QRect twips, const QFont& font);
QListWidget* AddList(QWidget* parent, const char* name, QRect twips, const QFont& font);

// The kinds of control a window's table lists.
enum class ControlKind {
    Label,    // a caption (AddLabel)
    Button,   // AddButton
    LineEdit, // a one-line field (AddLineEdit)
    TextBox,  // a multi-line box (AddTextBox)
    List,     // AddList
    Strip,    // a vertical strip column (StripColumn) placed at its column's twips
    Panel,    // a flat filled panel (PanelShape), filled with the back colour
    Frame,    // a titled frame (QGroupBox) that other rows name as their parent
};

// One control of a window as the window's layout table gives it. The rectangle is in twips
// of the parent's client area; a face of 0 points keeps the parent's font.
struct ControlRow {
    const char* Name;
    ControlKind Kind;
    QRect Twips;
    strip::Face TextFace = strip::Face::Gothic;
    qreal Points = 0;
    bool Bold = false;
    const char16_t* Caption = nullptr;
    std::optional<ColourValue> Back = std::nullopt;
    std::optional<ColourValue> Fore = std::nullopt;
    // The place in the window's tab order; -1 for a control that the order leaves alone.
    int TabIndex = -1;
    // The frame the control lies in; null for the window itself.
    const char* Parent = nullptr;

    QString CaptionText() const { return Caption ? QString::fromUtf16(Caption) : QString(); }
};

// Creates the controls of a table in its order (later rows lie over earlier ones), sets
// their faces, captions and colours, and chains the tab order by TabIndex. `prepare` sees
// each control as soon as it is made, before its colours. Returns the controls of the tab
// order, in that order.
QList<QWidget*>
BuildControls(QWidget* window, std::span<const ControlRow> table,
              const std::function<void(QWidget*, const ControlRow&)>& prepare = nullptr);

// A control that a table made, by name and kind.
template <typename Control> Control* Built(const QWidget* window, const char* name) {
    return window->findChild<Control*>(QString::fromLatin1(name));
}

} // namespace yomiwa::ui
