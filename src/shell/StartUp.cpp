#include "shell/StartUp.h"

#include "platform/Platform.h"
#include "shell/AppAssets.h"
#include "shell/AppInfo.h"
#include "shell/EndProgram.h"
#include "shell/Look.h"
#include "shell/UpdateReminder.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QLabel>

#include <cfenv>
#include <csignal>
#include <cmath>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {
short lastCoBrandNumber = 0;
}

short roundHalfToEven(float value)
{
    const int previousMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const float rounded = std::nearbyint(value);
    std::fesetround(previousMode);
    return static_cast<short>(rounded);
}

short coBrandNumber(double draw)
{
    // Single precision on purpose: the draw is a single-precision value.
    return roundHalfToEven(static_cast<float>(draw) * 6.0f + 1.0f);
}

short intCoBrandRandomNumber()
{
    return lastCoBrandNumber;
}

void CoBrand_Randomize(QWidget *mainWindow)
{
    lastCoBrandNumber = coBrandNumber(platform().randomUniform());
    if (!mainWindow)
        return;
    const char *frontName = nullptr;
    switch (lastCoBrandNumber) {
    case 2: case 4: case 6:
        frontName = "lblFullBrand";
        break;
    case 1: case 3: case 5:
        frontName = "lblCobrand";
        break;
    default:
        return; // 7: the layout's stacking stands
    }
    if (auto *label = mainWindow->findChild<QLabel *>(QString::fromLatin1(frontName)))
        label->raise();
}

void prepareApplication()
{
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLON_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    initAssets();
    installTypeface();
    useProgramLook();
    // Message boxes shown before any window, and every later one, carry the program's icon.
    QApplication::setWindowIcon(applicationIcon());
#ifdef SIGXFSZ
    // Past a file-size limit a write is to fail and be reported, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool runStartUp()
{
    Platform &system = platform();
    if (!system.claimSingleInstance()) {
        system.messageBox(nullptr, u"Application is already running"_s, applicationTitle(),
                          Platform::Icon::Information, Platform::Buttons::Ok);
        EndProgram();
        return false;
    }
    system.seedRandom();
    UpdateReminder();
    auto *mainWindow = new frmMain;
    mainWindow->show();
    CoBrand_Randomize(mainWindow);
    return true;
}

} // namespace quillon
