#pragma once

#include "records/SetContents.h"

#include <QByteArray>
#include <QString>

// The file's bytes for `contents` and the check window's inputs, in the
// oldest version that holds them.
QByteArray buildSetFile(const SetContents& contents, const SetCheckInputs& check = {});

// Creates or replaces the file at `path`, leaving an existing one as it was
// on failure. Throws KavrelError as the safe writer does.
void saveSetFile(const QString& path, const SetContents& contents, const SetCheckInputs& check = {});
