// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/JsonFields.h"

#include <cmath>
#include <limits>

namespace yomiwa::tool {

using namespace Qt::Literals::StringLiterals;

QString NotAnObjectMessage() {
    return u"JSON の一番外側はオブジェクト { ... } でなければなりません。"_s;
}

QString WithFileLineBreaks(const QString& text) {
    if (!text.contains(u'\r'))
        return text;
    QString lines;
    lines.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        lines += text[i];
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            lines += u'\n';
    }
    return lines;
}

QString JsonFields::Place(const QString& key) const {
    return m_place.isEmpty() ? key : m_place + u"."_s + key;
}

bool JsonFields::Fail(const QString& message) {
    if (!m_fault)
        m_fault = message;
    return false;
}

bool JsonFields::OnlyKnown(const QStringList& known) {
    for (auto it = m_object.begin(); it != m_object.end(); ++it) {
        if (!known.contains(it.key())) {
            return Fail(u"「%1」は使えない項目です（使える項目：%2）。"_s.arg(Place(it.key()),
                                                                              known.join(u", "_s)));
        }
    }
    return true;
}

std::optional<QJsonValue> JsonFields::Value(const QString& key, bool (QJsonValue::*is)() const,
                                            const QString& kind) {
    const auto it = m_object.find(key);
    if (it == m_object.end()) {
        Fail(u"「%1」がありません。"_s.arg(Place(key)));
        return std::nullopt;
    }
    const QJsonValue value = *it;
    if (!(value.*is)()) {
        Fail(u"「%1」は%2でなければなりません。"_s.arg(Place(key), kind));
        return std::nullopt;
    }
    return value;
}

std::optional<QString> JsonFields::Text(const QString& key, bool required) {
    if (!required && !m_object.contains(key))
        return QString();
    const std::optional<QJsonValue> value = Value(key, &QJsonValue::isString, u"文字列"_s);
    return value ? std::optional(value->toString()) : std::nullopt;
}

std::optional<QJsonArray> JsonFields::Array(const QString& key) {
    const std::optional<QJsonValue> value = Value(key, &QJsonValue::isArray, u"配列"_s);
    return value ? std::optional(value->toArray()) : std::nullopt;
}

std::optional<QList<qint32>> JsonFields::Integers(const QString& key, int count) {
    const std::optional<QJsonArray> array = Array(key);
    if (!array)
        return std::nullopt;
    if (array->size() != count) {
        Fail(u"「%1」は%2個の整数の配列でなければなりません（%3個あります）。"_s.arg(
            Place(key), QString::number(count), QString::number(array->size())));
        return std::nullopt;
    }
    QList<qint32> values;
    values.reserve(count);
    for (qsizetype i = 0; i < array->size(); ++i) {
        const QJsonValue item = array->at(i);
        const double d = item.toDouble(0.5);
        // A colour is a signed 32-bit value; 1.0 is accepted as 1, 1.5 and "1" are not.
        if (!item.isDouble() || std::floor(d) != d ||
            d < double(std::numeric_limits<qint32>::min()) ||
            d > double(std::numeric_limits<qint32>::max())) {
            Fail(u"「%1[%2]」は-2147483648から2147483647までの整数でなければなりません。"_s.arg(
                Place(key), QString::number(i)));
            return std::nullopt;
        }
        values.append(qint32(d));
    }
    return values;
}

} // namespace yomiwa::tool
