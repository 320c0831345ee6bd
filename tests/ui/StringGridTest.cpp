#include "MainWindowFixture.h"
#include "ui/GridRow.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>

namespace {

class GridTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        grid = form->grid();
        create("Spectrum-1");
        create("Second");
        across = grid->horizontalScrollBar();
        ASSERT_GT(across->maximum(), 0) << "the 121 periods must not fit the window";
    }

    // The fixed part as it looks: the header " Name" and the names under it.
    QImage namePart() const
    {
        const QRect cells = grid->viewport()->geometry();
        const int top = grid->horizontalHeader()->geometry().top();
        return grid->grab(QRect(cells.left(), top, 85, cells.bottom() + 1 - top)).toImage();
    }

    // What the user sees at a point of the grid's cells (viewport coordinates).
    QString shownAt(QPoint inCells) const
    {
        const QPoint global = grid->viewport()->mapToGlobal(inCells);
        QWidget* shown = grid->childAt(grid->mapFromGlobal(global));
        for (QWidget* w = shown; w != nullptr; w = w->parentWidget()) {
            if (auto* view = qobject_cast<QAbstractItemView*>(w))
                return view->indexAt(view->viewport()->mapFromGlobal(global)).data().toString();
        }
        return QStringLiteral("<nothing>");
    }

    QAccessibleTableInterface* table() const
    {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(grid);
        return accessible ? accessible->tableInterface() : nullptr;
    }

    StringGrid* grid = nullptr;
    QScrollBar* across = nullptr;
};

} // namespace

TEST_F(GridTest, NamesAndHeaderStayInViewWhileThePeriodsScroll)
{
    const QImage atStart = namePart();
    const int rowMiddle = grid->rowViewportPosition(1) + 10;
    EXPECT_EQ(shownAt(QPoint(5, rowMiddle)), "Second");

    across->setValue(across->maximum());
    EXPECT_TRUE(namePart() == atStart) << "the header and the names moved";
    EXPECT_EQ(shownAt(QPoint(5, rowMiddle)), "Second");
    EXPECT_EQ(shownAt(QPoint(84, grid->rowViewportPosition(0) + 10)), "Spectrum-1");
    // The last period ends inside the view, beside the names.
    const int lastLeft = grid->columnViewportPosition(121);
    EXPECT_GE(lastLeft, 85);
    EXPECT_LE(lastLeft + grid->columnWidth(121), grid->viewport()->width());
    EXPECT_EQ(shownAt(QPoint(lastLeft + 5, rowMiddle)), "0.005397");

    // The keyboard walks back to the first period without hiding a value
    // under the names, and on to the name, which scrolls nothing.
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 121));
    for (int column = 120; column >= 1; --column) {
        QTest::keyClick(grid, Qt::Key_Left);
        ASSERT_EQ(grid->currentIndex().column(), column);
        ASSERT_GE(grid->columnViewportPosition(column), 85) << "column " << column << " is under the names";
    }
    const int atFirstPeriod = across->value();
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentIndex().column(), 0);
    EXPECT_EQ(across->value(), atFirstPeriod);
    EXPECT_EQ(shownAt(QPoint(5, rowMiddle)), "Second");
}

TEST_F(GridTest, EachNameStaysBesideItsValuesWhenTheRowsScroll)
{
    for (int i = 3; i <= 9; ++i)
        create(QStringLiteral("S%1").arg(i));
    QScrollBar* down = grid->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return down->maximum() > 0; })) << "nine rows must not fit the grid";
    across->setValue(across->maximum() / 2);

    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 60));
    for (int row = 0; row < 9; ++row) {
        if (row > 0)
            QTest::keyClick(grid, Qt::Key_Down);
        const int y = grid->rowViewportPosition(row) + 10;
        ASSERT_GE(y, 0);
        EXPECT_EQ(shownAt(QPoint(5, y)), grid->model()->index(row, 0).data().toString()) << "row " << row;
    }
    EXPECT_EQ(down->value(), down->maximum());
}

TEST_F(GridTest, ScreenReadersSeeEveryCellWhereItIsShown)
{
    QAccessibleTableInterface* cells = table();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 2);
    EXPECT_EQ(cells->columnCount(), 122);
    EXPECT_EQ(cells->columnDescription(0), " Name");
    EXPECT_EQ(cells->columnDescription(121), "6");
    auto text = [&](int row, int column) {
        QAccessibleInterface* cell = cells->cellAt(row, column);
        return cell ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
    };
    EXPECT_EQ(text(0, 0), "Spectrum-1");
    EXPECT_EQ(text(0, 1), "0.018000");
    EXPECT_EQ(text(0, 121), "0.005397");
    EXPECT_EQ(text(1, 0), "Second");

    across->setValue(across->maximum());
    QAccessibleInterface* name = cells->cellAt(1, 0);
    ASSERT_NE(name, nullptr);
    EXPECT_FALSE(name->state().invisible);
    const QPoint cellsOrigin = grid->viewport()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(name->rect().left(), cellsOrigin.x());
    // Pointing at the names finds the name, not the value scrolled under it.
    QAccessibleInterface* pointed = QAccessible::queryAccessibleInterface(grid)->childAt(
        cellsOrigin.x() + 40, name->rect().center().y());
    ASSERT_NE(pointed, nullptr);
    EXPECT_EQ(pointed->text(QAccessible::Name), "Second");
    EXPECT_FALSE(cells->cellAt(1, 121)->state().invisible);
}

// A row keeps its cells in one string: every edit must move the cells after it.
TEST(GridRow, EditsKeepEveryOtherCellInPlace)
{
    GridRow row(QStringList{"Name", "0.080000", "", "0.045"}, 3);
    EXPECT_EQ(row.size(), 3);  // cut to the grid's columns
    EXPECT_EQ(row.at(0), "Name");
    EXPECT_EQ(row.at(2), "");
    EXPECT_EQ(row.at(3), "");  // beyond the row
    EXPECT_EQ(row.at(-1), "");

    row.set(1, "0.1");          // shorter, in the middle
    row.set(2, "long text 2");  // the empty cell filled
    row.set(0, "");             // the first emptied
    row.set(5, "far");          // widens the row with empty cells
    const QStringList expected{"", "0.1", "long text 2", "", "", "far"};
    ASSERT_EQ(row.size(), 6);
    for (int c = 0; c < row.size(); ++c)
        EXPECT_EQ(row.at(c), expected[c]) << c;

    row.truncate(2);
    EXPECT_EQ(row.size(), 2);
    EXPECT_EQ(row.at(1), "0.1");
    EXPECT_EQ(row.at(2), "");
    row.set(2, "again");
    EXPECT_EQ(row.at(2), "again");
}
