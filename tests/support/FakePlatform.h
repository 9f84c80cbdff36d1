#pragma once

#include "platform/InstanceLock.h"
#include "platform/Platform.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <memory>

namespace quillon::test {

// A scripted platform: boxes and dialogs answer from queues, side effects are recorded.
class FakePlatform final : public Platform
{
public:
    struct ShownBox {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
        QWidget *parent;
    };

    FakePlatform();
    ~FakePlatform() override;

    // Installs this fake as the program's platform for its lifetime.
    void install();

    Answer messageBox(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                      Buttons buttons) override;
    QString saveFileName(QWidget *parent, const SaveDialogRequest &request) override;
    void clearClipboardIfItHolds(const QString &text) override;
    void openUrl(const QString &address) override;
    QString readSetting(const QString &section, const QString &key) override;
    bool writeSetting(const QString &section, const QString &key, const QString &value) override;
    QDate today() override { return currentDate; }
    void seedRandom() override { ++seedCount; }
    double randomUniform() override;
    bool claimSingleInstance() override;
    void exitProcess(int code) override;

    // Scripts.
    QQueue<Answer> boxAnswers;          // empty queue: Ok, No or Cancel, the answer that changes nothing
    QQueue<QString> saveAnswers;        // empty queue: the dialog is cancelled
    QQueue<double> randomValues;        // empty queue: 0.0
    QDate currentDate{2026, 12, 8};
    bool otherInstanceRunning = false;
    std::unique_ptr<InstanceLock> realInstanceLock; // when set, decides instead of the flag
    std::function<void(const ShownBox &)> onMessageBox; // runs while the box is "open"

    // Records.
    QList<ShownBox> shownBoxes;
    QList<SaveDialogRequest> saveRequests;
    QStringList openedUrls;
    QMap<QString, QString> store;       // "section/key" -> value
    QStringList eventLog;               // boxes, writes, urls and exits in the order they happened
    QString clipboardText;              // what the system clipboard holds
    QString selectionText;              // what the selection holds
    int clipboardQueries = 0;           // every look at the clipboard
    int clipboardClears = 0;            // clipboard or selection emptied
    int seedCount = 0;
    QList<int> exitCodes;
    bool storeWritable = true;
};

} // namespace quillon::test
