// Every named control of the three windows and of every page, against the layout's
// numbers in twips (fifteen to a pixel), with fonts and the fixed colours.
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/VariantButton.h"
#include "questionnaire/frmGraphology.h"
#include "shell/Look.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/FakePlatform.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace Qt::StringLiterals;
using namespace quillon;

namespace {

int px(int twipsValue) { return qRound(twipsValue / 15.0); }
QRect rect(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }

struct Expected {
    QString name;
    QRect geometry;     // relative to the container named below
    QString container;  // "client" or an object name
    qreal pointSize;    // 0: not checked
    bool bold;
    bool underline;
    QColor colour;      // invalid: not checked
};

const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0), brown(0x7B, 0x21, 0x1C),
    purple(0x80, 0, 0x80), black(0, 0, 0);

QWidget *containerOf(QWidget *window, const QString &name)
{
    if (name == u"client"_s)
        return window->findChild<QWidget *>(u"clientArea"_s);
    return window->objectName() == name ? window : window->findChild<QWidget *>(name);
}

void checkControl(QWidget *window, const Expected &expected)
{
    QWidget *control = window->findChild<QWidget *>(expected.name);
    QVERIFY2(control, qPrintable(u"missing "_s + expected.name));
    QWidget *container = containerOf(window, expected.container);
    QVERIFY2(container, qPrintable(u"missing container "_s + expected.container));
    const QRect actual(control->mapTo(container, QPoint(0, 0)), control->size());
    QVERIFY2(actual == expected.geometry,
             qPrintable(u"%1 at %2,%3 %4x%5, expected %6,%7 %8x%9"_s.arg(expected.name)
                            .arg(actual.x()).arg(actual.y()).arg(actual.width()).arg(actual.height())
                            .arg(expected.geometry.x()).arg(expected.geometry.y())
                            .arg(expected.geometry.width()).arg(expected.geometry.height())));
    if (expected.pointSize > 0) {
        const QFont font = control->font();
        QCOMPARE(designedFamily(font), u"Verdana"_s);
        QCOMPARE(font.pointSizeF(), expected.pointSize);
        QCOMPARE(font.bold(), expected.bold);
        QCOMPARE(font.underline(), expected.underline);
    }
    if (expected.colour.isValid())
        QCOMPARE(control->palette().color(QPalette::WindowText), expected.colour);
}

void checkAll(QWidget *window, const QList<Expected> &table)
{
    for (const Expected &expected : table) {
        checkControl(window, expected);
        if (QTest::currentTestFailed())
            return;
    }
}

} // namespace

class GeometryTest : public QObject
{
    Q_OBJECT

private:
    test::FakePlatform m_fake;

private slots:
    void initTestCase()
    {
        test::initProgramForTests();
        m_fake.install();
    }

    void mainWindow()
    {
        frmMain window;
        QCOMPARE(window.findChild<QWidget *>(u"clientArea"_s)->size(), QSize(321, 313));
        checkAll(&window, {
            {u"Label14"_s, rect(0, 0, 4830, 195), u"client"_s, 8.25, true, true, blue},
            {u"Label3"_s, rect(180, 240, 4470, 195), u"client"_s, 8.25, true, true, blue},
            {u"Label1(3)"_s, rect(165, 720, 4515, 735), u"client"_s, 9, true, false, red},
            {u"Label1(0)"_s, rect(240, 1725, 1665, 195), u"client"_s, 8.25, false, false, black},
            {u"txtFirstName"_s, rect(2160, 1680, 2500, 285), u"client"_s, 8.25, false, false, {}},
            {u"Label1(1)"_s, rect(240, 2205, 1650, 195), u"client"_s, 8.25, false, false, black},
            {u"txtLastName"_s, rect(2160, 2160, 2500, 285), u"client"_s, 8.25, false, false, {}},
            {u"Label1(2)"_s, rect(400, 2670, 915, 195), u"client"_s, 8.25, false, false, black},
            {u"Option1"_s, rect(2160, 2640, 735, 255), u"client"_s, 8.25, false, false, {}},
            {u"Option2"_s, rect(3120, 2640, 975, 255), u"client"_s, 8.25, false, false, {}},
            {u"cmdGoToGraphology"_s, rect(60, 3000, 4725, 375), u"client"_s, 8.25, true, false, {}},
            {u"fraFullBrand"_s, rect(15, 3480, 4785, 1215), u"client"_s, 0, false, false, {}},
            {u"lblCobrand"_s, rect(120, 165, 4545, 975), u"fraFullBrand"_s, 8.25, true, true, blue},
            {u"lblFullBrand"_s, rect(120, 165, 4545, 975), u"fraFullBrand"_s, 8.25, true, true, blue},
        });
        // The promotional frame ends exactly at the bottom of the client area.
        QCOMPARE(window.findChild<QWidget *>(u"fraFullBrand"_s)->geometry().bottom() + 1, 313);
    }

