// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "model/Result.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <optional>

namespace yomiwa::tool {

// A collection as JSON: {"title", "author", "edition", "password", "entries": [{"kind",
// "preface", "verse", "postscript", "commentary", "colours"}]}, every entry in index order.

// "Jo", "Ku", "Batsu", "Prof", "Oku".
QString KindKey(EntryKind kind);
std::optional<EntryKind> KindFromKey(const QString& key);

// The JSON text as QJsonDocument::toJson lays it out, written as it is made.
QByteArray KushuJsonText(const Kushu& kushu);

// Takes the entries in order; their kinds must be one Jo, any number of Ku, then Batsu,
// Prof and Oku. Special entries may leave out preface, verse and postscript, but may not
// fill them: the file has no place for them. A fault names its place.
Result<Kushu> KushuFromJson(const QJsonValue& root);

} // namespace yomiwa::tool
