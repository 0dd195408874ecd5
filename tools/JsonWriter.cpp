// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/JsonWriter.h"

#include <charconv>
#include <cstring>

namespace yomiwa::tool {

namespace {

char HexDigit(unsigned value) {
    return "0123456789abcdef"[value & 0xf];
}

// Writes the escaped UTF-8 of text at `to` and returns the end; a lone surrogate becomes
// \uXXXX as QJsonDocument has it. At most six bytes for one UTF-16 unit.
char* WriteEscaped(char* to, QStringView text) {
    const char16_t* from = text.utf16();
    const char16_t* const end = from + text.size();
    while (from != end) {
        const char16_t u = *from++;
        if (u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\') {
            *to++ = char(u);
        } else if (u < 0x80) {
            *to++ = '\\';
            switch (u) {
            case u'"':
                *to++ = '"';
                break;
            case u'\\':
                *to++ = '\\';
                break;
            case 0x08:
                *to++ = 'b';
                break;
            case 0x0c:
                *to++ = 'f';
                break;
            case 0x0a:
                *to++ = 'n';
                break;
            case 0x0d:
                *to++ = 'r';
                break;
            case 0x09:
                *to++ = 't';
                break;
            default:
                *to++ = 'u';
                *to++ = '0';
                *to++ = '0';
                *to++ = HexDigit(u >> 4);
                *to++ = HexDigit(u);
            }
        } else if (u < 0x800) {
            *to++ = char(0xc0 | (u >> 6));
            *to++ = char(0x80 | (u & 0x3f));
        } else if (u < 0xd800 || u > 0xdfff) {
            *to++ = char(0xe0 | (u >> 12));
            *to++ = char(0x80 | ((u >> 6) & 0x3f));
            *to++ = char(0x80 | (u & 0x3f));
        } else if (u < 0xdc00 && from != end && *from >= 0xdc00 && *from <= 0xdfff) {
            const char32_t c = 0x10000 + ((char32_t(u) - 0xd800) << 10) + (*from++ - 0xdc00);
            *to++ = char(0xf0 | (c >> 18));
            *to++ = char(0x80 | ((c >> 12) & 0x3f));
            *to++ = char(0x80 | ((c >> 6) & 0x3f));
            *to++ = char(0x80 | (c & 0x3f));
        } else {
            *to++ = '\\';
            *to++ = 'u';
            *to++ = HexDigit(u >> 12);
            *to++ = HexDigit(u >> 8);
            *to++ = HexDigit(u >> 4);
            *to++ = HexDigit(u);
        }
    }
    return to;
}

} // namespace

void JsonWriter::Grow(qsizetype count) {
    m_out.resize(qMax(m_out.size() * 2, m_used + count));
}

void JsonWriter::Put(QByteArrayView bytes) {
    std::memcpy(Room(bytes.size()), bytes.data(), std::size_t(bytes.size()));
    m_used += bytes.size();
}

void JsonWriter::Indent() {
    const qsizetype count = 4 * m_empty.size();
    std::memset(Room(count), ' ', std::size_t(count));
    m_used += count;
}

void JsonWriter::BeginValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.isEmpty())
        return;
    if (!m_empty.back())
        Put(",\n");
    m_empty.back() = false;
    Indent();
}

void JsonWriter::Open(char bracket) {
    BeginValue();
    const char opening[] = {bracket, '\n'};
    Put(QByteArrayView(opening, 2));
    m_empty.append(true);
}

void JsonWriter::Close(char bracket) {
    const bool empty = m_empty.back();
    m_empty.removeLast();
    if (!empty)
        Put("\n");
    Indent();
    Put(QByteArrayView(&bracket, 1));
}

void JsonWriter::Key(QStringView key) {
    BeginValue();
    char* to = Room(key.size() + 4);
    *to++ = '"';
    for (QChar c : key)
        *to++ = char(c.unicode());
    *to++ = '"';
    *to++ = ':';
    *to++ = ' ';
    Wrote(to);
    m_afterKey = true;
}

void JsonWriter::String(QStringView text) {
    BeginValue();
    char* to = Room(text.size() * 6 + 2);
    *to++ = '"';
    to = WriteEscaped(to, text);
    *to++ = '"';
    Wrote(to);
}

void JsonWriter::Integer(qint64 value) {
    BeginValue();
    char* to = Room(20);
    Wrote(std::to_chars(to, to + 20, value).ptr);
}

void JsonWriter::Integers(std::span<const qint32> values) {
    if (values.empty()) {
        BeginArray();
        EndArray();
        return;
    }
    BeginValue();
    // "[", then each value on a line of its own one level in, then "]" back at this level.
    const qsizetype indent = 4 * m_empty.size();
    char* to = Room(2 + qsizetype(values.size()) * (indent + 4 + 13) + indent + 1);
    *to++ = '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        *to++ = i == 0 ? '\n' : ',';
        if (i > 0)
            *to++ = '\n';
        std::memset(to, ' ', std::size_t(indent + 4));
        to += indent + 4;
        to = std::to_chars(to, to + 11, values[i]).ptr;
    }
    *to++ = '\n';
    std::memset(to, ' ', std::size_t(indent));
    to += indent;
    *to++ = ']';
    Wrote(to);
}

QByteArray JsonWriter::Take() {
    Put("\n");
    m_out.truncate(m_used);
    return std::move(m_out);
}

} // namespace yomiwa::tool
