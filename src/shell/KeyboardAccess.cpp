#include "shell/KeyboardAccess.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPointer>

namespace quillon {

bool isEnterKey(const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier; // keypad Enter counts
}

CommandButton::CommandButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnterKey(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept(); // a repeat is swallowed too, so it cannot reach the page behind
    if (!event->isAutoRepeat())
        click();
}

namespace {

class EnterPresses : public QObject
{
public:
    EnterPresses(QWidget *page, QAbstractButton *button)
        : QObject(page), m_button(button)
    {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || watched != parent())
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (!isEnterKey(key))
            return false;
        key->accept();
        if (!key->isAutoRepeat() && m_button && m_button->isVisible() && m_button->isEnabled())
            m_button->click();
        return true;
    }

private:
    QPointer<QAbstractButton> m_button;
};

} // namespace

void pressOnEnter(QWidget *page, QAbstractButton *button)
{
    new EnterPresses(page, button);
}

} // namespace quillon
