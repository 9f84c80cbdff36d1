// The program's start-up sequence, exactly as main.cpp runs it, ending at the main
// window's first paint. quillon-bench times it as a whole process against quillon-minimal:
// from its launch to the moment this prints ("first_paint_ns=...", the monotonic clock).
//
// With --walk it goes on the way a user would: types the names, opens the questionnaire,
// marks the first sample on every page, presses Next through to "View Result", waits for
// the report to be painted, prints its peak resident memory ("peak_kib=...") and leaves.
//
// Run it with its own XDG_CONFIG_HOME and XDG_RUNTIME_DIR, so neither the update reminder
// nor another copy's instance lock changes what it does.
#include "FirstPaint.h"
#include "ProcessStatus.h"

#include "platform/QtPlatform.h"
#include "questionnaire/TraitCatalogue.h"
#include "shell/StartUp.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <cstdio>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QWidget *topLevelNamed(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Processes events until `widget` has been painted after `action`, or a generous time has passed.
bool paintedAfter(QWidget *widget, const std::function<bool()> &action)
{
    bool painted = false;
    quillon::bench::FirstPaint watcher(widget, [&painted] { painted = true; });
    if (!action())
        return false;
    QElapsedTimer clock;
    clock.start();
    while (!painted && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return painted;
}

bool clickNamed(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    if (!button || !button->isVisible()) {
        std::fprintf(stderr, "quillon-startup-probe: no visible button %s\n", qPrintable(name));
        return false;
    }
    button->click();
    return true;
}

// The user's way through the questionnaire; false (with a message) when a step is missing.
bool walkThroughQuestionnaire(QWidget *mainWindow)
{
    auto *firstName = mainWindow->findChild<QLineEdit *>(u"txtFirstName"_s);
    auto *lastName = mainWindow->findChild<QLineEdit *>(u"txtLastName"_s);
    if (!firstName || !lastName) {
        std::fprintf(stderr, "quillon-startup-probe: the name boxes are missing\n");
        return false;
    }
    firstName->setText(u"Ada"_s);
    lastName->setText(u"Lovelace"_s);
    if (!clickNamed(mainWindow, u"cmdGoToGraphology"_s))
        return false;
    QWidget *questionnaire = topLevelNamed(u"frmGraphology"_s);
    if (!questionnaire || !paintedAfter(questionnaire, [] { return true; })) {
        std::fprintf(stderr, "quillon-startup-probe: the questionnaire did not appear\n");
        return false;
    }
    const auto &catalogue = quillon::traitCatalogue();
    for (int i = 0; i < catalogue.size(); ++i) {
        const quillon::TraitPage &trait = catalogue[i];
        const bool last = i == catalogue.size() - 1;
        auto *following = questionnaire->findChild<QWidget *>(last ? u"fraResult"_s : catalogue[i + 1].frameName());
        if (!following) {
            std::fprintf(stderr, "quillon-startup-probe: a page is missing after %s\n", qPrintable(trait.id));
            return false;
        }
        if (!clickNamed(questionnaire, trait.controlName(0)))
            return false;
        if (!paintedAfter(following, [&] { return clickNamed(questionnaire, trait.nextName()); })) {
            std::fprintf(stderr, "quillon-startup-probe: no page painted after %s\n", qPrintable(trait.id));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool walk = app.arguments().contains(u"--walk"_s);

    quillon::prepareApplication();
    quillon::QtPlatform platform;
    quillon::setPlatform(&platform);
    if (!quillon::runStartUp())
        return platform.exitCode();
    if (platform.exitRequested())
        return platform.exitCode();

    QWidget *mainWindow = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<quillon::frmMain *>(widget))
            mainWindow = widget;
    }
    if (!mainWindow) {
        std::fprintf(stderr, "quillon-startup-probe: start-up showed no main window\n");
        return 3;
    }

    int exitCode = 0;
    quillon::bench::FirstPaint atFirstPaint(mainWindow, [walk, mainWindow, &exitCode] {
        quillon::bench::reportFirstPaint();
        if (walk) {
            if (walkThroughQuestionnaire(mainWindow))
                std::printf("peak_kib=%lld\n", static_cast<long long>(quillon::bench::peakResidentKiB()));
            else
                exitCode = 2;
        }
        // exit(), not quit(): quit() first closes the windows, and the walked questionnaire would
        // stop to ask about its unsaved report.
        QCoreApplication::exit(0);
    });
    const int loopCode = app.exec();
    return exitCode ? exitCode : loopCode;
}
