#pragma once

#include "excel/workbook/BookModel.h"

#include <QString>
#include <cstdint>
#include <string>

// The references a chart series takes for its name and its values: "=" and
// a sheet name, "!", and one cell or a range, as in =Sheet1!$B$1 and
// =Sheet1!$A$2:$A$602. The $ markers are optional, the sheet name may be
// quoted ('Sheet 1'!), and a range given end first is turned round.

namespace wb {

struct ParsedReference {
    QString sheetName;
    std::int32_t firstRow = 1;
    std::int32_t firstColumn = 1;
    std::int32_t lastRow = 1;
    std::int32_t lastColumn = 1;

    bool isOneCell() const { return firstRow == lastRow && firstColumn == lastColumn; }
    bool isOneLine() const { return firstRow == lastRow || firstColumn == lastColumn; }
};

// False, with the reason in `problem`, when `text` is not such a reference
// or names a cell outside a sheet.
bool parseReference(const QString& text, ParsedReference& reference, QString& problem);

// The formula of an area in absolute form, its sheet name quoted when needed:
// =Sheet1!$B$1, =Sheet1!$A$2:$A$602.
std::string referenceFormula(const CellArea& area);

} // namespace wb
