// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RubyText.h"

namespace yomiwa {

namespace {

constexpr QChar BaseStart = u'｜';
constexpr QChar ReadingOpen = u'《';
constexpr QChar ReadingClose = u'》';

bool IsKana(QChar c) {
    return (c >= u'\u3041' && c <= u'\u3096') || (c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー';
}

// Where the run of kanji that ends at `end` begins, going back no further than `from`.
qsizetype KanjiRunStart(const QString& text, qsizetype from, qsizetype end) {
    qsizetype begin = end;
    while (begin > from) {
        const bool pair = begin - 2 >= from && text[begin - 1].isLowSurrogate() &&
                          text[begin - 2].isHighSurrogate();
        const char32_t u = pair ? QChar::surrogateToUcs4(text[begin - 2], text[begin - 1])
                                : text[begin - 1].unicode();
        if (!IsKanji(u))
            break;
        begin -= pair ? 2 : 1;
    }
    return begin;
}

// The position of the 》 that closes a well-formed reading after a 《 at `open`; -1 when
// there is none. Only the kana right after the 《 are looked at, so no character is looked
// at twice however many 《 there are.
qsizetype ReadingEnd(const QString& text, qsizetype open) {
    qsizetype close = open + 1;
    while (close < text.size() && IsKana(text[close]))
        ++close;
    return close > open + 1 && close < text.size() && text[close] == ReadingClose ? close : -1;
}

// The 《 that ends the base after a ｜ at `start`: the first 《 before any other ｜ or 》;
// -1 when there is none. The search stops at the next ｜, so it covers each character once.
qsizetype BaseEnd(const QString& text, qsizetype start) {
    for (qsizetype i = start + 1; i < text.size(); ++i) {
        if (text[i] == ReadingOpen)
            return i;
        if (text[i] == BaseStart || text[i] == ReadingClose)
            return -1;
    }
    return -1;
}

} // namespace

bool IsKanji(char32_t u) {
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) ||
           (u >= 0xF900 && u <= 0xFAFF) || (u >= 0x20000 && u <= 0x3FFFF) || u == 0x3005 ||
           u == 0x3006 || u == 0x3007 || u == 0x30F6;
}

RubyText ParseRuby(const QString& text) {
    RubyText result;
    result.base.reserve(text.size());
    // Where the bases of the current run of kanji may begin: after the last reading.
    qsizetype free = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == BaseStart) {
            const qsizetype open = BaseEnd(text, i);
            const qsizetype close = open > i + 1 ? ReadingEnd(text, open) : -1;
            if (close > 0) {
                const qsizetype begin = result.base.size();
                result.base += QStringView(text).sliced(i + 1, open - i - 1);
                result.rubies.append(
                    {begin, result.base.size(), text.sliced(open + 1, close - open - 1)});
                free = result.base.size();
                i = close + 1;
                continue;
            }
        } else if (c == ReadingOpen) {
            const qsizetype begin = KanjiRunStart(result.base, free, result.base.size());
            const qsizetype close = ReadingEnd(text, i);
            if (begin < result.base.size() && close > 0) {
                result.rubies.append(
                    {begin, result.base.size(), text.sliced(i + 1, close - i - 1)});
                free = result.base.size();
                i = close + 1;
                continue;
            }
        }
        result.base += c;
        ++i;
    }
    return result;
}

QString SpokenText(const QString& text) {
    const RubyText ruby = ParseRuby(text);
    QString spoken;
    qsizetype from = 0;
    for (const RubyText::Ruby& r : ruby.rubies) {
        spoken += QStringView(ruby.base).sliced(from, r.end - from);
        spoken += QChar(u'（') + r.reading + QChar(u'）');
        from = r.end;
    }
    return spoken += QStringView(ruby.base).sliced(from);
}

} // namespace yomiwa
