#include "shell/LinkLabel.h"

#include "shell/AppAssets.h"

#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace quillon {

LinkLabel::LinkLabel(const QString &objectName, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    // The co-branding label has always shown the plain black-and-white hand.
    setCursor(objectName.compare(u"lblCobrand"_s, Qt::CaseSensitive) == 0 ? linkPointerBlackWhite()
                                                                        : linkPointer());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace quillon
