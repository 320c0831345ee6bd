#include "WorkbookFileFixture.h"

#include "excel/ExcelToolkit.h"

#include <QRegularExpression>

namespace {

// The chart anchor's corner cells and offsets, from the drawing part.
struct Anchor {
    int fromColumn, fromColumnOffset, fromRow, fromRowOffset;
    int toColumn, toColumnOffset, toRow, toRowOffset;

    // With the default 48 x 15 point cells; offsets are in EMU, 12700 a point.
    double leftPoints() const { return fromColumn * 48.0 + fromColumnOffset / 12700.0; }
    double topPoints() const { return fromRow * 15.0 + fromRowOffset / 12700.0; }
    double widthPoints() const { return toColumn * 48.0 + toColumnOffset / 12700.0 - leftPoints(); }
    double heightPoints() const { return toRow * 15.0 + toRowOffset / 12700.0 - topPoints(); }
};

Anchor anchorOf(const QString& drawing)
{
    static const QRegularExpression corner(
        QStringLiteral("<xdr:col>(\\d+)</xdr:col><xdr:colOff>(\\d+)</xdr:colOff><xdr:row>(\\d+)</xdr:row>"
                       "<xdr:rowOff>(\\d+)</xdr:rowOff>"));
    auto corners = corner.globalMatch(drawing);
    int values[8] = {};
    for (int c = 0; c < 2; ++c) {
        if (!corners.hasNext()) {
            ADD_FAILURE() << "no anchor in the drawing: " << drawing.toStdString();
            return {};
        }
        const auto match = corners.next();
        for (int i = 0; i < 4; ++i)
            values[c * 4 + i] = match.captured(i + 1).toInt();
    }
    return {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]};
}

} // namespace

TEST_F(WorkbookFile, CellsAreNumbersAndTexts)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    const QString sheetPart = sheetXml();
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<dimension ref=\"A1:B602\"/>")));
    // Numbers as values of their own, texts through the shared strings.
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A2\"><v>0</v></c><c r=\"B2\"><v>0.036</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A12\"><v>0.1</v></c><c r=\"B12\"><v>0.08</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A602\"><v>6</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A1\" t=\"s\">")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"B1\" t=\"s\">")));
    const QString strings = stringsXml();
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>X</t>")));
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>GB50011 frequent</t>")));
}

TEST_F(WorkbookFile, TheExportsChartIsASmoothScatterChartOverTheCells)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:scatterChart>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:scatterStyle val=\"smoothMarker\"/>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$B$1</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$A$2:$A$602</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$B$2:$B$602</c:f>")));
    // The caches come from number cells: 601 points each.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ptCount val=\"601\"/>")), 2);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:v>GB50011 frequent</c:v>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:smooth val=\"1\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:symbol val=\"none\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:spPr><a:ln w=\"12700\"></a:ln></c:spPr>"))) << "a line weight of 1 point";

    const Anchor anchor = anchorOf(drawingXml());
    EXPECT_EQ(anchor.fromColumn, 2) << "column C";
    EXPECT_EQ(anchor.fromRow, 4) << "row 5";
    EXPECT_EQ(anchor.fromColumnOffset, 0);
    EXPECT_EQ(anchor.fromRowOffset, 0);
    EXPECT_NEAR(anchor.widthPoints(), 280.0, 0.75);
    EXPECT_NEAR(anchor.heightPoints(), 450.0, 0.75);
}

TEST_F(WorkbookFile, TheExportsFormattingReachesTheChart)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    const QString chartPart = chartXml();
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Period, T(s)</a:t>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Spectral Accleration,Sa (g)</a:t>")));
    // Axis titles, tick labels of both axes and the legend in 10 points.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:defRPr sz=\"1000\"")), 5);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:majorTickMark val=\"in\"/>")), 2);
    // The far-away crossing puts each axis at the other's low end.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:crosses val=\"min\"/>")), 2);
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:majorGridlines")));
    // Both axis lines and the plot-area border in the text colour, black.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:ln><a:solidFill><a:srgbClr val=\"000000\"/>")), 3);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:legendPos val=\"r\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:overlay val=\"1\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>"))) << "no chart title";
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:style "))) << "style 240 keeps the default look";
}

