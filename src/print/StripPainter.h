#pragma once

#include "StripPage.h"

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

// Every column of a printed strip is drawn here, from the field's own text: the column
// `column` (in the painter's coordinates, one unit a pixel of the screen) shows the text
// top to bottom exactly as the reading window sets it (a long text shrinks or goes on in a
// second line beside the column, readings stand to its right).
void PaintColumnText(QPainter& painter, const QString& fieldText, const QFont& font,
                     const QRectF& column, const QColor& colour);

// The strip of a page filling `target`. At the strip's own proportions this is the screen's
// strip scaled; a target of other proportions (a tanzaku sheet) stretches the rounded shape
// and places the columns at the same relative positions, their text scaled by the height.
void PaintStrip(QPainter& painter, const StripPage& page, const QRectF& target);

// The strip at `scale` times its size on screen; outside the rounded shape is transparent.
QImage StripImage(const StripPage& page, int scale);

} // namespace yomiwa::print