    void aboutWindow()
    {
        frmAbout window;
        QCOMPARE(window.size(), QSize(469, 217));
        checkAll(&window, {
            {u"picIcon"_s, rect(150, 150, 480, 480), u"frmAbout"_s, 0, false, false, {}},
            {u"Label2"_s, rect(840, 285, 3435, 345), u"frmAbout"_s, 14.25, true, false, blue},
            {u"Label1"_s, rect(120, 750, 6885, 855), u"frmAbout"_s, 8.25, false, false, {}},
            {u"lblHomePage"_s, rect(2955, 1605, 4050, 195), u"frmAbout"_s, 8.25, false, true, brown},
            {u"Label3"_s, rect(120, 1920, 6885, 435), u"frmAbout"_s, 8.25, true, false, blue},
            {u"lblCoBrand"_s, rect(4650, 2355, 2355, 195), u"frmAbout"_s, 8.25, false, true, brown},
            {u"cmdOK"_s, rect(5745, 2880, 1260, 345), u"frmAbout"_s, 8.25, false, false, {}},
        });
        QWidget *rule = window.findChild<QWidget *>(u"Line2"_s);
        QCOMPARE(rule->y(), px(2760));
        QCOMPARE(rule->height(), 2);
        QVERIFY(rule->x() <= 0 && rule->geometry().right() >= 468); // across the whole width
        QCOMPARE(window.findChild<QLabel *>(u"picIcon"_s)->pixmap().deviceIndependentSize(), QSizeF(32, 32));
    }

