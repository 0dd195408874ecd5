#include "ui/Shapes.h"

#include "ui/ColourValues.h"

#include <QPainter>

namespace yomiwa::ui {

RoundedShape::RoundedShape(QWidget* parent, ColourValue fill, ColourValue border, int borderPixels)
    : QWidget(parent)
    , m_fill(fill)
    , m_border(border)
    , m_borderPixels(borderPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedShape::SetFillColour(ColourValue value) {
    m_fill = value;
    update();
}

void RoundedShape::SetBorderColour(ColourValue value) {
    m_border = value;
    update();
}

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

void RoundedShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintRoundedShape(painter, QRectF(rect()), ToQColor(m_fill), ToQColor(m_border),
                      m_borderPixels);
}

PanelShape::PanelShape(QWidget* parent, ColourValue fill)
    : QWidget(parent)
    , m_fill(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PanelShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_fill));
}

} // namespace yomiwa::ui
