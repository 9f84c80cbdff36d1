#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

const QString lockFileName = u"quillon.lock"_s;

#ifdef Q_OS_UNIX

// A folder of this user that nobody else may write into: nothing can be planted in it.
bool isPrivateFolder(const QString &folder, bool followLink)
{
    if (folder.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(folder);
    struct stat info {};
    const int rc = followLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info);
    return rc == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Creates the folder for this user alone when it is missing; true when it is private.
bool makePrivateFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return isPrivateFolder(folder, false);
}

#endif

} // namespace

struct InstanceLock::Held {
#ifdef Q_OS_UNIX
    std::vector<std::pair<QString, int>> files; // path, descriptor holding the lock

    ~Held()
    {
        for (const auto &file : files)
            ::close(file.second); // closing releases the lock; the file stays for the next copy
    }
#else
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> files;
#endif
};

InstanceLock::InstanceLock(QStringList paths, QString fallbackTemporaryFolder)
    : m_paths(std::move(paths))
    , m_fallbackTemporaryFolder(std::move(fallbackTemporaryFolder))
{
}

InstanceLock::InstanceLock(const QString &path)
    : InstanceLock(QStringList{path})
{
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryClaim()
{
    if (isClaimed())
        return true;
    m_held = std::make_unique<Held>();
    const auto claimAll = [this](const QStringList &paths) {
        for (const QString &path : paths) {
            if (claimOne(path) == Outcome::HeldByOther)
                return false;
        }
        return true;
    };
    // Every launch takes the paths in the same order and gives up at the first one held by
    // another, so of two launches at the same instant exactly one gets through.
    if (!claimAll(m_paths)
        || (m_held->files.empty() && !m_fallbackTemporaryFolder.isEmpty()
            && !claimAll(fallbackLockPaths(m_fallbackTemporaryFolder)))) {
        release();
        return false;
    }
    return true;
}

bool InstanceLock::isClaimed() const
{
    return m_held && !m_held->files.empty();
}

QStringList InstanceLock::heldPaths() const
{
    QStringList paths;
    if (m_held) {
        for (const auto &file : m_held->files)
            paths.append(file.first);
    }
    return paths;
}

void InstanceLock::release()
{
    m_held.reset();
}

#ifdef Q_OS_UNIX

InstanceLock::Outcome InstanceLock::claimOne(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0; attempt < 3; ++attempt) {
        struct stat found {};
        // Only a missing entry or a plain file is opened: a device or a pipe is not touched.
        if (::lstat(name.constData(), &found) == 0 && !S_ISREG(found.st_mode))
            return Outcome::Unusable;
        // No link is followed, no pipe put in between can stall the start, and a browser the
        // program opens does not inherit the lock.
        const int fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0)
            return Outcome::Unusable;
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) {
            ::close(fd); // another user's file: whatever holds it is not a copy of ours
            return Outcome::Unusable;
        }
        int rc = 0;
        do {
            rc = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Outcome::HeldByOther : Outcome::Unusable;
        }
        struct stat named {};
        if (::lstat(name.constData(), &named) == 0 && named.st_dev == opened.st_dev
            && named.st_ino == opened.st_ino) {
            m_held->files.emplace_back(path, fd);
            return Outcome::Held;
        }
        ::close(fd); // the name was given to another file meanwhile: lock that one instead
    }
    return Outcome::Unusable;
}

QStringList InstanceLock::lockPaths(const QString &runtimeFolder, const QString &cacheFolder)
{
    QStringList paths;
    if (isPrivateFolder(runtimeFolder, true))
        paths.append(runtimeFolder + u'/' + lockFileName);
    if (!cacheFolder.isEmpty() && QDir().mkpath(cacheFolder)) {
        const QString own = cacheFolder + u"/Quillon"_s;
        if (makePrivateFolder(own))
            paths.append(own + u'/' + lockFileName);
    }
    return paths;
}

QStringList InstanceLock::fallbackLockPaths(const QString &temporaryFolder)
{
    // The user's id in the name keeps users apart; a folder someone else made there is refused.
    const QString own = temporaryFolder + u"/quillon-"_s + QString::number(::geteuid());
    if (!temporaryFolder.isEmpty() && makePrivateFolder(own))
        return {own + u'/' + lockFileName};
    return {};
}

#else

InstanceLock::Outcome InstanceLock::claimOne(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // age never makes a lock stale, only a dead owner
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return Outcome::Unusable;
        qint64 pid = 0;
        QString host, application;
        // A lock that cannot even be read was not left by a live copy.
        if (lock->getLockInfo(&pid, &host, &application) || !lock->removeStaleLockFile() || !lock->tryLock(0))
            return Outcome::HeldByOther;
    }
    m_held->files.emplace_back(path, std::move(lock));
    return Outcome::Held;
}

QStringList InstanceLock::lockPaths(const QString &runtimeFolder, const QString &cacheFolder)
{
    QStringList paths;
    if (!runtimeFolder.isEmpty() && QDir().mkpath(runtimeFolder))
        paths.append(runtimeFolder + u'/' + lockFileName);
    if (!cacheFolder.isEmpty() && QDir().mkpath(cacheFolder + u"/Quillon"_s))
        paths.append(cacheFolder + u"/Quillon/"_s + lockFileName);
    return paths;
}

QStringList InstanceLock::fallbackLockPaths(const QString &)
{
    return {}; // the runtime and cache folders are the user's own on these systems
}

#endif

std::unique_ptr<InstanceLock> InstanceLock::forThisUser()
{
    return std::make_unique<InstanceLock>(
        lockPaths(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                  QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)),
        QDir::tempPath());
}

} // namespace quillon
