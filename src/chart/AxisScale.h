#pragma once

// Label step of a value axis that has a "desired increment": the smallest
// step of 1, 2, 2.5 or 5 times a power of ten that is no finer than the
// increment and leaves no more than `maxLabels` steps in `range`, so that
// labels fall on round numbers (0.1, 0.125, 0.15; never 0.1125). With no
// range to fit, the first such step.
double labelStep(double range, double desiredIncrement, int maxLabels);
