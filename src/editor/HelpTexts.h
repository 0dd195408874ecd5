// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace yomiwa::editor {

// The editor's help box explains whatever the pointer moves over.

// What the help box holds when the window opens: two lines, each ended by CR LF.
QString InitialHelpText();
// Shown over the bare window and over the help box itself.
QString DefaultHelpText();
// The text of a control, by its name; empty for controls that have none (the colour
// buttons, the caption labels, the strip shape), over which the help box keeps its text.
QString HelpText(const QString& control);

} // namespace yomiwa::editor
