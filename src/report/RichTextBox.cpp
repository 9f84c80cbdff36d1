#include "report/RichTextBox.h"

#include "report/ReportClipboard.h"
#include "report/RtfWriter.h"

#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QSaveFile>
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
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

bool RichTextBox::saveFile(const QString &path, QString *errorMessage) const
{
    // QSaveFile renames over the old file, which would replace even a read-only one.
    const QFileInfo existing(path);
    // The owner's write bit, not access(): an administrator may write anything, but a file
    // marked read-only is still not to be replaced.
    if (existing.exists() && (!existing.isFile() || !(existing.permissions() & QFileDevice::WriteOwner))) {
        if (errorMessage)
            *errorMessage = u"The file is read-only or cannot be replaced."_s;
        return false;
    }
    const QByteArray rtf = writeRtf(*document());
    QSaveFile file(path); // a failed write leaves no temporary file and the old file as it was
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit()) {
        if (errorMessage)
            *errorMessage = file.errorString();
        return false;
    }
    return true;
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
