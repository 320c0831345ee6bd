#pragma once

#include "records/RecordSelectionCheck.h"

#include <optional>
#include <string>
#include <vector>

// One whole run of the record check as the check window shows it: the
// verdicts and, for its chart, every chosen record's spectrum and their mean
// at the chart's periods. Pure and self-contained (it owns copies of what it
// reads), so that it can run away from the window's thread.

struct SelectionCheckOutcome {
    std::optional<SelectionCheck> check;      // empty when the input was refused
    std::string refusal;                      // the refusal's sentence
    std::vector<double> periods;              // the chart's periods
    std::vector<std::vector<double>> curves;  // one per record, in g
    std::vector<double> mean;                 // their mean, in g
    double damping = 0.05;                    // the target's, at which the curves are
};

// Runs checkRecordSelection; on success also the curves at `periods`, at
// the target's damping. A SelectionInputError becomes the refusal.
SelectionCheckOutcome runSelectionCheck(const KavrelSpectrum& target, const SelectionCheckInput& input,
                                        const std::vector<double>& periods);
