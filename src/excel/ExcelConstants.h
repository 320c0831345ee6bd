#pragma once

#include <cstdint>

// The spreadsheet application's own numbers for what its callers pass: sheet
// size, chart types and styles, elements, axes, tick marks, marker styles and
// theme colours. The export passes them and the built-in server reads them,
// so both take them from here.

namespace xl {

constexpr std::int32_t MaxRows = 1048576;
constexpr std::int32_t MaxColumns = 16384;
constexpr std::int32_t MaxCellText = 32767;

// A new sheet's cells, in points; 64 x 20 pixels at 96 dpi.
constexpr double ColumnWidth = 48.0;
constexpr double RowHeight = 15.0;

// A chart added without a size: 480 x 288 pixels.
constexpr double DefaultChartWidth = 360.0;
constexpr double DefaultChartHeight = 216.0;

// AddChart2's style of a new scatter chart in current versions of the application.
constexpr std::int32_t ChartStyleScatter = 240;

// The XY scatter chart types.
constexpr std::int32_t XYScatter = -4169;                 // markers only
constexpr std::int32_t XYScatterSmooth = 72;              // smoothed lines with markers
constexpr std::int32_t XYScatterSmoothNoMarkers = 73;
constexpr std::int32_t XYScatterLines = 74;               // straight lines with markers
constexpr std::int32_t XYScatterLinesNoMarkers = 75;

// Axes(type, group).
constexpr std::int32_t CategoryAxis = 1;  // the horizontal axis, X of a scatter chart
constexpr std::int32_t ValueAxis = 2;
constexpr std::int32_t PrimaryGroup = 1;

// SetElement.
constexpr std::int32_t ElementChartTitleNone = 0;
constexpr std::int32_t ElementChartTitleAbove = 2;
constexpr std::int32_t ElementLegendNone = 100;
constexpr std::int32_t ElementLegendRight = 101;
constexpr std::int32_t ElementLegendRightOverlay = 105;
constexpr std::int32_t ElementCategoryAxisTitleNone = 300;
constexpr std::int32_t ElementCategoryAxisTitle = 301;
constexpr std::int32_t ElementValueAxisTitleNone = 306;
constexpr std::int32_t ElementValueAxisTitle = 307;

// MajorTickMark.
constexpr std::int32_t TickMarkNone = -4142;
constexpr std::int32_t TickMarkInside = 2;
constexpr std::int32_t TickMarkOutside = 3;
constexpr std::int32_t TickMarkCross = 4;

// MarkerStyle.
constexpr std::int32_t MarkerAutomatic = -4105;
constexpr std::int32_t MarkerNone = -4142;
constexpr std::int32_t MarkerSquare = 1;
constexpr std::int32_t MarkerDiamond = 2;
constexpr std::int32_t MarkerTriangle = 3;
constexpr std::int32_t MarkerX = -4168;
constexpr std::int32_t MarkerStar = 5;
constexpr std::int32_t MarkerDot = -4118;
constexpr std::int32_t MarkerDash = -4115;
constexpr std::int32_t MarkerCircle = 8;
constexpr std::int32_t MarkerPlus = 9;
constexpr std::int32_t MinMarkerSize = 2;
constexpr std::int32_t MaxMarkerSize = 72;

// ObjectThemeColor runs from 1 (dark 1) to 16 (background 2); 13 is the text colour.
constexpr std::int32_t FirstThemeColor = 1;
constexpr std::int32_t LastThemeColor = 16;
constexpr std::int32_t ThemeColorText1 = 13;

constexpr double MinFontSize = 1.0;
constexpr double MaxFontSize = 409.0;
constexpr double MaxLineWeight = 1584.0;

// MsoLineDashStyle: a line's dashes.
constexpr std::int32_t LineSolid = 1;
constexpr std::int32_t LineSquareDot = 2;
constexpr std::int32_t LineRoundDot = 3;
constexpr std::int32_t LineDash = 4;
constexpr std::int32_t LineDashDot = 5;
constexpr std::int32_t LineDashDotDot = 6;
constexpr std::int32_t LineLongDash = 7;
constexpr std::int32_t LineLongDashDot = 8;

} // namespace xl
