#include "viewer/ViewerFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

QString AppFolderOf(const QString& dataFolder) {
    if (dataFolder.endsWith(u'/'))
        return dataFolder;
    return dataFolder + u'/';
}

QStringList CollectionFileNames(const QString& appFolder) {
    // Name filters of QDir ignore letter case unless told otherwise. Regular files only,
    // those whose name starts with "." too, as the original platform lists them.
    QStringList names = QDir(appFolder).entryList(
        {u"*.Ywk"_s}, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int byUpper = a.toUpper().compare(b.toUpper());
        return byUpper != 0 ? byUpper < 0 : a < b;
    });
    return names;
}

} // namespace yomiwa::viewer
