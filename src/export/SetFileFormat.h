#pragma once

#include "common/KavrelError.h"
#include "spectrum/DesignCode.h"

#include <QString>

#include <cstdint>
#include <string>

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
//
// Version 4 adds, beside "spectra", the check window's inputs kept with the
// set: "check": {"mainPeriods" (as typed), "baseShears": [[record name or ""
// for V0, value as typed]], "ticks": [[record name, ticked]], "inelastic":
// true, "structure": {"weight" (kN), "combination": "cqc" or "srss",
// "modes": [[period s, mass ratio]]}}, each key only when it holds
// something. A set without them is written as the version its items need.

// A set file that cannot be used. Its message names the file in double
// quotes and says what is wrong: "sites.kspect": spectrum 3 has no "tg".
class SetFileError : public KavrelError {
public:
    using KavrelError::KavrelError;
};

// The version written for a set with the check window's inputs, and the
// newest one read.
constexpr int setFileVersion = 4;
// The version written for a set with tabulated curves.
constexpr int curveSetFileVersion = 3;
// The version written for a set with records but no curves.
constexpr int recordSetFileVersion = 2;
// The version written for a set of code spectra alone.
constexpr int spectraOnlySetFileVersion = 1;
constexpr const char* setFileSuffix = "kspect";
// The value of "format".
inline const QString setFileFormatTag = QStringLiteral("kavrel-spect-set");

// A code type's "code" in a set file ("GB 50011-2010"), empty for a type no
// code has.
inline std::string setFileCodeName(std::int32_t codeType)
{
    const std::optional<DesignCode> code = designCodeOf(codeType);
    return code ? designCodeName(*code) : "";
}