TEST_F(WorkbookFile, ThreeCurvesFillSixColumnsUnderOneChartAtC5)
{
    exportCurves({spectrumCurve("A", 0.08), spectrumCurve("B", 0.16), spectrumCurve("C", 0.24)});

    EXPECT_TRUE(sheetXml().contains(QStringLiteral("<dimension ref=\"A1:F602\"/>")));
    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 3);
    for (const char* formula : {"Sheet1!$D$1", "Sheet1!$C$2:$C$602", "Sheet1!$D$2:$D$602", "Sheet1!$F$1",
                                "Sheet1!$E$2:$E$602", "Sheet1!$F$2:$F$602"})
        EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>%1</c:f>").arg(QLatin1String(formula)))) << formula;
    const Anchor anchor = anchorOf(drawingXml());
    EXPECT_EQ(anchor.fromColumn, 2);
    EXPECT_EQ(anchor.fromRow, 4);
}

TEST_F(WorkbookFile, SeriesColoursMarkersAndTypesAreWritten)
{
    startWithChart();
    Variant red = addSmallSeries();
    setSeriesLineColor(red, 255, 0, 0);
    Variant blue = callFunction(callFunction(chart, "SeriesCollection"), "NewSeries");
    setSeriesData(blue, "Blue", "=Sheet1!$A$2:$A$4", "=Sheet1!$B$2:$B$4");
    setSeriesLineColor(blue, 0, 0, 255);
    setSeriesMarker(blue, 8, 4);
    setSeriesMarkerFill(blue, 0, 128, 0);
    setSeriesLineWeight(blue, 2.5f);
    putInt(blue, "ChartType", -4169);
    red.clear();
    blue.clear();
    releaseAll();

    const QString chartPart = chartXml();
    // The automation colour is red + 256 green + 65536 blue; the file's is RRGGBB.
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:ln><a:solidFill><a:srgbClr val=\"FF0000\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:symbol val=\"circle\"/><c:size val=\"4\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:solidFill><a:srgbClr val=\"008000\"/></a:solidFill>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:srgbClr val=\"0000FF\"/>"))) << "the marker edge";
    // Markers only: no line, not smoothed, whatever was set before the type.
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:tx><c:v>Blue</c:v></c:tx><c:spPr><a:ln><a:noFill/></a:ln>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:smooth val=\"1\"/>")), 1);
}

TEST_F(WorkbookFile, AMarkersOnlyChartGridlinesAndATitleAreWritten)
{
    startWithSheet();
    selectChart(callWithInts(getProperty(sheet, "Shapes"), "AddChart2", 240, -4169));
    addSmallSeries();
    setMajorGridlines(chart, true);
    setHasTitle(chart, true);
    setChartTitleText(chart, "Response spectra");
    releaseAll();

    const QString chartPart = chartXml();
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:scatterStyle val=\"lineMarker\"/>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:smooth val=\"1\"/>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:majorGridlines/>")), 2);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Response spectra</a:t>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:legend>"))) << "no legend until one is asked for";
}

