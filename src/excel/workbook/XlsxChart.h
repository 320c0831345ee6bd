#pragma once

#include "excel/workbook/BookModel.h"

#include <xlsxwriter.h>

// How a chart of the workbook server becomes a chart of the file format.

namespace wb {

// A new chart of `workbook` drawn as `data` describes it, over the cells of
// `book`. Null when the library refuses to make one.
lxw_chart* buildChart(lxw_workbook* workbook, const ChartData& data, const BookData& book);

// Where a chart object goes: the cell under its top-left corner, the offset
// from that cell and the scale of the default chart size, all in pixels at
// 96 dpi.
struct ChartPlacement {
    lxw_row_t row = 0;
    lxw_col_t column = 0;
    lxw_chart_options options{};
};
ChartPlacement chartPlacement(const ChartShapeData& shape);

} // namespace wb
