// The Qt side of the platform seam: the real save dialog, message box, settings store,
// clipboard, random draw and instance lock, each driven as a user or the system would.
#include "platform/InstanceLock.h"
#include "platform/QtPlatform.h"
#include "report/ReportClipboard.h"
#include "report/RichTextBox.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace quillon;

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
        Platform::SaveDialogRequest request{u"Quillon"_s, u"Rich Text Format (*.rtf)"_s, u"doc"_s, true, QString()};
        const QString chosen = m_platform->saveFileName(nullptr, request);
        QCOMPARE(chosen, folder.filePath(u"my report.doc"_s));
        QCOMPARE(seenTitle, u"Quillon"_s);
        QCOMPARE(seenFilter, u"Rich Text Format (*.rtf)"_s);
        QVERIFY(seenName.isEmpty());
    }

    void saveDialog_cancelGivesNoName()
    {
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->reject();
        });
        Platform::SaveDialogRequest request{u"Quillon"_s, u"Rich Text Format (*.rtf)"_s, u"doc"_s, true, QString()};
        QVERIFY(m_platform->saveFileName(nullptr, request).isEmpty());
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
        first.reset();
        QVERIFY(second.tryClaim());
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
