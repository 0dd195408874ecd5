// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include "model/Result.h"

namespace yomiwa::tool {

// Readers' comments as JSON: {"comments": [...]}, one text per block of the comments file.

// The JSON text as QJsonDocument::toJson lays it out, written as it is made.
QByteArray CommentsJsonText(const QStringList& comments);

Result<QStringList> CommentsFromJson(const QJsonValue& root);

} // namespace yomiwa::tool
