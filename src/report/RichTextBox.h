#pragma once

#include <QColor>
#include <QTextEdit>

namespace quillon {

// The report box: coloured, bold-or-regular text inserted at the caret, saved as RTF.
// The user reads and selects the report; typing into it is not offered. The keyboard scrolls
// it (arrows, Page Up and Down, Home, End, Space); no caret blinks in it.
class RichTextBox : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    void setInsertionColour(const QColor &colour);
    void setInsertionBold(bool bold);
    // Inserts at the caret, replacing the selection. CR LF (or a lone CR or LF) ends a paragraph.
    void insertAtCaret(const QString &text);
    QString selectedText() const;
    // Puts the caret before the first character and scrolls to the top, where a reader begins.
    void showFromStart();

    // Writes the whole content as Rich Text Format (see writeWholeFile).
    // On failure the file is left as it was and errorMessage says why in plain words.
    bool saveFile(const QString &path, QString *errorMessage) const;

signals:
    void contentChanged();
    void clicked();
    void mouseDown();
    void mouseMoved();
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Every copy, drag and mouse selection passes here; the text is noted as the report's.
    QMimeData *createMimeDataFromSelection() const override;

private:
    QColor m_colour = Qt::black;
    bool m_bold = false;
};

} // namespace quillon
