#include "excel/AutomationError.h"
#include "excel/ChartExport.h"
#include "excel/ExcelOperation.h"
#include "support/FakeExportChart.h"
#include "support/FakeUserDialogs.h"
#include "support/RecordingDispatch.h"
#include "support/ScopedClassRegistration.h"

#include "common/KavrelError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class FakeChart : public FakeExportChart {
public:
    // A spectrum-like curve of `points` points, T = i x 0.01.
    void add(const std::string& title, int points = 601, ExportChart::Colour colour = {32, 64, 128})
    {
        FakeCurve c{title, {}, {}, colour, false};
        for (int i = 0; i < points; ++i) {
            c.x.push_back(i * 0.01);
            c.y.push_back(0.018 + i * 0.0001);
        }
        curves.push_back(c);
    }
};

const std::string sheet = "app.WorkBooks.Add.Sheets(\"Sheet1\")";
const std::string series = "app.ActiveChart.SeriesCollection.NewSeries";

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        recorder.answer("Left", Variant::fromDouble(96));
        recorder.answer("Top", Variant::fromDouble(60));
        options.setDefaults();
    }

    void TearDown() override
    {
        for (const auto& fault : recorder.faults)
            ADD_FAILURE() << fault;
    }

    std::vector<std::string> run()
    {
        exportChartToExcel(chart, options);
        return recorder.texts();
    }

    static bool has(const std::vector<std::string>& calls, const std::string& call)
    {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    static bool hasAnyContaining(const std::vector<std::string>& calls, const std::string& part)
    {
        return std::any_of(calls.begin(), calls.end(),
                           [&](const std::string& c) { return c.find(part) != std::string::npos; });
    }

    CallRecorder recorder;
    ScopedClassRegistration excel{"Excel.Application", [this] { return recorder.newObject("app"); }};
    FakeUserDialogs dialogs;
    FakeChart chart;
    ExcelOp options;
};

} // namespace

