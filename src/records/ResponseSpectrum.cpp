#include "records/ResponseSpectrum.h"

#include "records/RecordMeasures.h"
#include "text/RecordRules.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace {

// The exact step of one oscillator, worked out in long double from series
// that have none of the cancellation the textbook closed forms suffer when
// omega x step is small (long periods, short steps).
//
// In the state (p, q) = (omega^2 u, omega v), with time counted in steps, the
// oscillator is
//     (p, q)' = A (p, q) + b a(t),   A = theta [[0, 1], [-1, -2 zeta]],
//     b = (0, -theta),   theta = omega h,
// every entry of one size whatever the period and step, so that the series
// converge at once and need few halvings. With the ground linear over a step
// of length d, a(t) = a0 + (a1 - a0) t / d, one step is
//     (p, q)(d) = E (p, q)(0) + f a0 + g (a1 - a0),
//     E = exp(A d),  f = sum (A d)^k (b d) / (k+1)!,  g = sum (A d)^k (b d) / (k+2)!.
struct ScaledStep {
    long double e[2][2];
    long double f[2];
    long double g[2];
};

ScaledStep scaledStep(long double theta, long double zeta)
{
    // Halve the step until |A d| <= 1/4, then double it back: two steps of d,
    // the second starting where the first ended, are one step of 2 d.
    const long double norm = theta * (1 + 2 * zeta);
    int halvings = 0;
    long double d = 1;
    while (norm * d > 0.25L) {
        d /= 2;
        ++halvings;
    }
    const long double t = theta * d;   // A d = t [[0, 1], [-1, -2 zeta]]
    const long double beta = -theta * d;  // b d = (0, beta)
    // The series term by term, P = (A d)^k / k!; b d picks P's second column.
    long double p[2][2] = {{1, 0}, {0, 1}};
    ScaledStep s = {{{1, 0}, {0, 1}}, {0, beta}, {0, beta / 2}};
    for (int k = 1; k <= 30; ++k) {
        long double next[2][2];
        for (int i = 0; i < 2; ++i) {
            next[i][0] = -t * p[i][1] / k;
            next[i][1] = (t * p[i][0] - 2 * zeta * t * p[i][1]) / k;
        }
        long double size = 0;
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 2; ++j) {
                p[i][j] = next[i][j];
                s.e[i][j] += p[i][j];
                size = std::max(size, std::fabs(p[i][j]));
            }
            s.f[i] += beta * p[i][1] / (k + 1);
            s.g[i] += beta * p[i][1] / ((k + 1) * (k + 2));
        }
        // Every entry is at least of the order of |A d| (or of 1), and the
        // terms left fall faster than |A d| / k: the rest is below what a
        // long double holds.
        if (size <= 1e-22L * std::max(norm * d, 1e-300L))
            break;
    }
    for (int h = 0; h < halvings; ++h) {
        ScaledStep twice;
        for (int i = 0; i < 2; ++i) {
            const long double ef = s.e[i][0] * s.f[0] + s.e[i][1] * s.f[1];
            const long double eg = s.e[i][0] * s.g[0] + s.e[i][1] * s.g[1];
            twice.f[i] = ef + s.f[i];
            // The second half starts half the rise higher.
            twice.g[i] = (eg + s.f[i] + s.g[i]) / 2;
            for (int j = 0; j < 2; ++j)
                twice.e[i][j] = s.e[i][0] * s.e[0][j] + s.e[i][1] * s.e[1][j];
        }
        s = twice;
    }
    return s;
}

void checkArguments(double step, double damping)
{
    if (!(step > 0) || !std::isfinite(step))
        throw std::invalid_argument("the step must be a positive number");
    if (!isOscillatorDamping(damping))
        throw std::invalid_argument(dampingRangeRefusal().toStdString());
}

}  // namespace

