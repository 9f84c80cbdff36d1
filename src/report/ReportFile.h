#pragma once

#include <QByteArray>
#include <QString>

namespace quillon {

// Why a file could not be written.
enum class WriteFailure {
    None,
    NoPermission,
    FolderMissing,
    DiskFull,
    FileTooLarge,
    NameIsFolder,
    NotAFile,
    ReadOnlyFile,
    NameTooLong,
    Other,
};

struct WriteOutcome {
    WriteFailure failure = WriteFailure::None;
    QString systemText; // the system's own words, shown when the cause is not one we know
    bool ok() const { return failure == WriteFailure::None; }
};

// Makes bytes the whole content of the file at path, or changes nothing.
// Every byte is written and synced before the new file takes the old one's place, so a full
// disk, a file-size limit or a failing device leaves the old file (or no file) as it was and
// no temporary file behind. A read-only file is never replaced. When the folder does not let
// a new file be made there, a writable old file is overwritten in place instead, and its old
// bytes are put back if that write fails.
WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes);

// The cause in plain words, one sentence.
QString failureText(const WriteOutcome &outcome);

} // namespace quillon
