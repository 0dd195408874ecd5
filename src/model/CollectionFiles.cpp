// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CollectionFiles.h"

#include <QDir>

#include <algorithm>

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

QStringList CollectionFileNames(const QString& folder) {
    // Name filters of QDir ignore letter case unless told otherwise.
    QStringList names = QDir(folder).entryList(
        {u"*.Ywk"_s}, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int byUpper = a.toUpper().compare(b.toUpper());
        return byUpper != 0 ? byUpper < 0 : a < b;
    });
    return names;
}

} // namespace yomiwa
