#include "viewer/ViewerFiles.h"

namespace yomiwa::viewer {

QString AppFolderOf(const QString& executableFolder) {
    if (executableFolder.endsWith(u'/'))
        return executableFolder;
    return executableFolder + u'/';
}

} // namespace yomiwa::viewer
