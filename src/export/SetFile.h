#pragma once

// Set files (.kspect): the format and its versions, the writer, the reader,
// and the set's contents they carry.
#include "export/SetFileFormat.h"
#include "export/SetFileReader.h"
#include "export/SetFileWriter.h"
#include "records/SetContents.h"
