#include "report/RtfWriter.h"
#include "support/RtfReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

using namespace Qt::StringLiterals;
using namespace quillon;
using namespace quillon::test;

namespace {

struct Span {
    Span() = default;
    Span(const QString &text, const QColor &color = QColor(), bool bold = false)
        : text(text), color(color), bold(bold)
    {
    }

    QString text;
    QColor color; // invalid: no explicit foreground
    bool bold = false;
};

// Paragraphs of formatted spans, as the report composes them.
struct Content {
    QList<QList<Span>> paragraphs;
};

const QColor kPurple(128, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kBlack(0, 0, 0);

// Longest output line accepted: the wrap width plus the longest single token.
constexpr qsizetype kMaxLineLength = 255;

QTextCharFormat charFormat(const QColor &color, bool bold)
{
    QTextCharFormat format;
    if (color.isValid())
        format.setForeground(color);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

// With finalBreak the document ends with a paragraph break after its last line, as the report does.
void fill(QTextDocument &document, const Content &content, bool finalBreak)
{
    QTextCursor cursor(&document);
    for (qsizetype i = 0; i < content.paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        for (const Span &span : content.paragraphs.at(i))
            cursor.insertText(span.text, charFormat(span.color, span.bold));
    }
    if (finalBreak)
        cursor.insertBlock();
}

QList<RtfParagraph> runsOf(const Content &content)
{
    QList<RtfParagraph> paragraphs;
    for (const QList<Span> &spans : content.paragraphs) {
        RtfParagraph paragraph;
        for (const Span &span : spans)
            appendRun(paragraph.runs, RtfRun{span.text, span.color, span.bold});
        paragraphs.append(paragraph);
    }
    return paragraphs;
}

// The documented loss on saving: control characters other than tab are dropped and an
// unpaired surrogate becomes U+FFFD, judged within each run of equal attributes.
QString savedText(const QString &text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if ((c < 0x20 && c != u'\t') || c == 0x7F)
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += QChar(c);
            result += text.at(++i);
        } else if (QChar::isSurrogate(c)) {
            result += QChar(0xFFFD);
        } else {
            result += QChar(c);
        }
    }
    return result;
}

QList<RtfParagraph> afterSave(const QList<RtfParagraph> &paragraphs)
{
    QList<RtfParagraph> result;
    for (const RtfParagraph &paragraph : paragraphs) {
        RtfParagraph saved;
        for (const RtfRun &run : paragraph.runs)
            appendRun(saved.runs, RtfRun{savedText(run.text), run.color, run.bold});
        result.append(saved);
    }
    return result;
}

// The colour table a file with these runs must have: auto, then each colour once, in order of use.
QList<QColor> expectedColorTable(const QList<RtfParagraph> &paragraphs)
{
    QList<QColor> table{QColor()};
    for (const RtfParagraph &paragraph : paragraphs) {
        for (const RtfRun &run : paragraph.runs) {
            if (run.color.isValid() && !table.contains(run.color))
                table.append(run.color);
        }
    }
    return table;
}

// Empty when the bytes are 7-bit printable ASCII plus newlines, in lines of bounded length,
// with braces that balance outside escapes and close exactly at the end.
QString structureProblem(const QByteArray &rtf)
{
    qsizetype lineLength = 0;
    int depth = 0;
    bool closed = false;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '\n') {
            lineLength = 0;
            continue;
        }
        if (c < 0x20 || c > 0x7E)
            return u"byte 0x%1 at %2"_s.arg(uchar(c), 2, 16, QChar(u'0')).arg(i);
        if (++lineLength > kMaxLineLength)
            return u"line longer than %1 bytes at %2"_s.arg(kMaxLineLength).arg(i);
        if (closed)
            return u"data after the closing brace at %1"_s.arg(i);
        if (c == '\\') {
            if (i + 1 < rtf.size() && (rtf.at(i + 1) == '\\' || rtf.at(i + 1) == '{' || rtf.at(i + 1) == '}')) {
                ++i;
                ++lineLength;
            }
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0)
                return u"unmatched } at %1"_s.arg(i);
            closed = depth == 0;
        }
    }
    if (!closed)
        return u"document not closed (depth %1)"_s.arg(depth);
    return QString();
}

