#include "platform/QtPlatform.h"
#include "shell/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quillon::prepareApplication();
    quillon::QtPlatform platform;
    quillon::setPlatform(&platform);
    if (!quillon::runStartUp())
        return platform.exitCode();
    return platform.exitRequested() ? platform.exitCode() : app.exec();
}
