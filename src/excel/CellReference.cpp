#include "excel/CellReference.h"

#include <algorithm>

namespace {

const std::string SheetPrefix = "=Sheet1!";
const std::string Absolute = "$";

} // namespace

std::string columnLetters(std::int32_t column)
{
    // Bijective base 26: digits run from 1 (A) to 26 (Z), there is no zero.
    std::string letters;
    for (std::int32_t n = column; n > 0; n = (n - 1) / 26) {
        const std::int32_t digit = (n - 1) % 26;
        letters.push_back(static_cast<char>('A' + digit));
    }
    std::reverse(letters.begin(), letters.end());
    return letters;
}

std::string cellReference(std::int32_t row, std::int32_t column, const std::string& marker)
{
    return marker + columnLetters(column) + marker + std::to_string(row);
}

std::string sheetCellFormula(std::int32_t row, std::int32_t column)
{
    return SheetPrefix + cellReference(row, column, Absolute);
}

std::string sheetRangeFormula(std::int32_t firstRow, std::int32_t firstColumn, std::int32_t lastRow,
                              std::int32_t lastColumn)
{
    return SheetPrefix + cellReference(firstRow, firstColumn, Absolute) + ":" +
           cellReference(lastRow, lastColumn, Absolute);
}
