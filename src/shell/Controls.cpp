#include "shell/Controls.h"

#include "links/LinkTexts.h"
#include "links/WebLinks.h"
#include "shell/Accessibility.h"
#include "shell/KeyboardAccess.h"
#include "shell/LinkLabel.h"
#include "shell/Look.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace quillon {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                  const QFont &font, const QColor &colour, bool wraps)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setWordWrap(wraps);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, colour);
    if (text.trimmed().isEmpty())
        hideFromAccessibility(label); // a label of blanks says nothing to a screen reader
    return label;
}

LinkLabel *makeLinkLabel(QWidget *parent, const QString &name, const QString &text,
                         const QRect &geometry, const QFont &font, const QColor &colour,
                         std::function<void()> onClick)
{
    auto *label = new LinkLabel(name, text, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, colour);
    QObject::connect(label, &LinkLabel::clicked, label, [onClick = std::move(onClick)] { onClick(); });
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRect &geometry, const QFont &font)
{
    auto *button = new CommandButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    return button;
}

QFrame *makeButtonFaceFrame(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(QPalette::Button);
    return frame;
}

void addPromotionalLabels(QWidget *frame, const QRect &geometry)
{
    const QFont font = uiFont(8.25, true, true);
    for (auto *label : {makeLinkLabel(frame, u"lblFullBrand"_s, fullBrandingText(), geometry, font,
                                      colours::blue(), OpenFullBrandingPage),
                        makeLinkLabel(frame, u"lblCobrand"_s, coBrandingText(), geometry, font,
                                      colours::blue(), OpenCoBrandingPage)}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop); // labels keep their text at the top
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Button);
    }
    // Created last, the co-branding label lies in front.
}

} // namespace quillon
