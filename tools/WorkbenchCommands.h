// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolCommands.h"

#include <QString>
#include <QStringList>

namespace yomiwa::tool {

// `count TEXT...`: per text one line, the morae of its three phrases and their total.
Result<ToolOutput> Count(const QStringList& arguments);

// `search FOLDER QUERY`: per field found one line, FILE, PAGE, FIELD and TEXT between tabs.
Result<ToolOutput> Search(const QStringList& arguments);

QString WorkbenchUsageText();

} // namespace yomiwa::tool
