// The report: what composition writes into the box, the saved file as readers see it,
// the Save command's paths, and leaving the questionnaire from the result page.
#include "questionnaire/AnswerLists.h"
#include "questionnaire/MeaningTables.h"
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/frmGraphology.h"
#include "report/ReportClipboard.h"
#include "report/ReportComposer.h"
#include "report/ReportSaving.h"
#include "report/RichTextBox.h"
#include "shell/frmMain.h"
#include "support/GuiTestCase.h"
#include "support/RtfReader.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QStyleHints>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillon;
using test::FakePlatform;

namespace {

const QColor magenta(128, 0, 128);
const QColor green(0, 128, 0);
const QColor black(0, 0, 0);

struct Line {
    QString text;
    QColor colour;
    bool bold;
};

// Every paragraph of the box with the one colour and weight it carries; a paragraph
// that mixes attributes fails the test.
QList<Line> lines(const RichTextBox &box)
{
    QList<Line> result;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (!block.next().isValid() && block.text().isEmpty())
            break; // the report ends with a line break: the last block is empty
        const QTextCharFormat format = block.begin().atEnd() ? block.charFormat()
                                                             : block.begin().fragment().charFormat();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat other = it.fragment().charFormat();
            if (other.foreground() != format.foreground() || other.fontWeight() != format.fontWeight())
                qWarning("mixed attributes in line '%s'", qPrintable(block.text()));
        }
        result.append({block.text(), format.foreground().color(), format.fontWeight() >= QFont::Bold});
    }
    return result;
}

