#include "support/FakePlatform.h"

using namespace Qt::StringLiterals;

namespace quillon::test {

FakePlatform::FakePlatform() = default;

FakePlatform::~FakePlatform()
{
    setPlatform(nullptr);
}

void FakePlatform::install()
{
    setPlatform(this);
}

Platform::Answer FakePlatform::messageBox(QWidget *parent, const QString &text,
                                          const QString &caption, Icon icon, Buttons buttons)
{
    const ShownBox box{text, caption, icon, buttons, parent};
    shownBoxes.append(box);
    eventLog.append(u"box:"_s + text);
    if (onMessageBox)
        onMessageBox(box);
    if (!boxAnswers.isEmpty())
        return boxAnswers.dequeue();
    if (buttons == Buttons::SaveDiscardCancel)
        return Answer::Cancel;
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

QString FakePlatform::saveFileName(QWidget *, const SaveDialogRequest &request)
{
    saveRequests.append(request);
    eventLog.append(u"save-dialog"_s);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

QString FakePlatform::readSetting(const QString &section, const QString &key)
{
    return store.value(section + u'/' + key);
}

bool FakePlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    eventLog.append(u"write:"_s + key);
    if (storeWritable)
        store.insert(section + u'/' + key, value);
    return storeWritable;
}

void FakePlatform::clearClipboardIfItHolds(const QString &text)
{
    ++clipboardQueries;
    for (QString *held : {&clipboardText, &selectionText}) {
        if (!text.isEmpty() && *held == text) {
            held->clear();
            ++clipboardClears;
        }
    }
}

void FakePlatform::openUrl(const QString &address)
{
    openedUrls.append(address);
    eventLog.append(u"url:"_s + address);
}

double FakePlatform::randomUniform()
{
    return randomValues.isEmpty() ? 0.0 : randomValues.dequeue();
}

bool FakePlatform::claimSingleInstance()
{
    if (realInstanceLock)
        return realInstanceLock->tryClaim();
    return !otherInstanceRunning;
}

void FakePlatform::exitProcess(int code)
{
    exitCodes.append(code);
    eventLog.append(u"exit"_s);
}

} // namespace quillon::test
