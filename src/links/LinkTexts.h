#pragma once

#include <QString>

namespace quillon {

// The texts of the promotional link labels; each names its site through the configured address.
QString forumTagline();
QString visitForumText();          // main window: "Click Here To Visit <site> Now"
QString forumTaglineAndVisitText(); // questionnaire window: tagline, then the visit sentence
QString coBrandingText();
QString fullBrandingText();
QString displayedCommunityAddress();

} // namespace quillon
