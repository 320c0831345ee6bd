#include "records/SpectrumMatch.h"

#include "spectrum/KavrelSpectrum.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

const std::vector<double>& matchCheckPeriods()
{
    static const std::vector<double> periods = [] {
        constexpr int count = 100;
        std::vector<double> p(count);
        for (int i = 0; i < count; ++i)
            p[i] = 0.1 * std::pow(60.0, static_cast<double>(i) / (count - 1));
        // Exactly the ends, so that rounding cannot step past the curve's 6 s.
        p.front() = 0.1;
        p.back() = 6.0;
        return p;
    }();
    return periods;
}

std::vector<double> targetAlphas(const KavrelSpectrum& target, const std::vector<double>& periods)
{
    std::vector<double> alphas(periods.size());
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (!(periods[i] >= 0 && periods[i] <= 6.0))
            throw std::invalid_argument("a target period outside 0..6 s");
        target.alphaAt(periods[i], alphas[i]);
    }
    return alphas;
}

SpectrumMatch compareSpectra(const std::vector<double>& computed, const std::vector<double>& target,
                             const std::vector<double>& periods)
{
    if (computed.size() != target.size() || target.size() != periods.size() || periods.empty())
        throw std::invalid_argument("spectra of different periods");
    SpectrumMatch match;
    double sum = 0;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const double deviation = computed[i] / target[i] - 1;
        sum += deviation;
        if (std::fabs(deviation) > std::fabs(match.largestDeviation) || i == 0) {
            match.largestDeviation = deviation;
            match.largestDeviationPeriod = periods[i];
        }
    }
    match.meanDeviation = sum / static_cast<double>(periods.size());
    return match;
}
