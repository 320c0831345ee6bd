#pragma once

#include "records/OscillatorKernel.h"

#include <cstddef>
#include <memory>
#include <vector>

// Response spectra of ground accelerations: the one engine behind the chart,
// kspect, the artificial-record generator and the code's checks.
//
// The ground acceleration is linear between its samples (the record as the
// strong-motion databases define it), and the damped single-degree oscillator
//     u'' + 2 zeta omega u' + omega^2 u = -a(t),   omega = 2 pi / T,
// starting at rest, is integrated exactly over each interval (the recurrence
// of Nigam and Jennings, 1969). Where the step is longer than T / 10 the
// interval is split into the fewest equal sub-steps of at most T / 10, so that
// the peak between samples is not missed at short periods.

// The exact step of one oscillator (OscillatorStep, records/OscillatorKernel.h).
OscillatorStep oscillatorStep(double period, double damping, double step);

// The most sub-steps one step of the record is split into.
constexpr int maxSubSteps = 1000;

// Whether an oscillator of `period` is so stiff against the record's step
// (T < step / 100, T = 0 included) that it moves with the ground: its
// omega^2 |u| is the ground's acceleration, and Sa(T) the peak acceleration
// (within about T / (pi step) of the peak, below 0.3 %).
bool followsTheGround(double period, double step);

// How many equal sub-steps of at most period / 10 one step of the record
// takes (1 where the step is short enough), at most maxSubSteps.
int subStepsFor(double period, double step);

// Pseudo-spectral acceleration omega^2 max|u(t)| at each period, over the
// record's duration, in the unit of `acceleration`; a period of 0 gives the
// peak ground acceleration, as does any period that follows the ground.
// Periods must be >= 0, damping in [0, 1), step > 0;
// otherwise std::invalid_argument. Periods are independent: they are worked
// on together and spread over the processor's cores.
std::vector<double> pseudoSpectralAcceleration(const std::vector<double>& acceleration, double step,
                                               const std::vector<double>& periods, double damping);

// Where an oscillator's |u| is largest among the samples: u there (with its
// sign) and the sample (0 for an oscillator that never moved).
struct OscillatorPeak {
    double displacement = 0;
    std::size_t sample = 0;
};

// The oscillators of a set of periods at one damping and step, their step
// coefficients worked out once, for a caller that takes the spectrum of many
// records of the same step (the record generator, pass after pass). Gives
// the same numbers as pseudoSpectralAcceleration.
class SpectrumOscillators {
public:
    // Refuses what pseudoSpectralAcceleration refuses (std::invalid_argument).
    SpectrumOscillators(std::vector<double> periods, double step, double damping);

    std::vector<double> pseudoSpectralAcceleration(const std::vector<double>& acceleration) const;
    // Also each period's peak in `peaks` (a period that follows the ground gets none), for
    // corrections made at the time of each peak.
    std::vector<double> pseudoSpectralAcceleration(const std::vector<double>& acceleration,
                                                   std::vector<OscillatorPeak>& peaks) const;

private:
    template <bool TrackPeaks>
    std::vector<double> run(const std::vector<double>& acceleration, std::vector<OscillatorPeak>* peaks) const;

    struct Blocks;
    std::vector<double> periods_;
    double step_ = 0;
    std::shared_ptr<const Blocks> blocks_;
};

// The oscillator's relative displacement u at every sample (in the unit of
// `acceleration` times s^2), from rest: the same integration, for the record
// generator's corrections at the time of a peak.
std::vector<double> relativeDisplacement(const std::vector<double>& acceleration, double step, double period,
                                         double damping);

// The weighted sum of the oscillators' pseudo-accelerations at every sample,
//     s(t_i) = sum_j weights[j] omega_j^2 u_j(t_i),
// from rest, by the same steps and sub-steps as the spectrum: a structure's
// base shear from its modes when the weights are the modes' effective masses.
// Periods must be > 0, one weight per period; otherwise, and for what
// pseudoSpectralAcceleration refuses, std::invalid_argument.
std::vector<double> weightedPseudoAcceleration(const std::vector<double>& acceleration, double step,
                                               const std::vector<double>& periods,
                                               const std::vector<double>& weights, double damping);
