// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

namespace yomiwa::bench {

// The largest collection the program holds, with realistic Japanese texts: 29997 haiku (or
// kuCount), preface and postscript of about 10 characters, a verse of 17, a commentary of two
// lines of about 40; the four special pages with a few lines each. Its list text is
// MaximalKushuName.
Kushu MaximalKushu(int kuCount = MaxKuCount);
inline constexpr char16_t MaximalKushuName[] = u"奥の細道_一";

// Peak and current resident memory of this process in bytes, from /proc/self/status.
struct Memory {
    qint64 PeakRss = 0;
    qint64 Rss = 0;
};
Memory ProcessMemory();
// Starts measuring the peak anew from the current resident memory (Linux clear_refs).
bool ResetPeakRss();

} // namespace yomiwa::bench
