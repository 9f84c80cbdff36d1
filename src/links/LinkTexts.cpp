#include "links/LinkTexts.h"

#include "links/WebLinks.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace quillon {

QString displayedCommunityAddress()
{
    // People read a site by its host name; the scheme only takes room on the label.
    const QUrl address(communitySiteAddress());
    return address.host().isEmpty() ? communitySiteAddress() : address.host();
}

QString forumTagline()
{
    return u"Velmora - The Most Popular Graphology Forum"_s;
}

QString visitForumText()
{
    return u"Click Here To Visit "_s + displayedCommunityAddress() + u" Now"_s;
}

QString forumTaglineAndVisitText()
{
    return forumTagline() + u" Click Here To Visit "_s + displayedCommunityAddress() + u" Now."_s;
}

QString coBrandingText()
{
    return u"Co-brand this software for your site.  Increase loyalty and traffic to your site. "
           "Put your site's name &  link here. See \"Help\" for details.    "
           "Click Here for more info on co-branding."_s;
}

QString fullBrandingText()
{
    return u"Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website. Click here for more details."_s;
}

} // namespace quillon
