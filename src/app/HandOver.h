// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace yomiwa::viewer {
class MainForm;
}

namespace yomiwa::app {

// Brings the reading window to the front and opens a collection handed over by a second
// start, as "句集を開く" would. While a modal window is up (the editor, the password window,
// a message), the opening waits for it to close: those work on the state it would change.
void OpenHandedOver(viewer::MainForm& form, const QString& path);

} // namespace yomiwa::app
