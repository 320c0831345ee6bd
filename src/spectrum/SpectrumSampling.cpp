#include "spectrum/SpectrumSampling.h"

#include "spectrum/KavrelSpectrum.h"

namespace {
constexpr double curveStep = 0.01;
constexpr double gridStep = 0.05;
constexpr double lastPeriod = 6.0;
} // namespace

int curvePeriodCount()
{
    int n = static_cast<int>(lastPeriod / curveStep + 1.5);
    if ((n - 1) * curveStep > lastPeriod)
        --n;
    return n;
}

double curvePeriod(int i)
{
    return i * curveStep;
}

double gridPeriod(int j)
{
    return j * gridStep;
}

const std::vector<double>& curvePeriodList()
{
    static const std::vector<double> periods = [] {
        std::vector<double> list(static_cast<std::size_t>(curvePeriodCount()));
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i] = curvePeriod(static_cast<int>(i));
        return list;
    }();
    return periods;
}

const std::vector<double>& gridPeriodList()
{
    static const std::vector<double> periods = [] {
        std::vector<double> list(gridPeriodCount);
        for (std::size_t j = 0; j < list.size(); ++j)
            list[j] = gridPeriod(static_cast<int>(j));
        return list;
    }();
    return periods;
}

std::vector<SpectrumPoint> sampleCurve(const KavrelSpectrum& spectrum)
{
    const int n = curvePeriodCount();
    std::vector<SpectrumPoint> points;
    points.reserve(n);
    for (int i = 0; i < n; ++i) {
        const double t = curvePeriod(i);
        double alpha = 0;
        if (spectrum.alphaAt(t, alpha) == -1)
            break;
        points.push_back({t, alpha});
    }
    return points;
}

std::vector<double> sampleGrid(const KavrelSpectrum& spectrum)
{
    std::vector<double> values;
    values.reserve(gridPeriodCount);
    for (int j = 0; j < gridPeriodCount; ++j) {
        double alpha = 0;
        if (spectrum.alphaAt(gridPeriod(j), alpha) == -1)
            break;
        values.push_back(alpha);
    }
    return values;
}
