#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace yomiwa::tool {

// Readers' comments as JSON: {"comments": [...]}, one text per block of the comments file.

// The JSON text as QJsonDocument::toJson lays it out, written as it is made.
QByteArray CommentsJsonText(const QStringList& comments);

struct CommentsFromJsonResult {
    QStringList Comments;
    QString Error; // what is wrong with the JSON; empty when ok

    bool ok() const { return Error.isEmpty(); }
};
CommentsFromJsonResult CommentsFromJson(const QJsonValue& root);

} // namespace yomiwa::tool
