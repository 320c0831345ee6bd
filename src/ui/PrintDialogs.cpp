#include "ui/PrintDialogs.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

PrintDialogs::~PrintDialogs() = default;

namespace {

class NoPrintDialogs final : public PrintDialogs {
public:
    bool askPrint(QPrinter&) override { return false; }
    void preview(QPrinter&, const std::function<void(QPrinter*)>&) override {}
};

NoPrintDialogs fallbackPrintDialogs;
PrintDialogs* installedPrintDialogs = nullptr;

QWidget* dialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

PrintDialogs& printDialogs()
{
    return installedPrintDialogs ? *installedPrintDialogs : fallbackPrintDialogs;
}

PrintDialogs* setPrintDialogs(PrintDialogs* dialogs)
{
    PrintDialogs* previous = installedPrintDialogs;
    installedPrintDialogs = dialogs;
    return previous;
}

bool QtPrintDialogs::askPrint(QPrinter& printer)
{
    // Qt's dialog always offers printing to a PDF file, printer or not.
    QPrintDialog dialog(&printer, dialogOwner());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintDialogs::preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint)
{
    QPrintPreviewDialog dialog(&printer, dialogOwner());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}
