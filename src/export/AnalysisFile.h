#pragma once

#include "spectrum/SpectrumSampling.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class KavrelSpectrum;
class QIODevice;

// One spectrum as the (period, value) file that a structural analysis program
// imports: SAP2000/ETABS ("csi"), MIDAS Gen/Civil ("midas"), STAAD.Pro
// ("staad"), OpenSees ("opensees"), or plain "csv" and "table" for scripts.
//
// The periods are START + i x STEP (a product, never a running sum) from START
// to STOP, merged with the corners of the curve that lie in that range: 0.1 s,
// Tg and, for the GB 50011 codes, 5 Tg. A corner within 1e-9 s of a grid period
// is that period. So a program that interpolates linearly between the points
// follows the plateau and every kink exactly.
//
// Every period is written in its shortest exact decimal form (0.07, not
// 0.07000000000000001), and its value is alpha at exactly the period that text
// reads back as, in g, written with the shortest digits that read back as the
// same double. Numbers always use "." whatever the user's locale: these files
// are read by programs, not by people.

enum class AnalysisFormat { Table, Csv, Csi, Midas, Staad, OpenSees };

// Every format, in the order the command line offers them; the save dialog
// offers the analysis programs' formats first.
const std::vector<AnalysisFormat>& analysisFormats();
const std::vector<AnalysisFormat>& analysisFormatsForDialog();

// The format's name on the command line: "table", "csv", "csi", "midas",
// "staad", "opensees".
const char* analysisFormatName(AnalysisFormat format);

// The usual file name suffix, without the dot: "txt", "csv", "sgs", "tcl".
const char* analysisFormatSuffix(AnalysisFormat format);

// The save dialog's file type in the installed language, e.g. "MIDAS
// Gen/Civil (*.sgs)"; the programs' names and the patterns stay as they are.
QString analysisFormatFilter(AnalysisFormat format);

// The save dialog's file types, in the order of analysisFormatsForDialog: a
// dialog's answer is found by its place in this list, never by its text,
// which follows the language.
QStringList analysisFormatFilters();
// The format of the file type at `index` of that list; the first for an index
// outside it.
AnalysisFormat analysisFormatAtFilter(int index);

// Finds the format of a command-line name (exact, lower case); false when
// there is none.
bool analysisFormatFromName(const QString& name, AnalysisFormat& format);

struct PeriodRange {
    double start = 0.0;
    double stop = 6.0;
    double step = 0.01;
};

// More points than any analysis program needs; also keeps a mistyped step
// from filling the disk.
constexpr double maxPeriodCount = 1000000;

// What is wrong with `range`, in words for the user, or an empty text when it
// can be sampled: within 0 ... 6 s, a step above 0, STOP not below START, at
// most maxPeriodCount periods.
QString periodRangeProblem(const PeriodRange& range);

struct AnalysisFileOptions {
    AnalysisFormat format = AnalysisFormat::Table;
    PeriodRange periods;
    int tag = 1;  // the OpenSees time series tag
};

// The points written: strictly increasing periods, each the double of its
// shortest text, and alpha there. Throws KavrelError with the text of
// periodRangeProblem for a range that cannot be sampled.
std::vector<SpectrumPoint> analysisPoints(const KavrelSpectrum& spectrum, const PeriodRange& range);

// The complete file. Names are written as their narrow bytes, with control
// characters as blanks so that a name cannot break a line. csi, midas and
// staad files end their lines with CR LF (they are read by Windows programs),
// the others with LF.
QByteArray buildAnalysisFile(const KavrelSpectrum& spectrum, const AnalysisFileOptions& options);

// Writes that content to the open `device`; throws KavrelError
// "Stream write error" when the device does not take all of it.
void writeAnalysisFile(QIODevice* device, const KavrelSpectrum& spectrum, const AnalysisFileOptions& options);

// Creates or replaces the file at `path` with that content, leaving an
// existing file as it was on failure. Throws KavrelError
// "Cannot create file "<full path>". <reason>" or "Stream write error".
void saveAnalysisFile(const QString& path, const KavrelSpectrum& spectrum, const AnalysisFileOptions& options);
