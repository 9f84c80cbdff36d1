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

// The button's font, or a slightly smaller one where the caption would not fit its box.
QFont fittedCaptionFont(const QAbstractButton *button);
constexpr qreal smallestCaptionPointSize = 7.0;

} // namespace quillon
