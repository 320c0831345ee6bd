#include "excel/ChartExport.h"

#include "common/KavrelError.h"
#include "excel/AutomationCalls.h"
#include "excel/CellReference.h"
#include "excel/ExcelConstants.h"
#include "excel/ExcelOperation.h"
#include "excel/ExcelToolkit.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>

ExportChart::~ExportChart() = default;

std::int32_t ExportChart::seriesDashStyle(int) const
{
    return xl::LineSolid;
}

bool ExportChart::coloursTellCurvesApart() const
{
    return false;
}

namespace {

std::string numberText(double value)
{
    return toNarrow(formatGeneral(value));
}

std::string rangeFormula(std::int32_t column, std::int32_t lastRow)
{
    return sheetRangeFormula(2, column, lastRow, column);
}

// Selects the chart object and returns the chart that makes active.
Variant selectChart(const Variant& chartObject, const Variant& app)
{
    callProcedure(chartObject, "Select");
    return getProperty(app, "ActiveChart");
}

// Line colour, markers, line weight and, for a curve that is not solid, its
// dashes, in this order. `colour` is asked only when an option, or the
// chart's need to tell its curves apart, takes the curve's colour.
void formatSeries(const Variant& series, const ExcelOp& options, bool pointsOnly,
                  const std::function<ExportChart::Colour()>& colour, std::int32_t dashStyle = xl::LineSolid,
                  bool keepColour = false)
{
    if (options.lineColorMode == 1 || keepColour) {
        const ExportChart::Colour c = colour();
        setSeriesLineColor(series, c.red, c.green, c.blue);
    }
    if (options.showMarker) {
        setSeriesMarker(series, options.markerStyle, options.markerSize);
        if (options.markerColorMode == 1) {
            const ExportChart::Colour c = colour();
            setSeriesMarkerFill(series, c.red, c.green, c.blue);
        }
    } else if (!pointsOnly) {
        setSeriesMarker(series, xl::MarkerNone, 2);
    }
    setSeriesLineWeight(series, options.lineWeight);
    if (dashStyle != xl::LineSolid && !pointsOnly)
        setSeriesLineDash(series, dashStyle);
}

// One pair of columns and one series per curve.
void writeSeriesPerCurve(const ExportChart& chart, const ExcelOp& options, const Variant& sheet,
                         const Variant& chartObject, const Variant& app, Variant& activeChart)
{
    const int curves = chart.seriesCount();
    const bool keepColours = chart.coloursTellCurvesApart();
    for (int i = 0; i < curves; ++i) {
        const std::int32_t xColumn = 2 * i + 1;
        const std::int32_t yColumn = 2 * i + 2;
        setCellText(sheet, 1, xColumn, "X");
        setCellText(sheet, 1, yColumn, chart.seriesTitle(i));
        const int points = std::min(chart.xValueCount(i), chart.yValueCount(i));
        for (int k = 0; k < points; ++k) {
            setCellText(sheet, k + 2, xColumn, numberText(chart.xValue(i, k)));
            setCellText(sheet, k + 2, yColumn, numberText(chart.yValue(i, k)));
        }
    }

    activeChart = selectChart(chartObject, app);
    const Variant collection = callFunction(activeChart, "SeriesCollection");
    for (int i = 0; i < curves; ++i) {
        const Variant series = callFunction(collection, "NewSeries");
        const std::int32_t xColumn = 2 * i + 1;
        const std::int32_t yColumn = 2 * i + 2;
        setSeriesData(series, sheetCellFormula(1, yColumn), rangeFormula(xColumn, chart.xValueCount(i) + 1),
                      rangeFormula(yColumn, chart.yValueCount(i) + 1));
        formatSeries(series, options, chart.isPointsOnly(i), [&] { return chart.seriesColour(i); },
                     chart.seriesDashStyle(i), keepColours);
        if (chart.isPointsOnly(i))
            putInt(series, "ChartType", xl::XYScatter);
    }
}

// The combined series takes the first curve's colour; a chart without
// curves has none to give.
ExportChart::Colour firstCurveColour(const ExportChart& chart)
{
    if (chart.seriesCount() == 0)
        throw KavrelError(
            QCoreApplication::translate("ChartExport", "The chart has no curve to take the series colour from."));
    return chart.seriesColour(0);
}

// All curves one after another in one series named "X-Y".
void writeCombinedSeries(const ExportChart& chart, const ExcelOp& options, const Variant& sheet,
                         const Variant& chartObject, const Variant& app, Variant& activeChart)
{
    const int curves = chart.seriesCount();
    setCellText(sheet, 1, 1, "Serie Name");
    setCellText(sheet, 1, 2, "X");
    setCellText(sheet, 1, 3, "Y");
    std::int32_t row = 2;
    std::int32_t total = 0;
    for (int i = 0; i < curves; ++i) {
        setCellText(sheet, row, 1, chart.seriesTitle(i));
        const int points = std::min(chart.xValueCount(i), chart.yValueCount(i));
        for (int k = 0; k < points; ++k) {
            setCellText(sheet, row, 2, numberText(chart.xValue(i, k)));
            setCellText(sheet, row, 3, numberText(chart.yValue(i, k)));
            ++row;
        }
        total += chart.xValueCount(i);
    }

    activeChart = selectChart(chartObject, app);
    const Variant collection = callFunction(activeChart, "SeriesCollection");
    const Variant series = callFunction(collection, "NewSeries");
    setSeriesData(series, "X-Y", rangeFormula(2, total + 1), rangeFormula(3, total + 1));
    formatSeries(series, options, false, [&] { return firstCurveColour(chart); });
}

void setAxisTitleFontSize(const Variant& chart, std::int32_t type, std::int32_t size)
{
    const Variant axis = callWithInts(chart, "Axes", type, xl::PrimaryGroup);
    const Variant title = getProperty(axis, "AxisTitle");
    const Variant font = getProperty(title, "Font");
    putInt(font, "Size", size);
}

void setTickLabelFontSize(const Variant& chart, std::int32_t type, std::int32_t size)
{
    const Variant axis = callWithInt(chart, "Axes", type);
    const Variant labels = getProperty(axis, "TickLabels");
    const Variant font = getProperty(labels, "Font");
    putInt(font, "Size", size);
}

// Axis titles and lines, crossings, tick marks, gridlines, tick labels,
// legend, plot-area border and title, in this order.
void formatChart(const Variant& chart, const ExcelOp& options)
{
    if (options.showAxisTitle) {
        setXAxisTitle(chart, options.xAxisTitle);
        setAxisTitleFontSize(chart, xl::CategoryAxis, options.axisTitleFontSize);
    }
    setXAxisLine(chart, options.showAxisLine);
    if (!options.xAxisPosition.empty())
        setXAxisCrossesAt(chart, axisPositionValue(options.xAxisPosition));
    setMajorTickMark(chart, xl::CategoryAxis, xl::TickMarkInside);
    if (options.showAxisTitle) {
        setYAxisTitle(chart, options.yAxisTitle);
        setAxisTitleFontSize(chart, xl::ValueAxis, options.axisTitleFontSize);
    }
    setYAxisLine(chart, options.showAxisLine);
    if (!options.yAxisPosition.empty())
        setYAxisCrossesAt(chart, axisPositionValue(options.yAxisPosition));
    setMajorGridlines(chart, options.showGridlines);
    setMajorTickMark(chart, xl::ValueAxis, xl::TickMarkInside);
    setTickLabelFontSize(chart, xl::ValueAxis, options.tickLabelFontSize);
    setTickLabelFontSize(chart, xl::CategoryAxis, options.tickLabelFontSize);
    if (options.showLegend) {
        callWithInt(chart, "SetElement", xl::ElementLegendRight);
        const Variant legend = getProperty(chart, "Legend");
        putBool(legend, "IncludeInLayout", options.legendInLayout);
        const Variant font = getProperty(legend, "Font");
        putInt(font, "Size", options.legendFontSize);
    }
    setPlotAreaLine(chart, options.showPlotAreaLine);
    setHasTitle(chart, options.showTitle);
    if (options.showTitle)
        setChartTitleText(chart, options.titleText);
}

} // namespace

