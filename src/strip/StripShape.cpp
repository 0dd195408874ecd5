// SPDX-License-Identifier: GPL-3.0-or-later
#include "strip/StripShape.h"

#include <QPainter>

namespace yomiwa::strip {

void PaintRoundedShape(QPainter& painter, const QRectF& box, const QColor& fill,
                       const QColor& border, qreal borderWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = borderWidth / 2.0;
    const QRectF inner = box.adjusted(half, half, -half, -half);
    const qreal radius = qMin(inner.width(), inner.height()) / 8.0;
    painter.setPen(borderWidth > 0 ? QPen(border, borderWidth) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawRoundedRect(inner, radius, radius);
    painter.restore();
}

} // namespace yomiwa::strip
