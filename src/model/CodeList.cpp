// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CodeList.h"

#include "model/Cp932.h"
#include "model/Cp932Table.h"
#include "model/TextLines.h"

#include <QByteArray>

namespace yomiwa {

std::optional<QString> EncodeCodeList(QStringView text) {
    const cp932::Encoded encoded = cp932::Encode(text);
    if (!encoded.ok())
        return std::nullopt;
    QByteArray line;
    AppendCodeList(line, encoded.Bytes);
    return QString::fromLatin1(line);
}

void AppendCodeList(QByteArray& out, QByteArrayView bytes) {
    // An item takes at most 7 characters ("-32695,") for at least one byte.
    const qsizetype start = out.size();
    out.resize(start + bytes.size() * 7);
    char* to = out.data() + start;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        int code = b;
        if (cp932::IsLeadByte(b) && i + 1 < bytes.size()) {
            // A double-byte code read as a signed 16-bit number is always negative.
            code = ((int(b) << 8) | uchar(bytes[++i])) - 0x10000;
        }
        to = WriteDecimal(to, code + CodeOffset);
        *to++ = ',';
    }
    out.truncate(to - out.constData());
}

std::optional<QString> DecodeCodeList(QStringView line) {
    const std::vector<char16_t>& table = cp932::CodeTable();
    QString text;
    // Every item takes at least two characters ("5,") and gives one character.
    text.reserve(line.size() / 2);
    qsizetype start = 0;
    while (true) {
        const qsizetype comma = IndexOfChar(line, QLatin1Char(','), start);
        if (comma <= start)
            break; // no further comma, or an empty item: the rest is ignored
        const std::optional<qint64> item = ParseDecimal(line.sliced(start, comma - start));
        // A number far from every code is no character; taking the offset off it could
        // overflow.
        if (!item || *item < -0x10000 || *item > 0x10000)
            return std::nullopt;
        const qint64 v = *item - CodeOffset;
        // A single byte, or a double-byte code read as a signed 16-bit number.
        int code = -1;
        if (v >= 0 && v <= 0xFF && !cp932::IsLeadByte(uchar(v)))
            code = int(v);
        else if (v >= -0x8000 && v < 0)
            code = int(v + 0x10000);
        if (code < 0 || (code > 0xFF && (!cp932::IsLeadByte(uchar(code >> 8)) ||
                                         !cp932::IsTrailByte(uchar(code & 0xFF)))))
            return std::nullopt;
        const char16_t c = table[std::size_t(code)];
        if (c == cp932::NoChar)
            return std::nullopt;
        text += QChar(c);
        start = comma + 1;
    }
    return text;
}

} // namespace yomiwa
