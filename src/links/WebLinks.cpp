#include "links/WebLinks.h"

#include "platform/Platform.h"

#include <SiteAddresses.h>

using namespace Qt::StringLiterals;

namespace quillon {

void OpenWebAddress(const QString &address)
{
    platform().openUrl(address);
}

QString communitySiteAddress() { return QString::fromUtf16(sites::community); }
QString onlineHelpAddress() { return QString::fromUtf16(sites::product) + u"/quillon-help.html"_s; }
QString downloadPageAddress() { return QString::fromUtf16(sites::product) + u"/download-quillon.html"_s; }
QString donationPageAddress() { return QString::fromUtf16(sites::help) + u"/donate.html"_s; }
QString fullBrandingPageAddress() { return QString::fromUtf16(sites::help) + u"/fully-branded.html"_s; }
QString coBrandingPageAddress() { return QString::fromUtf16(sites::help) + u"/co-brand.html"_s; }

void OpenCommunitySite() { OpenWebAddress(communitySiteAddress()); }
void OpenOnlineHelp() { OpenWebAddress(onlineHelpAddress()); }
void OpenDownloadPage() { OpenWebAddress(downloadPageAddress()); }
void OpenDonationPage() { OpenWebAddress(donationPageAddress()); }
void OpenFullBrandingPage() { OpenWebAddress(fullBrandingPageAddress()); }
void OpenCoBrandingPage() { OpenWebAddress(coBrandingPageAddress()); }

} // namespace quillon
