#include "selection/SuiteObjective.h"

#include "spectrum/KavrelSpectrum.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr double periodStep = 0.01;
constexpr double platformStart = 0.1;
constexpr double longestPeriod = 6.0;

// Periods on the 0.01 s steps keyed by their step count, so that one period
// of both ranges is counted once.
void addSteps(std::map<long, double>& steps, double from, double to)
{
    const long first = std::max(1L, static_cast<long>(std::ceil(from / periodStep - 1e-9)));
    const long last = static_cast<long>(std::floor(std::min(to, longestPeriod) / periodStep + 1e-9));
    for (long k = first; k <= last; ++k)
        steps.emplace(k * 1000, static_cast<double>(k) * periodStep);
}

std::vector<int> indicesWithin(const std::vector<double>& periods, double from, double to)
{
    std::vector<int> indices;
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (periods[i] >= from - 1e-9 && periods[i] <= to + 1e-9)
            indices.push_back(static_cast<int>(i));
    return indices;
}

}  // namespace

ObjectivePeriods objectivePeriods(double tg, const std::vector<double>& mainPeriods, double below, double above)
{
    std::map<long, double> keyed;  // in thousandths of a step, so that main periods between steps fit in
    const double t1 = mainPeriods.empty() ? 0.0 : mainPeriods.front();
    addSteps(keyed, platformStart, tg);
    addSteps(keyed, t1 - below, t1 + above);
    for (const double period : mainPeriods)
        keyed.emplace(std::lround(period / periodStep * 1000), period);
    ObjectivePeriods result;
    for (const auto& [key, period] : keyed)
        result.periods.push_back(period);
    for (const double period : mainPeriods)
        result.mainIndex.push_back(static_cast<int>(
            std::distance(keyed.begin(), keyed.find(std::lround(period / periodStep * 1000)))));
    result.platformIndex = indicesWithin(result.periods, platformStart, tg);
    result.bandIndex = indicesWithin(result.periods, t1 - below, t1 + above);
    return result;
}

double objectiveOf(const std::vector<double>& meanRatio)
{
    if (meanRatio.empty())
        return 0.0;
    double sum = 0.0;
    for (const double ratio : meanRatio) {
        const double deviation = std::log(std::max(ratio, 1e-300));
        sum += deviation * deviation;
    }
    return std::sqrt(sum / static_cast<double>(meanRatio.size()));
}

double meanAt(const std::vector<double>& ratio, const std::vector<int>& indices)
{
    if (indices.empty())
        return 1.0;
    double sum = 0.0;
    for (const int i : indices)
        sum += ratio[static_cast<std::size_t>(i)];
    return sum / static_cast<double>(indices.size());
}

std::vector<double> targetAlpha(const KavrelSpectrum& target, const std::vector<double>& periods)
{
    std::vector<double> alpha;
    alpha.reserve(periods.size());
    for (const double period : periods) {
        double value = 0.0;
        target.alphaAt(std::min(period, longestPeriod), value);
        alpha.push_back(value);
    }
    return alpha;
}
