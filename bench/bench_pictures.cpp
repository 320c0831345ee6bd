// Saving the graph panel's chart (857 x 353, three curves of 601 points) in
// each picture format, into memory as Save Picture does before it writes.
// Goal: under 200 ms each.
#include "export/PictureFormat.h"
#include "ui/ChartControl.h"
#include "ui/ChartPicture.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<ChartControl> panelChart()
{
    auto chart = std::make_unique<ChartControl>();
    chart->resize(857, 353);
    for (int c = 0; c < 3; ++c) {
        QList<QPointF> points;
        for (int i = 0; i <= 600; ++i)
            points << QPointF(i * 0.01, 0.02 * (c + 1) * (1 + 1.0 / (1 + i * 0.01)));
        chart->addCurve(QStringLiteral("Spectrum-%1").arg(c + 1), points);
    }
    chart->show();
    QCoreApplication::processEvents();
    return chart;
}

void savePicture(benchmark::State& state, PictureFormat format)
{
    const auto chart = panelChart();
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = static_cast<std::size_t>(renderWidgetPicture(chart.get(), format).size());
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_SaveBmp(benchmark::State& state) { savePicture(state, PictureFormat::Bmp); }
void BM_SavePng(benchmark::State& state) { savePicture(state, PictureFormat::Png); }
void BM_SaveSvg(benchmark::State& state) { savePicture(state, PictureFormat::Svg); }
void BM_SavePdf(benchmark::State& state) { savePicture(state, PictureFormat::Pdf); }

BENCHMARK(BM_SaveBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
