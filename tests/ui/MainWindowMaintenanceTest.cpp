#include "MainWindowFixture.h"

#include "spectrum/KavrelSpectrum.h"
#include "ui/CheckLegend.h"

#include <QAction>
#include <QValueAxis>

namespace {

class MaintenanceTest : public MainWindowTest {
protected:
    void createABC()
    {
        create("A");
        type("edt1", "0.08");
        create("B");
        type("edt1", "0.12");
        create("C");
    }

    void makeCurrent(int row)
    {
        form->checkList()->selectionModel()->setCurrentIndex(form->checkList()->model()->index(row, 0),
                                                      QItemSelectionModel::NoUpdate);
    }

    void clickDelete() { QTest::mouseClick(control<QPushButton>("Button4"), Qt::LeftButton); }

    // Toggles entry `row` with the space bar, as a user does.
    void toggleEntry(int row)
    {
        form->checkList()->setFocus();
        form->checkList()->setCurrentRow(row);
        QTest::keyClick(form->checkList(), Qt::Key_Space);
    }

    void clickLegendRow(int row)
    {
        CheckLegend* legend = form->chart()->checkLegend();
        const QPointF scenePos = legend->mapToScene(legend->rowRect(row).center());
        QTest::mouseClick(form->chart()->viewport(), Qt::LeftButton, {}, form->chart()->mapFromScene(scenePos));
    }

    QList<bool> curveVisibility() const
    {
        QList<bool> shown;
        for (QLineSeries* curve : form->chart()->curves())
            shown << curve->isVisible();
        return shown;
    }
};

} // namespace

TEST_F(MaintenanceTest, DeletingTheFirstMovesTheOtherRowsUp)
{
    createABC();
    const QStringList rowB = gridRow(2);
    const QStringList rowC = gridRow(3);
    makeCurrent(0);
    clickDelete();
    EXPECT_EQ(listTexts(), QStringList({"B", "C"}));
    EXPECT_EQ(curveTitles(), QStringList({"B", "C"}));
    EXPECT_EQ(form->grid()->rowsWithHeader(), 3);
    EXPECT_EQ(gridRow(1), rowB);
    EXPECT_EQ(gridRow(2), rowC);
    EXPECT_EQ(KavrelSpectrum::liveCount(), 2);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MaintenanceTest, DeletingTheLastKeepsTheRowsAbove)
{
    createABC();
    const QStringList rowA = gridRow(1);
    const QStringList rowB = gridRow(2);
    makeCurrent(2);
    control<QAction>("Delete1")->trigger();
    EXPECT_EQ(listTexts(), QStringList({"A", "B"}));
    EXPECT_EQ(form->grid()->rowsWithHeader(), 3);
    EXPECT_EQ(gridRow(1), rowA);
    EXPECT_EQ(gridRow(2), rowB);
}

TEST_F(MaintenanceTest, DeletingTheOnlySpectrumLeavesAnEmptyRow)
{
    create("Only");
    makeCurrent(0);
    clickDelete();
    EXPECT_EQ(form->checkList()->count(), 0);
    EXPECT_EQ(form->chart()->curveCount(), 0);
    EXPECT_EQ(form->grid()->rowsWithHeader(), 2);
    EXPECT_EQ(gridRow(1), QStringList(122, QString()));
    EXPECT_EQ(form->grid()->text(0, 0), " Name");
    EXPECT_EQ(KavrelSpectrum::liveCount(), 0);

    clickDelete();  // nothing left: nothing happens
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MaintenanceTest, DeleteActsOnTheFocusRectangleNotTheSelection)
{
    createABC();
    form->checkList()->item(0)->setSelected(true);
    form->checkList()->item(2)->setSelected(true);
    makeCurrent(1);
    ASSERT_FALSE(form->checkList()->item(1)->isSelected());
    clickDelete();
    EXPECT_EQ(listTexts(), QStringList({"A", "C"}));
    EXPECT_EQ(curveTitles(), QStringList({"A", "C"}));
    EXPECT_EQ(gridRow(2)[0], "C");
}

TEST_F(MaintenanceTest, DeleteWithoutACurrentEntryDoesNothing)
{
    createABC();
    form->checkList()->setCurrentRow(-1);
    clickDelete();
    EXPECT_EQ(listTexts(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(form->grid()->rowsWithHeader(), 4);
}

TEST_F(MaintenanceTest, DeleteAllEmptiesEveryViewAndWorksOnAnEmptySet)
{
    QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);
    EXPECT_EQ(form->grid()->rowsWithHeader(), 2);
    EXPECT_EQ(gridRow(1), QStringList(122, QString()));
    EXPECT_TRUE(dialogs.boxes.empty());

    createABC();
    control<QAction>("DeleteAll1")->trigger();
    EXPECT_TRUE(form->spectra().empty());
    EXPECT_EQ(form->checkList()->count(), 0);
    EXPECT_EQ(form->chart()->curveCount(), 0);
    EXPECT_EQ(form->chart()->checkLegend()->rowCount(), 0);
    EXPECT_EQ(form->grid()->rowsWithHeader(), 2);
    EXPECT_EQ(gridRow(1), QStringList(122, QString()));
    EXPECT_EQ(KavrelSpectrum::liveCount(), 0);

    create("A");  // names are free again
    EXPECT_EQ(gridRow(1)[0], "A");
}

TEST_F(MaintenanceTest, CheckListTogglesShowAndHideCurves)
{
    createABC();
    toggleEntry(1);
    EXPECT_FALSE(form->checkList()->isChecked(1));
    EXPECT_EQ(curveVisibility(), QList<bool>({true, false, true}));
    expectLeftAxisUpTo(0.12);
    toggleEntry(1);
    EXPECT_EQ(curveVisibility(), QList<bool>({true, true, true}));
}

TEST_F(MaintenanceTest, LegendHidesOneCurveUntilTheNextListToggle)
{
    createABC();
    clickLegendRow(1);
    EXPECT_EQ(curveVisibility(), QList<bool>({true, false, true}));
    EXPECT_TRUE(form->checkList()->isChecked(1));  // the list is not touched
    EXPECT_EQ(form->chart()->checkLegend()->rowCount(), 3);  // the row stays

    clickLegendRow(1);  // and the legend can show it again
    EXPECT_EQ(curveVisibility(), QList<bool>({true, true, true}));
    clickLegendRow(1);

    toggleEntry(0);  // any list toggle sets every curve from the list
    EXPECT_EQ(curveVisibility(), QList<bool>({false, true, true}));
}

TEST_F(MaintenanceTest, CreateTicksTheNewEntryWithoutRunningTheToggle)
{
    create("A");
    clickLegendRow(0);
    create("B");  // must not show A again: no toggle happened
    EXPECT_EQ(curveVisibility(), QList<bool>({false, true}));
}

TEST(MainWindowTeardown, EverySpectrumIsReleasedOnceWhenTheWindowCloses)
{
    FakeUserDialogs dialogs;
    const int before = KavrelSpectrum::liveCount();
    {
        MainWindow form;
        for (const char* name : {"A", "B", "C"}) {
            form.findChild<QLineEdit*>("edt4")->setText(name);
            form.createSpectrum();
        }
        EXPECT_EQ(KavrelSpectrum::liveCount(), before + 3);
    }
    EXPECT_EQ(KavrelSpectrum::liveCount(), before);
}
