#include "common/UserDialogs.h"
#include "excel/workbook/WorkbookServer.h"
#include "ui/KavrelApplication.h"
#include "ui/QtUserDialogs.h"
#include "ui/MainWindow.h"
#include "ui/PrintDialogs.h"

#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[])
{
    QtUserDialogs dialogs;
    UserDialogs* previous = setUserDialogs(&dialogs);
    QtPrintDialogs printing;
    PrintDialogs* previousPrinting = setPrintDialogs(&printing);
    try {
        KavrelApplication app(argc, argv);
        // "Excel.Application" on this platform: the built-in workbook server.
        registerWorkbookServer();
        MainWindow form;
        form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                             form.screen()->availableGeometry()));
        form.show();
        app.exec();
    } catch (...) {
        showException(std::current_exception());
    }
    setPrintDialogs(previousPrinting);
    setUserDialogs(previous);
    return 0;
}
