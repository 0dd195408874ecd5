#include "Shapes.h"

#include "ColourValues.h"

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

void RoundedShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = m_borderPixels / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    const qreal radius = qMin(box.width(), box.height()) / 8.0;
    painter.setPen(m_borderPixels > 0 ? QPen(ToQColor(m_border), m_borderPixels) : QPen(Qt::NoPen));
    painter.setBrush(ToQColor(m_fill));
    painter.drawRoundedRect(box, radius, radius);
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
