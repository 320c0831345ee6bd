#include "records/ResponseSpectrum.h"

#include "records/RecordMeasures.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

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

bool followsTheGround(double period, double step)
{
    return !(period / 10 * maxSubSteps >= step);
}

int subStepsFor(double period, double step)
{
    const double limit = period / 10;
    if (step <= limit)
        return 1;
    if (followsTheGround(period, step))
        return maxSubSteps;
    // The fewest n with step / n <= T / 10; the small allowance keeps a step
    // that is T / 10 up to rounding from taking one more.
    return std::min(maxSubSteps, static_cast<int>(std::ceil(step / limit * (1 - 1e-12))));
}

namespace {

// Oscillators stepped side by side: independent chains of multiplications
// that the processor overlaps and the compiler puts into vector registers.
constexpr int lanes = 8;
// Below this many oscillator steps a second thread costs more than it saves.
constexpr double threadedWork = 2e6;

// Up to `lanes` periods with the same number of sub-steps.
struct PeriodBlock {
    int subSteps = 1;
    int used = 0;
    std::size_t index[lanes] = {};
    // The lanes' step coefficients; unused lanes have all 0 and stay at rest.
    double uu[lanes] = {}, uv[lanes] = {}, ua[lanes] = {}, ub[lanes] = {};
    double vu[lanes] = {}, vv[lanes] = {}, va[lanes] = {}, vb[lanes] = {};
};

// Steps every oscillator of the block through the whole record and writes
// omega^2 max|u| for each; with `where`, also the sample of that peak and u
// there. The arithmetic of each lane is, operation for operation, that of one
// oscillator alone, so the results do not depend on the grouping.
template <bool TrackPeaks>
void runBlock(const std::vector<double>& a, const std::vector<double>& periods, const PeriodBlock& block,
              std::vector<double>& result, std::vector<OscillatorPeak>* where)
{
    const double *uu = block.uu, *uv = block.uv, *ua = block.ua, *ub = block.ub;
    const double *vu = block.vu, *vv = block.vv, *va = block.va, *vb = block.vb;
    double u[lanes] = {}, v[lanes] = {}, peak[lanes] = {};
    const auto advance = [&](double a0, double a1) {
        for (int l = 0; l < lanes; ++l) {
            const double u1 = uu[l] * u[l] + uv[l] * v[l] + ua[l] * a0 + ub[l] * a1;
            v[l] = vu[l] * u[l] + vv[l] * v[l] + va[l] * a0 + vb[l] * a1;
            u[l] = u1;
            peak[l] = std::max(peak[l], std::fabs(u1));
        }
    };
    const std::size_t n = a.size();
    // With peaks asked for, u at every sample is kept and searched afterwards:
    // a search inside the loop would take the lanes out of vector registers.
    std::vector<double> history;
    if constexpr (TrackPeaks)
        history.assign(n * lanes, 0.0);
    const auto keep = [&](std::size_t sample) {
        if constexpr (TrackPeaks)
            std::copy(u, u + lanes, history.begin() + static_cast<std::ptrdiff_t>(sample * lanes));
    };
    const int subSteps = block.subSteps;
    if (subSteps == 1) {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            advance(a[i], a[i + 1]);
            keep(i + 1);
        }
    } else {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const double rise = (a[i + 1] - a[i]) / subSteps;
            for (int k = 0; k < subSteps; ++k) {
                const double a0 = a[i] + rise * k;
                const double a1 = k + 1 == subSteps ? a[i + 1] : a[i] + rise * (k + 1);
                advance(a0, a1);
            }
            keep(i + 1);
        }
    }
    for (int l = 0; l < block.used; ++l) {
        const double omega = 2 * M_PI / periods[block.index[l]];
        result[block.index[l]] = omega * omega * peak[l];
        if constexpr (TrackPeaks) {
            std::size_t at = 0;
            for (std::size_t i = 1; i < n; ++i)
                if (std::fabs(history[i * lanes + l]) > std::fabs(history[at * lanes + l]))
                    at = i;
            (*where)[block.index[l]] = OscillatorPeak{n > 0 ? history[at * lanes + l] : 0.0, at};
        }
    }
}

