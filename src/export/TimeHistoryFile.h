#pragma once

#include "export/AnalysisFile.h"

#include <QByteArray>
#include <QString>

struct GroundMotionRecord;

// A ground-motion record's acceleration history as the file that an analysis
// program imports, in the six formats of the spectrum files (AnalysisFormat,
// with their names on the command line):
//   table     "time_s<TAB>accel_g", then "t<TAB>a" lines;
//   csv       "time_s,accel_g", then "t,a" lines;
//   csi       SAP2000/ETABS time history function from file: "$" comment
//             lines (name, source file, step, unit g, peak), then "t a" lines
//             with no blank line (a blank line ends the function);
//   midas     MIDAS Gen/Civil time history function file (.thd): "**"
//             comment lines (name; source file, step, peak), *UNIT, GRAV, KN,
//             *TYPE, ACCEL, *DATA, then "t, a" lines;
//   staad     STAAD.Pro external time history file (DEFINE TIME HISTORY ...
//             READ): one "t a" pair a line and nothing else;
//   opensees  Tcl: "#" comments, then timeSeries Path TAG -dt DT -values {...}.
// Times are i x step written exactly in the step's decimals (0.005 gives
// 0.015, never 0.015000000000000001); accelerations are in g with the shortest
// digits that read back as the same double; "." always. csi, midas and staad
// end their lines with CR LF, as the spectrum files do; the others with LF.

// The usual file name suffix of a history, without the dot: "thd" for midas,
// otherwise that of analysisFormatSuffix.
const char* timeHistoryFileSuffix(AnalysisFormat format);

struct TimeHistoryFileOptions {
    AnalysisFormat format = AnalysisFormat::Table;
    int tag = 1;  // the OpenSees time series tag
};

// The complete file of `record` (its accelerationG as they are: scale first).
QByteArray buildTimeHistoryFile(const GroundMotionRecord& record, const TimeHistoryFileOptions& options);

// Creates or replaces the file at `path` with that content through the safe
// writer, leaving an existing file as it was on failure. Throws KavrelError.
void saveTimeHistoryFile(const QString& path, const GroundMotionRecord& record, const TimeHistoryFileOptions& options);
