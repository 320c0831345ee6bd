#pragma once

// Label step of a value axis that has a "desired increment": the increment is
// the smallest step; with a large range it is widened (x2, x5, x10, x20, ...)
// until no more than `maxLabels` steps fit into `range`, as a chart component
// with a desired increment does.
double labelStep(double range, double desiredIncrement, int maxLabels);