void fillAllAnswers(int variantForSingle, QList<int> variantsForMultiple)
{
    LoadMeaningTables();
    for (const TraitPage &trait : traitCatalogue()) {
        QStringList &list = answerList(trait.id);
        for (QString &slot : list)
            slot.clear();
        const QStringList &meanings = meaningTable(trait.id);
        if (trait.kind == SelectionKind::Single) {
            const int pick = std::min(variantForSingle, trait.variantCount() - 1);
            list[0] = trait.variants[pick].caption;
            list[1] = meanings[pick];
        } else {
            for (int pick : variantsForMultiple) {
                list[2 * pick] = trait.variants[pick].caption;
                list[2 * pick + 1] = meanings[pick];
            }
        }
    }
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ReportTest : public test::GuiTestCase
{
    Q_OBJECT

private slots:

    // --- composition ---

    void fullReport_hasItsSectionsAndLineKinds()
    {
        fillAllAnswers(1, {0, 3});
        RichTextBox box;
        ComposeReport(box);
        const QList<Line> report = lines(box);

        int headings = 0, significances = 0;
        int index = 0;
        for (const ReportSection &section : reportSections()) {
            QCOMPARE(report[index].text, section.heading);
            QCOMPARE(report[index].colour, magenta);
            QVERIFY(report[index].bold);
            ++headings;
            ++index;
            if (!section.significance.isEmpty()) {
                QCOMPARE(report[index].text, section.significance);
                QCOMPARE(report[index].colour, magenta);
                QCOMPARE(report[index].bold, headings == 1); // only the first is bold
                ++significances;
                ++index;
            }
            if (section.traitId.isEmpty())
                continue;
            const TraitPage *trait = findTrait(section.traitId);
            const int answerLines = trait->kind == SelectionKind::Single ? 2 : 4;
            for (int i = 0; i < answerLines; ++i, ++index) {
                QCOMPARE(report[index].colour, i % 2 == 0 ? green : black);
                QVERIFY(!report[index].bold);
            }
        }
        QCOMPARE(index, report.size());
        QCOMPARE(headings, 22);
        QCOMPARE(significances, 17);
        QCOMPARE(report[0].text, u"Margins"_s);
        QCOMPARE(reportSections()[3].significance.back(), u'.'); // no trailing space in the report
        QVERIFY(box.toPlainText().contains(u"I Dot Analysis"_s));
        QVERIFY(box.toPlainText().contains(u"TBar Analysis"_s));
        QVERIFY(!box.toPlainText().contains(u"I -Dot"_s));
    }

    void multipleChoice_writesChosenVariantsInIndexOrder()
    {
        fillAllAnswers(0, {3, 0});
        RichTextBox box;
        ComposeReport(box);
        const QList<Line> report = lines(box);
        const TraitPage *beginning = findTrait(u"BeginningStroke"_s);
        qsizetype at = -1;
        for (qsizetype i = 0; i < report.size(); ++i)
            at = at < 0 && report[i].text == u"Beginning Stroke"_s ? i : at;
        QVERIFY(at >= 0);
        QCOMPARE(report[at + 2].text, u"Long && Curved"_s); // the stored notation, both ampersands
        QCOMPARE(report[at + 3].text, meaningTable(beginning->id)[0]);
        QCOMPARE(report[at + 4].text, beginning->variants[3].caption);
        QCOMPARE(report[at + 5].text, meaningTable(beginning->id)[3]);
        QCOMPARE(report[at + 6].text, u"Ending Stroke"_s);
    }

    void emptyLists_giveEmptyLinesOnlyForSingleChoice()
    {
        for (QStringList &list : answerLists())
            for (QString &slot : list)
                slot.clear();
        RichTextBox box;
        ComposeReport(box);
        const QList<Line> report = lines(box);
        // 22 headings, 17 sentences, and two empty lines for each of the 14 single-choice traits.
        QCOMPARE(report.size(), 22 + 17 + 14 * 2);
        QCOMPARE(report[2].text, QString());
        QCOMPARE(report[2].colour, green);
        QCOMPARE(report[3].colour, black);
    }

    void spareSlot_isNeverWritten()
    {
        fillAllAnswers(0, {1});
        for (QStringList &list : answerLists())
            list.last() = u"SPARE SLOT TEXT"_s;
        RichTextBox box;
        ComposeReport(box);
        QVERIFY(!box.toPlainText().contains(u"SPARE SLOT TEXT"_s));
    }

    void composition_takesReportTextBackAndLeavesAnswersAlone()
    {
        fillAllAnswers(2, {1, 2});
        const QList<QStringList> before = answerLists();
        noteReportTextHandedOut(u"copied from an earlier report"_s);
        m_fake->clipboardText = u"copied from an earlier report"_s;
        m_fake->selectionText = u"selected in another program"_s;
        RichTextBox box;
        ComposeReport(box);
        QVERIFY(m_fake->clipboardText.isEmpty());
        QCOMPARE(m_fake->selectionText, u"selected in another program"_s);
        QCOMPARE(answerLists(), before);
    }

    // --- the saved file ---

    void savedFile_readsBackAsTheReport()
    {
        fillAllAnswers(1, {0, 2, 4});
        RichTextBox box;
        ComposeReport(box);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"report.rtf"_s);
        QString error;
        QVERIFY2(box.saveFile(path, &error), qPrintable(error));
        const QByteArray saved = readFile(path);

        const test::RtfDocument read = test::readRtf(saved);
        QVERIFY2(read.valid, qPrintable(read.error));
        const QList<test::RtfParagraph> expected = test::documentRuns(*box.document());
        QVERIFY2(test::firstDifference(expected, read.paragraphs).isEmpty(),
                 qPrintable(test::firstDifference(expected, read.paragraphs)));

        bool ok = false;
        const QString unrtf = test::unrtfText(path, &ok);
        QVERIFY(ok);
        QStringList unrtfLines = unrtf.split(u'\n');
        while (!unrtfLines.isEmpty() && unrtfLines.constLast().isEmpty())
            unrtfLines.removeLast();
        QStringList boxLines = box.toPlainText().split(u'\n');
        while (!boxLines.isEmpty() && boxLines.constLast().isEmpty())
            boxLines.removeLast();
        QCOMPARE(unrtfLines, boxLines);
    }

    void savedFile_carriesAwkwardTextLiterally()
    {
        RichTextBox box;
        const QString awkward = u"{\\field{\\*\\fldinst HYPERLINK \"x\"}} \\par \\b0 } { é 漢字 😀 שלום"_s;
        box.insertAtCaret(awkward + u"\r\n"_s);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"awkward.rtf"_s);
        QVERIFY(box.saveFile(path, nullptr));
        const test::RtfDocument read = test::readRtf(readFile(path));
        QVERIFY(read.valid);
        QCOMPARE(read.paragraphs.size(), 1);
        QCOMPARE(read.paragraphs.constFirst().text(), awkward);
    }

    // --- the Save command ---

    void saveDialog_askedWithItsSettingsEveryTime()
    {
        RichTextBox box;
        box.insertAtCaret(u"Margins\r\n"_s);
        saveReport(nullptr, box);
        saveReport(nullptr, box);
        QCOMPARE(m_fake->saveRequests.size(), 2);
        for (const auto &request : m_fake->saveRequests) {
            QCOMPARE(request.title, u"Quillon"_s);
            QCOMPARE(request.filter, u"Rich Text Format (*.rtf)"_s);
            QCOMPARE(request.defaultSuffix, u"doc"_s);
            QVERIFY(request.confirmOverwrite);
            QVERIFY(request.initialName.isEmpty());
        }
        QVERIFY(m_fake->shownBoxes.isEmpty()); // cancelled twice: silence
    }

    void saveTwice_givesTheSameBytes()
    {
        fillAllAnswers(0, {0});
        RichTextBox box;
        ComposeReport(box);
        QTemporaryDir folder;
        const QString first = folder.filePath(u"first.doc"_s);
        const QString second = folder.filePath(u"second.doc"_s);
        m_fake->saveAnswers.enqueue(first);
        m_fake->saveAnswers.enqueue(second);
        saveReport(nullptr, box);
        saveReport(nullptr, box);
        QVERIFY(!readFile(first).isEmpty());
        QCOMPARE(readFile(first), readFile(second));
        QVERIFY(readFile(first).startsWith("{\\rtf1"));
        QVERIFY(m_fake->shownBoxes.isEmpty());
    }

    void failedSave_keepsOldFileAndSaysSo_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }

    void failedSave_keepsOldFileAndSaysSo()
    {
        QFETCH(bool, readOnlyFolder);
        if (::geteuid() == 0 && readOnlyFolder)
            QSKIP("root may write into any folder; the read-only file case still runs");
        QTemporaryDir folder;
        const QString path = folder.filePath(u"kept.rtf"_s);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old content");
        }
        if (readOnlyFolder)
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        else
            QFile::setPermissions(path, QFile::ReadOwner);

        RichTextBox box;
        box.insertAtCaret(u"The report\r\n"_s);
        m_fake->saveAnswers.enqueue(path);
        saveReport(nullptr, box);

        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readFile(path), QByteArray("old content"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"kept.rtf"_s});
        QCOMPARE(m_fake->shownBoxes.size(), 1);
        QCOMPARE(m_fake->shownBoxes.constFirst().icon, Platform::Icon::Error);
        QCOMPARE(m_fake->shownBoxes.constFirst().caption, u"Quillon"_s);
        QVERIFY(m_fake->shownBoxes.constFirst().text.contains(u"could not be saved"_s));
        QCOMPARE(box.toPlainText(), u"The report\n"_s);
    }

    void saveIntoMissingFolder_saysSo()
    {
        QTemporaryDir folder;
        RichTextBox box;
        box.insertAtCaret(u"The report\r\n"_s);
        m_fake->saveAnswers.enqueue(folder.filePath(u"gone/report.rtf"_s));
        saveReport(nullptr, box);
        QCOMPARE(m_fake->shownBoxes.size(), 1);
        QVERIFY(!QFile::exists(folder.filePath(u"gone"_s)));
    }

    // --- the result page ---

    void resultPage_boxEventsTakeBackOnlyReportText_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("content change") << u"change"_s;
        QTest::newRow("mouse move") << u"move"_s;
        QTest::newRow("mouse down") << u"down"_s;
        QTest::newRow("mouse up and click") << u"up"_s;
    }

    void resultPage_boxEventsTakeBackOnlyReportText()
    {
        QFETCH(QString, event);
        frmGraphology window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::walkToResult(&window);
        RichTextBox *box = window.reportBox();
        QWidget *surface = box->viewport();
        QVERIFY(surface->isVisible());
        int x = 10;
        const auto fire = [&] {
            x += 7;
            if (event == u"change")
                box->insertAtCaret(u"x"_s);
            else if (event == u"move")
                QTest::mouseMove(surface, QPoint(x, 12));
            else if (event == u"down")
                QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(x, 5));
            else
                QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(x, 5));
            if (event == u"down")
                QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(x, 5)); // ready for the next press
        };

        // Another program's data stays, and with nothing of ours there it is not even looked at.
        m_fake->clipboardText = u"copied in another program"_s;
        m_fake->selectionText = u"selected in another program"_s;
        fire();
        QCOMPARE(m_fake->clipboardText, u"copied in another program"_s);
        QCOMPARE(m_fake->selectionText, u"selected in another program"_s);
        QCOMPARE(m_fake->clipboardQueries, 0);

        // Report text copied from the box is taken back from both.
        if (event == u"up")
            QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(x, 5));
        box->selectAll();
        box->copy();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.contains(u"Margins"_s));
        m_fake->clipboardText = copied;
        m_fake->selectionText = copied;
        fire();
        QVERIFY(m_fake->clipboardText.isEmpty());
        QVERIFY(m_fake->selectionText.isEmpty());

        // Copied, then replaced by another program before the mouse came back: that stays.
        box->copy();
        m_fake->clipboardText = u"copied in another program later"_s;
        fire();
        QCOMPARE(m_fake->clipboardText, u"copied in another program later"_s);
    }

    void viewResult_leavesAnotherProgramsClipboardAlone()
    {
        m_fake->clipboardText = u"copied in another program"_s;
        m_fake->selectionText = u"selected in another program"_s;
        frmGraphology window;
        window.show();
        test::walkToResult(&window);
        QCOMPARE(window.currentPage(), frmGraphology::resultPageIndex);
        QCOMPARE(m_fake->clipboardText, u"copied in another program"_s);
        QCOMPARE(m_fake->selectionText, u"selected in another program"_s);
        QCOMPARE(m_fake->clipboardQueries, 0);
    }

    void doubleClickOnViewResult_keepsTheReport_data()
    {
        QTest::addColumn<int>("gap"); // from the first release to the second press, in the events' own time
        QTest::addColumn<bool>("ignored");
        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QTest::newRow("80 ms") << 80 << true;
        QTest::newRow("250 ms") << 250 << true;
        QTest::newRow("just inside the double-click interval") << interval - 1 << true;
        QTest::newRow("a click after the interval") << interval << false;
    }

    void doubleClickOnViewResult_keepsTheReport()
    {
        QFETCH(int, gap);
        QFETCH(bool, ignored);
        auto *window = new frmGraphology;
        QPointer<frmGraphology> guard = window;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto &catalogue = traitCatalogue();
        for (const TraitPage &trait : catalogue) {
            test::chooseFirstVariant(window, trait);
            if (&trait != &catalogue.constLast())
                test::click(window, trait.nextName());
        }
        auto *viewResult = window->findChild<QPushButton *>(catalogue.constLast().nextName());
        auto *onceAgain = window->findChild<QPushButton *>(u"cmdBackToMain"_s);
        const QPoint global = viewResult->mapToGlobal(viewResult->rect().center());
        const QPoint underPointer = onceAgain->mapFromGlobal(global);
        QVERIFY(onceAgain->rect().contains(underPointer)); // why a double click can do harm

        const auto send = [](QWidget *target, QEvent::Type type, const QPoint &at, ulong timestamp) {
            QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            event.setTimestamp(timestamp);
            QApplication::sendEvent(target, &event);
        };
        const ulong released = 4000000000UL; // well after any time the test's other clicks used
        send(viewResult, QEvent::MouseButtonPress, viewResult->rect().center(), released - 90);
        send(viewResult, QEvent::MouseButtonRelease, viewResult->rect().center(), released);
        QCOMPARE(window->currentPage(), frmGraphology::resultPageIndex);

        m_fake->boxAnswers.enqueue(Platform::Answer::Discard); // should the report be let go
        send(onceAgain, QEvent::MouseButtonPress, underPointer, released + ulong(gap));
        send(onceAgain, QEvent::MouseButtonDblClick, underPointer, released + ulong(gap));
        send(onceAgain, QEvent::MouseButtonRelease, underPointer, released + ulong(gap) + 90);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (ignored) {
            QVERIFY(guard);
            QCOMPARE(window->currentPage(), frmGraphology::resultPageIndex);
            QVERIFY(window->reportBox()->toPlainText().contains(u"Margins"_s));
            QVERIFY(m_fake->shownBoxes.isEmpty());
            QCOMPARE(test::liveWindows("quillon::frmMain"), 0);
        } else {
            QVERIFY(!guard);
            QCOMPARE(test::liveWindows("quillon::frmMain"), 1);
        }
    }

    void altS_pressesSave()
    {
        frmGraphology window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::walkToResult(&window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(m_fake->saveRequests.size(), 1); // a button pressed by its key releases a moment later
    }

    void onceAgain_givesFreshMainWindowThenEmptyReport()
    {
        fillAllAnswers(0, {0});
        auto *window = new frmGraphology;
        window->show();
        QPointer<frmGraphology> guard = window;
        test::walkToResult(window);
        QCOMPARE(window->currentPage(), frmGraphology::resultPageIndex);
        QVERIFY(!window->reportBox()->document()->isEmpty());
        m_fake->boxAnswers.enqueue(Platform::Answer::Discard);
        test::click(window, u"cmdBackToMain"_s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QVERIFY(m_fake->exitCodes.isEmpty());
        auto *mainWindow = test::findWindow<frmMain>();
        QVERIFY(mainWindow);
        QVERIFY(mainWindow->findChild<QLineEdit *>(u"txtFirstName"_s)->text().isEmpty());

        frmGraphology next;
        QVERIFY(next.reportBox()->document()->isEmpty());
    }

    void report_neverContainsTheNamesTyped()
    {
        auto *window = qobject_cast<frmGraphology *>(test::openQuestionnaireAs(u"Zebulon"_s, u"Quetzalcoatl"_s));
        QVERIFY(window);
        test::walkToResult(window);
        const QString text = window->reportBox()->toPlainText();
        QVERIFY(!text.isEmpty());
        QVERIFY(!text.contains(u"Zebulon"_s));
        QVERIFY(!text.contains(u"Quetzalcoatl"_s));
    }

    void closingTheQuestionnaire_endsTheProgram_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File, Exit") << true;
    }

    void closingTheQuestionnaire_endsTheProgram()
    {
        QFETCH(bool, viaMenu);
        auto *window = new frmGraphology;
        window->show();
        leave(window, viaMenu ? u"File, Exit"_s : u"close box"_s);
        QCOMPARE(m_fake->exitCodes, QList<int>{0});
        QVERIFY(m_fake->shownBoxes.isEmpty()); // no report, no question
    }

    // --- leaving a report that was not saved ---

    void leavingWithAnUnsavedReport_asksFirst_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("answer"); // Platform::Answer
        QTest::addColumn<QString>("save"); // what the save does when the answer is Save
        QTest::addColumn<bool>("windowGoes");
        for (const QString &way : {u"close box"_s, u"File, Exit"_s, u"Once Again"_s}) {
            const auto row = [&way](const char *what) { return qPrintable(way + u": "_s + QLatin1StringView(what)); };
            QTest::newRow(row("Don't Save")) << way << int(Platform::Answer::Discard) << QString() << true;
            QTest::newRow(row("Cancel")) << way << int(Platform::Answer::Cancel) << QString() << false;
            QTest::newRow(row("Save")) << way << int(Platform::Answer::Save) << u"works"_s << true;
            QTest::newRow(row("Save, dialog cancelled")) << way << int(Platform::Answer::Save) << u"cancelled"_s << false;
            QTest::newRow(row("Save, write fails")) << way << int(Platform::Answer::Save) << u"fails"_s << false;
        }
    }

    void leavingWithAnUnsavedReport_asksFirst()
    {
        QFETCH(QString, way);
        QFETCH(int, answer);
        QFETCH(QString, save);
        QFETCH(bool, windowGoes);
        auto *window = new frmGraphology;
        QPointer<frmGraphology> guard = window;
        window->show();
        test::walkToResult(window);
        QTemporaryDir folder;
        const QString path = folder.filePath(save == u"fails"_s ? u"gone/report.doc"_s : u"report.doc"_s);
        if (save == u"works"_s || save == u"fails"_s)
            m_fake->saveAnswers.enqueue(path);
        m_fake->boxAnswers.enqueue(Platform::Answer(answer));

        leave(window, way);

        QVERIFY(!m_fake->shownBoxes.isEmpty());
        const auto &question = m_fake->shownBoxes.constFirst();
        QCOMPARE(question.text, u"Save the report before closing?"_s);
        QCOMPARE(question.caption, u"Quillon"_s);
        QCOMPARE(question.icon, Platform::Icon::Information);
        QCOMPARE(question.buttons, Platform::Buttons::SaveDiscardCancel);
        QCOMPARE(question.parent, static_cast<QWidget *>(window));
        QCOMPARE(m_fake->saveRequests.size(), answer == int(Platform::Answer::Save) ? 1 : 0);
        QCOMPARE(m_fake->shownBoxes.size(), save == u"fails"_s ? 2 : 1); // a failed write says so
        QCOMPARE(readFile(path).startsWith("{\\rtf1"), save == u"works"_s);
        if (windowGoes) {
            QVERIFY(!guard);
            const bool ends = way != u"Once Again"_s;
            QCOMPARE(m_fake->exitCodes, ends ? QList<int>{0} : QList<int>());
            QCOMPARE(test::liveWindows("quillon::frmMain"), ends ? 0 : 1);
        } else {
            QVERIFY(guard);
            QVERIFY(window->isVisible());
            QCOMPARE(window->currentPage(), frmGraphology::resultPageIndex);
            QVERIFY(window->reportBox()->toPlainText().contains(u"Margins"_s));
            QVERIFY(m_fake->exitCodes.isEmpty());
            QCOMPARE(test::liveWindows("quillon::frmMain"), 0);
        }
    }

    void leavingAfterPressingSave_asksOnlyWhenTheSaveFailed_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("saveWorks");
        for (const QString &way : {u"close box"_s, u"File, Exit"_s, u"Once Again"_s}) {
            QTest::newRow(qPrintable(way + u": after a save"_s)) << way << true;
            QTest::newRow(qPrintable(way + u": after a failed save"_s)) << way << false;
        }
    }

    void leavingAfterPressingSave_asksOnlyWhenTheSaveFailed()
    {
        QFETCH(QString, way);
        QFETCH(bool, saveWorks);
        auto *window = new frmGraphology;
        QPointer<frmGraphology> guard = window;
        window->show();
        test::walkToResult(window);
        QTemporaryDir folder;
        m_fake->saveAnswers.enqueue(folder.filePath(saveWorks ? u"report.doc"_s : u"gone/report.doc"_s));
        test::click(window, u"cmdSave"_s);
        QCOMPARE(m_fake->shownBoxes.size(), saveWorks ? 0 : 1);
        m_fake->shownBoxes.clear();
        m_fake->boxAnswers.enqueue(Platform::Answer::Cancel); // should it ask

        leave(window, way);

        if (saveWorks) {
            QVERIFY(m_fake->shownBoxes.isEmpty());
            QVERIFY(!guard);
        } else {
            QCOMPARE(m_fake->shownBoxes.size(), 1);
            QCOMPARE(m_fake->shownBoxes.constFirst().text, u"Save the report before closing?"_s);
            QVERIFY(guard);
        }
    }

private:
    // Leaves the questionnaire window the way a user would.
    static void leave(frmGraphology *window, const QString &way)
    {
        if (way == u"File, Exit"_s)
            window->findChild<QAction *>(u"mnuExit"_s)->trigger();
        else if (way == u"Once Again"_s)
            test::click(window, u"cmdBackToMain"_s);
        else
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
