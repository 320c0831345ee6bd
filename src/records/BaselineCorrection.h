#pragma once

#include <vector>

// Brings an acceleration history (linear between samples, starting at rest)
// to rest at its end: subtracts shape(t) x (b0 + b1 t), with b0 and b1 chosen
// so that the velocity and the displacement of integrateHistory are zero at
// the last sample. A shape that follows the record's intensity keeps the
// correction where the record is strong and the start undisturbed; a linear
// trend of that shape is the gentlest correction that meets both ends, so the
// long periods lose the least. `shape` has one value per sample and must not
// make the two conditions dependent (any shape that is not zero almost
// everywhere will do); otherwise std::invalid_argument.
void bringToRestAtEnd(std::vector<double>& acceleration, double step, const std::vector<double>& shape);
