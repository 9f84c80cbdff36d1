#include "shell/ProgramWindow.h"

#include "shell/AppAssets.h"
#include "shell/AppInfo.h"
#include "shell/EndProgram.h"
#include "shell/Look.h"
#include "shell/MenuBar.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace quillon {

QWidget *setUpProgramWindow(QMainWindow *window, const QString &name, const QSize &clientTwips)
{
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(windowCaption());
    window->setWindowIcon(applicationIcon());
    window->setFont(uiFont());
    window->setPalette(programPalette()); // light whatever the desktop's scheme
    buildMenuBar(window, [window] { window->close(); });

    auto *client = new QWidget(window);
    client->setObjectName(u"clientArea"_s);
    client->setFixedSize(twips(clientTwips.width()), twips(clientTwips.height()));
    window->setCentralWidget(client);
    useWindowBackground(client);
    return client;
}

void handleProgramWindowClose(QCloseEvent *event, bool handingOver)
{
    event->accept();
    if (!handingOver && !isProgramEnding())
        EndProgram();
}

} // namespace quillon
