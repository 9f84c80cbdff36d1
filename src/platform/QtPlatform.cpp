#include "platform/QtPlatform.h"

#include "platform/PathText.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

// True when the entry is missing or a plain file, reached at most through links. A pipe
// there would stall the start in the store's first read, and writing through a link to a
// device would put a plain file in the device's place.
bool isPlainFileOrMissing(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(name.constData(), &entry) != 0)
        return errno == ENOENT;
    if (S_ISREG(entry.st_mode))
        return true;
    struct stat target {};
    return S_ISLNK(entry.st_mode) && ::stat(name.constData(), &target) == 0 && S_ISREG(target.st_mode);
#else
    const QFileInfo entry(path);
    return entry.isFile() || (!entry.exists() && !entry.isSymLink());
#endif
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
        if (!typed.isEmpty() && typed.trimmed().isEmpty()) {
            // Taken as typed, the report would go to a file named " .doc", which looks like no name at all.
            refuse(u"A file name cannot be only spaces. Please type a name for the report."_s);
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

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/Quillon/quillon.ini"_s;
}

std::unique_ptr<QSettings> openSettingsStore()
{
    const QString path = settingsFilePath();
    // The store keeps a lock file beside it while it writes, and reads that one too.
    if (!isPlainFileOrMissing(path) || !isPlainFileOrMissing(path + u".lock"_s))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString displayedMessage(const QString &text)
{
    // A bare carriage return breaks the line in a message; Qt's labels want a line feed.
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    return shown;
}

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

Platform::Answer QtPlatform::messageBox(QWidget *parent, const QString &text,
                                        const QString &caption, Icon icon, Buttons buttons)
{
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::YesNo)
        shown = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == Buttons::SaveDiscardCancel)
        shown = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    caption, displayedMessage(text), shown, parent);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == Buttons::SaveDiscardCancel) {
        // The same words on every desktop, whatever its theme calls these buttons.
        box.button(QMessageBox::Save)->setText(u"&Save"_s);
        box.button(QMessageBox::Discard)->setText(u"Do&n't Save"_s);
        box.button(QMessageBox::Cancel)->setText(u"&Cancel"_s);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closed some other way: the answer that changes nothing.
        if (buttons == Buttons::YesNo)
            return Answer::No;
        return buttons == Buttons::SaveDiscardCancel ? Answer::Cancel : Answer::Ok;
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

void QtPlatform::clearClipboardIfItHolds(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard || text.isEmpty())
        return;
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if (mode == QClipboard::Selection && !clipboard->supportsSelection())
            continue;
        if (clipboard->text(mode) == text)
            clipboard->clear(mode);
    }
}

void QtPlatform::openUrl(const QString &address)
{
    // Whether a browser opened is not our concern: the result is ignored on purpose.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

QString QtPlatform::readSetting(const QString &section, const QString &key)
{
    const std::unique_ptr<QSettings> settings = openSettingsStore();
    if (!settings)
        return {};
    const QVariant value = settings->value(section + u'/' + key);
    // A comma outside quotes makes the store read the text as a list; it was one text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

bool QtPlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    const std::unique_ptr<QSettings> settings = openSettingsStore();
    if (!settings)
        return false;
    settings->setValue(section + u'/' + key, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
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
    if (!m_instanceLock)
        m_instanceLock = InstanceLock::forThisUser();
    return m_instanceLock->tryClaim();
}

void QtPlatform::exitProcess(int code)
{
    m_exitRequested = true;
    m_exitCode = code;
    QCoreApplication::exit(code);
}

} // namespace quillon
