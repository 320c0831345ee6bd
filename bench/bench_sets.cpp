// Opening set files through the window and Delete All, against Creates.
// Opening adds the spectra through the same set and views as Create does, so
// 1,000 opened must not cost more than 1.2 times 1,000 Creates; and opening
// and Delete All grow with the set's size: 4,000 spectra take at most 4.5
// times as long as 1,000. Run offscreen: QT_QPA_PLATFORM=offscreen bench_sets
#include "BenchTimes.h"
#include "SilentDialogs.h"
#include "export/SetFile.h"
#include "spectrum/StartupDefaults.h"
#include "ui/KavrelApplication.h"
#include "ui/MainWindow.h"
#include "ui/SetDocument.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int spectrumCount = 1000;
constexpr double allowedRatio = 1.2;
// Four times the spectra; a little more than four times the time for noise.
constexpr double allowedGrowth = 4.5;

QString name(int i)
{
    return QStringLiteral("S%1").arg(i);
}

void BM_CreateThroughWindow(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<MainWindow>();
        auto* nameEdit = form->findChild<QLineEdit*>("edt4");
        state.ResumeTiming();
        for (int i = 0; i < spectrumCount; ++i) {
            nameEdit->setText(name(i));
            form->createSpectrum();
        }
        state.PauseTiming();
        if (form->spectra().size() != spectrumCount)
            state.SkipWithError("a Create was refused");
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateThroughWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

// A set file of `count` spectra: the table values of the first selections,
// the same spectra as the Creates make.
QString writeSetFile(const QTemporaryDir& folder, int count)
{
    const QString path = folder.filePath(QStringLiteral("set%1.kspect").arg(count));
    SetContents contents;
    for (int i = 0; i < count; ++i)
        contents.push_back({name(i).toStdString(), startup::codeType, 0.04, 0.2, startup::dampingRatio, true,
                            originOfSelections(0, 0, 0, 0)});
    saveSetFile(path, contents);
    return path;
}

// Curves the chart let go are deleted once the event loop comes round.
void deleteReleasedObjects()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenSetFile(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path = writeSetFile(folder, count);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<MainWindow>();
        state.ResumeTiming();
        form->document().openSetFile(path);
        state.PauseTiming();
        if (form->spectra().size() != count)
            state.SkipWithError("the set was not opened");
        form.reset();
        deleteReleasedObjects();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSetFile)->Arg(spectrumCount)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DeleteAll(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path = writeSetFile(folder, count);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<MainWindow>();
        form->document().openSetFile(path);
        deleteReleasedObjects();
        state.ResumeTiming();
        form->deleteAllSpectra();
        deleteReleasedObjects();
        state.PauseTiming();
        if (form->spectra().size() != 0)
            state.SkipWithError("the set was not emptied");
        form.reset();
        deleteReleasedObjects();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteAll)->Arg(spectrumCount)->Arg(4000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    KavrelApplication app(argc, argv);
    BenchTimes reporter;
    {
        SilentDialogs dialogs;
        reporter.runAll(argc, argv);
    }

    // Each limit is checked when both of its benchmarks ran (a filter may
    // run only some).
    struct Limit {
        const char* what;
        const char* measured;
        const char* base;
        double allowed;
    };
    const Limit limits[] = {
        {"open 1,000 / 1,000 creates", "BM_OpenSetFile/1000/iterations:3", "BM_CreateThroughWindow/iterations:3",
         allowedRatio},
        {"open 4,000 / open 1,000", "BM_OpenSetFile/4000/iterations:3", "BM_OpenSetFile/1000/iterations:3",
         allowedGrowth},
        {"delete all 4,000 / delete all 1,000", "BM_DeleteAll/4000/iterations:3", "BM_DeleteAll/1000/iterations:3",
         allowedGrowth},
    };
    int failed = 0;
    for (const Limit& limit : limits) {
        const auto measured = reporter.real.find(limit.measured);
        const auto base = reporter.real.find(limit.base);
        if (measured == reporter.real.end() || base == reporter.real.end() || base->second <= 0)
            continue;
        const double ratio = measured->second / base->second;
        std::printf("%s = %.2f (at most %.1f)\n", limit.what, ratio, limit.allowed);
        if (ratio > limit.allowed)
            ++failed;
    }
    return failed == 0 ? 0 : 1;
}
