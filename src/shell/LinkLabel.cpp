#include "shell/LinkLabel.h"

#include <QMouseEvent>

namespace quillon {

LinkLabel::LinkLabel(const QString &objectName, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace quillon
