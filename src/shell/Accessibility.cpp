#include "shell/Accessibility.h"

#include "shell/LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QSet>

namespace quillon {

namespace {

constexpr char hiddenProperty[] = "quillonHiddenFromAccessibility";

// Containers with a child that may be left out; forgotten as soon as they go, so a container
// on its way out falls back to Qt's own interface.
QSet<const QObject *> &filteringContainers()
{
    static QSet<const QObject *> containers;
    return containers;
}

// A container whose accessible children are its child widgets less the ones left out.
class FilteringContainer : public QAccessibleWidget
{
public:
    explicit FilteringContainer(QWidget *widget)
        : QAccessibleWidget(widget, roleOf(widget))
    {
    }

    int childCount() const override { return int(exposedChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = exposedChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(exposedChildren().indexOf(qobject_cast<QWidget *>(child->object())));
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (auto *group = qobject_cast<const QGroupBox *>(widget()))
                return QString(group->title()).remove(u'&');
        }
        return QAccessibleWidget::text(type);
    }

private:
    static QAccessible::Role roleOf(const QWidget *widget)
    {
        if (qobject_cast<const QDialog *>(widget))
            return QAccessible::Dialog;
        if (qobject_cast<const QGroupBox *>(widget))
            return QAccessible::Grouping;
        if (widget->metaObject() == &QFrame::staticMetaObject)
            return QAccessible::Border;
        return QAccessible::Client;
    }

    QList<QWidget *> exposedChildren() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !isHiddenFromAccessibility(child))
                children.append(child);
        }
        return children;
    }
};

// A link label: a link with its text as name, which a screen reader can press.
class LinkInterface : public QAccessibleWidget
{
public:
    explicit LinkInterface(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        if (link()->isCovered())
            state.invisible = true;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names{pressAction()};
        names += QAccessibleWidget::actionNames();
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction()) {
            if (link()->isEnabled() && !link()->isCovered())
                link()->activate();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }
};

QAccessibleInterface *programInterfaces(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto *label = qobject_cast<LinkLabel *>(object))
        return new LinkInterface(label);
    if (filteringContainers().contains(object))
        return new FilteringContainer(static_cast<QWidget *>(object));
    return nullptr;
}

// Qt asks for a widget's interface while the widget is being built (setting a title or a
// text does) and keeps what it got then; an interface made before the program's own could
// apply is dropped, so the next question gets the right one.
template <typename Wanted>
void renewInterface(QWidget *widget)
{
    QAccessibleInterface *existing = QAccessible::queryAccessibleInterface(widget);
    if (existing && !dynamic_cast<Wanted *>(existing))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
}

} // namespace

void renewLinkInterface(LinkLabel *label)
{
    installAccessibleInterfaces();
    renewInterface<LinkInterface>(label);
}

void installAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programInterfaces);
}

void hideFromAccessibility(QWidget *widget)
{
    installAccessibleInterfaces();
    widget->setProperty(hiddenProperty, true);
    leaveOutHiddenChildren(widget->parentWidget());
}

void leaveOutHiddenChildren(QWidget *container)
{
    installAccessibleInterfaces();
    if (!container || filteringContainers().contains(container))
        return;
    filteringContainers().insert(container);
    QObject::connect(container, &QObject::destroyed, [](QObject *gone) { filteringContainers().remove(gone); });
    renewInterface<FilteringContainer>(container);
}

bool isHiddenFromAccessibility(const QWidget *widget)
{
    if (widget->property(hiddenProperty).toBool())
        return true;
    const auto *link = qobject_cast<const LinkLabel *>(widget);
    return link && link->isCovered();
}

} // namespace quillon
