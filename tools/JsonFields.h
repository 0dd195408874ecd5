// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Result.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace yomiwa::tool {

// The fault of a JSON text that is not one object, whatever it was to hold.
QString NotAnObjectMessage();

// A text of several lines with the line breaks the files have: a lone CR ends a line there,
// so it becomes CR LF, and the file reads back as it was given.
QString WithFileLineBreaks(const QString& text);

// Reads the fields of one JSON object, keeping the first fault as a message that names the
// place ("entries[3].verse").
class JsonFields {
public:
    JsonFields(const QJsonObject& object, const QString& place)
        : m_object(object)
        , m_place(place) {}

    // Refuses any key not in `known`: a misspelt key would otherwise be dropped silently.
    bool OnlyKnown(const QStringList& known);
    std::optional<QString> Text(const QString& key, bool required = true);
    std::optional<QJsonArray> Array(const QString& key);
    std::optional<QList<qint32>> Integers(const QString& key, int count);

    QString Place(const QString& key) const;
    bool Fail(const QString& message);
    // The first fault, once a method has returned false or nothing.
    template <typename T> Result<T> Fault() const {
        return Result<T>::Failure(ErrorKind::BadContent, m_fault.value_or(QString()));
    }

private:
    // The value at `key` when it is of the kind `is` tests ("文字列", "配列" in the message).
    std::optional<QJsonValue> Value(const QString& key, bool (QJsonValue::*is)() const,
                                    const QString& kind);

    const QJsonObject& m_object;
    QString m_place;
    std::optional<QString> m_fault;
};

} // namespace yomiwa::tool
