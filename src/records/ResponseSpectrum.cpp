#include "records/ResponseSpectrum.h"

#include "records/RecordMeasures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace {

using Matrix = std::array<std::array<long double, 4>, 4>;

Matrix multiply(const Matrix& a, const Matrix& b)
{
    Matrix c{};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            for (int j = 0; j < 4; ++j)
                c[i][j] += a[i][k] * b[k][j];
    return c;
}

// exp(m) by scaling and squaring of a Taylor series. Used once per period, so
// robustness beats speed: it has none of the cancellation that the textbook
// closed forms suffer when omega x step is small (long periods, short steps).
Matrix exponential(Matrix m)
{
    long double norm = 0;
    for (const auto& row : m) {
        long double sum = 0;
        for (long double x : row)
            sum += std::fabs(x);
        norm = std::max(norm, sum);
    }
    int squarings = 0;
    while (norm > 0.25L) {
        norm /= 2;
        ++squarings;
    }
    const long double scale = std::ldexp(1.0L, -squarings);
    for (auto& row : m)
        for (long double& x : row)
            x *= scale;

    Matrix result{};
    Matrix term{};
    for (int i = 0; i < 4; ++i)
        result[i][i] = term[i][i] = 1;
    for (int n = 1; n <= 24; ++n) {
        term = multiply(term, m);
        for (auto& row : term)
            for (long double& x : row)
                x /= n;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                result[i][j] += term[i][j];
    }
    for (int s = 0; s < squarings; ++s)
        result = multiply(result, result);
    return result;
}

void checkArguments(double step, double damping)
{
    if (!(step > 0) || !std::isfinite(step))
        throw std::invalid_argument("the step must be a positive number");
    if (!(damping >= 0 && damping < 1))
        throw std::invalid_argument("the damping ratio must be at least 0 and below 1");
}

}  // namespace

OscillatorStep oscillatorStep(double period, double damping, double step)
{
    checkArguments(step, damping);
    if (!(period > 0) || !std::isfinite(period))
        throw std::invalid_argument("the period must be a positive number");
    // State (u, v, a, s), s = a1 - a0 the rise over the step, times scaled by
    // the step: u' = v, v' = -omega^2 u - 2 zeta omega v - a, a' = s / h, s' = 0.
    const long double omega = 2 * 3.14159265358979323846264338327950288L / period;
    const long double h = step;
    Matrix m{};
    m[0][1] = h;
    m[1][0] = -omega * omega * h;
    m[1][1] = -2 * static_cast<long double>(damping) * omega * h;
    m[1][2] = -h;
    m[2][3] = 1;  // s is carried as the rise over the whole step, a1 - a0
    const Matrix e = exponential(m);
    // u1 = e00 u0 + e01 v0 + e02 a0 + e03 (a1 - a0), likewise v1.
    OscillatorStep c;
    c.uu = static_cast<double>(e[0][0]);
    c.uv = static_cast<double>(e[0][1]);
    c.ua = static_cast<double>(e[0][2] - e[0][3]);
    c.ub = static_cast<double>(e[0][3]);
    c.vu = static_cast<double>(e[1][0]);
    c.vv = static_cast<double>(e[1][1]);
    c.va = static_cast<double>(e[1][2] - e[1][3]);
    c.vb = static_cast<double>(e[1][3]);
    return c;
}

int subStepsFor(double period, double step)
{
    const double limit = period / 10;
    if (step <= limit)
        return 1;
    // The fewest n with step / n <= T / 10; the small allowance keeps a step
    // that is T / 10 up to rounding from taking one more.
    return static_cast<int>(std::ceil(step / limit * (1 - 1e-12)));
}

namespace {

// Steps the oscillator through the record from rest and hands `visit` the
// displacement after every (sub-)step with the sample that step ends in.
template <typename Visit>
void integrateOscillator(const std::vector<double>& a, double step, double period, double damping, Visit&& visit)
{
    const int subSteps = subStepsFor(period, step);
    const OscillatorStep c = oscillatorStep(period, damping, step / subSteps);
    double u = 0, v = 0;
    const std::size_t n = a.size();
    if (subSteps == 1) {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const double u1 = c.uu * u + c.uv * v + c.ua * a[i] + c.ub * a[i + 1];
            v = c.vu * u + c.vv * v + c.va * a[i] + c.vb * a[i + 1];
            u = u1;
            visit(u, i + 1);
        }
    } else {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const double rise = (a[i + 1] - a[i]) / subSteps;
            for (int k = 0; k < subSteps; ++k) {
                const double a0 = a[i] + rise * k;
                const double a1 = k + 1 == subSteps ? a[i + 1] : a[i] + rise * (k + 1);
                const double u1 = c.uu * u + c.uv * v + c.ua * a0 + c.ub * a1;
                v = c.vu * u + c.vv * v + c.va * a0 + c.vb * a1;
                u = u1;
                visit(u, i + 1);
            }
        }
    }
}

double pseudoAccelerationAt(const std::vector<double>& a, double step, double period, double damping)
{
    double peak = 0;
    integrateOscillator(a, step, period, damping, [&peak](double u, std::size_t) { peak = std::max(peak, std::fabs(u)); });
    const double omega = 2 * M_PI / period;
    return omega * omega * peak;
}

}  // namespace

std::vector<double> pseudoSpectralAcceleration(const std::vector<double>& acceleration, double step,
                                               const std::vector<double>& periods, double damping)
{
    checkArguments(step, damping);
    for (double period : periods)
        if (!(period >= 0) || !std::isfinite(period))
            throw std::invalid_argument("a period must be a number of at least 0");
    std::vector<double> result(periods.size());
    const double pga = peakAbsolute(acceleration);
    for (std::size_t j = 0; j < periods.size(); ++j)
        result[j] = periods[j] == 0 ? pga : pseudoAccelerationAt(acceleration, step, periods[j], damping);
    return result;
}

std::vector<double> relativeDisplacement(const std::vector<double>& acceleration, double step, double period,
                                         double damping)
{
    checkArguments(step, damping);
    if (!(period > 0) || !std::isfinite(period))
        throw std::invalid_argument("the period must be a positive number");
    std::vector<double> u(acceleration.size(), 0.0);
    integrateOscillator(acceleration, step, period, damping, [&u](double x, std::size_t i) { u[i] = x; });
    return u;
}
