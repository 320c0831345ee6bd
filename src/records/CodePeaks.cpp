#include "records/CodePeaks.h"

#include <cmath>

std::optional<double> codeTablePeak(int codeType, int intensityIndex, int actionIndex)
{
    static const double frequent[6] = {18, 35, 55, 70, 110, 140};
    static const double rare[6] = {125, 220, 310, 400, 510, 620};
    if (codeType != 0 && codeType != 1)
        return std::nullopt;
    if (intensityIndex < 0 || intensityIndex > 5)
        return std::nullopt;
    // The 2001 edition's table starts at intensity 7.
    if (codeType == 1 && intensityIndex == 0)
        return std::nullopt;
    if (actionIndex == 0)
        return frequent[intensityIndex];
    if (actionIndex == 2)
        return rare[intensityIndex];
    return std::nullopt;
}

double designCurvePeak(double alphaMax)
{
    return std::round(0.45 * alphaMax * standardGravityCm);
}

double defaultTargetPeak(int codeType, int intensityIndex, int actionIndex, double alphaMax)
{
    if (const auto peak = codeTablePeak(codeType, intensityIndex, actionIndex))
        return *peak;
    return designCurvePeak(alphaMax);
}
