#pragma once

#include <QCoreApplication>
#include <QString>

// The program's web site. Its host is kept here and nowhere else; a reserved
// example domain stands in until the project has a site of its own.
namespace WebSite {

inline constexpr char host[] = "kavrel-spect.example.com";

// Who makes the program, as the About window and the status bar name them
// (the status bar translates it in the main window's context).
inline constexpr char authors[] = QT_TRANSLATE_NOOP("MainWindow", "Kavrel_Spect authors");

// The home page is handed over as the bare host, without a scheme.
QString homePageAddress();
// The host with the HTTP scheme in front, as the About window shows it.
QString homePageCaption();
QString donationPageAddress();
QString otherProgramsPageAddress();
QString usageHelpPageAddress();

} // namespace WebSite
