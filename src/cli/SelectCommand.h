#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// kspect --select: the suite of records from the library that passes the
// code's checks closest to the target spectrum, printed one line a record,
// then the suite's check sheet as kspect --check prints it.

// True when the command line asks for a selection (--select).
bool asksForSelect(const QStringList& arguments);

struct SelectCommandOutput {
    int exitStatus = 0;    // 0 every rule holds, 3 the suite breaks one, 2 refused, 1 not written
    QStringList messages;  // lines for the standard error, without "kspect: "
    QByteArray bytes;      // for the standard output: the suite and its sheet, or the help
};

// `arguments` as the program got them, the program's name first.
SelectCommandOutput runSelectCommand(const QStringList& arguments);

// The usage lines of the command, for kspect's own help.
QString selectCommandUsage();
