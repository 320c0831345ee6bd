#pragma once

#include <functional>

class QPrinter;

// The print questions, a seam like UserDialogs: the program installs Qt's
// dialogs, tests install a scripted fake, and no test opens a modal window.
// Kept apart from UserDialogs because the core libraries know no printers.
class PrintDialogs {
public:
    virtual ~PrintDialogs();
    // Lets the user pick a printer (or a PDF file) and its settings for
    // `printer`; false when the user cancels.
    virtual bool askPrint(QPrinter& printer) = 0;
    // Shows the pages that `paint` draws on a printer like `printer`, from
    // where the user may print them.
    virtual void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;
};

// The installed dialogs; until one is installed every question is cancelled
// and no preview is shown.
PrintDialogs& printDialogs();

// Installs `dialogs` (not owned) and returns the one it replaces; nullptr
// restores the fallback.
PrintDialogs* setPrintDialogs(PrintDialogs* dialogs);

// Qt's print dialog and print preview window.
class QtPrintDialogs final : public PrintDialogs {
public:
    bool askPrint(QPrinter& printer) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
};
