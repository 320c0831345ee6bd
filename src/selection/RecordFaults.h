#pragma once
#include "selection/SelectionProblem.h"

#include <cstdint>
#include <vector>

// The rules one record breaks on its own, as SuiteRule bits: 2 (its ratio at
// every main period within its tolerance), 3 (its platform and T1-band mean
// ratios within the band tolerance) and 4 (its effective duration at least
// 5 T1 and the seconds asked for). A figure on a boundary passes.
std::uint32_t recordFaults(const std::vector<double>& mainRatio, double platformRatio, double bandRatio,
                           double effectiveDuration, double t1, const SelectionRules& rules);
