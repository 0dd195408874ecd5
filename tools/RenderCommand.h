// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolCommands.h"

#include <QString>
#include <QStringList>

namespace yomiwa::tool {

// `render FILE.Ywk OUT.pdf [--layout L] [--pages 2-5,8] [--verses-only] [--signed]` and
// `render FILE.Ywk OUT.png --page N [--scale S]`: strip pages drawn as the reading window
// draws them; --page is --pages. Needs a QGuiApplication (any platform, offscreen included).
Result<ToolOutput> Render(const QStringList& arguments);

QString RenderUsageText();

} // namespace yomiwa::tool