// Writes, checks the file's structure, reads back.
RtfDocument saveAndRead(const QTextDocument &document, QByteArray *bytes = nullptr)
{
    const QByteArray rtf = writeRtf(document);
    if (bytes)
        *bytes = rtf;
    const QString problem = structureProblem(rtf);
    if (!problem.isEmpty()) {
        RtfDocument broken;
        broken.error = u"malformed output: "_s + problem;
        return broken;
    }
    return readRtf(rtf);
}

QString joinedTexts(const QList<RtfParagraph> &paragraphs)
{
    QStringList texts;
    for (const RtfParagraph &paragraph : paragraphs)
        texts.append(paragraph.text());
    return texts.join(u'|');
}

QString astral(char32_t codePoint)
{
    return QString::fromUcs4(&codePoint, 1);
}

} // namespace

Q_DECLARE_METATYPE(Content)

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTripRuns_data();
    void roundTripRuns();
    void literalText_data();
    void literalText();
    void paragraphBreaks_data();
    void paragraphBreaks();
    void emptyDocument();
    void headerAndColorTable();
    void fontTable_data();
    void fontTable();
    void asciiShortLinesDeterministic_data();
    void asciiShortLinesDeterministic();
    void readerDecodes_data();
    void readerDecodes();
    void readerAttributes();
    void readerRejects_data();
    void readerRejects();
    void agreesWithUnrtf();
    void randomDocuments();
};

void TestRtfWriter::roundTripRuns_data()
{
    QTest::addColumn<Content>("content");
    QTest::addColumn<bool>("finalBreak");
    QTest::addColumn<int>("paragraphCount");
    QTest::addColumn<int>("runCount");

    QTest::newRow("single plain line") << Content{{{{u"Hello world"_s}}}} << true << 1 << 1;
    QTest::newRow("report colours")
            << Content{{{{u"Your type: "_s, kPurple, true}, {u"Harmoniser"_s, kGreen, false}},
                        {{u"You get on with people."_s, kBlack, false}},
                        {{u"Strengths:"_s, kPurple, true}, {u"1. listening"_s, kGreen, false}}}}
            << true << 3 << 5;
    QTest::newRow("bold toggles inside a word")
            << Content{{{{u"Ab"_s}, {u"cd"_s, {}, true}, {u"ef"_s}, {u"42"_s, {}, true}, {u" x"_s},
                         {u"-7"_s, {}, true}, {u"9"_s, kGreen, true}}}}
            << true << 1 << 7;
    QTest::newRow("auto differs from explicit black")
            << Content{{{{u"auto "_s}, {u"black "_s, kBlack}, {u"auto again"_s}}}} << true << 1 << 3;
    QTest::newRow("equal neighbours merge")
            << Content{{{{u"ab"_s, kPurple, true}, {u"cd"_s, kPurple, true}, {u"ef"_s, kPurple}}}} << true << 1 << 2;
    QTest::newRow("empty paragraphs kept")
            << Content{{{{u"a"_s}}, {}, {{u""_s, kGreen}}, {{u"b"_s, kGreen}}}} << true << 4 << 2;
    QTest::newRow("no final break") << Content{{{{u"a"_s, kPurple}}, {{u"b"_s, kGreen}}}} << false << 2 << 2;
    QTest::newRow("only a final break") << Content{{{}}} << true << 1 << 0;
    QTest::newRow("attributes carry over paragraphs")
            << Content{{{{u"x"_s}, {u"end"_s, kPurple, true}},
                        {{u"start"_s, kPurple, true}, {u"y"_s}},
                        {{u"z"_s}}}}
            << true << 3 << 5;
    Content many;
    const QList<QColor> palette{kPurple, kGreen, kBlack, QColor(255, 255, 255), QColor(1, 2, 3), QColor(),
                                QColor(250, 128, 114)};
    for (int i = 0; i < 14; ++i)
        many.paragraphs.append({{u"line %1"_s.arg(i), palette.at(i % palette.size()), i % 3 == 0}});
    QTest::newRow("many colours") << many << true << 14 << 14;
}

