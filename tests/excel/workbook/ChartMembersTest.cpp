#include "WorkbookServerFixture.h"

#include "excel/ExcelToolkit.h"

namespace {

class WorkbookChart : public WorkbookServer {
protected:
    void SetUp() override { startWithChart(); }

    Variant newSeries() { return callFunction(callFunction(chart, "SeriesCollection"), "NewSeries"); }

    static double number(const Variant& value)
    {
        double result = 0;
        EXPECT_TRUE(value.toDouble(result)) << "not a number";
        return result;
    }
};

} // namespace

TEST_F(WorkbookChart, TheChartObjectKeepsItsPlaceAndSize)
{
    EXPECT_EQ(number(getProperty(chartObject, "Left")), 96);
    EXPECT_EQ(number(getProperty(chartObject, "Top")), 60);
    EXPECT_EQ(number(getProperty(chartObject, "Width")), 280);
    EXPECT_EQ(number(getProperty(chartObject, "Height")), 450);
    putSingle(chartObject, "Left", 100.5f);
    EXPECT_EQ(number(getProperty(chartObject, "Left")), 100.5);
}

TEST_F(WorkbookChart, SeriesAreNamedByTheirNameCellOrTheirText)
{
    setCellText(sheet, 1, 2, "GB50011 rare");
    const Variant first = newSeries();
    setSeriesData(first, "=Sheet1!$B$1", "=Sheet1!$A$2:$A$602", "=Sheet1!$B$2:$B$602");
    EXPECT_EQ(getProperty(first, "Name").textValue(), u"GB50011 rare");
    setCellText(sheet, 1, 2, "renamed");
    EXPECT_EQ(getProperty(first, "Name").textValue(), u"renamed") << "the name follows its cell";

    const Variant second = newSeries();
    EXPECT_EQ(getProperty(second, "Name").textValue(), u"Series2");
    setSeriesData(second, "X-Y", "=Sheet1!$B$2:$B$1203", "=Sheet1!$C$2:$C$1203");
    EXPECT_EQ(getProperty(second, "Name").textValue(), u"X-Y");

    EXPECT_EQ(getProperty(callFunction(chart, "SeriesCollection"), "Count").int32Value(), 2);
}

TEST_F(WorkbookChart, SeriesFormattingReadsBack)
{
    const Variant series = newSeries();
    setSeriesLineColor(series, 255, 128, 0);
    setSeriesLineWeight(series, 1.5f);
    const Variant line = getProperty(getProperty(series, "Format"), "Line");
    EXPECT_EQ(number(getProperty(line, "DashStyle")), 1);  // solid until set
    setSeriesLineDash(series, 5);
    setSeriesMarker(series, 8, 4);
    setSeriesMarkerFill(series, 0, 0, 255);

    EXPECT_EQ(number(getProperty(getProperty(line, "ForeColor"), "RGB")), 255 + 256 * 128);
    EXPECT_EQ(number(getProperty(line, "Weight")), 1.5);
    EXPECT_EQ(number(getProperty(line, "DashStyle")), 5);
    EXPECT_EQ(number(getProperty(series, "MarkerStyle")), 8);
    EXPECT_EQ(number(getProperty(series, "MarkerSize")), 4);
    const Variant fill = getProperty(getProperty(series, "Format"), "Fill");
    EXPECT_EQ(number(getProperty(getProperty(fill, "ForeColor"), "RGB")), 65536 * 255);

    // Without markers only the style is written; the size stays.
    setSeriesMarker(series, -4142, 2);
    EXPECT_EQ(number(getProperty(series, "MarkerStyle")), -4142);
    EXPECT_EQ(number(getProperty(series, "MarkerSize")), 4);

    EXPECT_EQ(number(getProperty(series, "ChartType")), 72) << "a series starts with its chart's type";
    putInt(series, "ChartType", -4169);
    EXPECT_EQ(number(getProperty(series, "ChartType")), -4169);
}

TEST_F(WorkbookChart, AxesAnswerTheExportsFormatting)
{
    setXAxisTitle(chart, "Period, T(s)");
    setYAxisTitle(chart, "Spectral Accleration,Sa (g)");
    setXAxisCrossesAt(chart, -1215752192);
    setMajorTickMark(chart, 2, 2);
    setXAxisLine(chart, false);
    setMajorGridlines(chart, true);

    const Variant horizontal = callWithInts(chart, "Axes", 1, 1);
    const Variant vertical = callWithInt(chart, "Axes", 2);  // the group defaults to the primary axes
    EXPECT_EQ(getProperty(getProperty(horizontal, "AxisTitle"), "Text").textValue(), u"Period, T(s)");
    EXPECT_EQ(getProperty(getProperty(vertical, "AxisTitle"), "Text").textValue(), u"Spectral Accleration,Sa (g)");
    EXPECT_EQ(number(getProperty(horizontal, "CrossesAt")), -1215752192.0);
    EXPECT_EQ(number(getProperty(vertical, "MajorTickMark")), 2);
    EXPECT_EQ(number(getProperty(horizontal, "MajorTickMark")), 3) << "outside until set";

    const Variant axisLine = getProperty(getProperty(horizontal, "Format"), "Line");
    EXPECT_EQ(getProperty(axisLine, "Visible").boolValue(), 0);
    EXPECT_EQ(number(getProperty(getProperty(axisLine, "ForeColor"), "ObjectThemeColor")), 13);
    EXPECT_EQ(number(getProperty(getProperty(axisLine, "ForeColor"), "RGB")), 0) << "theme colour 13 is black";
    const Variant gridLine = getProperty(getProperty(getProperty(vertical, "MajorGridlines"), "Format"), "Line");
    EXPECT_EQ(getProperty(gridLine, "Visible").boolValue(), -1);

    const Variant tickFont = getProperty(getProperty(horizontal, "TickLabels"), "Font");
    putInt(tickFont, "Size", 12);
    EXPECT_EQ(number(getProperty(tickFont, "Size")), 12);
}

TEST_F(WorkbookChart, LegendPlotAreaAndTitleAnswerTheExportsFormatting)
{
    callWithInt(chart, "SetElement", 101);
    const Variant legend = getProperty(chart, "Legend");
    EXPECT_EQ(getProperty(legend, "IncludeInLayout").boolValue(), -1);
    putBool(legend, "IncludeInLayout", false);
    EXPECT_EQ(getProperty(legend, "IncludeInLayout").boolValue(), 0);
    putInt(getProperty(legend, "Font"), "Size", 10);
    EXPECT_EQ(number(getProperty(getProperty(legend, "Font"), "Size")), 10);

    setPlotAreaLine(chart, true);
    const Variant border = getProperty(getProperty(getProperty(chart, "PlotArea"), "Format"), "Line");
    EXPECT_EQ(getProperty(border, "Visible").boolValue(), -1);
    EXPECT_EQ(number(getProperty(getProperty(border, "ForeColor"), "ObjectThemeColor")), 13);

    EXPECT_EQ(getProperty(chart, "HasTitle").boolValue(), 0) << "a new chart starts without a title";
    setHasTitle(chart, true);
    EXPECT_EQ(getProperty(chart, "HasTitle").boolValue(), -1);
    setChartTitleText(chart, "Spectra");
    EXPECT_EQ(getProperty(getProperty(chart, "ChartTitle"), "Text").textValue(), u"Spectra");
    setHasTitle(chart, false);
    EXPECT_EQ(getProperty(chart, "HasTitle").boolValue(), 0);
    EXPECT_NO_THROW(setChartTitleText(chart, "ignored while there is no title"));
}
