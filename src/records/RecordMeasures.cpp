#include "records/RecordMeasures.h"

#include <algorithm>
#include <cmath>

double peakAbsolute(const std::vector<double>& acceleration)
{
    double peak = 0;
    for (double x : acceleration)
        peak = std::max(peak, std::fabs(x));
    return peak;
}

double effectiveDuration(const std::vector<double>& acceleration, double step)
{
    const double threshold = 0.1 * peakAbsolute(acceleration);
    if (threshold == 0)
        return 0;
    const auto reaches = [threshold](double x) { return std::fabs(x) >= threshold; };
    const auto first = std::find_if(acceleration.begin(), acceleration.end(), reaches);
    const auto last = std::find_if(acceleration.rbegin(), acceleration.rend(), reaches);
    const auto firstIndex = first - acceleration.begin();
    const auto lastIndex = acceleration.rend() - last - 1;
    return static_cast<double>(lastIndex - firstIndex) * step;
}

std::vector<double> scaled(const std::vector<double>& acceleration, double factor)
{
    std::vector<double> result(acceleration.size());
    std::transform(acceleration.begin(), acceleration.end(), result.begin(),
                   [factor](double x) { return x * factor; });
    return result;
}

Integrated integrateHistory(const std::vector<double>& acceleration, double step)
{
    Integrated result;
    const std::size_t n = acceleration.size();
    result.velocity.assign(n, 0.0);
    result.displacement.assign(n, 0.0);
    for (std::size_t i = 1; i < n; ++i) {
        const double a0 = acceleration[i - 1], a1 = acceleration[i];
        const double v0 = result.velocity[i - 1];
        result.velocity[i] = v0 + step * (a0 + a1) / 2;
        // Exact for a straight-line acceleration: v0 h + (2 a0 + a1) h^2 / 6.
        result.displacement[i] = result.displacement[i - 1] + v0 * step + (2 * a0 + a1) * step * step / 6;
    }
    return result;
}