void TestRtfWriter::roundTripRuns()
{
    QFETCH(Content, content);
    QFETCH(bool, finalBreak);
    QFETCH(int, paragraphCount);
    QFETCH(int, runCount);

    QTextDocument document;
    fill(document, content, finalBreak);
    const RtfDocument read = saveAndRead(document);
    QVERIFY2(read.valid, qPrintable(read.error));

    const QList<RtfParagraph> expected = runsOf(content);
    const QString documentDiff = firstDifference(expected, documentRuns(document));
    QVERIFY2(documentDiff.isEmpty(), qPrintable(u"document: "_s + documentDiff));
    const QString fileDiff = firstDifference(documentRuns(document), read.paragraphs);
    QVERIFY2(fileDiff.isEmpty(), qPrintable(u"file: "_s + fileDiff));

    QCOMPARE(read.paragraphs.size(), paragraphCount);
    int runs = 0;
    for (const RtfParagraph &paragraph : read.paragraphs)
        runs += int(paragraph.runs.size());
    QCOMPARE(runs, runCount);
    QCOMPARE(read.colorTable, expectedColorTable(expected));
}

void TestRtfWriter::literalText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("encoding"); // when set, the file must contain it

    const auto same = [](const char *name, const QString &text, const QByteArray &encoding = QByteArray()) {
        QTest::newRow(name) << text << text << encoding;
    };
    same("backslashes", uR"(a\b\\c\)"_s, R"(a\\b\\\\c\\)");
    same("braces", u"{}}{{ }"_s, R"(\{\}\}\{\{ \})");
    same("field injection", uR"({\field{\*\fldinst HYPERLINK "x"}})"_s,
         R"(\{\\field\{\\*\\fldinst HYPERLINK "x"\}\})");
    same("par typed", uR"(line one\par line two\par)"_s);
    same("bold typed", uR"(\b not bold \b0 still not)"_s);
    same("hex escape typed", uR"(caf\'e9 \'41)"_s);
    same("unicode escape typed", uR"(\u233? and \uc0\u8364 and \u-10179?)"_s);
    same("header typed", uR"({\rtf1\ansi{\colortbl;\red255;}\cf1 x})"_s);
    same("lone closing brace", u"}"_s);
    same("lone backslash", u"\\"_s);
    same("accents", u"é ß ñ Ä ÿ È\u00A0ü"_s, R"(\u233\'e9 \u223\'df \u241\'f1 \u196\'c4 \u255\'ff)");
    same("cp1252 punctuation", u"€ „quoted“ ‘single’ – — … ™"_s, R"(\u8364? \u8222?quoted\u8220?)");
    same("C1 range kept", u"a\u0080b\u009Fc"_s);
    same("CJK", u"日本語のテキスト 中文 한국어"_s);
    same("emoji", u"😀 👍🏽 🇩🇪 family 👨‍👩‍👧"_s, R"(\u-10179?\u-8704? )");
    same("last plane", u"x"_s + astral(0x10FFFD) + astral(0x10000) + u"y"_s,
         R"(x\u-9217?\u-8195?\u-10240?\u-9216?y)");
    same("hebrew", u"שלום עולם"_s);
    same("arabic", u"مرحبا بالعالم"_s);
    same("mixed direction", u"abc שלום 123 مرحبا!"_s);
    same("tabs", u"\tcol1\tcol2\t"_s, R"(\tab col1\tab col2\tab)");
    same("line separators", u"first\u2028second\u2028"_s, R"(first\line second\line)");
    same("digits, spaces, hyphen after a control word", u"  123 -45 x"_s, R"(\cf1   123 -45 x)");
    same("byte order mark and noncharacters", u"\uFEFFa\uFFFE\uFFFF\uFFFC"_s);
    QString longLine;
    const QString pattern = u"Lorem {ipsum} \\dolor é日\t"_s;
    while (longLine.size() < 100000)
        longLine += pattern;
    longLine.truncate(100000);
    same("100000 characters on one line", longLine);
    same("empty", QString());

    QTest::newRow("control characters dropped")
            << u"a"_s + QChar(0) + u"b\u0001c\u001Fd\u007F\u000Be\u001B[31m"_s << u"abcde[31m"_s
            << QByteArray("abcde[31m");
    QTest::newRow("only control characters") << u"\u0001\u0002\u007F"_s << QString() << QByteArray();
    QTest::newRow("lone high surrogate") << u"a"_s + QChar(0xD800) + u"b"_s << u"a\uFFFDb"_s
                                         << QByteArray(R"(a\u-3?b)");
    QTest::newRow("lone low surrogate at end") << u"a"_s + QChar(0xDFFF) << u"a\uFFFD"_s << QByteArray();
    QTest::newRow("reversed pair") << QString(QChar(0xDC00)) + QChar(0xD83D) << u"\uFFFD\uFFFD"_s << QByteArray();
    QTest::newRow("high surrogate before a pair")
            << QString(QChar(0xD800)) + astral(0x1F600) << u"\uFFFD"_s + astral(0x1F600) << QByteArray();
}

