// Draws every window and every page to PNG files for review, and checks that no text
// is cut off by its box, crossed by a frame's border or lost past the window's edge, with the
// fonts and widget style the program really uses, whatever the desktop's colours.
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/frmGraphology.h"
#include "report/RichTextBox.h"
#include "shell/Look.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/FakePlatform.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QStyleFactory>
#include <QProxyStyle>
#include <QMenuBar>
#include <QMainWindow>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QStyle>
#include <QTest>
#include <QTextEdit>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;
using namespace quillon;

namespace {

// The rectangle a label's text takes inside the label, from its font and its alignment.
QRect labelTextRect(const QLabel *label)
{
    const int margin = label->margin();
    const QRect box = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    return QFontMetrics(label->font()).boundingRect(box, flags, label->text());
}

QList<QLabel *> textLabels(QWidget *root)
{
    QList<QLabel *> labels;
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->text().trimmed().isEmpty())
            labels.append(label);
    }
    return labels;
}

// Containers that draw a border of their own: captioned frames and bordered plain frames.
QList<QWidget *> borderedFrames(QWidget *root)
{
    QList<QWidget *> frames;
    for (QFrame *frame : root->findChildren<QFrame *>()) {
        if (!qobject_cast<QLabel *>(frame) && !qobject_cast<QStackedWidget *>(frame)
            && frame->frameShape() != QFrame::NoFrame && !textLabels(frame).isEmpty())
            frames.append(frame);
    }
    for (QGroupBox *frame : root->findChildren<QGroupBox *>())
        frames.append(frame);
    return frames;
}

