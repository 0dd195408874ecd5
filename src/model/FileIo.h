#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace yomiwa {

// The largest collection or comments file the program reads. Far above a full collection;
// a larger file is refused rather than read into memory.
constexpr qint64 MaxFileSize = qint64(512) * 1024 * 1024;

struct FileBytes {
    QByteArray Bytes;
    bool Opened = false;
    bool TooLarge = false;
};

// Reads the whole file, or up to `limit` bytes of its start when limit >= 0.
FileBytes ReadFileBytes(const QString& path, qint64 limit = -1);

// Writes the file through a temporary file that replaces it only when everything was
// written: a failure leaves an existing file untouched. Returns the message for the user,
// naming the file, or the empty text on success.
QString SaveFileBytes(const QString& path, const QByteArray& bytes);

// The file name with its folder removed, as messages show it.
QString DisplayName(const QString& path);

} // namespace yomiwa
