// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>

#include <optional>

namespace yomiwa::cp932 {

// Shift-JIS as the original platform defines it (Microsoft's code page 932: NEC and IBM
// extensions, 0x8160 <-> U+FF5E). Every collection and comments file is in it.

inline bool IsLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
inline bool IsTrailByte(uchar b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

struct Encoded {
    QByteArray Bytes;
    // Index of the first character without a code of its own (one that would read back as
    // another character counts as without), or -1.
    qsizetype BadIndex = -1;

    bool ok() const { return BadIndex < 0; }
};

// The converters of one file operation. Opening a converter looks the code page up by
// name, which costs far more than converting one line, and a file has thousands of lines:
// a reader or writer keeps one Codec for the whole file.
class Codec {
public:
    // nullopt when the bytes hold a sequence that is not a character of the code page
    // (a stray lead byte, an unassigned code).
    std::optional<QString> Decode(QByteArrayView bytes);
    Encoded Encode(QStringView text);

private:
    // True when the bytes decode to exactly the text.
    bool ReadsBack(QByteArrayView bytes, QStringView text);

    std::optional<QStringDecoder> m_decoder;
    std::optional<QStringEncoder> m_encoder;
    QString m_readBack;
};

// One conversion with converters of its own.
std::optional<QString> Decode(QByteArrayView bytes);
Encoded Encode(QStringView text);

// The character at index (a surrogate pair counts as one) for a message: 「X」(U+XXXX).
QString DescribeChar(QStringView text, qsizetype index);

// Where the characters without a code of their own are, each once (a surrogate pair at its
// first half), in order. Quick enough for every keystroke: each character is judged once
// per thread and remembered.
QList<qsizetype> UnstorableChars(QStringView text);
// The characters at those places, each different one once, joined by "、".
QString DescribeChars(QStringView text, const QList<qsizetype>& indexes);

} // namespace yomiwa::cp932
