#include "MainWindowFixture.h"
#include "UiTestHelpers.h"

#include "ui/Graphpanelform.h"

#include <QGroupBox>

namespace {

class GraphPanelTest : public MainWindowTest {
protected:
    void doubleClickChart()
    {
        QTest::mouseDClick(form->cht1->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseRelease(form->cht1->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        // The chart moves once the double click's events are over.
        QCoreApplication::processEvents();
    }

    // Lets a closed panel be released, as the event loop does.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void expectAtHome()
    {
        settle();
        EXPECT_EQ(form->cht1->parentWidget(), form->grp2);
        EXPECT_EQ(form->cht1->tag(), 0);
        EXPECT_EQ(form->cht1->hint(), "Double click to Poup the Graph Panel.");
        EXPECT_TRUE(Form2.isNull());
        EXPECT_TRUE(form->findChildren<TForm2*>().isEmpty());
    }
};

} // namespace

TEST_F(GraphPanelTest, DoubleClickPopsTheChartOutAndBack)
{
    doubleClickChart();
    ASSERT_FALSE(Form2.isNull());
    EXPECT_EQ(form->cht1->parentWidget(), Form2.data());
    EXPECT_EQ(form->cht1->tag(), 1);
    EXPECT_EQ(form->cht1->hint(), "Double click to restore the Graph Panel.");
    EXPECT_EQ(titleBarText(Form2), "GraphPanel");
    EXPECT_EQ(Form2->size(), QSize(857, 353));
    EXPECT_EQ(form->cht1->size(), QSize(857, 353));
    EXPECT_TRUE(Form2->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(Form2->isModal());
    EXPECT_EQ(Form2->hostedChart, form->cht1);
    EXPECT_EQ(Form2->homeParent, form->grp2);
    EXPECT_EQ(Form2->parent(), form.get());
    EXPECT_EQ(form->grp2->findChild<ChartControl*>(), nullptr);

    doubleClickChart();
    expectAtHome();
}

TEST_F(GraphPanelTest, ClosingThePanelReturnsTheChart)
{
    doubleClickChart();
    ASSERT_FALSE(Form2.isNull());
    Form2->close();
    expectAtHome();
}

TEST_F(GraphPanelTest, CommandsKeepWorkingOnTheChartWhileItIsOut)
{
    create("A");
    doubleClickChart();
    create("B");
    EXPECT_EQ(form->cht1->curveCount(), 2);
    EXPECT_EQ(form->cht1->parentWidget(), Form2.data());
    doubleClickChart();
    expectAtHome();
    EXPECT_EQ(curveTitles(), QStringList({"A", "B"}));
}

TEST_F(GraphPanelTest, EachPopOutGetsAFreshCentredPanel)
{
    doubleClickChart();
    QPointer<TForm2> first = Form2;
    Form2->resize(400, 200);
    Form2->close();
    settle();
    EXPECT_TRUE(first.isNull());

    doubleClickChart();
    ASSERT_FALSE(Form2.isNull());
    EXPECT_EQ(Form2->size(), QSize(857, 353));
    const QPoint panelCentre = Form2->geometry().center();
    const QPoint ownerCentre = form->frameGeometry().center();
    EXPECT_LE((panelCentre - ownerCentre).manhattanLength(), 40);
    Form2->close();
    expectAtHome();
}

TEST_F(GraphPanelTest, ThePanelGoesWithTheMainWindow)
{
    doubleClickChart();
    QPointer<TForm2> panel = Form2;
    form.reset();
    EXPECT_TRUE(panel.isNull());
}
