#pragma once

#include "platform/InstanceLock.h"
#include "platform/Platform.h"

#include <QSettings>

#include <memory>
#include <random>

namespace quillon {

// The text of a message as a Qt box shows it.
QString displayedMessage(const QString &text);

// Where the per-user settings store lives, and the store itself, opened only when that path
// is missing or a plain file (nothing when it is a folder, a pipe or a link to a device).
QString settingsFilePath();
std::unique_ptr<QSettings> openSettingsStore();

// The platform as the real program sees it, realised with Qt.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer messageBox(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                      Buttons buttons) override;
    QString saveFileName(QWidget *parent, const SaveDialogRequest &request) override;
    void clearClipboardIfItHolds(const QString &text) override;
    void openUrl(const QString &address) override;
    QString readSetting(const QString &section, const QString &key) override;
    bool writeSetting(const QString &section, const QString &key, const QString &value) override;
    QDate today() override;
    void seedRandom() override;
    double randomUniform() override;
    bool claimSingleInstance() override;
    void exitProcess(int code) override;

    bool exitRequested() const { return m_exitRequested; }
    int exitCode() const { return m_exitCode; }

private:
    std::unique_ptr<InstanceLock> m_instanceLock; // made at the first claim
    std::mt19937 m_generator;
    bool m_exitRequested = false;
    int m_exitCode = 0;
};

} // namespace quillon
