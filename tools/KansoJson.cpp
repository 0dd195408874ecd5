// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/KansoJson.h"

#include "tools/JsonFields.h"
#include "tools/JsonWriter.h"

#include <QJsonArray>
#include <QJsonObject>

namespace yomiwa::tool {

using namespace Qt::Literals::StringLiterals;

namespace {
const QString CommentsKey = u"comments"_s;
}

QByteArray CommentsJsonText(const QStringList& comments) {
    qsizetype estimate = 64;
    for (const QString& comment : comments)
        estimate += comment.size() * 3 + 16;
    JsonWriter json(estimate);
    json.BeginObject();
    json.Key(CommentsKey);
    json.BeginArray();
    for (const QString& comment : comments)
        json.String(comment);
    json.EndArray();
    json.EndObject();
    return json.Take();
}

Result<QStringList> CommentsFromJson(const QJsonValue& root) {
    using Comments = Result<QStringList>;
    if (!root.isObject())
        return Comments::Failure(ErrorKind::BadContent, NotAnObjectMessage());
    const QJsonObject object = root.toObject();
    JsonFields fields(object, QString());
    const std::optional<QJsonArray> array =
        fields.OnlyKnown({CommentsKey}) ? fields.Array(CommentsKey) : std::nullopt;
    if (!array)
        return fields.Fault<QStringList>();
    QStringList comments;
    comments.reserve(array->size());
    for (qsizetype i = 0; i < array->size(); ++i) {
        if (!array->at(i).isString()) {
            return Comments::Failure(
                ErrorKind::BadContent,
                u"「%1[%2]」は文字列でなければなりません。"_s.arg(CommentsKey).arg(i));
        }
        comments.append(WithFileLineBreaks(array->at(i).toString()));
    }
    return comments;
}

} // namespace yomiwa::tool
