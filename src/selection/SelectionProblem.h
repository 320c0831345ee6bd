#pragma once
#include "records/StructureModes.h"
#include <optional>
#include <vector>

// What the engineer asks of a record selection: plain values, no widgets, so
// that a window and kspect fill the same thing.

// A range of a recording's metadata. A recording whose value is unknown
// passes only when `unknownPasses` is set.
struct MetadataRange {
    double minimum = 0;
    double maximum = 0;
    bool unknownPasses = false;
    bool admits(const std::optional<double>& value) const;
};

struct SelectionFilters {
    std::optional<MetadataRange> magnitude;
    std::optional<MetadataRange> rjbKm;
    std::optional<MetadataRange> rrupKm;
    std::optional<MetadataRange> vs30;
};

// The rules the suite is held to, each with its usual default; an empty
// optional switches the rule off.
struct SelectionRules {
    double meanTolerance = 0.20;                 // mean spectrum at every main period
    std::optional<double> recordTolerance;       // each record at every main period
    std::optional<double> bandTolerance;         // each record's platform and T1-band means
    double bandBelowT1 = 0.2;                    // s
    double bandAboveT1 = 0.5;                    // s
    std::optional<double> minimumSeconds;        // effective duration, besides 5 T1
    int perEvent = 2;                            // recordings of one earthquake
};

// 1: horizontals on their own; 2: both horizontals of a recording; 3: and
// the vertical. The principal is scaled to the target, the second
// horizontal to 0.85 of it and the vertical to 0.65 (GB 50011's 1 : 0.85 : 0.65).
inline constexpr double secondHorizontalShare = 0.85;
inline constexpr double verticalShare = 0.65;

struct SelectionProblem {
    std::vector<double> mainPeriods;  // T1 first, then up to five more
    int natural = 5;
    int artificial = 2;
    int components = 1;
    // Where the target came from (as SelectionCheckInput has it) and the peak
    // every record is scaled to, in cm/s^2; nothing: the code's peak.
    int intensityIndex = -1;
    int actionIndex = -1;
    std::optional<double> peakCm;
    double maxScale = 10.0;  // factors from 1/maxScale to maxScale
    SelectionFilters filters;
    SelectionRules rules;
    std::optional<StructureModel> structure;
    // How many candidates the grid screening keeps for the exact spectra.
    int exactCandidates = 40;
};
