// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

#include <QString>

#include <functional>
#include <optional>

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

    // The folder of the dictionary the 5-7-5 count reads kanji with; empty for MeCab's own
    // configuration.
    QString DictionaryFolder;

    // The editor's colour clipboard; black until the first save of colours.
    ColourSet SavedColours;

    // Fills the reading window's collection list again (after the editor saved a file).
    std::function<void()> RefreshCollectionList;

    // The editor's last save, for the reading window to follow once the editor has closed:
    // the file written, the file the editor had loaded (empty for a new collection), and for
    // each entry written the index of the loaded entry it came from, or -1.
    struct EditorSave {
        QString SavedPath;
        QString LoadedPath;
        QList<int> Origins;
    };
    std::optional<EditorSave> LastEditorSave;
};

} // namespace yomiwa
