#include "ui/ChartControl.h"
#include "ui/CheckLegend.h"

#include <QChart>
#include <QLineSeries>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The curves are drawn by the chart control itself; their colours must still
// be the ones Qt Charts gives its own series: the theme's colour for the
// lowest place no other series holds.
class ChartCurvesTest : public ::testing::Test {
protected:
    void add(int count)
    {
        for (int i = 0; i < count; ++i) {
            chart.addCurve(QStringLiteral("C%1").arg(chart.curveCount()), {{0, 0.1}, {6, 0.2}});
            auto* series = new QLineSeries();
            reference.addSeries(series);
            qtSeries.push_back(series);
        }
    }

    void remove(int index)
    {
        chart.removeCurve(chart.curve(index));
        reference.removeSeries(qtSeries[static_cast<std::size_t>(index)]);
        delete qtSeries[static_cast<std::size_t>(index)];
        qtSeries.erase(qtSeries.begin() + index);
    }

    void expectSameColours(const char* when)
    {
        ASSERT_EQ(static_cast<std::size_t>(chart.curveCount()), qtSeries.size()) << when;
        for (int i = 0; i < chart.curveCount(); ++i) {
            EXPECT_EQ(chart.curve(i)->color(), qtSeries[static_cast<std::size_t>(i)]->color()) << when << " " << i;
            EXPECT_EQ(chart.curve(i)->pen().width(), 2);
        }
    }

    ChartControl chart;
    QChart reference;
    std::vector<QLineSeries*> qtSeries;
};

TEST_F(ChartCurvesTest, ColoursAreQtChartsOwnThroughAddsRemovalsAndClearing)
{
    add(12);  // more than the theme has colours: they come round again
    expectSameColours("added");
    EXPECT_NE(chart.curve(0)->color(), chart.curve(1)->color());

    remove(1);
    remove(3);
    add(3);  // the gaps first, then after the last
    expectSameColours("gaps filled");

    chart.removeAllCurves();
    reference.removeAllSeries();
    qtSeries.clear();
    EXPECT_EQ(chart.curveCount(), 0);
    EXPECT_EQ(chart.checkLegend()->rowCount(), 0);
    EXPECT_FALSE(chart.checkLegend()->isVisible());
    add(3);
    expectSameColours("after clearing");
    EXPECT_EQ(chart.checkLegend()->rowCount(), 3);
}

} // namespace
