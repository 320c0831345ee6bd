#pragma once

#include <QString>
#include <QUrl>

// The address a browser is given for a page address of the program. The home
// page is passed around as a bare host name, which the desktop would take for
// a local file; such an address gets the HTTP scheme in front. An address that
// already names its scheme ("https://...") is kept as it is. Blank or
// malformed text gives an invalid URL, which the caller does not open.
QUrl browserUrl(const QString& address);
