#pragma once

#include "records/GroundMotionRecord.h"

#include <cstddef>
#include <vector>

// What a library keeps of each component, computed once from its samples in g.
struct ComponentMeasures {
    std::size_t points = 0;
    double step = 0;             // s
    double duration = 0;         // s, first to last sample
    double pgaG = 0;
    double pgvCmPerS = 0;
    double pgdCm = 0;
    double effectiveDuration = 0;  // s, the 10 % rule of the record's own figures
    double d5_95 = 0;              // s, between 5 % and 95 % of the Arias intensity
    double ariasMetresPerSecond = 0;
    std::vector<double> spectrum;  // pseudo-acceleration in g at libraryPeriods(), 5 % damped
};

// Arias intensity, pi / (2 g) times the integral of a^2 dt, in m/s, of a
// history in g linear between its samples (the integral is exact for the
// straight lines).
double ariasIntensity(const std::vector<double>& accelerationG, double step);

// Significant duration: the time between 5 % and 95 % of the cumulative Arias
// intensity, the cumulative taken linear within each step; 0 for a history
// that never moves.
double significantDuration(const std::vector<double>& accelerationG, double step);

// Every measure, the spectrum through the program's one engine.
ComponentMeasures measureComponent(const GroundMotionRecord& record);

// The spectrum at libraryPeriods() at another damping (in [0, 1)).
std::vector<double> librarySpectrum(const GroundMotionRecord& record, double damping);
