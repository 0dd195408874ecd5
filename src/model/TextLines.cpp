#include "TextLines.h"

#include <QList>

#include <algorithm>
#include <charconv>
#include <iterator>

namespace yomiwa {

std::optional<QStringView> LineReader::Next() {
    if (AtEnd())
        return std::nullopt;
    const qsizetype cr = IndexOfChar(m_text, QLatin1Char('\r'), m_pos);
    QStringView line;
    if (cr < 0) {
        line = m_text.sliced(m_pos);
        m_pos = m_text.size();
    } else {
        line = m_text.sliced(m_pos, cr - m_pos);
        m_pos = cr + 1;
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
    }
    ++m_line;
    return line;
}

QList<QStringView> SplitLines(QStringView text) {
    // Unlike reading a file, a text always has at least one line, and a break at its end
    // leaves an empty last line ("a\r\n" is "a" and "").
    QList<QStringView> lines;
    qsizetype pos = 0;
    while (true) {
        const qsizetype cr = text.indexOf(QLatin1Char('\r'), pos);
        if (cr < 0) {
            lines.append(text.sliced(pos));
            return lines;
        }
        lines.append(text.sliced(pos, cr - pos));
        pos = cr + 1;
        if (pos < text.size() && text[pos] == QLatin1Char('\n'))
            ++pos;
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

} // namespace yomiwa

#include "Cp932.h"
#include "Cp932Table.h"

namespace yomiwa {

QList<QByteArrayView> FirstByteLines(QByteArrayView bytes, int count, bool whole) {
    QList<QByteArrayView> lines;
    qsizetype pos = 0;
    while (lines.size() < count && pos < bytes.size()) {
        const qsizetype cr = bytes.indexOf('\r', pos);
        if (cr < 0) {
            if (whole)
                lines.append(bytes.sliced(pos));
            break;
        }
        lines.append(bytes.sliced(pos, cr - pos));
        pos = cr + 1;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
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
        qsizetype cr = bytes.indexOf('\r', pos);
        qsizetype next = bytes.size();
        if (cr < 0) {
            cr = bytes.size();
        } else {
            next = cr + 1;
            if (next < bytes.size() && bytes[next] == '\n')
                ++next;
        }
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
