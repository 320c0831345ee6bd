#pragma once

#include "excel/ExcelConstants.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

// What the workbook server keeps of a workbook: plain data, written by the
// server's objects and read by the file writer. Parts are never removed, so
// an object may keep a pointer to the part it stands for as long as the
// workbook lives. Rows and columns are 1-based; sizes and positions in points.

namespace wb {

struct ColorData {
    enum class Kind : std::uint8_t { Automatic, Rgb, Theme };
    Kind kind = Kind::Automatic;
    std::uint32_t rgb = 0;   // red + 256 green + 65536 blue, as the caller gives it
    std::int32_t theme = 0;  // ObjectThemeColor
};

// Unset fields keep the look the chart gives the part by default.
struct LineData {
    std::optional<bool> visible;
    ColorData color;
    std::optional<double> weight;
    std::optional<std::int32_t> dashStyle;  // an MsoLineDashStyle
};

struct FillData {
    std::optional<bool> visible;
    ColorData color;
};

struct FontData {
    std::optional<double> size;
};

// A rectangle of cells on one sheet of the workbook.
class SheetData;
struct CellArea {
    const SheetData* sheet = nullptr;
    std::int32_t firstRow = 1;
    std::int32_t firstColumn = 1;
    std::int32_t lastRow = 1;
    std::int32_t lastColumn = 1;
};

struct AxisData {
    bool hasTitle = false;
    QString titleText = QStringLiteral("Axis Title");
    FontData titleFont;
    LineData line;
    std::optional<double> crossesAt;
    std::int32_t majorTickMark = xl::TickMarkOutside;
    LineData gridlines;
    FontData tickLabelFont;
};

struct SeriesData {
    int number = 1;             // 1 for the first series of its chart
    QString literalName;        // used when no name cell is given
    std::optional<CellArea> nameCell;
    std::optional<CellArea> xValues;
    std::optional<CellArea> values;
    LineData line;
    FillData fill;              // the markers' fill
    std::int32_t markerStyle = xl::MarkerAutomatic;
    std::optional<std::int32_t> markerSize;
    std::optional<std::int32_t> chartType;  // unset: the chart's type
};

struct ChartData {
    std::int32_t style = -1;
    std::int32_t type = xl::XYScatterSmooth;
    std::vector<std::unique_ptr<SeriesData>> series;
    AxisData axes[2];           // [0] category (X), [1] value (Y)
    bool hasLegend = false;
    bool legendInLayout = true;  // false: drawn over the plot area
    FontData legendFont;
    LineData plotAreaLine;
    bool hasTitle = false;
    QString titleText = QStringLiteral("Chart Title");

    AxisData& axis(std::int32_t type) { return axes[type == xl::CategoryAxis ? 0 : 1]; }
};

// A chart object on a sheet.
struct ChartShapeData {
    double left = 0;
    double top = 0;
    double width = xl::DefaultChartWidth;
    double height = xl::DefaultChartHeight;
    ChartData chart;
};

struct CellData {
    enum class Kind : std::uint8_t { Number, Text, Boolean };
    Kind kind = Kind::Number;
    double number = 0;  // also the boolean, 1 or 0
    QString text;
};

class SheetData {
public:
    explicit SheetData(QString name) : name_(std::move(name)) {}

    const QString& name() const { return name_; }

    // Null for an empty cell.
    const CellData* cell(std::int32_t row, std::int32_t column) const;
    void setCell(std::int32_t row, std::int32_t column, CellData value);
    void clearCell(std::int32_t row, std::int32_t column);

    // Every filled cell, in no particular order.
    template <class Visit>
    void forEachCell(Visit visit) const
    {
        for (const auto& [key, value] : cells_)
            visit(static_cast<std::int32_t>(key >> 16), static_cast<std::int32_t>(key & 0xFFFF), value);
    }

    std::vector<std::unique_ptr<ChartShapeData>> charts;

private:
    static std::uint64_t key(std::int32_t row, std::int32_t column)
    {
        return (static_cast<std::uint64_t>(row) << 16) | static_cast<std::uint64_t>(column);
    }

    QString name_;
    std::unordered_map<std::uint64_t, CellData> cells_;
};

// A workbook and the state of its file.
struct BookData {
    explicit BookData(QString bookName);

    // The sheet of that name, compared without regard to case; null if none.
    SheetData* findSheet(const QString& sheetName) const;

    QString name;
    std::vector<std::unique_ptr<SheetData>> sheets;

    int callerHandles = 0;  // the caller's objects into this workbook now alive
    bool changed = true;    // since the file was last written
    bool opened = false;    // handed to the desktop's spreadsheet program
    QString path;           // the file, once written
};

} // namespace wb
