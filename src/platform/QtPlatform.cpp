#include "platform/QtPlatform.h"

#include "platform/PathText.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>

#include <cmath>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"Quillon"_s, u"quillon"_s);
}

// The save dialog, refusing while it is still open a name that would not be written as typed.
class ReportFileDialog : public QFileDialog
{
public:
    ReportFileDialog(QWidget *parent, const QString &title, Platform &system)
        : QFileDialog(parent, title), m_system(system)
    {
    }

protected:
    void accept() override
    {
        const QString typed = nameBox() ? nameBox()->text() : QString();
        const QStringList chosen = selectedFiles();
        if (chosen.isEmpty()) {
            QFileDialog::accept();
            return;
        }
        if (chosen.size() > 1
            || (typed.contains(u'"') && QDir::cleanPath(chosen.constFirst()) != literalPath(typed))) {
            // The dialog reads quotes as a list of several names and would pick another file.
            refuse(u"A file name cannot contain a double quote (\"). Please type another name."_s);
            return;
        }
        const QFileInfo target(chosen.constFirst());
        if (!target.isDir()) { // a folder's name opens the folder
            if (!QFileInfo(target.absolutePath()).isDir()) {
                refuse(u"The folder %1 does not exist. Please choose an existing folder."_s
                           .arg(elidedPath(target.absolutePath())));
                return;
            }
            // As when writing: the owner's write bit counts even for an administrator.
            if (target.exists() && (!target.isFile() || !(target.permissions() & QFileDevice::WriteOwner)
                                    || !target.isWritable())) {
                refuse(u"%1 is read-only and cannot be replaced. Please type another name."_s
                           .arg(elidedPath(target.filePath())));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    QLineEdit *nameBox() const { return findChild<QLineEdit *>(u"fileNameEdit"_s); }

    // The file the typed text names when every character is taken as part of the name.
    QString literalPath(const QString &typed) const
    {
        QString path = QDir::cleanPath(directory().absoluteFilePath(typed));
        if (!defaultSuffix().isEmpty() && !QFileInfo(path).fileName().contains(u'.'))
            path += u'.' + defaultSuffix();
        return path;
    }

    void refuse(const QString &text)
    {
        m_system.messageBox(this, text, windowTitle(), Platform::Icon::Error, Platform::Buttons::Ok);
        if (QLineEdit *name = nameBox())
            name->setFocus(); // the typed name stays, ready to be corrected
    }

    Platform &m_system;
};

} // namespace

QString displayedMessage(const QString &text)
{
    // A bare carriage return breaks the line in a message; Qt's labels want a line feed.
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    return shown;
}

QtPlatform::QtPlatform()
    : m_instanceLock(InstanceLock::defaultPath())
{
}

Platform::Answer QtPlatform::messageBox(QWidget *parent, const QString &text,
                                        const QString &caption, Icon icon, Buttons buttons)
{
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    caption, displayedMessage(text),
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Ok,
                    parent);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

QString QtPlatform::saveFileName(QWidget *parent, const SaveDialogRequest &request)
{
    ReportFileDialog dialog(parent, request.title, *this);
    // The checks in accept() need the dialog still open when they refuse a name.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtPlatform::clearClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

void QtPlatform::openUrl(const QString &address)
{
    // Whether a browser opened is not our concern: the result is ignored on purpose.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

QString QtPlatform::readSetting(const QString &section, const QString &key)
{
    QSettings settings = userSettings();
    return settings.value(section + u'/' + key).toString();
}

void QtPlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    QSettings settings = userSettings();
    settings.setValue(section + u'/' + key, value);
    settings.sync();
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

void QtPlatform::seedRandom()
{
    m_generator.seed(static_cast<std::mt19937::result_type>(
        QDateTime::currentMSecsSinceEpoch() ^ QDateTime::currentDateTime().time().msecsSinceStartOfDay()));
}

double QtPlatform::randomUniform()
{
    const double r = std::generate_canonical<double, 32>(m_generator);
    // Some standard libraries can round up to exactly 1; the draw must stay below it.
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

bool QtPlatform::claimSingleInstance()
{
    return m_instanceLock.tryClaim();
}

void QtPlatform::exitProcess(int code)
{
    m_exitRequested = true;
    m_exitCode = code;
    QCoreApplication::exit(code);
}

} // namespace quillon
