#include "shell/EndProgram.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace quillon {

namespace {
bool programEnding = false;
}

bool isProgramEnding()
{
    return programEnding;
}

void EndProgram()
{
    if (programEnding)
        return;
    programEnding = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows) {
        if (!window)
            continue; // closing an earlier window took this one with it
        window->close();
        if (window && !window->testAttribute(Qt::WA_DeleteOnClose))
            window->deleteLater();
    }
    programEnding = false;
    platform().exitProcess(0);
}

} // namespace quillon
