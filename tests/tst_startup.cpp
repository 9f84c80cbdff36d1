// Launch sequence: the single-instance refusal, the update reminder and the draw of the
// promotional label, all against the scripted platform.
#include "shell/AppAssets.h"
#include "shell/EndProgram.h"
#include "shell/Look.h"
#include "shell/StartUp.h"
#include "shell/UpdateReminder.h"
#include "shell/frmMain.h"
#include "support/GuiTestCase.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyle>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::FakePlatform;

namespace {

QString storedReminder(FakePlatform &fake)
{
    return fake.store.value(reminder::settingsSection() + u'/' + reminder::encodedKey());
}

void storeReminder(FakePlatform &fake, const QString &value)
{
    fake.store.insert(reminder::settingsSection() + u'/' + reminder::encodedKey(), value);
}


} // namespace

class StartUpTest : public test::GuiTestCase
{
    Q_OBJECT

private slots:

    void firstRun_storesTodayWithoutAsking()
    {
        QVERIFY(runStartUp());
        QVERIFY(m_fake->shownBoxes.isEmpty());
        QCOMPARE(reminder::decodeDate(storedReminder(*m_fake)), m_fake->currentDate);
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
    }

    void reminder_data()
    {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<bool>("asked");
        QTest::newRow("14 days past") << -14 << false;
        QTest::newRow("15 days past") << -15 << true;
        QTest::newRow("14 days future") << 14 << false;
        QTest::newRow("15 days future") << 15 << true;
        QTest::newRow("today") << 0 << false;
        QTest::newRow("years past") << -4000 << true;
    }

    void reminder()
    {
        QFETCH(int, daysFromToday);
        QFETCH(bool, asked);
        const QString before = reminder::encodeDate(m_fake->currentDate.addDays(daysFromToday));
        storeReminder(*m_fake, before);
        QVERIFY(runStartUp());
        QCOMPARE(m_fake->shownBoxes.size(), asked ? 1 : 0);
        if (asked) {
            const auto &box = m_fake->shownBoxes.constFirst();
            QCOMPARE(box.text, u"There maybe an update to this software available\rDo you want to check for an update?"_s);
            QCOMPARE(box.caption, u"Quillon"_s);
            QCOMPARE(box.icon, Platform::Icon::Information);
            QCOMPARE(box.buttons, Platform::Buttons::YesNo);
            QCOMPARE(reminder::decodeDate(storedReminder(*m_fake)), m_fake->currentDate);
        } else {
            QCOMPARE(storedReminder(*m_fake), before); // nothing written when not due
        }
    }

    void reminderNo_storesTodayAndOpensNothing()
    {
        storeReminder(*m_fake, reminder::encodeDate(m_fake->currentDate.addDays(-30)));
        m_fake->boxAnswers.enqueue(Platform::Answer::No);
        QVERIFY(runStartUp());
        QCOMPARE(reminder::decodeDate(storedReminder(*m_fake)), m_fake->currentDate);
        QVERIFY(m_fake->openedUrls.isEmpty());
    }

    void reminderYes_storesTodayThenOpensDownloadPage()
    {
        storeReminder(*m_fake, reminder::encodeDate(m_fake->currentDate.addDays(-30)));
        m_fake->boxAnswers.enqueue(Platform::Answer::Yes);
        QVERIFY(runStartUp());
        QCOMPARE(m_fake->openedUrls.size(), 1);
        QVERIFY(m_fake->openedUrls.constFirst().endsWith(u"/download-quillon.html"_s));
        const qsizetype written = m_fake->eventLog.indexOf(u"write:"_s + reminder::encodedKey());
        const qsizetype opened = m_fake->eventLog.indexOf(u"url:"_s + m_fake->openedUrls.constFirst());
        QVERIFY(written >= 0 && opened > written);
    }

    void reminder_isAnsweredBeforeMainWindowShows()
    {
        storeReminder(*m_fake, reminder::encodeDate(m_fake->currentDate.addDays(20)));
        int mainWindowsWhileAsking = -1;
        m_fake->onMessageBox = [&](const FakePlatform::ShownBox &) {
            mainWindowsWhileAsking = test::liveWindows("quillon::frmMain");
        };
        QVERIFY(runStartUp());
        QCOMPARE(mainWindowsWhileAsking, 0);
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
    }

