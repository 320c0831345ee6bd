// One artificial record of 20 s at 0.01 s for the default target (GB
// 50011-2010, intensity 8, frequent, site II, group 1) against one response
// spectrum of it at the 100 check periods, in the same run. Prints the ratio
// of the two; the goal is at most 25.
#include "records/ArtificialRecord.h"
#include "records/ResponseSpectrum.h"
#include "spectrum/KavrelSpectrum.h"

#include "BenchTimes.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

const KavrelSpectrum& target()
{
    static const KavrelSpectrum spectrum("A", 0.16, 0.35, 0.05, 0);
    return spectrum;
}

const ArtificialRecord& record()
{
    static const ArtificialRecord r = *generateArtificialRecord(target(), ArtificialRequest{});
    return r;
}

void BM_Generate(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(generateArtificialRecord(target(), ArtificialRequest{}));
    state.counters["passes"] = record().corrections;
}
BENCHMARK(BM_Generate)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OneSpectrum(benchmark::State& state)
{
    const ArtificialRecord& r = record();
    for (auto _ : state)
        benchmark::DoNotOptimize(pseudoSpectralAcceleration(r.acceleration, r.step, matchCheckPeriods(), 0.05));
}
BENCHMARK(BM_OneSpectrum)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    BenchTimes reporter;
    reporter.runAll(argc, argv);
    if (const double ratio = BenchTimes::ratio(reporter.cpu, "BM_Generate", "BM_OneSpectrum"))
        std::printf("generation / one spectrum: %.1f (goal: at most 25); largest deviation %.1f %%, mean %.2f %%\n",
                    ratio, record().match.largestDeviation * 100, record().match.meanDeviation * 100);
    return 0;
}
