#pragma once

#include <QLabel>

namespace quillon {

// A label that reacts to a click like a link: underlined text, pointing-hand pointer.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace quillon
