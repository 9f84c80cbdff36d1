#include "support/FileEntries.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace quillon::test {

QString entryKind(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("missing");
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("link to ") + QFile::symLinkTarget(path);
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("pipe");
    if (S_ISCHR(info.st_mode))
        return QStringLiteral("character device");
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("folder");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("other");
    return QStringLiteral("file of %1 bytes owned by %2, mode %3")
        .arg(info.st_size)
        .arg(info.st_uid)
        .arg(info.st_mode & 07777, 0, 8);
}

bool plantBadEntry(const QString &path, const QString &kind, const QString &missingTarget)
{
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path + QStringLiteral("/with something in it"));
    if (kind == QLatin1String("dangling link"))
        return !QFile::exists(missingTarget) && QFile::link(missingTarget, path);
    if (kind == QLatin1String("link loop"))
        return QFile::link(path, path);
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return false;
}

} // namespace quillon::test
