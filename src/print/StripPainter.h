#pragma once

#include "print/StripPage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace yomiwa::print {

// The strip's size in the reading window, in logical pixels.
QSize StripPixelSize();

// The strip of a page filling `target`. At the strip's own proportions this is the screen's
// strip scaled; a target of other proportions (a tanzaku sheet) stretches the rounded shape
// and places the columns at the same relative positions, their text scaled by the height.
void PaintStrip(QPainter& painter, const StripPage& page, const QRectF& target);

// The strip at `scale` times its size on screen; outside the rounded shape is transparent.
QImage StripImage(const StripPage& page, int scale);

} // namespace yomiwa::print
