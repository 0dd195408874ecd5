#pragma once

#include <QString>
#include <QStringList>

namespace yomiwa::viewer {

// The program's folder as every file path is built from it: the data folder the program
// was started on, with exactly one separator at its end (a root folder already has it).
QString AppFolderOf(const QString& dataFolder);

// The collection files of a folder: every regular file (not a link) whose name ends in ".Ywk"
// in any letter case, hidden ones too, in the
// order a case-insensitive file system lists them (by the upper-cased name), so the list is
// the same on every run.
QStringList CollectionFileNames(const QString& appFolder);

} // namespace yomiwa::viewer
