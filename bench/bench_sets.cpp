// Opening a set file of 1,000 spectra against 1,000 Creates through the
// window, in the same run. Opening adds the spectra through the same set and
// views as Create does, so it must not cost more than 1.2 times as much.
// Run offscreen: QT_QPA_PLATFORM=offscreen bench_sets
#include "common/UserDialogs.h"
#include "export/SetFile.h"
#include "spectrum/StartupDefaults.h"
#include "ui/KavrelApplication.h"
#include "ui/MainWindow.h"
#include "ui/SetDocument.h"

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

class SilentDialogs final : public UserDialogs {
public:
    void warning(const QString&) override {}
    void information(const QString&) override {}
    void error(const QString&) override {}
    void messageBox(const QString&, const QString&, int) override {}
    std::optional<QString> askSaveFileName(const SaveFileRequest&) override { return std::nullopt; }
    void openUrl(const QString&) override {}
    bool question(const QString&) override { return false; }
    bool openDocument(const QString&) override { return true; }
};

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

void BM_OpenSetFile(benchmark::State& state)
{
    // The same spectra as the Creates make: the table values of the first
    // selections.
    QTemporaryDir folder;
    const QString path = folder.filePath("thousand.kspect");
    SetContents contents;
    for (int i = 0; i < spectrumCount; ++i)
        contents.push_back({name(i).toStdString(), startup::codeType, 0.04, 0.2, startup::dampingRatio, true,
                            originOfSelections(0, 0, 0, 0)});
    saveSetFile(path, contents);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<MainWindow>();
        state.ResumeTiming();
        form->document().openSetFile(path);
        state.PauseTiming();
        if (form->spectra().size() != spectrumCount)
            state.SkipWithError("the set was not opened");
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSetFile)->Unit(benchmark::kMillisecond)->Iterations(3);

// Prints as usual and keeps each benchmark's time for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    KavrelApplication app(argc, argv);
    SilentDialogs dialogs;
    UserDialogs* previous = setUserDialogs(&dialogs);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    setUserDialogs(previous);

    const auto create = reporter.times.find("BM_CreateThroughWindow/iterations:3");
    const auto open = reporter.times.find("BM_OpenSetFile/iterations:3");
    if (create == reporter.times.end() || open == reporter.times.end() || create->second <= 0)
        return 0;  // a filter ran only one of them
    const double ratio = open->second / create->second;
    std::printf("open / create = %.2f (at most %.1f)\n", ratio, allowedRatio);
    return ratio <= allowedRatio ? 0 : 1;
}
