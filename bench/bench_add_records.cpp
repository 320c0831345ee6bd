// Add Records through the window: 7 records of 16,000 samples (0.005 s) read
// from plain-column files, each scaled, its spectrum computed at the chart's
// 601 and the grid's 121 periods and drawn as a dashed curve. Goal: under
// 0.5 s for the 7. Run offscreen: QT_QPA_PLATFORM=offscreen bench_add_records
#include "BenchTimes.h"
#include "SilentDialogs.h"
#include "ui/ChartControl.h"
#include "ui/KavrelApplication.h"
#include "ui/MainWindow.h"
#include "ui/RecordCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <memory>
#include <cstdio>

namespace {

constexpr int recordCount = 7;
constexpr int sampleCount = 16000;
constexpr double step = 0.005;
constexpr double goalSeconds = 0.5;

// A broadband shaking in g, one value a line, each record a little different.
QStringList writeRecords(const QTemporaryDir& folder)
{
    QStringList paths;
    for (int r = 0; r < recordCount; ++r) {
        QByteArray text = "time_s\taccel_g\n";
        unsigned state = 12345u + static_cast<unsigned>(r);
        for (int i = 0; i < sampleCount; ++i) {
            const double t = i * step;
            state = state * 1103515245u + 12345u;
            const double noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
            const double envelope = t < 5 ? t / 5 : std::exp(-(t - 5) / 15);
            const double a = envelope * (0.2 * noise + 0.1 * std::sin(2 * M_PI * (1.1 + r * 0.3) * t));
            text += QByteArray::number(t, 'g', 17) + '\t' + QByteArray::number(a, 'g', 17) + '\n';
        }
        const QString path = folder.filePath(QStringLiteral("record%1.txt").arg(r + 1));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return {};
        paths << path;
    }
    return paths;
}

void BM_AddSevenRecords(benchmark::State& state)
{
    QTemporaryDir folder;
    const QStringList paths = writeRecords(folder);
    if (paths.size() != recordCount) {
        state.SkipWithError("the record files could not be written");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<MainWindow>();
        form->show();
        state.ResumeTiming();
        form->records().addRecordFiles(paths);
        QCoreApplication::processEvents();  // the curves drawn on screen
        state.PauseTiming();
        const bool added = form->chart()->curveCount() == recordCount;
        form.reset();  // the window goes outside the measured time
        state.ResumeTiming();
        if (!added) {
            state.SkipWithError("not every record was added");
            return;
        }
    }
}
BENCHMARK(BM_AddSevenRecords)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    KavrelApplication app(argc, argv);
    BenchTimes reporter;
    {
        SilentDialogs dialogs;
        reporter.runAll(argc, argv);
    }
    // Milliseconds per run, averaged over the iterations.
    const double worstSeconds = reporter.real["BM_AddSevenRecords"] / 1000.0;
    std::printf("Add Records of %d x %d samples: %.3f s (goal: under %.1f s) %s\n", recordCount, sampleCount,
                worstSeconds, goalSeconds, worstSeconds < goalSeconds ? "met" : "NOT MET");
    return worstSeconds < goalSeconds ? 0 : 1;
}
