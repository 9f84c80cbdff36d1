#include "report/RtfWriter.h"

#include "shell/Look.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace quillon {
namespace {

// Output lines are broken once they reach this many bytes, between two tokens.
constexpr qsizetype kLineWidth = 200;

// A stretch of a paragraph with one set of the attributes the file keeps.
struct Run {
    QString text;
    bool bold = false;
    QColor color; // invalid: no explicit foreground, written as auto
};

bool isDroppedControl(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x7F;
}

// The text as it is written: control characters dropped, unpaired surrogates replaced.
QString writableText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isDroppedControl(c.unicode()))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += c;
            result += text.at(++i);
        } else if (c.isSurrogate()) {
            result += QChar(QChar::ReplacementCharacter);
        } else {
            result += c;
        }
    }
    return result;
}

// Fragments merged by attributes first, so a surrogate pair split only by some other format
// change stays a pair; runs left empty by the cleaning are dropped.
QList<Run> blockRuns(const QTextBlock &block)
{
    QList<Run> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        const QBrush brush = format.foreground();
        const QColor color = brush.style() == Qt::NoBrush
                ? QColor()
                : QColor(brush.color().red(), brush.color().green(), brush.color().blue());
        const bool bold = format.fontWeight() > QFont::Medium;
        if (!runs.isEmpty() && runs.last().bold == bold && runs.last().color == color)
            runs.last().text += fragment.text();
        else
            runs.append(Run{fragment.text(), bold, color});
    }
    for (Run &run : runs)
        run.text = writableText(run.text);
    runs.removeIf([](const Run &run) { return run.text.isEmpty(); });
    return runs;
}

// Collects the output and keeps its lines short. A control word gets a delimiting space only
// when text follows it directly; a line break also ends a control word.
class Output
{
public:
    void word(const QByteArray &controlWord)
    {
        wrap();
        m_bytes += controlWord;
        m_needsDelimiter = true;
    }
    // A token that ends itself: a control symbol, a brace, or \uN with its fallback.
    void symbol(const QByteArray &token)
    {
        wrap();
        m_bytes += token;
        m_needsDelimiter = false;
    }
    void character(char c)
    {
        wrap();
        if (m_needsDelimiter)
            m_bytes += ' ';
        m_needsDelimiter = false;
        m_bytes += c;
    }
    void newLine()
    {
        m_bytes += '\n';
        m_lineStart = m_bytes.size();
        m_needsDelimiter = false;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    void wrap()
    {
        if (m_bytes.size() - m_lineStart >= kLineWidth)
            newLine();
    }

    QByteArray m_bytes;
    qsizetype m_lineStart = 0;
    bool m_needsDelimiter = false;
};

// \uN takes the signed 16-bit value of the UTF-16 unit. Latin-1 letters get their cp1252 byte
// as the fallback for readers without Unicode support, everything else a question mark.
QByteArray unicodeEscape(char16_t unit)
{
    const int value = unit > 0x7FFF ? int(unit) - 0x10000 : int(unit);
    QByteArray token = QByteArrayLiteral("\\u") + QByteArray::number(value);
    if (unit >= 0xA0 && unit <= 0xFF)
        token += QByteArrayLiteral("\\'") + QByteArray::number(unit, 16);
    else
        token += '?';
    return token;
}

// Writes text already passed through writableText(). In a font table entry a semicolon would
// end the name.
void writeText(Output &out, const QString &text, bool fontName = false)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}')
            out.symbol(QByteArray(1, '\\') + char(c));
        else if (c == u'\t')
            out.word(QByteArrayLiteral("\\tab"));
        else if (c == QChar::LineSeparator)
            out.word(QByteArrayLiteral("\\line"));
        else if (c == u';' && fontName)
            out.symbol(QByteArrayLiteral("\\'3b"));
        else if (c >= 0x20 && c < 0x7F)
            out.character(char(c));
        else
            out.symbol(unicodeEscape(c));
    }
}

// Font size in half points.
int halfPoints(const QFont &font)
{
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    return points > 0 ? qRound(points * 2) : 24;
}

} // namespace

QByteArray writeRtf(const QTextDocument &document)
{
    QList<QList<Run>> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block == document.lastBlock() && block.length() <= 1)
            break;
        paragraphs.append(blockRuns(block));
    }
    QList<QColor> colors; // the colour table after its auto entry
    for (const QList<Run> &runs : std::as_const(paragraphs)) {
        for (const Run &run : runs) {
            if (run.color.isValid() && !colors.contains(run.color))
                colors.append(run.color);
        }
    }

    Output out;
    const QFont font = document.defaultFont();
    out.symbol(QByteArrayLiteral("{"));
    for (const char *header : {"\\rtf1", "\\ansi", "\\ansicpg1252", "\\deff0", "\\uc1"})
        out.word(QByteArray(header));
    out.newLine();
    out.symbol(QByteArrayLiteral("{"));
    out.word(QByteArrayLiteral("\\fonttbl"));
    out.symbol(QByteArrayLiteral("{"));
    out.word(QByteArrayLiteral("\\f0"));
    const QFont::StyleHint hint = font.styleHint();
    out.word(hint == QFont::SansSerif ? QByteArrayLiteral("\\fswiss") : QByteArrayLiteral("\\fnil"));
    out.word(QByteArrayLiteral("\\fcharset0"));
    writeText(out, writableText(designedFamily(font)), true);
    out.symbol(QByteArrayLiteral(";}}"));
    out.newLine();
    out.symbol(QByteArrayLiteral("{"));
    out.word(QByteArrayLiteral("\\colortbl"));
    out.symbol(QByteArrayLiteral(";"));
    for (const QColor &color : std::as_const(colors)) {
        out.word(QByteArrayLiteral("\\red") + QByteArray::number(color.red()));
        out.word(QByteArrayLiteral("\\green") + QByteArray::number(color.green()));
        out.word(QByteArrayLiteral("\\blue") + QByteArray::number(color.blue()));
        out.symbol(QByteArrayLiteral(";"));
    }
    out.symbol(QByteArrayLiteral("}"));
    out.newLine();
    for (const char *start : {"\\pard", "\\plain", "\\f0"})
        out.word(QByteArray(start));
    out.word(QByteArrayLiteral("\\fs") + QByteArray::number(halfPoints(font)));
    out.newLine();

    bool bold = false;
    qsizetype colorIndex = 0;
    for (const QList<Run> &runs : std::as_const(paragraphs)) {
        for (const Run &run : runs) {
            if (run.bold != bold) {
                out.word(run.bold ? QByteArrayLiteral("\\b") : QByteArrayLiteral("\\b0"));
                bold = run.bold;
            }
            const qsizetype index = run.color.isValid() ? colors.indexOf(run.color) + 1 : 0;
            if (index != colorIndex) {
                out.word(QByteArrayLiteral("\\cf") + QByteArray::number(index));
                colorIndex = index;
            }
            writeText(out, run.text);
        }
        out.word(QByteArrayLiteral("\\par"));
        out.newLine();
    }
    out.symbol(QByteArrayLiteral("}"));
    out.newLine();
    return out.bytes();
}

} // namespace quillon
