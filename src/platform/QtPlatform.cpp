#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
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

} // namespace

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
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
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
