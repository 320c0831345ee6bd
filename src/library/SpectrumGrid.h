#pragma once

#include <vector>

// The periods every component of a library has its spectrum at: T = 0 (the
// peak acceleration) and 201 periods from 0.01 s to 10 s evenly spaced on a
// log scale (200 steps, about 66.7 a decade), so that a selection compares
// records at the same periods without computing again.
inline constexpr int libraryGridSteps = 200;
inline constexpr double libraryGridShortest = 0.01;
inline constexpr double libraryGridLongest = 10.0;
// The damping the index computes for every component.
inline constexpr double libraryDamping = 0.05;

// The grid: 202 periods, 0 first, then 0.01 ... 10 (both ends exact).
const std::vector<double>& libraryPeriods();