TEST_F(ExportTest, OneCurveWithTheDefaults)
{
    chart.add("Spectrum-1");
    const auto calls = run();

    const std::vector<std::string> start = {
        "get app.Application",
        "put app.Application.Visible = bool:-1",
        "get app.WorkBooks",
        "call app.WorkBooks.Add()",
        "get app.WorkBooks.Add.Sheets(text:\"Sheet1\")",
        "get " + sheet + ".Cells(i32:5, i32:3)",
        "get " + sheet + ".Cells(5,3).Left",
        "get " + sheet + ".Cells(i32:5, i32:3)",
        "get " + sheet + ".Cells(5,3).Top",
        "get " + sheet + ".Shapes",
        "call " + sheet + ".Shapes.AddChart2(i32:240, i32:72)",
        "put " + sheet + ".Shapes.AddChart2(240,72).Left = i32:96",
        "put " + sheet + ".Shapes.AddChart2(240,72).Top = i32:60",
        "put " + sheet + ".Shapes.AddChart2(240,72).Width = i32:280",
        "put " + sheet + ".Shapes.AddChart2(240,72).Height = i32:450",
        "get " + sheet + ".Cells(i16:1, i16:1)",
        "put " + sheet + ".Cells(1,1).Value = text:\"X\"",
        "get " + sheet + ".Cells(i16:1, i16:2)",
        "put " + sheet + ".Cells(1,2).Value = text:\"Spectrum-1\"",
        "get " + sheet + ".Cells(i16:2, i16:1)",
        "put " + sheet + ".Cells(2,1).Value = text:\"0\"",
        "get " + sheet + ".Cells(i16:2, i16:2)",
        "put " + sheet + ".Cells(2,2).Value = text:\"0.018\"",
    };
    ASSERT_GE(calls.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + start.size()), start);
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(602,1).Value = text:\"6\""));
    // 2 header cells and 1202 data cells, a read and a write each.
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.find(".Value = ") != std::string::npos; }),
              1204);

    const auto select = std::find(calls.begin(), calls.end(),
                                  "call " + sheet + ".Shapes.AddChart2(240,72).Select()");
    ASSERT_NE(select, calls.end());
    const std::vector<std::string> seriesCalls = {
        "get app.ActiveChart",
        "call app.ActiveChart.SeriesCollection()",
        "call app.ActiveChart.SeriesCollection.NewSeries()",
        "put " + series + ".Name = text:\"=Sheet1!$B$1\"",
        "put " + series + ".XValues = text:\"=Sheet1!$A$2:$A$602\"",
        "put " + series + ".Values = text:\"=Sheet1!$B$2:$B$602\"",
        "put " + series + ".MarkerStyle = i32:-4142",  // markers off, no size
        "get " + series + ".Format",
        "get " + series + ".Format.Line",
        "put " + series + ".Format.Line.Visible = bool:-1",
        "put " + series + ".Format.Line.Weight = f32:1",
        "call app.ActiveChart.SetElement(i32:301)",
    };
    EXPECT_EQ(std::vector<std::string>(select + 1, select + 1 + seriesCalls.size()), seriesCalls);

    EXPECT_TRUE(has(calls, "put app.ActiveChart.Axes(1,1).AxisTitle.Text = text:\"X Axis\""));
    EXPECT_TRUE(has(calls, "put app.ActiveChart.Axes(1,1).CrossesAt = i32:-1215752192"));
    EXPECT_TRUE(has(calls, "put app.ActiveChart.Axes(2,1).CrossesAt = i32:-1215752192"));
    EXPECT_TRUE(has(calls, "put app.ActiveChart.Legend.IncludeInLayout = bool:0"));
    EXPECT_FALSE(hasAnyContaining(calls, "RGB"));  // no colour set by the program
    EXPECT_FALSE(hasAnyContaining(calls, "ChartTitle"));
    EXPECT_FALSE(hasAnyContaining(calls, "ChartType"));
    const std::vector<std::string> end = {
        "call app.ActiveChart.SetElement(i32:101)",
        "get app.ActiveChart.Legend",
        "put app.ActiveChart.Legend.IncludeInLayout = bool:0",
        "get app.ActiveChart.Legend.Font",
        "put app.ActiveChart.Legend.Font.Size = i32:10",
        "get app.ActiveChart.PlotArea",
        "get app.ActiveChart.PlotArea.Format",
        "get app.ActiveChart.PlotArea.Format.Line",
        "put app.ActiveChart.PlotArea.Format.Line.Visible = bool:-1",
        "get app.ActiveChart.PlotArea.Format.Line.ForeColor",
        "put app.ActiveChart.PlotArea.Format.Line.ForeColor.ObjectThemeColor = i32:13",
        "put app.ActiveChart.HasTitle = bool:0",
    };
    EXPECT_EQ(std::vector<std::string>(calls.end() - end.size(), calls.end()), end);

    // Only excelApp still holds a reference: every other handle was released.
    EXPECT_TRUE(options.excelApp.isObject());
    EXPECT_EQ(recorder.outstandingReferences(), 1u);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ExportTest, FormattingFollowsItsOrder)
{
    chart.add("A", 2);
    const auto calls = run();
    std::vector<std::string> formatting;
    for (const auto& c : calls) {
        const bool changes = c.rfind("put", 0) == 0 || c.rfind("call", 0) == 0;
        if (!changes || c.find("NewSeries") != std::string::npos || c.find("ActiveChart") == std::string::npos)
            continue;
        for (const char* key : {"SetElement", "AxisTitle.Text", "AxisTitle.Font.Size", "Line.Visible", "CrossesAt",
                                "MajorTickMark", "TickLabels.Font.Size", "Legend.Font.Size", "HasTitle"}) {
            if (c.find(key) != std::string::npos) {
                formatting.push_back(c.substr(c.find("ActiveChart") + 12));
                break;
            }
        }
    }
    const std::vector<std::string> expected = {
        "SetElement(i32:301)",
        "Axes(1,1).AxisTitle.Text = text:\"X Axis\"",
        "Axes(1,1).AxisTitle.Font.Size = i32:10",
        "Axes(1,1).Format.Line.Visible = bool:-1",
        "Axes(1,1).CrossesAt = i32:-1215752192",
        "Axes(1,1).MajorTickMark = i32:2",
        "SetElement(i32:307)",
        "Axes(2,1).AxisTitle.Text = text:\"Y Axis\"",
        "Axes(2,1).AxisTitle.Font.Size = i32:10",
        "Axes(2,1).Format.Line.Visible = bool:-1",
        "Axes(2,1).CrossesAt = i32:-1215752192",
        "Axes(2,1).MajorGridlines.Format.Line.Visible = bool:0",
        "Axes(1,1).MajorGridlines.Format.Line.Visible = bool:0",
        "Axes(2,1).MajorTickMark = i32:2",
        "Axes(2).TickLabels.Font.Size = i32:10",
        "Axes(1).TickLabels.Font.Size = i32:10",
        "SetElement(i32:101)",
        "Legend.Font.Size = i32:10",
        "PlotArea.Format.Line.Visible = bool:-1",
        "HasTitle = bool:0",
    };
    EXPECT_EQ(formatting, expected);
}

