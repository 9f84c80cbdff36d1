// One running copy at a time, checked against the real program in other processes: a live
// copy keeps a launch out, and nothing else found where the lock lives ever does.
#include "platform/InstanceLock.h"
#include "shell/StartUp.h"
#include "shell/frmMain.h"
#include "support/FakePlatform.h"
#include "support/FileEntries.h"
#include "support/WindowDriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <memory>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::entryKind;
using test::FakePlatform;

namespace {

constexpr uid_t nobody = 65534;

// The folders one user's launches share: the session's runtime folder and the cache.
struct UserFolders {
    QTemporaryDir root;
    QString runtime() const { return root.filePath(u"run"_s); }
    QString cache() const { return root.filePath(u"cache"_s); }
    QString lockPath() const { return runtime() + u"/quillon.lock"_s; }

    bool make(uid_t owner)
    {
        if (!root.isValid() || !QDir().mkpath(runtime()) || !QDir().mkpath(cache()))
            return false;
        for (const QString &folder : {root.path(), runtime(), cache()}) {
            const QByteArray name = QFile::encodeName(folder);
            if (::chmod(name.constData(), 0700) != 0 || (owner != ::geteuid() && ::chown(name.constData(), owner, owner) != 0))
                return false;
        }
        return true;
    }
};

// One launch of the real program. Each launch has a settings folder of its own: the settings
// file appears once start-up is past the single-instance check and the update reminder ran.
class Launch
{
public:
    Launch(const UserFolders &folders, const QString &name, uid_t user)
        : m_config(folders.root.filePath(u"config-"_s + name))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, folders.runtime());
        environment.insert(u"XDG_CACHE_HOME"_s, folders.cache());
        environment.insert(u"XDG_CONFIG_HOME"_s, m_config);
        environment.insert(u"HOME"_s, folders.root.path());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        m_process.setProcessEnvironment(environment);
        if (user != ::geteuid()) {
            m_process.setChildProcessModifier([user] {
                // Only the calls a child may make between fork and exec; a failure shows as a
                // launch that never starts.
                if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)
                    ::_exit(127);
            });
        }
        m_process.start(qEnvironmentVariable("QUILLON_PROGRAM"), {});
    }

    ~Launch()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    bool startedUp() const { return QFileInfo::exists(m_config + u"/Quillon/quillon.ini"_s); }
    bool running() const { return m_process.state() == QProcess::Running; }
    void kill()
    {
        m_process.kill(); // SIGKILL: no chance to tidy anything up
        m_process.waitForFinished();
    }

private:
    QString m_config;
    QProcess m_process;
};

// Whether another user may start the program: every folder on the way must let them through.
bool othersCanRun(const QString &program)
{
    for (QString path = QFileInfo(program).absoluteFilePath(); path != u"/"_s;
         path = QFileInfo(path).absolutePath()) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !(info.st_mode & S_IXOTH))
            return false;
    }
    return true;
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    // The start-up sequence of this process, with the real locks but scripted boxes.
    bool startUpHere(FakePlatform &fake, const UserFolders &folders)
    {
        fake.realInstanceLock = std::make_unique<InstanceLock>(InstanceLock::lockPaths(folders.runtime(), folders.cache()));
        fake.install();
        return runStartUp();
    }