OscillatorStep oscillatorStep(double period, double damping, double step)
{
    checkArguments(step, damping);
    if (!(period > 0) || !std::isfinite(period))
        throw std::invalid_argument("the period must be a positive number");
    const long double omega = 2 * 3.14159265358979323846264338327950288L / period;
    const ScaledStep s = scaledStep(omega * step, damping);
    // Back from (p, q) = (omega^2 u, omega v):
    //   u1 = e00 u + e01 v / omega + (f0 a0 + g0 (a1 - a0)) / omega^2,
    //   v1 = e10 omega u + e11 v + (f1 a0 + g1 (a1 - a0)) / omega.
    OscillatorStep c;
    c.uu = static_cast<double>(s.e[0][0]);
    c.uv = static_cast<double>(s.e[0][1] / omega);
    c.ua = static_cast<double>((s.f[0] - s.g[0]) / (omega * omega));
    c.ub = static_cast<double>(s.g[0] / (omega * omega));
    c.vu = static_cast<double>(s.e[1][0] * omega);
    c.vv = static_cast<double>(s.e[1][1]);
    c.va = static_cast<double>((s.f[1] - s.g[1]) / omega);
    c.vb = static_cast<double>(s.g[1] / omega);
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

// Below this many oscillator steps a second thread costs more than it saves.
constexpr double threadedWork = 2e6;

// Periods with the same number of sub-steps, as many as the kernel steps at
// once: a thread's unit of work.
struct PeriodBlock {
    int subSteps = 1;
    std::vector<std::size_t> index;
    std::vector<OscillatorStep> steps;
};

// Steps every oscillator of the block through the whole record and writes
// omega^2 max|u| for each; with `where`, also the sample of that peak and u
// there.
void runBlock(const std::vector<double>& a, const std::vector<double>& periods, const PeriodBlock& block,
              std::vector<double>& result, std::vector<OscillatorPeak>* where)
{
    const std::size_t count = block.index.size();
    const std::size_t n = a.size();
    std::vector<double> peaks(count);
    // With peaks asked for, u at every sample is kept and searched afterwards:
    // a search inside the loop would take the lanes out of vector registers.
    std::vector<double> history(where ? n * count : 0);
    runOscillators({a.data(), n, block.subSteps, block.steps.data(), count, peaks.data(),
                    where ? history.data() : nullptr});
    for (std::size_t l = 0; l < count; ++l) {
        const double omega = 2 * M_PI / periods[block.index[l]];
        result[block.index[l]] = omega * omega * peaks[l];
    }
    if (where && n > 0) {
        // Sample by sample, in the order the history is kept: the first
        // sample of the largest |u| of each oscillator.
        std::vector<std::size_t> at(count, 0);
        std::vector<double> largest(count, 0.0);
        for (std::size_t i = 1; i < n; ++i) {
            const double* row = history.data() + i * count;
            for (std::size_t l = 0; l < count; ++l) {
                if (std::fabs(row[l]) > largest[l]) {
                    largest[l] = std::fabs(row[l]);
                    at[l] = i;
                }
            }
        }
        for (std::size_t l = 0; l < count; ++l)
            (*where)[block.index[l]] = OscillatorPeak{history[at[l] * count + l], at[l]};
    }
}

// The periods that do not follow the ground, in blocks of equal sub-step
// counts, with their steps; the most sub-steps first, so that the longest
// blocks are started first when threads share them.
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
                     [&subSteps](std::size_t x, std::size_t y) { return subSteps[x] > subSteps[y]; });
    const std::size_t width = kernelWidth();
    std::vector<PeriodBlock> blocks;
    for (const std::size_t j : order) {
        if (blocks.empty() || blocks.back().index.size() == width || blocks.back().subSteps != subSteps[j]) {
            blocks.emplace_back();
            blocks.back().subSteps = subSteps[j];
        }
        PeriodBlock& block = blocks.back();
        block.index.push_back(j);
        block.steps.push_back(oscillatorStep(periods[j], damping, step / block.subSteps));
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
        work += static_cast<double>(block.index.size()) * block.subSteps * static_cast<double>(acceleration.size());

    // Blocks are taken in turn by the threads; each writes only its own periods.
    std::atomic<std::size_t> next{0};
    const auto worker = [&]() {
        for (std::size_t b = next++; b < blocks.size(); b = next++)
            runBlock(acceleration, periods_, blocks[b], result, TrackPeaks ? where : nullptr);
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
    double peak = 0;
    runOscillatorsOneByOne({acceleration.data(), acceleration.size(), subSteps, &c, 1, &peak, u.data()});
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
