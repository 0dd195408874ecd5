// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace yomiwa::strip {

// Positions and sizes are given in twips: 1440 per inch, 15 per logical pixel at 96 dpi.
// Qt's own scaling takes logical pixels to the screen.
constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace yomiwa::strip
