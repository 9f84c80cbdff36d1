#pragma once

#include <QString>
#include <QStringList>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace quillon {
struct TraitPage;
}

namespace quillon::test {

// What every GUI test needs before its first window: embedded resources and fonts.
void initProgramForTests();

// The named child, failing the test when it is missing.
template <typename T>
T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no child named %s", qPrintable(name));
    return found;
}

// Clicks the named button as a user would.
void click(QWidget *window, const QString &buttonName);
// Turns on variant 0 of a page.
void chooseFirstVariant(QWidget *window, const TraitPage &trait);
void choose(QWidget *window, const TraitPage &trait, int variantIndex, bool on = true);

// Labels, buttons and variant captions whose text does not fit inside their box.
QStringList overflowingTexts(QWidget *window);

// The first live top-level window of the given class, or null.
template <typename T>
T *findWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(widget))
            return window;
    }
    return nullptr;
}

// A main window with both names typed and the analysis command pressed: the questionnaire
// window that took its place, or null.
QWidget *openQuestionnaireAs(const QString &firstName, const QString &lastName);

// Chooses variant 0 on every page and presses Next up to the result page.
void walkToResult(QWidget *questionnaire);

// The keyboard as a user has it: keys go to the widget with the focus (failing the test
// when there is none), so shortcuts and unused keys travel as they would in the program.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString &text);
// The object name of the widget with the focus, or "(none)".
QString focusName();

// Accessible objects a screen reader would meet under the window: the widgets reachable
// from the window's accessible interface through its children.
QList<QObject *> exposedObjects(QWidget *window);
// Labels, pictures, rules, links and controls offered to screen readers with no name or
// a blank one: noise a screen reader has to read out or skip.
QStringList unnamedAccessibleObjects(QWidget *window);

// Deletes every window still alive, so the next test starts from none.
void deleteAllWindows();

// Top-level windows of the given class that are still alive (not closed and deleted).
int liveWindows(const char *className);

} // namespace quillon::test
