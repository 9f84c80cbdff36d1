#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace quillon {

// Option buttons and check boxes whose caption wraps within the control's height,
// which Qt's own buttons cannot do. The text keeps the stored notation ("&&").
class VariantRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    VariantRadioButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

class VariantCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    VariantCheckBox(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

// The rectangle left for the caption beside the indicator.
QRect variantCaptionRect(const QAbstractButton *button);

// The largest size, from the button's own down to smallestCaptionPointSize, at which its
// caption fits its box.
qreal fittingCaptionPointSize(const QAbstractButton *button);
constexpr qreal smallestCaptionPointSize = 7.0;

// Gives the captions of one page one size: the largest at which all of them fit, so a row
// never mixes sizes; a page whose captions all fit keeps the buttons' own size.
void shareCaptionSize(const QList<QAbstractButton *> &buttons);

// The font a caption is drawn in: the button's font at its page's shared size, or at its own
// fitting size where it belongs to no page.
QFont fittedCaptionFont(const QAbstractButton *button);

} // namespace quillon
