#pragma once

#include <QList>
#include <QString>

namespace quillon {

class RichTextBox;

// One section of the report: a heading, perhaps a significance sentence, and the
// answers of one trait (none for the T-Bar group heading).
struct ReportSection {
    QString heading;
    QString traitId;
    QString significance;
};

const QList<ReportSection> &reportSections();

// Writes the whole report from the answer lists into the box, at its caret.
void ComposeReport(RichTextBox &box);

} // namespace quillon
