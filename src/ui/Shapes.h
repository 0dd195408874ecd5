#pragma once

#include "model/Kushu.h"

#include <QWidget>

class QPainter;

namespace yomiwa::ui {

// The strip's rounded rectangle filling `box`, its border of `borderWidth` drawn inside it.
// The window's strip and the printed strip are drawn by this one function.
void PaintRoundedShape(QPainter& painter, const QRectF& box, const QColor& fill,
                       const QColor& border, qreal borderWidth);

// A filled rectangle with rounded corners and a border: the tanzaku strip. Draws only
// itself; the mouse goes through it to whatever lies below.
class RoundedShape : public QWidget {
    Q_OBJECT
public:
    RoundedShape(QWidget* parent, ColourValue fill, ColourValue border, int borderPixels);

    void SetFillColour(ColourValue value);
    void SetBorderColour(ColourValue value);
    ColourValue FillColour() const { return m_fill; }
    ColourValue BorderColour() const { return m_border; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourValue m_fill;
    ColourValue m_border;
    int m_borderPixels;
};

// A plain filled rectangle: the light panels and their dark shadows.
class PanelShape : public QWidget {
    Q_OBJECT
public:
    PanelShape(QWidget* parent, ColourValue fill);
    ColourValue FillColour() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourValue m_fill;
};

} // namespace yomiwa::ui
