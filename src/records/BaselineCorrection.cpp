#include "records/BaselineCorrection.h"

#include "records/RecordMeasures.h"

#include <cmath>
#include <stdexcept>

namespace {

struct EndState {
    double velocity, displacement;
};

EndState endState(const std::vector<double>& acceleration, double step)
{
    const Integrated integrated = integrateHistory(acceleration, step);
    return {integrated.velocity.back(), integrated.displacement.back()};
}

}  // namespace

void bringToRestAtEnd(std::vector<double>& acceleration, double step, const std::vector<double>& shape)
{
    const std::size_t n = acceleration.size();
    if (shape.size() != n || n < 3)
        throw std::invalid_argument("the correction's shape must have one value per sample");
    std::vector<double> trend(n);
    for (std::size_t i = 0; i < n; ++i)
        trend[i] = shape[i] * static_cast<double>(i) * step;
    // The end state is linear in the accelerations: solve for the two terms.
    const EndState record = endState(acceleration, step);
    const EndState constant = endState(shape, step);
    const EndState linear = endState(trend, step);
    const double det = constant.velocity * linear.displacement - linear.velocity * constant.displacement;
    const double scale = std::fabs(constant.velocity * linear.displacement) + std::fabs(linear.velocity * constant.displacement);
    if (!(std::fabs(det) > 1e-12 * scale))
        throw std::invalid_argument("the correction's shape cannot meet both ends");
    const double b0 = (record.velocity * linear.displacement - linear.velocity * record.displacement) / det;
    const double b1 = (constant.velocity * record.displacement - record.velocity * constant.displacement) / det;
    for (std::size_t i = 0; i < n; ++i)
        acceleration[i] -= b0 * shape[i] + b1 * trend[i];
}
