#include "export/CheckPage.h"

#include <gtest/gtest.h>

namespace {

void expectInside(const QRectF& inner, const QRectF& page)
{
    EXPECT_GE(inner.left(), page.left() - 1e-9);
    EXPECT_GE(inner.top(), page.top() - 1e-9);
    EXPECT_LE(inner.right(), page.right() + 1e-9);
    EXPECT_LE(inner.bottom(), page.bottom() + 1e-9);
}

} // namespace

TEST(CheckPage, ChartThenRecordsThenVerdictsOnOnePage)
{
    const QRectF page(0, 0, 1100, 800);
    struct Case { int records, verdicts; qreal rowHeight; };
    // Few rows keep their height; many get lower rows, so that the tables
    // take 60 % of the page at most and everything stays on it.
    const Case cases[] = {{3, 8, 20, }, {9, 30, 20}, {40, 120, 20}, {1, 0, 20}};
    for (const Case& c : cases) {
        const qreal gap = 10;
        const CheckPageLayout layout = layoutCheckPage(page, QSizeF(600, 400), c.records, c.verdicts, c.rowHeight, gap);
        const int rows = c.records + c.verdicts;
        const qreal expected = rows * c.rowHeight <= 800 * 0.6 - gap ? c.rowHeight : (800 * 0.6 - gap) / rows;
        EXPECT_DOUBLE_EQ(layout.rowHeight, expected) << rows;
        EXPECT_DOUBLE_EQ(layout.records.height(), c.records * layout.rowHeight);
        EXPECT_DOUBLE_EQ(layout.verdicts.height(), c.verdicts * layout.rowHeight);
        EXPECT_DOUBLE_EQ(layout.records.top(), layout.chart.bottom() + gap);
        EXPECT_DOUBLE_EQ(layout.verdicts.top(), layout.records.bottom() + gap);
        EXPECT_NEAR(layout.chart.width() / layout.chart.height(), 1.5, 1e-9);
        EXPECT_NEAR(layout.chart.center().x(), page.center().x(), 1e-9);
        for (const QRectF& part : {layout.chart, layout.records, layout.verdicts})
            expectInside(part, page);
    }
}

TEST(CheckPage, ColumnsShareTheTablesWidth)
{
    const QRectF table(100, 50, 900, 200);
    for (int columns : {4, 5, 10}) {
        const QList<qreal> shares = recordColumnShares(columns);
        ASSERT_EQ(shares.size(), columns);
        EXPECT_DOUBLE_EQ(shares[0], 2 * shares[1]);
        const QRectF last = tableCell(table, 20, shares, 3, columns - 1);
        EXPECT_NEAR(last.right(), table.right(), 1e-9);
        EXPECT_DOUBLE_EQ(last.top(), 50 + 3 * 20);
        EXPECT_DOUBLE_EQ(tableCell(table, 20, shares, 0, 0).left(), 100);
    }
    const QRectF figure = tableCell(table, 20, verdictColumnShares(), 1, 2);
    EXPECT_NEAR(figure.right(), table.right(), 1e-9);
    EXPECT_TRUE(recordColumnShares(0).isEmpty());
}
