// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

class QWidget;

namespace yomiwa::ui {

// The platform's colours that the windows use by name, as colour values.
namespace SystemColours {
inline constexpr ColourValue WindowBack = SystemColour(5);
inline constexpr ColourValue WindowText = SystemColour(8);
inline constexpr ColourValue ButtonFace = SystemColour(15);
inline constexpr ColourValue ButtonText = SystemColour(18);
} // namespace SystemColours

// Every colourable control keeps its colour value as the truth and paints the resolved
// colour, so reading a colour back gives the value that was set (a system colour stays a
// system colour). Back colour: the background of a window, a label or a text box. Fore
// colour: the text of a label, a text box or a strip column.
void SetBackColour(QWidget* widget, ColourValue value);
void SetForeColour(QWidget* widget, ColourValue value);
ColourValue BackColour(const QWidget* widget);
ColourValue ForeColour(const QWidget* widget);

} // namespace yomiwa::ui
