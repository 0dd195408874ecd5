// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

namespace yomiwa::app {

// Only one Yomiwa may run on one folder of collections: two would overwrite each other's
// comments files. The lock lives in that folder; a lock left by a process that died, or a
// lock file that names no holder, is taken over.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& appFolder);
    // False when another running instance holds the lock.
    bool TryLock();
    // After a refused TryLock: true when another process holds the lock; false when the
    // lock could not be made at all (a folder that cannot be written), where no other
    // instance can be told.
    bool HeldByAnother() const;

private:
    QLockFile m_lock;
};

} // namespace yomiwa::app
