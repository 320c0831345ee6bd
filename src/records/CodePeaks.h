#pragma once

#include <optional>

// Peak ground accelerations of time-history analysis, Table 5.1.2-2 of
// GB 50011 (both editions), in cm/s^2, and the target peak a record is scaled
// to by default.

// The table's peak for a code type (0 GB 50011-2010, 1 GB 50011-2001,
// 2 GB/T 51408-2021), an intensity index (0..5: 6, 7, 7 (0.15 g), 8,
// 8 (0.30 g), 9) and an action index (0..3: frequent, design-basis, rare, very
// rare); nothing where the table has no value (design-basis and very rare
// actions, GB/T 51408, the 2001 edition at intensity 6).
std::optional<double> codeTablePeak(int codeType, int intensityIndex, int actionIndex);

// The design curve's own value at T = 0, 0.45 AlphaMax g, in cm/s^2 rounded to
// 1 cm/s^2.
double designCurvePeak(double alphaMax);

// The table's peak where it has one, else the design curve's.
double defaultTargetPeak(int codeType, int intensityIndex, int actionIndex, double alphaMax);

// Standard gravity in cm/s^2: the g of every unit conversion of records.
constexpr double standardGravityCm = 980.665;
