#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "model/Result.h"

#include <functional>

namespace yomiwa {

// The readers' comments of a collection: one block per entry, "KANSOSTART--", the comment,
// "KANSOEND--", in entry order. Shift-JIS, CR LF, like the collection file.

enum class KansoReadStatus {
    Ok,         // Comments holds one text per entry
    NoFile,     // there is no comments file yet: every comment is empty
    NotFitting, // the file does not belong to the collection as it is; Error says so
    Unreadable, // the file cannot be read at all; Error says why
};

struct KansoReadResult {
    KansoReadStatus Status = KansoReadStatus::NoFile;
    QStringList Comments;
    QString Error;
};

// The blocks of a comments file, as many as it has "KANSOSTART--" lines. nullopt when a
// block ends early (no "KANSOEND--") or the text is not Shift-JIS.
std::optional<QStringList> ParseKansoBlocks(QByteArrayView bytes);

// kuCount + 4 blocks, or NotFitting with the message naming fileName. The file whose name
// differs from fileName only in letter case is the same file.
KansoReadResult ParseKanso(QByteArrayView bytes, int kuCount, const QString& fileName);
// The first line of every message of a comments file that cannot be read.
QString CommentsReadHead();

KansoReadResult ReadKansoFile(const QString& appFolder, const QString& fileName, int kuCount);

// Names the entry at an index in messages; by default "N番目のページ".
using EntryLabeler = std::function<QString(int index)>;

// Refuses, naming the page, a comment line that would read back as a block marker and a
// character without a Shift-JIS code.
Result<QByteArray> SerializeKanso(const QStringList& comments, const EntryLabeler& label = {});

// Writes one block per comment.
Status WriteKansoFile(const QString& appFolder, const QString& fileName,
                      const QStringList& comments, const EntryLabeler& label = {});

} // namespace yomiwa
