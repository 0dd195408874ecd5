// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/StripPage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <map>
#include <memory>

class QPainter;

namespace yomiwa::strip {
class VerticalShaper;
}

namespace yomiwa::print {

// The strip's size in the reading window, in logical pixels.
QSize StripPixelSize();

// The shapers of the strips' faces. Each reads its face's tables (megabytes for Noto's
// Mincho), so strips painted one after the other share them.
class StripShapers {
public:
    StripShapers();
    ~StripShapers();
    const strip::VerticalShaper& Of(const QFont& font);

private:
    std::map<QString, std::unique_ptr<strip::VerticalShaper>> m_shapers;
};

// The strip of a page filling `target`. At the strip's own proportions this is the screen's
// strip scaled; a target of other proportions (a tanzaku sheet) stretches the rounded shape
// and places the columns at the same relative positions, their text scaled by the height.
void PaintStrip(QPainter& painter, const StripPage& page, const QRectF& target);
void PaintStrip(QPainter& painter, const StripPage& page, const QRectF& target,
                StripShapers& shapers);

// The strip at `scale` times its size on screen; outside the rounded shape is transparent.
QImage StripImage(const StripPage& page, int scale);

} // namespace yomiwa::print
