// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "model/Result.h"

#include <functional>

namespace yomiwa {

// The readers' comments of a collection: one block per entry, "KANSOSTART--", the comment,
// "KANSOEND--", in entry order. Shift-JIS, CR LF, like the collection file.

// The blocks of a comments file, as many as it has "KANSOSTART--" lines. nullopt when a
// block ends early (no "KANSOEND--") or the text is not Shift-JIS.
std::optional<QStringList> ParseKansoBlocks(QByteArrayView bytes);

// kuCount + 4 blocks, or DoesNotFit with the message naming fileName.
Result<QStringList> ParseKanso(QByteArrayView bytes, int kuCount, const QString& fileName);
// The first line of every message of a comments file that cannot be read.
QString CommentsReadHead();

// The comments of the file fileName, or of the one whose name differs from it only in letter
// case, which is the same file. No file yet: kuCount + 4 empty comments. A name that would
// lead out of the folder is Refused; a file that cannot be read is CannotRead or TooLarge.
Result<QStringList> ReadKansoFile(const QString& appFolder, const QString& fileName, int kuCount);

// Names the entry at an index in messages; by default "N番目のページ".
using EntryLabeler = std::function<QString(int index)>;

// Refuses, naming the page, a comment line that would read back as a block marker and a
// character without a Shift-JIS code.
Result<QByteArray> SerializeKanso(const QStringList& comments, const EntryLabeler& label = {});

// Writes one block per comment.
Status WriteKansoFile(const QString& appFolder, const QString& fileName,
                      const QStringList& comments, const EntryLabeler& label = {});

} // namespace yomiwa
