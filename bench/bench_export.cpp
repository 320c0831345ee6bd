// The spreadsheet export of 100 curves of 601 points through the call layer
// into the built-in workbook server and its file, against writing the same
// cells and chart directly with libxlsxwriter.
#include "SilentDialogs.h"
#include "excel/ChartExport.h"
#include "excel/ExcelOperation.h"
#include "excel/workbook/WorkbookServer.h"
#include "excel/ClassRegistry.h"
#include "support/TemporaryHome.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <string>
#include <vector>

namespace {

constexpr int curveCount = 100;
constexpr int pointCount = 601;

class Curves : public ExportChart {
public:
    int seriesCount() const override { return curveCount; }
    std::string seriesTitle(int s) const override { return "S" + std::to_string(s); }
    int xValueCount(int) const override { return pointCount; }
    double xValue(int, int i) const override { return i * 0.01; }
    int yValueCount(int) const override { return pointCount; }
    double yValue(int s, int i) const override { return 0.01 * (s + 1) + i * 1e-5; }
    Colour seriesColour(int) const override { return {}; }
    bool isPointsOnly(int) const override { return false; }
};

// Opens nothing and prints nothing while the benchmark runs.
void BM_ExportThroughServer(benchmark::State& state)
{
    TemporaryHome home;  // the workbooks go with it, not into the user's documents
    SilentDialogs dialogs;
    registerWorkbookServer();
    const Curves chart;
    for (auto _ : state) {
        ExcelOp options;
        options.setDefaults();
        exportChartToExcel(chart, options);  // the file is written as the handles go
    }
}
BENCHMARK(BM_ExportThroughServer)->Unit(benchmark::kMillisecond);

void BM_DirectLibxlsxwriter(benchmark::State& state)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("direct.xlsx").toStdString();
    const Curves chart;
    for (auto _ : state) {
        lxw_workbook* workbook = workbook_new(path.c_str());
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Sheet1");
        lxw_chart* plot = workbook_add_chart(workbook, LXW_CHART_SCATTER_SMOOTH);
        for (int s = 0; s < curveCount; ++s) {
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(2 * s), "X", nullptr);
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(2 * s + 1), chart.seriesTitle(s).c_str(), nullptr);
            for (int i = 0; i < pointCount; ++i) {
                worksheet_write_number(sheet, static_cast<lxw_row_t>(i + 1), static_cast<lxw_col_t>(2 * s),
                                       chart.xValue(s, i), nullptr);
                worksheet_write_number(sheet, static_cast<lxw_row_t>(i + 1), static_cast<lxw_col_t>(2 * s + 1),
                                       chart.yValue(s, i), nullptr);
            }
            lxw_chart_series* series = chart_add_series(plot, nullptr, nullptr);
            chart_series_set_categories(series, "Sheet1", 1, static_cast<lxw_col_t>(2 * s), pointCount,
                                        static_cast<lxw_col_t>(2 * s));
            chart_series_set_values(series, "Sheet1", 1, static_cast<lxw_col_t>(2 * s + 1), pointCount,
                                    static_cast<lxw_col_t>(2 * s + 1));
            chart_series_set_name_range(series, "Sheet1", 0, static_cast<lxw_col_t>(2 * s + 1));
        }
        worksheet_insert_chart(sheet, 4, 2, plot);
        if (workbook_close(workbook) != LXW_NO_ERROR)
            state.SkipWithError("workbook_close failed");
    }
}
BENCHMARK(BM_DirectLibxlsxwriter)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
