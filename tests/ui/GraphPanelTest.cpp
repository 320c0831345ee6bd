#include "MainWindowFixture.h"
#include "UiTestHelpers.h"

#include "ui/GraphPanel.h"

#include <QGroupBox>

namespace {

class GraphPanelTest : public MainWindowTest {
protected:
    void doubleClickChart()
    {
        QTest::mouseDClick(form->chart()->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseRelease(form->chart()->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        // The chart moves once the double click's events are over.
        QCoreApplication::processEvents();
    }

    // Lets a closed panel be released, as the event loop does.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void expectAtHome()
    {
        settle();
        EXPECT_EQ(form->chart()->parentWidget(), form->chartGroup());
        EXPECT_EQ(form->chart()->place(), ChartPlace::Home);
        EXPECT_EQ(form->chart()->hint(), "Double click to Poup the Graph Panel.");
        EXPECT_TRUE((form->graphPanel() == nullptr));
        EXPECT_TRUE(form->findChildren<GraphPanel*>().isEmpty());
    }
};

} // namespace

TEST_F(GraphPanelTest, DoubleClickPopsTheChartOutAndBack)
{
    doubleClickChart();
    ASSERT_FALSE((form->graphPanel() == nullptr));
    EXPECT_EQ(form->chart()->parentWidget(), form->graphPanel());
    EXPECT_EQ(form->chart()->place(), ChartPlace::GraphPanel);
    EXPECT_EQ(form->chart()->hint(), "Double click to restore the Graph Panel.");
    EXPECT_EQ(titleBarText(form->graphPanel()), "GraphPanel");
    EXPECT_EQ(form->graphPanel()->size(), QSize(857, 353));
    EXPECT_EQ(form->chart()->size(), QSize(857, 353));
    EXPECT_TRUE(form->graphPanel()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form->graphPanel()->isModal());
    EXPECT_EQ(form->graphPanel()->hostedChart(), form->chart());
    EXPECT_EQ(form->graphPanel()->homeBox(), form->chartGroup());
    EXPECT_EQ(form->graphPanel()->parent(), form.get());
    EXPECT_EQ(form->chartGroup()->findChild<ChartControl*>(), nullptr);

    doubleClickChart();
    expectAtHome();
}

TEST_F(GraphPanelTest, ClosingThePanelReturnsTheChart)
{
    doubleClickChart();
    ASSERT_FALSE((form->graphPanel() == nullptr));
    form->graphPanel()->close();
    expectAtHome();
}

TEST_F(GraphPanelTest, CommandsKeepWorkingOnTheChartWhileItIsOut)
{
    create("A");
    doubleClickChart();
    create("B");
    EXPECT_EQ(form->chart()->curveCount(), 2);
    EXPECT_EQ(form->chart()->parentWidget(), form->graphPanel());
    doubleClickChart();
    expectAtHome();
    EXPECT_EQ(curveTitles(), QStringList({"A", "B"}));
}

TEST_F(GraphPanelTest, EachPopOutGetsAFreshCentredPanel)
{
    doubleClickChart();
    QPointer<GraphPanel> first = form->graphPanel();
    form->graphPanel()->resize(400, 200);
    form->graphPanel()->close();
    settle();
    EXPECT_TRUE(first.isNull());

    doubleClickChart();
    ASSERT_FALSE((form->graphPanel() == nullptr));
    EXPECT_EQ(form->graphPanel()->size(), QSize(857, 353));
    const QPoint panelCentre = form->graphPanel()->geometry().center();
    const QPoint ownerCentre = form->frameGeometry().center();
    EXPECT_LE((panelCentre - ownerCentre).manhattanLength(), 40);
    form->graphPanel()->close();
    expectAtHome();
}

TEST_F(GraphPanelTest, ThePanelGoesWithTheMainWindow)
{
    doubleClickChart();
    QPointer<GraphPanel> panel = form->graphPanel();
    form.reset();
    EXPECT_TRUE(panel.isNull());
}
