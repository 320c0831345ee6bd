#include "records/ArtificialRecord.h"

#include "common/KavrelError.h"
#include "records/BaselineCorrection.h"
#include "records/CodePeaks.h"
#include "records/FourierTransform.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"
#include "spectrum/KavrelSpectrum.h"

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
constexpr int passesPerAttempt = 16;

[[noreturn]] void refuse(const QString& reason)
{
    throw KavrelError(reason);
}

QString seconds(double value)
{
    return QString::number(value, 'g', 6) + QStringLiteral(" s");
}

void checkTarget(const KavrelSpectrum& target)
{
    if (target.codeType == KavrelSpectrum::InvalidCodeType)
        refuse(QStringLiteral("The target spectrum has no design code."));
    if (!(target.alphaMax > 0) || !std::isfinite(target.alphaMax))
        refuse(QStringLiteral("The target spectrum's AlphaMax is %1: an accelerogram needs an AlphaMax above 0.")
                   .arg(target.alphaMax));
    if (!(target.dampingRatio >= 0.01 && target.dampingRatio < 1))
        refuse(QStringLiteral("The target's damping ratio is %1: records are matched at damping ratios from 0.01 to below 1.")
                   .arg(target.dampingRatio));
    const std::vector<double>& periods = matchCheckPeriods();
    const std::vector<double> alphas = targetAlphas(target, periods);
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (!(alphas[i] > 0) || !std::isfinite(alphas[i]))
            refuse(QStringLiteral("The target spectrum is not above 0 at %1: a record can only match a curve above 0 from 0.1 s to 6 s.")
                       .arg(seconds(periods[i])));
}

void checkRequest(const ArtificialRequest& request, const IntensityEnvelope& envelope)
{
    const double step = request.step;
    if (step != 0.005 && step != 0.01 && step != 0.02)
        refuse(QStringLiteral("The time step is %1: it must be 0.005 s, 0.01 s or 0.02 s.").arg(seconds(step)));
    const double duration = request.duration;
    if (!(duration >= shortestDuration))
        refuse(QStringLiteral("The duration is %1: matching periods up to 6 s takes at least %2.")
                   .arg(seconds(duration), seconds(shortestDuration)));
    if (!(duration <= longestDuration))
        refuse(QStringLiteral("The duration is %1: at most %2.").arg(seconds(duration), seconds(longestDuration)));
    const double steps = duration / step;
    if (std::fabs(steps - std::round(steps)) > 1e-9 * steps)
        refuse(QStringLiteral("The time step %1 does not divide the duration %2.").arg(seconds(step), seconds(duration)));
    if (!(envelope.riseEnd > 0 && envelope.riseEnd <= envelope.strongEnd && envelope.strongEnd < duration
          && envelope.decay > 0 && std::isfinite(envelope.decay)))
        refuse(QStringLiteral("The envelope must rise until t1, stay until t2 and decay after it, with 0 < t1 <= t2 < the duration and c above 0."));
    if (request.peak && !(*request.peak > 0 && std::isfinite(*request.peak)))
        refuse(QStringLiteral("The peak acceleration must be a number above 0."));
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

// Time-domain corrections at the periods still out of step: at each one a
// sine under a Gaussian of the period's width, centred where the oscillator
// peaks, sized so that the peak moves to the target (Al Atik and Abrahamson,
// 2010, simplified to one wavelet per period, each sized alone). Neighbouring
// wavelets overlap, so each takes only part of its step; the passes repeat.
void addWavelets(std::vector<double>& a, const Setup& s, const std::vector<double>& sa)
{
    // Inside the band, with room, so that a pass leaves fewer periods to mend.
    const double tolerance = 0.06;
    const double gain = 1.0;
    const double widthFactor = 1.0;
    std::vector<double> correction(a.size(), 0.0);
    std::vector<std::size_t> out;
    for (std::size_t j = s.firstCheck; j < s.periods.size(); ++j)
        if (std::fabs(sa[j] / s.targets[j] - 1) > tolerance)
            out.push_back(j);
    // A wavelet of width w T reaches periods within about 1 / (pi w) of its own.
    const double reachInPeriod = 1 / (3.14159 * widthFactor);
    for (std::size_t j : out) {
        const double ratio = s.targets[j] / sa[j];
        int neighbours = 0;
        for (std::size_t k : out)
            if (std::fabs(std::log(s.periods[k] / s.periods[j])) <= reachInPeriod)
                ++neighbours;
        const double period = s.periods[j];
        const std::vector<double> u = relativeDisplacement(a, s.step, period, s.damping);
        std::size_t peakAt = 0;
        for (std::size_t i = 1; i < u.size(); ++i)
            if (std::fabs(u[i]) > std::fabs(u[peakAt]))
                peakAt = i;
        const double omega = twoPi / period;
        const double width = widthFactor * period;
        const auto reach = static_cast<std::size_t>(std::ceil(3 * width / s.step));
        const std::size_t first = peakAt > reach ? peakAt - reach : 0;
        const std::size_t last = std::min(a.size() - 1, peakAt + reach);
        std::vector<double> wavelet(last - first + 1);
        for (std::size_t i = first; i <= last; ++i) {
            const double t = (static_cast<double>(i) - static_cast<double>(peakAt)) * s.step;
            wavelet[i - first] = std::sin(omega * t) * std::exp(-(t / width) * (t / width));
        }
        const std::vector<double> head(wavelet.begin(), wavelet.begin() + static_cast<std::ptrdiff_t>(peakAt - first + 1));
        const double response = relativeDisplacement(head, s.step, period, s.damping).back();
        if (std::fabs(response) < 1e-12 * std::fabs(u[peakAt]))
            continue;
        const double amplitude = gain / neighbours * u[peakAt] * (ratio - 1) / response;
        for (std::size_t i = first; i <= last; ++i)
            correction[i] += amplitude * wavelet[i - first];
    }
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] += correction[i];
}

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

void correctInTime(std::vector<double>& a, const Setup& s, const std::vector<double>& sa)
{
    addWavelets(a, s, sa);
    shapePeaks(a, s);
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
            const std::vector<double> sa = pseudoSpectralAcceleration(a, s.step, s.periods, s.damping);
            match = compareSpectra(std::vector<double>(sa.begin() + static_cast<std::ptrdiff_t>(s.firstCheck), sa.end()),
                                   checkTargets, checkPeriods);
            peak = peakAbsolute(a);
            if (matched(match, peak, s.targetPeak))
                return describe(std::move(a), request, envelope, match, overall);
            if (pass == passesPerAttempt)
                break;
            if (pass < fourierPasses)
                correctFourierAmplitudes(a, s, sa, weights, transform);
            else
                correctInTime(a, s, sa);
            bringToRestAtEnd(a, s.step, s.envelope);
        }
    }
    refuse(QStringLiteral("The record could not be matched to the target within 10 % at every period from 0.1 s to 6 s "
                          "(largest deviation %1 % at %2, peak %3 % off); try a longer duration or another seed.")
               .arg(match.largestDeviation * 100, 0, 'f', 1)
               .arg(seconds(match.largestDeviationPeriod))
               .arg((peak / s.targetPeak - 1) * 100, 0, 'f', 1));
}
