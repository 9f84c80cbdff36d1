#include "support/RtfReader.h"

#include <QFont>
#include <QProcess>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <array>

using namespace Qt::StringLiterals;

namespace quillon::test {
namespace {

// cp1252 bytes 0x80-0x9F; the five undefined ones map to the C1 code of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromCp1252(uchar byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isAsciiDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class Destination { Text, ColorTable, Ignored };

struct GroupState {
    bool bold = false;
    qint64 color = 0;
    qint64 unicodeSkip = 1;
    Destination destination = Destination::Text;
};

class Parser
{
public:
    explicit Parser(const QByteArray &data) : m_data(data) {}

    RtfDocument parse()
    {
        qsizetype pos = 0;
        while (pos < m_data.size() && isSpace(m_data.at(pos)))
            ++pos;
        const QByteArray header = QByteArrayLiteral("{\\rtf1");
        if (m_data.mid(pos, header.size()) != header
            || (pos + header.size() < m_data.size() && isAsciiDigit(m_data.at(pos + header.size()))))
            return failed(u"missing {\\rtf1 header"_s);
        m_pos = pos;
        while (m_pos < m_data.size() && m_error.isEmpty()) {
            step();
            if (m_stack.isEmpty())
                break;
        }
        if (!m_error.isEmpty())
            return failed(m_error);
        if (!m_stack.isEmpty())
            return failed(u"unbalanced braces: %1 group(s) not closed"_s.arg(m_stack.size()));
        for (; m_pos < m_data.size(); ++m_pos) {
            if (!isSpace(m_data.at(m_pos)) && m_data.at(m_pos) != '\0')
                return failed(u"data after the closing brace at byte %1"_s.arg(m_pos));
        }
        if (!m_current.runs.isEmpty())
            m_doc.paragraphs.append(m_current);
        m_doc.valid = true;
        return m_doc;
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

    RtfDocument failed(const QString &error)
    {
        m_doc.valid = false;
        m_doc.error = error;
        return m_doc;
    }

    GroupState &state() { return m_stack.last(); }

    // One token: a brace, a control word or symbol, or a text byte.
    void step()
    {
        const char c = m_data.at(m_pos++);
        if (c == '{') {
            m_pendingSkip = 0;
            m_stack.append(m_stack.isEmpty() ? GroupState() : state());
        } else if (c == '}') {
            m_pendingSkip = 0;
            m_stack.removeLast();
        } else if (c == '\\') {
            control();
        } else if (c == '\r' || c == '\n') {
            // line breaks in the file carry no text
        } else if (!skipped()) {
            addText(fromCp1252(uchar(c)));
        }
    }

    // Swallows one token that is a fallback of a preceding \u.
    bool skipped()
    {
        if (m_pendingSkip <= 0)
            return false;
        --m_pendingSkip;
        return true;
    }

    void control()
    {
        if (m_pos >= m_data.size()) {
            m_error = u"backslash at the end of the data"_s;
            return;
        }
        const char c = m_data.at(m_pos);
        if (isAsciiLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            const int high = m_pos < m_data.size() ? hexValue(m_data.at(m_pos)) : -1;
            const int low = m_pos + 1 < m_data.size() ? hexValue(m_data.at(m_pos + 1)) : -1;
            if (high < 0 || low < 0) {
                m_error = u"bad \\' escape at byte %1"_s.arg(m_pos);
                return;
            }
            m_pos += 2;
            if (!skipped())
                addText(fromCp1252(uchar(high * 16 + low)));
            return;
        }
        if (skipped())
            return;
        switch (c) {
        case '\\': case '{': case '}': addText(char16_t(c)); break;
        case '~': addText(0x00A0); break;
        case '_': addText(0x2011); break;
        case '*': state().destination = Destination::Ignored; break;
        case '\n': case '\r': endParagraph(); break;
        default: break; // \- optional hyphen, \| and the like carry no text here
        }
    }

    void controlWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && isAsciiLetter(m_data.at(m_pos)))
            ++m_pos;
        const QByteArray name = m_data.mid(start, m_pos - start);
        if (name.size() > 32) {
            m_error = u"control word too long at byte %1"_s.arg(start);
            return;
        }
        bool hasParam = false;
        qint64 param = 0;
        const bool negative = m_pos + 1 < m_data.size() && m_data.at(m_pos) == '-'
                && isAsciiDigit(m_data.at(m_pos + 1));
        if (negative)
            ++m_pos;
        const qsizetype digitsStart = m_pos;
        while (m_pos < m_data.size() && isAsciiDigit(m_data.at(m_pos))) {
            if (m_pos - digitsStart >= 10) {
                m_error = u"numeric parameter too long at byte %1"_s.arg(digitsStart);
                return;
            }
            param = param * 10 + (m_data.at(m_pos++) - '0');
            hasParam = true;
        }
        if (negative)
            param = -param;
        if (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
            ++m_pos;
        if (skipped())
            return;
        handleWord(name, hasParam, param);
    }

