// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "model/Result.h"

#include <optional>

namespace yomiwa {

// AppFolder & title & "_" & edition & ".Ywk". Nothing is escaped; see CheckFileNamePart.
QString KushuFileName(const QString& title, const QString& edition);

// The collection file a list text (title, "_", edition) names: AppFolder & text & ".Ywk", or
// the file whose name differs from it only in letter case. A caller that has the file name
// itself (the collection list keeps it with each row) passes that: a text that ends in ".Ywk"
// in any letter case is taken as the file's name.
QString CollectionFilePath(const QString& appFolder, const QString& listText);

// The name under which `name` exists in `folder`: `name` itself, or else the first entry whose
// name differs from it only in letter case, as on the original platform, where those are one
// file; `name` when there is neither.
QString ExistingFileName(const QString& folder, const QString& name);

// Whether two paths name one file as the original platform sees it: the same folder, names
// that differ in letter case at most.
bool IsSameFile(const QString& a, const QString& b);

// Copies the file at `path` to a free name beside it ("path.bak", then "path.bak2", ...),
// never over another file, before the file is replaced; returns that name, or nothing when
// it could not be kept.
std::optional<QString> KeepCopy(const QString& path);

// The comments file of the collection shown with these captions: the title, "_", the
// second character of the edition caption ("第" & edition & "版"), ".kan".
QString KansoFileName(const QString& titleCaption, const QString& editionCaption);

// A title or edition becomes part of a file name in the program's folder. Returns the
// message for the user when it holds a path separator or a character that file names on
// the original platform may not hold (\ / : * ? " < > | and control characters). `what`
// names the field in the message, such as "句集名".
Status CheckFileNamePart(const QString& text, const QString& what);

} // namespace yomiwa
