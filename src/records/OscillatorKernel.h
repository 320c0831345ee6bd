#pragma once

#include <cstddef>
#include <vector>

// The inner loop of the response-spectrum engine: many damped oscillators of
// the same step stepped through one record together, several to a vector
// register and several registers at once, in the instructions of the
// processor it runs on (chosen once, when first used).
//
// Every oscillator's arithmetic is, operation for operation, that of the
// plain loop
//     u1 = uu u + uv v + ua a0 + ub a1;  v = vu u + vv v + va a0 + vb a1;  u = u1
// in that order and without fused multiply-adds, so the numbers do not depend
// on the processor, on the grouping or on the number of threads.

// The oscillator's exact step over `step` seconds, as
//   u1 = uu u0 + uv v0 + ua a0 + ub a1,
//   v1 = vu u0 + vv v0 + va a0 + vb a1,
// for a ground acceleration going linearly from a0 to a1.
struct OscillatorStep {
    double uu, uv, ua, ub;
    double vu, vv, va, vb;
};

// `count` oscillators at rest at the first sample, each record interval split
// into `subSteps` equal parts (the ground acceleration read along the straight
// line between the samples, as subStepsFor's callers do).
struct OscillatorRun {
    const double* acceleration;
    std::size_t samples;
    int subSteps;
    const OscillatorStep* steps;
    std::size_t count;
    // Out: max |u| of each oscillator over every step and sub-step (count).
    double* peaks;
    // Out, if not null: u of every oscillator at every sample, sample after
    // sample (samples x count; the first row 0).
    double* history = nullptr;
};

// The instruction sets the loop is built for; Baseline is the build's own
// (SSE2 on x86-64, two doubles to a register).
enum class KernelTarget { Baseline, Avx2, Avx512 };

const char* kernelTargetName(KernelTarget target);

// The targets this processor runs, Baseline first; the best is used.
std::vector<KernelTarget> availableKernelTargets();
KernelTarget chosenKernelTarget();

// How many oscillators the chosen target steps at once; a run of a multiple
// of this wastes no lanes.
std::size_t kernelWidth();

void runOscillators(const OscillatorRun& run);
// The same, one oscillator after the other in plain scalar code: the loop the
// vector targets are measured and tested against.
void runOscillatorsOneByOne(const OscillatorRun& run);
// On the given target, which must be one of availableKernelTargets().
void runOscillators(KernelTarget target, const OscillatorRun& run);
