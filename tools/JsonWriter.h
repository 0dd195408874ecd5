#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>

namespace yomiwa::tool {

// Writes JSON straight into bytes, laid out exactly as QJsonDocument::toJson(Indented) lays it
// out: four spaces a level, "key": value, strings in UTF-8 with the same escapes. A dump of a
// full collection is millions of values; building a QJsonDocument first costs several times
// the decoding of the file. QJsonObject sorts its keys, so callers give keys in that order.
class JsonWriter {
public:
    explicit JsonWriter(qsizetype estimate = 0) { m_out.reserve(estimate); }

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next value in the open object; ASCII without escapes.
    void Key(QStringView key);
    void String(QStringView text);
    void Integer(qint64 value);

    // The text, ending in a line break like QJsonDocument's.
    QByteArray Take();

private:
    void Open(char bracket);
    void Close(char bracket);
    // Starts a value: the separator and indentation an array element needs.
    void BeginValue();
    void Indent();

    QByteArray m_out;
    QList<bool> m_empty; // per open level: nothing written in it yet
    bool m_afterKey = false;
};

} // namespace yomiwa::tool
