// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Result.h"

#include <QString>

namespace yomiwa::app {

// Where the program keeps its collections and comments files (AppFolder).
struct FolderChoice {
    // Ends in the separator, like every AppFolder.
    QString Folder;
    // True when the executable's folder holds the marker file "portable".
    bool Portable = false;
    // Fails, with the message for the user, when the data folder cannot be made or written;
    // reading still works.
    Status Writable;
};

// A folder with the marker file "portable" beside the executable is its own AppFolder, as
// the build's dist/ is. Otherwise the program is installed: the user's data folder
// (QStandardPaths::AppDataLocation, a relative XDG_DATA_HOME ignored) is AppFolder, created
// when missing, with the sample collections of `samplesFolder` offered into it once.
// Nothing is written beside the executable in that case.
FolderChoice ChooseAppFolder(const QString& executableFolder, const QString& samplesFolder);

// The installed sample collections for an executable installed as PREFIX/bin/yomiwa.
QString InstalledSamplesFolder(const QString& executableFolder);

// Copies each sample collection never offered before into the data folder, unless a file of
// that name is already there, and records it in the folder's state file: a sample the user
// deleted is not brought back. A state file that is not a regular file is never read nor
// written.
Status OfferSamples(const QString& dataFolder, const QString& samplesFolder);

} // namespace yomiwa::app
