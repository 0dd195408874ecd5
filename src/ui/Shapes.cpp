// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Shapes.h"

#include "strip/Colours.h"
#include "strip/StripShape.h"

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
    strip::PaintRoundedShape(painter, QRectF(rect()), strip::ToQColor(m_fill),
                             strip::ToQColor(m_border), m_borderPixels);
}

PanelShape::PanelShape(QWidget* parent, ColourValue fill)
    : QWidget(parent)
    , m_fill(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PanelShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), strip::ToQColor(m_fill));
}

} // namespace yomiwa::ui
