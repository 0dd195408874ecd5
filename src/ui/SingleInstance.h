#pragma once

#include <QLockFile>
#include <QString>

namespace yomiwa::ui {

// Only one Yomiwa may run on one folder of collections: two would overwrite each other's
// comments files. The lock lives in that folder; a lock left by a process that died is
// taken over.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& appFolder);
    // False when another running instance holds the lock.
    bool TryLock();

private:
    QLockFile m_lock;
};

} // namespace yomiwa::ui
