#pragma once

#include <vector>

// Figures of an acceleration history sampled every `step` seconds, in the
// unit of its values.

// Largest absolute value (0 for no values).
double peakAbsolute(const std::vector<double>& acceleration);

// Effective duration: from the first to the last time |a| reaches 10 % of the
// peak, in seconds (0 when the history is all zeros or has one such sample).
double effectiveDuration(const std::vector<double>& acceleration, double step);

// Every value times `factor`.
std::vector<double> scaled(const std::vector<double>& acceleration, double factor);

// Velocity and displacement from a history linear between samples, starting
// at rest: exact integrals of the straight lines (trapezoids for velocity).
struct Integrated {
    std::vector<double> velocity;
    std::vector<double> displacement;
};
Integrated integrateHistory(const std::vector<double>& acceleration, double step);