// The periods that do not follow the ground, in blocks of equal sub-step
// counts, with their steps.
std::vector<PeriodBlock> blocksOf(const std::vector<double>& periods, double step, double damping)
{
    std::vector<std::size_t> order;
    for (std::size_t j = 0; j < periods.size(); ++j) {
        if (!followsTheGround(periods[j], step))
            order.push_back(j);
    }
    std::vector<int> subSteps(periods.size(), 1);
    for (const std::size_t j : order)
        subSteps[j] = subStepsFor(periods[j], step);
    std::stable_sort(order.begin(), order.end(),
                     [&subSteps](std::size_t x, std::size_t y) { return subSteps[x] < subSteps[y]; });
    std::vector<PeriodBlock> blocks;
    for (const std::size_t j : order) {
        if (blocks.empty() || blocks.back().used == lanes || blocks.back().subSteps != subSteps[j]) {
            blocks.emplace_back();
            blocks.back().subSteps = subSteps[j];
        }
        PeriodBlock& block = blocks.back();
        const int l = block.used++;
        block.index[l] = j;
        const OscillatorStep c = oscillatorStep(periods[j], damping, step / block.subSteps);
        block.uu[l] = c.uu, block.uv[l] = c.uv, block.ua[l] = c.ua, block.ub[l] = c.ub;
        block.vu[l] = c.vu, block.vv[l] = c.vv, block.va[l] = c.va, block.vb[l] = c.vb;
    }
    return blocks;
}

}  // namespace

struct SpectrumOscillators::Blocks {
    std::vector<PeriodBlock> list;
};

SpectrumOscillators::SpectrumOscillators(std::vector<double> periods, double step, double damping)
    : periods_(std::move(periods)), step_(step)
{
    checkArguments(step, damping);
    for (double period : periods_)
        if (!(period >= 0) || !std::isfinite(period))
            throw std::invalid_argument("a period must be a number of at least 0");
    blocks_ = std::make_shared<const Blocks>(Blocks{blocksOf(periods_, step, damping)});
}

