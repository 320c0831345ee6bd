#include "records/SelectionCheckRun.h"

#include "records/ResponseSpectrum.h"
#include "spectrum/KavrelSpectrum.h"

SelectionCheckOutcome runSelectionCheck(const KavrelSpectrum& target, const SelectionCheckInput& input,
                                        const std::vector<double>& periods)
{
    SelectionCheckOutcome outcome;
    outcome.periods = periods;
    outcome.damping = target.dampingRatio;
    try {
        outcome.check = checkRecordSelection(target, input);
    } catch (const SelectionInputError& refused) {
        outcome.refusal = refused.what();
        return outcome;
    }
    // Each record's spectrum is drawn too, so the mean is their average
    // rather than a second pass over the records (meanRecordSpectrum's sum).
    outcome.mean.assign(periods.size(), 0.0);
    const double share = 1.0 / static_cast<double>(input.records.size());
    for (const CheckedRecord& record : input.records) {
        outcome.curves.push_back(
            pseudoSpectralAcceleration(record.acceleration, record.step, periods, target.dampingRatio));
        for (std::size_t k = 0; k < periods.size(); ++k)
            outcome.mean[k] += outcome.curves.back()[k] * share;
    }
    return outcome;
}
