#include "excel/AutomationError.h"
#include "excel/ExcelToolkit.h"
#include "support/QtPrinters.h"
#include "support/RecordingDispatch.h"

#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

namespace {

// Each operation runs on a recording root object; afterwards every object it
// reached must have been released again, exactly once.
class Toolkit : public ::testing::Test {
protected:
    void TearDown() override
    {
        target.clear();
        EXPECT_EQ(recorder.outstandingReferences(), 0u) << "an object reference was leaked";
        for (const auto& fault : recorder.faults)
            ADD_FAILURE() << fault;
    }

    CallRecorder recorder;
    Variant target = recorder.root("chart");
};

} // namespace

TEST_F(Toolkit, AddChartAtAddsAScatterChartAndPlacesItsChartObject)
{
    Variant sheet = recorder.root("sheet");
    const Variant chartObject = addChartAt(sheet, 96, 60, 280, 450);

    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get sheet.Shapes",
                                    "call sheet.Shapes.AddChart2(i32:240, i32:72)",
                                    "put sheet.Shapes.AddChart2(240,72).Left = i32:96",
                                    "put sheet.Shapes.AddChart2(240,72).Top = i32:60",
                                    "put sheet.Shapes.AddChart2(240,72).Width = i32:280",
                                    "put sheet.Shapes.AddChart2(240,72).Height = i32:450",
                                }));
    EXPECT_EQ(plainText(chartObject), "sheet.Shapes.AddChart2(240,72)");
    EXPECT_EQ(recorder.outstandingReferences(), 3u);  // target, sheet and the chart object
}

TEST_F(Toolkit, SetCellTextWritesTheTextThroughA16BitCellPosition)
{
    setCellText(target, 602, 2, "0.0225");
    setCellText(target, -32768, 32767, "");
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get chart.Cells(i16:602, i16:2)",
                                    "put chart.Cells(602,2).Value = text:\"0.0225\"",
                                    "get chart.Cells(i16:-32768, i16:32767)",
                                    "put chart.Cells(-32768,32767).Value = text:\"\"",
                                }));
}

TEST_F(Toolkit, SetCellTextRefusesAPositionThatWouldWrapRoundIn16Bits)
{
    // 40000 would arrive as -25536 and 65537 as 1, the wrong cell.
    try {
        setCellText(target, 40000, 1, "x");
        FAIL() << "row 40000 was accepted";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.message(), "Row 40000 is beyond the 16-bit range of a cell position.");
        EXPECT_EQ(error.code(), hresult::Overflow);
    }
    try {
        setCellText(target, 2, 65537, "x");
        FAIL() << "column 65537 was accepted";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.message(), "Column 65537 is beyond the 16-bit range of a cell position.");
    }
    EXPECT_THROW(setCellText(target, 32768, 1, "x"), AutomationError);
    EXPECT_THROW(setCellText(target, -32769, 1, "x"), AutomationError);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Toolkit, CellPositionIsReadWith32BitArgumentsAndRoundedToAWholeNumber)
{
    recorder.answer("Left", Variant::fromDouble(96.4));
    recorder.answer("Top", Variant::fromDouble(59.6));
    EXPECT_EQ(cellLeft(target, 5, 3), 96);
    EXPECT_EQ(cellTop(target, 5, 3), 60);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get chart.Cells(i32:5, i32:3)",
                                    "get chart.Cells(5,3).Left",
                                    "get chart.Cells(i32:5, i32:3)",
                                    "get chart.Cells(5,3).Top",
                                }));
}

TEST_F(Toolkit, ACellPositionThatIsNoWholeNumberRaisesAnError)
{
    recorder.answer("Left", Variant::fromText(u"left"));
    recorder.answer("Top", Variant::fromDouble(3e10));
    try {
        cellLeft(target, 5, 3);
        FAIL() << "a text was taken as a position";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.message(), "Type mismatch.");
    }
    try {
        cellTop(target, 5, 3);
        FAIL() << "3e10 was taken as a position";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.message(), "Out of present range.");
    }
}

