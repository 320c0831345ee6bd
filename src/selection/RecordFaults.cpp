#include "selection/RecordFaults.h"

#include "records/RecordSelectionCheck.h"
#include "selection/SuiteSearch.h"

#include <algorithm>
#include <cmath>

namespace {

// The check's own allowance, so that an exact tolerance never fails by rounding.
bool beyond(double ratio, double tolerance) { return std::abs(ratio - 1.0) > tolerance * (1.0 + 1e-9); }

}  // namespace

std::uint32_t recordFaults(const std::vector<double>& mainRatio, double platformRatio, double bandRatio,
                           double effectiveDuration, double t1, const SelectionRules& rules)
{
    std::uint32_t faults = 0;
    if (rules.recordTolerance && std::any_of(mainRatio.begin(), mainRatio.end(),
                                             [&](double r) { return beyond(r, *rules.recordTolerance); }))
        faults |= RecordSpectrumRule;
    if (rules.bandTolerance && (beyond(platformRatio, *rules.bandTolerance) || beyond(bandRatio, *rules.bandTolerance)))
        faults |= BandRule;
    const double shortest = std::max(selectionLimits::durationMinimum * t1, rules.minimumSeconds.value_or(0.0));
    if (effectiveDuration < shortest * (1.0 - 1e-9))
        faults |= DurationRule;
    return faults;
}
