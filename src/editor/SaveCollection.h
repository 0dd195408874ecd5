// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EntryOperations.h"
#include "model/Kushu.h"
#include "model/Result.h"

#include <QString>

namespace yomiwa::editor {

// The collection file the editor loaded, as it was read: what the entries' origins point
// into. Its header names the comments file its readers wrote.
struct LoadedFile {
    QString Path; // empty for a new collection
    QString Title;
    QString Edition;
    int EntryCount = 0;
};

struct SavedCollection {
    QString Path;   // the collection file written
    QString Notice; // what the user should know about the comments file; usually empty
};

// Writes the collection into the program's folder, replacing a file of its name, and keeps
// the readers' comments with their entries. Saved over the very file loaded, the comments
// file of that collection is rewritten after the entries' origins: each block moves with its
// entry, an added entry gets an empty block, a deleted entry's block is dropped. Saved over
// another existing file, the blocks there belonged to entries that are gone: the comments
// file of that name gets one empty block per entry. Saved under a new name, no comments file
// is touched. A comments file that did not fit the loaded collection is left alone.
// Before a comment is dropped, the previous comments file is kept beside it. The comments
// file is written first; when the collection cannot be written, it is put back as it was.
// The title and edition have been checked as parts of a file name.
Result<SavedCollection> SaveCollection(const QString& appFolder, const Kushu& kushu,
                                       const LoadedFile& loaded, const Origins& origins);

} // namespace yomiwa::editor
