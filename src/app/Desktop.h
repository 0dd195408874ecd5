// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

class QCoreApplication;

namespace yomiwa::app {

// The name of the desktop entry, the icon, the file types and the AppStream component.
QString DesktopId();

// The program's icon, drawn from the same SVG that is installed for the desktop.
QIcon AppIcon();

// Qt's own texts (the colour, file and print dialogs) in Japanese, like the rest of the
// program, whatever the user's locale. False when Qt's translations are not installed.
bool InstallQtTranslations(QCoreApplication& app);

} // namespace yomiwa::app
