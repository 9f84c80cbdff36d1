// The Qt side of the platform seam: the real save dialog, message box, settings store,
// clipboard, random draw and instance lock, each driven as a user or the system would.
#include "platform/InstanceLock.h"
#include "platform/QtPlatform.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace quillon;

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
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<int>("press"); // QMessageBox::StandardButton
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << true << int(QMessageBox::Yes) << int(Platform::Answer::Yes);
        QTest::newRow("No") << true << int(QMessageBox::No) << int(Platform::Answer::No);
        QTest::newRow("OK") << false << int(QMessageBox::Ok) << int(Platform::Answer::Ok);
    }

    void messageBox_showsTextAndReturnsTheButtonPressed()
    {
        QFETCH(bool, yesNo);
        QFETCH(int, press);
        QFETCH(int, answer);
        QString shownText, shownTitle;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        const auto result = m_platform->messageBox(nullptr, u"First line\rSecond line"_s, u"Quillon"_s,
                                                   yesNo ? Platform::Icon::Information : Platform::Icon::Error,
                                                   yesNo ? Platform::Buttons::YesNo : Platform::Buttons::Ok);
        QCOMPARE(int(result), answer);
        QCOMPARE(shownText, u"First line\nSecond line"_s);
        QCOMPARE(shownTitle, u"Quillon"_s);
        QCOMPARE(shownIcon, yesNo ? QMessageBox::Information : QMessageBox::Critical);
    }

    void settings_roundTripAndMissingReadsEmpty()
    {
        QVERIFY(m_platform->readSetting(u"Settings"_s, u"NeverWritten"_s).isEmpty());
        m_platform->writeSetting(u"Settings"_s, u"Key"_s, u"value with spaces / and = signs"_s);
        QtPlatform another; // a later launch reads what this one stored
        QCOMPARE(another.readSetting(u"Settings"_s, u"Key"_s), u"value with spaces / and = signs"_s);
    }

    void clipboard_isEmptied()
    {
        QGuiApplication::clipboard()->setText(u"copied elsewhere"_s);
        m_platform->clearClipboard();
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
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
        first.reset();
        QVERIFY(second.tryClaim());
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
