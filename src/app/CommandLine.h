#pragma once

#include "common/Language.h"

#include <optional>

// The options the window program answers on the terminal before it makes its
// application object, so without a display: -h/--help and --version, and a
// --language that names no language the program speaks. Returns the exit
// status when one of them was given (0, or 1 if the standard output could not
// be written; 2 with a message on the standard error for a bad --language),
// nothing otherwise. Every other argument, Qt's own options (-platform,
// -style) included, is left for the application object.
std::optional<int> answerTerminalOptions(int argc, char** argv);

// Takes "--language CODE" or "--language=CODE" out of the arguments, so that
// neither the application object nor the set files to open see it, and gives
// the language it names (the last one given). Call after
// answerTerminalOptions() has refused bad values.
std::optional<Language> takeLanguageOption(int& argc, char** argv);
