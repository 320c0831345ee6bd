#include "excel/workbook/XlsxChart.h"

#include "excel/ColourValue.h"
#include "excel/workbook/FormatObjects.h"
#include "excel/workbook/RangeReference.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace wb {

namespace {

constexpr double PixelsPerPoint = 4.0 / 3.0;
constexpr double DefaultChartPixelWidth = 480.0;
constexpr double DefaultChartPixelHeight = 288.0;

// What a chart type draws when the caller changes nothing.
struct TypeLook {
    std::uint8_t fileType;
    bool smooth;
    bool line;
    bool markers;
};

TypeLook typeLook(std::int32_t type)
{
    switch (type) {
    case xl::XYScatter:
        return {LXW_CHART_SCATTER, false, false, true};
    case xl::XYScatterSmoothNoMarkers:
        return {LXW_CHART_SCATTER_SMOOTH, true, true, false};
    case xl::XYScatterLines:
        return {LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS, false, true, true};
    case xl::XYScatterLinesNoMarkers:
        return {LXW_CHART_SCATTER_STRAIGHT, false, true, false};
    default:
        return {LXW_CHART_SCATTER_SMOOTH_WITH_MARKERS, true, true, true};
    }
}

std::uint8_t markerType(std::int32_t style)
{
    switch (style) {
    case xl::MarkerNone:
        return LXW_CHART_MARKER_NONE;
    case xl::MarkerSquare:
        return LXW_CHART_MARKER_SQUARE;
    case xl::MarkerDiamond:
        return LXW_CHART_MARKER_DIAMOND;
    case xl::MarkerTriangle:
        return LXW_CHART_MARKER_TRIANGLE;
    case xl::MarkerX:
        return LXW_CHART_MARKER_X;
    case xl::MarkerStar:
        return LXW_CHART_MARKER_STAR;
    case xl::MarkerDot:
        return LXW_CHART_MARKER_SHORT_DASH;
    case xl::MarkerDash:
        return LXW_CHART_MARKER_LONG_DASH;
    case xl::MarkerCircle:
        return LXW_CHART_MARKER_CIRCLE;
    case xl::MarkerPlus:
        return LXW_CHART_MARKER_PLUS;
    default:
        return LXW_CHART_MARKER_AUTOMATIC;
    }
}

std::uint8_t tickMark(std::int32_t mark)
{
    switch (mark) {
    case xl::TickMarkNone:
        return LXW_CHART_AXIS_TICK_MARK_NONE;
    case xl::TickMarkInside:
        return LXW_CHART_AXIS_TICK_MARK_INSIDE;
    case xl::TickMarkCross:
        return LXW_CHART_AXIS_TICK_MARK_CROSSING;
    default:
        return LXW_CHART_AXIS_TICK_MARK_OUTSIDE;
    }
}

// The library reads 0 as "no colour", so black has its own value.
lxw_color_t fileColor(const ColorData& color)
{
    const std::uint32_t value = color.kind == ColorData::Kind::Theme ? themeColorValue(color.theme) : color.rgb;
    const std::uint32_t rrggbb = rgbFromAutomationColour(value);
    if (rrggbb == 0)
        return LXW_COLOR_BLACK;
    return rrggbb;
}

bool lineStyled(const LineData& line)
{
    return line.color.kind != ColorData::Kind::Automatic || line.weight || line.dashStyle;
}

std::uint8_t fileDashType(std::int32_t style)
{
    switch (style) {
    case xl::LineSquareDot:
        return LXW_CHART_LINE_DASH_SQUARE_DOT;
    case xl::LineRoundDot:
        return LXW_CHART_LINE_DASH_ROUND_DOT;
    case xl::LineDash:
        return LXW_CHART_LINE_DASH_DASH;
    case xl::LineDashDot:
        return LXW_CHART_LINE_DASH_DASH_DOT;
    case xl::LineDashDotDot:
        return LXW_CHART_LINE_DASH_SYSTEM_DASH_DOT_DOT;
    case xl::LineLongDash:
        return LXW_CHART_LINE_DASH_LONG_DASH;
    case xl::LineLongDashDot:
        return LXW_CHART_LINE_DASH_LONG_DASH_DOT;
    default:
        return LXW_CHART_LINE_DASH_SOLID;
    }
}

bool lineChanged(const LineData& line)
{
    return line.visible || lineStyled(line);
}

lxw_chart_line fileLine(const LineData& line, bool shownByDefault)
{
    lxw_chart_line out{};
    if (!line.visible.value_or(shownByDefault)) {
        out.none = LXW_TRUE;
        return out;
    }
    if (line.color.kind != ColorData::Kind::Automatic)
        out.color = fileColor(line.color);
    if (line.weight)
        out.width = static_cast<float>(*line.weight);
    if (line.dashStyle)
        out.dash_type = fileDashType(*line.dashStyle);
    return out;
}

lxw_chart_font fileFont(const FontData& font)
{
    lxw_chart_font out{};
    if (font.size)
        out.size = *font.size;
    out.bold = LXW_EXPLICIT_FALSE;
    return out;
}

// The smallest and largest number in the cells one axis of the chart draws.
std::optional<std::pair<double, double>> dataRange(const ChartData& data, bool horizontal)
{
    std::optional<std::pair<double, double>> range;
    const auto take = [&range](double value) {
        if (!range)
            range = std::make_pair(value, value);
        range->first = std::min(range->first, value);
        range->second = std::max(range->second, value);
    };
    for (const auto& series : data.series) {
        if (horizontal && !series->xValues) {
            // Without X values the points are numbered 1, 2, ...
            if (series->values) {
                take(1);
                take((series->values->lastRow - series->values->firstRow + 1) *
                     (series->values->lastColumn - series->values->firstColumn + 1));
            }
            continue;
        }
        const std::optional<CellArea>& area = horizontal ? series->xValues : series->values;
        if (!area)
            continue;
        for (std::int32_t row = area->firstRow; row <= area->lastRow; ++row) {
            for (std::int32_t column = area->firstColumn; column <= area->lastColumn; ++column) {
                const CellData* cell = area->sheet->cell(row, column);
                if (cell && cell->kind == CellData::Kind::Number)
                    take(cell->number);
            }
        }
    }
    return range;
}

// A crossing beyond both the data and zero (as the export's "far left"
// -1215752192 is) is drawn at that end of the axis, whatever the reader's
// own scaling; any other value is kept.
void setCrossing(lxw_chart_axis* axis, double value, const std::optional<std::pair<double, double>>& range)
{
    const double low = range ? std::min(0.0, range->first) : 0.0;
    const double high = range ? std::max(0.0, range->second) : 0.0;
    if (value < low)
        chart_axis_set_crossing_min(axis);
    else if (value > high)
        chart_axis_set_crossing_max(axis);
    else
        chart_axis_set_crossing(axis, value);
}

void buildAxis(lxw_chart_axis* axis, const AxisData& data, bool horizontal, const ChartData& chart)
{
    if (data.hasTitle) {
        chart_axis_set_name(axis, data.titleText.toStdString().c_str());
        lxw_chart_font font = fileFont(data.titleFont);
        chart_axis_set_name_font(axis, &font);
    }
    if (lineChanged(data.line)) {
        lxw_chart_line line = fileLine(data.line, true);
        chart_axis_set_line(axis, &line);
    }
    if (data.crossesAt)
        setCrossing(axis, *data.crossesAt, dataRange(chart, horizontal));
    chart_axis_set_major_tick_mark(axis, tickMark(data.majorTickMark));
    // A scatter chart shows the vertical axis' gridlines unless told otherwise.
    const bool gridlines = data.gridlines.visible.value_or(!horizontal);
    chart_axis_major_gridlines_set_visible(axis, gridlines);
    if (gridlines && lineStyled(data.gridlines)) {
        lxw_chart_line line = fileLine(data.gridlines, true);
        chart_axis_major_gridlines_set_line(axis, &line);
    }
    if (data.tickLabelFont.size) {
        lxw_chart_font font = fileFont(data.tickLabelFont);
        chart_axis_set_num_font(axis, &font);
    }
}

// Blank cells at the far end of the sheet, as many as `area` has.
CellArea blankLike(const CellArea& area, const SheetData* sheet)
{
    const std::int32_t count = (area.lastRow - area.firstRow + 1) * (area.lastColumn - area.firstColumn + 1);
    return {sheet, xl::MaxRows - count + 1, xl::MaxColumns, xl::MaxRows, xl::MaxColumns};
}

bool addSeries(lxw_chart* chart, const ChartData& data, const SeriesData& series, const SheetData* sheet)
{
    // The file needs both X and Y values. A series without values still
    // has its place in the legend and draws from a blank cell; one without
    // X values has blank ones, which readers number 1, 2, ... as the
    // application does.
    const CellArea values = series.values.value_or(blankLike(CellArea{}, sheet));
    const CellArea xValues = series.xValues.value_or(blankLike(values, sheet));
    lxw_chart_series* out =
        chart_add_series(chart, referenceFormula(xValues).c_str(), referenceFormula(values).c_str());
    if (!out)
        return false;
    if (series.nameCell)
        chart_series_set_name(out, referenceFormula(*series.nameCell).c_str());
    else if (!series.literalName.isEmpty())
        chart_series_set_name(out, series.literalName.toStdString().c_str());

    const TypeLook chartLook = typeLook(data.type);
    const TypeLook look = typeLook(series.chartType.value_or(data.type));
    if (lineChanged(series.line) || look.line != chartLook.line) {
        lxw_chart_line line = fileLine(series.line, look.line);
        chart_series_set_line(out, &line);
    }
    chart_series_set_smooth(out, look.smooth ? LXW_TRUE : LXW_FALSE);

    const bool automatic = series.markerStyle == xl::MarkerAutomatic;
    const bool markers = automatic ? look.markers : series.markerStyle != xl::MarkerNone;
    chart_series_set_marker_type(out, markers ? markerType(series.markerStyle) : std::uint8_t{LXW_CHART_MARKER_NONE});
    if (!markers)
        return true;
    if (series.markerSize)
        chart_series_set_marker_size(out, static_cast<std::uint8_t>(*series.markerSize));
    if (series.fill.visible == false) {
        lxw_chart_fill fill{};
        fill.none = LXW_TRUE;
        chart_series_set_marker_fill(out, &fill);
    } else if (series.fill.color.kind != ColorData::Kind::Automatic) {
        lxw_chart_fill fill{};
        fill.color = fileColor(series.fill.color);
        chart_series_set_marker_fill(out, &fill);
    }
    // The series' line colour also edges its markers.
    if (series.line.color.kind != ColorData::Kind::Automatic) {
        lxw_chart_line edge{};
        edge.color = fileColor(series.line.color);
        chart_series_set_marker_line(out, &edge);
    }
    return true;
}

} // namespace

