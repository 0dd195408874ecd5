// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "strip/Twips.h"

class QWidget;

namespace yomiwa::ui {

// Places a control at twips of its parent's client area, as strip::TwipsRect turns them
// into logical pixels.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// A window of fixed client size, in twips.
void SetClientSizeTwips(QWidget* window, int width, int height);

// Places a window, frame and all, in the middle of the free area of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace yomiwa::ui
