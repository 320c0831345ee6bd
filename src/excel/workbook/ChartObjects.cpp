#include "excel/workbook/ChartObjects.h"

#include "excel/workbook/FormatObjects.h"
#include "excel/workbook/RangeReference.h"
#include "text/NumberText.h"

namespace wb {

void requireScatterType(std::int32_t type)
{
    switch (type) {
    case xl::XYScatter:
    case xl::XYScatterSmooth:
    case xl::XYScatterSmoothNoMarkers:
    case xl::XYScatterLines:
    case xl::XYScatterLinesNoMarkers:
        return;
    default:
        fail(QStringLiteral("Chart type %1 is not available here; the XY scatter types are: -4169 (markers only), "
                            "72 and 73 (smoothed lines with and without markers), 74 and 75 (straight lines with "
                            "and without markers).")
                 .arg(type));
    }
}

const std::vector<Member<Chart>>& Chart::members()
{
    static const std::vector<Member<Chart>> table = {
        {"SeriesCollection", Method | Get, 0, 1, &Chart::seriesCollection},
        {"Axes", Method | Get, 1, 2, &Chart::axes},
        {"SetElement", Method, 1, 1, &Chart::setElement},
        {"Legend", Get, 0, 0, &Chart::legend},
        {"PlotArea", Get, 0, 0, &Chart::plotArea},
        {"HasTitle", Get | Put, 0, 0, &Chart::hasTitle},
        {"ChartTitle", Get, 0, 0, &Chart::chartTitle},
    };
    return table;
}

void Chart::seriesCollection(const Call& call)
{
    if (call.count() == 0) {
        answerObject<SeriesCollection>(call, chart_);
        return;
    }
    const std::int32_t index = call.intArg(0);
    if (index < 1 || static_cast<std::size_t>(index) > chart_.series.size())
        fail(QStringLiteral("The chart has no series %1; it has %2.").arg(index).arg(chart_.series.size()));
    answerObject<Series>(call, chart_, *chart_.series[static_cast<std::size_t>(index) - 1]);
}

void Chart::axes(const Call& call)
{
    const std::int32_t type = call.intArg(0);
    const std::int32_t group = call.count() > 1 ? call.intArg(1) : xl::PrimaryGroup;
    if (type != xl::CategoryAxis && type != xl::ValueAxis)
        fail(QStringLiteral("A scatter chart has no axis of type %1; its axes are 1 (horizontal) and 2 (vertical).")
                 .arg(type));
    if (group != xl::PrimaryGroup)
        fail(QStringLiteral("The chart has no axis group %1; it has only the primary axes (group 1).").arg(group));
    answerObject<Axis>(call, chart_.axis(type));
}

void Chart::setElement(const Call& call)
{
    const std::int32_t element = call.intArg(0);
    switch (element) {
    case xl::ElementChartTitleNone:
        chart_.hasTitle = false;
        return;
    case xl::ElementChartTitleAbove:
        chart_.hasTitle = true;
        return;
    case xl::ElementLegendNone:
        chart_.hasLegend = false;
        return;
    case xl::ElementLegendRight:
        chart_.hasLegend = true;
        chart_.legendInLayout = true;
        return;
    case xl::ElementLegendRightOverlay:
        chart_.hasLegend = true;
        chart_.legendInLayout = false;
        return;
    case xl::ElementCategoryAxisTitleNone:
    case xl::ElementCategoryAxisTitle:
        chart_.axis(xl::CategoryAxis).hasTitle = element == xl::ElementCategoryAxisTitle;
        return;
    case xl::ElementValueAxisTitleNone:
    case xl::ElementValueAxisTitle:
        chart_.axis(xl::ValueAxis).hasTitle = element == xl::ElementValueAxisTitle;
        return;
    default:
        fail(QStringLiteral("Chart element %1 is not available here; the elements are 0 and 2 (title off, on), "
                            "100, 101 and 105 (legend off, at the right, over the right), 300 and 301 "
                            "(horizontal axis title off, on), 306 and 307 (vertical axis title off, on).")
                 .arg(element));
    }
}

void Chart::legend(const Call& call)
{
    if (!chart_.hasLegend)
        fail(QStringLiteral("The chart has no legend; show it with SetElement(101) first."));
    answerObject<Legend>(call, chart_);
}

void Chart::plotArea(const Call& call)
{
    answerObject<PlotArea>(call, chart_);
}

void Chart::hasTitle(const Call& call)
{
    if (call.isPut())
        chart_.hasTitle = call.boolValue();
    else
        call.answer(Variant::fromBool(chart_.hasTitle));
}

void Chart::chartTitle(const Call& call)
{
    if (!chart_.hasTitle)
        fail(QStringLiteral("The chart has no title; set HasTitle to true first."));
    answerObject<ChartTitle>(call, chart_);
}

const std::vector<Member<SeriesCollection>>& SeriesCollection::members()
{
    static const std::vector<Member<SeriesCollection>> table = {
        {"Count", Get, 0, 0, &SeriesCollection::count},
        {"NewSeries", Method, 0, 0, &SeriesCollection::newSeries},
    };
    return table;
}

void SeriesCollection::count(const Call& call)
{
    call.answer(Variant::fromInt32(static_cast<std::int32_t>(chart_.series.size())));
}

void SeriesCollection::newSeries(const Call& call)
{
    auto series = std::make_unique<SeriesData>();
    series->number = static_cast<int>(chart_.series.size()) + 1;
    chart_.series.push_back(std::move(series));
    answerObject<Series>(call, chart_, *chart_.series.back());
}

const std::vector<Member<Series>>& Series::members()
{
    static const std::vector<Member<Series>> table = {
        {"Name", Get | Put, 0, 0, &Series::name},
        {"XValues", Put, 0, 0, &Series::xValues},
        {"Values", Put, 0, 0, &Series::values},
        {"Format", Get, 0, 0, &Series::format},
        {"MarkerStyle", Get | Put, 0, 0, &Series::markerStyle},
        {"MarkerSize", Get | Put, 0, 0, &Series::markerSize},
        {"ChartType", Get | Put, 0, 0, &Series::chartType},
    };
    return table;
}

CellArea Series::reference(const Call& call, bool oneCell) const
{
    const QString member = QLatin1String(call.member());
    const QString text = QString::fromStdU16String(call.textValue());
    ParsedReference parsed;
    QString problem;
    if (!parseReference(text, parsed, problem))
        fail(QStringLiteral("%1 takes a reference such as =Sheet1!$A$2:$A$602; \"%2\" is not one: %3.")
                 .arg(member, text, problem));
    const SheetData* sheet = handle_.book().findSheet(parsed.sheetName);
    if (!sheet)
        fail(QStringLiteral("%1 refers to the sheet \"%2\", which the workbook %3 does not have.")
                 .arg(member, parsed.sheetName, handle_.book().name));
    if (oneCell && !parsed.isOneCell())
        fail(QStringLiteral("%1 takes one cell, not the range %2.").arg(member, text));
    if (!parsed.isOneLine())
        fail(QStringLiteral("%1 takes cells of one row or one column, not the block %2.").arg(member, text));
    return {sheet, parsed.firstRow, parsed.firstColumn, parsed.lastRow, parsed.lastColumn};
}

void Series::name(const Call& call)
{
    if (call.isPut()) {
        const std::u16string& text = call.textValue();
        if (!text.empty() && text.front() == u'=') {
            series_.nameCell = reference(call, true);
            series_.literalName.clear();
        } else {
            series_.literalName = QString::fromStdU16String(text);
            series_.nameCell.reset();
        }
        return;
    }
    // The name as the chart shows it: the text of the name cell.
    QString shown;
    if (series_.nameCell) {
        const CellData* cell = series_.nameCell->sheet->cell(series_.nameCell->firstRow, series_.nameCell->firstColumn);
        if (cell)
            shown = cell->kind == CellData::Kind::Text ? cell->text : formatGeneral(cell->number);
    } else if (!series_.literalName.isEmpty()) {
        shown = series_.literalName;
    } else {
        shown = QStringLiteral("Series%1").arg(series_.number);
    }
    call.answer(Variant::fromText(shown.toStdU16String()));
}

void Series::xValues(const Call& call)
{
    series_.xValues = reference(call, false);
}

void Series::values(const Call& call)
{
    series_.values = reference(call, false);
}

void Series::format(const Call& call)
{
    answerObject<ChartFormat>(call, series_.line, &series_.fill, "series");
}

void Series::markerStyle(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromInt32(series_.markerStyle));
        return;
    }
    const std::int32_t style = call.intValue();
    switch (style) {
    case xl::MarkerAutomatic:
    case xl::MarkerNone:
    case xl::MarkerSquare:
    case xl::MarkerDiamond:
    case xl::MarkerTriangle:
    case xl::MarkerX:
    case xl::MarkerStar:
    case xl::MarkerDot:
    case xl::MarkerDash:
    case xl::MarkerCircle:
    case xl::MarkerPlus:
        series_.markerStyle = style;
        return;
    default:
        fail(QStringLiteral("Marker style %1 is not available here; the styles are -4105 (automatic), -4142 (none), "
                            "1 (square), 2 (diamond), 3 (triangle), -4168 (x), 5 (star), -4118 (dot), -4115 (dash), "
                            "8 (circle) and 9 (plus).")
                 .arg(style));
    }
}

