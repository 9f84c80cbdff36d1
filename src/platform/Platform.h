#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace quillon {

// Every side effect a test must not really perform goes through this one seam:
// modal boxes, the save dialog, the clipboard, the browser, the settings store,
// the date, the random draw, instance detection and ending the process.
class Platform
{
public:
    enum class Icon { Information, Error };
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

    struct SaveDialogRequest {
        QString title;
        QString filter;          // as shown in the dialog's type list
        QString defaultSuffix;   // appended to a name typed without one
        bool confirmOverwrite = true;
        QString initialName;     // the name box starts with this
        QString folder;          // the folder shown first
    };

    virtual ~Platform() = default;

    virtual Answer messageBox(QWidget *parent, const QString &text, const QString &caption,
                              Icon icon, Buttons buttons) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const SaveDialogRequest &request) = 0;
    // Empties the clipboard, and the selection where the system has one, of this text only:
    // whatever else they hold, another program's data above all, stays.
    virtual void clearClipboardIfItHolds(const QString &text) = 0;
    virtual void openUrl(const QString &address) = 0;

    // Per-user store; an empty string means "not stored".
    virtual QString readSetting(const QString &section, const QString &key) = 0;
    // False when the value could not be stored.
    virtual bool writeSetting(const QString &section, const QString &key, const QString &value) = 0;

    virtual QDate today() = 0;
    virtual void seedRandom() = 0;
    virtual double randomUniform() = 0; // in [0, 1)

    // True when this process is the only running copy; claims the instance for this process.
    virtual bool claimSingleInstance() = 0;
    // Leaves the event loop and ends the process with the given code.
    virtual void exitProcess(int code) = 0;
};

// The platform the program talks to; set once at start-up (or by a test).
Platform &platform();
void setPlatform(Platform *platform);

} // namespace quillon
