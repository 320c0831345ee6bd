#pragma once

#include "excel/workbook/BookModel.h"

#include <QString>

namespace wb {

// Writes `book` as an .xlsx file at `path`: its cells, and its charts as
// native charts over those cells. The file at `path` is replaced only by a
// complete new one flushed to the disk (the safe writer's way). False, with
// the reason in `problem`, when it fails.
bool writeXlsxFile(const BookData& book, const QString& path, QString& problem);

} // namespace wb
