// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace yomiwa {

// The collection files of a folder, as the reading window lists them: every regular file
// (not a link) whose name ends in ".Ywk" in any letter case, hidden ones too, in the order a
// case-insensitive file system lists them (by the upper-cased name), the same on every run.
QStringList CollectionFileNames(const QString& folder);

} // namespace yomiwa
