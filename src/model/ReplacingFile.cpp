// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int RandomLength = 6;
// Tries for a free temporary name; a clash is already one in 5 * 10^10.
constexpr int Attempts = 16;

QString TemporaryPrefix(const QString& fileName) {
    return u'.' + fileName + u".yomiwa-"_s;
}

bool IsLeftoverOf(QStringView name, const QString& fileName) {
    const QString prefix = TemporaryPrefix(fileName);
    if (name.size() != prefix.size() + RandomLength || !name.startsWith(prefix))
        return false;
    for (QChar c : name.sliced(prefix.size())) {
        if (c.unicode() > 0x7F || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

} // namespace

ReplacingFile::ReplacingFile(const QString& target)
    : m_folder(QFile::encodeName(QFileInfo(target).path()))
    , m_fileName(QFile::encodeName(QFileInfo(target).fileName()))
    , m_target(QFile::encodeName(target)) {}

ReplacingFile::~ReplacingFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_name.isEmpty())
        ::unlink(m_name.constData());
}

QByteArray ReplacingFile::FreshName() const {
    static constexpr char Letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = m_folder + "/." + m_fileName + ".yomiwa-";
    for (int i = 0; i < RandomLength; ++i)
        name += Letters[QRandomGenerator::system()->bounded(int(sizeof(Letters) - 1))];
    return name;
}

bool ReplacingFile::Open(int keptMode) {
    // Until it has the replaced file's mode, the new content is readable by its owner only.
    const mode_t mode = keptMode >= 0 ? 0600 : 0666;
    // An unnamed file is named at the end through /proc; without /proc it never could be.
    if (::access("/proc/self/fd", X_OK) == 0)
        m_fd = ::open(m_folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    for (int attempt = 0; m_fd < 0 && attempt < Attempts; ++attempt) {
        m_name = FreshName();
        m_fd =
            ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (m_fd < 0) {
            const bool taken = errno == EEXIST;
            m_name.clear();
            if (!taken)
                break;
        }
    }
    if (m_fd >= 0 && keptMode >= 0)
        ::fchmod(m_fd, mode_t(keptMode)); // as far as the file system keeps modes
    return m_fd >= 0;
}

bool ReplacingFile::Commit() {
    // An unnamed file gets a temporary name first: a link cannot replace an existing name.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
    for (int attempt = 0; m_name.isEmpty() && attempt < Attempts; ++attempt) {
        const QByteArray name = FreshName();
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            m_name = name;
        else if (errno != EEXIST)
            return false;
    }
    if (m_name.isEmpty() || ::rename(m_name.constData(), m_target.constData()) != 0)
        return false;
    m_name.clear();
    return true;
}

void ReplacingFile::RemoveLeftovers(const QString& target) {
    const QFileInfo file(target);
    const QDir dir(file.path());
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted);
    for (const QString& name : names) {
        if (IsLeftoverOf(name, file.fileName()))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace yomiwa
