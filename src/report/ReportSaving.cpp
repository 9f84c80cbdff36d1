#include "report/ReportSaving.h"

#include "platform/Platform.h"
#include "report/RichTextBox.h"
#include "shell/AppInfo.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace quillon {

bool saveReport(QWidget *parent, const RichTextBox &box)
{
    Platform &system = platform();
    Platform::SaveDialogRequest request;
    request.title = applicationTitle();
    request.filter = u"Rich Text Format (*.rtf)"_s;
    request.defaultSuffix = u"doc"_s;
    request.confirmOverwrite = true;
    request.initialName = QString(); // the name box opens empty every time

    const QString path = system.saveFileName(parent, request);
    if (path.isEmpty())
        return false; // cancelled

    QString reason;
    if (box.saveFile(path, &reason))
        return true;
    // Failing in silence would read as success, and the report is lost when the window closes.
    system.messageBox(parent,
                      u"The report could not be saved to %1.\n%2\nThe report is still here; "
                      "you can save it again under another name."_s
                          .arg(QDir::toNativeSeparators(path), reason),
                      applicationTitle(), Platform::Icon::Error, Platform::Buttons::Ok);
    return false;
}

} // namespace quillon
