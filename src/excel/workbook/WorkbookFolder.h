#pragma once

#include <QString>

// Where the workbook server keeps the workbooks it writes. The user's
// spreadsheet program opens them from there, and when no program does, the
// user must still find them after this program (or the machine) has been
// restarted: so they go to "Kavrel_Spect" in the user's documents folder.
// Should that folder not be possible (no documents folder, not writable),
// they go to the program's data folder, and as a last resort to a folder of
// this process under the system's temporary location, made private (0700)
// because that location is shared. The folder is looked up for every
// workbook, so that one removed meanwhile is made again. Empty, with the
// reason in `problem`, when none can be made.
QString workbookFolder(QString& problem);

// Claims a file name in `folder` that no earlier workbook has: the first
// free "Book1.xlsx", "Book2.xlsx", ... The file is created empty on the
// spot, so that another export (of this program or another instance) cannot
// take the same name; the caller writes over it. Empty, with the reason in
// `problem`, when no name can be claimed.
QString claimWorkbookFile(const QString& folder, QString& problem);
