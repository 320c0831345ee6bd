#include "library/ComponentMeasures.h"

#include "library/SpectrumGrid.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double standardGravity = 9.80665;  // m/s^2 in one g
constexpr double centimetresPerMetre = 100;

// The running integral of a^2 dt at every sample, exact for straight lines:
// h (a0^2 + a0 a1 + a1^2) / 3 over each step.
std::vector<double> cumulativeSquare(const std::vector<double>& a, double step)
{
    std::vector<double> sum(a.size(), 0.0);
    for (std::size_t i = 1; i < a.size(); ++i)
        sum[i] = sum[i - 1] + step * (a[i - 1] * a[i - 1] + a[i - 1] * a[i] + a[i] * a[i]) / 3;
    return sum;
}

// The time at which the rising `sum` reaches `level`, linear within the step.
double timeOfLevel(const std::vector<double>& sum, double level, double step)
{
    const auto after = std::lower_bound(sum.begin(), sum.end(), level);
    if (after == sum.begin())
        return 0;
    const std::size_t i = static_cast<std::size_t>(after - sum.begin());
    const double rise = sum[i] - sum[i - 1];
    const double share = rise > 0 ? (level - sum[i - 1]) / rise : 0;
    return (static_cast<double>(i - 1) + share) * step;
}

} // namespace

double ariasIntensity(const std::vector<double>& accelerationG, double step)
{
    if (accelerationG.size() < 2)
        return 0;
    const double integralG2 = cumulativeSquare(accelerationG, step).back();
    // a in m/s^2 is a_g g, so pi / (2 g) * g^2 * integral.
    return M_PI * standardGravity / 2 * integralG2;
}

double significantDuration(const std::vector<double>& accelerationG, double step)
{
    const std::vector<double> sum = cumulativeSquare(accelerationG, step);
    if (sum.empty() || !(sum.back() > 0))
        return 0;
    const double total = sum.back();
    return timeOfLevel(sum, 0.95 * total, step) - timeOfLevel(sum, 0.05 * total, step);
}

ComponentMeasures measureComponent(const GroundMotionRecord& record)
{
    const std::vector<double>& a = record.accelerationG;
    ComponentMeasures m;
    m.points = record.count();
    m.step = record.step;
    m.duration = record.duration();
    m.pgaG = peakAbsolute(a);
    const Integrated motion = integrateHistory(a, record.step);
    const double cmPerG = standardGravity * centimetresPerMetre;
    m.pgvCmPerS = peakAbsolute(motion.velocity) * cmPerG;
    m.pgdCm = peakAbsolute(motion.displacement) * cmPerG;
    m.effectiveDuration = effectiveDuration(a, record.step);
    m.d5_95 = significantDuration(a, record.step);
    m.ariasMetresPerSecond = ariasIntensity(a, record.step);
    m.spectrum = librarySpectrum(record, libraryDamping);
    return m;
}

std::vector<double> librarySpectrum(const GroundMotionRecord& record, double damping)
{
    return pseudoSpectralAcceleration(record.accelerationG, record.step, libraryPeriods(), damping);
}
