#include "excel/CellReference.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(CellReference, ColumnsAreBijectiveBase26Letters)
{
    // Worked by hand: 702 = 26 * 26 + 26 is ZZ, 16384 = 24 * 676 + 6 * 26 + 4 is XFD.
    const std::vector<std::pair<int, std::string>> table = {
        {1, "A"},   {2, "B"},   {25, "Y"},   {26, "Z"},     {27, "AA"},    {28, "AB"},
        {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}, {16385, "XFE"},
    };
    for (const auto& [column, letters] : table) {
        EXPECT_EQ(columnLetters(column), letters) << "column " << column;
        EXPECT_EQ(cellReference(1, column, ""), letters + "1") << "column " << column;
    }
}

TEST(CellReference, TheMarkerStandsBeforeTheLettersAndBeforeTheDigits)
{
    EXPECT_EQ(cellReference(1, 2, "$"), "$B$1");
    EXPECT_EQ(cellReference(602, 1, "$"), "$A$602");
    EXPECT_EQ(cellReference(1, 2, ""), "B1");
    EXPECT_EQ(cellReference(2, 3, "xy"), "xyCxy2");
}

TEST(CellReference, RowsAndColumnsBeyondTheUsualRangeStillGiveText)
{
    EXPECT_EQ(cellReference(5, 0, "$"), "$$5");
    EXPECT_EQ(cellReference(0, 1, "$"), "$A$0");
    EXPECT_EQ(cellReference(-3, 1, "$"), "$A$-3");
    EXPECT_EQ(cellReference(2147483647, 1, ""), "A2147483647");
    EXPECT_EQ(cellReference(-2147483647 - 1, 1, ""), "A-2147483648");
    // Negative columns have no letters, like column 0.
    EXPECT_EQ(cellReference(4, -1, "$"), "$$4");
    EXPECT_EQ(cellReference(4, -27, ""), "4");
    // The largest column: 2147483647 = 6*26^6 + 24*26^5 + 19*26^4 + 8*26^3 + 18*26^2 + 24*26 + 23,
    // digits F X S H R X W.
    EXPECT_EQ(columnLetters(2147483647), "FXSHRXW");
}

TEST(CellReference, FormulasNameTheFirstSheetAndAbsoluteCells)
{
    EXPECT_EQ(sheetCellFormula(1, 2), "=Sheet1!$B$1");
    EXPECT_EQ(sheetRangeFormula(2, 1, 602, 1), "=Sheet1!$A$2:$A$602");
    EXPECT_EQ(sheetRangeFormula(2, 3, 1203, 3), "=Sheet1!$C$2:$C$1203");
}
