#pragma once

#include <QSize>
#include <QString>

class QCloseEvent;
class QMainWindow;
class QWidget;

namespace quillon {

// What the main and questionnaire windows share: name, caption, icon, font, the menu bar
// (File, Exit closes the window) and a fixed client area in the window background.
// Returns the client area, the container of the window's controls.
QWidget *setUpProgramWindow(QMainWindow *window, const QString &name, const QSize &clientTwips);

// The one close handler of both windows: a close on the way to the other window lets the
// program go on; any other close (close box, File, Exit) ends it.
void handleProgramWindowClose(QCloseEvent *event, bool handingOver);

} // namespace quillon
