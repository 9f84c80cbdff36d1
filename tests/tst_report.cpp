// The report: what composition writes into the box, the saved file as readers see it,
// the Save command's paths, and leaving the questionnaire from the result page.
#include "questionnaire/AnswerLists.h"
#include "questionnaire/MeaningTables.h"
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/frmGraphology.h"
#include "platform/PathText.h"
#include "report/ReportClipboard.h"
#include "report/ReportComposer.h"
#include "report/ReportSaving.h"
#include "report/RichTextBox.h"
#include "report/RtfWriter.h"
#include "shell/frmMain.h"
#include "support/GuiTestCase.h"
#include "support/RtfReader.h"
#include "support/WindowDriver.h"

#include <QAccessible>
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
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>

#include <QProcess>
#include <QStandardPaths>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Everything in a folder, hidden files and temporary files included.
QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// A report box holding about the given number of characters.
void fillBox(RichTextBox &box, int characters)
{
    QString text;
    for (int line = 1; text.size() < characters; ++line)
        text += u"Line %1 of a long report.\r\n"_s.arg(line);
    box.insertAtCaret(text);
}

// Run as root, the saving child takes this user, so that permission bits bind it.
constexpr uid_t childUser = 65534;

bool childChangesUser()
{
    return ::geteuid() == 0;
}

QString childProgram()
{
    return qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + u"/report_save_child"_s;
}

// The other user must be able to reach and run the child program.
bool childUserCanRun()
{
    if (!childChangesUser())
        return true;
    QFileInfo step(childProgram());
    if (!(step.permissions() & QFileDevice::ExeOther))
        return false;
    for (QDir folder = step.absoluteDir(); !folder.isRoot(); folder.cdUp()) {
        if (!(QFileInfo(folder.absolutePath()).permissions() & QFileDevice::ExeOther))
            return false;
    }
    return true;
}

// Makes a file or folder the child's own.
void handToChild(const QString &path)
{
    if (childChangesUser())
        QVERIFY(::chown(QFile::encodeName(path).constData(), childUser, childUser) == 0);
}

struct ChildRun {
    bool ranToEnd = false; // not ended by a signal or an error
    bool saved = false;
    QString uid;
    QStringList boxes;
    QString output;
};

// The Save command in a process of its own, under a file-size limit when one is given.
ChildRun saveInChild(const QString &path, int reportCharacters, qint64 fileSizeLimit)
{
    QProcess child;
    child.setProgram(childProgram());
    child.setArguments({path, QString::number(reportCharacters)});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(environment);
    const bool changeUser = childChangesUser();
    child.setChildProcessModifier([fileSizeLimit, changeUser] {
        if (fileSizeLimit > 0) {
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(98);
        }
        if (changeUser && (::setgroups(0, nullptr) != 0 || ::setgid(childUser) != 0 || ::setuid(childUser) != 0))
            ::_exit(99);
    });
    child.start();
    ChildRun run;
    if (!child.waitForFinished(120000))
        return run;
    run.ranToEnd = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    run.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    for (const QString &line : run.output.split(u'\n')) {
        if (line.startsWith(u"uid="_s))
            run.uid = line.mid(4);
        else if (line == u"saved=1"_s)
            run.saved = true;
        else if (line.startsWith(u"box="_s))
            run.boxes.append(line.mid(4));
    }
    run.output += QString::fromLocal8Bit(child.readAllStandardError())
                  + u"\nexit status %1, code %2"_s.arg(int(child.exitStatus())).arg(child.exitCode());
    return run;
}

