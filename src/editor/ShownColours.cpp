// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ShownColours.h"

#include "ui/ColourValues.h"
#include "ui/Shapes.h"

#include <QApplication>
#include <QLabel>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

ColourValue ReadColour(const ColourTarget& target) {
    switch (target.Property) {
    case ColourProperty::Back:
        return ui::BackColour(target.Control);
    case ColourProperty::Fore:
        return ui::ForeColour(target.Control);
    case ColourProperty::Fill:
        return static_cast<const ui::RoundedShape*>(target.Control)->FillColour();
    case ColourProperty::Border:
        break;
    }
    return static_cast<const ui::RoundedShape*>(target.Control)->BorderColour();
}

void PaintColour(const ColourTarget& target, ColourValue value) {
    // Repainting a colour that is already shown would only repropagate palettes.
    if (ReadColour(target) == value)
        return;
    switch (target.Property) {
    case ColourProperty::Back:
        ui::SetBackColour(target.Control, value);
        return;
    case ColourProperty::Fore:
        ui::SetForeColour(target.Control, value);
        if (qobject_cast<QLabel*>(target.Control)) {
            // A disabled caption still looks disabled, whatever its colour.
            QPalette palette = target.Control->palette();
            palette.setColor(
                QPalette::Disabled, QPalette::WindowText,
                QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
            target.Control->setPalette(palette);
        }
        return;
    case ColourProperty::Fill:
        static_cast<ui::RoundedShape*>(target.Control)->SetFillColour(value);
        return;
    case ColourProperty::Border:
        static_cast<ui::RoundedShape*>(target.Control)->SetBorderColour(value);
        return;
    }
}

ColourSet ShownColours::Read() const {
    ColourSet colours;
    for (int slot = 0; slot < ColourSlotCount; ++slot)
        colours[slot] = ReadColour(Targets[std::size_t(slot)]);
    return colours;
}

void ShownColours::Apply(const ColourSet& colours) const {
    for (int slot = 0; slot < ColourSlotCount; ++slot)
        PaintColour(Targets[std::size_t(slot)], colours[slot]);
}

ColourSet DefaultColours() {
    ColourSet c;
    c[WholeBack] = ui::SystemColours::ButtonFace;
    c[StripFill] = 0x00C0FFFF; // light yellow
    c[StripBorder] = ui::SystemColours::WindowText;
    c[PrefaceFore] = 0x00800000;    // dark blue
    c[PostscriptFore] = 0x00004080; // brown
    c[VerseFore] = ui::SystemColours::ButtonText;
    c[NoteBack] = ui::SystemColours::WindowBack;
    c[NoteFore] = ui::SystemColours::WindowText;
    c[TitleBack] = ui::SystemColours::WindowBack;
    c[TitleFore] = ui::SystemColours::WindowText;
    c[CaptionFore] = ui::SystemColours::ButtonText;
    return c;
}

} // namespace yomiwa::editor
