// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

#include <QWidget>

namespace yomiwa::ui {

// A filled rectangle with rounded corners and a border: the tanzaku strip, painted as the
// printed strip is (strip::PaintRoundedShape). Draws only itself; the mouse goes through it
// to whatever lies below.
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
