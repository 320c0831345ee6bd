#pragma once

#include <QString>
#include <functional>
#include <vector>

// What the user sees of the workbooks the server finishes. The server writes
// a workbook when the caller's last handle into it goes, which may be while
// an exception from a failed export unwinds; so it only notes the outcome
// here, and what to show is decided once the export command has returned.

// A workbook the caller is done with.
struct FinishedWorkbook {
    QString name;     // "Book3"
    QString path;     // the file it was written to; empty when it could not be
    QString problem;  // the whole message when it could not be written
    bool show = false;  // the application is visible and had not shown it yet
};

// For the server: notes `book` until the command asks.
void noteFinishedWorkbook(FinishedWorkbook book);

// The workbooks finished since last asked, oldest first; asking forgets them.
std::vector<FinishedWorkbook> takeFinishedWorkbooks();

// After a command that succeeded: tells `status` where the last workbook was
// saved, then hands each one to be shown to the desktop (when the desktop
// does not take it, one question names its full path and offers its folder)
// and shows an error box for each that could not be written.
void handOverFinishedWorkbooks(const std::function<void(const QString&)>& status);

// Runs `command`, a spreadsheet export, and then decides what the user sees.
// After success, the hand-over above. When the application could not be
// started (ExcelStartError), its information box, then the same hand-over. After a failure nothing is opened or
// asked: the exception goes on (for the one error box of the command's
// handler), as a KavrelError whose message also says where the part made so
// far was kept, and `status` is told that place too.
void runWithWorkbookHandOver(const std::function<void()>& command,
                             const std::function<void(const QString&)>& status);

// The status bar's text for a saved workbook: "Saved
// Documents/Kavrel_Spect/Book3.xlsx", from the home folder when it lies
// under it, else the full path.
QString savedWorkbookText(const QString& path);
