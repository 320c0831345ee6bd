#pragma once

#include "cli/RecordCommand.h"

#include <QString>
#include <QStringList>

// kspect --artificial: one artificial accelerogram matched to the code
// spectrum that the spectrum options choose, written as a time-history file.
// The record is generated and its file built before anything is written.

// True when the command line asks for an artificial record (--artificial).
bool asksForArtificial(const QStringList& arguments);

// Written as a record command's output is; with --verbose, `report` holds
// the match figures for the standard error.
struct ArtificialCommandOutput : RecordCommandOutput {
    QString report;
};

// `arguments` as the program got them, the program's name first.
ArtificialCommandOutput prepareArtificialCommand(const QStringList& arguments);

// The usage lines of the command, for kspect's own help.
QString artificialCommandUsage();
