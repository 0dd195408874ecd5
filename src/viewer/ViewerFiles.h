#pragma once

#include <QString>

namespace yomiwa::viewer {

// The program's folder as every file path is built from it: the executable's folder with
// exactly one separator at its end (a root folder already has it).
QString AppFolderOf(const QString& executableFolder);

} // namespace yomiwa::viewer