// The text sits between two differently formatted runs (so it follows a control word) and
// alone in a plain paragraph (so it starts a line).
void TestRtfWriter::literalText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(QByteArray, encoding);

    QTextDocument document;
    fill(document,
         Content{{{{u"x"_s}, {text, kPurple, true}, {u"y"_s, kGreen}}, {{text}}}},
         true);
    QByteArray rtf;
    const RtfDocument read = saveAndRead(document, &rtf);
    QVERIFY2(read.valid, qPrintable(read.error));

    const QList<RtfParagraph> wanted = runsOf(Content{{{{u"x"_s}, {expected, kPurple, true}, {u"y"_s, kGreen}},
                                                      {{expected}}}});
    const QString diff = firstDifference(wanted, read.paragraphs);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(read.paragraphs.at(1).text(), expected);
    QCOMPARE(read.colorTable, expectedColorTable(wanted));
    if (!encoding.isEmpty())
        QVERIFY2(rtf.contains(encoding), rtf.left(400).constData());
}

void TestRtfWriter::paragraphBreaks_data()
{
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QStringList>("paragraphs");

    QTest::newRow("nothing") << QString() << QStringList();
    QTest::newRow("one line, no break") << u"a"_s << QStringList{u"a"_s};
    QTest::newRow("one line with break") << u"a\n"_s << QStringList{u"a"_s};
    QTest::newRow("two lines, no break") << u"a\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("two lines with break") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("a single break") << u"\n"_s << QStringList{QString()};
    QTest::newRow("two breaks") << u"\n\n"_s << QStringList{QString(), QString()};
    QTest::newRow("empty line inside") << u"a\n\nb\n"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("trailing empty lines") << u"a\n\n\n"_s << QStringList{u"a"_s, QString(), QString()};
    QTest::newRow("carriage returns") << u"a\r\nb\rc\n"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
}

void TestRtfWriter::paragraphBreaks()
{
    QFETCH(QString, plainText);
    QFETCH(QStringList, paragraphs);

    QTextDocument document;
    QTextCursor(&document).insertText(plainText);
    const RtfDocument read = saveAndRead(document);
    QVERIFY2(read.valid, qPrintable(read.error));
    QStringList texts;
    for (const RtfParagraph &paragraph : read.paragraphs)
        texts.append(paragraph.text());
    QCOMPARE(texts, paragraphs);
}

void TestRtfWriter::emptyDocument()
{
    const QTextDocument document;
    QByteArray rtf;
    const RtfDocument read = saveAndRead(document, &rtf);
    QVERIFY2(read.valid, qPrintable(read.error));
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(read.paragraphs.isEmpty());
    QCOMPARE(read.colorTable, QList<QColor>{QColor()});
    QVERIFY(!rtf.contains("\\par\n"));
}

