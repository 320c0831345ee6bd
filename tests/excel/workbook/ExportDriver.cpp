#include "WorkbookServerFixture.h"

#include "excel/CellReference.h"
#include "excel/ExcelToolkit.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <cmath>

Curve spectrumCurve(const std::string& title, double plateau)
{
    Curve curve{title, {}, {}};
    for (int i = 0; i <= 600; ++i) {
        const double period = i * 0.01;
        double alpha = plateau;
        if (period < 0.1)
            alpha = plateau * (0.45 + 5.5 * period);
        else if (period > 0.35)
            alpha = plateau * std::pow(0.35 / period, 0.9);
        curve.x.push_back(period);
        curve.y.push_back(alpha);
    }
    return curve;
}

namespace {

void setFontSize(const Variant& owner, std::int32_t size)
{
    putInt(getProperty(owner, "Font"), "Size", size);
}

} // namespace

void exportCurves(Variant& app, const std::vector<Curve>& curves)
{
    const Variant application = createExcelApplication(app);
    showExcelApplication(app);
    const Variant workbook = callFunction(getProperty(application, "WorkBooks"), "Add");
    const Variant sheet = getWithText(workbook, "Sheets", "Sheet1");
    const std::int32_t left = cellLeft(sheet, 5, 3);
    const std::int32_t top = cellTop(sheet, 5, 3);
    const Variant chartObject = addChartAt(sheet, left, top, 280, 450);

    for (std::size_t i = 0; i < curves.size(); ++i) {
        const auto column = static_cast<std::int32_t>(2 * i + 1);
        setCellText(sheet, 1, column, "X");
        setCellText(sheet, 1, column + 1, curves[i].title);
        for (std::size_t k = 0; k < curves[i].x.size(); ++k) {
            const auto row = static_cast<std::int32_t>(k + 2);
            setCellText(sheet, row, column, toNarrow(formatGeneral(curves[i].x[k])));
            setCellText(sheet, row, column + 1, toNarrow(formatGeneral(curves[i].y[k])));
        }
    }

    callProcedure(chartObject, "Select");
    const Variant chart = getProperty(application, "ActiveChart");
    const Variant collection = callFunction(chart, "SeriesCollection");
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const auto column = static_cast<std::int32_t>(2 * i + 1);
        const auto last = static_cast<std::int32_t>(curves[i].x.size() + 1);
        const Variant series = callFunction(collection, "NewSeries");
        setSeriesData(series, sheetCellFormula(1, column + 1), sheetRangeFormula(2, column, last, column),
                      sheetRangeFormula(2, column + 1, last, column + 1));
        setSeriesMarker(series, -4142, 2);
        setSeriesLineWeight(series, 1.0f);
    }

    setXAxisTitle(chart, "Period, T(s)");
    setFontSize(getProperty(callWithInts(chart, "Axes", 1, 1), "AxisTitle"), 10);
    setXAxisLine(chart, true);
    setXAxisCrossesAt(chart, -1215752192);
    setMajorTickMark(chart, 1, 2);
    setYAxisTitle(chart, "Spectral Accleration,Sa (g)");
    setFontSize(getProperty(callWithInts(chart, "Axes", 2, 1), "AxisTitle"), 10);
    setYAxisLine(chart, true);
    setYAxisCrossesAt(chart, -1215752192);
    setMajorGridlines(chart, false);
    setMajorTickMark(chart, 2, 2);
    setFontSize(getProperty(callWithInt(chart, "Axes", 2), "TickLabels"), 10);
    setFontSize(getProperty(callWithInt(chart, "Axes", 1), "TickLabels"), 10);
    callWithInt(chart, "SetElement", 101);
    putBool(getProperty(chart, "Legend"), "IncludeInLayout", false);
    setFontSize(getProperty(chart, "Legend"), 10);
    setPlotAreaLine(chart, true);
    setHasTitle(chart, false);
}

QString zipEntry(const QString& file, const QString& entry)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, entry});
    if (!unzip.waitForFinished(30000) || unzip.exitStatus() != QProcess::NormalExit || unzip.exitCode() != 0) {
        ADD_FAILURE() << "unzip -p " << file.toStdString() << " " << entry.toStdString() << " failed: "
                      << unzip.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(unzip.readAllStandardOutput());
}
