// One running copy at a time, checked against the real program in a second process.
#include "platform/InstanceLock.h"
#include "shell/StartUp.h"
#include "shell/frmMain.h"
#include "support/FakePlatform.h"
#include "support/WindowDriver.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::FakePlatform;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime;

    QString lockPath() const { return m_runtime.filePath(u"quillon.lock"_s); }

    void startProgram(QProcess &program)
    {
        const QString binary = qEnvironmentVariable("QUILLON_PROGRAM");
        QVERIFY2(QFileInfo::exists(binary), "QUILLON_PROGRAM must name the built program");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, m_runtime.filePath(u"config"_s));
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        program.start(binary, {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lockPath()), 15000);
    }

    // The start-up sequence of this process, with the real lock but scripted boxes.
    bool startUpHere(FakePlatform &fake)
    {
        fake.realInstanceLock = std::make_unique<InstanceLock>(lockPath());
        fake.install();
        return runStartUp();
    }

private slots:
    void initTestCase()
    {
        test::initProgramForTests();
        QVERIFY(m_runtime.isValid());
    }

    void cleanup() { test::deleteAllWindows(); }

    void secondCopy_isRefusedWhileTheFirstRuns()
    {
        QProcess first;
        startProgram(first);
        {
            FakePlatform fake;
            QVERIFY(!startUpHere(fake));
            QCOMPARE(fake.shownBoxes.size(), 1);
            QCOMPARE(fake.shownBoxes.constFirst().text, u"Application is already running"_s);
            QCOMPARE(fake.exitCodes.size(), 1);
            QCOMPARE(test::liveWindows("quillon::frmMain"), 0);
        }
        QVERIFY(first.state() == QProcess::Running); // the first copy is left alone
        first.kill();
        QVERIFY(first.waitForFinished());
    }

    void lockOfAKilledCopy_doesNotRefuseTheNextLaunch()
    {
        QProcess first;
        startProgram(first);
        first.kill(); // SIGKILL: no chance to remove its lock
        QVERIFY(first.waitForFinished());
        QVERIFY(QFileInfo::exists(lockPath()));

        FakePlatform fake;
        QVERIFY(startUpHere(fake));
        QVERIFY(fake.shownBoxes.isEmpty());
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