    void windows_areFixedWithTheirOwnTitleBarButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("minimise");
        QTest::newRow("main") << u"main"_s << false;
        QTest::newRow("questionnaire") << u"questionnaire"_s << true;
        QTest::newRow("about") << u"about"_s << false;
    }

    // A window that cannot grow offers no maximise button, and neither resizing nor maximising
    // changes its size.
    void windows_areFixedWithTheirOwnTitleBarButtons()
    {
        QFETCH(QString, window);
        QFETCH(bool, minimise);
        std::unique_ptr<QWidget> shown;
        if (window == u"main")
            shown = std::make_unique<frmMain>();
        else if (window == u"questionnaire")
            shown = std::make_unique<frmGraphology>();
        else
            shown = std::make_unique<frmAbout>();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const Qt::WindowFlags flags = shown->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint)); // only the buttons asked for
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimise);
        QCOMPARE(shown->minimumSize(), shown->maximumSize());
        const QSize before = shown->size();
        shown->resize(before + QSize(200, 150));
        QCOMPARE(shown->size(), before);
        shown->setWindowState(Qt::WindowMaximized);
        QCOMPARE(shown->size(), before);
    }

    void questionnaireFixedParts()
    {
        frmGraphology window;
        QCOMPARE(window.findChild<QWidget *>(u"clientArea"_s)->size(), QSize(652, 501));
        QList<Expected> table{
            {u"Label14"_s, rect(158, 0, 9465, 195), u"client"_s, 8.25, true, true, blue},
            {u"fraFullBrand"_s, rect(30, 6960, 9725, 855), u"client"_s, 0, false, false, {}},
            {u"lblCobrand"_s, rect(120, 100, 9465, 615), u"fraFullBrand"_s, 8.25, true, true, blue},
            {u"lblFullBrand"_s, rect(120, 100, 9465, 615), u"fraFullBrand"_s, 8.25, true, true, blue},
            {u"fraTBarAnalysis"_s, rect(30, 240, 9725, 6600), u"client"_s, 9, true, false, brown},
            {u"lblSignificance(8)"_s, rect(120, 240, 9525, 405), u"fraTBarAnalysis"_s, 8.25, true, false, green},
            {u"fraResult"_s, rect(30, 240, 9725, 6600), u"client"_s, 9, true, false, brown},
            {u"RTB"_s, rect(225, 360, 9255, 5520), u"fraResult"_s, 0, false, false, {}},
            {u"cmdSave"_s, rect(225, 6000, 1000, 400), u"fraResult"_s, 8.25, false, false, {}},
            {u"cmdBackToMain"_s, rect(4980, 6000, 4500, 400), u"fraResult"_s, 9, true, false, {}},
        };
        for (const QString &member : tBarGroup().members)
            table.append({u"fra"_s + member, rect(80, 700, 9550, 5800), u"fraTBarAnalysis"_s, 8.25, true, false, purple});
        checkAll(&window, table);
        // The bottom strip runs 300 twips past the client area and is cut off there.
        QWidget *strip = window.findChild<QWidget *>(u"fraFullBrand"_s);
        QCOMPARE(strip->geometry().bottom() + 1 - 501, px(300));
        // The report box's right edge lines up with the "Once Again" button's.
        QCOMPARE(window.findChild<QWidget *>(u"RTB"_s)->geometry().right(),
                 window.findChild<QWidget *>(u"cmdBackToMain"_s)->geometry().right());
    }

    void everyTraitPage_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("checkBoxes");
        QTest::addColumn<QList<int>>("heights"); // per variant, twips
        QTest::addColumn<int>("row0");
        QTest::addColumn<int>("row1");
        QTest::addColumn<QString>("buttons"); // side, stacked, last, group
        const auto row = [](const char *id, bool boxes, QList<int> heights, int row0, int row1, const char *buttons) {
            QTest::newRow(id) << QString::fromLatin1(id) << boxes << heights << row0 << row1 << QString::fromLatin1(buttons);
        };
        const auto same = [](int n, int height) { return QList<int>(n, height); };
        row("Margins", false, same(8, 495), 3075, 5835, "side");
        row("Slant", false, same(6, 375), 3075, 5835, "side");
        row("SizeOfTheWriting", false, same(5, 495), 3075, 0, "side");
        row("LineSpacing", false, same(5, 375), 3075, 0, "side");
        row("WordSpacing", false, same(5, 375), 3075, 0, "side");
        row("LetterSpacing", false, same(3, 495), 3075, 0, "side");
        row("BeginningStroke", true, same(5, 615), 3120, 0, "side");
        row("EndingStroke", true, same(7, 615), 3120, 5835, "side");
        row("Stems", false, same(3, 400), 2880, 5355, "group");
        row("StemHeight", false, same(4, 400), 2880, 5355, "group");
        row("BarPressure", false, same(4, 600), 2880, 5355, "group");
        row("BarHeight", false, same(5, 375), 2880, 5355, "group");
        row("LengthOfCrossing", false, same(7, 375), 2880, 5355, "group");
        row("IDotAnalysis", true, {600, 615, 495, 495, 600, 495, 495, 495, 495}, 3075, 5835, "stacked");
        row("TheLowerCaseE", false, same(4, 400), 3120, 0, "side");
        row("TheLowerCaseM", true, same(5, 495), 3075, 0, "side");
        row("TheLowerCaseo", false, same(3, 615), 3075, 0, "side");
        row("StemsofLowerCased", false, same(4, 375), 3075, 0, "side");
        row("TheLowerCasegandy", true, same(9, 495), 3075, 5835, "stacked");
        row("TheCapitalLetterI", true, same(9, 495), 3075, 5835, "stacked");
        row("Signature", true, {495, 495, 600, 600, 495, 495, 495}, 3075, 5835, "last");
    }

    void everyTraitPage()
    {
        QFETCH(QString, id);
        QFETCH(bool, checkBoxes);
        QFETCH(QList<int>, heights);
        QFETCH(int, row0);
        QFETCH(int, row1);
        QFETCH(QString, buttons);
        frmGraphology window;
        const TraitPage *trait = findTrait(id);
        QVERIFY(trait);
        const bool inGroup = buttons == u"group"_s;
        const QString frame = u"fra"_s + id;
        const QString prefix = checkBoxes && id != u"TheLowerCaseM"_s ? u"chk"_s : u"opt"_s;
        const int columns = inGroup ? 4 : 5;
        const int pictureTop = inGroup ? 840 : 1080;
        const int rowPitch = inGroup ? 2520 : 2760;
        const bool wide = id == u"Margins"_s || id == u"TheLowerCaseM"_s || id == u"IDotAnalysis"_s;

        QList<Expected> table;
        if (!inGroup) {
            table.append({frame, rect(30, 240, 9725, 6600), u"client"_s, 9, true, false, brown});
            table.append({u"lblSignificance(%1)"_s.arg(trait->significanceIndex),
                          rect(120, 240, 9525, id == u"Margins"_s ? 400 : 405), frame, 8.25, true, false, green});
            table.append({u"lblInstruction(%1)"_s.arg(trait->instructionIndex),
                          rect(120, 720, checkBoxes ? 7995 : 7155, 195), frame, 8.25, true, false, red});
        } else {
            table.append({frame, rect(80, 700, 9550, 5800), u"fraTBarAnalysis"_s, 8.25, true, false, purple});
            table.append({u"lblInstruction(%1)"_s.arg(trait->instructionIndex), rect(120, 480, 7155, 195), frame,
                          8.25, true, false, red});
            QLabel *inner = window.findChild<QLabel *>(u"lblInnerSig(%1)"_s.arg(trait->significanceIndex));
            QVERIFY(inner);
            QCOMPARE(inner->pos(), QPoint(px(120), px(240)));
            QCOMPARE(inner->height(), px(195));
        }
        for (int i = 0; i < heights.size(); ++i) {
            const int left = 120 + 1920 * (i % columns);
            const int row = i / columns;
            table.append({u"pic%1(%2)"_s.arg(id).arg(i), rect(left, pictureTop + rowPitch * row, 1800, 2000), frame,
                          0, false, false, {}});
            table.append({u"%1%2(%3)"_s.arg(prefix, id).arg(i),
                          rect(left, row == 0 ? row0 : row1, wide ? 1815 : 1800, heights[i]), frame, 8.25, false,
                          false, black});
        }
        if (buttons == u"side"_s) {
            table.append({u"cmd%1Back"_s.arg(id), rect(7440, 5930, 1000, 400), frame, 8.25, true, false, {}});
            table.append({u"cmd%1Next"_s.arg(id), rect(8600, 5930, 1000, 400), frame, 8.25, true, false, {}});
        } else if (buttons == u"stacked"_s) {
            table.append({u"cmd%1Next"_s.arg(id), rect(8600, 5400, 1000, 400), frame, 8.25, true, false, {}});
            table.append({u"cmd%1Back"_s.arg(id), rect(8600, 5925, 1000, 400), frame, 8.25, true, false, {}});
        } else if (buttons == u"last"_s) {
            table.append({u"cmd%1Back"_s.arg(id), rect(6960, 5930, 1000, 400), frame, 8.25, true, false, {}});
            table.append({u"cmd%1Next"_s.arg(id), rect(8115, 5930, 1400, 400), frame, 8.25, true, false, {}});
        } else {
            table.append({u"cmd%1Back"_s.arg(id), rect(7200, 5250, 1000, 400), frame, 8.25, true, false, {}});
            table.append({u"cmd%1Next"_s.arg(id), rect(8355, 5250, 1000, 400), frame, 8.25, true, false, {}});
        }
        checkAll(&window, table);

        QAbstractButton *first = window.findChild<QAbstractButton *>(u"%1%2(0)"_s.arg(prefix, id));
        QCOMPARE(qobject_cast<QCheckBox *>(first) != nullptr, checkBoxes);
        QCOMPARE(qobject_cast<QRadioButton *>(first) != nullptr, !checkBoxes);
        QVERIFY(!window.findChild<QWidget *>(u"%1%2(%3)"_s.arg(prefix, id).arg(heights.size())));
        QCOMPARE(window.findChild<QPushButton *>(u"cmd%1Back"_s.arg(id))->text(), u"<< Back"_s);
        QCOMPARE(window.findChild<QPushButton *>(u"cmd%1Next"_s.arg(id))->text(),
                 buttons == u"last"_s ? u"View Result"_s : u"Next >>"_s);
    }

    void pictures_areClippedAndTheTwoMissingAreEmpty()
    {
        frmGraphology window;
        const auto picture = [&](const QString &name) { return window.findChild<QLabel *>(name); };
        QCOMPARE(picture(u"picSignature(2)"_s)->size(), QSize(120, 133));
        QVERIFY(picture(u"picSignature(2)"_s)->pixmap().deviceIndependentSize().width() > 118);
        QVERIFY(picture(u"picBarHeight(4)"_s)->pixmap().isNull());
        QVERIFY(picture(u"picLengthOfCrossing(6)"_s)->pixmap().isNull());
        QCOMPARE(picture(u"picMargins(0)"_s)->pixmap().deviceIndependentSize(), QSizeF(118, 131));
        QCOMPARE(picture(u"picMargins(0)"_s)->contentsRect().size(), QSize(118, 131));
    }

    void everyPage_setsItsCaptionsInOneSize()
    {
        frmGraphology window;
        const auto fits = [](const QAbstractButton *control, qreal size) {
            QFont font = control->font();
            font.setPointSizeF(size);
            const QRect box = variantCaptionRect(control);
            const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), 100000),
                                                                 Qt::TextWordWrap | Qt::TextShowMnemonic,
                                                                 control->text());
            return needed.width() <= box.width() && needed.height() <= box.height();
        };
        for (const TraitPage &trait : traitCatalogue()) {
            QList<QAbstractButton *> controls;
            for (int i = 0; i < trait.variantCount(); ++i)
                controls.append(window.findChild<QAbstractButton *>(trait.controlName(i)));
            const qreal size = fittedCaptionFont(controls.first()).pointSizeF();
            bool allFit = true, allFitLarger = true;
            for (QAbstractButton *control : controls) {
                QVERIFY2(fittedCaptionFont(control).pointSizeF() == size,
                         qPrintable(u"%1 drawn at %2, its page at %3"_s.arg(control->objectName())
                                        .arg(fittedCaptionFont(control).pointSizeF()).arg(size)));
                allFit = allFit && fits(control, size);
                allFitLarger = allFitLarger && fits(control, size + 0.25);
            }
            // Shrunk only as far as the longest caption needs, and only where one needs it.
            QVERIFY2(allFit, qPrintable(trait.id));
            QVERIFY2(size <= 8.25 && size >= smallestCaptionPointSize, qPrintable(trait.id));
            QVERIFY2(size == 8.25 || !allFitLarger, qPrintable(trait.id));
        }
    }

    void everyPictureAndVariant_hasAnAccessibleName()
    {
        frmGraphology window;
        for (const TraitPage &trait : traitCatalogue()) {
            for (int i = 0; i < trait.variantCount(); ++i) {
                const QString shown = displayedCaption(trait.variants[i].caption).trimmed();
                QLabel *picture = window.findChild<QLabel *>(trait.pictureName(i));
                QAbstractButton *control = window.findChild<QAbstractButton *>(trait.controlName(i));
                QVERIFY(picture && control);
                QCOMPARE(picture->accessibleName(), shown);
                QCOMPARE(control->accessibleName(), shown);
                QVERIFY2(!picture->accessibleDescription().isEmpty(), qPrintable(trait.pictureName(i)));
            }
        }
    }
};

QTEST_MAIN(GeometryTest)
#include "tst_geometry.moc"