void TestRtfWriter::headerAndColorTable()
{
    QTextDocument document;
    QFont font(u"Quillon Test Sans"_s, 11);
    font.setStyleHint(QFont::SansSerif);
    document.setDefaultFont(font);
    const QColor translucent(10, 20, 30, 128);
    fill(document,
         Content{{{{u"purple "_s, kPurple, true}, {u"green "_s, kGreen}, {u"black "_s, kBlack},
                   {u"purple again"_s, kPurple}},
                  {{u"auto "_s}, {u"\u0001\u0002"_s, QColor(255, 0, 0)}, {u"half "_s, translucent},
                   {u"solid"_s, QColor(10, 20, 30)}}}},
         true);
    QByteArray rtf;
    const RtfDocument read = saveAndRead(document, &rtf);
    QVERIFY2(read.valid, qPrintable(read.error));

    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fswiss\\fcharset0 Quillon Test Sans;}}"));
    QVERIFY(rtf.contains("\\fs22"));
    // Red only coloured dropped control characters, so it is not listed; the translucent
    // colour is written opaque and shares its entry.
    const QList<QColor> table{QColor(), kPurple, kGreen, kBlack, QColor(10, 20, 30)};
    QCOMPARE(read.colorTable, table);
    QCOMPARE(rtf.count("\\red"), qsizetype(table.size() - 1));
    QCOMPARE(rtf.count("\\colortbl"), qsizetype(1));
    QCOMPARE(rtf.count("\\fonttbl"), qsizetype(1));

    const QString diff = firstDifference(afterSave(documentRuns(document)), read.paragraphs);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(read.paragraphs.size(), 2);
    QCOMPARE(read.paragraphs.at(1).runs.size(), 2);
}

void TestRtfWriter::fontTable_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("styleHint");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QByteArray>("fontEntry");
    QTest::addColumn<QByteArray>("sizeWord");

    QTest::newRow("sans serif") << u"Plain Sans"_s << int(QFont::SansSerif) << 12.0 << 0
                                << QByteArray("{\\f0\\fswiss\\fcharset0 Plain Sans;}") << QByteArray("\\fs24\n");
    QTest::newRow("any style") << u"Serifa"_s << int(QFont::AnyStyle) << 10.5 << 0
                               << QByteArray("{\\f0\\fnil\\fcharset0 Serifa;}") << QByteArray("\\fs21\n");
    QTest::newRow("pixel size") << u"Pix"_s << int(QFont::AnyStyle) << 0.0 << 16
                                << QByteArray("{\\f0\\fnil\\fcharset0 Pix;}") << QByteArray("\\fs24\n");
    QTest::newRow("braces and backslash") << u"Odd{Name}\\X"_s << int(QFont::AnyStyle) << 9.0 << 0
                                          << QByteArray("{\\f0\\fnil\\fcharset0 Odd\\{Name\\}\\\\X;}")
                                          << QByteArray("\\fs18\n");
    QTest::newRow("semicolon") << u"Semi;colon"_s << int(QFont::AnyStyle) << 9.0 << 0
                               << QByteArray("{\\f0\\fnil\\fcharset0 Semi\\'3bcolon;}") << QByteArray("\\fs18\n");
    QTest::newRow("accent") << u"Café"_s << int(QFont::AnyStyle) << 9.0 << 0
                            << QByteArray("{\\f0\\fnil\\fcharset0 Caf\\u233\\'e9;}") << QByteArray("\\fs18\n");
}

void TestRtfWriter::fontTable()
{
    QFETCH(QString, family);
    QFETCH(int, styleHint);
    QFETCH(double, pointSize);
    QFETCH(int, pixelSize);
    QFETCH(QByteArray, fontEntry);
    QFETCH(QByteArray, sizeWord);

    QFont font(family);
    font.setStyleHint(QFont::StyleHint(styleHint));
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    else
        font.setPointSizeF(pointSize);
    QTextDocument document;
    document.setDefaultFont(font);
    fill(document, Content{{{{u"text"_s}}}}, true);
    QByteArray rtf;
    const RtfDocument read = saveAndRead(document, &rtf);
    QVERIFY2(read.valid, qPrintable(read.error));
    QVERIFY2(rtf.contains("{\\fonttbl" + fontEntry + "}"), rtf.left(200).constData());
    QVERIFY2(rtf.contains(sizeWord), rtf.left(200).constData());
    QCOMPARE(joinedTexts(read.paragraphs), u"text"_s);
}