    void garbageReminder_isLeftAloneAndMainWindowShows_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("not base64") << u"%%%not ours%%%"_s;
        QTest::newRow("locale date text") << u"08/12/2026"_s;
        QTest::newRow("encoded non-date") << reminder::encode(u"yesterday"_s);
        QTest::newRow("encoded impossible date") << reminder::encode(u"2026-02-30"_s);
    }

    void garbageReminder_isLeftAloneAndMainWindowShows()
    {
        QFETCH(QString, stored);
        storeReminder(*m_fake, stored);
        QVERIFY(runStartUp());
        QVERIFY(m_fake->shownBoxes.isEmpty());
        QCOMPARE(storedReminder(*m_fake), stored);
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
    }

    void unwritableStore_asksNothingAndDoesNotStopStartUp_data()
    {
        QTest::addColumn<int>("storedDaysFromToday"); // 0: nothing stored
        QTest::newRow("first run") << 0;
        QTest::newRow("reminder due") << -30;
    }

    // A store that keeps nothing must not bring the question back at every start.
    void unwritableStore_asksNothingAndDoesNotStopStartUp()
    {
        QFETCH(int, storedDaysFromToday);
        if (storedDaysFromToday != 0)
            storeReminder(*m_fake, reminder::encodeDate(m_fake->currentDate.addDays(storedDaysFromToday)));
        m_fake->storeWritable = false;
        for (int launch = 0; launch < 2; ++launch) {
            QVERIFY(runStartUp());
            test::deleteAllWindows();
        }
        QVERIFY(m_fake->shownBoxes.isEmpty());
        QVERIFY(m_fake->openedUrls.isEmpty());
        QVERIFY(m_fake->eventLog.contains(u"write:"_s + reminder::encodedKey())); // it did try
        QVERIFY(runStartUp());
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
    }

    void reminder_isStoredEncoded()
    {
        QVERIFY(runStartUp());
        const QString key = m_fake->store.firstKey();
        QVERIFY(!key.contains(u"Duration"_s));
        QVERIFY(key.startsWith(u"Settings/"_s));
        QVERIFY(!storedReminder(*m_fake).contains(u"2026"_s));
        QCOMPARE(reminder::decode(reminder::encode(u"2026-12-08"_s)), u"2026-12-08"_s);
    }

    void secondCopy_showsMessageAndEndsWithoutWindow()
    {
        m_fake->otherInstanceRunning = true;
        QVERIFY(!runStartUp());
        QCOMPARE(m_fake->shownBoxes.size(), 1);
        QCOMPARE(m_fake->shownBoxes.constFirst().text, u"Application is already running"_s);
        QCOMPARE(m_fake->shownBoxes.constFirst().icon, Platform::Icon::Information);
        QCOMPARE(m_fake->shownBoxes.constFirst().caption, u"Quillon"_s);
        QCOMPARE(m_fake->exitCodes.size(), 1);
        QCOMPARE(m_fake->seedCount, 0);
        QVERIFY(m_fake->store.isEmpty()); // the reminder never ran
        QCOMPARE(test::liveWindows("quillon::frmMain"), 0);
    }

    void preparedApplication_hasTheIconAndLookBeforeAnyWindow()
    {
        // As a desktop would leave it: its own style and no icon for windows without one.
        QApplication::setStyle(u"Windows"_s);
        QApplication::setWindowIcon(QIcon());
        QApplication::setFont(QFont(u"Serif"_s, 12));
        prepareApplication();
        QVERIFY(usesProgramStyle());
        QCOMPARE(qobject_cast<QProxyStyle *>(QApplication::style())->baseStyle()->name(), u"fusion"_s);
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(QApplication::windowIcon().cacheKey(), applicationIcon().cacheKey());
        QCOMPARE(QApplication::font(), uiFont());
        // A message box shown before the first window carries the program's icon and typeface.
        QMessageBox box(QMessageBox::Information, u"Quillon"_s, u"Application is already running"_s);
        QCOMPARE(box.windowIcon().cacheKey(), applicationIcon().cacheKey());
        QCOMPARE(designedFamily(box.font()), uiFontFamily());
        QCOMPARE(box.font().pointSizeF(), uiFont().pointSizeF());
    }

    void roundHalfToEven_atBoundaries_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("1.5") << 1.5f << 2;
        QTest::newRow("2.5") << 2.5f << 2;
        QTest::newRow("3.5") << 3.5f << 4;
        QTest::newRow("6.5") << 6.5f << 6;
        QTest::newRow("6.5001") << 6.5001f << 7;
        QTest::newRow("1.4999") << 1.4999f << 1;
    }

    void roundHalfToEven_atBoundaries()
    {
        QFETCH(float, value);
        QFETCH(int, expected);
        QCOMPARE(int(roundHalfToEven(value)), expected);
    }

    void coBrand_frontLabelFollowsTheDraw_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("front");
        QTest::newRow("0 gives 1") << 0.0 << 1 << u"lblCobrand"_s;
        QTest::newRow("0.25 gives 2.5, rounds to 2") << 0.25 << 2 << u"lblFullBrand"_s;
        QTest::newRow("0.75 gives 5.5, rounds to 6") << 0.75 << 6 << u"lblFullBrand"_s;
        QTest::newRow("0.5 gives 4") << 0.5 << 4 << u"lblFullBrand"_s;
        QTest::newRow("0.4 gives 3.4") << 0.4 << 3 << u"lblCobrand"_s;
        QTest::newRow("0.95 gives 6.7, 7") << 0.95 << 7 << u"lblCobrand"_s;
        QTest::newRow("just below 1") << 0.9999999 << 7 << u"lblCobrand"_s;
    }

    void coBrand_frontLabelFollowsTheDraw()
    {
        QFETCH(double, draw);
        QFETCH(int, number);
        QFETCH(QString, front);
        m_fake->randomValues.enqueue(draw);
        QVERIFY(runStartUp());
        QCOMPARE(int(intCoBrandRandomNumber()), number);
        auto *window = test::findWindow<frmMain>();
        QVERIFY(window);
        QWidget *frame = window->findChild<QWidget *>(u"fraFullBrand"_s);
        // The last child in stacking order is the one in front.
        QCOMPARE(frame->children().constLast()->objectName(), front);
    }

    void coBrand_fullBrandInFrontAboutHalfTheTime()
    {
        QRandomGenerator generator(20261208);
        int fullBrand = 0;
        const int draws = 120000;
        for (int i = 0; i < draws; ++i) {
            const short n = coBrandNumber(generator.generateDouble());
            QVERIFY(n >= 1 && n <= 7);
            if (n % 2 == 0)
                ++fullBrand;
        }
        // 2, 4 and 6 each take a sixth of the range: 6 in 12 of all draws.
        QVERIFY2(qAbs(double(fullBrand) / draws - 0.5) < 0.01, qPrintable(QString::number(fullBrand)));
    }

    void endProgram_closesEveryWindowAndEnds()
    {
        QVERIFY(runStartUp());
        EndProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::liveWindows("quillon::frmMain"), 0);
        QCOMPARE(m_fake->exitCodes, QList<int>{0});
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