TEST_F(Toolkit, ChartTitleTextIsWrittenOnlyWhenTheChartHasATitle)
{
    recorder.answer("HasTitle", Variant::fromBool(false));
    setChartTitleText(target, "Graph Title");
    EXPECT_EQ(recorder.texts(), (Calls{"get chart.HasTitle"}));

    recorder.calls.clear();
    recorder.answer("HasTitle", Variant::fromBool(true));
    setChartTitleText(target, "Graph Title");
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get chart.HasTitle",
                                    "get chart.ChartTitle",
                                    "put chart.ChartTitle.Text = text:\"Graph Title\"",
                                }));
}

TEST_F(Toolkit, ChartTitleFollowsTheValueJustWrittenToHasTitle)
{
    setHasTitle(target, false);
    setChartTitleText(target, "Graph Title");
    EXPECT_EQ(recorder.texts(), (Calls{"put chart.HasTitle = bool:0", "get chart.HasTitle"}));

    recorder.calls.clear();
    setHasTitle(target, true);
    setChartTitleText(target, "T");
    EXPECT_EQ(recorder.texts().front(), "put chart.HasTitle = bool:-1");
    EXPECT_EQ(recorder.texts().back(), "put chart.ChartTitle.Text = text:\"T\"");
}

TEST_F(Toolkit, AxisTitlesSetTheirElementThenWriteTheTitleText)
{
    setXAxisTitle(target, "Period, T(s)");
    setYAxisTitle(target, "Spectral Accleration,Sa (g)");
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "call chart.SetElement(i32:301)",
                                    "call chart.Axes(i32:1, i32:1)",
                                    "get chart.Axes(1,1).AxisTitle",
                                    "put chart.Axes(1,1).AxisTitle.Text = text:\"Period, T(s)\"",
                                    "call chart.SetElement(i32:307)",
                                    "call chart.Axes(i32:2, i32:1)",
                                    "get chart.Axes(2,1).AxisTitle",
                                    "put chart.Axes(2,1).AxisTitle.Text = text:\"Spectral Accleration,Sa (g)\"",
                                }));
}

TEST_F(Toolkit, AxisCrossingAndTickMarksGoToThePrimaryAxisOfTheirType)
{
    setXAxisCrossesAt(target, -1215752192);
    setYAxisCrossesAt(target, 0);
    setMajorTickMark(target, 2, 2);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "call chart.Axes(i32:1, i32:1)",
                                    "put chart.Axes(1,1).CrossesAt = i32:-1215752192",
                                    "call chart.Axes(i32:2, i32:1)",
                                    "put chart.Axes(2,1).CrossesAt = i32:0",
                                    "call chart.Axes(i32:2, i32:1)",
                                    "put chart.Axes(2,1).MajorTickMark = i32:2",
                                }));
}

TEST_F(Toolkit, AxisLinesGetTheirThemeColourWhetherShownOrNot)
{
    setXAxisLine(target, false);
    setYAxisLine(target, true);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "call chart.Axes(i32:1, i32:1)",
                                    "get chart.Axes(1,1).Format",
                                    "get chart.Axes(1,1).Format.Line",
                                    "put chart.Axes(1,1).Format.Line.Visible = bool:0",
                                    "get chart.Axes(1,1).Format.Line.ForeColor",
                                    "put chart.Axes(1,1).Format.Line.ForeColor.ObjectThemeColor = i32:13",
                                    "call chart.Axes(i32:2, i32:1)",
                                    "get chart.Axes(2,1).Format",
                                    "get chart.Axes(2,1).Format.Line",
                                    "put chart.Axes(2,1).Format.Line.Visible = bool:-1",
                                    "get chart.Axes(2,1).Format.Line.ForeColor",
                                    "put chart.Axes(2,1).Format.Line.ForeColor.ObjectThemeColor = i32:13",
                                }));
}

