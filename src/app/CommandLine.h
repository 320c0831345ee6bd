#pragma once

#include <optional>

// The options the window program answers on the terminal before it makes its
// application object, so without a display: -h/--help and --version. Returns
// the exit status when one of them was given (0, or 1 if the standard output
// could not be written), nothing otherwise. Every other argument, Qt's own
// options (-platform, -style) included, is left for the application object.
std::optional<int> answerTerminalOptions(int argc, char** argv);
