#pragma once

class QWidget;

namespace quillon {

class RichTextBox;

// The Save command: asks for a file name and writes the report there as Rich Text Format.
// A cancelled dialog ends it silently; a failed write is reported, and the report stays.
// True only when the report is in the chosen file.
bool saveReport(QWidget *parent, const RichTextBox &box);

} // namespace quillon
