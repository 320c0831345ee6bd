#include "chart/AxisScale.h"

#include <cmath>
#include <limits>

double labelStep(double range, double desiredIncrement, int maxLabels)
{
    if (!(desiredIncrement > 0) || !std::isfinite(desiredIncrement))
        return desiredIncrement;
    if (maxLabels < 1)
        maxLabels = 1;
    const bool fitsAny = std::isfinite(range) && range > 0;
    static constexpr double factors[] = {1.0, 2.0, 2.5, 5.0};
    // A step a rounding error below the increment is the increment itself.
    const double smallest = desiredIncrement * (1 - 1e-9);
    double largest = desiredIncrement;
    for (int exponent = static_cast<int>(std::floor(std::log10(desiredIncrement)));
         exponent <= std::numeric_limits<double>::max_exponent10; ++exponent) {
        for (double f : factors) {
            // Negative powers as a division, so that 2.5 x 10^-3 is 0.0025 to the last bit.
            const double step = exponent < 0 ? f / std::pow(10.0, -exponent) : f * std::pow(10.0, exponent);
            if (step < smallest || !std::isfinite(step))
                continue;
            largest = step;
            if (!fitsAny || range / step <= maxLabels)
                return step;
        }
    }
    return largest;
}
