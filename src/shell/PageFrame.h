#pragma once

#include <QGroupBox>

namespace quillon {

// A captioned frame drawn the same under every style: a flat one-pixel border whose top line
// passes behind the middle of the caption, the caption standing on the frame's own background.
// The caption takes no room inside the frame, so whatever the page places below the line is
// never crossed by it.
class PageFrame : public QGroupBox
{
    Q_OBJECT
public:
    PageFrame(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the caption is written, and the row of the top border line, in frame coordinates.
    QRect captionRect() const;
    int borderTop() const;
};

} // namespace quillon
