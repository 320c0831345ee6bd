#include "excel/ExcelToolkit.h"

#include "excel/AutomationCalls.h"
#include "excel/AutomationError.h"
#include "excel/ColourValue.h"
#include "excel/ExcelConstants.h"

#include <limits>

namespace {

// Cells are written with 16-bit positions; a value that does not fit must
// not wrap round onto some other cell.
std::int16_t cellPosition(std::int32_t value, const char* what)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        throw AutomationError(hresult::Overflow,
                              QStringLiteral("%1 %2 is beyond the 16-bit range of a cell position.")
                                  .arg(QLatin1String(what))
                                  .arg(value));
    }
    return static_cast<std::int16_t>(value);
}

std::int32_t cellCoordinate(const Variant& sheet, std::int32_t row, std::int32_t column, const char* member)
{
    const Variant cell = getWithInts(sheet, "Cells", row, column);
    const Variant value = getProperty(cell, member);
    std::int32_t whole = 0;
    if (value.toInt32(whole))
        return whole;
    double number = 0;
    throw AutomationError(value.toDouble(number) ? hresult::Overflow : hresult::TypeMismatch);
}

Variant axis(const Variant& chart, std::int32_t type)
{
    return callWithInts(chart, "Axes", type, xl::PrimaryGroup);
}

void setAxisTitle(const Variant& chart, std::int32_t element, std::int32_t type, const std::string& text)
{
    callWithInt(chart, "SetElement", element);
    const Variant title = getProperty(axis(chart, type), "AxisTitle");
    putText(title, "Text", text);
}

void setAxisLine(const Variant& chart, std::int32_t type, bool visible)
{
    const Variant line = getProperty(getProperty(axis(chart, type), "Format"), "Line");
    putBool(line, "Visible", visible);
    putInt(getProperty(line, "ForeColor"), "ObjectThemeColor", xl::ThemeColorText1);
}

void setGridlines(const Variant& chart, std::int32_t type, bool visible)
{
    const Variant gridlines = getProperty(axis(chart, type), "MajorGridlines");
    const Variant line = getProperty(getProperty(gridlines, "Format"), "Line");
    putBool(line, "Visible", visible);
}

// `part` is "Line" or "Fill" of the series' format.
void setSeriesColor(const Variant& series, const char* part, std::uint8_t red, std::uint8_t green,
                    std::uint8_t blue)
{
    const Variant format = getProperty(getProperty(series, "Format"), part);
    putBool(format, "Visible", true);
    putColor(getProperty(format, "ForeColor"), "RGB", automationColour(red, green, blue));
}

} // namespace

Variant addChartAt(const Variant& sheet, std::int32_t left, std::int32_t top, std::int32_t width,
                   std::int32_t height)
{
    const Variant shapes = getProperty(sheet, "Shapes");
    const Variant chartObject = callWithInts(shapes, "AddChart2", xl::ChartStyleScatter, xl::XYScatterSmooth);
    putInt(chartObject, "Left", left);
    putInt(chartObject, "Top", top);
    putInt(chartObject, "Width", width);
    putInt(chartObject, "Height", height);
    return chartObject;
}

void setCellText(const Variant& sheet, std::int32_t row, std::int32_t column, const std::string& text)
{
    const std::int16_t shortRow = cellPosition(row, "Row");
    const std::int16_t shortColumn = cellPosition(column, "Column");
    const Variant cell = getWithShorts(sheet, "Cells", shortRow, shortColumn);
    putText(cell, "Value", text);
}

std::int32_t cellLeft(const Variant& sheet, std::int32_t row, std::int32_t column)
{
    return cellCoordinate(sheet, row, column, "Left");
}

std::int32_t cellTop(const Variant& sheet, std::int32_t row, std::int32_t column)
{
    return cellCoordinate(sheet, row, column, "Top");
}

void setHasTitle(const Variant& chart, bool flag)
{
    putBool(chart, "HasTitle", flag);
}

void setChartTitleText(const Variant& chart, const std::string& text)
{
    bool hasTitle = false;
    if (!getProperty(chart, "HasTitle").toBool(hasTitle))
        throw AutomationError(hresult::TypeMismatch);
    if (hasTitle)
        putText(getProperty(chart, "ChartTitle"), "Text", text);
}

void setXAxisTitle(const Variant& chart, const std::string& text)
{
    setAxisTitle(chart, xl::ElementCategoryAxisTitle, xl::CategoryAxis, text);
}

void setYAxisTitle(const Variant& chart, const std::string& text)
{
    setAxisTitle(chart, xl::ElementValueAxisTitle, xl::ValueAxis, text);
}

void setXAxisCrossesAt(const Variant& chart, std::int32_t value)
{
    putInt(axis(chart, xl::CategoryAxis), "CrossesAt", value);
}

void setYAxisCrossesAt(const Variant& chart, std::int32_t value)
{
    putInt(axis(chart, xl::ValueAxis), "CrossesAt", value);
}

void setXAxisLine(const Variant& chart, bool visible)
{
    setAxisLine(chart, xl::CategoryAxis, visible);
}

void setYAxisLine(const Variant& chart, bool visible)
{
    setAxisLine(chart, xl::ValueAxis, visible);
}

void setMajorGridlines(const Variant& chart, bool visible)
{
    setGridlines(chart, xl::ValueAxis, visible);
    setGridlines(chart, xl::CategoryAxis, visible);
}

void setMajorTickMark(const Variant& chart, std::int32_t type, std::int32_t mark)
{
    putInt(axis(chart, type), "MajorTickMark", mark);
}

void setSeriesData(const Variant& series, const std::string& name, const std::string& xValues,
                   const std::string& values)
{
    putText(series, "Name", name);
    putText(series, "XValues", xValues);
    putText(series, "Values", values);
}

void setSeriesLineColor(const Variant& series, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    setSeriesColor(series, "Line", red, green, blue);
}

void setSeriesMarkerFill(const Variant& series, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    setSeriesColor(series, "Fill", red, green, blue);
}

void setSeriesLineWeight(const Variant& series, float weight)
{
    const Variant line = getProperty(getProperty(series, "Format"), "Line");
    putBool(line, "Visible", true);
    putSingle(line, "Weight", weight);
}

void setSeriesLineDash(const Variant& series, std::int32_t dashStyle)
{
    putInt(getProperty(getProperty(series, "Format"), "Line"), "DashStyle", dashStyle);
}

void setSeriesMarker(const Variant& series, std::int32_t style, std::int32_t size)
{
    putInt(series, "MarkerStyle", style);
    if (style != xl::MarkerNone)
        putInt(series, "MarkerSize", size);
}

void setPlotAreaLine(const Variant& chart, bool visible)
{
    const Variant line = getProperty(getProperty(getProperty(chart, "PlotArea"), "Format"), "Line");
    putBool(line, "Visible", visible);
    if (visible)
        putInt(getProperty(line, "ForeColor"), "ObjectThemeColor", xl::ThemeColorText1);
}