std::int32_t axisPositionValue(const std::string& text)
{
    double value = 0;
    const QString shown = fromNarrow(text);
    // Beyond +-2^63 a truncation to 64 bits has no meaning.
    if (!parseLocaleDouble(shown, value) || std::fabs(value) >= 9.2233720368547758e18)
        throw KavrelError(QCoreApplication::translate("ChartExport", "\"%1\" is not a valid axis position.").arg(shown));
    const auto whole = static_cast<std::int64_t>(value);  // truncates toward zero
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

void exportChartToExcel(const ExportChart& chart, ExcelOp& options)
{
    // Every handle below but `excelApp` is released when the export ends,
    // however it ends.
    const Variant app = createExcelApplication(options.excelApp);
    if (app.isEmpty())
        return;
    showExcelApplication(options.excelApp);

    const Variant workbooks = getProperty(app, "WorkBooks");
    const Variant workbook = callFunction(workbooks, "Add");
    const Variant sheet = getWithText(workbook, "Sheets", "Sheet1");

    const std::int32_t left = cellLeft(sheet, 5, 3);
    const std::int32_t top = cellTop(sheet, 5, 3);
    const Variant chartObject = addChartAt(sheet, left, top, options.chartWidth, options.chartHeight);

    Variant activeChart;
    if (options.combinedOutput == 0)
        writeSeriesPerCurve(chart, options, sheet, chartObject, app, activeChart);
    else
        writeCombinedSeries(chart, options, sheet, chartObject, app, activeChart);

    formatChart(activeChart, options);
}
