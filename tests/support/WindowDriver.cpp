#include "support/WindowDriver.h"

#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/VariantButton.h"
#include "questionnaire/frmGraphology.h"
#include "shell/frmMain.h"
#include "shell/AppAssets.h"
#include "shell/Look.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;

namespace quillon::test {

void initProgramForTests()
{
    initAssets();
    installTypeface();
    useProgramLook();
}

void click(QWidget *window, const QString &buttonName)
{
    auto *button = window->findChild<QAbstractButton *>(buttonName);
    QVERIFY2(button, qPrintable(u"no button "_s + buttonName));
    QVERIFY2(button->isVisible(), qPrintable(buttonName + u" is not on the page in front"_s));
    QTest::mouseClick(button, Qt::LeftButton);
}

void choose(QWidget *window, const TraitPage &trait, int variantIndex, bool on)
{
    auto *control = window->findChild<QAbstractButton *>(trait.controlName(variantIndex));
    QVERIFY2(control, qPrintable(trait.controlName(variantIndex)));
    if (control->isChecked() != on)
        QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(control->isChecked(), on);
}

void chooseFirstVariant(QWidget *window, const TraitPage &trait)
{
    choose(window, trait, 0, true);
}

QWidget *openQuestionnaireAs(const QString &firstName, const QString &lastName)
{
    auto *mainWindow = new frmMain;
    mainWindow->show();
    mainWindow->findChild<QLineEdit *>(u"txtFirstName"_s)->setText(firstName);
    mainWindow->findChild<QLineEdit *>(u"txtLastName"_s)->setText(lastName);
    click(mainWindow, u"cmdGoToGraphology"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return findWindow<frmGraphology>();
}

void walkToResult(QWidget *questionnaire)
{
    for (const TraitPage &trait : traitCatalogue()) {
        chooseFirstVariant(questionnaire, trait);
        click(questionnaire, trait.nextName());
    }
}

QStringList overflowingTexts(QWidget *window)
{
    QStringList found;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().trimmed().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect box = label->contentsRect();
        QRect needed;
        if (label->wordWrap())
            needed = metrics.boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, label->text());
        else
            needed = QRect(0, 0, metrics.horizontalAdvance(label->text()), metrics.height());
        if (needed.width() > box.width() || needed.height() > box.height())
            found.append(u"%1: needs %2x%3, has %4x%5"_s.arg(label->objectName())
                             .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height()));
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const bool variant = qobject_cast<VariantRadioButton *>(button) || qobject_cast<VariantCheckBox *>(button);
        const QFontMetrics metrics(variant ? fittedCaptionFont(button) : button->font());
        QRect box;
        int flags = Qt::TextShowMnemonic;
        if (variant) {
            box = variantCaptionRect(button);
            flags |= Qt::TextWordWrap;
        } else if (qobject_cast<QPushButton *>(button)) {
            box = button->rect().adjusted(4, 2, -4, -2); // room for the button's bevel
        } else if (qobject_cast<QRadioButton *>(button) || qobject_cast<QCheckBox *>(button)) {
            // What the style leaves beside the indicator.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            box = button->style()->subElementRect(qobject_cast<QRadioButton *>(button)
                                                      ? QStyle::SE_RadioButtonContents
                                                      : QStyle::SE_CheckBoxContents,
                                                  &option, button);
        } else {
            continue;
        }
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 100000), flags, button->text());
        if (needed.width() > box.width() || needed.height() > box.height())
            found.append(u"%1: needs %2x%3, has %4x%5"_s.arg(button->objectName())
                             .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height()));
    }
    return found;
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus, "no widget has the keyboard focus");
    QTest::keyClick(focus, key, modifiers);
}

void typeText(const QString &text)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus, "no widget has the keyboard focus");
    QTest::keyClicks(focus, text);
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : u"(none)"_s;
}

namespace {

void collectExposed(QAccessibleInterface *node, QList<QAccessibleInterface *> &found)
{
    if (!node || found.contains(node))
        return;
    found.append(node);
    for (int i = 0; i < node->childCount(); ++i)
        collectExposed(node->child(i), found);
}

QList<QAccessibleInterface *> exposedInterfaces(QWidget *window)
{
    QList<QAccessibleInterface *> found;
    collectExposed(QAccessible::queryAccessibleInterface(window), found);
    return found;
}

} // namespace

QList<QObject *> exposedObjects(QWidget *window)
{
    QList<QObject *> objects;
    for (QAccessibleInterface *node : exposedInterfaces(window))
        objects.append(node->object());
    return objects;
}

QStringList unnamedAccessibleObjects(QWidget *window)
{
    // Roles that only speak through their name; containers, Qt's own scroll parts and menu
    // separators (which screen readers pass over) are left aside.
    const QList<QAccessible::Role> speaking{QAccessible::StaticText, QAccessible::Graphic, QAccessible::Border,
                                            QAccessible::Link, QAccessible::PushButton, QAccessible::RadioButton,
                                            QAccessible::CheckBox, QAccessible::EditableText};
    QStringList found;
    for (QAccessibleInterface *node : exposedInterfaces(window)) {
        if (node->childCount() > 0 || !speaking.contains(node->role()))
            continue;
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            found.append(u"%1 (role %2)"_s.arg(node->object() ? node->object()->objectName() : u"?"_s)
                             .arg(int(node->role())));
    }
    return found;
}

int liveWindows(const char *className)
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits(className))
            ++count;
    }
    return count;
}

} // namespace quillon::test

namespace quillon::test {

void deleteAllWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget())
            windows.append(widget);
    }
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

} // namespace quillon::test
