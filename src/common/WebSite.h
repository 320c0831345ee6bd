#pragma once

#include <QString>

// The program's web site. Its host is kept here and nowhere else; a reserved
// example domain stands in until the project has a site of its own.
namespace WebSite {

inline constexpr char host[] = "kavrel-spect.example.com";

// The home page is handed over as the bare host, without a scheme.
QString homePageAddress();
// The host with the HTTP scheme in front, as the About window shows it.
QString homePageCaption();
QString donationPageAddress();
QString otherProgramsPageAddress();
QString usageHelpPageAddress();

} // namespace WebSite
