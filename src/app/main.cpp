#include "app/Startup.h"
#include "common/UserDialogs.h"
#include "ui/QtUserDialogs.h"
#include "ui/MainWindow.h"
#include "ui/KavrelApplication.h"
#include "ui/PrintDialogs.h"
#include "ui/SetDocument.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QtUserDialogs dialogs;
    UserDialogs* previous = setUserDialogs(&dialogs);
    QtPrintDialogs printing;
    PrintDialogs* previousPrinting = setPrintDialogs(&printing);
    const int status = runProgram(argc, argv, [] {
        auto window = std::make_unique<MainWindow>();
        // kavrel-spect FILE.kspect: the set opens once the window is shown
        // and the message loop runs.
        QMetaObject::invokeMethod(
            window.get(),
            [form = window.get()] { guarded([form] { form->document().openArguments(QCoreApplication::arguments().mid(1)); })(); },
            Qt::QueuedConnection);
        return window;
    });
    setPrintDialogs(previousPrinting);
    setUserDialogs(previous);
    return status;
}
