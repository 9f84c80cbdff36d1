#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QTextDocument;

namespace quillon::test {

// A stretch of text with one set of the attributes the tests look at.
// An invalid color means "auto" (no explicit foreground).
struct RtfRun {
    QString text;
    QColor color;
    bool bold = false;

    friend bool operator==(const RtfRun &a, const RtfRun &b)
    {
        return a.text == b.text && a.color == b.color && a.bold == b.bold;
    }
    friend bool operator!=(const RtfRun &a, const RtfRun &b) { return !(a == b); }
};

struct RtfParagraph {
    QList<RtfRun> runs;
    QString text() const;

    friend bool operator==(const RtfParagraph &a, const RtfParagraph &b) { return a.runs == b.runs; }
    friend bool operator!=(const RtfParagraph &a, const RtfParagraph &b) { return !(a == b); }
};

struct RtfDocument {
    QList<RtfParagraph> paragraphs;
    QList<QColor> colorTable; // as listed in \colortbl; an empty entry is an invalid QColor
    bool valid = false;
    QString error;
};

// A small RTF reader written independently of the program's writer. Understands groups,
// control words and symbols, \'hh (cp1252), \u with \uc skipping, \par, \line (U+2028),
// \tab, \b, \plain, \cf through the colour table; skips the font table, {\*...} groups and
// other header destinations; ignores unknown control words. Invalid on a missing {\rtf1
// header, unbalanced braces, data after the closing brace, a bad \'hh or a \cf index outside
// the colour table. Text after the last \par becomes a final paragraph.
RtfDocument readRtf(const QByteArray &data);

// Appends a run, merging it into the last one when the attributes are equal; empty runs vanish.
void appendRun(QList<RtfRun> &runs, const RtfRun &run);

// The same structure read from a document: a paragraph per block except a trailing empty
// last block, fragments merged into runs, bold as QFont::bold() sees it, colour from an
// explicit foreground brush (alpha dropped). Texts are the document's own, unfiltered.
QList<RtfParagraph> documentRuns(const QTextDocument &document);

// Empty when equal, otherwise where and how the two first differ (for test messages).
QString firstDifference(const QList<RtfParagraph> &expected, const QList<RtfParagraph> &actual);

// The body text unrtf --text extracts from a file (its "###" comment lines and the dashed
// body marker removed), bytes read as Latin-1. *ok is false when unrtf could not run or failed.
QString unrtfText(const QString &rtfFilePath, bool *ok);

} // namespace quillon::test
