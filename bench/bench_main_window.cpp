// Cost of Create, Delete and Delete All on the main window as the number of
// spectra grows. Run offscreen: QT_QPA_PLATFORM=offscreen bench_main_window
#include "common/UserDialogs.h"
#include "ui/KavrelApplication.h"
#include "ui/CheckListBox.h"
#include "ui/StringGrid.h"
#include "ui/Unit1.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<TForm1> formWith(int spectra)
{
    auto form = std::make_unique<TForm1>();
    for (int i = 0; i < spectra; ++i) {
        form->edt4->setText(QString("S%1").arg(i));
        form->Button1Click();
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
        form->edt4->setText(QString("New%1").arg(next++));
        state.ResumeTiming();
        form->Button1Click();
        state.PauseTiming();
        form->removeSpectrum(form->edt4->text().toStdString());
        form->strngrd1->setRowCount(present + 1);
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
        form->lst1->setCurrentRow(present - 1);
        state.ResumeTiming();
        form->Button4Click();
        state.PauseTiming();
        form->edt4->setText(QString("S%1").arg(present - 1));
        form->Button1Click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Delete)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_DeleteAll(benchmark::State& state)
{
    const int present = static_cast<int>(state.range(0));
    auto form = std::make_unique<TForm1>();
    for (auto _ : state) {
        state.PauseTiming();
        form = formWith(present);
        state.ResumeTiming();
        form->Button5Click();
    }
}
BENCHMARK(BM_DeleteAll)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(5);

// Rebuilding the grid alone: 121 formatted values a row.
void BM_RebuildGrid(benchmark::State& state)
{
    auto form = formWith(static_cast<int>(state.range(0)));
    for (auto _ : state)
        form->rebuildGrid();
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
