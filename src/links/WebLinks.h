#pragma once

#include <QString>

namespace quillon {

// Hands a fixed address to the desktop's default handler; whether it opened is not reported.
void OpenWebAddress(const QString &address);

// The fixed pages the menus and link labels lead to.
void OpenCommunitySite();
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenDonationPage();
void OpenFullBrandingPage();
void OpenCoBrandingPage();

// Addresses as shown in link texts and opened by the routines above.
QString communitySiteAddress();
QString onlineHelpAddress();
QString downloadPageAddress();
QString donationPageAddress();
QString fullBrandingPageAddress();
QString coBrandingPageAddress();

} // namespace quillon
