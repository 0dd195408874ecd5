// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace yomiwa::strip {

// The strip's rounded rectangle filling `box`, its border of `borderWidth` drawn inside it.
// The window's strip and the printed strip are drawn by this one function.
void PaintRoundedShape(QPainter& painter, const QRectF& box, const QColor& fill,
                       const QColor& border, qreal borderWidth);

} // namespace yomiwa::strip