    void handleWord(const QByteArray &name, bool hasParam, qint64 param)
    {
        static const QList<QByteArray> ignoredDestinations = {
            "fonttbl", "stylesheet", "info", "pict", "object", "filetbl", "listtable",
            "listoverridetable", "revtbl", "header", "headerl", "headerr", "headerf",
            "footer", "footerl", "footerr", "footerf", "footnote",
        };
        GroupState &st = state();
        if (name == "u") {
            if (param < -32768 || param > 32767) {
                m_error = u"\\u%1 is not a signed 16-bit value"_s.arg(param);
                return;
            }
            if (st.destination == Destination::Text)
                addText(char16_t(param < 0 ? param + 0x10000 : param));
            m_pendingSkip = st.unicodeSkip;
        } else if (name == "uc") {
            st.unicodeSkip = qMax<qint64>(0, param);
        } else if (ignoredDestinations.contains(name)) {
            st.destination = Destination::Ignored;
        } else if (name == "colortbl") {
            st.destination = Destination::ColorTable;
            m_colorParts = {-1, -1, -1};
        } else if (st.destination == Destination::ColorTable) {
            if (name == "red")
                m_colorParts[0] = int(param);
            else if (name == "green")
                m_colorParts[1] = int(param);
            else if (name == "blue")
                m_colorParts[2] = int(param);
        } else if (st.destination == Destination::Text) {
            if (name == "par")
                endParagraph();
            else if (name == "line")
                addText(QChar::LineSeparator);
            else if (name == "tab")
                addText(u'\t');
            else if (name == "b")
                st.bold = !hasParam || param != 0;
            else if (name == "plain") {
                st.bold = false;
                st.color = 0;
            }
            else if (name == "cf")
                st.color = param;
            else if (name == "emdash")
                addText(0x2014);
            else if (name == "endash")
                addText(0x2013);
            else if (name == "bullet")
                addText(0x2022);
        }
    }

    void addText(char16_t c)
    {
        const GroupState &st = state();
        if (st.destination == Destination::ColorTable) {
            if (c == u';') {
                const bool any = m_colorParts[0] >= 0 || m_colorParts[1] >= 0 || m_colorParts[2] >= 0;
                m_doc.colorTable.append(any ? QColor(qMax(0, m_colorParts[0]), qMax(0, m_colorParts[1]),
                                                     qMax(0, m_colorParts[2]))
                                            : QColor());
                m_colorParts = {-1, -1, -1};
            }
            return;
        }
        if (st.destination != Destination::Text)
            return;
        if (st.color == 0 && m_doc.colorTable.isEmpty()) {
            appendRun(m_current.runs, RtfRun{QString(QChar(c)), QColor(), st.bold});
            return;
        }
        if (st.color < 0 || st.color >= m_doc.colorTable.size()) {
            if (m_error.isEmpty())
                m_error = u"colour index %1 outside the colour table"_s.arg(st.color);
            return;
        }
        appendRun(m_current.runs, RtfRun{QString(QChar(c)), m_doc.colorTable.at(st.color), st.bold});
    }