void Series::markerSize(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromInt32(series_.markerSize.value_or(5)));
        return;
    }
    const std::int32_t size = call.intValue();
    if (size < xl::MinMarkerSize || size > xl::MaxMarkerSize)
        fail(QStringLiteral("A marker size must lie from %1 to %2 points, not %3.")
                 .arg(xl::MinMarkerSize)
                 .arg(xl::MaxMarkerSize)
                 .arg(size));
    series_.markerSize = size;
}

void Series::chartType(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromInt32(series_.chartType.value_or(chart_.type)));
        return;
    }
    const std::int32_t type = call.intValue();
    requireScatterType(type);
    // A new type brings its own line, as in the application: shown for the
    // line types, hidden for markers only.
    series_.chartType = type;
    series_.line.visible.reset();
}

const std::vector<Member<Axis>>& Axis::members()
{
    static const std::vector<Member<Axis>> table = {
        {"AxisTitle", Get, 0, 0, &Axis::axisTitle},
        {"Format", Get, 0, 0, &Axis::format},
        {"CrossesAt", Get | Put, 0, 0, &Axis::crossesAt},
        {"MajorTickMark", Get | Put, 0, 0, &Axis::majorTickMark},
        {"MajorGridlines", Get, 0, 0, &Axis::majorGridlines},
        {"TickLabels", Get, 0, 0, &Axis::tickLabels},
    };
    return table;
}

