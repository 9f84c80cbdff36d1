#pragma once

class QWidget;

namespace quillon {

class RichTextBox;

// The Save command: asks for a file name and writes the report there as Rich Text Format.
// A cancelled dialog ends it silently; a failed write is reported, and the report stays.
// True only when the report is in the chosen file.
// The dialog opens in the folder of the last successful save of this run, at first in the
// user's Documents folder.
bool saveReport(QWidget *parent, const RichTextBox &box);

// Starts over as a new run would: the next dialog opens in the Documents folder.
void forgetSaveFolder();

} // namespace quillon
