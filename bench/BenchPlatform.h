#pragma once

#include "platform/Platform.h"

#include <QMap>
#include <QStringList>

namespace quillon::bench {

// A platform for timing the real windows: no box or dialog is ever shown, nothing leaves
// the process. A box that appears anyway is counted, so the benchmark can refuse a run
// that did not go the way it was scripted.
class BenchPlatform final : public Platform
{
public:
    Answer messageBox(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                      Buttons buttons) override;
    QString saveFileName(QWidget *parent, const SaveDialogRequest &request) override;
    void clearClipboardIfItHolds(const QString &) override {}
    void openUrl(const QString &) override {}
    QString readSetting(const QString &section, const QString &key) override;
    bool writeSetting(const QString &section, const QString &key, const QString &value) override;
    QDate today() override;
    void seedRandom() override {}
    double randomUniform() override { return 0.5; }
    bool claimSingleInstance() override { return true; }
    void exitProcess(int code) override { exitCodes.append(code); }

    QString savePath;          // what the save dialog "chooses"; empty: cancelled
    QStringList unexpectedBoxes;
    QList<int> exitCodes;

private:
    QMap<QString, QString> m_store;
};

} // namespace quillon::bench
