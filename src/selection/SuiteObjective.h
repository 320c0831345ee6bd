#pragma once
#include <vector>

class KavrelSpectrum;

// The periods a suite is judged at: the platform [0.1 s, Tg] and the T1 band
// [T1 - below, T1 + above] every 0.01 s (a period shared by both once), with
// the main periods added; ascending, within (0, 6] s.
struct ObjectivePeriods {
    std::vector<double> periods;
    std::vector<int> mainIndex;      // where each main period lies in `periods`
    std::vector<int> platformIndex;  // the platform's periods
    std::vector<int> bandIndex;      // the T1 band's periods
};
ObjectivePeriods objectivePeriods(double tg, const std::vector<double>& mainPeriods, double below, double above);

// How far a mean spectrum is from the target: the root mean square of
// ln(mean / alpha) over the periods, from the ratios mean / alpha.
double objectiveOf(const std::vector<double>& meanRatio);

// The mean of the ratios at the given indices.
double meanAt(const std::vector<double>& ratio, const std::vector<int>& indices);

// alpha of the target at each period (the periods within 0..6 s).
std::vector<double> targetAlpha(const KavrelSpectrum& target, const std::vector<double>& periods);
