#include "questionnaire/PageBuilder.h"

#include "questionnaire/PictureDescriptions.h"
#include "questionnaire/SamplePictures.h"
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/VariantButton.h"
#include "shell/Controls.h"
#include "shell/KeyboardAccess.h"
#include "shell/Look.h"
#include "shell/PageFrame.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

// Cell and button positions in twips, for pages at window level and inside the T-Bar group.
struct PageGeometry {
    int columns;
    int pictureTop;
    int rowPitch;
    int instructionTop;
};
constexpr PageGeometry topLevelGeometry{5, 1080, 2760, 720};
constexpr PageGeometry groupGeometry{4, 840, 2520, 480};
constexpr int columnPitch = 1920;
constexpr int cellLeft = 120;

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption, const QFont &font,
                     const QColor &colour, const QRect &geometry)
{
    auto *frame = new PageFrame(caption, parent);
    frame->setObjectName(name);
    frame->setFont(font);
    frame->setGeometry(geometry);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, programPalette().color(QPalette::Base));
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    frame->setPalette(palette);
    return frame;
}

QLabel *makePictureBox(QWidget *parent, const TraitPage &trait, int index, const QRect &geometry,
                       const QPixmap &picture)
{
    auto *box = new QLabel(parent);
    box->setObjectName(trait.pictureName(index));
    box->setGeometry(geometry);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    // The page's caption colour must not reach the box's border.
    setTextColour(box, programPalette().color(QPalette::Text));
    if (!picture.isNull())
        box->setPixmap(picture); // drawn unscaled from the top-left corner, clipped by the box
    const QString caption = displayedCaption(trait.variants[index].caption).trimmed();
    box->setAccessibleName(caption);
    box->setAccessibleDescription(picture.isNull() ? u"No sample picture"_s
                                                   : pictureDescription(trait.id, index));
    if (!picture.isNull())
        box->setToolTip(pictureToolTip(trait.id, index)); // the picture enlarged, to see what decides
    return box;
}

QAbstractButton *makeVariantControl(QWidget *parent, const TraitPage &trait, int index, const QRect &geometry)
{
    QAbstractButton *control = nullptr;
    const QString &caption = trait.variants[index].caption;
    if (trait.kind == SelectionKind::Single)
        control = new VariantRadioButton(caption, parent);
    else
        control = new VariantCheckBox(caption, parent);
    control->setObjectName(trait.controlName(index));
    control->setGeometry(geometry);
    control->setFont(uiFont());
    control->setAccessibleName(displayedCaption(caption).trimmed());
    setTextColour(control, programPalette().color(QPalette::Text));
    return control;
}

void placeButtons(TraitPageControls &page, const TraitPage &trait, QWidget *frame)
{
    const QFont font = uiFont(8.25, true);
    QRect back, next;
    QString nextCaption = u"Next >>"_s;
    switch (trait.buttons) {
    case ButtonPlacement::SideBySide:
        back = twipsRect(7440, 5930, 1000, 400);
        next = twipsRect(8600, 5930, 1000, 400);
        break;
    case ButtonPlacement::Stacked:
        next = twipsRect(8600, 5400, 1000, 400);
        back = twipsRect(8600, 5925, 1000, 400);
        break;
    case ButtonPlacement::LastPage:
        back = twipsRect(6960, 5930, 1000, 400);
        next = twipsRect(8115, 5930, 1400, 400);
        nextCaption = u"View Result"_s;
        break;
    case ButtonPlacement::InGroup:
        back = twipsRect(7200, 5250, 1000, 400);
        next = twipsRect(8355, 5250, 1000, 400);
        break;
    }
    // Created Back first only where it stands first in reading order, so Tab meets them as seen.
    if (trait.buttons == ButtonPlacement::Stacked) {
        page.next = makeButton(frame, trait.nextName(), nextCaption, next, font);
        page.back = makeButton(frame, trait.backName(), u"<< Back"_s, back, font);
    } else {
        page.back = makeButton(frame, trait.backName(), u"<< Back"_s, back, font);
        page.next = makeButton(frame, trait.nextName(), nextCaption, next, font);
    }
}

} // namespace

QGroupBox *makePageFrame(QWidget *parent, const QString &name, const QString &caption)
{
    // The page stack stands where the pages go; each page fills it.
    return makeFrame(parent, name, caption, uiFont(9, true), colours::captionBrown(),
                     QRect(QPoint(0, 0), twipsRect(30, 240, 9725, 6600).size()));
}

QGroupBox *buildGroupPage(QWidget *parent, const TraitGroup &group)
{
    QGroupBox *frame = makePageFrame(parent, group.frameName(), group.caption);
    makeLabel(frame, u"lblSignificance(%1)"_s.arg(group.significanceIndex), group.significance,
              twipsRect(120, 240, 9525, 405), uiFont(8.25, true), colours::green(), true);
    return frame;
}

TraitPageControls buildTraitPage(QWidget *parent, const TraitPage &trait, const SamplePictures &pictures)
{
    TraitPageControls page;
    const PageGeometry &layout = trait.inTBarGroup ? groupGeometry : topLevelGeometry;
    if (trait.inTBarGroup) {
        page.frame = makeFrame(parent, trait.frameName(), trait.caption, uiFont(8.25, true),
                               colours::purple(), QRect(QPoint(0, 0), twipsRect(80, 700, 9550, 5800).size()));
        QLabel *inner = makeLabel(page.frame, u"lblInnerSig(%1)"_s.arg(trait.significanceIndex),
                                  trait.significance, twipsRect(120, 240, 9310, 195), uiFont(8.25, true),
                                  colours::green());
        inner->setTextFormat(Qt::PlainText);
    } else {
        page.frame = makePageFrame(parent, trait.frameName(), trait.caption);
        makeLabel(page.frame, u"lblSignificance(%1)"_s.arg(trait.significanceIndex), trait.significance,
                  twipsRect(120, 240, 9525, trait.significanceHeight), uiFont(8.25, true), colours::green(),
                  true);
    }
    const int instructionWidth = trait.kind == SelectionKind::Single ? 7155 : 7995;
    makeLabel(page.frame, u"lblInstruction(%1)"_s.arg(trait.instructionIndex), trait.instruction(),
              twipsRect(120, layout.instructionTop, instructionWidth, 195), uiFont(8.25, true),
              colours::red());

    for (int i = 0; i < trait.variantCount(); ++i) {
        const int column = i % layout.columns;
        const int row = i / layout.columns;
        const int left = cellLeft + columnPitch * column;
        page.pictures.append(makePictureBox(page.frame, trait, i,
                                            twipsRect(left, layout.pictureTop + layout.rowPitch * row, 1800, 2000),
                                            pictures.picture(trait.id, i)));
        const int controlTop = row == 0 ? trait.row0Top : trait.row1Top;
        page.variants.append(makeVariantControl(page.frame, trait, i,
                                                twipsRect(left, controlTop, trait.controlWidth,
                                                          trait.variants[i].controlHeight)));
    }
    shareCaptionSize(page.variants);
    placeButtons(page, trait, page.frame);
    pressOnEnter(page.frame, page.next);
    return page;
}

} // namespace quillon
