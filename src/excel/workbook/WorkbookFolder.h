#pragma once

#include <QString>

// The folder, private to the user, where this process writes the workbooks
// of its spreadsheet applications: made once under the system's temporary
// location with mode 0700, and made anew should it vanish. It is never
// removed, since the user's spreadsheet program opens the files and may keep
// them open after this program has ended. Empty, with the reason in
// `problem`, when it cannot be made.
QString workbookFolder(QString& problem);
