// The main window and the about window as a user meets them: names, messages, focus,
// menus, link labels and the ways the windows close.
#include "links/WebLinks.h"
#include "questionnaire/frmGraphology.h"
#include "shell/frmAbout.h"
#include "shell/LinkLabel.h"
#include "shell/StartUp.h"
#include "shell/frmMain.h"
#include "support/GuiTestCase.h"
#include "support/WindowDriver.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::FakePlatform;

namespace {


frmMain *openMainWindow()
{
    auto *window = new frmMain;
    window->show();
    return window;
}

void typeNames(frmMain *window, const QString &first, const QString &last)
{
    window->findChild<QLineEdit *>(u"txtFirstName"_s)->setText(first);
    window->findChild<QLineEdit *>(u"txtLastName"_s)->setText(last);
}

// Answers the about window once it is up, the way the given action would.
void closeAboutWhenShown(std::function<void(frmAbout *)> how, bool *done)
{
    QTimer::singleShot(0, [how = std::move(how), done] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        how(about);
        *done = true;
    });
}

} // namespace

class MainWindowTest : public test::GuiTestCase
{
    Q_OBJECT

private slots:

    void newWindow_isEmptyWithFirstNameFocused()
    {
        frmMain *window = openMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->windowTitle(), u"Quillon v1.40"_s);
        QVERIFY(window->findChild<QLineEdit *>(u"txtFirstName"_s)->text().isEmpty());
        QVERIFY(window->findChild<QLineEdit *>(u"txtLastName"_s)->text().isEmpty());
        QVERIFY(!window->findChild<QRadioButton *>(u"Option1"_s)->isChecked());
        QVERIFY(!window->findChild<QRadioButton *>(u"Option2"_s)->isChecked());
        QCOMPARE(QApplication::focusWidget()->objectName(), u"txtFirstName"_s);
    }

    void tabOrder_followsTheFormThenTheLinks_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("front");
        QTest::newRow("co-branding label in front") << 0.0 << u"lblCobrand"_s;
        QTest::newRow("full-branding label in front") << 0.2 << u"lblFullBrand"_s;
    }

    void tabOrder_followsTheFormThenTheLinks()
    {
        QFETCH(double, draw);
        QFETCH(QString, front);
        frmMain *window = openMainWindow();
        m_fake->randomValues.enqueue(draw);
        CoBrand_Randomize(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        // The form from top to bottom (the two sex options are one stop; arrows move between
        // them), the links after it, only the promotional label in front, and round again.
        const QStringList expected{u"txtLastName"_s, u"cmdGoToGraphology"_s, u"Option1"_s, u"Label14"_s,
                                   u"Label3"_s, front, u"txtFirstName"_s};
        for (const QString &name : expected) {
            test::pressKey(Qt::Key_Tab);
            QCOMPARE(test::focusName(), name);
        }
        test::pressKey(Qt::Key_Backtab);
        QCOMPARE(test::focusName(), front);
    }

    void enterOnTheAnalysisCommand_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Return") << u"Smith"_s << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << u"Smith"_s << int(Qt::Key_Enter) << true;
        QTest::newRow("Return, last name missing") << u" "_s << int(Qt::Key_Return) << false;
    }

    void enterOnTheAnalysisCommand()
    {
        QFETCH(QString, last);
        QFETCH(int, key);
        QFETCH(bool, opens);
        QPointer<frmMain> window = openMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        typeNames(window, u"Ann"_s, last);
        window->findChild<QPushButton *>(u"cmdGoToGraphology"_s)->setFocus();
        test::pressKey(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::liveWindows("quillon::frmGraphology"), opens ? 1 : 0);
        QCOMPARE(window.isNull(), opens);
        QCOMPARE(m_fake->shownBoxes.size(), opens ? 0 : 1);
    }

    void nameBoxes_areNamedByTheirLabels_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::newRow("first name") << u"txtFirstName"_s << u"Label1(0)"_s << u"* Enter First Name:"_s;
        QTest::newRow("last name") << u"txtLastName"_s << u"Label1(1)"_s << u"* Enter Last Name:"_s;
    }

    void nameBoxes_areNamedByTheirLabels()
    {
        QFETCH(QString, box);
        QFETCH(QString, label);
        QFETCH(QString, name);
        frmMain *window = openMainWindow();
        QAccessibleInterface *boxInterface = QAccessible::queryAccessibleInterface(window->findChild<QLineEdit *>(box));
        QVERIFY(boxInterface);
        QCOMPARE(boxInterface->role(), QAccessible::EditableText);
        QCOMPARE(boxInterface->text(QAccessible::Name), name);
        QObject *labelObject = window->findChild<QLabel *>(label);
        bool labelled = false;
        for (const auto &relation : boxInterface->relations(QAccessible::Label))
            labelled = labelled || relation.first->object() == labelObject;
        QVERIFY(labelled);
        // Typing changes the value, never the name.
        QTest::keyClicks(window->findChild<QLineEdit *>(box), u"Ann"_s);
        QCOMPARE(boxInterface->text(QAccessible::Name), name);
        QCOMPARE(boxInterface->text(QAccessible::Value), u"Ann"_s);
    }

    void decorativeParts_areNotExposed()
    {
        frmMain *window = openMainWindow();
        QVERIFY2(test::unnamedAccessibleObjects(window).isEmpty(),
                 qPrintable(test::unnamedAccessibleObjects(window).join(u", "_s)));
        frmAbout about;
        const QList<QObject *> exposed = test::exposedObjects(&about);
        for (const QString &name : {u"picIcon"_s, u"Line2"_s}) {
            auto *decoration = about.findChild<QWidget *>(name);
            QVERIFY(decoration);
            QVERIFY2(!exposed.contains(decoration), qPrintable(name));
        }
        QVERIFY2(test::unnamedAccessibleObjects(&about).isEmpty(),
                 qPrintable(test::unnamedAccessibleObjects(&about).join(u", "_s)));
        // What is left is still there: the title, the text, the links and OK.
        for (const QString &name : {u"Label2"_s, u"Label1"_s, u"lblHomePage"_s, u"lblCoBrand"_s, u"cmdOK"_s})
            QVERIFY2(exposed.contains(about.findChild<QWidget *>(name)), qPrintable(name));
        QVERIFY(about.findChild<QWidget *>(u"picIcon"_s)->isVisibleTo(&about)); // still drawn
    }

    void promotionalLabels_onlyTheFrontOneIsReachedOrExposed_data()
    {
        tabOrder_followsTheFormThenTheLinks_data();
    }

    void promotionalLabels_onlyTheFrontOneIsReachedOrExposed()
    {
        QFETCH(double, draw);
        QFETCH(QString, front);
        const QString behind = front == u"lblCobrand"_s ? u"lblFullBrand"_s : u"lblCobrand"_s;
        frmMain *window = openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QList<QObject *> before = test::exposedObjects(window);
        m_fake->randomValues.enqueue(draw);
        CoBrand_Randomize(window); // may change the stacking after the window is up
        auto *frontLabel = window->findChild<LinkLabel *>(front);
        auto *behindLabel = window->findChild<LinkLabel *>(behind);
        QVERIFY(!frontLabel->isCovered());
        QVERIFY(behindLabel->isCovered());
        QCOMPARE(frontLabel->focusPolicy(), Qt::TabFocus);
        QCOMPARE(behindLabel->focusPolicy(), Qt::NoFocus);
        const QList<QObject *> exposed = test::exposedObjects(window);
        QVERIFY(exposed.contains(frontLabel));
        QVERIFY(!exposed.contains(behindLabel));
        QVERIFY(before.contains(window->findChild<LinkLabel *>(u"lblCobrand"_s)));
        QVERIFY(!before.contains(window->findChild<LinkLabel *>(u"lblFullBrand"_s)));
        // Both stay in the window as drawn; only the stacking tells them apart.
        QVERIFY(frontLabel->isVisible());
        QVERIFY(behindLabel->isVisible());
        QCOMPARE(frontLabel->geometry(), behindLabel->geometry());
    }

    void linkLabels_workFromTheKeyboardAndForScreenReaders_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        QTest::newRow("main Label14") << u"frmMain"_s << u"Label14"_s << communitySiteAddress();
        QTest::newRow("main Label3") << u"frmMain"_s << u"Label3"_s << communitySiteAddress();
        QTest::newRow("main lblCobrand") << u"frmMain"_s << u"lblCobrand"_s << coBrandingPageAddress();
        QTest::newRow("questionnaire Label14") << u"frmGraphology"_s << u"Label14"_s << communitySiteAddress();
        QTest::newRow("questionnaire lblCobrand") << u"frmGraphology"_s << u"lblCobrand"_s
                                                  << coBrandingPageAddress();
        QTest::newRow("about lblHomePage") << u"frmAbout"_s << u"lblHomePage"_s << communitySiteAddress();
        QTest::newRow("about lblCoBrand") << u"frmAbout"_s << u"lblCoBrand"_s << fullBrandingPageAddress();
    }

    void linkLabels_workFromTheKeyboardAndForScreenReaders()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QString, address);
        QWidget *shown = nullptr;
        if (window == u"frmMain"_s)
            shown = new frmMain;
        else if (window == u"frmGraphology"_s)
            shown = new frmGraphology;
        else
            shown = new frmAbout;
        QPointer<QWidget> guard = shown;
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        auto *link = shown->findChild<LinkLabel *>(label);
        QVERIFY(link);

        // Tab reaches it.
        for (int i = 0; i < 40 && QApplication::focusWidget() != link; ++i)
            test::pressKey(Qt::Key_Tab);
        QCOMPARE(test::focusName(), label);

        // It shows that it has the focus: a frame drawn around its text.
        const QImage focused = link->grab().toImage();
        QVERIFY(!link->focusFrameRect().isEmpty());
        link->clearFocus();
        const QImage plain = link->grab().toImage();
        link->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused.size(), plain.size());
        const QRect frame = link->focusFrameRect();
        const qreal ratio = focused.devicePixelRatio();
        // Every changed pixel lies on the frame's outline, give or take a pixel.
        const QRect outer = frame.adjusted(-1, -1, 1, 1);
        const QRect inner = frame.adjusted(2, 2, -2, -2);
        int changed = 0, changedOffFrame = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (focused.pixel(x, y) == plain.pixel(x, y))
                    continue;
                ++changed;
                const QPoint at(int(x / ratio), int(y / ratio));
                if (!outer.contains(at) || inner.contains(at))
                    ++changedOffFrame;
            }
        }
        QVERIFY2(changed >= frame.width() / 2, qPrintable(QString::number(changed)));
        QCOMPARE(changedOffFrame, 0);

        // Enter and Space open its page; a held key opens it once; the window stays.
        test::pressKey(Qt::Key_Return);
        test::pressKey(Qt::Key_Enter, Qt::KeypadModifier);
        test::pressKey(Qt::Key_Space);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(link, &repeat);
        QCOMPARE(m_fake->openedUrls, QStringList(3, address));
        QVERIFY(guard && shown->isVisible());

        // A screen reader meets a link named by its text, which it can press.
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(link);
        QVERIFY(access);
        QCOMPARE(access->role(), QAccessible::Link);
        QCOMPARE(access->text(QAccessible::Name), link->text());
        QVERIFY(access->state().focusable);
        QVERIFY(access->state().focused);
        QVERIFY(!access->state().invisible);
        QVERIFY(test::exposedObjects(shown).contains(link));
        QAccessibleActionInterface *actions = access->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_fake->openedUrls.size(), 4);
        QVERIFY(m_fake->exitCodes.isEmpty());
        delete guard.data();
    }

    void validateDetails_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("focus");
        QTest::newRow("both missing: first-name message only") << QString() << QString()
            << u"Please Enter Your First Name"_s << u"txtFirstName"_s;
        QTest::newRow("first name spaces only") << u"     "_s << u"Smith"_s
            << u"Please Enter Your First Name"_s << u"txtFirstName"_s;
        QTest::newRow("last name missing") << u"Ann"_s << QString()
            << u"Please Enter Your Last Name"_s << u"txtLastName"_s;
        QTest::newRow("last name spaces only") << u"Ann"_s << u"  "_s
            << u"Please Enter Your Last Name"_s << u"txtLastName"_s;
        QTest::newRow("tab is not padding") << u"\t"_s << u"Smith"_s << QString() << QString();
        QTest::newRow("padded names") << u"  Ann  "_s << u" Smith "_s << QString() << QString();
        QTest::newRow("other scripts") << u"Ünal"_s << u"王小明"_s << QString() << QString();
        QTest::newRow("very long") << QString(5000, u'x') << QString(5000, u'y') << QString() << QString();
    }

    void validateDetails()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        frmMain *window = openMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        typeNames(window, first, last);
        QCOMPARE(window->ValidateDetails(), message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(m_fake->shownBoxes.isEmpty());
        } else {
            QCOMPARE(m_fake->shownBoxes.size(), 1);
            QCOMPARE(m_fake->shownBoxes.constFirst().text, message);
            QCOMPARE(m_fake->shownBoxes.constFirst().caption, u"Quillon"_s);
            QCOMPARE(m_fake->shownBoxes.constFirst().icon, Platform::Icon::Error);
            QCOMPARE(m_fake->shownBoxes.constFirst().buttons, Platform::Buttons::Ok);
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        }
        // What was typed stays as typed.
        QCOMPARE(window->findChild<QLineEdit *>(u"txtFirstName"_s)->text(), first);
        QCOMPARE(window->findChild<QLineEdit *>(u"txtLastName"_s)->text(), last);
    }

    void analysisCommand_opensQuestionnaireInPlaceOfMainWindow()
    {
        QPointer<frmMain> window = openMainWindow();
        typeNames(window, u"  Ann "_s, u"Smith"_s); // no sex chosen: fine
        test::click(window, u"cmdGoToGraphology"_s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        QCOMPARE(test::liveWindows("quillon::frmGraphology"), 1);
        QVERIFY(m_fake->exitCodes.isEmpty());
    }

    void analysisCommand_refusedKeepsTheWindowAndEntries()
    {
        QPointer<frmMain> window = openMainWindow();
        typeNames(window, u"Ann"_s, u" "_s);
        window->findChild<QRadioButton *>(u"Option2"_s)->setChecked(true);
        test::click(window, u"cmdGoToGraphology"_s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window);
        QCOMPARE(test::liveWindows("quillon::frmGraphology"), 0);
        QVERIFY(window->findChild<QRadioButton *>(u"Option2"_s)->isChecked());
    }

    void fileExit_endsTheProgram()
    {
        frmMain *window = openMainWindow();
        window->findChild<QAction *>(u"mnuExit"_s)->trigger();
        QCOMPARE(m_fake->exitCodes, QList<int>{0});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::liveWindows("quillon::frmMain"), 0);
    }

    void closeBox_endsTheProgram()
    {
        frmMain *window = openMainWindow();
        QVERIFY(window->close());
        QCOMPARE(m_fake->exitCodes, QList<int>{0});
    }

    void menuBar_showsFileHelpDonateOnly()
    {
        frmMain *window = openMainWindow();
        QStringList visible;
        for (QAction *action : window->menuBar()->actions()) {
            if (action->isVisible())
                visible.append(action->text());
        }
        QCOMPARE(visible, (QStringList{u"&File"_s, u"&Help"_s, u"&Donate"_s}));
        auto *makeMoney = window->findChild<QAction *>(u"mnuMakeMoney"_s);
        QVERIFY(!makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());
        QStringList help;
        for (QAction *action : window->findChild<QMenu *>(u"mnuHelpMenu"_s)->actions())
            help.append(action->isSeparator() ? u"-"_s : action->text());
        QCOMPARE(help, (QStringList{u"&Online Help"_s, u"&Visit Us Online"_s, u"-"_s,
                                    u"Check for Software &Update"_s, u"-"_s, u"&About Software"_s}));
    }

    void linkCommands_openTheirPageAndLeaveTheWindowOpen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        for (const QString &window : {u"frmMain"_s, u"frmGraphology"_s}) {
            const auto row = [&](const QString &control, const QString &address) {
                QTest::addRow("%s %s", qPrintable(window), qPrintable(control)) << window << control << address;
            };
            row(u"mnuOnline"_s, onlineHelpAddress());
            row(u"mnuVisit"_s, communitySiteAddress());
            row(u"mnuUpdate"_s, downloadPageAddress());
            row(u"mnuDonate"_s, donationPageAddress());
            row(u"Label14"_s, communitySiteAddress());
            row(u"lblCobrand"_s, coBrandingPageAddress());
            row(u"lblFullBrand"_s, fullBrandingPageAddress());
            if (window == u"frmMain"_s)
                row(u"Label3"_s, communitySiteAddress());
        }
    }

    void linkCommands_openTheirPageAndLeaveTheWindowOpen()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, address);
        QWidget *shown = window == u"frmMain"_s ? static_cast<QWidget *>(new frmMain)
                                                : static_cast<QWidget *>(new frmGraphology);
        QPointer<QWidget> guard = shown;
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        if (auto *action = shown->findChild<QAction *>(control)) {
            action->trigger();
        } else {
            auto *label = shown->findChild<QLabel *>(control);
            QVERIFY(label);
            label->raise(); // only the label in front can be clicked
            QEnterEvent enter(QPointF(4, 4), label->mapToGlobal(QPointF(4, 4)), label->mapToGlobal(QPointF(4, 4)));
            QCoreApplication::sendEvent(label, &enter); // the mouse comes over the label
            QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
        }
        QCOMPARE(m_fake->openedUrls, QStringList{address});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard);
        QVERIFY(shown->isVisible());
        QVERIFY(m_fake->exitCodes.isEmpty());
    }

    void siteAddresses_areFixedSeparateHosts()
    {
        const QUrl community(communitySiteAddress());
        const QUrl help(donationPageAddress());
        const QUrl product(downloadPageAddress());
        for (const QUrl &url : {community, help, product}) {
            QVERIFY(url.isValid());
            QCOMPARE(url.scheme(), u"https"_s);
            QVERIFY(url.query().isEmpty());
        }
        QCOMPARE(QSet<QString>({community.host(), help.host(), product.host()}).size(), 3);
        QCOMPARE(fullBrandingPageAddress(), help.toString(QUrl::RemovePath) + u"/fully-branded.html"_s);
        QCOMPARE(coBrandingPageAddress(), help.toString(QUrl::RemovePath) + u"/co-brand.html"_s);
        QCOMPARE(onlineHelpAddress(), product.toString(QUrl::RemovePath) + u"/quillon-help.html"_s);
    }

    void communityAddressShown_isTheOneOpened()
    {
        frmMain *window = openMainWindow();
        const QString host = QUrl(communitySiteAddress()).host();
        QVERIFY(!host.isEmpty());
        QCOMPARE(window->findChild<QLabel *>(u"Label3"_s)->text(), u"Click Here To Visit "_s + host + u" Now"_s);
        frmAbout about;
        QCOMPARE(about.findChild<QLabel *>(u"lblHomePage"_s)->text(), u"Click here to visit "_s + host);
        frmGraphology questionnaire;
        QVERIFY(questionnaire.findChild<QLabel *>(u"Label14"_s)->text().endsWith(
            u"Click Here To Visit "_s + host + u" Now."_s));
    }

    void about_isModalAndClosesEveryWay_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("OK button") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("close box") << 3;
    }

    void about_isModalAndClosesEveryWay()
    {
        QFETCH(int, way);
        QPointer<frmMain> window = openMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        bool done = false;
        bool wasModal = false;
        QString focused;
        closeAboutWhenShown([&](frmAbout *about) {
            wasModal = about->isModal() && about->windowModality() == Qt::ApplicationModal;
            focused = about->focusWidget() ? about->focusWidget()->objectName() : QString();
            switch (way) {
            case 0: QTest::mouseClick(about->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton); break;
            case 1: QTest::keyClick(about, Qt::Key_Return); break;
            case 2: QTest::keyClick(about, Qt::Key_Escape); break;
            default: about->close(); break;
            }
        }, &done);
        window->findChild<QAction *>(u"mnuAbout"_s)->trigger(); // returns once the window is closed
        QVERIFY(done);
        QVERIFY(wasModal);
        QCOMPARE(focused, u"cmdOK"_s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::liveWindows("quillon::frmAbout"), 0);
        QVERIFY(window);
        QVERIFY(m_fake->exitCodes.isEmpty());
    }

    void aboutLinks_openTheirPagesAndLeaveItOpen()
    {
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.findChild<QLabel *>(u"lblHomePage"_s), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(about.findChild<QLabel *>(u"lblCoBrand"_s), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(m_fake->openedUrls, (QStringList{communitySiteAddress(), fullBrandingPageAddress()}));
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