void TestRtfWriter::asciiShortLinesDeterministic_data()
{
    QTest::addColumn<Content>("content");

    QString longAscii;
    QString longWide;
    QString manySwitches;
    for (int i = 0; i < 3000; ++i) {
        longAscii += u"word%1 "_s.arg(i);
        longWide += astral(0x1F600 + i % 64) + u"日é"_s;
    }
    Content switches;
    QList<Span> spans;
    for (int i = 0; i < 2000; ++i)
        spans.append({QString(QChar(u'a' + i % 26)), i % 3 ? kPurple : kGreen, i % 2 == 0});
    switches.paragraphs.append(spans);

    QTest::newRow("long ASCII line") << Content{{{{longAscii}}}};
    QTest::newRow("long non-ASCII line") << Content{{{{longWide, kPurple, true}}}};
    QTest::newRow("many attribute switches") << switches;
    QTest::newRow("long run of escapes") << Content{{{{QString(5000, u'\\') + QString(5000, u'{') + QString(500, u'\t')}}}};
    QTest::newRow("awkward mix") << Content{{{{uR"({\field{\*\fldinst HYPERLINK "x"}})"_s, kGreen},
                                              {u"\u0001é😀\u2028"_s, kBlack, true}},
                                             {{u"שלום"_s}}}};
}

void TestRtfWriter::asciiShortLinesDeterministic()
{
    QFETCH(Content, content);

    QTextDocument document;
    fill(document, content, true);
    const QByteArray first = writeRtf(document);
    const QString problem = structureProblem(first);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(writeRtf(document), first);
    const std::unique_ptr<QTextDocument> copy(document.clone());
    QCOMPARE(writeRtf(*copy), first);

    const RtfDocument read = readRtf(first);
    QVERIFY2(read.valid, qPrintable(read.error));
    const QString diff = firstDifference(afterSave(documentRuns(document)), read.paragraphs);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

// The reader is the oracle for everything above, so it is checked on hand-written input.
void TestRtfWriter::readerDecodes_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texts");

    QTest::newRow("hex in cp1252") << QByteArray("{\\rtf1 caf\\'e9 \\'80\\'93\\par}") << u"café €“"_s;
    QTest::newRow("uc1 skips a question mark") << QByteArray("{\\rtf1\\uc1 x\\u233?y\\par}") << u"xéy"_s;
    QTest::newRow("uc1 skips a hex fallback") << QByteArray("{\\rtf1\\uc1\\u233\\'e9z\\par}") << u"éz"_s;
    QTest::newRow("uc2 skips two") << QByteArray("{\\rtf1\\uc2\\u8364 EUz\\par}") << u"€z"_s;
    QTest::newRow("uc0 skips nothing") << QByteArray("{\\rtf1\\uc0\\u8364 z\\par}") << u"€z"_s;
    QTest::newRow("uc is scoped to its group") << QByteArray("{\\rtf1{\\uc0\\u65 x}\\u66?y\\par}") << u"AxBy"_s;
    QTest::newRow("surrogate pair") << QByteArray("{\\rtf1\\u-10179?\\u-8704?\\par}") << u"😀"_s;
    QTest::newRow("ignored destinations")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\generator Foo;}{\\info{\\title T}}text\\unknownword12 more\\par}")
            << u"textmore"_s;
    QTest::newRow("control symbols") << QByteArray("{\\rtf1 a\\~b\\\\c\\{d\\}\\-e\\par}") << u"a\u00A0b\\c{d}e"_s;
    QTest::newRow("line and tab") << QByteArray("{\\rtf1 a\\line b\\tab c\\par}") << u"a\u2028b\tc"_s;
    QTest::newRow("file line breaks ignored") << QByteArray("{\\rtf1 ab\ncd\r\nef\\par\n}") << u"abcdef"_s;
    QTest::newRow("line break ends a control word") << QByteArray("{\\rtf1\\b\n x\\par}") << u" x"_s;
    QTest::newRow("text after the last par") << QByteArray("{\\rtf1 a\\par b}") << u"a|b"_s;
    QTest::newRow("empty paragraphs") << QByteArray("{\\rtf1\\par\\par}") << u"|"_s;
    QTest::newRow("trailing whitespace and NUL") << QByteArray("{\\rtf1 a\\par}\r\n\0", 16) << u"a"_s;
}

void TestRtfWriter::readerDecodes()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texts);

    const RtfDocument read = readRtf(rtf);
    QVERIFY2(read.valid, qPrintable(read.error));
    QCOMPARE(joinedTexts(read.paragraphs), texts);
}

