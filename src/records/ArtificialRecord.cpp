#include "records/ArtificialRecord.h"

#include "common/KavrelError.h"
#include "records/BaselineCorrection.h"
#include "records/CodePeaks.h"
#include "records/FourierTransform.h"
#include "records/GroundMotionRecord.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"
#include "spectrum/KavrelSpectrum.h"

#include "text/RecordRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>

namespace {

constexpr double twoPi = 6.283185307179586476925286766559;
constexpr double shortestDuration = 12.0;
constexpr double longestDuration = 200.0;
constexpr double allowedDeviation = 0.10;
constexpr double allowedMeanDeviation = 0.03;
constexpr double allowedPeakDeviation = 0.15;
// The first passes scale Fourier amplitudes (quick to the neighbourhood of the
// curve, but they stall near 10 % where peaks of different times compete);
// the rest add wavelets at the time of each stray peak.
constexpr int fourierPasses = 4;
constexpr int passesPerAttempt = 12;
// The least damping factor eta2 of the codes (KavrelSpectrum holds eta2 at
// it): from a damping ratio of about 0.31 on, the curve stops falling.
constexpr double leastEta2 = 0.55;
// The curve's rise ends at 0.1 s, where its plateau must begin.
constexpr double shortestTg = 0.1;

using Input = ArtificialRefusal::Input;

[[noreturn]] void refuse(Input input, const QString& reason)
{
    throw ArtificialRefusal(input, reason);
}

// A refusal's words in the installed language; the command line installs
// none and keeps the English.
QString translated(const char* text)
{
    return QCoreApplication::translate("ArtificialRecord", text);
}

QString seconds(double value)
{
    return QString::number(value, 'g', 6) + QStringLiteral(" s");
}

void checkTarget(const KavrelSpectrum& target)
{
    if (target.codeType == KavrelSpectrum::InvalidCodeType)
        refuse(Input::Target,
               translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The target spectrum has no design code.")));
    if (!(target.alphaMax > 0) || !std::isfinite(target.alphaMax))
        refuse(Input::AlphaMax,
               translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The target spectrum's AlphaMax is %1: "
                                                                "an accelerogram needs an AlphaMax above 0."))
                   .arg(target.alphaMax));
    if (0.45 * target.alphaMax * standardGravityCm > largestTargetPeakCm)
        refuse(Input::AlphaMax, translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The target spectrum's AlphaMax is "
                                                                               "%1: its peak acceleration, 0.45 "
                                                                               "AlphaMax, would be beyond any ground "
                                                                               "motion (at most %2 g)."))
                                    .arg(target.alphaMax)
                                    .arg(largestTargetPeakCm / standardGravityCm));
    if (!(target.dampingRatio >= 0.01 && target.dampingRatio < 1))
        refuse(Input::Damping,
               translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The target's damping ratio is %1: records are "
                                                                "matched at damping ratios from 0.01 to below 1."))
                   .arg(target.dampingRatio));
    const std::vector<double>& periods = matchCheckPeriods();
    const std::vector<double> alphas = targetAlphas(target, periods);
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (!(alphas[i] > 0) || !std::isfinite(alphas[i]))
            refuse(Input::Target,
                   translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The target spectrum is not above 0 at %1: a "
                                                                    "record can only match a curve above 0 from "
                                                                    "0.1 s to 6 s."))
                       .arg(seconds(periods[i])));
    // Below 0.1 s the curve has no plateau: it rises to eta2 AlphaMax at 0.1 s
    // and drops at once to its descent, a step no record's spectrum follows.
    if (!(target.tg >= shortestTg))
        refuse(Input::Tg, translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The target's Tg is %1: below %2 the code "
                                                                         "curve drops at 0.1 s from its peak "
                                                                         "straight to its descent, a step that no "
                                                                         "record's spectrum can follow."))
                              .arg(seconds(target.tg), seconds(shortestTg)));
}