TEST_F(Toolkit, MajorGridlinesAreSetOnTheVerticalAxisFirst)
{
    setMajorGridlines(target, false);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "call chart.Axes(i32:2, i32:1)",
                                    "get chart.Axes(2,1).MajorGridlines",
                                    "get chart.Axes(2,1).MajorGridlines.Format",
                                    "get chart.Axes(2,1).MajorGridlines.Format.Line",
                                    "put chart.Axes(2,1).MajorGridlines.Format.Line.Visible = bool:0",
                                    "call chart.Axes(i32:1, i32:1)",
                                    "get chart.Axes(1,1).MajorGridlines",
                                    "get chart.Axes(1,1).MajorGridlines.Format",
                                    "get chart.Axes(1,1).MajorGridlines.Format.Line",
                                    "put chart.Axes(1,1).MajorGridlines.Format.Line.Visible = bool:0",
                                }));
}

TEST_F(Toolkit, PlotAreaLineGetsItsThemeColourOnlyWhenShown)
{
    setPlotAreaLine(target, false);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get chart.PlotArea",
                                    "get chart.PlotArea.Format",
                                    "get chart.PlotArea.Format.Line",
                                    "put chart.PlotArea.Format.Line.Visible = bool:0",
                                }));
    recorder.calls.clear();
    setPlotAreaLine(target, true);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get chart.PlotArea",
                                    "get chart.PlotArea.Format",
                                    "get chart.PlotArea.Format.Line",
                                    "put chart.PlotArea.Format.Line.Visible = bool:-1",
                                    "get chart.PlotArea.Format.Line.ForeColor",
                                    "put chart.PlotArea.Format.Line.ForeColor.ObjectThemeColor = i32:13",
                                }));
}

TEST_F(Toolkit, SeriesDataWritesNameThenXValuesThenValues)
{
    setSeriesData(target, "=Sheet1!$B$1", "=Sheet1!$A$2:$A$602", "=Sheet1!$B$2:$B$602");
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "put chart.Name = text:\"=Sheet1!$B$1\"",
                                    "put chart.XValues = text:\"=Sheet1!$A$2:$A$602\"",
                                    "put chart.Values = text:\"=Sheet1!$B$2:$B$602\"",
                                }));
}

TEST_F(Toolkit, SeriesColoursAreOneValueWithRedInTheLowByte)
{
    setSeriesLineColor(target, 255, 128, 0);      // 255 + 128 * 256
    setSeriesMarkerFill(target, 255, 255, 255);   // all 24 bits set, no overflow
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get chart.Format",
                                    "get chart.Format.Line",
                                    "put chart.Format.Line.Visible = bool:-1",
                                    "get chart.Format.Line.ForeColor",
                                    "put chart.Format.Line.ForeColor.RGB = u32:33023",
                                    "get chart.Format",
                                    "get chart.Format.Fill",
                                    "put chart.Format.Fill.Visible = bool:-1",
                                    "get chart.Format.Fill.ForeColor",
                                    "put chart.Format.Fill.ForeColor.RGB = u32:16777215",
                                }));
}

TEST_F(Toolkit, SeriesLineWeightShowsTheLineAndWritesASingle)
{
    setSeriesLineWeight(target, 1.0f);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "get chart.Format",
                                    "get chart.Format.Line",
                                    "put chart.Format.Line.Visible = bool:-1",
                                    "put chart.Format.Line.Weight = f32:1",
                                }));
}

TEST_F(Toolkit, NoMarkerWritesTheStyleAloneWhateverTheSize)
{
    setSeriesMarker(target, -4142, 2);
    setSeriesMarker(target, -4142, 9);
    setSeriesMarker(target, 8, 4);
    EXPECT_EQ(recorder.texts(), (Calls{
                                    "put chart.MarkerStyle = i32:-4142",
                                    "put chart.MarkerStyle = i32:-4142",
                                    "put chart.MarkerStyle = i32:8",
                                    "put chart.MarkerSize = i32:4",
                                }));
}

TEST_F(Toolkit, AFailurePartWayStopsTheOperationAndReleasesWhatItHeld)
{
    recorder.failLookup("ObjectThemeColor", hresult::UnknownName);
    EXPECT_THROW(setXAxisLine(target, true), AutomationError);
    EXPECT_EQ(recorder.texts().back(), "get chart.Axes(1,1).Format.Line.ForeColor");
    EXPECT_EQ(recorder.outstandingReferences(), 1u);  // only the chart itself
}
