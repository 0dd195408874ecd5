// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "model/Result.h"

#include <functional>

class QIODevice;

namespace yomiwa {

// A collection or comments file of this size or more is refused rather than read into
// memory. Far above a full collection; the code page converter takes less than 2^29 bytes
// at once.
constexpr qint64 FileSizeLimit = qint64(512) * 1024 * 1024;

// What a read accepts. A collection or comments file is a regular file, read without ever
// blocking; a file a user names on a command line may also be a pipe, which is waited for.
enum class ReadSource { RegularFile, AnyStream };

// Reads the whole file, or up to `limit` bytes of its start when limit >= 0. As a
// RegularFile, only a regular file is read (a link is followed), and nothing blocks: a FIFO,
// a device or a folder of that name cannot be read. A regular file at or above FileSizeLimit
// is refused as TooLarge with FileTooLarge() whatever `limit`; any other failure is
// CannotRead with CannotReadFile(path).
Result<QByteArray> ReadFileBytes(const QString& path, qint64 limit = -1,
                                 ReadSource source = ReadSource::RegularFile);

// The one writing path of every file the program writes. The file is written through a
// temporary file (see ReplacingFile) that replaces it only when every byte is on the disk: a
// failure leaves an existing file byte for byte as it was. Never writes through a symbolic
// link nor over anything but a regular file; a replaced file keeps its permissions. Removes
// what an interrupted save of this same file left under the temporary name, and nothing
// else. A failure is CannotWrite and names the file.
Status SaveFileBytes(const QString& path, const QByteArray& bytes);

// What a failed write says the program was doing: saving a collection or comments file,
// or exporting a strip.
enum class WriteKind { Save, Export };

// The same writing path for a file written piece by piece: `write` writes the whole
// content into the device and returns false when it could not.
Status SaveFileWith(const QString& path, const std::function<bool(QIODevice&)>& write,
                    WriteKind kind = WriteKind::Save);

// A copy of the regular file `from`, read and written through the two paths above.
Status CopyFileBytes(const QString& from, const QString& to);

// The file name with its folder removed, as messages show it.
QString DisplayName(const QString& path);

// The messages that more than one reader gives (the program's windows and yomiwa-tool alike).
QString CannotReadFile(const QString& path); // names the file
QString FileTooLarge();
QString UnreadableLine(int line); // a line that is not Shift-JIS, numbered in full width
QString EndsBeforeMarker(QStringView marker);

} // namespace yomiwa
