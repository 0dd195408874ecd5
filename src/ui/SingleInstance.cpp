#include "SingleInstance.h"

namespace yomiwa::ui {

SingleInstanceLock::SingleInstanceLock(const QString& appFolder)
    : m_lock(appFolder + QStringLiteral("yomiwa.lock")) {
    m_lock.setStaleLockTime(0);
}

bool SingleInstanceLock::TryLock() {
    return m_lock.isLocked() || m_lock.tryLock(0);
}

bool SingleInstanceLock::HeldByAnother() const {
    return m_lock.error() == QLockFile::LockFailedError;
}

} // namespace yomiwa::ui
