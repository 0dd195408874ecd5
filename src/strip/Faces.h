// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace yomiwa::strip {

// The faces the windows are laid out for, and the stand-ins this system has for them:
// Mincho-style and Gothic-style faces from the IPA fonts. The strip's Mincho is chosen once
// for every path, screen and paper alike, so that both have the same metrics and line breaks:
// Noto Serif CJK JP where its real bold weight is installed (the verse is bold), else IPA
// Mincho, whose bold is made by thickening. The windows' own controls keep IPA Mincho, whose
// lines fit the heights their layout gives them (Noto's lines are taller).
enum class Face {
    Mincho,      // "ＭＳ 明朝"
    StripMincho, // the verse on the strip
    Gothic,      // "ＭＳ ゴシック"
    PGothic,     // "ＭＳ Ｐゴシック" (proportional)
};

QFont MakeFont(Face face, qreal points, bool bold = false);

} // namespace yomiwa::strip
