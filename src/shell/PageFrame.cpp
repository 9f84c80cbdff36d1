#include "shell/PageFrame.h"

#include "shell/Look.h"

#include <QPainter>

namespace quillon {

namespace {

constexpr int captionLeft = 8; // pixels from the frame's left edge to the caption's first letter
constexpr int captionGap = 2;  // the border stops this far either side of the caption
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

} // namespace

PageFrame::PageFrame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
}

QRect PageFrame::captionRect() const
{
    if (title().isEmpty())
        return {};
    const QFontMetrics metrics(font());
    const QRect text = metrics.boundingRect(QRect(captionLeft, 0, width(), metrics.height()), textFlags, title());
    return QRect(captionLeft, 0, text.width(), metrics.height());
}

int PageFrame::borderTop() const
{
    return title().isEmpty() ? 0 : QFontMetrics(font()).height() / 2;
}

void PageFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int top = borderTop();
    const int bottom = height() - 1;
    const int right = width() - 1;
    // Filled one-pixel strips rather than stroked lines, so the border stays crisp and in
    // place at every scale factor.
    const QColor line = palette().color(QPalette::Dark);
    painter.fillRect(QRect(0, top, width(), 1), line);
    painter.fillRect(QRect(0, bottom, width(), 1), line);
    painter.fillRect(QRect(0, top, 1, bottom - top + 1), line);
    painter.fillRect(QRect(right, top, 1, bottom - top + 1), line);

    const QRect caption = captionRect();
    if (caption.isEmpty())
        return;
    painter.fillRect(caption.adjusted(-captionGap, 0, captionGap, 0), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, textFlags, title());
}

} // namespace quillon
