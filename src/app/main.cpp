#include "common/UserDialogs.h"
#include "excel/workbook/WorkbookServer.h"
#include "ui/KavrelApplication.h"
#include "ui/QtUserDialogs.h"
#include "ui/MainWindow.h"

#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[])
{
    QtUserDialogs dialogs;
    UserDialogs* previous = setUserDialogs(&dialogs);
    try {
        KavrelApplication app(argc, argv);
        // "Excel.Application" on this platform: the built-in workbook server.
        registerWorkbookServer();
        MainWindow form;
        form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                             form.screen()->availableGeometry()));
        form.show();
        // kavrel-spect FILE.kspect: the set is opened in the shown window.
        guarded([&] { form.openArguments(app.arguments().mid(1)); })();
        app.exec();
    } catch (...) {
        showException(std::current_exception());
    }
    setUserDialogs(previous);
    return 0;
}
