#pragma once

#include "ui/PrintDialogs.h"

#include <QPrinter>
#include <QString>

// Answers the print questions from a script: a file name prints (or
// previews) the page into that PDF file, as a user choosing "Print to File"
// would; no file name cancels. Installed for its lifetime.
class FakePrintDialogs final : public PrintDialogs {
public:
    FakePrintDialogs() : previous_(setPrintDialogs(this)) {}
    ~FakePrintDialogs() override { setPrintDialogs(previous_); }
    FakePrintDialogs(const FakePrintDialogs&) = delete;
    FakePrintDialogs& operator=(const FakePrintDialogs&) = delete;

    bool askPrint(QPrinter& printer) override
    {
        ++printQuestions;
        offeredOrientation = printer.pageLayout().orientation();
        if (printFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        return true;
    }

    void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override
    {
        ++previews;
        offeredOrientation = printer.pageLayout().orientation();
        if (previewFile.isEmpty())
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewFile);
        paint(&printer);
    }

    QString printFile;
    QString previewFile;
    int printQuestions = 0;
    int previews = 0;
    QPageLayout::Orientation offeredOrientation = QPageLayout::Portrait;

private:
    PrintDialogs* previous_;
};