void checkRequest(const ArtificialRequest& request, const IntensityEnvelope& envelope)
{
    const double step = request.step;
    if (step != 0.005 && step != 0.01 && step != 0.02)
        refuse(Input::Step,
               translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The time step is %1: it must be 0.005 s, 0.01 s "
                                                                "or 0.02 s."))
                   .arg(seconds(step)));
    const double duration = request.duration;
    if (!(duration >= shortestDuration))
        refuse(Input::Duration,
               translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The duration is %1: matching periods up to 6 s "
                                                                "takes at least %2."))
                   .arg(seconds(duration), seconds(shortestDuration)));
    if (!(duration <= longestDuration))
        refuse(Input::Duration, translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The duration is %1: at most %2."))
                   .arg(seconds(duration), seconds(longestDuration)));
    if (!stepDividesDuration(step, duration))
        refuse(Input::Duration, stepDurationRefusal(QString::number(step, 'g', 6), QString::number(duration, 'g', 6)));
    if (!(envelope.riseEnd > 0 && envelope.riseEnd <= envelope.strongEnd && envelope.strongEnd < duration
          && envelope.decay > 0 && std::isfinite(envelope.decay)))
        refuse(Input::Envelope,
               translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The envelope must rise until t1, stay until t2 "
                                                                "and decay after it, with 0 < t1 <= t2 < the "
                                                                "duration and c above 0.")));
    if (request.peak && !isTargetPeak(*request.peak))
        refuse(Input::Peak,
               translated(QT_TRANSLATE_NOOP("ArtificialRecord", "The peak acceleration must be a number above 0.")));
}

// Everything the inputs fix before the first pass.
struct Setup {
    double step = 0;
    double damping = 0;
    std::size_t samples = 0;
    std::size_t transformLength = 0;
    // Ascending; the check periods are the last ones, below them a few short
    // periods that hold the band above 10 Hz to the curve's rise.
    std::vector<double> periods;
    std::vector<double> targets;
    std::size_t firstCheck = 0;
    double targetPeak = 0;
    std::vector<double> envelope;
};

Setup makeSetup(const KavrelSpectrum& target, const ArtificialRequest& request, const IntensityEnvelope& envelope)
{
    Setup s;
    s.step = request.step;
    s.damping = target.dampingRatio;
    s.samples = static_cast<std::size_t>(std::llround(request.duration / request.step)) + 1;
    // Zero padding: the record is corrected as one event in a long quiet
    // window, so that reshaping the long periods does not wrap its end onto
    // its start, and the 6 s band gets bins about as fine as the check periods.
    const std::size_t wanted = std::max<std::size_t>(4 * s.samples, static_cast<std::size_t>(160 / s.step));
    s.transformLength = 1;
    while (s.transformLength < wanted)
        s.transformLength *= 2;

    const double shortest = std::max(4 * s.step, 0.03);
    const int extra = static_cast<int>(std::ceil(std::log(0.1 / shortest) / std::log(1.15)));
    for (int i = extra; i >= 1; --i)
        s.periods.push_back(0.1 * std::pow(shortest / 0.1, static_cast<double>(i) / extra));
    s.firstCheck = s.periods.size();
    const std::vector<double>& check = matchCheckPeriods();
    s.periods.insert(s.periods.end(), check.begin(), check.end());
    s.targets = targetAlphas(target, s.periods);
    target.alphaAt(0.0, s.targetPeak);

    s.envelope.resize(s.samples);
    for (std::size_t i = 0; i < s.samples; ++i)
        s.envelope[i] = envelope.at(static_cast<double>(i) * s.step);
    return s;
}

// Where each frequency bin falls among the periods: value = (1 - w) v[j] + w v[j + 1],
// linear in log period, constant beyond the ends.
struct BinWeight {
    std::size_t j;
    double w;
};

std::vector<BinWeight> binWeights(const Setup& s, std::size_t bins)
{
    std::vector<BinWeight> weights(bins, BinWeight{0, 0});
    const std::vector<double>& p = s.periods;
    const double binWidth = 1.0 / (static_cast<double>(s.transformLength) * s.step);
    for (std::size_t k = 1; k < bins; ++k) {
        const double period = 1.0 / (static_cast<double>(k) * binWidth);
        if (period <= p.front()) {
            weights[k] = {0, 0};
        } else if (period >= p.back()) {
            weights[k] = {p.size() - 1, 0};
        } else {
            const std::size_t j = static_cast<std::size_t>(std::upper_bound(p.begin(), p.end(), period) - p.begin()) - 1;
            weights[k] = {j, std::log(period / p[j]) / std::log(p[j + 1] / p[j])};
        }
    }
    return weights;
}