    void endParagraph()
    {
        m_doc.paragraphs.append(m_current);
        m_current = RtfParagraph();
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    QList<GroupState> m_stack;
    qint64 m_pendingSkip = 0;
    std::array<int, 3> m_colorParts = {-1, -1, -1};
    RtfParagraph m_current;
    RtfDocument m_doc;
    QString m_error;
};

QString escaped(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            result += c;
        else
            result += u"\\x{%1}"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'));
    }
    return result;
}

QString describe(const RtfRun &run)
{
    const QString text = run.text.size() > 60 ? run.text.left(60) + u"..."_s : run.text;
    return u"\"%1\" (%2 chars) colour %3 %4"_s.arg(escaped(text))
            .arg(run.text.size())
            .arg(run.color.isValid() ? run.color.name() : u"auto"_s, run.bold ? u"bold"_s : u"plain"_s);
}

} // namespace

QString RtfParagraph::text() const
{
    QString result;
    for (const RtfRun &run : runs)
        result += run.text;
    return result;
}

RtfDocument readRtf(const QByteArray &data)
{
    return Parser(data).parse();
}

void appendRun(QList<RtfRun> &runs, const RtfRun &run)
{
    if (run.text.isEmpty())
        return;
    if (!runs.isEmpty() && runs.last().color == run.color && runs.last().bold == run.bold)
        runs.last().text += run.text;
    else
        runs.append(run);
}

QList<RtfParagraph> documentRuns(const QTextDocument &document)
{
    QList<RtfParagraph> paragraphs;
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
        if (!block.next().isValid() && block.text().isEmpty())
            break;
        RtfParagraph paragraph;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QColor color;
            if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
                const QColor brushColor = format.foreground().color();
                color = QColor(brushColor.red(), brushColor.green(), brushColor.blue());
            }
            appendRun(paragraph.runs, RtfRun{fragment.text(), color, format.font().bold()});
        }
        paragraphs.append(paragraph);
    }
    return paragraphs;
}

QString firstDifference(const QList<RtfParagraph> &expected, const QList<RtfParagraph> &actual)
{
    const qsizetype paragraphs = qMin(expected.size(), actual.size());
    for (qsizetype p = 0; p < paragraphs; ++p) {
        const QList<RtfRun> &want = expected.at(p).runs;
        const QList<RtfRun> &got = actual.at(p).runs;
        for (qsizetype r = 0; r < qMax(want.size(), got.size()); ++r) {
            const QString wantText = r < want.size() ? describe(want.at(r)) : u"(none)"_s;
            const QString gotText = r < got.size() ? describe(got.at(r)) : u"(none)"_s;
            if (r >= want.size() || r >= got.size() || want.at(r) != got.at(r)) {
                QString where;
                if (r < want.size() && r < got.size()) {
                    const QString &a = want.at(r).text;
                    const QString &b = got.at(r).text;
                    qsizetype i = 0;
                    while (i < a.size() && i < b.size() && a.at(i) == b.at(i))
                        ++i;
                    where = u", texts differ at %1: expected \"%2\", got \"%3\""_s.arg(i).arg(
                            escaped(a.mid(i, 20)), escaped(b.mid(i, 20)));
                }
                return u"paragraph %1 run %2: expected %3, got %4%5"_s.arg(p).arg(r).arg(wantText, gotText,
                                                                                       where);
            }
        }
    }
    if (expected.size() != actual.size())
        return u"expected %1 paragraphs, got %2"_s.arg(expected.size()).arg(actual.size());
    return QString();
}

QString unrtfText(const QString &rtfFilePath, bool *ok)
{
    QProcess process;
    process.start(u"/usr/bin/unrtf"_s, {u"--text"_s, rtfFilePath});
    const bool finished = process.waitForFinished(30000);
    const bool fine = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = fine;
    if (!fine)
        return QString();
    const QByteArray output = process.readAllStandardOutput();
    // unrtf opens with "### ..." comment lines, a blank line and a line of dashes.
    qsizetype pos = 0;
    const auto lineEnd = [&output](qsizetype from) {
        const qsizetype end = output.indexOf('\n', from);
        return end < 0 ? output.size() : end + 1;
    };
    while (output.mid(pos, 3) == "###")
        pos = lineEnd(pos);
    while (pos < output.size() && output.at(pos) == '\n')
        ++pos;
    const QByteArray marker = output.mid(pos, lineEnd(pos) - pos).trimmed();
    if (marker.size() >= 3 && marker.count('-') == marker.size())
        pos = lineEnd(pos);
    return QString::fromLatin1(output.mid(pos));
}

} // namespace quillon::test
