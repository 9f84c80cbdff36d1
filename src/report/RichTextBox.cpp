#include "report/RichTextBox.h"

#include "report/ReportClipboard.h"
#include "report/ReportFile.h"
#include "report/RtfWriter.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace quillon {

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setObjectName(u"RTB"_s);
    setAcceptRichText(false);
    setReadOnly(true);
    // Selection by keyboard would need a visible caret; without it the keys scroll instead.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setAccessibleName(u"Report"_s);
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::contentChanged);
}

void RichTextBox::setInsertionColour(const QColor &colour)
{
    m_colour = colour;
}

void RichTextBox::setInsertionBold(bool bold)
{
    m_bold = bold;
}

void RichTextBox::insertAtCaret(const QString &text)
{
    QTextCharFormat format;
    format.setForeground(m_colour);
    format.setFontWeight(m_bold ? QFont::Bold : QFont::Normal);

    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        if (i > start)
            cursor.insertText(text.mid(start, i - start), format);
        else if (cursor.block().length() == 1)
            cursor.setBlockCharFormat(format); // an empty line still carries its colour
        cursor.insertBlock(cursor.blockFormat(), format);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i; // CR LF is one paragraph break
        start = i + 1;
    }
    if (start < text.size())
        cursor.insertText(text.mid(start), format);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

QString RichTextBox::selectedText() const
{
    return textCursor().selectedText();
}

void RichTextBox::showFromStart()
{
    QTextCursor start = textCursor();
    start.movePosition(QTextCursor::Start);
    setTextCursor(start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

bool RichTextBox::saveFile(const QString &path, QString *errorMessage) const
{
    const WriteOutcome outcome = writeWholeFile(path, writeRtf(*document()));
    if (!outcome.ok() && errorMessage)
        *errorMessage = failureText(outcome);
    return outcome.ok();
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown();
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QTextEdit::mouseMoveEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp();
    QTextEdit::mouseReleaseEvent(event);
    if (viewport()->rect().contains(event->position().toPoint()))
        emit clicked();
}

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    QMimeData *data = QTextEdit::createMimeDataFromSelection();
    if (data)
        noteReportTextHandedOut(data->text());
    return data;
}

} // namespace quillon
