// Cost of Create, Delete and Delete All on the main window as the number of
// spectra grows. Run offscreen: QT_QPA_PLATFORM=offscreen bench_main_window
#include "common/UserDialogs.h"
#include "ui/KavrelApplication.h"
#include "ui/CheckListBox.h"
#include "ui/StringGrid.h"
#include "spectrum/KavrelSpectrum.h"
#include "ui/MainWindow.h"
#include "ui/SetViews.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

QLineEdit* nameEdit(MainWindow& form)
{
    return form.findChild<QLineEdit*>("edt4");
}

std::unique_ptr<MainWindow> formWith(int spectra)
{
    auto form = std::make_unique<MainWindow>();
    for (int i = 0; i < spectra; ++i) {
        nameEdit(*form)->setText(QString("S%1").arg(i));
        form->createSpectrum();
    }
    return form;
}

// One Create with `state.range(0)` spectra already present.
void BM_Create(benchmark::State& state)
{
    const int present = static_cast<int>(state.range(0));
    auto form = formWith(present);
    int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        nameEdit(*form)->setText(QString("New%1").arg(next++));
        state.ResumeTiming();
        form->createSpectrum();
        state.PauseTiming();
        form->checkList()->setCurrentRow(present);
        form->deleteSpectrum();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Create)->Arg(0)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

// Delete of the current (last) entry with `state.range(0)` spectra present.
void BM_Delete(benchmark::State& state)
{
    const int present = static_cast<int>(state.range(0));
    auto form = formWith(present);
    for (auto _ : state) {
        state.PauseTiming();
        form->checkList()->setCurrentRow(present - 1);
        state.ResumeTiming();
        form->deleteSpectrum();
        state.PauseTiming();
        nameEdit(*form)->setText(QString("S%1").arg(present - 1));
        form->createSpectrum();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Delete)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_DeleteAll(benchmark::State& state)
{
    const int present = static_cast<int>(state.range(0));
    auto form = std::make_unique<MainWindow>();
    for (auto _ : state) {
        state.PauseTiming();
        form = formWith(present);
        state.ResumeTiming();
        form->deleteAllSpectra();
    }
}
BENCHMARK(BM_DeleteAll)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(5);

// Rebuilding the grid alone, as after a Delete: 121 formatted values a row.
void BM_RebuildGrid(benchmark::State& state)
{
    SpectrumSet set;
    StringGrid grid;
    GridFollowsSet view(set, &grid);
    view.writeHeader();
    for (int i = 0; i < state.range(0); ++i)
        set.add(std::make_unique<KavrelSpectrum>("S" + std::to_string(i), 0.16, 0.35, 0.05, 0));
    for (auto _ : state)
        view.spectrumRemoved(0);
}
BENCHMARK(BM_RebuildGrid)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KavrelApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