void Axis::axisTitle(const Call& call)
{
    if (!axis_.hasTitle)
        fail(QStringLiteral("The axis has no title; show it with SetElement(301) or SetElement(307) first."));
    answerObject<AxisTitle>(call, axis_);
}

void Axis::format(const Call& call)
{
    answerObject<ChartFormat>(call, axis_.line, nullptr, "axis");
}

void Axis::crossesAt(const Call& call)
{
    if (call.isPut())
        axis_.crossesAt = call.numberValue();
    else
        call.answer(Variant::fromDouble(axis_.crossesAt.value_or(0.0)));
}

void Axis::majorTickMark(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromInt32(axis_.majorTickMark));
        return;
    }
    const std::int32_t mark = call.intValue();
    if (mark != xl::TickMarkNone && mark != xl::TickMarkInside && mark != xl::TickMarkOutside &&
        mark != xl::TickMarkCross)
        fail(QStringLiteral("Tick mark %1 is not one of -4142 (none), 2 (inside), 3 (outside) and 4 (cross).")
                 .arg(mark));
    axis_.majorTickMark = mark;
}

void Axis::majorGridlines(const Call& call)
{
    answerObject<Gridlines>(call, axis_.gridlines);
}

void Axis::tickLabels(const Call& call)
{
    answerObject<TickLabels>(call, axis_.tickLabelFont);
}

const std::vector<Member<AxisTitle>>& AxisTitle::members()
{
    static const std::vector<Member<AxisTitle>> table = {
        {"Text", Get | Put, 0, 0, &AxisTitle::text},
        {"Font", Get, 0, 0, &AxisTitle::font},
    };
    return table;
}

void AxisTitle::text(const Call& call)
{
    if (call.isPut())
        axis_.titleText = QString::fromStdU16String(call.textValue());
    else
        call.answer(Variant::fromText(axis_.titleText.toStdU16String()));
}

void AxisTitle::font(const Call& call)
{
    answerObject<Font>(call, axis_.titleFont);
}

const std::vector<Member<ChartTitle>>& ChartTitle::members()
{
    static const std::vector<Member<ChartTitle>> table = {
        {"Text", Get | Put, 0, 0, &ChartTitle::text},
    };
    return table;
}

void ChartTitle::text(const Call& call)
{
    if (call.isPut())
        chart_.titleText = QString::fromStdU16String(call.textValue());
    else
        call.answer(Variant::fromText(chart_.titleText.toStdU16String()));
}

const std::vector<Member<Legend>>& Legend::members()
{
    static const std::vector<Member<Legend>> table = {
        {"IncludeInLayout", Get | Put, 0, 0, &Legend::includeInLayout},
        {"Font", Get, 0, 0, &Legend::font},
    };
    return table;
}

void Legend::includeInLayout(const Call& call)
{
    if (call.isPut())
        chart_.legendInLayout = call.boolValue();
    else
        call.answer(Variant::fromBool(chart_.legendInLayout));
}

void Legend::font(const Call& call)
{
    answerObject<Font>(call, chart_.legendFont);
}

const std::vector<Member<PlotArea>>& PlotArea::members()
{
    static const std::vector<Member<PlotArea>> table = {
        {"Format", Get, 0, 0, &PlotArea::format},
    };
    return table;
}

void PlotArea::format(const Call& call)
{
    answerObject<ChartFormat>(call, chart_.plotAreaLine, nullptr, "plot area");
}

const std::vector<Member<Gridlines>>& Gridlines::members()
{
    static const std::vector<Member<Gridlines>> table = {
        {"Format", Get, 0, 0, &Gridlines::format},
    };
    return table;
}

void Gridlines::format(const Call& call)
{
    answerObject<ChartFormat>(call, line_, nullptr, "gridlines");
}

const std::vector<Member<TickLabels>>& TickLabels::members()
{
    static const std::vector<Member<TickLabels>> table = {
        {"Font", Get, 0, 0, &TickLabels::font},
    };
    return table;
}

void TickLabels::font(const Call& call)
{
    answerObject<Font>(call, font_);
}

} // namespace wb
