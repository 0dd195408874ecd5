// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TextLines.h"
#include "model/Cp932.h"
#include "model/Cp932Table.h"

#include <QList>

#include <algorithm>
#include <charconv>
#include <iterator>

namespace yomiwa {

namespace {

// The one rule for where a line ends, in text and in raw file bytes alike: at CR LF or at a
// lone CR. For the line starting at `pos`: where it ends (the CR, or the end of the whole)
// and where the next one starts.
struct LineEnd {
    qsizetype End;
    qsizetype Next;
};

qsizetype IndexOfCr(QStringView text, qsizetype from) {
    return IndexOfChar(text, QLatin1Char('\r'), from);
}

qsizetype IndexOfCr(QByteArrayView bytes, qsizetype from) {
    return bytes.indexOf('\r', from);
}

template <typename View> LineEnd EndOfLine(View text, qsizetype pos) {
    const qsizetype cr = IndexOfCr(text, pos);
    if (cr < 0)
        return {text.size(), text.size()};
    qsizetype next = cr + 1;
    if (next < text.size() && text[next] == u'\n')
        ++next;
    return {cr, next};
}

} // namespace

std::optional<QStringView> LineReader::Next() {
    if (AtEnd())
        return std::nullopt;
    const LineEnd end = EndOfLine(m_text, m_pos);
    const QStringView line = m_text.sliced(m_pos, end.End - m_pos);
    m_pos = end.Next;
    ++m_line;
    return line;
}

QList<QStringView> SplitLines(QStringView text) {
    // Unlike reading a file, a text always has at least one line, and a break at its end
    // leaves an empty last line ("a\r\n" is "a" and "").
    QList<QStringView> lines;
    qsizetype pos = 0;
    while (true) {
        const LineEnd end = EndOfLine(text, pos);
        lines.append(text.sliced(pos, end.End - pos));
        if (end.End == text.size())
            return lines;
        pos = end.Next;
    }
}

char* WriteDecimal(char* to, qint64 n) {
    return std::to_chars(to, to + 20, n).ptr;
}

qsizetype IndexOfChar(QStringView text, QChar c, qsizetype from) {
    const QChar* begin = text.data();
    const QChar* end = begin + text.size();
    const QChar* found = std::find(begin + qMin(from, text.size()), end, c);
    return found == end ? -1 : found - begin;
}

QString WithLineFeeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

bool HasLineBreak(QStringView text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

QString FullWidthNumber(qint64 n) {
    QString digits = QString::number(n);
    for (QChar& c : digits) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(char16_t(c.unicode() - u'0' + u'０'));
        else if (c == QLatin1Char('-'))
            c = QChar(u'－');
    }
    return digits;
}

QList<QByteArrayView> FirstByteLines(QByteArrayView bytes, int count, bool whole) {
    QList<QByteArrayView> lines;
    qsizetype pos = 0;
    while (lines.size() < count && pos < bytes.size()) {
        const LineEnd end = EndOfLine(bytes, pos);
        if (end.End == bytes.size() && !whole)
            break;
        lines.append(bytes.sliced(pos, end.End - pos));
        pos = end.Next;
    }
    return lines;
}

DecodedText DecodeFileText(QByteArrayView bytes) {
    DecodedText result;
    if (std::optional<QString> text = cp932::DecodeByTable(bytes)) {
        result.Text = std::move(*text);
        return result;
    }
    // CR and LF are never part of a double-byte character, so the file splits into lines
    // before decoding just as after it, and some line fails as the whole did: the last
    // line, when none before it does.
    qsizetype pos = 0;
    int line = 1;
    while (true) {
        const auto [cr, next] = EndOfLine(bytes, pos);
        if (next >= bytes.size() || !cp932::Decode(bytes.sliced(pos, cr - pos))) {
            result.Text = cp932::Decode(bytes.first(pos)).value_or(QString());
            result.BadLine = line;
            return result;
        }
        pos = next;
        ++line;
    }
}

int FirstLineEqualTo(QStringView text, QStringView line, int from) {
    if (!text.contains(line))
        return -1;
    const QList<QStringView> lines = SplitLines(text);
    for (int i = from; i < lines.size(); ++i) {
        if (lines[i] == line)
            return i;
    }
    return -1;
}

} // namespace yomiwa