TEST_F(WorkbookFile, AnEmptyChartIsStillWrittenWithItsFrame)
{
    exportCurves({});

    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:scatterChart>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Period, T(s)</a:t>")));
    // The one series it needs draws nothing and has no legend entry.
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$XFD$1048576</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:legendEntry><c:idx val=\"0\"/><c:delete val=\"1\"/>")));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(WorkbookFile, TheFourteenthCurveAndLaterReferToColumnsBeyondZ)
{
    std::vector<FakeCurve> curves;
    for (int i = 1; i <= 15; ++i)
        curves.push_back(spectrumCurve("Curve " + std::to_string(i), 0.01 * i));
    exportCurves(std::move(curves));

    // Curve 13 takes Y and Z, curve 14 AA and AB, curve 15 AC and AD.
    const QString sheetPart = sheetXml();
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<dimension ref=\"A1:AD602\"/>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"Z12\"><v>0.13</v></c><c r=\"AA12\"><v>0.1</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"AC12\"><v>0.1</v></c><c r=\"AD12\"><v>0.15</v></c>")));
    EXPECT_TRUE(stringsXml().contains(QStringLiteral("<t>Curve 15</t>")));

    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 15);
    for (const char* formula : {"Sheet1!$Z$1", "Sheet1!$Y$2:$Y$602", "Sheet1!$Z$2:$Z$602", "Sheet1!$AB$1",
                                "Sheet1!$AA$2:$AA$602", "Sheet1!$AB$2:$AB$602", "Sheet1!$AD$1",
                                "Sheet1!$AC$2:$AC$602", "Sheet1!$AD$2:$AD$602"})
        EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>%1</c:f>").arg(QLatin1String(formula)))) << formula;
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:v>Curve 14</c:v>")));
    // Every series' caches come from number cells.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ptCount val=\"601\"/>")), 30);
}

TEST_F(WorkbookFile, ACurvesColourReachesTheFileWithRedFirst)
{
    options.lineColorMode = 1;
    options.showMarker = true;
    options.markerColorMode = 1;
    exportCurves({spectrumCurve("A", 0.08, {0x12, 0x34, 0x56})});

    // Line, marker fill and marker edge all in RGB 12 34 56.
    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:srgbClr val=\"123456\"/>")), 3) << chartPart.toStdString();
    EXPECT_FALSE(chartPart.contains(QStringLiteral("563412")));
}

TEST_F(WorkbookFile, TheExportsOptionsReachTheChart)
{
    options.showTitle = true;
    options.titleText = "Design spectra";
    options.showGridlines = true;
    options.showLegend = false;
    options.showAxisLine = false;
    options.showPlotAreaLine = false;
    options.xAxisPosition = "3";
    options.yAxisPosition = "";
    options.axisTitleFontSize = 12;
    options.tickLabelFontSize = 9;
    options.lineWeight = 2.5f;
    options.showMarker = true;
    options.markerStyle = 2;
    options.markerSize = 7;
    FakeCurve dots = spectrumCurve("Dots", 0.16);
    dots.pointsOnly = true;
    exportCurves({spectrumCurve("A", 0.08), dots});

    const QString chartPart = chartXml();
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Design spectra</a:t>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:majorGridlines/>")), 2);
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:legend>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:defRPr sz=\"1200\"")), 2) << "axis titles";
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:defRPr sz=\"900\"")), 2) << "tick labels";
    // Only the horizontal axis' crossing is given, inside the data.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:crossesAt val=\"3\"/>")), 1);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:crosses val=\"autoZero\"/>")), 1);
    // Both axis lines, the plot-area border and the markers-only curve's line are hidden.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:ln><a:noFill/></a:ln>")), 4);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:symbol val=\"diamond\"/><c:size val=\"7\"/>")), 2);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:ln w=\"31750\">")), 1) << "2.5 points";
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:smooth val=\"1\"/>")), 1) << "the markers-only curve is not smoothed";
}

TEST_F(WorkbookFile, ACombinedExportIsOneSeriesOverAllCurvesRows)
{
    options.combinedOutput = 1;
    exportCurves({spectrumCurve("A", 0.08), spectrumCurve("B", 0.16)});

    const QString sheetPart = sheetXml();
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<dimension ref=\"A1:C1203\"/>")));
    // The second curve starts at row 603 with its name in column A.
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A603\" t=\"s\"><v>1</v></c><c r=\"B603\"><v>0</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"B613\"><v>0.1</v></c><c r=\"C613\"><v>0.16</v></c>")));
    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:tx><c:v>X-Y</c:v></c:tx>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$B$2:$B$1203</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$C$2:$C$1203</c:f>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ptCount val=\"1202\"/>")), 2);
}
