// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <charconv>
#include <optional>

namespace yomiwa {

// Reads a text line by line as the files are read: a line ends at CR LF or at a lone CR;
// a lone LF is an ordinary character of the line. A last line without an ending counts.
class LineReader {
public:
    explicit LineReader(QStringView text)
        : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    std::optional<QStringView> Next();
    // 1-based number of the line Next() returned last.
    int LineNumber() const { return m_line; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    int m_line = 0;
};

// The lines a multi-line text occupies in a file, split by the same rule.
QList<QStringView> SplitLines(QStringView text);

// The text with its lines broken at LF, as a message box and a console show them: the
// program's messages break their lines at a lone CR or at CR LF, as the files do.
QString WithLineFeeds(QString text);

// True when the text holds a CR or an LF: a one-line field refuses either, since text pasted
// on this platform breaks its lines with LF (or CR LF) where the original's had CR LF.
bool HasLineBreak(QStringView text);

// 12 -> "１２": line numbers in messages are written in full-width digits.
QString FullWidthNumber(qint64 n);

// Writes n in decimal at `to`, as QString::number writes it, and returns the end: at most
// 20 characters. A collection file holds hundreds of thousands of numbers.
char* WriteDecimal(char* to, qint64 n);

// A decimal integer: an optional minus sign and at least one digit, nothing else. Inline:
// a collection file holds a million of them.
inline std::optional<qint64> ParseDecimal(QStringView text) {
    const bool negative = text.startsWith(u'-');
    QStringView digits = negative ? text.sliced(1) : text;
    // Leading zeros change nothing, however many there are.
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.sliced(1);
    // Longer than any qint64; a non-ASCII character becomes one from_chars refuses.
    if (digits.size() > 20)
        return std::nullopt;
    char ascii[24];
    char* end = ascii;
    if (negative)
        *end++ = '-';
    for (QChar c : digits)
        *end++ = c.unicode() < 0x80 ? char(c.unicode()) : 'x';
    qint64 value = 0;
    const auto [stop, error] = std::from_chars(ascii, end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// The index of the first c in text from `from` on, or -1. QStringView::indexOf takes the
// general substring search even for one character, which costs more than the short lines
// of a file.
qsizetype IndexOfChar(QStringView text, QChar c, qsizetype from);

} // namespace yomiwa

namespace yomiwa {

// A whole file decoded from Shift-JIS. When some line is not Shift-JIS, Text holds the
// lines before it and BadLine its 1-based number, so that a reader meets the fault exactly
// where it would have read that line (and not at all when it stops before it).
struct DecodedText {
    QString Text;
    int BadLine = 0;
};
DecodedText DecodeFileText(QByteArrayView bytes);

// The first `count` lines of raw file bytes, split by the same rule. When the bytes are
// only the start of the file (`whole` false), a last piece without an ending is not a line.
QList<QByteArrayView> FirstByteLines(QByteArrayView bytes, int count, bool whole);

// The index of the first line of a multi-line text, from line `from` on, that equals
// `line`; -1 when there is none.
int FirstLineEqualTo(QStringView text, QStringView line, int from);

} // namespace yomiwa
