#include "shell/LinkLabel.h"

#include "shell/Accessibility.h"
#include "shell/AppAssets.h"
#include "shell/KeyboardAccess.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace quillon {

LinkLabel::LinkLabel(const QString &objectName, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    // Tab reaches it; a click opens the page without taking the focus from where the user was.
    setFocusPolicy(Qt::TabFocus);
    leaveOutHiddenChildren(parent); // a covered link label is left out
    renewLinkInterface(this);
}

void LinkLabel::activate()
{
    emit clicked();
}

bool LinkLabel::isCovered() const
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return false;
    const QObjectList &siblings = parent->children(); // back to front
    for (qsizetype i = siblings.indexOf(const_cast<LinkLabel *>(this)) + 1; i > 0 && i < siblings.size(); ++i) {
        const auto *sibling = qobject_cast<const QWidget *>(siblings.at(i));
        if (sibling && !sibling->isHidden() && !sibling->isWindow() && sibling->geometry().contains(geometry()))
            return true;
    }
    return false;
}

void LinkLabel::updateStackedFocus()
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return;
    for (QObject *sibling : parent->children()) {
        auto *link = qobject_cast<LinkLabel *>(sibling);
        if (!link)
            continue;
        const bool covered = link->isCovered();
        const Qt::FocusPolicy wanted = covered ? Qt::NoFocus : Qt::TabFocus;
        if (link->focusPolicy() == wanted)
            continue;
        link->setFocusPolicy(wanted);
        if (covered && link->hasFocus())
            link->clearFocus();
        if (QAccessible::isActive()) {
            QAccessibleEvent change(link, covered ? QAccessible::ObjectHide : QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&change);
        }
    }
}

bool LinkLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Polish) {
        // A label that takes the focus is polished with a rich-text document of its own for
        // its text, laid out apart from the label. This one shows plain text and draws its own
        // focus frame, so it is polished as a label that takes none: it looks the same and
        // starts without the document.
        const Qt::FocusPolicy policy = focusPolicy();
        setFocusPolicy(Qt::NoFocus);
        const bool handled = QLabel::event(event);
        setFocusPolicy(policy);
        return handled;
    }
    if (event->type() == QEvent::Enter && !testAttribute(Qt::WA_SetCursor)) {
        // The pointing hand is made the first time the mouse comes over the label, not while the
        // window is built: most labels are never pointed at before the first paint.
        // The co-branding label has always shown the plain black-and-white hand.
        setCursor(objectName() == u"lblCobrand"_s ? linkPointerBlackWhite() : linkPointer());
    }
    const bool handled = QLabel::event(event);
    switch (event->type()) {
    case QEvent::ZOrderChange:
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        updateStackedFocus();
        break;
    default:
        break;
    }
    return handled;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier;
    if (!space && !isEnterKey(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        activate();
}

QRect LinkLabel::focusFrameRect() const
{
    const QRect box = contentsRect();
    int flags = int(alignment());
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect text = fontMetrics().boundingRect(box, flags, this->text());
    return text.adjusted(-1, 0, 1, 0).intersected(rect().adjusted(0, 0, -1, -1));
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame in the text's own colour, drawn the same under every style.
    QPainter painter(this);
    QPen pen(palette().color(foregroundRole()));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(focusFrameRect());
}

} // namespace quillon
