#pragma once

#include "common/BoundedRead.h"
#include "common/KavrelError.h"
#include "records/RecordItem.h"
#include "spectrum/SpectrumOrigin.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SpectrumSet;

// A set of spectra as a document (.kspect): UTF-8 JSON
//   {"format": "kavrel-spect-set", "version": 1,
//    "spectra": [{"name", "code", "alphaMax", "tg", "dampingRatio",
//                 "visible", "origin": {"intensity", "action", "site", "group"}}]}
// in the set's order. Numbers are written in their shortest form that reads
// back as the same double; names are the narrow names as UTF-16 text.
//
// Version 2 adds records to the same list, in their places among the
// spectra: {"kind": "record", "name", "file", "layout", "unit", "step",
// "targetPeak" (cm/s^2; absent: as recorded), "dampingRatio", "visible",
// "source": "natural" or "artificial", for artificial ones "artificial":
// {"seed" (decimal text), "envelope": {"riseEnd", "strongEnd", "decay"},
// "match": {"largestDeviation", "largestDeviationPeriod", "meanDeviation"}},
// "samples": [accelerations in g]}. A set without records is written as
// version 1, byte for byte as before.
//
// Version 3 adds tabulated curves (a kept mean spectrum), likewise in their
// places: {"kind": "curve", "name", "dampingRatio", "visible",
// "records": [the names of the records it is the mean of],
// "periods": [s], "values": [g]}. A set without curves is written as the
// version its other items need.

// A record item of a set file: the record as read and how it is used.
struct SetRecord {
    std::shared_ptr<const GroundMotionRecord> record;
    RecordScaling scaling;
    std::optional<ArtificialFigures> artificial;
};

// A tabulated curve of a set file: its points and what it was made from.
struct SetCurve {
    std::vector<double> periods;
    std::vector<double> values;
    double damping = 0.05;
    std::vector<std::string> recordNames;  // narrow text, as the set keeps names
};

// One item of a set file, as read or about to be written: a code spectrum,
// a record where `record` holds one, or a curve where `curve` holds one (for
// these two only `name` and `visible` of the spectrum's fields count).
struct SetSpectrum {
    std::string name;  // narrow text, as the set keeps it
    std::int32_t codeType = 0;
    double alphaMax = 0;
    double tg = 0;
    double dampingRatio = 0;
    bool visible = true;
    SpectrumOrigin origin;
    std::optional<SetRecord> record = std::nullopt;
    std::optional<SetCurve> curve = std::nullopt;

    bool isRecord() const { return record.has_value(); }
    bool isCurve() const { return curve.has_value(); }
    bool isCodeSpectrum() const { return !isRecord() && !isCurve(); }
};
using SetContents = std::vector<SetSpectrum>;

// A set file that cannot be used. Its message names the file in double
// quotes and says what is wrong: "sites.kspect": spectrum 3 has no "tg".
class SetFileError : public KavrelError {
public:
    using KavrelError::KavrelError;
};

// The version written for a set with tabulated curves, and the newest one read.
constexpr int setFileVersion = 3;
// The version written for a set with records but no curves.
constexpr int recordSetFileVersion = 2;
// The version written for a set of code spectra alone.
constexpr int spectraOnlySetFileVersion = 1;
constexpr const char* setFileSuffix = "kspect";

// What the set holds, in its order.
SetContents setContentsOf(const SpectrumSet& set);

// The file's bytes for `contents`.
QByteArray buildSetFile(const SetContents& contents);

// Reads and checks a whole file before anything is used: JSON syntax, format
// and version, every field's type, values as the window's input boxes take
// them (finite, not negative), known code names, names non-empty, under 20
// bytes, without blanks at either end, and unique. Unknown fields are
// ignored; "visible" defaults to true and "origin" to nothing. Throws
// SetFileError naming `fileName`.
SetContents parseSetFile(const QByteArray& bytes, const QString& fileName);

// Reads the file at `path` through the bounded reader and parses it; a file
// that cannot be read (missing, a folder, no permission, not a regular file
// where only those are taken, larger than any set) is a SetFileError with
// the system's reason too.
SetContents readSetFile(const QString& path, ReadSource source = ReadSource::RegularFileOnly);

// Creates or replaces the file at `path`, leaving an existing one as it was
// on failure. Throws KavrelError as the safe writer does.
void saveSetFile(const QString& path, const SetContents& contents);

// Replaces what `set` holds by `contents`, one spectrum after the other in
// order, each with its check mark and origin, as Create would have added them.
// The contents must have passed parseSetFile (or come from a set).
void replaceSetContents(SpectrumSet& set, const SetContents& contents);