// A small file system of its own, taken down at the end of the test.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &where) : m_where(QFile::encodeName(where))
    {
        m_mounted = ::mount("tmpfs", m_where.constData(), "tmpfs", 0, "size=64k,mode=0755") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_where.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_where;
    bool m_mounted = false;
};

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
        QCOMPARE(report[at + 2].text, u"Long & Curved"_s); // shown as the page showed it
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

    void ampersandCaptions_showOneAmpersand_data()
    {
        QTest::addColumn<QString>("trait");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Long & Curved") << u"BeginningStroke"_s << 0 << u"Long & Curved"_s;
        QTest::newRow("Long & Below Baseline Stroke") << u"BeginningStroke"_s << 2
                                                      << u"Long & Below Baseline Stroke"_s;
        QTest::newRow("Long, Blunt & Upward-tending") << u"EndingStroke"_s << 0
                                                      << u"Long, Blunt & Upward-tending"_s;
        QTest::newRow("Broad & Full Loop") << u"TheLowerCasegandy"_s << 8 << u"Broad & Full Loop"_s;
        QTest::newRow("Small & Cramped Loop") << u"TheLowerCasegandy"_s << 7 << u"Small & Cramped Loop"_s;
        QTest::newRow("Equal Top & Bottom Stroke") << u"TheCapitalLetterI"_s << 3
                                                   << u"Equal Top & Bottom Stroke"_s;
        QTest::newRow("trailing space kept") << u"BeginningStroke"_s << 1 << u"Unbending "_s;
    }

    void ampersandCaptions_showOneAmpersand()
    {
        QFETCH(QString, trait);
        QFETCH(int, variant);
        QFETCH(QString, shown);
        fillAllAnswers(0, {});
        const TraitPage *page = findTrait(trait);
        QStringList &list = answerList(trait);
        list[2 * variant] = page->variants[variant].caption;
        list[2 * variant + 1] = meaningTable(trait)[variant];
        const QStringList stored = list;

        RichTextBox box;
        ComposeReport(box);
        QStringList shownLines;
        for (const Line &line : lines(box))
            shownLines.append(line.text);
        QCOMPARE(shownLines.count(shown), 1);
        QCOMPARE(lines(box)[shownLines.indexOf(shown)].colour, green);
        QVERIFY(!box.toPlainText().contains(u"&&"_s));
        QCOMPARE(answerList(trait), stored); // the slots keep the caption notation
        QCOMPARE(stored[2 * variant].count(u'&'), shown.count(u'&') * 2);

        // The saved file carries what the box shows, read by our reader and by unrtf.
        QTemporaryDir folder;
        const QString path = folder.filePath(u"ampersand.rtf"_s);
        m_fake->saveAnswers.enqueue(path);
        QVERIFY(saveReport(nullptr, box));
        const test::RtfDocument read = test::readRtf(readFile(path));
        QVERIFY2(read.valid, qPrintable(read.error));
        QStringList savedLines;
        for (const test::RtfParagraph &paragraph : read.paragraphs)
            savedLines.append(paragraph.text());
        QCOMPARE(savedLines.count(shown), 1);
        QVERIFY(!savedLines.join(u'\n').contains(u"&&"_s));
        bool ok = false;
        const QString unrtf = test::unrtfText(path, &ok);
        QVERIFY(ok);
        QVERIFY(unrtf.split(u'\n').contains(shown));
        QVERIFY(!unrtf.contains(u"&&"_s));
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
            QCOMPARE(request.filter, u"Rich Text Format (*.rtf *.doc)"_s);
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

    void saveDialog_opensInDocumentsThenWhereTheLastSaveWent()
    {
        forgetSaveFolder();
        RichTextBox box;
        box.insertAtCaret(u"The report\r\n"_s);
        QTemporaryDir first, second;
        m_fake->saveAnswers.enqueue(first.filePath(u"a.doc"_s));
        m_fake->saveAnswers.enqueue(second.filePath(u"missing/b.doc"_s)); // fails
        m_fake->saveAnswers.enqueue(second.filePath(u"c.doc"_s));
        QVERIFY(saveReport(nullptr, box));
        QVERIFY(!saveReport(nullptr, box));
        QVERIFY(saveReport(nullptr, box));
        saveReport(nullptr, box); // cancelled
        QCOMPARE(m_fake->saveRequests.size(), 4);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(m_fake->saveRequests.at(0).folder, QFileInfo(documents).isDir() ? documents : QDir::homePath());
        QCOMPARE(m_fake->saveRequests.at(1).folder, first.path());
        QCOMPARE(m_fake->saveRequests.at(2).folder, first.path()); // a failed save moves nothing
        QCOMPARE(m_fake->saveRequests.at(3).folder, second.path());
        for (const auto &request : m_fake->saveRequests)
            QVERIFY(request.initialName.isEmpty());
        forgetSaveFolder();
    }

    // --- saving that fails ---

    void failedSave_keepsWhatWasThereAndSaysWhy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cause");
        QTest::newRow("read-only file") << u"read-only"_s << u"The file is read-only."_s;
        QTest::newRow("missing folder") << u"missing"_s << u"The folder does not exist."_s;
        QTest::newRow("name of a folder") << u"folder"_s << u"That name belongs to a folder."_s;
        QTest::newRow("pipe") << u"pipe"_s << u"That name belongs to something that is not a file."_s;
    }

    void failedSave_keepsWhatWasThereAndSaysWhy()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cause);
        QTemporaryDir folder;
        QString path = folder.filePath(u"kept.rtf"_s);
        if (kind == u"read-only"_s) {
            writeFile(path, "old content");
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        } else if (kind == u"missing"_s) {
            path = folder.filePath(u"gone/report.rtf"_s);
        } else if (kind == u"folder"_s) {
            QVERIFY(QDir(folder.path()).mkdir(u"kept.rtf"_s));
        } else {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        }
        const QStringList before = listing(folder.path());
        const QByteArray oldBytes = kind == u"read-only"_s ? readFile(path) : QByteArray();

        RichTextBox box;
        box.insertAtCaret(u"The report\r\n"_s);
        m_fake->saveAnswers.enqueue(path);
        QVERIFY(!saveReport(nullptr, box));

        QCOMPARE(listing(folder.path()), before);
        if (kind == u"read-only"_s)
            QCOMPARE(readFile(path), oldBytes);
        if (kind == u"pipe"_s) {
            struct stat info;
            QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        }
        QCOMPARE(m_fake->shownBoxes.size(), 1);
        const auto &shown = m_fake->shownBoxes.constFirst();
        QCOMPARE(shown.icon, Platform::Icon::Error);
        QCOMPARE(shown.caption, u"Quillon"_s);
        QVERIFY2(shown.text.contains(u"could not be saved"_s) && shown.text.contains(cause), qPrintable(shown.text));
        QCOMPARE(box.toPlainText(), u"The report\n"_s);
    }

    void failedSaveMessage_shortensALongPath()
    {
        QTemporaryDir folder;
        QString deep = folder.path();
        while (deep.size() < 4000)
            deep += u'/' + QString(200, u'd');
        QVERIFY(QDir().mkpath(deep));
        RichTextBox box;
        box.insertAtCaret(u"The report\r\n"_s);
        m_fake->saveAnswers.enqueue(deep + u"/gone/final name.doc"_s);
        saveReport(nullptr, box);
        QCOMPARE(m_fake->shownBoxes.size(), 1);
        const QStringList text = m_fake->shownBoxes.constFirst().text.split(u'\n');
        for (const QString &line : text)
            QVERIFY2(line.size() <= 120, qPrintable(line));
        QVERIFY(text.constFirst().startsWith(u"The report could not be saved to "_s + folder.path().left(10)));
        QVERIFY(text.constFirst().endsWith(u"/final name.doc."_s));
        QCOMPARE(text.at(1), u"The folder does not exist."_s);
    }

    void elidedPath_keepsTheBeginningAndTheFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shownEnd"); // empty: shown whole
        const QString longFolder = u"/home/user/"_s + QString(300, u'f') + u"/more"_s;
        QTest::newRow("short") << u"/home/user/report.doc"_s << QString();
        QTest::newRow("exactly the limit") << u"/"_s + QString(67, u'a') + u".doc"_s << QString();
        QTest::newRow("long folder") << longFolder + u"/report.doc"_s << u"/report.doc"_s;
        QTest::newRow("long file name") << u"/home/"_s + QString(250, u'n') + u".doc"_s << u"nnn.doc"_s;
        QTest::newRow("no folder") << QString(200, u'n') + u".rtf"_s << u"nnn.rtf"_s;
        QTest::newRow("wide characters at the cuts")
            << u"/"_s + QString(41, u'x') + u"😀"_s.repeated(20) + u"/"_s + u"😀"_s.repeated(30) + u".doc"_s
            << u".doc"_s;
    }

    void elidedPath_keepsTheBeginningAndTheFileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, shownEnd);
        const QString shown = elidedPath(path, 72);
        if (shownEnd.isEmpty()) {
            QCOMPARE(shown, path);
            return;
        }
        QVERIFY2(shown.size() <= 72, qPrintable(shown));
        QVERIFY(shown.size() >= 60);
        QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
        QVERIFY2(shown.endsWith(shownEnd), qPrintable(shown));
        QCOMPARE(shown.at(0), path.at(0));
        QVERIFY(shown.isValidUtf16());
    }

    // --- saving under a fault of the system ---

    void saveInAProcessWithLimits_data()
    {
        QTest::addColumn<bool>("replacing");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<qint64>("fileSizeLimit");
        QTest::addColumn<QString>("cause"); // empty: the save succeeds
        QTest::addColumn<int>("oldSize");
        const QString tooLarge = u"The file would be larger than this system allows."_s;
        QTest::newRow("file-size limit, new file") << false << false << qint64(2048) << tooLarge << 0;
        QTest::newRow("file-size limit, replacing") << true << false << qint64(2048) << tooLarge << 100;
        QTest::newRow("file-size limit, replacing in a read-only folder")
            << true << true << qint64(2048) << tooLarge << 100;
        QTest::newRow("read-only folder, new file")
            << false << true << qint64(0) << u"You do not have permission to write there."_s << 0;
        QTest::newRow("read-only folder, replacing a longer file") << true << true << qint64(0) << QString() << 50000;
        QTest::newRow("read-only folder, replacing a shorter file") << true << true << qint64(0) << QString() << 100;
    }

    void saveInAProcessWithLimits()
    {
        QFETCH(bool, replacing);
        QFETCH(bool, readOnlyFolder);
        QFETCH(qint64, fileSizeLimit);
        QFETCH(QString, cause);
        QFETCH(int, oldSize);
        if (!childUserCanRun())
            QSKIP("the build folder is closed to the user the child runs as");
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                 | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup
                                                 | QFile::ExeGroup);
        const QString path = folder.filePath(u"report.doc"_s);
        QByteArray oldBytes;
        if (replacing) {
            for (int i = 0; oldBytes.size() < oldSize; ++i)
                oldBytes += QByteArray::number(i % 10);
            writeFile(path, oldBytes);
            handToChild(path);
        }
        if (readOnlyFolder && !childChangesUser())
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        else if (!readOnlyFolder)
            handToChild(folder.path());
        const QStringList before = listing(folder.path());

        // Smaller than a file's write buffer, so that a failure could hide in the final flush.
        const ChildRun run = saveInChild(path, 6000, fileSizeLimit);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY2(run.ranToEnd, qPrintable(run.output));
        if (childChangesUser())
            QCOMPARE(run.uid, QString::number(childUser));
        QCOMPARE(listing(folder.path()), replacing || cause.isEmpty() ? QStringList{u"report.doc"_s} : before);
        if (cause.isEmpty()) {
            QVERIFY2(run.saved && run.boxes.isEmpty(), qPrintable(run.output));
            const QByteArray saved = readFile(path);
            QVERIFY(saved.size() > 6000);
            QVERIFY(saved.startsWith("{\\rtf1"));
            QVERIFY(saved.trimmed().endsWith('}'));
            QVERIFY(saved.contains("Line 200 of a long report."));
            return;
        }
        if (replacing)
            QCOMPARE(readFile(path), oldBytes);
        else
            QVERIFY(!QFile::exists(path));
        QVERIFY2(!run.saved, qPrintable(run.output));
        QCOMPARE(run.boxes.size(), 1);
        QVERIFY2(run.boxes.constFirst().contains(cause), qPrintable(run.boxes.constFirst()));
    }

    void saveThroughALink_replacesTheFileLinkedTo()
    {
        if (!childUserCanRun())
            QSKIP("the build folder is closed to the user the child runs as");
        QTemporaryDir linkFolder, fileFolder; // the file's folder stays closed to the child
        for (const QTemporaryDir *folder : {&linkFolder, &fileFolder})
            QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::ExeOther);
        handToChild(linkFolder.path());
        const QString file = fileFolder.filePath(u"report.doc"_s);
        writeFile(file, "the old report");
        handToChild(file);
        if (!childChangesUser())
            QFile::setPermissions(fileFolder.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QString link = linkFolder.filePath(u"link.doc"_s);
        QVERIFY(QFile::link(file, link));

        const ChildRun run = saveInChild(link, 6000, 0);
        QFile::setPermissions(fileFolder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY2(run.ranToEnd && run.saved && run.boxes.isEmpty(), qPrintable(run.output));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(readFile(file).startsWith("{\\rtf1"));
        QVERIFY(readFile(file).contains("Line 200 of a long report."));
        QCOMPARE(listing(fileFolder.path()), QStringList{u"report.doc"_s});
        QCOMPARE(listing(linkFolder.path()), QStringList{u"link.doc"_s});
    }

    void saveOnAFullDisk_keepsOldFileAndSaysSo_data()
    {
        QTest::addColumn<bool>("replacing");
        QTest::newRow("new file") << false;
        QTest::newRow("replacing") << true;
    }

    void saveOnAFullDisk_keepsOldFileAndSaysSo()
    {
        QFETCH(bool, replacing);
        QTemporaryDir place;
        SmallDisk disk(place.path());
        if (!disk.mounted())
            QSKIP("mounting a small file system is not permitted here");
        const QString path = place.filePath(u"report.doc"_s);
        const QByteArray oldBytes = "{\\rtf1 the old report}";
        if (replacing)
            writeFile(path, oldBytes);
        // Leave one page free: enough to start writing, not enough to finish.
        writeFile(place.filePath(u"filler"_s), QByteArray((replacing ? 14 : 15) * 4096, 'f'));
        const QStringList before = listing(place.path());

        RichTextBox box;
        fillBox(box, 6000); // within a file's write buffer: the failure comes at the final flush
        QVERIFY(writeRtf(*box.document()).size() > 4096);
        m_fake->saveAnswers.enqueue(path);
        const bool saved = saveReport(nullptr, box);

        QCOMPARE(listing(place.path()), before);
        if (replacing)
            QCOMPARE(readFile(path), oldBytes);
        QVERIFY(!saved);
        QCOMPARE(m_fake->shownBoxes.size(), 1);
        QVERIFY2(m_fake->shownBoxes.constFirst().text.contains(u"The disk is full."_s),
                 qPrintable(m_fake->shownBoxes.constFirst().text));

        // With room made, the same report goes in whole.
        QVERIFY(QFile::remove(place.filePath(u"filler"_s)));
        m_fake->saveAnswers.enqueue(path);
        QVERIFY(saveReport(nullptr, box));
        QCOMPARE(readFile(path), writeRtf(*box.document()));
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

    void resultPage_showsTheReportFromItsFirstLineWithTheFocusOnSave()
    {
        frmGraphology window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::walkToResult(&window);
        QCOMPARE(window.currentPage(), frmGraphology::resultPageIndex);
        QCOMPARE(test::focusName(), u"cmdSave"_s);
        RichTextBox *box = window.reportBox();
        QScrollBar *bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 0); // the report is longer than the box
        QCOMPARE(bar->value(), bar->minimum());
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(!box->textCursor().hasSelection());
        // What a screen reader is told: the caret at the first character of the first heading.
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(box);
        QVERIFY(access && access->textInterface());
        QCOMPARE(access->textInterface()->cursorPosition(), 0);
        QVERIFY(access->textInterface()->text(0, 7) == u"Margins"_s);
    }

    void resultPage_keysScrollTheReportWithoutACaret()
    {
        frmGraphology window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::walkToResult(&window);
        RichTextBox *box = window.reportBox();
        QScrollBar *bar = box->verticalScrollBar();
        test::pressKey(Qt::Key_Backtab); // the report comes before Save
        QCOMPARE(test::focusName(), u"RTB"_s);
        // An arrow scrolls the view at once: there is no caret to walk down the page first.
        test::pressKey(Qt::Key_Down);
        QCOMPARE(bar->value(), bar->singleStep());
        QCOMPARE(box->textCursor().position(), 0);
        test::pressKey(Qt::Key_PageDown);
        QVERIFY(bar->value() > bar->singleStep());
        test::pressKey(Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        test::pressKey(Qt::Key_Home);
        QCOMPARE(bar->value(), bar->minimum());
        QCOMPARE(box->textCursor().position(), 0);
        QCOMPARE(box->toPlainText().left(7), u"Margins"_s); // read-only: the keys typed nothing
        test::pressKey(Qt::Key_Tab);
        QCOMPARE(test::focusName(), u"cmdSave"_s);
    }

    void resultPage_enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("keypad");
        QTest::newRow("Save, Return") << u"cmdSave"_s << false;
        QTest::newRow("Save, keypad Enter") << u"cmdSave"_s << true;
        QTest::newRow("Once Again, Return") << u"cmdBackToMain"_s << false;
    }

    void resultPage_enterPressesTheFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(bool, keypad);
        auto *window = new frmGraphology;
        QPointer<frmGraphology> guard = window;
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        test::walkToResult(window);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"entered.rtf"_s);
        m_fake->saveAnswers.enqueue(path);
        m_fake->boxAnswers.enqueue(Platform::Answer::Discard); // leaving asks about the unsaved report
        window->findChild<QPushButton *>(button)->setFocus();
        test::pressKey(keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (button == u"cmdSave"_s) {
            QCOMPARE(m_fake->saveRequests.size(), 1);
            const QByteArray saved = readFile(path);
            QVERIFY(saved.startsWith("{\\rtf1"));
            // The font table names the typeface the report was laid out in, also where a stand-in draws it.
            QVERIFY(saved.contains("\\fcharset0 Verdana;}"));
            QVERIFY(guard);
        } else {
            QVERIFY(m_fake->saveRequests.isEmpty());
            QVERIFY(!guard);
            QVERIFY(test::findWindow<frmMain>());
        }
        QVERIFY(m_fake->exitCodes.isEmpty());
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
            // The name is copied by newRow; the bytes must live until then.
            const auto row = [&way](const char *what) { return (way + u": "_s + QLatin1StringView(what)).toUtf8(); };
            QTest::newRow(row("Don't Save").constData()) << way << int(Platform::Answer::Discard) << QString() << true;
            QTest::newRow(row("Cancel").constData()) << way << int(Platform::Answer::Cancel) << QString() << false;
            QTest::newRow(row("Save").constData()) << way << int(Platform::Answer::Save) << u"works"_s << true;
            QTest::newRow(row("Save, dialog cancelled").constData()) << way << int(Platform::Answer::Save) << u"cancelled"_s << false;
            QTest::newRow(row("Save, write fails").constData()) << way << int(Platform::Answer::Save) << u"fails"_s << false;
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