void TestRtfWriter::readerAttributes()
{
    const RtfDocument read = readRtf(
            "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\\cf1 r\\b B{\\cf2 x}y\\plain z\\b\\cf1\\par w\\b0 v\\par}");
    QVERIFY2(read.valid, qPrintable(read.error));
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    QCOMPARE(read.colorTable, (QList<QColor>{QColor(), red, blue}));
    const QList<RtfParagraph> expected{
            {{{u"r"_s, red, false}, {u"B"_s, red, true}, {u"x"_s, blue, true}, {u"y"_s, red, true},
              {u"z"_s, QColor(), false}}},
            {{{u"w"_s, red, true}, {u"v"_s, red, false}}},
    };
    const QString diff = firstDifference(expected, read.paragraphs);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void TestRtfWriter::readerRejects_data()
{
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("empty input") << QByteArray();
    QTest::newRow("no header") << QByteArray("hello");
    QTest::newRow("other version") << QByteArray("{\\rtf2 a}");
    QTest::newRow("header not first") << QByteArray("x{\\rtf1 a}");
    QTest::newRow("missing closing brace") << QByteArray("{\\rtf1 a");
    QTest::newRow("unclosed inner group") << QByteArray("{\\rtf1{\\b a}");
    QTest::newRow("extra closing brace") << QByteArray("{\\rtf1 a}}");
    QTest::newRow("text after the end") << QByteArray("{\\rtf1 a} b");
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\");
    QTest::newRow("bad hex escape") << QByteArray("{\\rtf1 \\'zz}");
    QTest::newRow("unsigned unicode value") << QByteArray("{\\rtf1\\u55357?\\par}");
    QTest::newRow("unicode value out of range") << QByteArray("{\\rtf1\\u-40000?\\par}");
    QTest::newRow("colour index outside the table") << QByteArray("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf5 a}");
}

void TestRtfWriter::readerRejects()
{
    QFETCH(QByteArray, rtf);

    const RtfDocument read = readRtf(rtf);
    QVERIFY(!read.valid);
    QVERIFY(!read.error.isEmpty());
}

void TestRtfWriter::agreesWithUnrtf()
{
    if (!QFile::exists(u"/usr/bin/unrtf"_s))
        QSKIP("unrtf is not installed");

    // unrtf collapses runs of spaces, so the texts have single spaces only.
    QString longLine;
    for (int i = 0; i < 60; ++i)
        longLine += u"{%1} \\x/ "_s.arg(i);
    QTextDocument document;
    fill(document,
         Content{{{{u"Café au lait: {braces} and \\backslash\\"_s}},
                  {},
                  {{u"Straße, señor, naïve, Ærø"_s, kPurple, true}},
                  {{u"Zweite"_s, kGreen, true}, {u" Zeile mit ü"_s, kBlack}, {u"1 2"_s}},
                  {{longLine}},
                  {{u" indented {\\b not bold}"_s}}}},
         true);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"report.rtf"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(writeRtf(document)) > 0);
    file.close();

    bool ok = false;
    const QString text = unrtfText(path, &ok);
    QVERIFY(ok);
    QString expected;
    for (const RtfParagraph &paragraph : documentRuns(document))
        expected += paragraph.text() + u'\n';
    QCOMPARE(text, expected);
}

namespace {

class RandomDocuments
{
public:
    explicit RandomDocuments(quint32 seed) : m_random(seed) {}

    // Counts of what the generated texts contained, to show the corpus covers its cases.
    int controls = 0;
    int astralPairs = 0;
    int loneSurrogates = 0;
    int longLines = 0;

    void fill(QTextDocument &document)
    {
        QTextCursor cursor(&document);
        const int blocks = 1 + int(m_random.bounded(5));
        for (int b = 0; b < blocks; ++b) {
            if (b > 0)
                cursor.insertBlock();
            const int spans = int(m_random.bounded(6));
            for (int s = 0; s < spans; ++s)
                cursor.insertText(text(), charFormat(color(), m_random.bounded(2) == 0));
        }
        if (m_random.bounded(2) == 0)
            cursor.insertBlock();
    }

private:
    QColor color()
    {
        switch (m_random.bounded(6)) {
        case 0: return kPurple;
        case 1: return kGreen;
        case 2: return kBlack;
        case 3: return QColor(quint8(m_random.bounded(256)), quint8(m_random.bounded(256)), quint8(m_random.bounded(256)));
        default: return QColor();
        }
    }

