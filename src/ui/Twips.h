#pragma once

#include <QRect>

class QWidget;

namespace yomiwa::ui {

// Positions and sizes are given in twips: 1440 per inch, 15 per logical pixel at 96 dpi.
// Qt's own scaling takes logical pixels to the screen.
constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
QRect TwipsRect(int left, int top, int width, int height);

void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// A window of fixed client size, in twips.
void SetClientSizeTwips(QWidget* window, int width, int height);

// Places a window, frame and all, in the middle of the free area of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace yomiwa::ui
