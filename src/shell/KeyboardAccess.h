#pragma once

#include <QPushButton>

class QAbstractButton;
class QKeyEvent;

namespace quillon {

// Return or keypad Enter without Shift, Ctrl or Alt. Whoever takes it acts only on the first
// press, not on a held key's repeats, so holding Enter cannot run through several pages.
bool isEnterKey(const QKeyEvent *event);

// A command button that Enter presses while it has the focus, as Space does. Qt's buttons
// only do so inside dialogs, and the program's main windows are not dialogs.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Enter that reaches the page unused by the control that has the focus (an option button
// or a check box) presses the page's button, the way a wizard's Enter moves it on.
void pressOnEnter(QWidget *page, QAbstractButton *button);

} // namespace quillon