lxw_chart* buildChart(lxw_workbook* workbook, const ChartData& data, const BookData& book)
{
    lxw_chart* chart = workbook_add_chart(workbook, typeLook(data.type).fileType);
    if (!chart)
        return nullptr;
    // The file format knows the chart styles 1 to 48; the application's
    // later styles (240 among them) have no equivalent and keep the default look.
    if (data.style >= 1 && data.style <= 48)
        chart_set_style(chart, static_cast<std::uint8_t>(data.style));

    const SheetData* sheet = book.sheets.front().get();
    for (const auto& series : data.series) {
        if (!addSeries(chart, data, *series, sheet))
            return nullptr;
    }
    if (data.series.empty()) {
        // The file format has no chart without a series: an empty chart gets
        // one over a blank cell, left out of the legend, so that its frame,
        // axes and titles still show.
        SeriesData placeholder;
        placeholder.markerStyle = xl::MarkerNone;
        if (!addSeries(chart, data, placeholder, sheet))
            return nullptr;
        std::int16_t hidden[] = {0, -1};
        chart_legend_delete_series(chart, hidden);
    }

    buildAxis(chart->x_axis, data.axes[0], true, data);
    buildAxis(chart->y_axis, data.axes[1], false, data);

    if (!data.hasLegend)
        chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    else
        chart_legend_set_position(chart, data.legendInLayout ? LXW_CHART_LEGEND_RIGHT : LXW_CHART_LEGEND_OVERLAY_RIGHT);
    if (data.hasLegend && data.legendFont.size) {
        lxw_chart_font font = fileFont(data.legendFont);
        chart_legend_set_font(chart, &font);
    }

    if (lineChanged(data.plotAreaLine)) {
        lxw_chart_line line = fileLine(data.plotAreaLine, true);
        chart_plotarea_set_line(chart, &line);
    }

    if (data.hasTitle)
        chart_title_set_name(chart, data.titleText.toStdString().c_str());
    else
        chart_title_off(chart);
    return chart;
}

ChartPlacement chartPlacement(const ChartShapeData& shape)
{
    ChartPlacement placement;
    const double column = std::floor(shape.left / xl::ColumnWidth);
    const double row = std::floor(shape.top / xl::RowHeight);
    placement.column = static_cast<lxw_col_t>(column);
    placement.row = static_cast<lxw_row_t>(row);
    placement.options.x_offset = static_cast<std::int32_t>(std::lround((shape.left - column * xl::ColumnWidth) * PixelsPerPoint));
    placement.options.y_offset = static_cast<std::int32_t>(std::lround((shape.top - row * xl::RowHeight) * PixelsPerPoint));
    // The library sizes a chart as a scale of its default size; a zero scale
    // would read as "unscaled", so a chart is at least one pixel each way.
    placement.options.x_scale = std::max(shape.width * PixelsPerPoint, 1.0) / DefaultChartPixelWidth;
    placement.options.y_scale = std::max(shape.height * PixelsPerPoint, 1.0) / DefaultChartPixelHeight;
    return placement;
}

} // namespace wb
