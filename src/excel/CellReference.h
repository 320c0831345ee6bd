#pragma once

#include <cstdint>
#include <string>

// A1-style cell references for the formulas that point chart series at cells.
// Rows and columns are 1-based; nothing is checked against the size of a
// worksheet, so any row or column gives a text.

// The column's letters: 1 is A, 26 is Z, 27 is AA, 16384 is XFD. A column
// of 0 or below has no letters.
std::string columnLetters(std::int32_t column);

// The marker, the column letters, the marker again and the row's decimal
// digits: row 1, column 2 and "$" give $B$1; an empty marker gives B1. A
// negative row keeps its sign ($A$-3).
std::string cellReference(std::int32_t row, std::int32_t column, const std::string& marker);

// "=Sheet1!$B$1": one absolute cell of the first sheet.
std::string sheetCellFormula(std::int32_t row, std::int32_t column);

// "=Sheet1!$A$2:$A$602": the absolute range between two cells of the first sheet.
std::string sheetRangeFormula(std::int32_t firstRow, std::int32_t firstColumn, std::int32_t lastRow,
                              std::int32_t lastColumn);
