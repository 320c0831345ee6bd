#pragma once
#include <vector>

// A spectrum at libraryPeriods() read at other periods, linear between the
// grid's periods on a log-log scale (the grid's first period below 0.01 s,
// its last above 10 s).
std::vector<double> gridSpectrumAt(const std::vector<double>& gridSpectrum, const std::vector<double>& periods);
