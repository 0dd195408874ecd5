// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

#include <QColor>

namespace yomiwa::strip {

// A colour value as the files keep it (0x00BBGGRR, or 0x80000000 + n for system colour n)
// turned into a colour to paint. System colours come from the application's palette, the
// one the windows paint with, through one table of the platform's system colour numbers.
QColor ToQColor(ColourValue value);
ColourValue FromQColor(const QColor& colour);

} // namespace yomiwa::strip
