#include "shell/MenuBar.h"

#include "links/WebLinks.h"
#include "shell/frmAbout.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

QAction *addCommand(QWidget *container, const QString &name, const QString &caption,
                    std::function<void()> command)
{
    auto *action = new QAction(caption, container);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, container, [command = std::move(command)] { command(); });
    container->addAction(action);
    return action;
}

void addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

void buildMenuBar(QMainWindow *window, std::function<void()> onExit)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(u"menuBar"_s);

    QMenu *file = bar->addMenu(u"&File"_s);
    file->setObjectName(u"mnuFileMenu"_s);
    file->menuAction()->setObjectName(u"mnuFile"_s);
    addCommand(file, u"mnuExit"_s, u"E&xit"_s, std::move(onExit));

    QMenu *help = bar->addMenu(u"&Help"_s);
    help->setObjectName(u"mnuHelpMenu"_s);
    help->menuAction()->setObjectName(u"mnuHelp"_s);
    addCommand(help, u"mnuOnline"_s, u"&Online Help"_s, OpenOnlineHelp);
    addCommand(help, u"mnuVisit"_s, u"&Visit Us Online"_s, OpenCommunitySite);
    addSeparator(help, u"mnuSep1"_s);
    addCommand(help, u"mnuUpdate"_s, u"Check for Software &Update"_s, OpenDownloadPage);
    addSeparator(help, u"mnuSep2"_s);
    addCommand(help, u"mnuAbout"_s, u"&About Software"_s, [window] { showAboutWindow(window); });

    addCommand(bar, u"mnuDonate"_s, u"&Donate"_s, OpenDonationPage);
    QAction *makeMoney = addCommand(bar, u"mnuMakeMoney"_s, u"Make Money &Online"_s, OpenFullBrandingPage);
    makeMoney->setVisible(false);
    makeMoney->setEnabled(false);
}

void showAboutWindow(QMainWindow *owner)
{
    auto *about = new frmAbout(owner);
    about->exec();
}

} // namespace quillon