private slots:
    void initTestCase()
    {
        test::initProgramForTests();
        QVERIFY2(QFileInfo::exists(qEnvironmentVariable("QUILLON_PROGRAM")), "QUILLON_PROGRAM must name the built program");
    }

    void cleanup() { test::deleteAllWindows(); }

    void secondCopy_isRefusedWhileTheFirstRuns()
    {
        UserFolders folders;
        QVERIFY(folders.make(::geteuid()));
        Launch first(folders, u"first"_s, ::geteuid());
        QTRY_VERIFY_WITH_TIMEOUT(first.startedUp(), 20000);
        {
            FakePlatform fake;
            QVERIFY(!startUpHere(fake, folders));
            QCOMPARE(fake.shownBoxes.size(), 1);
            QCOMPARE(fake.shownBoxes.constFirst().text, u"Application is already running"_s);
            QCOMPARE(fake.exitCodes.size(), 1);
            QCOMPARE(test::liveWindows("quillon::frmMain"), 0);
        }
        QVERIFY(first.running()); // the first copy is left alone
    }

    void badLockEntry_neverKeepsTheProgramOut_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("empty") << u"empty"_s;
        QTest::newRow("garbage") << u"garbage"_s;
        QTest::newRow("from another host") << u"another host"_s;
        QTest::newRow("left by a killed copy") << u"dead owner"_s;
        QTest::newRow("folder") << u"folder"_s;
        QTest::newRow("dangling link") << u"dangling link"_s;
        QTest::newRow("link loop") << u"link loop"_s;
        QTest::newRow("pipe") << u"pipe"_s;
        QTest::newRow("mode 000") << u"mode 000"_s;
        QTest::newRow("another user's, held by them") << u"other user"_s;
    }

    void badLockEntry_neverKeepsTheProgramOut()
    {
        QFETCH(QString, kind);
        // An administrator reads a file of mode 000 all the same: run that launch as an
        // ordinary user, for whom the file is really unreadable.
        const bool asAnotherUser = kind == u"mode 000" && ::geteuid() == 0;
        const uid_t user = asAnotherUser ? nobody : ::geteuid();
        if (kind == u"other user" && ::geteuid() != 0)
            QSKIP("giving a file to another user needs the right to (root)");
        if (asAnotherUser && !othersCanRun(qEnvironmentVariable("QUILLON_PROGRAM")))
            QSKIP("the build tree is closed to other users, and to an administrator mode 000 means nothing");
        UserFolders folders;
        QVERIFY(folders.make(user));
        const QString lock = folders.lockPath();
        const QByteArray lockName = QFile::encodeName(lock);
        const auto write = [&lock](const QByteArray &bytes) {
            QFile file(lock);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        int theirs = -1;
        if (kind == u"empty") {
            QVERIFY(write({}));
        } else if (kind == u"garbage") {
            QVERIFY(write("\x01\xfe not a lock at all\n\n"));
        } else if (kind == u"another host") {
            QVERIFY(write("4242\nquillon\nsome-other-host\n"));
        } else if (kind == u"dead owner") {
            Launch killed(folders, u"killed"_s, user);
            QTRY_VERIFY_WITH_TIMEOUT(killed.startedUp(), 20000);
            killed.kill();
        } else if (test::badEntryKinds.contains(kind)) {
            QVERIFY(test::plantBadEntry(lock, kind, folders.root.filePath(u"gone/quillon.lock"_s)));
        } else if (kind == u"mode 000") {
            QVERIFY(write("4242\nquillon\nthis-host\n"));
            QCOMPARE(::chown(lockName.constData(), user, user), 0);
            QCOMPARE(::chmod(lockName.constData(), 0), 0);
        } else if (kind == u"other user") {
            QVERIFY(write("4242\nquillon\nthis-host\n"));
            QCOMPARE(::chown(lockName.constData(), nobody, nobody), 0);
            theirs = ::open(lockName.constData(), O_RDONLY | O_CLOEXEC);
            QCOMPARE(::flock(theirs, LOCK_EX | LOCK_NB), 0); // their live copy holds it
        }
        const QString before = entryKind(lock);

        {
            Launch launch(folders, u"launch"_s, user);
            QTRY_VERIFY_WITH_TIMEOUT(launch.startedUp(), 20000);
            if (!asAnotherUser) {
                // Past the bad entry it holds the instance all the same.
                FakePlatform fake;
                QVERIFY(!startUpHere(fake, folders));
                QCOMPARE(fake.shownBoxes.size(), 1);
            }
        }
        if (theirs >= 0)
            ::close(theirs);
        if (kind != u"dead owner")
            QCOMPARE(entryKind(lock), before); // passed over, never removed or rewritten
    }

    void twoLaunchesAtTheSameInstant_leaveExactlyOneRunning()
    {
        UserFolders folders;
        QVERIFY(folders.make(::geteuid()));
        // A launch closes a lock file only when it gives up: the one that runs keeps them open.
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        const auto closeWatch = qScopeGuard([watch] { ::close(watch); });
        QVERIFY(::inotify_add_watch(watch, QFile::encodeName(folders.runtime()).constData(), IN_CLOSE_NOWRITE) >= 0);
        bool gaveUp = false;
        const auto aLaunchGaveUp = [watch, &gaveUp] {
            if (gaveUp)
                return true; // the events are read once; the check is asked more than once
            alignas(inotify_event) char events[4096];
            const ssize_t size = ::read(watch, events, sizeof events);
            for (ssize_t at = 0; at < size;) {
                const auto *event = reinterpret_cast<const inotify_event *>(events + at);
                if (event->len > 0 && qstrcmp(event->name, "quillon.lock") == 0)
                    gaveUp = true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
            return gaveUp;
        };

        auto one = std::make_unique<Launch>(folders, u"one"_s, ::geteuid());
        auto two = std::make_unique<Launch>(folders, u"two"_s, ::geteuid());
        QTRY_VERIFY_WITH_TIMEOUT(one->startedUp() || two->startedUp(), 20000);
        if (two->startedUp())
            std::swap(one, two);
        QTRY_VERIFY_WITH_TIMEOUT(aLaunchGaveUp(), 20000); // the other one has decided
        {
            FakePlatform fake;
            QVERIFY(!startUpHere(fake, folders)); // the winner holds the instance
        }
        one->kill();
        // The loser still shows its box and holds nothing: a new launch gets through.
        Launch third(folders, u"third"_s, ::geteuid());
        QTRY_VERIFY_WITH_TIMEOUT(third.startedUp(), 20000);
        QVERIFY(two->running());
        QVERIFY(!two->startedUp());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
