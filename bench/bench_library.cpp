// A record library of 1,000 PEER files of 8,000 samples at 0.005 s, made
// here, indexed from scratch, against the engine alone computing the same
// spectra (the library's grid, 5 %) of the same records in this process;
// then the unchanged library indexed again. Prints both ratios; the goals
// are at most 1.3 (reading, measures and the database add at most 30 %) and
// at most 0.02.
#include "library/LibraryIndex.h"
#include "library/LibraryIndexer.h"
#include "library/SpectrumGrid.h"
#include "records/ResponseSpectrum.h"

#include "BenchTimes.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int recordCount = 1000;
constexpr std::size_t sampleCount = 8000;
constexpr double step = 0.005;

// A deterministic broadband shaking for record `seed`, in g.
std::vector<double> makeRecord(int seed)
{
    std::vector<double> a(sampleCount);
    unsigned state = 12345u + static_cast<unsigned>(seed) * 7919u;
    for (std::size_t i = 0; i < sampleCount; ++i) {
        const double t = static_cast<double>(i) * step;
        state = state * 1103515245u + 12345u;
        const double noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
        const double envelope = t < 5 ? t / 5 : std::exp(-(t - 5) / 15);
        a[i] = envelope * (0.2 * noise + 0.1 * std::sin(2 * M_PI * (1 + seed % 7) * 0.3 * t));
    }
    return a;
}

struct Library {
    QTemporaryDir folder;
    QTemporaryDir indexFolder;
    std::vector<std::vector<double>> records;

    Library()
    {
        for (int r = 0; r < recordCount; ++r) {
            records.push_back(makeRecord(r));
            QByteArray text = "PEER NGA STRONG MOTION DATABASE RECORD\nBench, 1/1/2000, Station " + QByteArray::number(r)
                              + ", 90\nACCELERATION TIME SERIES IN UNITS OF G\nNPTS=   8000, DT=   .0050 SEC,\n";
            char value[32];
            for (std::size_t i = 0; i < sampleCount; ++i) {
                std::snprintf(value, sizeof value, "%15.7E%s", records.back()[i], i % 5 == 4 ? "\n" : "");
                text += value;
            }
            QFile file(folder.path() + QStringLiteral("/RSN%1_BENCH_H1.AT2").arg(r + 1));
            if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
                std::fprintf(stderr, "cannot write the library\n");
        }
    }
    QString indexPath() const { return indexFolder.path() + QStringLiteral("/library.sqlite"); }
};

Library& library()
{
    static Library made;
    return made;
}

void removeIndex()
{
    for (const char* companion : {"", "-wal", "-shm", ".lock"})
        QFile::remove(library().indexPath() + QLatin1String(companion));
}

void BM_EngineAlone(benchmark::State& state)
{
    const Library& lib = library();
    for (auto _ : state) {
        for (const std::vector<double>& a : lib.records) {
            const std::vector<double> sa = pseudoSpectralAcceleration(a, step, libraryPeriods(), libraryDamping);
            benchmark::DoNotOptimize(sa.data());
        }
    }
}
BENCHMARK(BM_EngineAlone)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_IndexFromScratch(benchmark::State& state)
{
    const LibraryLocation location = libraryLocation(library().folder.path());
    for (auto _ : state) {
        state.PauseTiming();
        removeIndex();
        state.ResumeTiming();
        LibraryIndex index(library().indexPath());
        const IndexSummary summary = updateLibraryIndex(index, {location});
        if (summary.components != recordCount)
            state.SkipWithError("not every record was indexed");
    }
}
BENCHMARK(BM_IndexFromScratch)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_IndexUnchanged(benchmark::State& state)
{
    const LibraryLocation location = libraryLocation(library().folder.path());
    for (auto _ : state) {
        LibraryIndex index(library().indexPath());
        const IndexSummary summary = updateLibraryIndex(index, {location});
        if (summary.unchanged != recordCount)
            state.SkipWithError("the index did not hold the library");
    }
}
BENCHMARK(BM_IndexUnchanged)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    // Every ratio compares times in one unit, milliseconds.
    BenchTimes reporter;
    reporter.runAll(argc, argv);
    if (const double ratio = BenchTimes::ratio(reporter.real, "BM_IndexFromScratch", "BM_EngineAlone"))
        std::printf("index from scratch / engine alone: %.2f (goal: at most 1.3)\n", ratio);
    if (const double ratio = BenchTimes::ratio(reporter.real, "BM_IndexUnchanged", "BM_IndexFromScratch"))
        std::printf("index unchanged / from scratch: %.4f (goal: at most 0.02)\n", ratio);
    removeIndex();
    return 0;
}
