#include "app/Startup.h"
#include "common/UserDialogs.h"
#include "ui/QtUserDialogs.h"
#include "ui/MainWindow.h"
#include "ui/PrintDialogs.h"

int main(int argc, char* argv[])
{
    QtUserDialogs dialogs;
    UserDialogs* previous = setUserDialogs(&dialogs);
    QtPrintDialogs printing;
    PrintDialogs* previousPrinting = setPrintDialogs(&printing);
    const int status = runProgram(argc, argv, [] { return std::make_unique<MainWindow>(); });
    setPrintDialogs(previousPrinting);
    setUserDialogs(previous);
    return status;
}
