#include "app/Startup.h"

#include "app/CommandLine.h"
#include "excel/workbook/WorkbookServer.h"
#include "ui/KavrelApplication.h"
#include "ui/LanguageSwitch.h"

#include <QScreen>
#include <QStyle>

#include <cstdio>
#include <exception>

namespace {

constexpr int FailedStatus = 1;

int runWindow(KavrelApplication& app, const MainWindowFactory& makeMainWindow)
{
    // "Excel.Application" on this platform: the built-in workbook server.
    registerWorkbookServer();
    const std::unique_ptr<QWidget> window = makeMainWindow();
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                            window->screen()->availableGeometry()));
    window->show();
    return app.exec();
}

} // namespace

int runProgram(int& argc, char** argv, const MainWindowFactory& makeMainWindow)
{
    if (const std::optional<int> status = answerTerminalOptions(argc, argv))
        return *status;
    const std::optional<Language> language = takeLanguageOption(argc, argv);
    std::unique_ptr<KavrelApplication> app;
    try {
        app = std::make_unique<KavrelApplication>(argc, argv);
    } catch (const std::exception& error) {
        // No application object, so no box: the terminal is all there is.
        std::fprintf(stderr, "Kavrel_Spect cannot start: %s\n", error.what());
        return FailedStatus;
    } catch (...) {
        std::fprintf(stderr, "Kavrel_Spect cannot start.\n");
        return FailedStatus;
    }
    try {
        installStartLanguage(language);
        return runWindow(*app, makeMainWindow);
    } catch (...) {
        showException(std::current_exception());
        return FailedStatus;
    }
}
