#include "RubyText.h"

namespace yomiwa {

namespace {

constexpr QChar BaseStart = u'｜';
constexpr QChar ReadingOpen = u'《';
constexpr QChar ReadingClose = u'》';

bool IsKana(QChar c) {
    return (c >= u'\u3041' && c <= u'\u3096') || (c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー';
}

// Ideographs, with the iteration marks and the small ke that e-text counts as kanji.
bool IsKanji(char32_t u) {
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) ||
           (u >= 0xF900 && u <= 0xFAFF) || (u >= 0x20000 && u <= 0x3FFFF) || u == 0x3005 ||
           u == 0x3006 || u == 0x3007 || u == 0x30F6;
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

// The reading that starts after a 《 at `open`, and the position of its 》; -1 when there is
// no well-formed reading there.
qsizetype ReadingEnd(const QString& text, qsizetype open) {
    const qsizetype close = text.indexOf(ReadingClose, open + 1);
    if (close <= open + 1)
        return -1;
    for (qsizetype i = open + 1; i < close; ++i)
        if (!IsKana(text[i]))
            return -1;
    return close;
}

} // namespace

RubyText ParseRuby(const QString& text) {
    RubyText result;
    result.base.reserve(text.size());
    // Where the bases of the current run of kanji may begin: after the last reading.
    qsizetype free = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == BaseStart) {
            const qsizetype open = text.indexOf(ReadingOpen, i + 1);
            const qsizetype close = open > i + 1 ? ReadingEnd(text, open) : -1;
            const QStringView base =
                QStringView(text).sliced(i + 1, std::max<qsizetype>(open - i - 1, 0));
            if (close > 0 && !base.contains(BaseStart) && !base.contains(ReadingClose)) {
                const qsizetype begin = result.base.size();
                result.base += base;
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

} // namespace yomiwa
