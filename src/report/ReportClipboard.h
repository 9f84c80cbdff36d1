#pragma once

#include <QString>

namespace quillon {

// Report text the report box handed to the clipboard or the selection: by a copy, a drag
// or a mouse selection. Emptying the clipboard of the report takes back only these texts,
// so whatever another program put there stays.
void noteReportTextHandedOut(const QString &text);

// Empties the clipboard and the selection of the report text handed out, where they still
// hold it. Without such text the clipboard is not touched at all.
void clearReportTextFromClipboard();

} // namespace quillon
