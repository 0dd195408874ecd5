// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace yomiwa::viewer {

// The program's folder as every file path is built from it: the data folder the program
// was started on, with exactly one separator at its end (a root folder already has it).
QString AppFolderOf(const QString& dataFolder);

} // namespace yomiwa::viewer
