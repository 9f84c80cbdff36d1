#pragma once

#include <QString>

namespace quillon {

// A path short enough for a message box: when longer than maxChars, the middle of its folder
// part gives way to an ellipsis so that the beginning and the file name stay readable; a file
// name too long on its own keeps its beginning and its end (where the extension is).
QString elidedPath(const QString &path, qsizetype maxChars = 72);

} // namespace quillon
