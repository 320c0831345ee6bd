#include "excel/workbook/BookModel.h"

namespace wb {

const CellData* SheetData::cell(std::int32_t row, std::int32_t column) const
{
    const auto found = cells_.find(key(row, column));
    return found == cells_.end() ? nullptr : &found->second;
}

void SheetData::setCell(std::int32_t row, std::int32_t column, CellData value)
{
    cells_[key(row, column)] = std::move(value);
}

void SheetData::clearCell(std::int32_t row, std::int32_t column)
{
    cells_.erase(key(row, column));
}

BookData::BookData(QString bookName) : name(std::move(bookName))
{
    // A new workbook has the one sheet.
    sheets.push_back(std::make_unique<SheetData>(QStringLiteral("Sheet1")));
}

SheetData* BookData::findSheet(const QString& sheetName) const
{
    for (const auto& sheet : sheets) {
        if (sheet->name().compare(sheetName, Qt::CaseInsensitive) == 0)
            return sheet.get();
    }
    return nullptr;
}

} // namespace wb
