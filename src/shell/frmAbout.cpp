#include "shell/frmAbout.h"

#include "links/LinkTexts.h"
#include "links/WebLinks.h"
#include "shell/Accessibility.h"
#include "shell/AppAssets.h"
#include "shell/AppInfo.h"
#include "shell/Controls.h"
#include "shell/LinkLabel.h"
#include "shell/Look.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace quillon {


frmAbout::frmAbout(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(u"frmAbout"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(windowCaption());
    setWindowIcon(applicationIcon());
    setModal(true);
    setWindowModality(Qt::ApplicationModal);
    setFont(uiFont());
    setPalette(programPalette()); // light whatever the desktop's scheme
    setFixedSize(twips(7035), twips(3255));
    useWindowBackground(this);

    auto *okButton = new QPushButton(u"OK"_s, this);
    okButton->setObjectName(u"cmdOK"_s);
    okButton->setGeometry(twipsRect(5745, 2880, 1260, 345));
    okButton->setFont(uiFont());
    okButton->setDefault(true);
    okButton->setAutoDefault(true);
    // Escape reaches QDialog::reject, which closes the window just as OK does.
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *icon = new QLabel(this);
    icon->setObjectName(u"picIcon"_s);
    icon->setGeometry(twipsRect(150, 150, 480, 480));
    icon->setPixmap(applicationIconPixmap(devicePixelRatioF()));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hideFromAccessibility(icon); // the title beside it says the same

    makeLabel(this, u"Label2"_s, windowCaption(), twipsRect(840, 285, 3435, 345),
             uiFont(14.25, true), colours::blue(), false);
    makeLabel(this, u"Label1"_s,
             u"Quillon aims to help you in your quest of understanding yourself and the significance "
             "of your handwriting. It is a thought provoking program based on the science which "
             "reflects the changing nature and behavioral pattern of human beings."_s,
             twipsRect(120, 750, 6885, 855), uiFont(), palette().color(QPalette::ButtonText), true);

    LinkLabel *homePage = makeLinkLabel(
        this, u"lblHomePage"_s, u"Click here to visit "_s + displayedCommunityAddress(),
        twipsRect(2955, 1605, 4050, 195), uiFont(8.25, false, true), colours::captionBrown(), OpenCommunitySite);

    makeLabel(this, u"Label3"_s,
             u"Home Business Opportunity. Start your own Internet business and make money online. "
             "Get this software fully branded for your website."_s,
             twipsRect(120, 1920, 6885, 435), uiFont(8.25, true), colours::blue(), true);

    LinkLabel *moreDetails = makeLinkLabel(
        this, u"lblCoBrand"_s, u"Click here for more details."_s, twipsRect(4650, 2355, 2355, 195),
        uiFont(8.25, false, true), colours::captionBrown(), OpenFullBrandingPage);

    auto *rule = new QFrame(this);
    rule->setObjectName(u"Line2"_s);
    rule->setGeometry(twips(-15), twips(2760), twips(7080 + 15) + 1, 2);
    rule->setAutoFillBackground(true);
    QPalette rulePalette = rule->palette();
    rulePalette.setColor(QPalette::Window, rulePalette.color(QPalette::WindowText));
    rule->setPalette(rulePalette);
    hideFromAccessibility(rule);

    setTabOrder(okButton, homePage);
    setTabOrder(homePage, moreDetails);
    okButton->setFocus();
    centreOnScreen(this);
}

} // namespace quillon
