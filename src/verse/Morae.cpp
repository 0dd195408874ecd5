// SPDX-License-Identifier: GPL-3.0-or-later
#include "verse/Morae.h"

#include <QStringList>

#include <string_view>

namespace yomiwa::verse {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Form = 17;

// Kana that add no beat of their own: the small ones that colour the beat before them, the
// voiced marks standing alone, the middle dot; and the small katakana ㇰ to ㇿ.
bool IsSilent(char32_t c) {
    constexpr std::u16string_view Silent =
        u"ぁぃぅぇぉゃゅょゎァィゥェォャュョヮｧｨｩｪｫｬｭｮ\u3099\u309A゛゜ﾞﾟ・";
    return (c < 0x10000 && Silent.find(char16_t(c)) != Silent.npos) || (c >= 0x31F0 && c <= 0x31FF);
}

bool IsKana(char32_t c) {
    return (c >= 0x3041 && c <= 0x309F) || (c >= 0x30A1 && c <= 0x30FF) ||
           (c >= 0x31F0 && c <= 0x31FF) || (c >= 0xFF66 && c <= 0xFF9F);
}

int KanaMorae(char32_t c) {
    if (c == U'ゟ' || c == U'ヿ') // より, コト
        return 2;
    return IsSilent(c) ? 0 : 1;
}

int CharMorae(char32_t c) {
    if (IsKana(c))
        return KanaMorae(c);
    return QChar::isLetterOrNumber(c) ? 1 : 0;
}

} // namespace

int TextMorae(QStringView text) {
    int morae = 0;
    for (char32_t c : text.toUcs4())
        morae += CharMorae(c);
    return morae;
}

int Metre::Total() const {
    return Phrases[0].Morae + Phrases[1].Morae + Phrases[2].Morae;
}

QString MetreLabel(const Metre& metre) {
    QStringList counts;
    for (const Phrase& phrase : metre.Phrases)
        counts.append(QString::number(phrase.Morae));
    const int total = metre.Total();
    const QString note = total > Form   ? u"（字余り）"_s
                         : total < Form ? u"（字足らず）"_s
                                        : QString();
    return counts.join(u'・') + note;
}

QString NoDictionaryMessage() {
    return u"読みの辞書（MeCab）が見つからないため、拍を数えられません。"_s;
}

} // namespace yomiwa::verse
