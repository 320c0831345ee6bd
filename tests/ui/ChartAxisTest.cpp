#include "MainWindowFixture.h"

#include "ui/CheckLegend.h"

#include <QGroupBox>
#include <QSignalSpy>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace {

// Qt lays out the left axis's labels at every range or interval change, so
// the label count must stay small at each of those moments, not only at the
// end: one moment of a huge range over a tiny step is a frozen window.
class AxisWatch {
public:
    explicit AxisWatch(QValueAxis* axis) : axis_(axis)
    {
        QObject::connect(axis, &QValueAxis::rangeChanged, &context_, [this] { look(); });
        QObject::connect(axis, &QValueAxis::tickIntervalChanged, &context_, [this] { look(); });
    }

    double mostLabels() const { return most_; }

private:
    void look()
    {
        const double labels = (axis_->max() - axis_->min()) / axis_->tickInterval();
        most_ = std::max(most_, std::isfinite(labels) ? labels : std::numeric_limits<double>::max());
    }

    QObject context_;  // ends the connections with the watch
    QValueAxis* axis_;
    double most_ = 0;
};

class ChartAxisTest : public MainWindowTest {
protected:
    void createWithAlphaMax(const QString& name, const QString& alphaMax)
    {
        type("edt1", alphaMax);
        create(name);
        ASSERT_EQ(form->checkList()->entryText(form->checkList()->count() - 1), name) << alphaMax.toStdString();
    }

    void rightClickChart()
    {
        QTest::mouseClick(form->chart()->viewport(), Qt::RightButton, {}, QPoint(100, 100));
    }
};

} // namespace

TEST_F(ChartAxisTest, TypoSizedAlphaMaxKeepsTheLabelCountBoundedAtEveryStep)
{
    AxisWatch watch(form->chart()->leftAxis());

    createWithAlphaMax("small", "0.04");
    createWithAlphaMax("typo", "400");
    expectLeftAxisUpTo(400);
    createWithAlphaMax("huge", "1e300");
    expectLeftAxisUpTo(1e300);
    // Large enough that the plateau overflows: the axis follows what is finite.
    createWithAlphaMax("overflow", "1e308");

    // Back down: hide and delete the large ones, the small one rules again.
    form->checkList()->setFocus();
    for (int row : {3, 2, 1}) {
        form->checkList()->setCurrentRow(row);
        QTest::keyClick(form->checkList(), Qt::Key_Space);
    }
    expectLeftAxisUpTo(0.04);
    for (int row : {1, 2, 3}) {
        form->checkList()->setCurrentRow(row);
        QTest::keyClick(form->checkList(), Qt::Key_Space);
    }
    form->resize(1400, 1000);
    QCoreApplication::processEvents();
    form->resize(700, 420);
    QCoreApplication::processEvents();
    QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);  // Delete All
    expectLeftAxisUpTo(1.0);

    EXPECT_LE(watch.mostLabels(), 100);
}

TEST_F(ChartAxisTest, ZoomingOutAgainAndAgainStaysLight)
{
    AxisWatch watch(form->chart()->leftAxis());
    createWithAlphaMax("small", "0.04");
    for (int i = 0; i < 40; ++i)
        rightClickChart();
    createWithAlphaMax("huge", "1e300");
    for (int i = 0; i < 40; ++i)
        rightClickChart();
    EXPECT_TRUE(std::isfinite(form->chart()->leftAxis()->max()));
    EXPECT_LE(watch.mostLabels(), 100);

    // Zooming in by a rectangle still works after all that.
    const double before = form->chart()->leftAxis()->max() - form->chart()->leftAxis()->min();
    QWidget* view = form->chart()->viewport();
    const QPoint corner = form->chart()->mapFromScene(form->chart()->chart()->plotArea().topLeft());
    QTest::mousePress(view, Qt::LeftButton, {}, corner + QPoint(20, 20));
    QTest::mouseMove(view, corner + QPoint(80, 60));
    QTest::mouseRelease(view, Qt::LeftButton, {}, corner + QPoint(80, 60));
    EXPECT_LT(form->chart()->leftAxis()->max() - form->chart()->leftAxis()->min(), before);
}

TEST_F(ChartAxisTest, DoubleClickOnTheLegendTogglesTheCurveAndKeepsTheChartHome)
{
    create("A");
    CheckLegend* legend = form->chart()->checkLegend();
    const QPoint row = form->chart()->mapFromScene(legend->mapToScene(legend->rowRect(0).center()));
    QTest::mouseDClick(form->chart()->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseRelease(form->chart()->viewport(), Qt::LeftButton, {}, row);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->chart()->place(), ChartPlace::Home);
    EXPECT_EQ(form->chart()->parentWidget(), form->chartGroup());
    EXPECT_FALSE(form->chart()->curve(0)->isVisible());
    EXPECT_TRUE(form->checkList()->isChecked(0));
}
