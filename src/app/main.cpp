#include "app/Startup.h"
#include "common/UserDialogs.h"
#include "ui/QtUserDialogs.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[])
{
    QtUserDialogs dialogs;
    UserDialogs* previous = setUserDialogs(&dialogs);
    const int status = runProgram(argc, argv, [] { return std::make_unique<MainWindow>(); });
    setUserDialogs(previous);
    return status;
}
