#pragma once

#include <vector>

class KavrelSpectrum;

// The periods at which spectra are drawn, tabulated and exported. Each period
// is a product i x step, never a running sum, so 6.0 s is hit exactly.

struct SpectrumPoint {
    double period;
    double alpha;
};

// Curve and data-file periods: T = i x 0.01 s for i = 0 .. 600.
int curvePeriodCount();
double curvePeriod(int i);

// Grid periods: T = j x 0.05 s for j = 0 .. 120.
constexpr int gridPeriodCount = 121;
double gridPeriod(int j);

// The same periods as lists, made once: what the chart and the grid ask
// every item of the set for.
const std::vector<double>& curvePeriodList();
const std::vector<double>& gridPeriodList();

// The curve's points, in order; sampling stops at the first refused period.
std::vector<SpectrumPoint> sampleCurve(const KavrelSpectrum& spectrum);

// alpha at the grid periods; stops at the first refused period.
std::vector<double> sampleGrid(const KavrelSpectrum& spectrum);
