#pragma once

#include "excel/workbook/ApplicationObject.h"

// The workbook, its worksheets, their cells and the chart objects on them.

namespace wb {

// Workbook: Sheets(name or index).
class Workbook final : public BookObject<Workbook> {
public:
    explicit Workbook(const BookHandle& handle) : BookObject(handle) {}
    static const std::vector<Member<Workbook>>& members();

private:
    void sheets(const Call& call);
};

// Worksheet: Cells(row, column), Shapes.
class Worksheet final : public BookObject<Worksheet> {
public:
    Worksheet(const BookHandle& handle, SheetData& sheet) : BookObject(handle), sheet_(sheet) {}
    static const std::vector<Member<Worksheet>>& members();

private:
    void cells(const Call& call);
    void shapes(const Call& call);

    SheetData& sheet_;
};

// A one-cell range: Value, and Left and Top in points.
class Range final : public BookObject<Range> {
public:
    Range(const BookHandle& handle, SheetData& sheet, std::int32_t row, std::int32_t column)
        : BookObject(handle), sheet_(sheet), row_(row), column_(column)
    {
    }
    static const std::vector<Member<Range>>& members();

private:
    void value(const Call& call);
    void left(const Call& call);
    void top(const Call& call);

    SheetData& sheet_;
    std::int32_t row_;
    std::int32_t column_;
};

// Worksheet.Shapes: AddChart2(style, chart type).
class Shapes final : public BookObject<Shapes> {
public:
    Shapes(const BookHandle& handle, SheetData& sheet) : BookObject(handle), sheet_(sheet) {}
    static const std::vector<Member<Shapes>>& members();

private:
    void addChart2(const Call& call);

    SheetData& sheet_;
};

// The shape that holds a chart: Left, Top, Width, Height, Select.
class ChartObject final : public BookObject<ChartObject> {
public:
    ChartObject(const BookHandle& handle, ChartShapeData& shape) : BookObject(handle), shape_(shape) {}
    static const std::vector<Member<ChartObject>>& members();

private:
    void left(const Call& call);
    void top(const Call& call);
    void width(const Call& call);
    void height(const Call& call);
    void select(const Call& call);

    // Reads or writes one of the shape's measures, refusing a value that
    // would put the shape outside the sheet.
    void measure(const Call& call, double& field, double limit);

    ChartShapeData& shape_;
};

} // namespace wb
