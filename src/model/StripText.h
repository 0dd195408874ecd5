// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace yomiwa {

// The text of a strip column: every "ー" (U+30FC) becomes "｜" (U+FF5C), so that the long
// vowel mark stands upright in a column read from top to bottom. Nothing else changes.
QString ToStripText(const QString& text);

} // namespace yomiwa
