#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// kspect --library DIR|ZIP [--library ...] [--index FILE] [--list]
// [--format table|csv]: brings the record library's index up to date, says
// what it found on the standard error and, with --list, writes one line a
// component on the standard output.

// True when the command line names a library (--library or --library=...).
bool asksForLibrary(const QStringList& arguments);

struct LibraryCommandOutput {
    int exitStatus = 0;     // 0 done, 1 the index cannot be written, 2 refused or no readable record
    QStringList messages;   // lines for the standard error, without "kspect: "
    QByteArray bytes;       // for the standard output: the listing or the help
};

// `arguments` as the program got them, the program's name first.
LibraryCommandOutput runLibraryCommand(const QStringList& arguments);

// The usage line of the command, for kspect's own help.
QString libraryCommandUsage();
