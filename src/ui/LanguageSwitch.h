#pragma once

#include "common/Language.h"

#include <optional>

class QMenu;

// The program's language at run time. The program's translation is built
// into it (":/i18n"); Qt's own, for the standard buttons and the file dialog,
// comes from the system's Qt translations when they are installed.

// Installs the translators of `language` in place of the previous ones
// (English needs none). Every open window is then sent QEvent::LanguageChange.
void installLanguage(Language language);
Language installedLanguage();

// At start: the command line's choice for this run, else the remembered one.
void installStartLanguage(std::optional<Language> commandLineChoice);

// Fills `menu` with one checkable item per language, each named in its own
// language, the installed one checked. A choice applies at once and is
// remembered for the next start.
void fillLanguageMenu(QMenu* menu);
