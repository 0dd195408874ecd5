#include "KansoJson.h"

#include "JsonFields.h"
#include "JsonWriter.h"

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

CommentsFromJsonResult CommentsFromJson(const QJsonValue& root) {
    CommentsFromJsonResult result;
    if (!root.isObject()) {
        result.Error = u"JSON の一番外側はオブジェクト { ... } でなければなりません。"_s;
        return result;
    }
    const QJsonObject object = root.toObject();
    JsonFields fields(object, QString(), result.Error);
    if (!fields.OnlyKnown({CommentsKey}))
        return result;
    const std::optional<QJsonArray> array = fields.Array(CommentsKey);
    if (!array)
        return result;
    QStringList comments;
    comments.reserve(array->size());
    for (qsizetype i = 0; i < array->size(); ++i) {
        if (!array->at(i).isString()) {
            result.Error = u"「"_s + CommentsKey + u"["_s + QString::number(i) +
                           u"]」は文字列でなければなりません。"_s;
            return result;
        }
        comments.append(array->at(i).toString());
    }
    result.Comments = std::move(comments);
    return result;
}

} // namespace yomiwa::tool
