#pragma once

#include "export/SetFileEntryReader.h"
#include "records/SetContents.h"

#include <QJsonValue>

// The "check" of a set file (the check window's inputs kept with the set),
// checked whole: texts where texts are typed, the modes as pairs of finite
// numbers that the check takes (structureFault). Every refusal names the
// file and "check".
SetCheckInputs readSetFileCheck(const SetFileRefusal& refuse, const QJsonValue& value);
