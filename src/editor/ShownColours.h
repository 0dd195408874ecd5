// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

#include <QList>
#include <QString>

#include <array>

class QWidget;

namespace yomiwa::editor {

// One colour property of one control of the editor window.
enum class ColourProperty { Back, Fore, Fill, Border };

struct ColourTarget {
    QWidget* Control = nullptr;
    ColourProperty Property = ColourProperty::Back;
};

ColourValue ReadColour(const ColourTarget& target);
void PaintColour(const ColourTarget& target, ColourValue value);

// The shown colours: slot i of a ColourSet is the colour of Targets[i]. Reading an entry's
// colours from the window and putting them onto it both go through this one table, so the
// two can never disagree.
struct ShownColours {
    std::array<ColourTarget, ColourSlotCount> Targets;

    ColourSet Read() const;
    void Apply(const ColourSet& colours) const;
};

// What the window shows when it has just loaded; system colours stay system colours.
ColourSet DefaultColours();

} // namespace yomiwa::editor
