#pragma once

#include <QLabel>

namespace quillon {

// A label that reacts to a click like a link: underlined text, pointing-hand pointer.
// From the keyboard it is reached with Tab and opened with Enter or Space; screen readers
// meet it as a link they can press. Of link labels stacked over one rectangle only the one
// in front is reached or offered.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, const QString &text, QWidget *parent);

    // Opens what the label links to, as a click does.
    void activate();
    // True when a sibling in front of it covers the whole label: it can be neither seen nor clicked.
    bool isCovered() const;
    // Where the focus frame is drawn: around the text, inside the label.
    QRect focusFrameRect() const;

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Gives the focus to the front one of the stacked link labels only.
    void updateStackedFocus();
};

} // namespace quillon
