#pragma once

// The oscillators' loop, written once over a vector type and compiled by each
// target's own file with that target's instructions. Everything here has
// internal linkage and uses no library templates, so that no function built
// for a newer processor can be chosen by the linker for an older one.

#include "records/OscillatorKernel.h"

void runOscillatorsBaseline(const OscillatorRun& run);
void runOscillatorsAvx2(const OscillatorRun& run);
void runOscillatorsAvx512(const OscillatorRun& run);

namespace {

// Each target's doubles to a register and registers stepped at once: enough
// independent chains to cover the latency of one step's multiplications and
// additions (measured with the benchmark of the records' spectra).
constexpr int baselineLanes = 2, baselineRegisters = 3;
constexpr int avx2Lanes = 4, avx2Registers = 4;
constexpr int avx512Lanes = 8, avx512Registers = 4;

// `used` oscillators from `first` on, in R registers of W lanes; the lanes
// beyond `used` have all coefficients 0 and stay at rest.
template <typename V, int W, int R, bool Keep>
void runChunk(const OscillatorRun& run, std::size_t first, std::size_t used)
{
    constexpr int L = W * R;
    // The coefficients side by side, one row per coefficient.
    alignas(64) double c[8][L] = {};
    for (std::size_t l = 0; l < used; ++l) {
        const OscillatorStep& s = run.steps[first + l];
        const double values[8] = {s.uu, s.uv, s.ua, s.ub, s.vu, s.vv, s.va, s.vb};
        for (int k = 0; k < 8; ++k)
            c[k][l] = values[k];
    }
    V uu[R], uv[R], ua[R], ub[R], vu[R], vv[R], va[R], vb[R];
    V* const rows[8] = {uu, uv, ua, ub, vu, vv, va, vb};
    for (int k = 0; k < 8; ++k)
        for (int r = 0; r < R; ++r)
            __builtin_memcpy(&rows[k][r], &c[k][r * W], sizeof(V));

    using Mask = decltype(V{} < V{});
    const Mask magnitudeBits = Mask{} + 0x7fffffffffffffffLL;
    V u[R] = {}, v[R] = {}, peak[R] = {};
    const auto advance = [&](double a0, double a1) {
        for (int r = 0; r < R; ++r) {
            const V u1 = uu[r] * u[r] + uv[r] * v[r] + ua[r] * a0 + ub[r] * a1;
            v[r] = vu[r] * u[r] + vv[r] * v[r] + va[r] * a0 + vb[r] * a1;
            u[r] = u1;
            const V magnitude = (V)((Mask)u1 & magnitudeBits);
            peak[r] = magnitude > peak[r] ? magnitude : peak[r];
        }
    };
    const auto keep = [&](std::size_t sample) {
        if constexpr (Keep) {
            double* row = run.history + sample * run.count + first;
            if (used == static_cast<std::size_t>(L)) {
                for (int r = 0; r < R; ++r)
                    __builtin_memcpy(row + r * W, &u[r], sizeof(V));
            } else {
                alignas(64) double whole[L];
                __builtin_memcpy(whole, u, sizeof whole);
                for (std::size_t l = 0; l < used; ++l)
                    row[l] = whole[l];
            }
        } else {
            (void)sample;
        }
    };

    const double* a = run.acceleration;
    const std::size_t n = run.samples;
    const int subSteps = run.subSteps;
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
    alignas(64) double peaks[L];
    __builtin_memcpy(peaks, peak, sizeof peaks);
    for (std::size_t l = 0; l < used; ++l)
        run.peaks[first + l] = peaks[l];
}

// The last `used` (fewer than R full registers' worth) oscillators in as few
// registers as hold them.
template <typename V, int W, int R, bool Keep>
void runTail(const OscillatorRun& run, std::size_t first, std::size_t used)
{
    if constexpr (R > 1) {
        if (used <= static_cast<std::size_t>((R - 1) * W))
            return runTail<V, W, R - 1, Keep>(run, first, used);
    }
    runChunk<V, W, R, Keep>(run, first, used);
}

template <typename V, int W, int R, bool Keep>
void runAll(const OscillatorRun& run)
{
    if constexpr (Keep) {
        for (std::size_t l = 0; l < run.count && run.samples > 0; ++l)
            run.history[l] = 0;
    }
    constexpr std::size_t L = static_cast<std::size_t>(W) * R;
    std::size_t first = 0;
    for (; first + L <= run.count; first += L)
        runChunk<V, W, R, Keep>(run, first, L);
    if (first < run.count)
        runTail<V, W, R, Keep>(run, first, run.count - first);
}

// The loop for vectors V of W doubles, R of them in flight.
template <typename V, int W, int R>
void runOscillatorLoop(const OscillatorRun& run)
{
    if (run.history)
        runAll<V, W, R, true>(run);
    else
        runAll<V, W, R, false>(run);
}

}  // namespace
