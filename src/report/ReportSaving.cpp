#include "report/ReportSaving.h"

#include "platform/PathText.h"
#include "platform/Platform.h"
#include "report/RichTextBox.h"
#include "shell/AppInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

QString lastSaveFolder; // for this run only

QString startFolder()
{
    if (!lastSaveFolder.isEmpty())
        return lastSaveFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

void forgetSaveFolder()
{
    lastSaveFolder.clear();
}

bool saveReport(QWidget *parent, const RichTextBox &box)
{
    Platform &system = platform();
    Platform::SaveDialogRequest request;
    request.title = applicationTitle();
    // A bare name is saved as .doc, so both kinds must show in the list.
    request.filter = u"Rich Text Format (*.rtf *.doc)"_s;
    request.defaultSuffix = u"doc"_s;
    request.confirmOverwrite = true;
    request.initialName = QString(); // the name box opens empty every time
    request.folder = startFolder();

    const QString path = system.saveFileName(parent, request);
    if (path.isEmpty())
        return false; // cancelled

    QString reason;
    if (box.saveFile(path, &reason)) {
        lastSaveFolder = QFileInfo(path).absolutePath();
        return true;
    }
    // Failing in silence would read as success, and the report is lost when the window closes.
    system.messageBox(parent,
                      u"The report could not be saved to %1.\n%2\nThe report is still here; "
                      "you can save it again under another name."_s
                          .arg(elidedPath(path), reason),
                      applicationTitle(), Platform::Icon::Error, Platform::Buttons::Ok);
    return false;
}

} // namespace quillon