TEST_F(ExportTest, ThreeCurvesFillColumnsAToFWithOneSeriesEach)
{
    chart.add("A");
    chart.add("B");
    chart.add("C");
    chart.curves[1].colour = {1, 2, 3};
    const auto calls = run();
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(1,5).Value = text:\"X\""));
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(1,6).Value = text:\"C\""));
    EXPECT_TRUE(has(calls, "put " + series + ".Name = text:\"=Sheet1!$D$1\""));
    EXPECT_TRUE(has(calls, "put " + series + ".XValues = text:\"=Sheet1!$C$2:$C$602\""));
    EXPECT_TRUE(has(calls, "put " + series + ".Values = text:\"=Sheet1!$F$2:$F$602\""));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "call app.ActiveChart.SeriesCollection.NewSeries()"), 3);
}

TEST_F(ExportTest, OptionsChangeColoursMarkersTitleAndCrossings)
{
    chart.add("A", 3, {0x20, 0x40, 0x80});
    chart.add("Dots", 3, {1, 0, 0});
    chart.curves[1].pointsOnly = true;
    options.lineColorMode = 1;
    options.showMarker = true;
    options.markerColorMode = 1;
    options.showTitle = true;
    options.xAxisPosition = "";
    options.yAxisPosition = "2.9";
    options.showGridlines = true;
    const auto calls = run();

    // red + 256 green + 65536 blue
    EXPECT_TRUE(has(calls, "put " + series + ".Format.Line.ForeColor.RGB = u32:" + std::to_string(0x804020)));
    EXPECT_TRUE(has(calls, "put " + series + ".Format.Fill.ForeColor.RGB = u32:" + std::to_string(0x804020)));
    EXPECT_TRUE(has(calls, "put " + series + ".MarkerStyle = i32:8"));
    EXPECT_TRUE(has(calls, "put " + series + ".MarkerSize = i32:4"));
    EXPECT_TRUE(has(calls, "put " + series + ".ChartType = i32:-4169"));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "put " + series + ".ChartType = i32:-4169"), 1);
    EXPECT_FALSE(hasAnyContaining(calls, "Axes(1,1).CrossesAt"));
    EXPECT_TRUE(has(calls, "put app.ActiveChart.Axes(2,1).CrossesAt = i32:2"));
    EXPECT_TRUE(has(calls, "put app.ActiveChart.Axes(2,1).MajorGridlines.Format.Line.Visible = bool:-1"));
    EXPECT_TRUE(has(calls, "put app.ActiveChart.HasTitle = bool:-1"));
    EXPECT_TRUE(has(calls, "put app.ActiveChart.ChartTitle.Text = text:\"Graph Title\""));
}