double interpolate(const std::vector<double>& values, const BinWeight& b)
{
    if (b.w == 0)
        return values[b.j];
    return (1 - b.w) * values[b.j] + b.w * values[b.j + 1];
}

// A uniform number in [0, 1) from the top 53 bits: the same on every library.
double unitUniform(std::mt19937_64& engine)
{
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

// The stationary start: Fourier amplitudes of the power spectral density that
// gives the target (the simple form of Kaul's relation, G ~ zeta Sa^2 / omega,
// falling off beyond 6 s), random phases, times the envelope.
std::vector<double> stationaryStart(const Setup& s, const std::vector<BinWeight>& weights, std::mt19937_64& engine,
                                    RealFourierTransform& transform)
{
    const double binWidth = 1.0 / (static_cast<double>(s.transformLength) * s.step);
    const double longest = s.periods.back();
    std::vector<std::complex<double>> bins(weights.size());
    for (std::size_t k = 1; k < bins.size(); ++k) {
        const double period = 1.0 / (static_cast<double>(k) * binWidth);
        double amplitude = interpolate(s.targets, weights[k]) * std::sqrt(period);
        if (period > longest)
            amplitude *= std::pow(longest / period, 2);
        bins[k] = std::polar(amplitude, twoPi * unitUniform(engine));
    }
    std::vector<double> a = transform.inverse(bins);
    a.resize(s.samples);
    for (std::size_t i = 0; i < s.samples; ++i)
        a[i] *= s.envelope[i];
    return a;
}

bool matched(const SpectrumMatch& match, double peak, double targetPeak)
{
    return std::fabs(match.largestDeviation) <= allowedDeviation && std::fabs(match.meanDeviation) <= allowedMeanDeviation
           && std::fabs(peak / targetPeak - 1) <= allowedPeakDeviation;
}

ArtificialRecord describe(std::vector<double> acceleration, const ArtificialRequest& request,
                          const IntensityEnvelope& envelope, const SpectrumMatch& match, int corrections)
{
    ArtificialRecord r;
    r.step = request.step;
    r.seed = request.seed;
    r.envelope = envelope;
    r.match = match;
    r.corrections = corrections;
    if (request.peak)
        acceleration = scaled(acceleration, *request.peak / peakAbsolute(acceleration));
    r.acceleration = std::move(acceleration);
    r.peak = peakAbsolute(r.acceleration);
    r.effectiveDuration = effectiveDuration(r.acceleration, r.step);
    const Integrated motion = integrateHistory(scaled(r.acceleration, standardGravityCm), r.step);
    r.peakVelocity = peakAbsolute(motion.velocity);
    r.endVelocity = motion.velocity.back();
    r.peakDisplacement = peakAbsolute(motion.displacement);
    r.endDisplacement = motion.displacement.back();
    return r;
}

// Scales the Fourier amplitudes by the ratio of target to computed spectrum,
// interpolated between the periods; no mean (bin 0).
void correctFourierAmplitudes(std::vector<double>& a, const Setup& s, const std::vector<double>& sa,
                              const std::vector<BinWeight>& weights, RealFourierTransform& transform)
{
    std::vector<double> ratio(sa.size());
    for (std::size_t j = 0; j < sa.size(); ++j)
        ratio[j] = sa[j] > 0 ? s.targets[j] / sa[j] : 1.0;
    std::vector<std::complex<double>> bins = transform.forward(a);
    bins[0] = 0;
    for (std::size_t k = 1; k < bins.size(); ++k)
        bins[k] *= interpolate(ratio, weights[k]);
    a = transform.inverse(bins);
    a.resize(s.samples);
}

// Time-domain corrections after Al Atik and Abrahamson (2010): at every check
// period a tapered cosine, shifted so that the oscillator's response to it
// peaks where the oscillator peaks now, and all their amplitudes solved
// together so that each peak moves to its target while its neighbours' pulls
// are accounted for. Each wavelet reaches periods within a factor of about
// 1.6 of its own; beyond that its pull is left out of the system.
//
// A wavelet keeps its shape from pass to pass and only moves, so each
// oscillator's response to each neighbouring wavelet is worked out once, as a
// function of the distance between the two peaks; a pass then only looks the
// responses up.
class WaveletSolver {
public:
    explicit WaveletSolver(const Setup& s) : s_(s), n_(s.periods.size() - s.firstCheck)
    {
        std::vector<OscillatorStep> steps;
        std::vector<int> subSteps;
        for (std::size_t j = 0; j < n_; ++j) {
            const double period = periodOf(j);
            subSteps.push_back(subStepsFor(period, s.step));
            steps.push_back(oscillatorStep(period, s.damping, s.step / subSteps.back()));
            damped_.push_back(twoPi / period * std::sqrt(1 - s.damping * s.damping));
        }
        wavelets_.resize(n_);
        for (std::size_t j = 0; j < n_; ++j)
            wavelets_[j] = shape(j);
        pulls_.resize(n_);
        for (std::size_t j = 0; j < n_; ++j) {
            std::vector<std::size_t> near;
            for (std::size_t i = 0; i < n_; ++i)
                if (std::fabs(std::log(periodOf(i) / periodOf(j))) <= reach) {
                    near.push_back(i);
                    band_ = std::max(band_, i > j ? i - j : j - i);
                }
            std::stable_sort(near.begin(), near.end(), [&](std::size_t x, std::size_t y) { return subSteps[x] < subSteps[y]; });
            for (std::size_t b = 0; b < near.size();) {
                std::size_t e = b;
                while (e < near.size() && e - b < lanes && subSteps[near[e]] == subSteps[near[b]])
                    ++e;
                respond(j, &near[b], e - b, steps, subSteps[near[b]]);
                b = e;
            }
        }
    }

    void correct(std::vector<double>& a, const std::vector<double>& sa, const std::vector<OscillatorPeak>& peaks) const
    {
        const std::size_t n = n_;
        // C(i, j): oscillator i's displacement at its peak under wavelet j.
        std::vector<double> c(n * n, 0.0), rhs(n);
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t k = s_.firstCheck + i;
            rhs[i] = peaks[k].displacement * (s_.targets[k] / sa[k] - 1);
        }
        for (std::size_t j = 0; j < n; ++j)
            for (const Pull& pull : pulls_[j]) {
                const auto distance = static_cast<std::ptrdiff_t>(peaks[s_.firstCheck + pull.oscillator].sample)
                                      - static_cast<std::ptrdiff_t>(peaks[s_.firstCheck + j].sample);
                c[pull.oscillator * n + j] = responseAt(pull, wavelets_[j], distance);
            }
        // Neighbouring periods that peak at nearly the same time make nearly
        // equal rows; least squares with a ridge on the diagonal (after
        // Levenberg and Marquardt) keeps their amplitudes from fighting.
        // C is banded (a wavelet pulls only its neighbours), C'C twice as wide.
        const std::size_t h = band_, wide = 2 * band_;
        std::vector<double> normal(n * n, 0.0), projected(n, 0.0);
        for (std::size_t r = 0; r < n; ++r) {
            const std::size_t lo = r > h ? r - h : 0, hi = std::min(n - 1, r + h);
            for (std::size_t p = lo; p <= hi; ++p) {
                const double crp = c[r * n + p];
                if (crp == 0)
                    continue;
                projected[p] += crp * rhs[r];
                for (std::size_t q = lo; q <= hi; ++q)
                    normal[p * n + q] += crp * c[r * n + q];
            }
        }
        for (std::size_t p = 0; p < n; ++p)
            normal[p * n + p] = normal[p * n + p] > 0 ? normal[p * n + p] * (1 + ridge) : 1.0;
        rhs = projected;
        if (!solveBanded(normal, rhs, n, wide))
            return;
        for (std::size_t j = 0; j < n; ++j) {
            const Wavelet& w = wavelets_[j];
            const auto centre = static_cast<std::ptrdiff_t>(peaks[s_.firstCheck + j].sample);
            for (std::size_t t = 0; t < w.values.size(); ++t) {
                const std::ptrdiff_t at = centre + w.first + static_cast<std::ptrdiff_t>(t);
                if (at >= 0 && at < static_cast<std::ptrdiff_t>(a.size()))
                    a[static_cast<std::size_t>(at)] += rhs[j] * w.values[t];
            }
        }
    }

private:
    static constexpr double reach = 0.46;  // in log period: 11 periods either side
    static constexpr double cut = 2.2;    // the taper's half length, in its widths
    static constexpr std::size_t lanes = 8;
    // Levenberg-Marquardt's damping of the normal equations' diagonal: a
    // smaller step where rows nearly repeat, the full one where they do not.
    static constexpr double ridge = 0.05;

    // A wavelet's samples, from `first` samples after its period's peak on
    // (first < 0).
    struct Wavelet {
        std::ptrdiff_t first = 0;
        std::vector<double> values;
    };

    // One oscillator's response to one wavelet from rest: its displacement
    // after each of the wavelet's steps, and its state at the wavelet's end.
    struct Pull {
        std::size_t oscillator = 0;
        std::vector<double> displacement;
        double endDisplacement = 0, endVelocity = 0;
    };

    double periodOf(std::size_t j) const { return s_.periods[s_.firstCheck + j]; }

    // The tapered cosine cos(w' x) exp(-(x / g)^2), g = 1.178 f^-0.93, whose
    // centre lies so far before the peak that the oscillator's response to it
    // culminates at the peak.
    Wavelet shape(std::size_t j) const
    {
        const double period = periodOf(j);
        const double taper = 1.178 * std::pow(period, 0.93);
        const double shift = std::atan(std::sqrt(1 - s_.damping * s_.damping) / s_.damping) / damped_[j];
        Wavelet w;
        // x = d step + shift at d samples from the peak
        const auto from = static_cast<std::ptrdiff_t>(std::ceil((-cut * taper - shift) / s_.step));
        const auto to = static_cast<std::ptrdiff_t>(std::floor((cut * taper - shift) / s_.step));
        w.first = from;
        for (std::ptrdiff_t d = from; d <= to; ++d) {
            const double x = static_cast<double>(d) * s_.step + shift;
            w.values.push_back(std::cos(damped_[j] * x) * std::exp(-(x / taper) * (x / taper)));
        }
        return w;
    }

    // The pulls of wavelet j on the oscillators `which` (of equal sub-steps),
    // stepped side by side as the engine steps its oscillators.
    void respond(std::size_t j, const std::size_t* which, std::size_t used, const std::vector<OscillatorStep>& steps,
                 int subSteps)
    {
        const Wavelet& w = wavelets_[j];
        double uu[lanes] = {}, uv[lanes] = {}, ua[lanes] = {}, ub[lanes] = {};
        double vu[lanes] = {}, vv[lanes] = {}, va[lanes] = {}, vb[lanes] = {};
        for (std::size_t l = 0; l < used; ++l) {
            const OscillatorStep& k = steps[which[l]];
            uu[l] = k.uu, uv[l] = k.uv, ua[l] = k.ua, ub[l] = k.ub;
            vu[l] = k.vu, vv[l] = k.vv, va[l] = k.va, vb[l] = k.vb;
        }
        const std::size_t count = w.values.size();
        std::vector<Pull> pulls(used);
        for (std::size_t l = 0; l < used; ++l) {
            pulls[l].oscillator = which[l];
            pulls[l].displacement.reserve(count - 1);
        }
        double x[lanes] = {}, v[lanes] = {};
        for (std::size_t t = 0; t + 1 < count; ++t) {
            const double a0 = w.values[t], a1 = w.values[t + 1];
            const double rise = (a1 - a0) / subSteps;
            for (int m = 0; m < subSteps; ++m) {
                const double b0 = a0 + rise * m, b1 = m + 1 == subSteps ? a1 : a0 + rise * (m + 1);
                for (std::size_t l = 0; l < lanes; ++l) {
                    const double x1 = uu[l] * x[l] + uv[l] * v[l] + ua[l] * b0 + ub[l] * b1;
                    v[l] = vu[l] * x[l] + vv[l] * v[l] + va[l] * b0 + vb[l] * b1;
                    x[l] = x1;
                }
            }
            for (std::size_t l = 0; l < used; ++l)
                pulls[l].displacement.push_back(x[l]);
        }
        for (std::size_t l = 0; l < used; ++l) {
            pulls[l].endDisplacement = x[l];
            pulls[l].endVelocity = v[l];
            pulls_[j].push_back(std::move(pulls[l]));
        }
    }

    // The pull's displacement `distance` samples after the wavelet's own
    // peak; after the wavelet's end the oscillator swings freely.
    double responseAt(const Pull& pull, const Wavelet& w, std::ptrdiff_t distance) const
    {
        const std::ptrdiff_t t = distance - w.first;  // steps into the wavelet
        if (t <= 0)
            return 0;
        if (t <= static_cast<std::ptrdiff_t>(pull.displacement.size()))
            return pull.displacement[static_cast<std::size_t>(t - 1)];
        const double tau = static_cast<double>(t - static_cast<std::ptrdiff_t>(pull.displacement.size())) * s_.step;
        const double omega = twoPi / periodOf(pull.oscillator);
        const double damped = damped_[pull.oscillator];
        const double x = pull.endDisplacement, v = pull.endVelocity;
        return std::exp(-s_.damping * omega * tau)
               * (x * std::cos(damped * tau) + (v + s_.damping * omega * x) / damped * std::sin(damped * tau));
    }

    // Gaussian elimination of a symmetric positive definite matrix of
    // half-bandwidth `band` (no pivoting needed); the solution in `rhs`.
    static bool solveBanded(std::vector<double>& m, std::vector<double>& rhs, std::size_t n, std::size_t band)
    {
        for (std::size_t col = 0; col < n; ++col) {
            const double pivot = m[col * n + col];
            if (!(pivot > 0))
                return false;
            const std::size_t end = std::min(n, col + band + 1);
            for (std::size_t r = col + 1; r < end; ++r) {
                const double f = m[r * n + col] / pivot;
                if (f == 0)
                    continue;
                for (std::size_t k = col; k < end; ++k)
                    m[r * n + k] -= f * m[col * n + k];
                rhs[r] -= f * rhs[col];
            }
        }
        for (std::size_t r = n; r-- > 0;) {
            double sum = rhs[r];
            for (std::size_t k = r + 1; k < std::min(n, r + band + 1); ++k)
                sum -= m[r * n + k] * rhs[k];
            rhs[r] = sum / m[r * n + r];
            if (!std::isfinite(rhs[r]))
                return false;
        }
        return true;
    }

    const Setup& s_;
    std::size_t n_;
    std::vector<double> damped_;
    std::vector<Wavelet> wavelets_;
    std::vector<std::vector<Pull>> pulls_;  // per wavelet
    std::size_t band_ = 0;                  // the farthest pull, in periods
};