template <bool TrackPeaks>
std::vector<double> SpectrumOscillators::run(const std::vector<double>& acceleration,
                                             std::vector<OscillatorPeak>* where) const
{
    std::vector<double> result(periods_.size());
    const double pga = peakAbsolute(acceleration);
    for (std::size_t j = 0; j < periods_.size(); ++j) {
        if (followsTheGround(periods_[j], step_))
            result[j] = pga;
    }
    const std::vector<PeriodBlock>& blocks = blocks_->list;
    double work = 0;
    for (const PeriodBlock& block : blocks)
        work += static_cast<double>(lanes) * block.subSteps * static_cast<double>(acceleration.size());

    // Blocks are taken in turn by the threads; each writes only its own periods.
    std::atomic<std::size_t> next{0};
    const auto worker = [&]() {
        for (std::size_t b = next++; b < blocks.size(); b = next++)
            runBlock<TrackPeaks>(acceleration, periods_, blocks[b], result, where);
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned helpers = work < threadedWork || blocks.empty()
                                 ? 0u
                                 : std::min<unsigned>(cores - 1, static_cast<unsigned>(blocks.size()) - 1);
    std::vector<std::thread> threads;
    threads.reserve(helpers);
    for (unsigned t = 0; t < helpers; ++t) {
        try {
            threads.emplace_back(worker);
        } catch (const std::system_error&) {
            break;  // no thread to be had: the others do the work
        }
    }
    worker();
    for (std::thread& thread : threads)
        thread.join();
    return result;
}

std::vector<double> SpectrumOscillators::pseudoSpectralAcceleration(const std::vector<double>& acceleration) const
{
    return run<false>(acceleration, nullptr);
}

std::vector<double> SpectrumOscillators::pseudoSpectralAcceleration(const std::vector<double>& acceleration,
                                                                    std::vector<OscillatorPeak>& peaks) const
{
    peaks.assign(periods_.size(), OscillatorPeak{});
    return run<true>(acceleration, &peaks);
}

std::vector<double> pseudoSpectralAcceleration(const std::vector<double>& acceleration, double step,
                                               const std::vector<double>& periods, double damping)
{
    return SpectrumOscillators(periods, step, damping).pseudoSpectralAcceleration(acceleration);
}

std::vector<double> relativeDisplacement(const std::vector<double>& acceleration, double step, double period,
                                         double damping)
{
    checkArguments(step, damping);
    if (!(period > 0) || !std::isfinite(period))
        throw std::invalid_argument("the period must be a positive number");
    std::vector<double> u(acceleration.size(), 0.0);
    if (followsTheGround(period, step)) {
        // u = -a / omega^2: the oscillator moves with the ground.
        const double omega = 2 * M_PI / period;
        for (std::size_t i = 0; i < acceleration.size(); ++i)
            u[i] = -acceleration[i] / (omega * omega);
        return u;
    }
    const int subSteps = subStepsFor(period, step);
    const OscillatorStep c = oscillatorStep(period, damping, step / subSteps);
    double x = 0, v = 0;
    for (std::size_t i = 0; i + 1 < acceleration.size(); ++i) {
        const double rise = (acceleration[i + 1] - acceleration[i]) / subSteps;
        for (int k = 0; k < subSteps; ++k) {
            const double a0 = acceleration[i] + rise * k;
            const double a1 = k + 1 == subSteps ? acceleration[i + 1] : acceleration[i] + rise * (k + 1);
            const double x1 = c.uu * x + c.uv * v + c.ua * a0 + c.ub * a1;
            v = c.vu * x + c.vv * v + c.va * a0 + c.vb * a1;
            x = x1;
        }
        u[i + 1] = x;
    }
    return u;
}

namespace {

// Up to eight oscillators of one sub-step count, each with the weight times
// omega^2 that turns its u into its share of the sum.
struct WeightedBlock {
    int subSteps = 1;
    OscillatorStep step[8] = {};
    double omega2[8] = {};
    double weight[8] = {};
};

std::vector<WeightedBlock> weightedBlocks(const std::vector<double>& periods, const std::vector<double>& weights,
                                          double step, double damping)
{
    std::vector<std::size_t> order(periods.size());
    for (std::size_t j = 0; j < order.size(); ++j)
        order[j] = j;
    std::vector<int> subSteps(periods.size());
    for (std::size_t j = 0; j < periods.size(); ++j)
        subSteps[j] = subStepsFor(periods[j], step);
    std::stable_sort(order.begin(), order.end(),
                     [&subSteps](std::size_t x, std::size_t y) { return subSteps[x] < subSteps[y]; });
    std::vector<WeightedBlock> blocks;
    int used = 0;
    for (const std::size_t j : order) {
        if (blocks.empty() || used == 8 || blocks.back().subSteps != subSteps[j]) {
            blocks.emplace_back();
            blocks.back().subSteps = subSteps[j];
            used = 0;
        }
        WeightedBlock& block = blocks.back();
        block.step[used] = oscillatorStep(periods[j], damping, step / block.subSteps);
        // omega^2 exactly as the spectrum works it out, so that one oscillator
        // of weight 1 gives the spectrum's own figure at its peak.
        const double omega = 2 * M_PI / periods[j];
        block.omega2[used] = omega * omega;
        block.weight[used] = weights[j];
        ++used;
    }
    return blocks;
}

// Adds the block's weighted pseudo-accelerations to `sum` at every sample.
void addWeightedBlock(const std::vector<double>& a, const WeightedBlock& block, std::vector<double>& sum)
{
    double uu[8], uv[8], ua[8], ub[8], vu[8], vv[8], va[8], vb[8];
    for (int l = 0; l < 8; ++l) {
        const OscillatorStep& c = block.step[l];
        uu[l] = c.uu, uv[l] = c.uv, ua[l] = c.ua, ub[l] = c.ub;
        vu[l] = c.vu, vv[l] = c.vv, va[l] = c.va, vb[l] = c.vb;
    }
    double weight[8], omega2[8];
    for (int l = 0; l < 8; ++l)
        weight[l] = block.weight[l], omega2[l] = block.omega2[l];
    double u[8] = {}, v[8] = {};
    const int subSteps = block.subSteps;
    for (std::size_t i = 0; i + 1 < a.size(); ++i) {
        const double rise = (a[i + 1] - a[i]) / subSteps;
        for (int k = 0; k < subSteps; ++k) {
            const double a0 = subSteps == 1 ? a[i] : a[i] + rise * k;
            const double a1 = k + 1 == subSteps ? a[i + 1] : a[i] + rise * (k + 1);
            for (int l = 0; l < 8; ++l) {
                const double u1 = uu[l] * u[l] + uv[l] * v[l] + ua[l] * a0 + ub[l] * a1;
                v[l] = vu[l] * u[l] + vv[l] * v[l] + va[l] * a0 + vb[l] * a1;
                u[l] = u1;
            }
        }
        // Summed as a tree, not lane after lane: a chain of eight additions
        // would cost more than the step itself. Unused lanes add exact zeros.
        double p[8];
        for (int l = 0; l < 8; ++l)
            p[l] = weight[l] * (omega2[l] * u[l]);
        sum[i + 1] += ((p[0] + p[1]) + (p[2] + p[3])) + ((p[4] + p[5]) + (p[6] + p[7]));
    }
}

}  // namespace

std::vector<double> weightedPseudoAcceleration(const std::vector<double>& acceleration, double step,
                                               const std::vector<double>& periods,
                                               const std::vector<double>& weights, double damping)
{
    checkArguments(step, damping);
    if (weights.size() != periods.size())
        throw std::invalid_argument("give one weight per period");
    for (std::size_t j = 0; j < periods.size(); ++j) {
        if (!(periods[j] > 0) || !std::isfinite(periods[j]))
            throw std::invalid_argument("the period must be a positive number");
        if (!std::isfinite(weights[j]))
            throw std::invalid_argument("a weight must be a number");
    }
    std::vector<double> sum(acceleration.size(), 0.0);
    for (const WeightedBlock& block : weightedBlocks(periods, weights, step, damping))
        addWeightedBlock(acceleration, block, sum);
    return sum;
}
