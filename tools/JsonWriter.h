// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>
#include <QVarLengthArray>

#include <span>

namespace yomiwa::tool {

// Writes JSON straight into bytes, laid out exactly as QJsonDocument::toJson(Indented) lays it
// out: four spaces a level, "key": value, strings in UTF-8 with the same escapes. A dump of a
// full collection is millions of values; building a QJsonDocument first costs several times
// the decoding of the file. QJsonObject sorts its keys, so callers give keys in that order.
class JsonWriter {
public:
    explicit JsonWriter(qsizetype estimate = 0)
        : m_out(qMax(estimate, qsizetype(64)), Qt::Uninitialized) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next value in the open object; ASCII without escapes.
    void Key(QStringView key);
    void String(QStringView text);
    void Integer(qint64 value);
    // An array of integers, as BeginArray, Integer for each and EndArray write it.
    void Integers(std::span<const qint32> values);

    // The text, ending in a line break like QJsonDocument's.
    QByteArray Take();

private:
    // Room for `count` more bytes, where the next bytes go; Wrote() says how far they went.
    char* Room(qsizetype count) {
        if (m_used + count > m_out.size())
            Grow(count);
        return m_out.data() + m_used;
    }
    void Grow(qsizetype count);
    void Wrote(const char* end) { m_used = end - m_out.constData(); }
    void Put(QByteArrayView bytes);
    void Open(char bracket);
    void Close(char bracket);
    // Starts a value: the separator and indentation an array element needs.
    void BeginValue();
    void Indent();

    QByteArray m_out; // its size is the room made; the first m_used bytes are written
    qsizetype m_used = 0;
    QVarLengthArray<bool, 8> m_empty; // per open level: nothing written in it yet
    bool m_afterKey = false;
};

} // namespace yomiwa::tool
