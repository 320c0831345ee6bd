#pragma once

#include <QWidget>

#include <functional>
#include <memory>

using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;

// The window program from its application object to its end: makes the
// application object, registers the built-in workbook server, makes the main
// window with `makeMainWindow`, centres it on the screen, shows it and runs
// the message loop until it closes. Reports through the installed
// userDialogs().
//
// An exception that escapes any of this, before the message loop or after
// it, is shown as an error box while the application object still exists
// (a box needs it), and the result is then 1. Otherwise the result is the
// message loop's.
int runProgram(int& argc, char** argv, const MainWindowFactory& makeMainWindow);
