#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace quillon {

// A lock file that marks the running copy of the program. The operating system's
// process table decides whether a found lock is live, so a copy that was killed
// does not keep later launches out.
class InstanceLock
{
public:
    explicit InstanceLock(QString path);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // True when no live copy holds the lock; the lock is then held until destruction.
    bool tryClaim();
    bool isClaimed() const;
    QString path() const { return m_path; }

    static QString defaultPath();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace quillon
