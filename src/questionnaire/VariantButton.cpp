#include "questionnaire/VariantButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QVariant>

namespace quillon {

namespace {

// Set on the variant buttons of a page: the one caption size they all use.
const char sharedSizeProperty[] = "quillonCaptionPointSize";

void paintVariant(QAbstractButton *button, QStyle::PrimitiveElement indicator,
                  QStyle::SubElement indicatorRect, const QStyleOptionButton &option)
{
    QPainter painter(button);
    QStyle *style = button->style();

    QStyleOptionButton indicatorOption = option;
    QRect box = style->subElementRect(indicatorRect, &option, button);
    box.moveTop((button->height() - box.height()) / 2);
    indicatorOption.rect = box;
    style->drawPrimitive(indicator, &indicatorOption, &painter, button);

    const QRect textRect = variantCaptionRect(button);
    painter.setFont(fittedCaptionFont(button));
    style->drawItemText(&painter, textRect,
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                        option.palette, button->isEnabled(), button->text(), QPalette::WindowText);

    if (button->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(button);
        focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap
                                                        | Qt::TextShowMnemonic, button->text())
                         .adjusted(-1, 0, 1, 0);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, button);
    }
}

} // namespace

qreal fittingCaptionPointSize(const QAbstractButton *button)
{
    const QRect box = variantCaptionRect(button);
    const int flags = Qt::TextWordWrap | Qt::TextShowMnemonic;
    QFont font = button->font();
    // A caption that needs one line more than its box holds is set a little smaller,
    // never below the size where it stops being comfortable to read.
    for (qreal size = font.pointSizeF(); size >= smallestCaptionPointSize; size -= 0.25) {
        font.setPointSizeF(size);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), 100000), flags, button->text());
        if (needed.height() <= box.height() && needed.width() <= box.width())
            return size;
    }
    return smallestCaptionPointSize;
}

void shareCaptionSize(const QList<QAbstractButton *> &buttons)
{
    qreal shared = 0;
    for (const QAbstractButton *button : buttons) {
        const qreal size = fittingCaptionPointSize(button);
        shared = shared > 0 ? qMin(shared, size) : size;
    }
    for (QAbstractButton *button : buttons)
        button->setProperty(sharedSizeProperty, shared);
}

QFont fittedCaptionFont(const QAbstractButton *button)
{
    QFont font = button->font();
    const QVariant shared = button->property(sharedSizeProperty);
    font.setPointSizeF(shared.isValid() ? shared.toReal() : fittingCaptionPointSize(button));
    return font;
}

QRect variantCaptionRect(const QAbstractButton *button)
{
    const int indicatorWidth = button->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button);
    const int spacing = button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    return button->rect().adjusted(indicatorWidth + spacing, 0, 0, 0);
}

VariantRadioButton::VariantRadioButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
}

void VariantRadioButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintVariant(this, QStyle::PE_IndicatorRadioButton, QStyle::SE_RadioButtonIndicator, option);
}

bool VariantRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

VariantCheckBox::VariantCheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
}

void VariantCheckBox::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintVariant(this, QStyle::PE_IndicatorCheckBox, QStyle::SE_CheckBoxIndicator, option);
}

bool VariantCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace quillon
