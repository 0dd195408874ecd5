// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ViewerFiles.h"

namespace yomiwa::viewer {

QString AppFolderOf(const QString& dataFolder) {
    if (dataFolder.endsWith(u'/'))
        return dataFolder;
    return dataFolder + u'/';
}

} // namespace yomiwa::viewer
