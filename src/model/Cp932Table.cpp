// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Cp932Table.h"

#include <QList>
#include <QStringDecoder>

namespace yomiwa::cp932 {

namespace {

// The same table as cp932::Codec's, asked directly: the codec refuses a whole text with an
// error, and the table needs the characters around the errors.
constexpr const char* CodecName = "windows-31j";

// The codes, each alone on its line: a line feed is never part of a double-byte code, so
// whatever the decoder makes of an unassigned code stays on that code's line.
QList<int> TableCodes() {
    QList<int> codes;
    for (int b = 0; b <= 0xFF; ++b) {
        if (!IsLeadByte(uchar(b)))
            codes.append(b);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (IsLeadByte(uchar(lead)) && IsTrailByte(uchar(trail)))
                codes.append((lead << 8) | trail);
        }
    }
    return codes;
}

QByteArray BytesOf(int code) {
    QByteArray bytes;
    if (code > 0xFF)
        bytes += char(code >> 8);
    bytes += char(code & 0xFF);
    return bytes;
}

bool DecodesAlone(int code) {
    QStringDecoder decoder(CodecName, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(BytesOf(code));
    return !decoder.hasError();
}

std::vector<char16_t> BuildTable() {
    std::vector<char16_t> table(0x10000, NoChar);
    const QList<int> codes = TableCodes();
    QByteArray bytes;
    for (int code : codes)
        bytes += BytesOf(code) + '\n';
    QStringDecoder decoder(CodecName, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    qsizetype start = 0;
    for (int code : codes) {
        const qsizetype end = text.indexOf(u'\n', start + (code == '\n' ? 1 : 0));
        if (end < 0)
            break;
        const QStringView one = QStringView(text).sliced(start, end - start);
        // The decoder puts U+FFFD for an unassigned pair, which no code stands for, and
        // U+001A for a byte that is no character, as it does for 0x7F: such a code is
        // asked of the decoder again, alone.
        if (one.size() == 1 && one[0] != QChar::ReplacementCharacter &&
            (one[0] != u'\x1a' || DecodesAlone(code)))
            table[std::size_t(code)] = one[0].unicode();
        start = end + 1;
    }
    return table;
}

} // namespace

const std::vector<char16_t>& CodeTable() {
    static const std::vector<char16_t> table = BuildTable();
    return table;
}

std::optional<QString> DecodeByTable(QByteArrayView bytes) {
    const char16_t* table = CodeTable().data();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* to = begin;
    const auto* from = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = from + bytes.size();
    while (from != end) {
        int code = *from++;
        if (IsLeadByte(uchar(code))) {
            if (from == end)
                return std::nullopt;
            code = (code << 8) | *from++;
        }
        const char16_t c = table[code];
        if (c == NoChar)
            return std::nullopt;
        *to++ = c;
    }
    text.truncate(to - begin);
    return text;
}

} // namespace yomiwa::cp932
