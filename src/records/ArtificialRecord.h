#pragma once

#include "common/KavrelError.h"
#include "records/IntensityEnvelope.h"
#include "records/SpectrumMatch.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class KavrelSpectrum;

// Artificial accelerograms whose response spectrum follows a code spectrum.
//
// A stationary random process shaped by the target (random phases from the
// seed) is multiplied by the intensity envelope; its Fourier amplitudes are
// then corrected by the ratio of the target to the computed response spectrum
// until every check period (matchCheckPeriods) is within 10 % and the mean
// within 3 %, with a baseline correction after each pass so that the record
// ends at rest. Everything is in g and seconds.

struct ArtificialRequest {
    double duration = 20.0;  // s; a whole number of steps, 12 to 200 s
    double step = 0.01;      // s; 0.005, 0.01 or 0.02
    std::uint64_t seed = 1;
    // Nothing: IntensityEnvelope::forDuration(duration).
    std::optional<IntensityEnvelope> envelope;
    // The peak the matched record is scaled to, in g; nothing keeps the
    // matched record's own peak (within 15 % of the target's alpha(0)).
    std::optional<double> peak;
};

struct ArtificialRecord {
    std::vector<double> acceleration;  // g, at 0, step, ..., duration
    double step = 0;
    std::uint64_t seed = 0;
    IntensityEnvelope envelope;
    // Against the target scaled by the same factor as the record.
    SpectrumMatch match;
    int corrections = 0;        // Fourier-amplitude passes it took
    double peak = 0;            // g
    double effectiveDuration = 0;  // s, first to last |a| >= 10 % of the peak
    double peakVelocity = 0, endVelocity = 0;          // cm/s
    double peakDisplacement = 0, endDisplacement = 0;  // cm
};

// A refusal of generateArtificialRecord with the input at fault, so that a
// command line can name its option.
class ArtificialRefusal : public KavrelError {
public:
    enum class Input { Target, AlphaMax, Tg, Damping, Step, Duration, Envelope, Peak, Match };
    ArtificialRefusal(Input input, const QString& reason) : KavrelError(reason), input(input) {}
    Input input;
};

// Called before each correction pass with the pass (0-based) and the most
// passes there may be; returning false stops the generation.
using ArtificialProgress = std::function<bool(int pass, int passes)>;

// The record for `target` and `request`; the same inputs give the same bytes.
// Throws ArtificialRefusal (with the reason) for a target or request it cannot
// meet, and when the match is not reached; nothing when stopped through
// `progress`.
std::optional<ArtificialRecord> generateArtificialRecord(const KavrelSpectrum& target,
                                                         const ArtificialRequest& request,
                                                         const ArtificialProgress& progress = {});

// A generation makes up to 10 attempts of 13 spectrum evaluations each (the
// last of an attempt judges its final correction), then gives up; most
// records match within the first attempt.
constexpr int artificialAttempts = 10;
constexpr int artificialMaxPasses = artificialAttempts * 13;
