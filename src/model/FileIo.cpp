// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FileIo.h"
#include "model/ReplacingFile.h"
#include "model/TextLines.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads up to `count` bytes; fewer only at the end of the file. False on a read error.
bool ReadUpTo(int fd, QByteArray& into, qint64 count) {
    constexpr qint64 Chunk = 1 << 20;
    while (count > 0) {
        const qsizetype start = into.size();
        const qint64 piece = qMin(count, Chunk);
        into.resize(start + piece);
        const ssize_t got = ::read(fd, into.data() + start, size_t(piece));
        if (got < 0 && errno == EINTR) {
            into.truncate(start);
            continue;
        }
        into.truncate(start + qMax<ssize_t>(got, 0));
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        count -= got;
    }
    return true;
}

// The data is on the disk before the new file takes the old one's place. A descriptor that
// cannot be synchronised at all (EINVAL) has nothing more to write.
bool SyncToDisk(int fd) {
    while (::fsync(fd) != 0) {
        if (errno == EINVAL)
            return true;
        if (errno != EINTR)
            return false;
    }
    return true;
}

// The new name in the folder reaches the disk too; the file itself is complete either way.
void SyncFolder(const QString& folder) {
    const Descriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// What is at the name now: -1 for nothing, else the mode its replacement keeps. A link may
// lead anywhere: the file it points at is never written. Only a regular file the user may
// write is replaced.
Result<int> ReplaceableMode(const QByteArray& nativePath, const QString& head) {
    struct stat existing {};
    if (::lstat(nativePath.constData(), &existing) != 0)
        return -1;
    if (S_ISLNK(existing.st_mode)) {
        return Result<int>::Failure(
            ErrorKind::CannotWrite,
            head + u"このファイルはシンボリックリンクです。"
                   u"リンク先のファイルを書き換えないよう、保存を取りやめました。"_s);
    }
    if (!S_ISREG(existing.st_mode))
        return Result<int>::Failure(
            ErrorKind::CannotWrite,
            head +
                u"このファイルは通常のファイルではありません（フォルダ、名前付きパイプなど）。"_s);
    if (::access(nativePath.constData(), W_OK) != 0)
        return Result<int>::Failure(ErrorKind::CannotWrite,
                                    head + u"このファイルは書き込みが禁止されています。"_s);
    return int(existing.st_mode & 0777);
}

} // namespace

Result<QByteArray> ReadFileBytes(const QString& path, qint64 limit, ReadSource source) {
    using Bytes = Result<QByteArray>;
    // Opened without waiting (a FIFO would wait for a writer), then what was opened is
    // looked at: the name may stand for something else by now.
    const bool regular = source == ReadSource::RegularFile;
    const Descriptor fd(::open(QFile::encodeName(path).constData(),
                               O_RDONLY | O_CLOEXEC | O_NOCTTY | (regular ? O_NONBLOCK : 0)));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || S_ISDIR(info.st_mode) ||
        (regular && !S_ISREG(info.st_mode))) {
        return Bytes::Failure(ErrorKind::CannotRead, CannotReadFile(path));
    }
    if (S_ISREG(info.st_mode) && info.st_size >= FileSizeLimit)
        return Bytes::Failure(ErrorKind::TooLarge, FileTooLarge());
    // A file may grow while it is read: never more than the limit is read.
    const qint64 wanted = limit >= 0 ? qMin(limit, FileSizeLimit) : FileSizeLimit;
    QByteArray bytes;
    bytes.reserve(qMin<qint64>(info.st_size, wanted));
    if (!ReadUpTo(fd.get(), bytes, wanted))
        return Bytes::Failure(ErrorKind::CannotRead, CannotReadFile(path));
    if (bytes.size() >= FileSizeLimit)
        return Bytes::Failure(ErrorKind::TooLarge, FileTooLarge());
    return bytes;
}

QString DisplayName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString CannotReadFile(const QString& path) {
    return u"ファイル「%1」を読み込めません。"_s.arg(DisplayName(path));
}

QString FileTooLarge() {
    return u"ファイルが大きすぎます。"_s;
}

QString UnreadableLine(int line) {
    return u"%1行目にShift-JISとして読めない文字があります。"_s.arg(FullWidthNumber(line));
}

QString EndsBeforeMarker(QStringView marker) {
    return u"ファイルが途中で終わっています（「%1」がありません）。"_s.arg(marker);
}

Status SaveFileBytes(const QString& path, const QByteArray& bytes) {
    return SaveFileWith(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

Status CopyFileBytes(const QString& from, const QString& to) {
    const Result<QByteArray> bytes = ReadFileBytes(from);
    return bytes.ok() ? SaveFileBytes(to, bytes.value()) : Status::Failure(bytes);
}

Status SaveFileWith(const QString& path, const std::function<bool(QIODevice&)>& write,
                    WriteKind kind) {
    const QString head = (kind == WriteKind::Save ? u"ファイル「%1」を保存できません。\r"_s
                                                  : u"ファイル「%1」に書き出せません。\r"_s)
                             .arg(DisplayName(path));
    const QString diskFull = u"ディスクの空きが足りないか、書き込み中にエラーが起きました。"_s;
    const QFileInfo target(path);
    const QByteArray nativePath = QFile::encodeName(path);
    // A name that leaves no room for the temporary name could not be replaced later: it is
    // refused now.
    long nameMax = ::pathconf(QFile::encodeName(target.path()).constData(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = 255;
    if (QFile::encodeName(target.fileName()).size() + ReplacingFile::ExtraNameBytes > nameMax)
        return Status::Failure(ErrorKind::CannotWrite, head + u"ファイル名が長すぎます。"_s);
    const Result<int> mode = ReplaceableMode(nativePath, head);
    if (!mode.ok())
        return Status::Failure(mode);
    ReplacingFile::RemoveLeftovers(path);

    ReplacingFile replacement(path);
    if (!replacement.Open(mode.value()))
        return Status::Failure(ErrorKind::CannotWrite, head + u"フォルダに書き込めません。"_s);
    QFile file;
    // Each step is checked: a small file stays in the write buffer until it is flushed.
    const bool written = file.open(replacement.Handle(), QIODevice::WriteOnly) && write(file) &&
                         file.flush() && file.error() == QFileDevice::NoError &&
                         SyncToDisk(replacement.Handle());
    if (!written)
        return Status::Failure(ErrorKind::CannotWrite, head + diskFull);
    // A long write gives time for the name to become something else.
    if (const Result<int> now = ReplaceableMode(nativePath, head); !now.ok())
        return Status::Failure(now);
    if (!replacement.Commit())
        return Status::Failure(ErrorKind::CannotWrite, head + diskFull);
    SyncFolder(target.path());
    return {};
}

} // namespace yomiwa