// With the defaults the workbook colours the series itself, unless the chart
// needs its own colours to tell records from code spectra.
TEST_F(ExportTest, SeriesTakeTheCurvesColoursOnlyWhenTheChartNeedsThem)
{
    chart.add("Code", 3, {0x20, 0x9f, 0xdf});
    chart.add("Record", 3, {0x99, 0xca, 0x53});
    EXPECT_FALSE(hasAnyContaining(run(), "ForeColor.RGB"));

    chart.tellApart = true;
    const auto calls = run();
    EXPECT_TRUE(has(calls, "put " + series + ".Format.Line.ForeColor.RGB = u32:" + std::to_string(0xdf9f20)));
    EXPECT_TRUE(has(calls, "put " + series + ".Format.Line.ForeColor.RGB = u32:" + std::to_string(0x53ca99)));
    EXPECT_FALSE(hasAnyContaining(calls, "Fill.ForeColor"));  // markers stay off
}

TEST_F(ExportTest, PointsOnlyCurvesKeepTheirMarkersWhenMarkersAreOff)
{
    chart.add("Dots", 2);
    chart.curves[0].pointsOnly = true;
    const auto calls = run();
    EXPECT_FALSE(hasAnyContaining(calls, "MarkerStyle"));
    EXPECT_TRUE(has(calls, "put " + series + ".ChartType = i32:-4169"));
}

TEST_F(ExportTest, CombinedModePutsAllCurvesInOneSeries)
{
    chart.add("A");
    chart.add("B");
    options.combinedOutput = 1;
    const auto calls = run();
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(1,1).Value = text:\"Serie Name\""));
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(1,2).Value = text:\"X\""));
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(1,3).Value = text:\"Y\""));
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(2,1).Value = text:\"A\""));
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(603,1).Value = text:\"B\""));
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(1203,3).Value = text:\"0.078\""));
    EXPECT_FALSE(hasAnyContaining(calls, "Cells(1204,"));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "call app.ActiveChart.SeriesCollection.NewSeries()"), 1);
    EXPECT_TRUE(has(calls, "put " + series + ".Name = text:\"X-Y\""));
    EXPECT_TRUE(has(calls, "put " + series + ".XValues = text:\"=Sheet1!$B$2:$B$1203\""));
    EXPECT_TRUE(has(calls, "put " + series + ".Values = text:\"=Sheet1!$C$2:$C$1203\""));
    EXPECT_TRUE(has(calls, "put " + series + ".MarkerStyle = i32:-4142"));
}

TEST_F(ExportTest, CombinedModeWithoutCurvesCannotTakeAColour)
{
    options.combinedOutput = 1;
    options.lineColorMode = 1;
    try {
        run();
        FAIL() << "no error";
    } catch (const KavrelError& e) {
        EXPECT_EQ(e.message(), "The chart has no curve to take the series colour from.");
    }
    EXPECT_TRUE(has(recorder.texts(), "put " + series + ".Name = text:\"X-Y\""));  // made before the colour
    EXPECT_EQ(recorder.outstandingReferences(), 1u);
}

TEST_F(ExportTest, CombinedRowsBeyondSixteenBitsAreRefusedNotWrapped)
{
    chart.add("Long", 32767);  // rows 2 .. 32768: the last one does not fit
    options.combinedOutput = 1;
    EXPECT_THROW(run(), AutomationError);
    const auto calls = recorder.texts();
    EXPECT_TRUE(has(calls, "put " + sheet + ".Cells(32767,3).Value = text:\"3.2945\""));
    EXPECT_FALSE(hasAnyContaining(calls, "Cells(-32768"));
    EXPECT_FALSE(hasAnyContaining(calls, "NewSeries"));
    EXPECT_EQ(recorder.outstandingReferences(), 1u);
}

