#pragma once

#include "common/BoundedRead.h"
#include "export/SetFileFormat.h"
#include "records/SetContents.h"

#include <QByteArray>
#include <QString>

// Reads and checks a whole file before anything is used: JSON syntax, format
// and version, every field's type, values as the window's input boxes take
// them (finite, not negative), known code names, names non-empty, under 20
// bytes, without blanks at either end, and unique. Unknown fields are
// ignored; "visible" defaults to true and "origin" to nothing. The check
// window's inputs, where the file holds them, are checked too and given in
// `check` when asked for. Throws SetFileError naming `fileName`.
SetContents parseSetFile(const QByteArray& bytes, const QString& fileName, SetCheckInputs* check = nullptr);

// Reads the file at `path` through the bounded reader and parses it; a file
// that cannot be read (missing, a folder, no permission, not a regular file
// where only those are taken, larger than any set) is a SetFileError with
// the system's reason too.
SetContents readSetFile(const QString& path, ReadSource source = ReadSource::RegularFileOnly,
                        SetCheckInputs* check = nullptr);
