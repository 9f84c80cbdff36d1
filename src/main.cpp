#include "platform/QtPlatform.h"
#include "shell/AppAssets.h"
#include "shell/Look.h"
#include "shell/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLON_APP_ID));
    // Windows give way to each other; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    quillon::initAssets();
    quillon::installTypeface();
    quillon::QtPlatform platform;
    quillon::setPlatform(&platform);
    if (!quillon::runStartUp())
        return platform.exitCode();
    return platform.exitRequested() ? platform.exitCode() : app.exec();
}
