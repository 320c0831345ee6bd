#pragma once

#include "cli/RecordCommand.h"

#include <QString>
#include <QStringList>

// kspect --check: the code's checks of a record selection (GB 50011 5.1.2)
// against a code spectrum, printed as the check sheet. Every record is read
// and checked, and the sheet built, before anything is written.

// True when the command line asks for the check (--check).
bool asksForCheck(const QStringList& arguments);

// Written as a record command's output is; `checkFails` when the sheet holds
// a failed check, which the exit status tells apart.
struct CheckCommandOutput : RecordCommandOutput {
    bool checkFails = false;
};

// `arguments` as the program got them, the program's name first.
CheckCommandOutput prepareCheckCommand(const QStringList& arguments);

// The usage lines of the check command, for kspect's own help.
QString checkCommandUsage();
