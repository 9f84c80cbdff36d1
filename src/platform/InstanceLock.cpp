#include "platform/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quillon {

InstanceLock::InstanceLock(QString path)
    : m_path(std::move(path))
{
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryClaim()
{
    if (isClaimed())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    auto lock = std::make_unique<QLockFile>(m_path);
    // Never treat a lock as stale by its age: only a dead owner makes it stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return true; // cannot even create the file: better to run than to refuse forever
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

bool InstanceLock::isClaimed() const
{
    return m_lock && m_lock->isLocked();
}

QString InstanceLock::defaultPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + u"/quillon.lock"_s;
}

} // namespace quillon
