#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace quillon {

// Marks the running copy of the program with locks that the operating system releases
// when the process ends, however it ends. A lock file is only a name to lock: what it
// contains, who once wrote it and how old it is never matter. Only a lock held by a live
// process keeps a later launch out.
//
// Several lock files may be given; every usable one is held, so two launches that see
// different runtime folders (a desktop session and a terminal without one) still meet in
// the one they share. A path whose entry is not a plain file of this user (a folder, a
// link, a pipe, someone else's file, a file this user may not open) is passed over, never
// obeyed and never removed. The fallback, a private folder in the temporary folder, is made
// and tried only when no other path could be held.
class InstanceLock
{
public:
    explicit InstanceLock(QStringList paths, QString fallbackTemporaryFolder = {});
    explicit InstanceLock(const QString &path);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // False only when a live process holds one of the locks. Otherwise true, and the locks
    // that could be taken are held until destruction (none at all when no path was usable:
    // running unguarded is better than refusing forever).
    bool tryClaim();
    bool isClaimed() const;
    QStringList heldPaths() const;
    void release();

    // This user's lock files: in the session's runtime folder and in the per-user cache,
    // with a private folder in the temporary folder as the fallback.
    static std::unique_ptr<InstanceLock> forThisUser();
    // The same choice made from given folders; a folder that is missing, not this user's
    // or open to others gives no path. This program's own subfolders are made when missing.
    static QStringList lockPaths(const QString &runtimeFolder, const QString &cacheFolder);
    static QStringList fallbackLockPaths(const QString &temporaryFolder);

private:
    struct Held;
    enum class Outcome { Held, HeldByOther, Unusable };
    Outcome claimOne(const QString &path);

    QStringList m_paths;
    QString m_fallbackTemporaryFolder;
    std::unique_ptr<Held> m_held;
};

} // namespace quillon
