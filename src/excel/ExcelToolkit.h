#pragma once

#include "excel/Variant.h"

#include <cstdint>
#include <string>

// The spreadsheet operations the chart export is made of. Each is a fixed
// path of members of the spreadsheet application's objects, reached through
// the late-bound calls of AutomationCalls.h; failures raise AutomationError.
// Texts are narrow, in the locale's encoding.

// Adds an empty chart (style 240, scatter with smoothed lines) to the sheet's
// shapes, places it and returns its chart object.
Variant addChartAt(const Variant& sheet, std::int32_t left, std::int32_t top, std::int32_t width,
                   std::int32_t height);

// Writes a text into one cell. The cell position travels as two 16-bit
// integers; a row or column outside -32768..32767 is refused with an
// AutomationError before any call is made.
void setCellText(const Variant& sheet, std::int32_t row, std::int32_t column, const std::string& text);

// The position of a cell's top-left corner in points, rounded to the
// nearest whole number.
std::int32_t cellLeft(const Variant& sheet, std::int32_t row, std::int32_t column);
std::int32_t cellTop(const Variant& sheet, std::int32_t row, std::int32_t column);

void setHasTitle(const Variant& chart, bool flag);
// Writes the title text only while the chart reports that it has a title.
void setChartTitleText(const Variant& chart, const std::string& text);

void setXAxisTitle(const Variant& chart, const std::string& text);
void setYAxisTitle(const Variant& chart, const std::string& text);
void setXAxisCrossesAt(const Variant& chart, std::int32_t value);
void setYAxisCrossesAt(const Variant& chart, std::int32_t value);
// Shows or hides the axis line; its theme colour is set either way.
void setXAxisLine(const Variant& chart, bool visible);
void setYAxisLine(const Variant& chart, bool visible);
// Major gridlines of the vertical axis, then of the horizontal axis.
void setMajorGridlines(const Variant& chart, bool visible);
// `type` 1 is the horizontal axis, 2 the vertical one.
void setMajorTickMark(const Variant& chart, std::int32_t type, std::int32_t mark);

// Name, X values and Y values of a series, each as a text (usually a
// "=Sheet1!..." reference).
void setSeriesData(const Variant& series, const std::string& name, const std::string& xValues,
                   const std::string& values);
void setSeriesLineColor(const Variant& series, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
void setSeriesMarkerFill(const Variant& series, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
void setSeriesLineWeight(const Variant& series, float weight);
// The series' line dashes, an MsoLineDashStyle (xl::LineDash ...).
void setSeriesLineDash(const Variant& series, std::int32_t dashStyle);
// Style -4142 (no marker) writes the style alone and leaves the size.
void setSeriesMarker(const Variant& series, std::int32_t style, std::int32_t size);
// Shows or hides the plot area's border; its theme colour is set only when shown.
void setPlotAreaLine(const Variant& chart, bool visible);
