// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace yomiwa {

// A text with its reading marks taken out: the characters that are set in the column (the
// bases and everything around them), and the reading of each marked base. The notation is
// the one of Japanese e-text: a run of kanji followed by 《reading》, or ｜base《reading》
// where the base is not a kanji run.
struct RubyText {
    struct Ruby {
        qsizetype begin = 0; // the base, as UTF-16 positions in `base`
        qsizetype end = 0;
        QString reading;
    };
    QString base;
    QList<Ruby> rubies;
};

// Reads the marks of a field's own text, before ー becomes ｜ for the column: a typed ｜
// starts a base, a ー never does. A 《 without its 》, an empty reading, or a reading with
// anything but kana and ー is no mark: those characters stay in the text as typed.
RubyText ParseRuby(const QString& text);

// The text as a reader hears it: each base followed by its reading in full-width
// parentheses, without the notation ("蜩（ひぐらし）の鳴く").
QString SpokenText(const QString& text);

// Ideographs, with the iteration marks and the small ke that e-text counts as kanji.
bool IsKanji(char32_t u);

} // namespace yomiwa