    QString text()
    {
        static const QStringList rtfLike{
                u"\\b"_s, u"\\b0"_s, u"{"_s, u"}"_s, u"\\u123?"_s, u"\\'41"_s, u"\\par"_s, u"\\*"_s,
                u"\\\\"_s, u"\\"_s, u"\\uc0"_s, u"\\cf1 "_s, u";"_s, u"\\line"_s, u"\\tab"_s, u"\\~"_s,
                uR"({\field{\*\fldinst HYPERLINK "x"}})"_s, u"{\\rtf1 "_s, u"\\u-10179?"_s,
        };
        QString result;
        const int pieces = int(m_random.bounded(12));
        for (int i = 0; i < pieces; ++i) {
            switch (m_random.bounded(12)) {
            case 0: case 1: case 2:
                result += QChar(char16_t(m_random.bounded(0x20, 0x7F)));
                break;
            case 3:
                result += rtfLike.at(m_random.bounded(int(rtfLike.size())));
                break;
            case 4: {
                const quint32 c = m_random.bounded(33);
                result += QChar(char16_t(c == 32 ? 0x7F : c)); // \n and \r start a new block
                ++controls;
                break;
            }
            case 5:
                result += QString(QChar(u"0123456789 -"[m_random.bounded(12)]));
                break;
            case 6:
                result += QChar(char16_t(m_random.bounded(0x80, 0x100)));
                break;
            case 7: {
                char16_t c = char16_t(m_random.bounded(0x100, 0x10000));
                if (QChar::isSurrogate(c))
                    c = 0x4E2D;
                result += QChar(c);
                break;
            }
            case 8:
                result += astral(char32_t(m_random.bounded(0x10000, 0x110000)));
                ++astralPairs;
                break;
            case 9:
                result += QChar(u"\t\u2028\u00A0\u200F\u202E"[m_random.bounded(5)]);
                break;
            case 10:
                if (m_random.bounded(8) == 0) {
                    result += QChar(char16_t(m_random.bounded(0xD800, 0xE000)));
                    ++loneSurrogates;
                } else {
                    result += QChar(char16_t(m_random.bounded(0x590, 0x700))); // Hebrew and Arabic
                }
                break;
            default:
                result += u"word "_s;
                break;
            }
        }
        if (m_random.bounded(200) == 0) {
            const int length = int(m_random.bounded(2000, 20000));
            for (int i = 0; i < length; ++i)
                result += QChar(u"ab {}\\\té日"[m_random.bounded(9)]);
            ++longLines;
        }
        return result;
    }

    QRandomGenerator m_random;
};

} // namespace

void TestRtfWriter::randomDocuments()
{
    constexpr quint32 kSeed = 20240611;
    constexpr int kDocuments = 4000;
    RandomDocuments generator(kSeed);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kDocuments; ++i) {
        QTextDocument document;
        generator.fill(document);
        QByteArray rtf;
        const RtfDocument read = saveAndRead(document, &rtf);
        const QString where = u"document %1 of seed %2: "_s.arg(i).arg(kSeed);
        if (!read.valid)
            QFAIL(qPrintable(where + read.error));
        const QList<RtfParagraph> expected = afterSave(documentRuns(document));
        const QString diff = firstDifference(expected, read.paragraphs);
        if (!diff.isEmpty())
            QFAIL(qPrintable(where + diff));
        if (read.colorTable != expectedColorTable(expected))
            QFAIL(qPrintable(where + u"colour table differs"_s));
        if (writeRtf(document) != rtf)
            QFAIL(qPrintable(where + u"second write differs"_s));
    }
    QVERIFY(generator.controls > 100);
    QVERIFY(generator.astralPairs > 100);
    QVERIFY(generator.loneSurrogates > 10);
    QVERIFY(generator.longLines > 3);
    qInfo("%d documents in %lld ms", kDocuments, timer.elapsed());
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
