#pragma once

#include "Kushu.h"

#include <QString>

#include <functional>

namespace yomiwa {

enum class EditMode { New, Change };

// What the windows share for the whole run. main() owns the one instance and passes it to
// every window; nothing else is program-wide.
struct SharedState {
    // The program's folder, ending in the separator; every collection and comments file
    // lives there.
    QString AppFolder;

    // Whether the editor makes a new collection or changes one; the launcher decides, the
    // password window and the editor follow.
    EditMode Editing = EditMode::Change;
    QString EditPassword;

    // The editor's colour clipboard; black until the first save of colours.
    ColourSet SavedColours;

    // Fills the reading window's collection list again (after the editor saved a file).
    std::function<void()> RefreshCollectionList;
};

} // namespace yomiwa
