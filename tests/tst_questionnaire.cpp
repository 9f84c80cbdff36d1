// The questionnaire window: its pages built from the catalogue, the walk forwards and
// backwards, and what each Next stores in the program-wide answer lists.
#include "questionnaire/AnswerLists.h"
#include "questionnaire/MeaningTables.h"
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/frmGraphology.h"
#include "report/ReportClipboard.h"
#include "report/RichTextBox.h"
#include "shell/StartUp.h"
#include "shell/frmMain.h"
#include "support/GuiTestCase.h"
#include "support/RtfReader.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::FakePlatform;

namespace {

const QList<TraitPage> &catalogue() { return traitCatalogue(); }

void clearAnswerLists()
{
    for (QStringList &list : answerLists())
        for (QString &slot : list)
            slot.clear();
}

// Walks forwards from Margins to the given page, choosing variant 0 on every page passed.
void walkTo(frmGraphology &window, int target)
{
    for (int i = 0; i < target; ++i) {
        test::chooseFirstVariant(&window, catalogue()[i]);
        test::click(&window, catalogue()[i].nextName());
    }
    QCOMPARE(window.currentPage(), target);
}

} // namespace

class QuestionnaireTest : public test::GuiTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<frmGraphology> m_window;

private slots:
    void init()
    {
        GuiTestCase::init();
        clearAnswerLists();
        m_window = std::make_unique<frmGraphology>();
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        GuiTestCase::cleanup();
    }

    // --- the catalogue ---

    void catalogue_pagesInOrder()
    {
        const QStringList ids{u"Margins"_s, u"Slant"_s, u"SizeOfTheWriting"_s, u"LineSpacing"_s, u"WordSpacing"_s,
                              u"LetterSpacing"_s, u"BeginningStroke"_s, u"EndingStroke"_s, u"Stems"_s,
                              u"StemHeight"_s, u"BarPressure"_s, u"BarHeight"_s, u"LengthOfCrossing"_s,
                              u"IDotAnalysis"_s, u"TheLowerCaseE"_s, u"TheLowerCaseM"_s, u"TheLowerCaseo"_s,
                              u"StemsofLowerCased"_s, u"TheLowerCasegandy"_s, u"TheCapitalLetterI"_s,
                              u"Signature"_s};
        const QList<int> counts{8, 6, 5, 5, 5, 3, 5, 7, 3, 4, 4, 5, 7, 9, 4, 5, 3, 4, 9, 9, 7};
        const QString multiple = u"BeginningStroke EndingStroke IDotAnalysis TheLowerCaseM TheLowerCasegandy "
                                 "TheCapitalLetterI Signature"_s;
        QCOMPARE(catalogue().size(), 21);
        int variants = 0;
        for (int i = 0; i < 21; ++i) {
            const TraitPage &trait = catalogue()[i];
            QCOMPARE(trait.id, ids[i]);
            QCOMPARE(trait.variantCount(), counts[i]);
            QCOMPARE(trait.kind == SelectionKind::Multiple, multiple.split(u' ').contains(trait.id));
            QCOMPARE(trait.instructionIndex, i);
            QCOMPARE(findTrait(trait.id), &trait);
            variants += trait.variantCount();
        }
        QCOMPARE(variants, 117);
        QCOMPARE(findTrait(u"NoSuchTrait"_s), nullptr);
        QCOMPARE(tBarGroup().members, (QStringList{u"Stems"_s, u"StemHeight"_s, u"BarPressure"_s,
                                                   u"BarHeight"_s, u"LengthOfCrossing"_s}));
    }

    void catalogue_captionsInStoredNotation()
    {
        QCOMPARE(findTrait(u"BeginningStroke"_s)->variants[0].caption, u"Long && Curved"_s);
        QCOMPARE(findTrait(u"BeginningStroke"_s)->variants[1].caption, u"Unbending "_s);
        QCOMPARE(findTrait(u"LengthOfCrossing"_s)->variants[0].caption, u"Long "_s);
        QCOMPARE(findTrait(u"EndingStroke"_s)->variants[0].caption, u"Long, Blunt && Upward-tending"_s);
        QCOMPARE(findTrait(u"TheLowerCaseE"_s)->variants[3].caption, u"Greek \"E\""_s);
        QCOMPARE(findTrait(u"TheLowerCasegandy"_s)->variants[8].caption, u"Broad && Full Loop"_s);
        QCOMPARE(findTrait(u"TheCapitalLetterI"_s)->variants[3].caption, u"Equal Top && Bottom Stroke"_s);
        QCOMPARE(findTrait(u"IDotAnalysis"_s)->caption, u"I -Dot Analysis"_s);
        QCOMPARE(findTrait(u"TheLowerCaseM"_s)->caption, u"The Lower Case \"M\""_s);
        QCOMPARE(findTrait(u"TheLowerCaseo"_s)->caption, u"The Lower Case 'o'"_s);
        QCOMPARE(findTrait(u"Stems"_s)->significance, u"    "_s);
        QCOMPARE(findTrait(u"LineSpacing"_s)->significance.back(), u' ');
        QCOMPARE(displayedCaption(u"Long && Curved"_s), u"Long & Curved"_s);
        QCOMPARE(displayedCaption(u"&Save"_s), u"Save"_s);
        QVERIFY(!findTrait(u"BarHeight"_s)->variants[4].hasPicture);
        QVERIFY(!findTrait(u"LengthOfCrossing"_s)->variants[6].hasPicture);
    }

    void catalogue_labelIndices()
    {
        QList<int> inner;
        for (const TraitPage &trait : catalogue()) {
            if (trait.inTBarGroup)
                inner.append(trait.significanceIndex);
        }
        QCOMPARE(inner, (QList<int>{0, 1, 2, 4, 6}));
        for (int index : {0, 1, 2, 4, 6})
            QVERIFY(m_window->findChild<QLabel *>(u"lblInnerSig(%1)"_s.arg(index)));
        for (int index = 0; index <= 16; ++index)
            QVERIFY(m_window->findChild<QLabel *>(u"lblSignificance(%1)"_s.arg(index)));
        for (int index = 0; index <= 20; ++index)
            QVERIFY(m_window->findChild<QLabel *>(u"lblInstruction(%1)"_s.arg(index)));
        QVERIFY(m_window->findChild<QCheckBox *>(u"optTheLowerCaseM(0)"_s));
        QVERIFY(m_window->findChild<QCheckBox *>(u"chkSignature(6)"_s));
        QVERIFY(m_window->findChild<QRadioButton *>(u"optMargins(7)"_s));
    }

    // --- a new window ---

    void newWindow_startsAtMarginsWithNothingChosen()
    {
        QCOMPARE(m_window->currentPage(), 0);
        for (QAbstractButton *button : m_window->findChildren<QAbstractButton *>()) {
            if (button->isCheckable())
                QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        }
        QVERIFY(m_window->reportBox()->document()->isEmpty());
        QVERIFY(m_window->findChild<QGroupBox *>(u"fraMargins"_s)->isVisible());
        QVERIFY(!m_window->findChild<QGroupBox *>(u"fraSlant"_s)->isVisible());
    }

    void meaningTables_filledAtLoadWithLastSlotEmpty()
    {
        const QList<QStringList> before = meaningTables();
        for (int i = 0; i < 21; ++i) {
            const QStringList &table = meaningTables()[i];
            QCOMPARE(table.size(), catalogue()[i].variantCount() + 1);
            for (int slot = 0; slot < table.size() - 1; ++slot)
                QVERIFY(!table[slot].isEmpty());
            QVERIFY(table.constLast().isEmpty());
        }
        frmGraphology second; // a second load changes nothing
        QCOMPARE(meaningTables(), before);
    }

    // --- walking the pages ---

    void nextAndBack_followThePageOrder()
    {
        walkTo(*m_window, 20);
        // Back from every page to the one before it, the T-Bar entry excepted.
        for (int i = 20; i > 0; --i) {
            test::click(m_window.get(), catalogue()[i].backName());
            const int expected = i == 13 ? 8 : i - 1; // back from I-Dot lands on Stems
            QCOMPARE(m_window->currentPage(), expected);
            if (i == 13) {
                // The sub-pages kept their choices: Next walks back to Length of Crossing.
                for (int sub = 8; sub < 12; ++sub)
                    test::click(m_window.get(), catalogue()[sub].nextName());
                QCOMPARE(m_window->currentPage(), 12);
            }
        }
        QVERIFY(m_fake->shownBoxes.isEmpty());
    }

    void enteringTheGroupForwards_landsOnStems()
    {
        walkTo(*m_window, 8);
        QVERIFY(m_window->findChild<QGroupBox *>(u"fraTBarAnalysis"_s)->isVisible());
        QVERIFY(m_window->findChild<QGroupBox *>(u"fraStems"_s)->isVisible());
        QVERIFY(!m_window->findChild<QGroupBox *>(u"fraStemHeight"_s)->isVisible());
        QVERIFY(m_window->findChild<QLabel *>(u"lblSignificance(8)"_s)->isVisible());
        test::click(m_window.get(), u"cmdStemsBack"_s);
        QCOMPARE(m_window->currentPage(), 7);
        QVERIFY(!m_window->findChild<QGroupBox *>(u"fraTBarAnalysis"_s)->isVisible());
    }

    void exactlyOnePageVisible()
    {
        walkTo(*m_window, 10);
        int visiblePages = 0;
        for (const TraitPage &trait : catalogue())
            visiblePages += m_window->findChild<QGroupBox *>(trait.frameName())->isVisible() ? 1 : 0;
        QCOMPARE(visiblePages, 1);
    }

    void backOnMargins_returnsToAFreshMainWindow()
    {
        test::chooseFirstVariant(m_window.get(), catalogue()[0]);
        test::click(m_window.get(), catalogue()[0].nextName());
        test::click(m_window.get(), catalogue()[1].backName());
        QPointer<frmGraphology> window = m_window.release();
        window->setAttribute(Qt::WA_DeleteOnClose, true);
        test::click(window, u"cmdMarginsBack"_s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
        QVERIFY(m_fake->exitCodes.isEmpty());
        QVERIFY(m_fake->shownBoxes.isEmpty()); // no report, nothing to ask about
        // The answer lists outlive the window.
        QCOMPARE(answerList(u"Margins"_s)[0], u"Wide Left Margin"_s);

        frmGraphology again;
        QCOMPARE(again.currentPage(), 0);
        QVERIFY(!again.findChild<QRadioButton *>(u"optMargins(0)"_s)->isChecked());
        QCOMPARE(answerList(u"Margins"_s)[0], u"Wide Left Margin"_s);
    }

    // --- capturing answers ---

    void nextWithNothingChosen_isRefusedOnEveryPage_data()
    {
        QTest::addColumn<int>("page");
        for (int i = 0; i < 21; ++i)
            QTest::newRow(qPrintable(catalogue()[i].id)) << i;
    }

    void nextWithNothingChosen_isRefusedOnEveryPage()
    {
        QFETCH(int, page);
        walkTo(*m_window, page);
        const TraitPage &trait = catalogue()[page];
        // A single-choice list keeps what it held; a multiple-choice list is emptied.
        answerList(trait.id)[0] = u"earlier"_s;
        noteReportTextHandedOut(u"copied from an earlier report"_s);
        m_fake->clipboardText = u"copied from an earlier report"_s;
        test::click(m_window.get(), trait.nextName());
        QCOMPARE(m_window->currentPage(), page);
        QCOMPARE(m_fake->shownBoxes.size(), 1);
        const auto &box = m_fake->shownBoxes.constFirst();
        QCOMPARE(box.text, u"Please Select Option(s)"_s);
        QCOMPARE(box.caption, u"Quillon"_s);
        QCOMPARE(box.icon, Platform::Icon::Error);
        QCOMPARE(box.buttons, Platform::Buttons::Ok);
        if (trait.kind == SelectionKind::Single)
            QCOMPARE(answerList(trait.id)[0], u"earlier"_s);
        else
            QVERIFY(std::all_of(answerList(trait.id).cbegin(), answerList(trait.id).cend(),
                                [](const QString &slot) { return slot.isEmpty(); }));
        // "View Result" takes report text back from the clipboard even when it refuses.
        QCOMPARE(m_fake->clipboardText.isEmpty(), page == 20);
    }

    void singleChoice_replacesCaptionAndText()
    {
        const TraitPage &margins = catalogue()[0];
        test::choose(m_window.get(), margins, 3);
        test::click(m_window.get(), margins.nextName());
        QCOMPARE(answerList(u"Margins"_s),
                 (QStringList{u"Narrow to Wider Left Margin"_s, meaningTable(u"Margins"_s)[3], QString()}));
        test::click(m_window.get(), catalogue()[1].backName());
        QVERIFY(m_window->findChild<QRadioButton *>(u"optMargins(3)"_s)->isChecked()); // Back keeps choices
        test::choose(m_window.get(), margins, 6);
        QVERIFY(!m_window->findChild<QRadioButton *>(u"optMargins(3)"_s)->isChecked());
        test::click(m_window.get(), margins.nextName());
        QCOMPARE(answerList(u"Margins"_s),
                 (QStringList{u"Wide Lower Margin"_s, meaningTable(u"Margins"_s)[6], QString()}));
    }

    void multipleChoice_fillsExactlyTheSlotsOfTheBoxesOn()
    {
        walkTo(*m_window, 6);
        const TraitPage &beginning = catalogue()[6];
        test::choose(m_window.get(), beginning, 3);
        test::choose(m_window.get(), beginning, 0);
        test::click(m_window.get(), beginning.nextName());
        const QStringList &meanings = meaningTable(beginning.id);
        QStringList expected(11);
        expected[0] = u"Long && Curved"_s;
        expected[1] = meanings[0];
        expected[6] = u"Curved Right to Left"_s;
        expected[7] = meanings[3];
        QCOMPARE(answerList(beginning.id), expected);

        // Back, turn one off, another on: the turned-off variant's slots are emptied.
        test::click(m_window.get(), catalogue()[7].backName());
        test::choose(m_window.get(), beginning, 0, false);
        test::choose(m_window.get(), beginning, 1);
        test::click(m_window.get(), beginning.nextName());
        expected[0].clear();
        expected[1].clear();
        expected[2] = u"Unbending "_s;
        expected[3] = meanings[1];
        QCOMPARE(answerList(beginning.id), expected);
        QVERIFY(answerList(beginning.id).constLast().isEmpty());
    }

    void variantsWithoutPicture_areValidAnswers()
    {
        walkTo(*m_window, 11);
        const TraitPage &barHeight = catalogue()[11];
        auto *picture = m_window->findChild<QLabel *>(u"picBarHeight(4)"_s);
        QVERIFY(picture);
        QVERIFY(picture->pixmap().isNull());
        test::choose(m_window.get(), barHeight, 4);
        test::click(m_window.get(), barHeight.nextName());
        QCOMPARE(answerList(barHeight.id)[0], u"None"_s);
        test::choose(m_window.get(), catalogue()[12], 6);
        test::click(m_window.get(), catalogue()[12].nextName());
        QCOMPARE(answerList(u"LengthOfCrossing"_s)[0], u"Absent"_s);
    }

    // --- the keyboard ---

    void pageChange_focusesThePagesFirstVariant()
    {
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(test::focusName(), catalogue()[0].controlName(0));
        // The focus shows on the first page already, before any Tab.
        QWidget *first = QApplication::focusWidget();
        const QImage focused = first->grab().toImage();
        first->clearFocus();
        QVERIFY(first->grab().toImage() != focused);
        first->setFocus();
        // Forwards with the mouse, which leaves the focus on the button clicked, then all the
        // way back: every page starts the keyboard on its own first variant.
        for (int page = 0; page < 20; ++page) {
            test::chooseFirstVariant(m_window.get(), catalogue()[page]);
            test::click(m_window.get(), catalogue()[page].nextName());
            QCOMPARE(m_window->currentPage(), page + 1);
            QCOMPARE(test::focusName(), catalogue()[page + 1].controlName(0));
        }
        for (int page = 20; page > 0;) {
            test::click(m_window.get(), catalogue()[page].backName());
            page = page == 13 ? 8 : page - 1; // back from I-Dot enters the group at Stems
            QCOMPARE(m_window->currentPage(), page);
            QCOMPARE(test::focusName(), catalogue()[page].controlName(0));
        }
    }

    void enterKey_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("chosen");   // variant 0 chosen before the key
        QTest::addColumn<QString>("focus"); // "variant", "Next" or "Back"
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<bool>("held");     // a repeat of a held key
        QTest::addColumn<int>("expected");  // page in front afterwards
        QTest::addColumn<int>("boxes");
        const int result = frmGraphology::resultPageIndex;
        QTest::newRow("Return on Next") << 0 << true << u"Next"_s << false << false << 1 << 0;
        QTest::newRow("keypad Enter on Next") << 1 << true << u"Next"_s << true << false << 2 << 0;
        QTest::newRow("Return on Back") << 2 << false << u"Back"_s << false << false << 1 << 0;
        QTest::newRow("Return on Back from I-Dot: Stems") << 13 << false << u"Back"_s << false << false << 8 << 0;
        QTest::newRow("Return on View Result") << 20 << true << u"Next"_s << false << false << result << 0;
        QTest::newRow("Return on Next, nothing chosen") << 3 << false << u"Next"_s << false << false << 3 << 1;
        QTest::newRow("Return on an option button") << 0 << true << u"variant"_s << false << false << 1 << 0;
        QTest::newRow("keypad Enter on a check box") << 6 << true << u"variant"_s << true << false << 7 << 0;
        QTest::newRow("Return in the T-Bar group") << 9 << true << u"variant"_s << false << false << 10 << 0;
        QTest::newRow("Return on the last page's variant") << 20 << true << u"variant"_s << false << false
                                                           << result << 0;
        QTest::newRow("Return on a variant, nothing chosen") << 14 << false << u"variant"_s << false << false
                                                             << 14 << 1;
        QTest::newRow("held Return on Next") << 4 << true << u"Next"_s << false << true << 4 << 0;
        QTest::newRow("held Return on a variant") << 5 << true << u"variant"_s << false << true << 5 << 0;
    }

    void enterKey()
    {
        QFETCH(int, page);
        QFETCH(bool, chosen);
        QFETCH(QString, focus);
        QFETCH(bool, keypad);
        QFETCH(bool, held);
        QFETCH(int, expected);
        QFETCH(int, boxes);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        walkTo(*m_window, page);
        const TraitPage &trait = catalogue()[page];
        if (chosen)
            test::chooseFirstVariant(m_window.get(), trait);
        QWidget *target = nullptr;
        if (focus == u"variant"_s)
            target = m_window->findChild<QAbstractButton *>(trait.controlName(0));
        else
            target = m_window->findChild<QPushButton *>(focus == u"Next"_s ? trait.nextName() : trait.backName());
        QVERIFY(target);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);

        const Qt::Key key = keypad ? Qt::Key_Enter : Qt::Key_Return;
        const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        if (held) {
            QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
            QApplication::sendEvent(target, &repeat);
        } else {
            test::pressKey(key, modifiers);
        }
        QCOMPARE(m_window->currentPage(), expected);
        QCOMPARE(m_fake->shownBoxes.size(), boxes);
        if (boxes)
            QCOMPARE(m_fake->shownBoxes.constFirst().text, u"Please Select Option(s)"_s);
        if (expected == frmGraphology::resultPageIndex)
            QVERIFY(!m_window->reportBox()->document()->isEmpty());
    }

    void keyboardOnly_fromStartUpToASavedReport()
    {
        m_window.reset(); // this test starts the program itself
        QVERIFY(runStartUp());
        QPointer<frmMain> mainWindow = test::findWindow<frmMain>();
        QVERIFY(mainWindow);
        QVERIFY(QTest::qWaitForWindowActive(mainWindow));

        QCOMPARE(test::focusName(), u"txtFirstName"_s);
        test::typeText(u"Ann"_s);
        test::pressKey(Qt::Key_Tab);
        test::typeText(u"Smith"_s);
        test::pressKey(Qt::Key_Tab);
        QCOMPARE(test::focusName(), u"cmdGoToGraphology"_s);
        test::pressKey(Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!mainWindow);
        auto *window = test::findWindow<frmGraphology>();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));

        QList<QList<int>> chosen;
        for (int page = 0; page < 21; ++page) {
            const TraitPage &trait = catalogue()[page];
            QCOMPARE(window->currentPage(), page);
            QCOMPARE(test::focusName(), trait.controlName(0));
            test::pressKey(Qt::Key_Space); // chooses or ticks the first variant
            QList<int> picks{0};
            if (page % 3 == 1) {
                // An arrow reaches the next variant: an option button is chosen as it gets
                // the focus, a check box is ticked with Space.
                test::pressKey(Qt::Key_Right);
                QCOMPARE(test::focusName(), trait.controlName(1));
                if (trait.kind == SelectionKind::Multiple) {
                    test::pressKey(Qt::Key_Space);
                    picks = {0, 1};
                } else {
                    picks = {1};
                }
            }
            chosen.append(picks);
            if (page % 2 == 0)
                test::pressKey(Qt::Key_Return);
            else
                test::pressKey(Qt::Key_Enter, Qt::KeypadModifier);
        }
        QCOMPARE(window->currentPage(), frmGraphology::resultPageIndex);
        QCOMPARE(test::focusName(), u"cmdSave"_s);
        QVERIFY(m_fake->shownBoxes.isEmpty());
        for (int page = 0; page < 21; ++page) {
            const TraitPage &trait = catalogue()[page];
            for (int pick : chosen[page]) {
                const int slot = trait.kind == SelectionKind::Single ? 0 : 2 * pick;
                QCOMPARE(answerList(trait.id)[slot], trait.variants[pick].caption);
            }
        }

        // Alt+S; the dialog gets its name and Enter (scripted here).
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Ann Smith.rtf"_s);
        m_fake->saveAnswers.enqueue(path);
        test::pressKey(Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(QFileInfo::exists(path));
        QCOMPARE(m_fake->saveRequests.size(), 1);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const test::RtfDocument read = test::readRtf(saved.readAll());
        QVERIFY2(read.valid, qPrintable(read.error));
        QStringList lines;
        for (const test::RtfParagraph &paragraph : read.paragraphs)
            lines.append(paragraph.text());
        QCOMPARE(lines.constFirst(), u"Margins"_s);
        QCOMPARE(lines.count(u"Long & Curved"_s), 1); // Beginning Stroke, ticked with Space
        QVERIFY(lines.contains(catalogue()[1].variants[1].caption)); // Slant, chosen with an arrow
        QVERIFY(!lines.join(u'\n').contains(u"&&"_s));
        QVERIFY(m_fake->exitCodes.isEmpty());
    }

    void questionnaire_offersScreenReadersNoBlankParts()
    {
        auto *blank = m_window->findChild<QLabel *>(u"lblInnerSig(0)"_s);
        QVERIFY(blank);
        QVERIFY(blank->text().trimmed().isEmpty());
        const QList<QObject *> exposed = test::exposedObjects(m_window.get());
        QVERIFY(!exposed.contains(blank));
        QVERIFY(blank->isVisibleTo(m_window->findChild<QWidget *>(u"fraStems"_s))); // still in its page
        // The rest of the Stems page is offered: its frame by caption, its controls by name.
        QAccessibleInterface *stems = QAccessible::queryAccessibleInterface(m_window->findChild<QWidget *>(u"fraStems"_s));
        QCOMPARE(stems->text(QAccessible::Name), u"Stems"_s);
        QVERIFY(exposed.contains(m_window->findChild<QWidget *>(u"optStems(0)"_s)));
        QVERIFY(exposed.contains(m_window->findChild<QWidget *>(u"cmdStemsNext"_s)));
        QVERIFY(exposed.contains(m_window->findChild<QWidget *>(u"lblInnerSig(1)"_s)));
        // Only the promotional label in front is offered; the other lies behind it.
        QVERIFY(exposed.contains(m_window->findChild<QWidget *>(u"lblCobrand"_s)));
        QVERIFY(!exposed.contains(m_window->findChild<QWidget *>(u"lblFullBrand"_s)));
        QVERIFY2(test::unnamedAccessibleObjects(m_window.get()).isEmpty(),
                 qPrintable(test::unnamedAccessibleObjects(m_window.get()).join(u", "_s)));
    }

    void fullWalk_storesExactlyWhatWasChosen()
    {
        // Through the main window, as a user starts it.
        m_window.reset();
        auto *window = qobject_cast<frmGraphology *>(test::openQuestionnaireAs(u"Ann"_s, u"Smith"_s));
        QVERIFY(window);

        QList<QList<int>> chosen;
        for (int i = 0; i < 21; ++i) {
            const TraitPage &trait = catalogue()[i];
            QList<int> picks;
            if (trait.kind == SelectionKind::Single)
                picks = {trait.variantCount() - 1 - i % trait.variantCount()};
            else
                picks = {0, trait.variantCount() - 1};
            for (int pick : picks)
                test::choose(window, trait, pick);
            test::click(window, trait.nextName());
            chosen.append(picks);
        }
        QCOMPARE(window->currentPage(), frmGraphology::resultPageIndex);
        for (int i = 0; i < 21; ++i) {
            const TraitPage &trait = catalogue()[i];
            const QStringList &meanings = meaningTable(trait.id);
            QStringList expected(answerSlotCount(trait));
            for (int pick : chosen[i]) {
                const int slot = trait.kind == SelectionKind::Single ? 0 : 2 * pick;
                expected[slot] = trait.variants[pick].caption;
                expected[slot + 1] = meanings[pick];
            }
            QCOMPARE(answerList(trait.id), expected);
        }
    }
};

QTEST_MAIN(QuestionnaireTest)
#include "tst_questionnaire.moc"
