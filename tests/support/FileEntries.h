#pragma once

#include <QString>
#include <QStringList>

namespace quillon::test {

// What a path is, without following a link: the test's own view of the file system, in words
// that tell a changed entry from an untouched one (kind, size, owner, mode, link target).
QString entryKind(const QString &path);

// Entries a program may find where it expects a plain file of its own: none can be read or
// written as one, and none may be removed or followed out of the folder.
inline const QStringList badEntryKinds = {
    QStringLiteral("folder"),
    QStringLiteral("dangling link"),
    QStringLiteral("link loop"),
    QStringLiteral("pipe"),
};

// Puts a bad entry of `kind` (one of badEntryKinds) at `path`; a dangling link points at
// `missingTarget`, which must not exist. A folder is not empty. False if it could not.
bool plantBadEntry(const QString &path, const QString &kind, const QString &missingTarget);

} // namespace quillon::test