// The frame as it draws itself, its background and border and caption, without its children.
QImage drawnAlone(QWidget *frame)
{
    const qreal ratio = frame->devicePixelRatioF();
    QImage image((QSizeF(frame->size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(frame->palette().color(frame->backgroundRole()));
    frame->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

QWidget *clientOf(QWidget *window)
{
    auto *client = window->findChild<QWidget *>(u"clientArea"_s);
    return client ? client : window;
}

// The part of a widget that can be seen: clipped by every container up to the client area.
QRect visibleRect(QWidget *widget, QWidget *client)
{
    QRect visible(widget->mapTo(client, QPoint(0, 0)), widget->size());
    for (QWidget *container = widget->parentWidget(); container && container != client;
         container = container->parentWidget())
        visible &= QRect(container->mapTo(client, QPoint(0, 0)), container->size());
    return visible & client->rect();
}

qreal luminance(const QColor &colour)
{
    const auto channel = [](qreal value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The colour a widget's text is drawn on: its own background where it paints one, else the
// first container's that does.
QColor backgroundUnder(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return {};
}

// Every text a user reads with the colour it is drawn in and the colour it is drawn on.
struct ShownText {
    QString name;
    QColor text;
    QColor ground;
};

QList<ShownText> shownTexts(QWidget *window)
{
    QList<ShownText> texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QPalette palette = widget->palette();
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().trimmed().isEmpty())
            texts.append({widget->objectName(), palette.color(QPalette::WindowText), backgroundUnder(widget)});
        else if (qobject_cast<QGroupBox *>(widget))
            texts.append({widget->objectName(), palette.color(QPalette::WindowText), backgroundUnder(widget)});
        else if (qobject_cast<QPushButton *>(widget))
            texts.append({widget->objectName(), palette.color(QPalette::ButtonText), palette.color(QPalette::Button)});
        else if (qobject_cast<QRadioButton *>(widget) || qobject_cast<QCheckBox *>(widget))
            texts.append({widget->objectName(), palette.color(QPalette::WindowText), backgroundUnder(widget)});
        else if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QTextEdit *>(widget))
            texts.append({widget->objectName(), palette.color(QPalette::Text), palette.color(QPalette::Base)});
    }
    return texts;
}

QColor pixelAt(QWidget *widget, QPoint point)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor((QPointF(point) * image.devicePixelRatio()).toPoint());
}

} // namespace

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

    void frameBorders_crossNoText_data() { addWindowRows(); }
    void frameBorders_crossNoText()
    {
        QFETCH(QString, window);
        const std::unique_ptr<QWidget> shown = makeWindow(window);
        QStringList crossed;
        for (QWidget *frame : borderedFrames(shown.get())) {
            const QImage drawn = drawnAlone(frame);
            const QColor ground = frame->palette().color(frame->backgroundRole());
            const qreal ratio = drawn.devicePixelRatio();
            // A frame that drew nothing would pass whatever its border did.
            bool drewSomething = false;
            for (int y = 0; y < drawn.height() && !drewSomething; ++y)
                drewSomething = drawn.pixelColor(drawn.width() / 2, y) != ground;
            QVERIFY2(drewSomething, qPrintable(frame->objectName() + u" drew no border"_s));

            for (QLabel *label : textLabels(frame)) {
                const QRect text = labelTextRect(label).translated(label->mapTo(frame, QPoint(0, 0)));
                const QRect pixels = QRectF(QPointF(text.topLeft()) * ratio, QSizeF(text.size()) * ratio)
                                         .toAlignedRect()
                                         .intersected(drawn.rect());
                int foreign = 0;
                for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                    for (int x = pixels.left(); x <= pixels.right(); ++x)
                        foreign += drawn.pixelColor(x, y) != ground ? 1 : 0;
                }
                if (foreign > 0)
                    crossed.append(u"%1 draws %2 pixels over the text of %3"_s.arg(frame->objectName())
                                       .arg(foreign).arg(label->objectName()));
            }
        }
        QVERIFY2(crossed.isEmpty(), qPrintable(crossed.join(u"\n"_s)));
    }

    void labelTexts_stayInsideTheVisibleClientArea_data() { addWindowRows(); }
    void labelTexts_stayInsideTheVisibleClientArea()
    {
        QFETCH(QString, window);
        const std::unique_ptr<QWidget> shown = makeWindow(window);
        QWidget *client = clientOf(shown.get());
        QStringList cut;
        int checked = 0;
        for (QLabel *label : textLabels(shown.get())) {
            const QRect text = labelTextRect(label).translated(label->mapTo(client, QPoint(0, 0)));
            const QRect visible = visibleRect(label, client);
            ++checked;
            if (!visible.contains(text))
                cut.append(u"%1: text at %2,%3 %4x%5, visible %6,%7 %8x%9"_s.arg(label->objectName())
                               .arg(text.x()).arg(text.y()).arg(text.width()).arg(text.height())
                               .arg(visible.x()).arg(visible.y()).arg(visible.width()).arg(visible.height()));
        }
        QVERIFY(checked >= 5);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u"\n"_s)));
    }

    void bottomStrip_showsBothLinesAboveTheClientEdge()
    {
        frmGraphology questionnaire;
        QWidget *client = clientOf(&questionnaire);
        for (const QString &name : {u"lblCobrand"_s, u"lblFullBrand"_s}) {
            auto *label = questionnaire.findChild<QLabel *>(name);
            QVERIFY(label);
            const QRect text = labelTextRect(label);
            // Two lines at the top of the box, both ending above the window's bottom edge.
            QVERIFY2(text.height() >= 2 * label->fontMetrics().height(), qPrintable(name));
            QCOMPARE(text.top(), label->contentsRect().top());
            QVERIFY2(label->mapTo(client, text.bottomLeft()).y() < client->height(), qPrintable(name));
        }
    }

    void aboutIcon_isDrawnForTheScreenDensity()
    {
        frmAbout about;
        const QPixmap icon = about.findChild<QLabel *>(u"picIcon"_s)->pixmap();
        QCOMPARE(icon.deviceIndependentSize(), QSizeF(32, 32));
        // As many picture pixels as screen pixels: no blurry enlargement of the 32-pixel icon.
        QCOMPARE(icon.devicePixelRatio(), about.devicePixelRatioF());
        QCOMPARE(icon.width(), qRound(32 * about.devicePixelRatioF()));
    }

    void darkDesktopPalette_keepsTheLayoutColours()
    {
        const QPalette saved = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(saved); });
        QPalette dark(QColor(220, 220, 220), QColor(36, 36, 36));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        QApplication::setPalette(dark);

        frmMain mainWindow;
        frmAbout about;
        frmGraphology questionnaire;
        for (QWidget *window : {static_cast<QWidget *>(&mainWindow), static_cast<QWidget *>(&about),
                                static_cast<QWidget *>(&questionnaire)})
            window->show();
        test::walkToResult(&questionnaire);
        QStringList unreadable;
        for (QWidget *window : {static_cast<QWidget *>(&mainWindow), static_cast<QWidget *>(&about),
                                static_cast<QWidget *>(&questionnaire)}) {
            const QList<ShownText> texts = shownTexts(window);
            QVERIFY(texts.size() >= 6);
            for (const ShownText &shown : texts) {
                // 3:1 is the least a reader needs; the layout's red on white is 4:1.
                if (contrast(shown.text, shown.ground) < 3.0)
                    unreadable.append(u"%1: %2 on %3"_s.arg(shown.name, shown.text.name(), shown.ground.name()));
            }
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(u"\n"_s)));

        // What is on screen: white client areas, pages and report box; the light grey strip.
        const QColor white(Qt::white);
        QCOMPARE(pixelAt(clientOf(&mainWindow), QPoint(4, 38)), white);
        QCOMPARE(pixelAt(&about, QPoint(300, 10)), white);
        QCOMPARE(pixelAt(questionnaire.findChild<QWidget *>(u"fraResult"_s), QPoint(300, 400)), white);
        QWidget *reportArea = questionnaire.findChild<QTextEdit *>(u"RTB"_s)->viewport();
        QCOMPARE(pixelAt(reportArea, QPoint(reportArea->width() - 2, 1)), white); // the page margin
        QCOMPARE(pixelAt(questionnaire.findChild<QWidget *>(u"fraMargins"_s), QPoint(300, 66)), white);
        QVERIFY(pixelAt(mainWindow.findChild<QWidget *>(u"fraFullBrand"_s), QPoint(4, 4)).lightness() >= 200);
        QCOMPARE(questionnaire.findChild<QWidget *>(u"lblSignificance(0)"_s)->palette().color(QPalette::WindowText),
                 QColor(0x00, 0x80, 0x00));
    }

    void programLook_replacesTheDesktopStyleAndColours()
    {
        const auto restore = qScopeGuard([] { useProgramLook(); });
        QApplication::setStyle(u"Windows"_s);
        QApplication::setPalette(QPalette(QColor(50, 50, 50), QColor(36, 36, 36)));
        useProgramLook();
        QVERIFY(usesProgramStyle());
        auto *style = qobject_cast<QProxyStyle *>(QApplication::style());
        QVERIFY(style);
        QCOMPARE(style->baseStyle()->name(), u"fusion"_s);
        const QPalette palette = QApplication::palette();
        QCOMPARE(palette.color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(palette.color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(palette.color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(palette.color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(palette.color(QPalette::ButtonText), QColor(Qt::black));
        QVERIFY(palette.color(QPalette::Button).lightness() >= 200 && palette.color(QPalette::Button) != Qt::white);
        QVERIFY(contrast(palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)) >= 3.0);
    }

    void programStyle_menuBarOverflowArrowIsFusions()
    {
        // The arrow is made when first shown; it is then Fusion's own, at every size it has.
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
        const QIcon expected = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!expected.availableSizes().isEmpty());
        QMainWindow window;
        window.menuBar()->addMenu(u"&File"_s);
        auto *arrow = window.menuBar()->findChild<QToolButton *>(u"qt_menubar_ext_button"_s);
        QVERIFY(arrow);
        const QIcon shown = arrow->icon();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.availableSizes(), expected.availableSizes());
        for (const QSize &size : expected.availableSizes()) {
            QCOMPARE(shown.pixmap(size).toImage(), expected.pixmap(size).toImage());
            QCOMPARE(QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                         .pixmap(size).toImage(),
                     expected.pixmap(size).toImage());
        }
        // Other standard icons are Fusion's, unchanged.
        QCOMPARE(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(16).toImage(),
                 fusion->standardIcon(QStyle::SP_DialogSaveButton).pixmap(16).toImage());
    }

private:
    static void addWindowRows()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main") << u"frmMain"_s;
        QTest::newRow("about") << u"frmAbout"_s;
        QTest::newRow("questionnaire") << u"frmGraphology"_s;
    }

    std::unique_ptr<QWidget> makeWindow(const QString &name)
    {
        std::unique_ptr<QWidget> window;
        if (name == u"frmMain"_s)
            window = std::make_unique<frmMain>();
        else if (name == u"frmAbout"_s)
            window = std::make_unique<frmAbout>();
        else
            window = std::make_unique<frmGraphology>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window %s not exposed", qPrintable(name));
        return window;
    }
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
