// What one exported curve of 601 points costs in calls into the built-in
// workbook server: 1204 cells, each a Cells read and a Value write, 2408
// calls in all. Measured through the bare dispatch interface (name lookup
// and member call), through the automation call layer as the export makes
// them, and the writing of the finished workbook.

#include "excel/AutoArgs.h"
#include "excel/AutomationCalls.h"
#include "excel/ExcelToolkit.h"
#include "excel/workbook/WorkbookServer.h"
#include "support/TemporaryHome.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct CellText {
    std::int16_t row;
    std::int16_t column;
    std::string text;
};

// The cells of one curve, as the export writes them.
std::vector<CellText> curveCells()
{
    std::vector<CellText> cells{{1, 1, "X"}, {1, 2, "GB50011-2010 frequent"}};
    for (int k = 0; k <= 600; ++k) {
        const double period = k * 0.01;
        const double alpha = period < 0.35 ? 0.08 : 0.08 * std::pow(0.35 / period, 0.9);
        const auto row = static_cast<std::int16_t>(k + 2);
        cells.push_back({row, 1, toNarrow(formatGeneral(period))});
        cells.push_back({row, 2, toNarrow(formatGeneral(alpha))});
    }
    return cells;
}

// A hidden application with a workbook and its first sheet.
struct OpenSheet {
    OpenSheet()
    {
        app = Variant::adoptObject(newWorkbookApplication());
        workbook = callFunction(getProperty(app, "Workbooks"), "Add");
        sheet = getWithText(workbook, "Sheets", "Sheet1");
    }
    Variant app;
    Variant workbook;
    Variant sheet;
};

void OneCurveThroughTheDispatchInterface(benchmark::State& state)
{
    OpenSheet open;
    Dispatch* sheet = open.sheet.objectValue();
    // The arguments as the caller hands them over, built beforehand: the
    // cost measured is the server's.
    std::vector<DispParams> positions;
    std::vector<DispParams> values;
    for (const CellText& cell : curveCells()) {
        DispParams position;
        position.args = {Variant::fromInt16(cell.column), Variant::fromInt16(cell.row)};
        positions.push_back(position);
        DispParams value;
        value.args = {Variant::fromText(widenNarrow(cell.text))};
        value.namedArgs = {DispIdPropertyPut};
        values.push_back(value);
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            DispId cells = 0;
            sheet->getIDsOfNames(u"Cells", LocaleSystemDefault, cells);
            Variant range;
            ExcepInfo info;
            sheet->invoke(cells, LocaleSystemDefault, DispatchPropertyGet, positions[i], &range, &info);
            Dispatch* cell = range.objectValue();
            DispId value = 0;
            cell->getIDsOfNames(u"Value", LocaleSystemDefault, value);
            cell->invoke(value, LocaleSystemDefault, DispatchPropertyPut, values[i], nullptr, &info);
        }
    }
    state.counters["calls"] = benchmark::Counter(static_cast<double>(2 * positions.size()));
    state.counters["per_call"] = benchmark::Counter(static_cast<double>(2 * positions.size()) * state.iterations(),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(OneCurveThroughTheDispatchInterface)->Unit(benchmark::kMicrosecond);

void OneCurveThroughTheCallLayer(benchmark::State& state)
{
    OpenSheet open;
    const std::vector<CellText> cells = curveCells();
    for (auto _ : state) {
        for (const CellText& cell : cells)
            setCellText(open.sheet, cell.row, cell.column, cell.text);
    }
}
BENCHMARK(OneCurveThroughTheCallLayer)->Unit(benchmark::kMicrosecond);

// Filling a new workbook and letting go of it, which writes the .xlsx file.
void OneCurveWrittenToItsFile(benchmark::State& state)
{
    const std::vector<CellText> cells = curveCells();
    const Variant app = Variant::adoptObject(newWorkbookApplication());
    for (auto _ : state) {
        Variant workbook = callFunction(getProperty(app, "Workbooks"), "Add");
        const Variant sheet = getWithText(workbook, "Sheets", "Sheet1");
        for (const CellText& cell : cells)
            setCellText(sheet, cell.row, cell.column, cell.text);
        const Variant chartObject = addChartAt(sheet, 96, 60, 280, 450);
        callProcedure(chartObject, "Select");
        const Variant chart = getProperty(app, "ActiveChart");
        const Variant series = callFunction(callFunction(chart, "SeriesCollection"), "NewSeries");
        setSeriesData(series, "=Sheet1!$B$1", "=Sheet1!$A$2:$A$602", "=Sheet1!$B$2:$B$602");
    }
}
BENCHMARK(OneCurveWrittenToItsFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The benchmark's workbooks are nobody's to open: they go to a
    // temporary home that goes with them, not into the user's documents.
    TemporaryHome home;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
