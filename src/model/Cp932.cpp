// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Cp932.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace yomiwa::cp932 {

using namespace Qt::Literals::StringLiterals;

namespace {
// ICU's name for Microsoft's table. The decoder must be stateless: a stateful one keeps a
// truncated lead byte for the next call instead of reporting it.
constexpr const char* CodecName = "windows-31j";

// A converter's error flag never clears, so one that has failed is replaced; a stateless
// one needs no other reset between texts.
template <typename Converter> Converter& Reused(std::optional<Converter>& converter) {
    if (!converter || converter->hasError())
        converter.emplace(CodecName, QStringConverter::Flag::Stateless);
    else
        converter->resetState();
    return *converter;
}

qsizetype CharLength(QStringView text, qsizetype index) {
    if (index + 1 < text.size() && text[index].isHighSurrogate() &&
        text[index + 1].isLowSurrogate())
        return 2;
    return 1;
}
} // namespace

std::optional<QString> Codec::Decode(QByteArrayView bytes) {
    QStringDecoder& decoder = Reused(m_decoder);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool Codec::ReadsBack(QByteArrayView bytes, QStringView text) {
    // Decoded into one buffer kept for the whole file: a file has thousands of lines.
    QStringDecoder& decoder = Reused(m_decoder);
    const qsizetype room = decoder.requiredSpace(bytes.size());
    if (m_readBack.size() < room)
        m_readBack.resize(room);
    const QChar* end = decoder.appendToBuffer(m_readBack.data(), bytes);
    return !decoder.hasError() &&
           QStringView(m_readBack.constData(), end - m_readBack.constData()) == text;
}

Encoded Codec::Encode(QStringView text) {
    Encoded result;
    {
        QStringEncoder& encoder = Reused(m_encoder);
        result.Bytes = encoder.encode(text);
        // A character the code page only approximates (U+F86F becomes the code of "№")
        // would change silently: what is written must read back as it was.
        if (!encoder.hasError() && ReadsBack(result.Bytes, text))
            return result;
    }
    // The encoder only says that something failed; find the first character that did. A
    // fresh encoder per character because the error flag of one never clears.
    result.Bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = CharLength(text, i);
        QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
        QByteArray one = encoder.encode(text.sliced(i, len));
        if (encoder.hasError() || text[i].isSurrogate() || !ReadsBack(one, text.sliced(i, len))) {
            result.BadIndex = i;
            return result;
        }
        result.Bytes += one;
        i += len;
    }
    return result;
}

std::optional<QString> Decode(QByteArrayView bytes) {
    return Codec().Decode(bytes);
}

Encoded Encode(QStringView text) {
    return Codec().Encode(text);
}

QList<qsizetype> UnstorableChars(QStringView text) {
    thread_local QHash<char32_t, bool> storable;
    thread_local Codec codec;
    QList<qsizetype> found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = CharLength(text, i);
        if (text[i].unicode() >= 0x80) {
            // A lone surrogate has no code; it is judged by its own value, never stored.
            const char32_t code =
                len == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            auto known = storable.constFind(code);
            if (known == storable.constEnd())
                known = storable.insert(code, !text[i].isSurrogate() || len == 2
                                                  ? codec.Encode(text.sliced(i, len)).ok()
                                                  : false);
            if (!*known)
                found.append(i);
        }
        i += len;
    }
    return found;
}

QString DescribeChars(QStringView text, const QList<qsizetype>& indexes) {
    QStringList names;
    for (const qsizetype index : indexes) {
        const QString name = DescribeChar(text, index);
        if (!names.contains(name))
            names.append(name);
    }
    return names.join(u"、"_s);
}

QString DescribeChar(QStringView text, qsizetype index) {
    const qsizetype len = CharLength(text, index);
    const char32_t code = len == 2 ? QChar::surrogateToUcs4(text[index], text[index + 1])
                                   : char32_t(text[index].unicode());
    const QString hex = QString::number(quint32(code), 16).toUpper().rightJustified(4, u'0');
    const QChar first = text[index];
    const bool printable = len == 2 || (!first.isSurrogate() && first.isPrint());
    if (!printable)
        return u"U+%1"_s.arg(hex);
    return u"「%1」(U+%2)"_s.arg(text.sliced(index, len).toString(), hex);
}

} // namespace yomiwa::cp932
