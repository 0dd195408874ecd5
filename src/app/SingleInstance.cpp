// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QDir>

namespace yomiwa::app {

SingleInstanceLock::SingleInstanceLock(const QString& appFolder)
    : m_lock(QDir(appFolder).filePath(QStringLiteral("yomiwa.lock"))) {
    m_lock.setStaleLockTime(0);
}

bool SingleInstanceLock::TryLock() {
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    // Qt takes over the lock of a process that has ended, but never a lock file that names
    // no holder at all: empty or cut short by a crash or a power cut while it was written.
    // Such a file is removed and the lock taken; the removal fails while a running instance
    // holds the file locked, even one still writing it.
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock.error() != QLockFile::LockFailedError ||
        m_lock.getLockInfo(&pid, &host, &application))
        return false;
    return m_lock.removeStaleLockFile() && m_lock.tryLock(0);
}

bool SingleInstanceLock::HeldByAnother() const {
    return m_lock.error() == QLockFile::LockFailedError;
}

} // namespace yomiwa::app
