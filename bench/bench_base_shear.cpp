// The base shear of 7 records of 16,000 samples (0.005 s) from a structure of
// 30 modes, through the program's engine, against the response spectra of the
// same records at the same 30 periods: the same oscillators' work plus a
// weighted sum at every sample. Prints the ratio of the two; the goal is at
// most 1.5.
#include "records/ResponseSpectrum.h"
#include "records/StructureModes.h"

#include "BenchTimes.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t sampleCount = 16000;
constexpr double step = 0.005;
constexpr double damping = 0.05;
constexpr int recordCount = 7;
constexpr int modeCount = 30;

// Deterministic broadband shakings: sines and a linear congruential noise
// under a rising and decaying envelope, in g, one seed per record.
std::vector<std::vector<double>> makeRecords()
{
    std::vector<std::vector<double>> records;
    for (int r = 0; r < recordCount; ++r) {
        std::vector<double> a(sampleCount);
        unsigned state = 12345u + 977u * static_cast<unsigned>(r);
        for (std::size_t i = 0; i < sampleCount; ++i) {
            const double t = static_cast<double>(i) * step;
            state = state * 1103515245u + 12345u;
            const double noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
            const double envelope = t < 5 ? t / 5 : std::exp(-(t - 5) / 15);
            a[i] = envelope * (0.2 * noise + 0.1 * std::sin(2 * M_PI * (1.1 + 0.2 * r) * t));
        }
        records.push_back(std::move(a));
    }
    return records;
}

// A tall frame's modes: periods from 3 s down to 0.05 s, mass ratios falling
// off, 0.95 of the mass in all.
StructureModel makeStructure()
{
    StructureModel structure;
    structure.weight = 250000;
    double sum = 0;
    for (int j = 0; j < modeCount; ++j) {
        const double ratio = 1.0 / ((j + 1) * (j + 1));
        structure.modes.push_back({3.0 * std::pow(0.05 / 3.0, j / (modeCount - 1.0)), ratio});
        sum += ratio;
    }
    for (StructureMode& mode : structure.modes)
        mode.massRatio *= 0.95 / sum;
    return structure;
}

void BM_BaseShearOfRecords(benchmark::State& state)
{
    const auto records = makeRecords();
    const StructureModel structure = makeStructure();
    double largest = 0;
    for (auto _ : state) {
        for (const std::vector<double>& a : records) {
            const PeakShear peak = peakShear(timeHistoryShear(a, step, structure, damping), step);
            largest = std::max(largest, peak.value);
        }
        benchmark::DoNotOptimize(largest);
    }
    state.counters["largest_kN"] = largest;
}
BENCHMARK(BM_BaseShearOfRecords)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_SpectraOfRecords(benchmark::State& state)
{
    const auto records = makeRecords();
    std::vector<double> periods;
    for (const StructureMode& mode : makeStructure().modes)
        periods.push_back(mode.period);
    for (auto _ : state) {
        for (const std::vector<double>& a : records) {
            const std::vector<double> sa = pseudoSpectralAcceleration(a, step, periods, damping);
            benchmark::DoNotOptimize(sa.data());
        }
    }
}
BENCHMARK(BM_SpectraOfRecords)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    BenchTimes reporter;
    reporter.runAll(argc, argv);
    if (const double ratio = BenchTimes::ratio(reporter.real, "BM_BaseShearOfRecords", "BM_SpectraOfRecords"))
        std::printf("base shear / spectra: %.2f (goal: at most 1.5)\n", ratio);
    return 0;
}
