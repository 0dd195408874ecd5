#include "JsonWriter.h"

#include <charconv>

namespace yomiwa::tool {

namespace {

char HexDigit(unsigned value) {
    return "0123456789abcdef"[value & 0xf];
}

// Appends the escaped UTF-8 of text; a lone surrogate becomes \uXXXX as QJsonDocument has it.
void AppendEscaped(QByteArray& out, QStringView text) {
    const qsizetype start = out.size();
    // At most six bytes for one UTF-16 unit (\u001f, or a lone surrogate).
    out.resize(start + text.size() * 6);
    char* to = out.data() + start;
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
    out.truncate(to - out.constData());
}

} // namespace

void JsonWriter::Indent() {
    m_out.append(4 * m_empty.size(), ' ');
}

void JsonWriter::BeginValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.isEmpty())
        return;
    if (!m_empty.last())
        m_out += ",\n";
    m_empty.last() = false;
    Indent();
}

void JsonWriter::Open(char bracket) {
    BeginValue();
    m_out += bracket;
    m_out += '\n';
    m_empty.append(true);
}

void JsonWriter::Close(char bracket) {
    const bool empty = m_empty.takeLast();
    if (!empty)
        m_out += '\n';
    Indent();
    m_out += bracket;
}

void JsonWriter::Key(QStringView key) {
    BeginValue();
    m_out += '"';
    for (QChar c : key)
        m_out += char(c.unicode());
    m_out += "\": ";
    m_afterKey = true;
}

void JsonWriter::String(QStringView text) {
    BeginValue();
    m_out += '"';
    AppendEscaped(m_out, text);
    m_out += '"';
}

void JsonWriter::Integer(qint64 value) {
    BeginValue();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_out += QByteArrayView(digits, end - digits);
}

QByteArray JsonWriter::Take() {
    m_out += '\n';
    return std::move(m_out);
}

} // namespace yomiwa::tool
