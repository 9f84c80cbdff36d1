// Draws every window and every page to PNG files for review, and checks that no text
// is cut off by its box with the fonts the program really uses.
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/frmGraphology.h"
#include "report/RichTextBox.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/FakePlatform.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillon;

class RenderingTest : public QObject
{
    Q_OBJECT

private:
    test::FakePlatform m_platform;
    QString m_folder;

    void save(QWidget *window, const QString &name)
    {
        window->grab().save(m_folder + u'/' + name + u".png"_s);
    }

private slots:
    void initTestCase()
    {
        test::initProgramForTests();
        m_platform.install();
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
        m_folder = qEnvironmentVariable("QUILLON_TEST_BINARY_DIR", QDir::currentPath())
                   + u"/screens/scale-"_s + QString::number(scale);
        QDir().mkpath(m_folder);
    }

    void everyWindowAndPage_isRendered()
    {
        frmMain mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        save(&mainWindow, u"frmMain"_s);

        frmAbout about(&mainWindow);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        save(&about, u"frmAbout"_s);
        about.hide();

        frmGraphology questionnaire;
        questionnaire.show();
        QVERIFY(QTest::qWaitForWindowExposed(&questionnaire));
        // Sharp pictures on dense screens: the ones drawn at twice the size.
        const QPixmap sample = questionnaire.findChild<QLabel *>(u"picSlant(0)"_s)->pixmap();
        QCOMPARE(sample.devicePixelRatio(), questionnaire.devicePixelRatio() > 1.0 ? 2.0 : 1.0);
        QCOMPARE(sample.deviceIndependentSize(), QSizeF(118, 131));
        const auto &catalogue = traitCatalogue();
        for (int i = 0; i < catalogue.size(); ++i) {
            QCOMPARE(questionnaire.currentPage(), i);
            save(&questionnaire, u"page-%1-%2"_s.arg(i + 1, 2, 10, QChar(u'0')).arg(catalogue[i].id));
            test::chooseFirstVariant(&questionnaire, catalogue[i]);
            test::click(&questionnaire, catalogue[i].nextName());
        }
        QCOMPARE(questionnaire.currentPage(), frmGraphology::resultPageIndex);
        save(&questionnaire, u"page-22-Result"_s);
        QVERIFY(QDir(m_folder).entryList({u"*.png"_s}).size() >= 24);
        // Proportions are kept: the window grows with the scale factor and nothing else.
        const QImage shot = questionnaire.grab().toImage();
        QCOMPARE(shot.size(), (questionnaire.size() * questionnaire.devicePixelRatio()));
    }

    void noText_isCutOffByItsBox()
    {
        frmMain mainWindow;
        frmAbout about;
        frmGraphology questionnaire;
        QStringList overflowing;
        for (QWidget *window : {static_cast<QWidget *>(&mainWindow), static_cast<QWidget *>(&about),
                                static_cast<QWidget *>(&questionnaire)}) {
            overflowing += test::overflowingTexts(window);
        }
        QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(u"\n"_s)));
    }
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
