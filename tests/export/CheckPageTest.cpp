#include "export/CheckPage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void expectInside(const QRectF& inner, const QRectF& page)
{
    EXPECT_GE(inner.left(), page.left() - 1e-9);
    EXPECT_GE(inner.top(), page.top() - 1e-9);
    EXPECT_LE(inner.right(), page.right() + 1e-9);
    EXPECT_LE(inner.bottom(), page.bottom() + 1e-9);
}

} // namespace

struct PageCase {
    const char* name;
    int headingLines, records, verdicts;
    qreal rowHeight;     // expected
    bool secondPage;     // expected
};

// A 1100 x 800 page, rows of 20, gaps of 10, a 3:2 chart. Under six heading
// lines (130) and a chart of a third of the page (266.7) 393.3 are left.
const PageCase pageCases[] = {
    {"FewRowsStayOnOnePage", 6, 5, 8, 20, false},
    {"ManyVerdictsTakeASecondPage", 6, 9, 30, 20, true},
    // 40 record rows get 393.3 / 40; then 120 verdicts a page of 800 / 120.
    {"OnlyTablesTooLongGetLowerRows", 6, 40, 120, 800.0 / 120, true},
    {"WithoutHeadingOrVerdicts", 0, 1, 0, 20, false},
};

class CheckPageLayoutTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(CheckPageLayoutTest, HeadingChartRecordsThenVerdictsWithReadableRows)
{
    const PageCase c = GetParam();
    const QRectF page(0, 0, 1100, 800);
    const qreal gap = 10;
    const CheckPageLayout layout = layoutCheckPage(page, QSizeF(600, 400), c.headingLines, c.records, c.verdicts, 20, gap);
    EXPECT_NEAR(layout.rowHeight, c.rowHeight, 1e-9);
    EXPECT_EQ(layout.verdictsOnSecondPage, c.secondPage);
    EXPECT_DOUBLE_EQ(layout.heading.height(), c.headingLines * layout.rowHeight);
    EXPECT_DOUBLE_EQ(layout.records.height(), c.records * layout.rowHeight);
    EXPECT_DOUBLE_EQ(layout.verdicts.height(), c.verdicts * layout.rowHeight);
    EXPECT_GE(layout.chart.top(), layout.heading.bottom());
    EXPECT_DOUBLE_EQ(layout.records.top(), layout.chart.bottom() + gap);
    EXPECT_DOUBLE_EQ(layout.verdicts.top(), c.secondPage ? 0 : layout.records.bottom() + gap);
    EXPECT_NEAR(layout.chart.width() / layout.chart.height(), 1.5, 1e-9);
    EXPECT_GE(layout.chart.height(), 800 / 3.0 - 1e-9);
    EXPECT_NEAR(layout.chart.center().x(), page.center().x(), 1e-9);
    for (const QRectF& part : {layout.heading, layout.chart, layout.records, layout.verdicts})
        expectInside(part, page);
}

INSTANTIATE_TEST_SUITE_P(Sheets, CheckPageLayoutTest, ::testing::ValuesIn(pageCases),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

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
