// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "strip/Faces.h"
#include "strip/Twips.h"

#include <QFont>
#include <QRect>

namespace yomiwa::strip {

// The tanzaku strip of the reading window, in twips of the window's client area: the
// rounded shape and its three columns. The window places its controls from these numbers
// and printing draws from them, so what comes out on paper is what the reader sees.
struct StripColumnGeometry {
    QRect Twips;
    Face ColumnFace;
    qreal Points;
    bool Bold;
    ColourSlot Colour;

    QFont MakeColumnFont() const { return MakeFont(ColumnFace, Points, Bold); }
};

inline constexpr QRect ShapeTwips{120, 60, 2715, 7995};
inline constexpr int BorderPixels = 3;
inline constexpr StripColumnGeometry Preface{
    {2160, 180, 255, 7815}, Face::Gothic, 12, false, PrefaceFore};
inline constexpr StripColumnGeometry Verse{
    {1260, 300, 375, 7635}, Face::StripMincho, 18, true, VerseFore};
inline constexpr StripColumnGeometry Postscript{
    {480, 3000, 255, 4815}, Face::Gothic, 12, false, PostscriptFore};

// A rectangle in twips as the window places it, in logical pixels.
inline QRect PixelsOf(const QRect& twips) {
    return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace yomiwa::strip
