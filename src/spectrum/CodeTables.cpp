#include "spectrum/CodeTables.h"

#include <cassert>

namespace {

constexpr double alphaMaxTable[6][4] = {
    {0.04, 0.12, 0.28, 0.36},  // 6 (0.05 g)
    {0.08, 0.23, 0.5, 0.72},   // 7 (0.10 g)
    {0.12, 0.34, 0.72, 1.0},   // 7 (0.15 g)
    {0.16, 0.45, 0.9, 1.35},   // 8 (0.20 g)
    {0.24, 0.68, 1.2, 2.0},    // 8 (0.30 g)
    {0.32, 0.9, 1.4, 2.43},    // 9 (0.40 g)
};

constexpr double tgTable[5][3] = {
    {0.2, 0.25, 0.3},    // I0
    {0.25, 0.3, 0.35},   // I1
    {0.35, 0.4, 0.45},   // II
    {0.45, 0.55, 0.65},  // III
    {0.65, 0.75, 0.9},   // IV
};

} // namespace

double lookupAlphaMax(int intensityIndex, int seismicActionIndex)
{
    assert(intensityIndex >= 0 && intensityIndex < 6 && seismicActionIndex >= 0 && seismicActionIndex < 4);
    return alphaMaxTable[intensityIndex][seismicActionIndex];
}

double lookupTg(int siteClassIndex, int groupIndex)
{
    assert(siteClassIndex >= 0 && siteClassIndex < 5 && groupIndex >= 0 && groupIndex < 3);
    return tgTable[siteClassIndex][groupIndex];
}
