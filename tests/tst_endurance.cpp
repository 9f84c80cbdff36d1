// Many rounds of the whole use in one process: main window, names, analysis command,
// questionnaire, full walk, report, "Analyze My Hand Writing Once Again". Every round
// must give back what it took: the same widgets alive afterwards, and (in a long run)
// no steady growth of resident memory.
//
// QUILLON_ENDURANCE_CYCLES sets the number of rounds (default 10).
#include "questionnaire/frmGraphology.h"
#include "report/RichTextBox.h"
#include "shell/StartUp.h"
#include "shell/frmMain.h"
#include "support/FakePlatform.h"
#include "support/WindowDriver.h"

#include <QFile>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPointer>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::FakePlatform;

namespace {

// Rounds before the first count is taken: fonts, styles and the heap settle.
constexpr int warmUpCycles = 3;
// A long run compares resident memory over its last rounds, against a tight bound.
constexpr int longRunWindow = 90;
constexpr qint64 longRunGrowthLimitKiB = 1000 * 1000 / 1024; // 1 MB
// A short run ends while the heap is still settling (a few hundred KiB a round at first),
// so it can only hold each round to a coarse allowance: enough to catch a round that
// keeps its questionnaire's pictures or pages alive, not a slow creep.
constexpr qint64 shortRunGrowthPerRoundKiB = 512;

#if defined(__SANITIZE_ADDRESS__)
#define QUILLON_RESIDENT_MEMORY_MEANINGFUL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLON_RESIDENT_MEMORY_MEANINGFUL 0
#endif
#endif
#ifndef QUILLON_RESIDENT_MEMORY_MEANINGFUL
#define QUILLON_RESIDENT_MEMORY_MEANINGFUL 1
#endif
// Under AddressSanitizer freed blocks wait in quarantine, so resident memory only grows;
// LeakSanitizer looks for leaks there instead.
constexpr bool residentMemoryIsMeaningful = QUILLON_RESIDENT_MEMORY_MEANINGFUL;

qint64 residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void deleteClosedWindows()
{
    // Twice: deleting a window can post further deferred deletes of its children's helpers.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct LiveCounts {
    qsizetype widgets = 0;
    qsizetype topLevels = 0;
    qsizetype applicationChildren = 0;

    bool operator==(const LiveCounts &other) const
    {
        return widgets == other.widgets && topLevels == other.topLevels
            && applicationChildren == other.applicationChildren;
    }
    QString toString() const
    {
        return u"%1 widgets, %2 windows, %3 application children"_s.arg(widgets).arg(topLevels).arg(
            applicationChildren);
    }
};

LiveCounts liveCounts()
{
    deleteClosedWindows();
    return {QApplication::allWidgets().size(), QApplication::topLevelWidgets().size(),
            qApp->children().size()};
}

int cyclesFromEnvironment()
{
    bool ok = false;
    const int cycles = qEnvironmentVariableIntValue("QUILLON_ENDURANCE_CYCLES", &ok);
    return ok ? cycles : 10;
}

} // namespace

class EnduranceTest : public QObject
{
    Q_OBJECT

private:
    FakePlatform m_fake;
    QString m_firstReport;

