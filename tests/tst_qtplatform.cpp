// The Qt side of the platform seam: the real save dialog, message box, settings store,
// clipboard, random draw and instance lock, each driven as a user or the system would.
#include "platform/InstanceLock.h"
#include "platform/QtPlatform.h"
#include "report/ReportClipboard.h"
#include "report/RichTextBox.h"
#include "support/FileEntries.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::entryKind;

namespace {

Platform::SaveDialogRequest reportRequest(const QString &folder)
{
    Platform::SaveDialogRequest request;
    request.title = u"Quillon"_s;
    request.filter = u"Rich Text Format (*.rtf *.doc)"_s;
    request.defaultSuffix = u"doc"_s;
    request.folder = folder;
    return request;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class QtPlatformTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    std::unique_ptr<QtPlatform> m_platform;

private slots:
    void initTestCase()
    {
        // Settings and lock files go to a folder of the test's own.
        qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_s).toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_home.path().toUtf8());
        test::initProgramForTests();
        m_platform = std::make_unique<QtPlatform>();
    }

    void saveDialog_completesABareNameWithDoc()
    {
        QTemporaryDir folder;
        QString seenTitle, seenFilter, seenName;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seenTitle = dialog->windowTitle();
            seenFilter = dialog->nameFilters().join(u'|');
            auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
            QVERIFY(name);
            seenName = name->text();
            dialog->setDirectory(folder.path());
            name->setText(u"my report"_s);
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = m_platform->saveFileName(nullptr, reportRequest(QString()));
        QCOMPARE(chosen, folder.filePath(u"my report.doc"_s));
        QCOMPARE(seenTitle, u"Quillon"_s);
        QCOMPARE(seenFilter, u"Rich Text Format (*.rtf *.doc)"_s);
        QVERIFY(seenName.isEmpty());
    }

    void saveDialog_cancelGivesNoName()
    {
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->reject();
        });
        QVERIFY(m_platform->saveFileName(nullptr, reportRequest(QString())).isEmpty());
    }

    void saveDialog_opensInTheGivenFolderAndListsBothKinds()
    {
        QTemporaryDir folder;
        for (const char *name : {"a.doc", "b.rtf", "c.txt"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QString shownFolder;
        QStringList listed;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shownFolder = dialog->directory().absolutePath();
            auto *view = dialog->findChild<QListView *>(u"listView"_s);
            QVERIFY(view);
            // The folder is read in the background.
            QTRY_VERIFY(view->model()->rowCount(view->rootIndex()) >= 2);
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                listed.append(view->model()->index(row, 0, view->rootIndex()).data().toString());
            dialog->reject();
        });
        QVERIFY(m_platform->saveFileName(nullptr, reportRequest(folder.path())).isEmpty());
        QCOMPARE(shownFolder, folder.path());
        listed.sort();
        QCOMPARE(listed, (QStringList{u"a.doc"_s, u"b.rtf"_s}));
    }

    void saveDialog_refusesANameItWouldNotWriteAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");
        QTest::newRow("quote inside") << u"q'b\"c.doc"_s << u"double quote"_s;
        QTest::newRow("quote, no suffix") << u"plain\"quote"_s << u"double quote"_s;
        QTest::newRow("quoted list") << u"\"a.doc\" \"b.doc\""_s << u"double quote"_s;
        QTest::newRow("quote in a folder part") << u"x\"y/z.doc"_s << u"double quote"_s;
        QTest::newRow("missing folder") << u"gone/report.doc"_s << u"does not exist"_s;
        QTest::newRow("read-only file") << u"locked.doc"_s << u"read-only"_s;
        // Spaces alone would be saved as " .doc", a file whose name looks like none at all.
        QTest::newRow("only a space") << u" "_s << u"only spaces"_s;
        QTest::newRow("only spaces and a tab") << u"  \t "_s << u"only spaces"_s;
    }

    void saveDialog_refusesANameItWouldNotWriteAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, said);
        QTemporaryDir folder;
        {
            QFile locked(folder.filePath(u"locked.doc"_s));
            QVERIFY(locked.open(QIODevice::WriteOnly));
            locked.write("kept");
        }
        QFile::setPermissions(folder.filePath(u"locked.doc"_s), QFile::ReadOwner);
        QVERIFY(QDir(folder.path()).mkdir(u"x\"y"_s));
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QStringList workingBefore = QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        QString boxText, nameAfter;
        bool boxOverDialog = false;
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
            QVERIFY(name);
            name->setText(typed);
            QTimer::singleShot(0, [&, dialog] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                boxText = box->text();
                boxOverDialog = box->parentWidget() == dialog;
                box->button(QMessageBox::Ok)->click();
            });
            QTest::keyClick(name, Qt::Key_Return);
            stillOpen = dialog->isVisible();
            nameAfter = name->text();
            dialog->reject();
        });
        const QString chosen = m_platform->saveFileName(nullptr, reportRequest(folder.path()));
        QVERIFY2(chosen.isEmpty(), qPrintable(chosen));
        QVERIFY2(boxText.contains(said), qPrintable(boxText));
        QVERIFY(boxOverDialog);
        QVERIFY(stillOpen);
        QCOMPARE(nameAfter, typed);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), workingBefore);
    }

    void messageBox_showsTextAndReturnsTheButtonPressed_data()
    {
        QTest::addColumn<int>("buttons"); // Platform::Buttons
        QTest::addColumn<int>("press");   // QMessageBox::StandardButton, or Escape when 0
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("captions");
        const int yesNo = int(Platform::Buttons::YesNo);
        const int saveDiscardCancel = int(Platform::Buttons::SaveDiscardCancel);
        const QStringList saveCaptions{u"&Save"_s, u"Do&n't Save"_s, u"&Cancel"_s};
        QTest::newRow("Yes") << yesNo << int(QMessageBox::Yes) << int(Platform::Answer::Yes) << QStringList();
        QTest::newRow("No") << yesNo << int(QMessageBox::No) << int(Platform::Answer::No) << QStringList();
        QTest::newRow("OK") << int(Platform::Buttons::Ok) << int(QMessageBox::Ok) << int(Platform::Answer::Ok)
                            << QStringList();
        QTest::newRow("Save") << saveDiscardCancel << int(QMessageBox::Save) << int(Platform::Answer::Save)
                              << saveCaptions;
        QTest::newRow("Don't Save") << saveDiscardCancel << int(QMessageBox::Discard)
                                    << int(Platform::Answer::Discard) << saveCaptions;
        QTest::newRow("Cancel") << saveDiscardCancel << int(QMessageBox::Cancel) << int(Platform::Answer::Cancel)
                                << saveCaptions;
        QTest::newRow("Escape cancels") << saveDiscardCancel << 0 << int(Platform::Answer::Cancel) << saveCaptions;
    }

    void messageBox_showsTextAndReturnsTheButtonPressed()
    {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QFETCH(QStringList, captions);
        const bool error = buttons == int(Platform::Buttons::Ok);
        QString shownText, shownTitle;
        QStringList shownCaptions;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            for (auto standard : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}) {
                if (QAbstractButton *button = box->button(standard))
                    shownCaptions.append(button->text());
            }
            if (press == 0)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(QMessageBox::StandardButton(press))->click();
        });
        const auto result = m_platform->messageBox(nullptr, u"First line\rSecond line"_s, u"Quillon"_s,
                                                   error ? Platform::Icon::Error : Platform::Icon::Information,
                                                   Platform::Buttons(buttons));
        QCOMPARE(int(result), answer);
        QCOMPARE(shownText, u"First line\nSecond line"_s);
        QCOMPARE(shownTitle, u"Quillon"_s);
        QCOMPARE(shownIcon, error ? QMessageBox::Critical : QMessageBox::Information);
        QCOMPARE(shownCaptions, captions);
    }

    void settings_roundTripAndMissingReadsEmpty()
    {
        QVERIFY(m_platform->readSetting(u"Settings"_s, u"NeverWritten"_s).isEmpty());
        m_platform->writeSetting(u"Settings"_s, u"Key"_s, u"value with spaces / and = signs"_s);
        QtPlatform another; // a later launch reads what this one stored
        QCOMPARE(another.readSetting(u"Settings"_s, u"Key"_s), u"value with spaces / and = signs"_s);
    }

    void settings_valueWithCommasReadsAsOneText()
    {
        QVERIFY(QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath()));
        // As a person might write it by hand: the store itself would quote the commas.
        writeFile(settingsFilePath(), "[Settings]\nByHand=2026-01-01,later\n");
        QCOMPARE(m_platform->readSetting(u"Settings"_s, u"ByHand"_s), u"2026-01-01,later"_s);
        QVERIFY(m_platform->writeSetting(u"Settings"_s, u"Written"_s, u"a,b, c"_s));
        QCOMPARE(QtPlatform().readSetting(u"Settings"_s, u"Written"_s), u"a,b, c"_s);
        QCOMPARE(m_platform->readSetting(u"Settings"_s, u"ByHand"_s), u"2026-01-01,later"_s);
    }

    void settings_onlyAPlainFileIsOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << u"pipe"_s;
        QTest::newRow("link to a pipe elsewhere") << u"link to pipe"_s;
        QTest::newRow("link to a device elsewhere") << u"link to device"_s;
        QTest::newRow("folder") << u"folder"_s;
        QTest::newRow("dangling link") << u"dangling link"_s;
        QTest::newRow("pipe as the store's lock file") << u"pipe lock"_s;
    }

    // Start-up reads the store before any window: nothing may stall it, and nothing outside
    // the store's folder may change.
    void settings_onlyAPlainFileIsOpened()
    {
        QFETCH(QString, kind);
        QTemporaryDir elsewhere;
        const QString path = settingsFilePath();
        const QString folder = QFileInfo(path).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().mkpath(folder));
        const QString outside = elsewhere.filePath(u"target"_s);
        const QByteArray outsideName = QFile::encodeName(outside);
        if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"pipe lock")
            QCOMPARE(::mkfifo(QFile::encodeName(path + u".lock"_s).constData(), 0600), 0);
        else if (test::badEntryKinds.contains(kind))
            QVERIFY(test::plantBadEntry(path, kind, outside));
        else if (kind == u"link to pipe" || kind == u"link to device") {
            if (kind == u"link to pipe")
                QCOMPARE(::mkfifo(outsideName.constData(), 0600), 0);
            // A node like /dev/zero of the test's own, so a fault cannot harm the real one.
            else if (::mknod(outsideName.constData(), S_IFCHR | 0644, makedev(1, 5)) != 0)
                QSKIP("making a device node needs the right to (root)");
            QVERIFY(QFile::link(outside, path));
        }
        const QString before = entryKind(path);
        const QString outsideBefore = entryKind(outside);
        const QString lockBefore = entryKind(path + u".lock"_s);

        QVERIFY(m_platform->readSetting(u"Settings"_s, u"Key"_s).isEmpty());
        QVERIFY(!m_platform->writeSetting(u"Settings"_s, u"Key"_s, u"value"_s));

        QCOMPARE(entryKind(path), before);
        QCOMPARE(entryKind(outside), outsideBefore);
        QCOMPARE(entryKind(path + u".lock"_s), lockBefore);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 1);
        QVERIFY(QDir(folder).removeRecursively());
    }

    void settings_linkToAPlainFileIsFollowed()
    {
        QTemporaryDir dotfiles; // as a person who keeps settings files in one place links them
        const QString target = dotfiles.filePath(u"quillon.ini"_s);
        writeFile(target, "[Settings]\nKey=kept\n");
        const QString folder = QFileInfo(settingsFilePath()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::link(target, settingsFilePath()));
        QCOMPARE(m_platform->readSetting(u"Settings"_s, u"Key"_s), u"kept"_s);
        QVERIFY(m_platform->writeSetting(u"Settings"_s, u"Other"_s, u"new"_s));
        QCOMPARE(QSettings(target, QSettings::IniFormat).value(u"Settings/Other"_s).toString(), u"new"_s);
        QVERIFY(QDir(folder).removeRecursively());
    }

    void settings_storeThatCannotBeWrittenSaysSo()
    {
        const QByteArray home = qgetenv("XDG_CONFIG_HOME");
        // No one, not even an administrator, can make a folder there.
        qputenv("XDG_CONFIG_HOME", "/proc/self");
        const bool written = m_platform->writeSetting(u"Settings"_s, u"Key"_s, u"value"_s);
        const QString read = m_platform->readSetting(u"Settings"_s, u"Key"_s);
        qputenv("XDG_CONFIG_HOME", home);
        QVERIFY(!written);
        QVERIFY(read.isEmpty());
    }

    void clipboard_onlyTheGivenTextIsTakenBack()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(u"copied elsewhere"_s);
        m_platform->clearClipboardIfItHolds(u"report text"_s);
        QCOMPARE(clipboard->text(), u"copied elsewhere"_s);
        m_platform->clearClipboardIfItHolds(u"copied elsewhere"_s);
        QVERIFY(clipboard->text().isEmpty());
        if (clipboard->supportsSelection()) {
            clipboard->setText(u"selected elsewhere"_s, QClipboard::Selection);
            m_platform->clearClipboardIfItHolds(u"report text"_s);
            QCOMPARE(clipboard->text(QClipboard::Selection), u"selected elsewhere"_s);
        }
    }

    // The whole way: text copied from the report box is taken back, anything else stays.
    void clipboard_reportTextCopiedFromTheBoxIsTakenBack()
    {
        setPlatform(m_platform.get());
        QClipboard *clipboard = QGuiApplication::clipboard();
        RichTextBox box;
        box.insertAtCaret(u"Margins\r\nThe margins indicate your tolerance.\r\n"_s);
        clipboard->setText(u"copied elsewhere"_s);
        clearReportTextFromClipboard();
        QCOMPARE(clipboard->text(), u"copied elsewhere"_s);

        box.selectAll();
        box.copy();
        QVERIFY(clipboard->text().contains(u"tolerance"_s));
        clearReportTextFromClipboard();
        QVERIFY(clipboard->text().isEmpty());

        box.copy();
        clipboard->setText(u"copied elsewhere afterwards"_s); // another program took the clipboard
        clearReportTextFromClipboard();
        QCOMPARE(clipboard->text(), u"copied elsewhere afterwards"_s);
        setPlatform(nullptr);
    }

    void randomDraw_staysInHalfOpenRange()
    {
        m_platform->seedRandom();
        double lowest = 1.0, highest = 0.0;
        for (int i = 0; i < 100000; ++i) {
            const double r = m_platform->randomUniform();
            QVERIFY(r >= 0.0 && r < 1.0);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.01 && highest > 0.99);
    }

    void instanceLock_isHeldUntilReleased()
    {
        const QString path = m_home.filePath(u"test.lock"_s);
        auto first = std::make_unique<InstanceLock>(path);
        QVERIFY(first->tryClaim());
        InstanceLock second(path);
        QVERIFY(!second.tryClaim());
        QVERIFY(!second.isClaimed());
        first.reset();
        QVERIFY(second.tryClaim());
        QCOMPARE(second.heldPaths(), QStringList{path});
    }

    // Two launches that share any one lock file cannot both run; the first one held wins.
    void instanceLock_anySharedPathRefuses()
    {
        QTemporaryDir folder;
        const QString a = folder.filePath(u"a.lock"_s), b = folder.filePath(u"b.lock"_s),
                      c = folder.filePath(u"c.lock"_s);
        InstanceLock running({a, b});
        QVERIFY(running.tryClaim());
        QCOMPARE(running.heldPaths(), (QStringList{a, b}));
        InstanceLock sharingTheSecond({c, b});
        QVERIFY(!sharingTheSecond.tryClaim());
        QVERIFY(sharingTheSecond.heldPaths().isEmpty()); // what it took on the way is let go
        InstanceLock third({c});
        QVERIFY(third.tryClaim());
    }

    void instanceLock_badEntriesArePassedOverAndLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << u"folder"_s;
        QTest::newRow("dangling link") << u"dangling link"_s;
        QTest::newRow("link loop") << u"link loop"_s;
        QTest::newRow("link to a held lock") << u"link to held"_s;
        QTest::newRow("pipe") << u"pipe"_s;
        QTest::newRow("another user's held lock") << u"other user"_s;
    }

    void instanceLock_badEntriesArePassedOverAndLeftAlone()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString bad = folder.filePath(u"quillon.lock"_s);
        const QString good = folder.filePath(u"second.lock"_s);
        const QString elsewhere = folder.filePath(u"elsewhere.lock"_s);
        int theirs = -1;
        const auto closeTheirs = qScopeGuard([&theirs] {
            if (theirs >= 0)
                ::close(theirs);
        });
        InstanceLock holder(elsewhere); // a live lock the bad entry may lead to
        QVERIFY(holder.tryClaim());
        if (test::badEntryKinds.contains(kind))
            QVERIFY(test::plantBadEntry(bad, kind, folder.filePath(u"nothing/here"_s)));
        else if (kind == u"link to held")
            QVERIFY(QFile::link(elsewhere, bad));
        else if (kind == u"other user") {
            if (::geteuid() != 0)
                QSKIP("giving a file to another user needs the right to (root)");
            writeFile(bad, "4242\nquillon\nsomehost\n");
            QCOMPARE(::chown(QFile::encodeName(bad).constData(), 65534, 65534), 0);
            theirs = ::open(QFile::encodeName(bad).constData(), O_RDONLY | O_CLOEXEC);
            QCOMPARE(::flock(theirs, LOCK_EX | LOCK_NB), 0); // as their live copy would hold it
        }
        const QString before = entryKind(bad);

        InstanceLock lock({bad, good});
        QVERIFY(lock.tryClaim());
        QCOMPARE(lock.heldPaths(), QStringList{good});
        QCOMPARE(entryKind(bad), before);
        QVERIFY(entryKind(elsewhere).startsWith(u"file of 0 bytes"_s));

        InstanceLock onlyTheBadOne(bad); // nothing usable at all: run rather than refuse
        QVERIFY(onlyTheBadOne.tryClaim());
        QVERIFY(!onlyTheBadOne.isClaimed());
    }

    void instanceLock_foldersOthersCanWriteAreNotUsed()
    {
        QTemporaryDir root;
        const QString runtime = root.filePath(u"run"_s), cache = root.filePath(u"cache"_s);
        QVERIFY(QDir().mkpath(runtime));
        QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
        const QStringList paths = InstanceLock::lockPaths(runtime, cache);
        QCOMPARE(paths, (QStringList{runtime + u"/quillon.lock"_s, cache + u"/Quillon/quillon.lock"_s}));
        QCOMPARE(QFileInfo(cache + u"/Quillon"_s).permissions() & (QFile::WriteGroup | QFile::WriteOther),
                 QFileDevice::Permissions());

        QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0777), 0);
        QCOMPARE(InstanceLock::lockPaths(runtime, QString()), QStringList());
        QCOMPARE(InstanceLock::lockPaths(root.filePath(u"missing"_s), QString()), QStringList());

        // The fallback folder carries the user's id, and one made by someone else is refused.
        const QString own = root.filePath(u"quillon-"_s) + QString::number(::geteuid());
        QCOMPARE(InstanceLock::fallbackLockPaths(root.path()), QStringList{own + u"/quillon.lock"_s});
        QCOMPARE(QFileInfo(own).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
                 QFileDevice::Permissions());
        QVERIFY(QDir(own).removeRecursively());
        QVERIFY(QDir().mkpath(own));
        QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0777), 0); // planted, open to all
        QCOMPARE(InstanceLock::fallbackLockPaths(root.path()), QStringList());
        QVERIFY(QDir(own).removeRecursively());
        QVERIFY(QFile::link(root.filePath(u"run"_s), own)); // planted as a link
        QCOMPARE(InstanceLock::fallbackLockPaths(root.path()), QStringList());
    }

    void instanceLock_fallbackOnlyWhenNothingElseIsHeld()
    {
        QTemporaryDir root;
        const QString fallbackFolder = root.filePath(u"quillon-"_s) + QString::number(::geteuid());
        {
            InstanceLock lock({root.filePath(u"quillon.lock"_s)}, root.path());
            QVERIFY(lock.tryClaim());
            QVERIFY(!QFileInfo::exists(fallbackFolder));
        }
        QVERIFY(QDir().mkpath(root.filePath(u"folder.lock"_s)));
        InstanceLock lock({root.filePath(u"folder.lock"_s)}, root.path());
        QVERIFY(lock.tryClaim());
        QCOMPARE(lock.heldPaths(), QStringList{fallbackFolder + u"/quillon.lock"_s});
        InstanceLock another({root.filePath(u"folder.lock"_s)}, root.path());
        QVERIFY(!another.tryClaim());
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