// Holds the peak to the target's alpha(0): each swing beyond 8 % above it is
// pressed down, and a record too low has its largest swing raised, by a
// smooth bump of about 0.05 s, too short to move the check periods much.
void shapePeaks(std::vector<double>& a, const Setup& s)
{
    const double high = 1.08 * s.targetPeak;
    const double low = 0.92 * s.targetPeak;
    const double width = 0.05;
    const auto reach = static_cast<std::size_t>(std::ceil(3 * width / s.step));
    std::vector<double> factor(a.size(), 1.0);
    const auto bump = [&](std::size_t at, double scale) {
        const std::size_t first = at > reach ? at - reach : 0;
        const std::size_t last = std::min(a.size() - 1, at + reach);
        for (std::size_t i = first; i <= last; ++i) {
            const double t = (static_cast<double>(i) - static_cast<double>(at)) * s.step / width;
            factor[i] *= 1 + (scale - 1) * std::exp(-t * t);
        }
    };
    const double peak = peakAbsolute(a);
    if (peak < low) {
        const auto at = static_cast<std::size_t>(
            std::max_element(a.begin(), a.end(), [](double x, double y) { return std::fabs(x) < std::fabs(y); }) - a.begin());
        bump(at, s.targetPeak / peak);
    } else {
        for (std::size_t i = 1; i + 1 < a.size(); ++i) {
            const double x = std::fabs(a[i]);
            if (x > high && x >= std::fabs(a[i - 1]) && x >= std::fabs(a[i + 1]))
                bump(i, s.targetPeak / x);
        }
    }
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] *= factor[i];
}


}  // namespace

