#pragma once

#include "export/SafeFileWriter.h"
#include "export/TimeHistoryFile.h"
#include "records/ArtificialBatch.h"

#include <QString>
#include <QStringList>
#include <vector>

// Generated artificial records as time-history files, one file per record,
// in the formats of "Save for Analysis...".

// The save dialog's file type of a time history in `format`: that of the
// spectrum files, with the history's own suffix ("MIDAS Gen/Civil (*.thd)"),
// in the installed language.
QString timeHistoryFormatFilter(AnalysisFormat format);
// Every such file type, in the order of analysisFormatsForDialog, so that
// analysisFormatAtFilter finds the format of the one at an index.
QStringList timeHistoryFormatFilters();

// The files of `records` in `format`: a single record goes to `chosenPath`;
// several go beside it, each named after its record (spectrumFileBase) with
// the format's suffix. The OpenSees series are tagged 1, 2, ... in order, so
// that the files can be sourced into one model.
std::vector<FileContent> artificialRecordFiles(const std::vector<NamedArtificialRecord>& records,
                                               const QString& chosenPath, AnalysisFormat format);
