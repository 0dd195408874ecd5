#pragma once

#include "Kushu.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace yomiwa {

// What the windows share for the whole run. main() owns the one instance and passes it to
// every window; nothing else is program-wide.
struct SharedState {
    // The program's folder, ending in the separator; every collection and comments file
    // lives there.
    QString AppFolder;

    // The collection open in the reading window and its readers' comments, one per entry.
    Kushu ViewerKushu;
    QStringList KansoList = QStringList(4);
    // "ON" only while a newly opened collection selects its first page.
    QString OpeningFlag = QStringLiteral("OFF");
    // The page-list row whose comment is in the comment box.
    int ShownPageIndex = 0;

    // The editor's working collection; built afresh each time the editor opens.
    Kushu EditorKushu;

    // "新規" for a new collection, "変更" (or anything else) to change one.
    QString EditMode;
    QString EditPassword;

    // The editor's colour clipboard; black until the first save of colours.
    ColourSet SavedColours;

    // Fills the reading window's collection list again (after the editor saved a file).
    std::function<void()> RefreshCollectionList;
};

} // namespace yomiwa