    // One round, from the main window in front to the next main window in front.
    void cycle(int round)
    {
        const QString at = u" (round %1)"_s.arg(round);
        QPointer<frmMain> mainWindow = test::findWindow<frmMain>();
        QVERIFY2(mainWindow, qPrintable(u"no main window"_s + at));
        QVERIFY(mainWindow->isVisible());

        auto *firstName = test::child<QLineEdit>(mainWindow, u"txtFirstName"_s);
        auto *lastName = test::child<QLineEdit>(mainWindow, u"txtLastName"_s);
        QVERIFY(firstName && lastName);
        QVERIFY(firstName->text().isEmpty() && lastName->text().isEmpty()); // a new window, not the old one
        QTest::keyClicks(firstName, u"Ada"_s);
        QTest::keyClicks(lastName, u"Lovelace"_s);
        test::click(mainWindow, u"cmdGoToGraphology"_s);
        if (QTest::currentTestFailed())
            return;
        deleteClosedWindows();
        QVERIFY2(!mainWindow, qPrintable(u"the main window outlived the hand-over"_s + at));

        QPointer<frmGraphology> questionnaire = test::findWindow<frmGraphology>();
        QVERIFY2(questionnaire, qPrintable(u"no questionnaire"_s + at));
        QVERIFY(questionnaire->isVisible());
        QCOMPARE(questionnaire->currentPage(), 0);

        test::walkToResult(questionnaire);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(questionnaire->currentPage(), frmGraphology::resultPageIndex);
        const QString report = questionnaire->reportBox()->toPlainText();
        QVERIFY2(report.startsWith(u"Margins"_s), qPrintable(report.left(80) + at));
        QVERIFY2(report.contains(u"Signature"_s), qPrintable(at));
        // The same answers every round: the same report, not one that grows.
        if (m_firstReport.isEmpty())
            m_firstReport = report;
        QVERIFY2(report == m_firstReport, qPrintable(u"the report differs from the first round's"_s + at));

        m_fake.boxAnswers.enqueue(Platform::Answer::Discard); // the unsaved report is let go
        test::click(questionnaire, u"cmdBackToMain"_s);
        if (QTest::currentTestFailed())
            return;
        deleteClosedWindows();
        QVERIFY2(!questionnaire, qPrintable(u"the questionnaire outlived the return"_s + at));
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
        QVERIFY2(m_fake.shownBoxes.size() == 1, qPrintable(m_fake.shownBoxes.value(1).text + at));
        QCOMPARE(m_fake.shownBoxes.constFirst().text, u"Save the report before closing?"_s);
        m_fake.shownBoxes.clear();
        QVERIFY(m_fake.exitCodes.isEmpty());
    }

private slots:
    void initTestCase()
    {
        test::initProgramForTests();
        m_fake.install();
        // Qt 6.4's pixmap cache keeps the name of every picture it has ever held, and the
        // style names its button pictures after the widget's palette, which is new in every
        // window: each round would add some 20 KB there for good, whatever this program
        // does. Without the cache the bounds below measure the program's own memory.
        QPixmapCache::setCacheLimit(0);
    }

    void cleanupTestCase() { test::deleteAllWindows(); }

    void repeatedUse_givesBackWhatItTook()
    {
        const int cycles = cyclesFromEnvironment();
        QVERIFY2(cycles > warmUpCycles, "QUILLON_ENDURANCE_CYCLES must leave rounds after the warm-up");

        QVERIFY(runStartUp());
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);

        const bool longRun = cycles >= longRunWindow + warmUpCycles;
        const int memoryFrom = longRun ? cycles - longRunWindow : warmUpCycles;
        const qint64 memoryLimit = longRun ? longRunGrowthLimitKiB
                                           : shortRunGrowthPerRoundKiB * (cycles - warmUpCycles);
        LiveCounts baseline;
        qint64 memoryAtStart = -1;

        for (int round = 1; round <= cycles; ++round) {
            cycle(round);
            if (QTest::currentTestFailed())
                return;
            const LiveCounts now = liveCounts();
            if (round == warmUpCycles) {
                baseline = now;
                QVERIFY(baseline.widgets > 0);
            } else if (round > warmUpCycles) {
                QVERIFY2(now == baseline, qPrintable(u"round %1: %2; after the warm-up: %3"_s.arg(round).arg(
                                                         now.toString(), baseline.toString())));
            }
            if (round == memoryFrom) {
                memoryAtStart = residentKiB();
                QVERIFY(memoryAtStart > 0);
            }
        }

        if (!residentMemoryIsMeaningful) {
            qInfo("resident memory not compared: sanitizer build");
            return;
        }
        const qint64 growth = residentKiB() - memoryAtStart;
        qInfo("resident memory: %+lld KiB from round %d to round %d (limit %lld KiB)", growth, memoryFrom,
              cycles, memoryLimit);
        QVERIFY2(growth < memoryLimit, qPrintable(u"resident memory grew by %1 KiB from round %2 to round %3"_s
                                                      .arg(growth).arg(memoryFrom).arg(cycles)));
    }
};

QTEST_MAIN(EnduranceTest)
#include "tst_endurance.moc"
