#include "chart/ColourSlots.h"
#include "ui/ChartControl.h"
#include "ui/CheckLegend.h"

#include <QLineSeries>
#include <gtest/gtest.h>

#include <memory>

namespace {

QColor paletteColour(int slot)
{
    const CurveColour c = curveColour(slot);
    return QColor(c.red, c.green, c.blue);
}

// Curves of new titles: a title already shown would share its colour.
void add(ChartControl& chart, int count)
{
    static int made = 0;
    for (int i = 0; i < count; ++i)
        chart.addCurve(QStringLiteral("C%1").arg(made++), {{0, 0.1}, {6, 0.2}});
}

// A curve keeps the colour it got for as long as it is shown; a new one takes
// the lowest colour no curve holds.
TEST(ChartCurvesTest, ColoursStayThroughAddsRemovalsAndClearing)
{
    ChartControl chart;
    add(chart, 14);  // more than the palette has colours: they come round again
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(chart.curve(i)->color(), paletteColour(i)) << i;
    EXPECT_EQ(chart.curve(13)->color(), chart.curve(0)->color());

    chart.removeCurve(chart.curve(1));
    chart.removeCurve(chart.curve(3));                     // the fifth, slot 4
    EXPECT_EQ(chart.curve(3)->color(), paletteColour(5));  // the sixth kept its own
    add(chart, 3);                                         // the gaps first, then after the last
    EXPECT_EQ(chart.curve(12)->color(), paletteColour(1));
    EXPECT_EQ(chart.curve(13)->color(), paletteColour(4));
    EXPECT_EQ(chart.curve(14)->color(), paletteColour(14));

    chart.removeAllCurves();
    EXPECT_EQ(chart.curveCount(), 0);
    EXPECT_EQ(chart.checkLegend()->rowCount(), 0);
    EXPECT_FALSE(chart.checkLegend()->isVisible());
    add(chart, 3);
    EXPECT_EQ(chart.curve(0)->color(), paletteColour(0));
    EXPECT_EQ(chart.checkLegend()->rowCount(), 3);
}

TEST(ChartCurvesTest, CodeSpectraAreDrawnHeavierThanRecords)
{
    ChartControl chart;
    QLineSeries* code = chart.addCurve("Code", {{0, 0.1}});
    QLineSeries* record = chart.addCurve("Record", {{0, 0.1}}, Qt::DashLine, CurveKind::Record);
    EXPECT_EQ(code->pen().width(), 2);
    EXPECT_EQ(record->pen().width(), 1);
    EXPECT_EQ(record->pen().style(), Qt::DashLine);
    EXPECT_NE(code->color(), record->color());
}

// A second window's chart shows the same item in the main chart's colour and
// weight, whatever order it draws its curves in; its own curves go back when
// it closes.
TEST(ChartCurvesTest, ASharingChartTakesTheLeadersColours)
{
    ChartControl main;
    main.addCurve("Code", {{0, 0.1}});
    main.addCurve("R1", {{0, 0.1}}, Qt::DashLine, CurveKind::Record);
    main.addCurve("R2", {{0, 0.1}}, Qt::DashLine, CurveKind::Record);
    {
        auto check = std::make_unique<ChartControl>();
        check->addCurve("R2", {{0, 0.2}});  // drawn before sharing: repainted
        check->shareColoursWith(main);
        check->addCurve("Code", {{0, 0.1}});
        check->addCurve("Mean", {{0, 0.1}});  // the main chart has none: a free colour
        EXPECT_EQ(check->curve(0)->color(), main.curve(2)->color());
        EXPECT_EQ(check->curve(0)->pen().width(), 1);
        EXPECT_EQ(check->curve(1)->color(), main.curve(0)->color());
        EXPECT_EQ(check->curve(1)->pen().width(), 2);
        EXPECT_EQ(check->curve(2)->color(), paletteColour(3));
        main.removeCurve(main.curve(2));  // R2 still shown in the check window
        main.addCurve("R3", {{0, 0.1}}, Qt::DashLine, CurveKind::Record);
        EXPECT_EQ(main.curve(2)->color(), paletteColour(4));
    }
    main.addCurve("R4", {{0, 0.1}}, Qt::DashLine, CurveKind::Record);
    EXPECT_EQ(main.curve(3)->color(), paletteColour(2));  // R2's colour is free again
}

} // namespace
