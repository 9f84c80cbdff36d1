#include "report/ReportFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

WriteFailure failureFromCode(int code)
{
    switch (code) {
    case EACCES:
    case EPERM:
    case EROFS:
        return WriteFailure::NoPermission;
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::FolderMissing;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailure::DiskFull;
    case EFBIG:
        return WriteFailure::FileTooLarge;
    case EISDIR:
        return WriteFailure::NameIsFolder;
    case ENAMETOOLONG:
        return WriteFailure::NameTooLong;
    default:
        return WriteFailure::Other;
    }
}

WriteOutcome outcomeFromCode(int code)
{
    return {failureFromCode(code), qt_error_string(code)};
}

// Qt keeps only the system's text of a failed file operation; match it back to its cause.
WriteOutcome outcomeFromDevice(const QFileDevice &file)
{
    static const int known[] = {EACCES, EPERM, EROFS, ENOENT, ENOTDIR, ENOSPC,
#ifdef EDQUOT
                                EDQUOT,
#endif
                                EFBIG, EISDIR, ENAMETOOLONG};
    const QString text = file.errorString();
    for (int code : known) {
        if (text == qt_error_string(code))
            return {failureFromCode(code), text};
    }
    if (file.error() == QFileDevice::ResourceError)
        return {WriteFailure::DiskFull, text};
    return {WriteFailure::Other, text};
}

// A device may take a short write without an error; only a second attempt tells why it stopped.
bool writeAll(QFileDevice &file, const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 written = file.write(data + done, size - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Returns 0, or the error code of a failed sync.
int syncToDisk(QFileDevice &file)
{
#if defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0 ? 0 : errno;
#elif defined(Q_OS_WIN)
    return ::_commit(file.handle()) == 0 ? 0 : errno;
#else
    Q_UNUSED(file);
    return 0;
#endif
}

// For a writable file in a folder that forbids making the new file beside it. The old bytes
// that the new content covers are kept first; the file is never truncated before the new
// content is safely in it, so a failure can put the old bytes back into room they already had.
WriteOutcome writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return outcomeFromDevice(file);
    const qint64 oldSize = file.size();
    const qint64 covered = std::min<qint64>(oldSize, bytes.size());
    const QByteArray kept = file.read(covered);
    if (kept.size() != covered)
        return outcomeFromDevice(file);

    WriteOutcome outcome;
    int code = 0;
    if (!file.seek(0) || !writeAll(file, bytes.constData(), bytes.size()))
        outcome = outcomeFromDevice(file);
    else if ((code = syncToDisk(file)) != 0)
        outcome = outcomeFromCode(code);
    else if (oldSize > bytes.size() && !file.resize(bytes.size()))
        outcome = outcomeFromDevice(file);
    else {
        // The old tail is gone now; a failed sync can only be reported, not undone.
        if ((code = syncToDisk(file)) != 0)
            return outcomeFromCode(code);
        return {};
    }
    file.unsetError();
    if (file.seek(0))
        writeAll(file, kept.constData(), kept.size());
    file.resize(oldSize);
    syncToDisk(file);
    return outcome;
}

} // namespace

WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return {WriteFailure::NameIsFolder, {}};
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return {WriteFailure::FolderMissing, {}};
    if (target.exists()) {
        // A device or pipe would be replaced by a plain file: not ours to touch.
        if (!target.isFile())
            return {WriteFailure::NotAFile, {}};
        // The owner's write bit as well as access(): an administrator may write anything,
        // but a file marked read-only is still not to be replaced.
        if (!(target.permissions() & QFileDevice::WriteOwner) || !target.isWritable())
            return {WriteFailure::ReadOnlyFile, {}};
    }

    // Unbuffered, so that no write is left to a final flush whose failure would go unnoticed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Through a link the new file would be made beside the file linked to.
        if (target.exists() && !QFileInfo(QFileInfo(target.canonicalFilePath()).absolutePath()).isWritable())
            return writeInPlace(path, bytes);
        return outcomeFromDevice(file);
    }
    if (!writeAll(file, bytes.constData(), bytes.size())) {
        const WriteOutcome outcome = outcomeFromDevice(file);
        file.cancelWriting();
        return outcome;
    }
    if (const int code = syncToDisk(file)) {
        file.cancelWriting();
        return outcomeFromCode(code);
    }
    if (!file.commit())
        return outcomeFromDevice(file);
    return {};
}

QString failureText(const WriteOutcome &outcome)
{
    switch (outcome.failure) {
    case WriteFailure::None:
        return {};
    case WriteFailure::NoPermission:
        return u"You do not have permission to write there."_s;
    case WriteFailure::FolderMissing:
        return u"The folder does not exist."_s;
    case WriteFailure::DiskFull:
        return u"The disk is full."_s;
    case WriteFailure::FileTooLarge:
        return u"The file would be larger than this system allows."_s;
    case WriteFailure::NameIsFolder:
        return u"That name belongs to a folder."_s;
    case WriteFailure::NotAFile:
        return u"That name belongs to something that is not a file."_s;
    case WriteFailure::ReadOnlyFile:
        return u"The file is read-only."_s;
    case WriteFailure::NameTooLong:
        return u"The name is too long."_s;
    case WriteFailure::Other:
        break;
    }
    return outcome.systemText.isEmpty() ? u"The file could not be written."_s
                                        : outcome.systemText + u'.';
}

} // namespace quillon
