// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace yomiwa::verse {

// The morae of a text read as written, character by character. Kana count as poets count
// them: each is one, っ, ー and ん too; the small kana that only colour the beat before them
// are none: ゃゅょ, ぁぃぅぇぉ, ゎ, their katakana and half-width forms, and the small
// katakana ㇰ to ㇿ. The small ヵ ヶ ゕ ゖ, read か or け, are one each; ゟ (より) and ヿ
// (コト) two; voiced marks standing alone and the middle dot none. Any other letter or digit
// (Latin, full-width, a kanji read by nothing) is one; punctuation, spaces and symbols none.
int TextMorae(QStringView text);

// One of the three phrases of a verse: its text with the reading marks taken out, and its
// morae.
struct Phrase {
    QString Text;
    int Morae = 0;
    bool operator==(const Phrase&) const = default;
};

// A verse counted as its three phrases.
struct Metre {
    std::array<Phrase, 3> Phrases;
    int Total() const;
    bool operator==(const Metre&) const = default;
};

// "5・7・5"; with "（字余り）" after it above 17 morae in all, "（字足らず）" below.
QString MetreLabel(const Metre& metre);

// The one line shown in place of a count when no dictionary can be loaded.
QString NoDictionaryMessage();

} // namespace yomiwa::verse
