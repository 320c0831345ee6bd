#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// kspect --record FILE: a ground-motion record's response spectrum, or its
// (scaled) acceleration history as a time-history file for an analysis
// program. Everything is read and checked, and the output built, before
// anything is written.

// True when the command line names a record (--record FILE or --record=FILE).
bool asksForRecord(const QStringList& arguments);

struct RecordCommandOutput {
    // One line naming the option or the file and the fault; empty when the
    // command line and the record are good.
    QString error;
    QByteArray bytes;    // what to write: the file, or the help text
    bool help = false;   // the bytes are the help text, for the standard output
    bool toFile = false; // else the standard output
    QString outputPath;
};

// `arguments` as the program got them, the program's name first.
RecordCommandOutput prepareRecordCommand(const QStringList& arguments);

// The usage lines of the record command, for kspect's own help.
QString recordCommandUsage();
