#pragma once

#include <vector>

class KavrelSpectrum;

// How closely a record's response spectrum follows a code spectrum: the
// yardstick of the artificial records.

// The 100 periods from 0.1 s to 6 s, evenly spaced on a log scale, at which a
// match is judged.
const std::vector<double>& matchCheckPeriods();

// The target's alpha at each period (0..6 s), in g.
std::vector<double> targetAlphas(const KavrelSpectrum& target, const std::vector<double>& periods);

// The deviations of computed / target - 1 over the periods: the largest in
// size (with its sign and period) and that of the mean ratio.
struct SpectrumMatch {
    double largestDeviation = 0;
    double largestDeviationPeriod = 0;
    double meanDeviation = 0;
};
SpectrumMatch compareSpectra(const std::vector<double>& computed, const std::vector<double>& target,
                             const std::vector<double>& periods);