TEST_F(ExportTest, AFailingCallEndsTheExportAndKeepsTheApplication)
{
    chart.add("A", 2);
    ExcepInfo info;
    info.description = u"The series could not be added.";
    recorder.failWithException("NewSeries", info);
    try {
        run();
        FAIL() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.message(), "The series could not be added.");
    }
    EXPECT_TRUE(options.excelApp.isObject());
    EXPECT_EQ(recorder.outstandingReferences(), 1u);
    EXPECT_TRUE(has(recorder.texts(), "put " + sheet + ".Cells(3,2).Value = text:\"0.0181\""));
}

TEST_F(ExportTest, APositionThatIsNoNumberEndsTheExportClearly)
{
    chart.add("A", 2);
    options.yAxisPosition = "left";
    try {
        run();
        FAIL() << "no error";
    } catch (const KavrelError& e) {
        EXPECT_EQ(e.message(), "\"left\" is not a valid axis position.");
    }
    EXPECT_TRUE(has(recorder.texts(), "put app.ActiveChart.Axes(1,1).CrossesAt = i32:-1215752192"));
    EXPECT_FALSE(hasAnyContaining(recorder.texts(), "Axes(2,1).CrossesAt"));
}

TEST_F(ExportTest, TwoExportsMakeTwoApplicationsAndKeepTheSecond)
{
    chart.add("A", 2);
    run();
    const Dispatch* first = options.excelApp.objectValue();
    run();
    EXPECT_NE(options.excelApp.objectValue(), first);
    EXPECT_EQ(recorder.outstandingReferences(), 1u);  // the first one released
    const auto calls = recorder.texts();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "call app.WorkBooks.Add()"), 2);
}

TEST(ExportWithoutApplication, EndsWithTheStartRefusalAndShowsNothing)
{
    ScopedClassRegistration excel("Excel.Application", nullptr);
    FakeUserDialogs dialogs;
    FakeChart chart;
    chart.add("A", 2);
    ExcelOp options;
    options.setDefaults();
    EXPECT_THROW(exportChartToExcel(chart, options), ExcelStartError);
    EXPECT_TRUE(options.excelApp.isEmpty());
    EXPECT_TRUE(dialogs.boxes.empty()) << "the command that asked shows it";
}

TEST(AxisPosition, LowThirtyTwoBitsOfTheTruncatedNumber)
{
    EXPECT_EQ(axisPositionValue("-100000000000"), -1215752192);
    EXPECT_EQ(axisPositionValue("2.9"), 2);
    EXPECT_EQ(axisPositionValue("-2.9"), -2);
    EXPECT_EQ(axisPositionValue("4294967297"), 1);
    EXPECT_EQ(axisPositionValue("0"), 0);
    EXPECT_THROW(axisPositionValue("1e30"), KavrelError);
    EXPECT_THROW(axisPositionValue("nan"), KavrelError);
}

TEST(ExcelOptions, DefaultsAndRelease)
{
    ExcelOp options;
    options.lineWeight = 3;
    options.xAxisTitle = "T";
    options.setDefaults();
    EXPECT_EQ(options.chartWidth, 280);
    EXPECT_EQ(options.chartHeight, 450);
    EXPECT_EQ(options.xAxisPosition, "-100000000000");
    EXPECT_EQ(options.xAxisTitle, "X Axis");
    EXPECT_EQ(options.lineWeight, 1.0f);
    EXPECT_EQ(options.markerStyle, 8);
    EXPECT_EQ(options.combinedOutput, 0);
    EXPECT_TRUE(options.showLegend);
    EXPECT_FALSE(options.showGridlines);

    CallRecorder recorder;
    {
        ExcelOp holder;
        holder.excelApp = recorder.root("app");
        EXPECT_EQ(recorder.outstandingReferences(), 1u);
    }
    EXPECT_EQ(recorder.outstandingReferences(), 0u);
    EXPECT_TRUE(recorder.calls.empty());  // released without any call
}
