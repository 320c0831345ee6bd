// The response spectrum of a 16,000-sample record (0.005 s) at 111 periods
// from 0.01 to 20 s plus the chart's 601 (0 to 6 s every 0.01 s), sub-stepped
// as the program does, through the program's engine against a minimal scalar
// loop of the same recurrence, one period after the other. Both must agree
// to 1e-12; prints the ratio of their wall times (the goal is at most 0.10)
// and, on one thread in processor time, that of the engine's loop on each
// instruction set this processor runs.
#include "records/OscillatorKernel.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"

#include "BenchTimes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::size_t sampleCount = 16000;
constexpr double step = 0.005;
constexpr double damping = 0.05;

// A deterministic broadband shaking: a few sines and a linear congruential
// noise under a rising and decaying envelope, in g.
std::vector<double> makeRecord()
{
    std::vector<double> a(sampleCount);
    unsigned state = 12345;
    for (std::size_t i = 0; i < sampleCount; ++i) {
        const double t = static_cast<double>(i) * step;
        state = state * 1103515245u + 12345u;
        const double noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
        const double envelope = t < 5 ? t / 5 : std::exp(-(t - 5) / 15);
        a[i] = envelope * (0.2 * noise + 0.1 * std::sin(2 * M_PI * 1.7 * t) + 0.05 * std::sin(2 * M_PI * 6.1 * t));
    }
    return a;
}

std::vector<double> makePeriods()
{
    std::vector<double> periods;
    for (int i = 0; i < 111; ++i)
        periods.push_back(0.01 * std::pow(2000.0, i / 110.0));
    for (int i = 0; i <= 600; ++i)
        periods.push_back(i * 0.01);
    return periods;
}

// The same recurrence, one oscillator at a time, in plain scalar code.
double scalarPeak(const std::vector<double>& a, double period)
{
    if (period == 0)
        return peakAbsolute(a);
    const int subSteps = subStepsFor(period, step);
    const OscillatorStep c = oscillatorStep(period, damping, step / subSteps);
    double peak = 0;
    runOscillatorsOneByOne({a.data(), a.size(), subSteps, &c, 1, &peak});
    const double omega = 2 * M_PI / period;
    return omega * omega * peak;
}

std::vector<double> scalarSpectrum(const std::vector<double>& a, const std::vector<double>& periods)
{
    std::vector<double> result;
    result.reserve(periods.size());
    for (const double period : periods)
        result.push_back(scalarPeak(a, period));
    return result;
}

void BM_RecordSpectrumEngine(benchmark::State& state)
{
    const auto a = makeRecord();
    const auto periods = makePeriods();
    std::vector<double> sa;
    for (auto _ : state) {
        sa = pseudoSpectralAcceleration(a, step, periods, damping);
        benchmark::DoNotOptimize(sa.data());
    }
    const std::vector<double> floor = scalarSpectrum(a, periods);
    double largest = 0;
    for (std::size_t j = 0; j < periods.size(); ++j)
        largest = std::max(largest, std::fabs(sa[j] - floor[j]));
    state.counters["max_difference"] = largest;
    if (largest > 1e-12)
        state.SkipWithError("the engine and the scalar loop differ by more than 1e-12");
}
BENCHMARK(BM_RecordSpectrumEngine)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_ScalarLoop(benchmark::State& state)
{
    const auto a = makeRecord();
    const auto periods = makePeriods();
    for (auto _ : state) {
        const auto sa = scalarSpectrum(a, periods);
        benchmark::DoNotOptimize(sa.data());
    }
}
BENCHMARK(BM_ScalarLoop)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// The engine's loop alone on one thread and one instruction set, over the
// same periods grouped by their sub-step counts: what the machine's load does
// not blur, in processor time.
void BM_KernelOneThread(benchmark::State& state, KernelTarget target)
{
    const auto a = makeRecord();
    std::map<int, std::vector<OscillatorStep>> groups;
    for (const double period : makePeriods()) {
        if (period > 0) {
            const int subSteps = subStepsFor(period, step);
            groups[subSteps].push_back(oscillatorStep(period, damping, step / subSteps));
        }
    }
    std::vector<double> peaks;
    for (auto _ : state) {
        for (const auto& [subSteps, steps] : groups) {
            peaks.resize(steps.size());
            runOscillators(target, {a.data(), a.size(), subSteps, steps.data(), steps.size(), peaks.data()});
            benchmark::DoNotOptimize(peaks.data());
        }
    }
}

std::string kernelBenchmarkName(KernelTarget target)
{
    return std::string("BM_KernelOneThread_") + kernelTargetName(target);
}

} // namespace

int main(int argc, char** argv)
{
    for (const KernelTarget target : availableKernelTargets())
        benchmark::RegisterBenchmark(kernelBenchmarkName(target).c_str(), BM_KernelOneThread, target)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(2.0);
    BenchTimes reporter;
    reporter.runAll(argc, argv);
    if (const double ratio = BenchTimes::ratio(reporter.real, "BM_RecordSpectrumEngine", "BM_ScalarLoop"))
        std::printf("engine / scalar loop: %.3f wall time (goal: at most 0.10), loop on %s\n", ratio,
                    kernelTargetName(chosenKernelTarget()));
    for (const KernelTarget target : availableKernelTargets()) {
        if (const double ratio = BenchTimes::ratio(reporter.cpu, kernelBenchmarkName(target), "BM_ScalarLoop"))
            std::printf("loop on one thread, %s / scalar loop: %.3f processor time\n", kernelTargetName(target),
                        ratio);
    }
    return 0;
}
