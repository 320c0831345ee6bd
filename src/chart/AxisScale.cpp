#include "chart/AxisScale.h"

#include <cmath>

double labelStep(double range, double desiredIncrement, int maxLabels)
{
    if (!(desiredIncrement > 0) || !std::isfinite(range) || range <= 0)
        return desiredIncrement;
    if (maxLabels < 1)
        maxLabels = 1;
    static constexpr double factors[] = {1.0, 2.0, 5.0};
    double decade = desiredIncrement;
    // Bounded: a finite range is covered after a few hundred decades at most.
    for (int i = 0; i < 700; ++i) {
        for (double f : factors) {
            const double step = decade * f;
            if (range / step <= maxLabels)
                return step;
        }
        decade *= 10.0;
    }
    return decade;
}