std::optional<ArtificialRecord> generateArtificialRecord(const KavrelSpectrum& target, const ArtificialRequest& request,
                                                         const ArtificialProgress& progress)
{
    checkTarget(target);
    const IntensityEnvelope envelope = request.envelope.value_or(IntensityEnvelope::forDuration(request.duration));
    checkRequest(request, envelope);
    const Setup s = makeSetup(target, request, envelope);
    RealFourierTransform transform(s.transformLength);
    const std::vector<BinWeight> weights = binWeights(s, transform.binCount());
    const std::vector<double> checkPeriods(s.periods.begin() + static_cast<std::ptrdiff_t>(s.firstCheck), s.periods.end());
    const std::vector<double> checkTargets(s.targets.begin() + static_cast<std::ptrdiff_t>(s.firstCheck), s.targets.end());
    const WaveletSolver wavelets(s);
    const SpectrumOscillators oscillators(s.periods, s.step, s.damping);

    // Each attempt starts from fresh phases further along the seed's sequence:
    // now and then a draw settles with one period stuck just outside the band.
    std::mt19937_64 engine(request.seed);
    SpectrumMatch match;
    double peak = 0;
    for (int attempt = 0; attempt < artificialAttempts; ++attempt) {
        std::vector<double> a = stationaryStart(s, weights, engine, transform);
        bringToRestAtEnd(a, s.step, s.envelope);
        for (int pass = 0; pass <= passesPerAttempt; ++pass) {
            const int overall = attempt * (passesPerAttempt + 1) + pass;
            if (progress && !progress(overall, artificialMaxPasses))
                return std::nullopt;
            std::vector<OscillatorPeak> peaks;
            const std::vector<double> sa = oscillators.pseudoSpectralAcceleration(a, peaks);
            match = compareSpectra(std::vector<double>(sa.begin() + static_cast<std::ptrdiff_t>(s.firstCheck), sa.end()),
                                   checkTargets, checkPeriods);
            peak = peakAbsolute(a);
            if (matched(match, peak, s.targetPeak))
                return describe(std::move(a), request, envelope, match, overall);
            if (pass == passesPerAttempt)
                break;
            if (pass < fourierPasses)
                correctFourierAmplitudes(a, s, sa, weights, transform);
            else {
                wavelets.correct(a, sa, peaks);
                shapePeaks(a, s);
            }
            bringToRestAtEnd(a, s.step, s.envelope);
        }
    }
    // Where the code holds eta2 at its least the curve no longer falls with
    // damping, while a record's spectrum does: there another duration or seed
    // is no help.
    const char* const advice =
        target.eta2 <= leastEta2
            ? QT_TRANSLATE_NOOP("ArtificialRecord", "The record could not be matched to the target within 10 % at "
                                                    "every period from 0.1 s to 6 s (largest deviation %1 % at %2, "
                                                    "peak %3 % off): at the damping ratio %4 the code curve's "
                                                    "damping factor eta2 is held at its least, 0.55, so the curve "
                                                    "stops falling with damping while a record's spectrum goes on "
                                                    "falling; another duration or seed will not match it.")
            : QT_TRANSLATE_NOOP("ArtificialRecord", "The record could not be matched to the target within "
                                                    "10 % at every period from 0.1 s to 6 s (largest "
                                                    "deviation %1 % at %2, peak %3 % off); try a longer "
                                                    "duration or another seed.");
    QString reason = translated(advice)
                         .arg(match.largestDeviation * 100, 0, 'f', 1)
                         .arg(seconds(match.largestDeviationPeriod))
                         .arg((peak / s.targetPeak - 1) * 100, 0, 'f', 1);
    if (target.eta2 <= leastEta2)
        reason = reason.arg(target.dampingRatio);
    refuse(Input::Match, reason);
}
