#pragma once

#include "excel/workbook/ApplicationObject.h"

// The chart and its parts: series, axes, titles, legend and plot area.

namespace wb {

// Refuses a chart type other than the XY scatter types.
void requireScatterType(std::int32_t type);

// Chart: SeriesCollection, Axes(type[, group]), SetElement, Legend,
// PlotArea, HasTitle, ChartTitle.
class Chart final : public BookObject<Chart> {
public:
    Chart(const BookHandle& handle, ChartData& chart) : BookObject(handle), chart_(chart) {}
    static const std::vector<Member<Chart>>& members();

private:
    void seriesCollection(const Call& call);
    void axes(const Call& call);
    void setElement(const Call& call);
    void legend(const Call& call);
    void plotArea(const Call& call);
    void hasTitle(const Call& call);
    void chartTitle(const Call& call);

    ChartData& chart_;
};

class SeriesCollection final : public BookObject<SeriesCollection> {
public:
    SeriesCollection(const BookHandle& handle, ChartData& chart) : BookObject(handle), chart_(chart) {}
    static const std::vector<Member<SeriesCollection>>& members();

private:
    void count(const Call& call);
    void newSeries(const Call& call);

    ChartData& chart_;
};

// Series: Name, XValues and Values take "=Sheet1!..." references (Name also
// a plain text); Format, MarkerStyle, MarkerSize, ChartType.
class Series final : public BookObject<Series> {
public:
    Series(const BookHandle& handle, ChartData& chart, SeriesData& series)
        : BookObject(handle), chart_(chart), series_(series)
    {
    }
    static const std::vector<Member<Series>>& members();

private:
    void name(const Call& call);
    void xValues(const Call& call);
    void values(const Call& call);
    void format(const Call& call);
    void markerStyle(const Call& call);
    void markerSize(const Call& call);
    void chartType(const Call& call);

    // The written reference, checked against the workbook's sheets.
    CellArea reference(const Call& call, bool oneCell) const;

    ChartData& chart_;
    SeriesData& series_;
};

class Axis final : public BookObject<Axis> {
public:
    Axis(const BookHandle& handle, AxisData& axis) : BookObject(handle), axis_(axis) {}
    static const std::vector<Member<Axis>>& members();

private:
    void axisTitle(const Call& call);
    void format(const Call& call);
    void crossesAt(const Call& call);
    void majorTickMark(const Call& call);
    void majorGridlines(const Call& call);
    void tickLabels(const Call& call);

    AxisData& axis_;
};

class AxisTitle final : public BookObject<AxisTitle> {
public:
    AxisTitle(const BookHandle& handle, AxisData& axis) : BookObject(handle), axis_(axis) {}
    static const std::vector<Member<AxisTitle>>& members();

private:
    void text(const Call& call);
    void font(const Call& call);

    AxisData& axis_;
};

class ChartTitle final : public BookObject<ChartTitle> {
public:
    ChartTitle(const BookHandle& handle, ChartData& chart) : BookObject(handle), chart_(chart) {}
    static const std::vector<Member<ChartTitle>>& members();

private:
    void text(const Call& call);

    ChartData& chart_;
};

class Legend final : public BookObject<Legend> {
public:
    Legend(const BookHandle& handle, ChartData& chart) : BookObject(handle), chart_(chart) {}
    static const std::vector<Member<Legend>>& members();

private:
    void includeInLayout(const Call& call);
    void font(const Call& call);

    ChartData& chart_;
};

class PlotArea final : public BookObject<PlotArea> {
public:
    PlotArea(const BookHandle& handle, ChartData& chart) : BookObject(handle), chart_(chart) {}
    static const std::vector<Member<PlotArea>>& members();

private:
    void format(const Call& call);

    ChartData& chart_;
};

class Gridlines final : public BookObject<Gridlines> {
public:
    Gridlines(const BookHandle& handle, LineData& line) : BookObject(handle), line_(line) {}
    static const std::vector<Member<Gridlines>>& members();

private:
    void format(const Call& call);

    LineData& line_;
};

class TickLabels final : public BookObject<TickLabels> {
public:
    TickLabels(const BookHandle& handle, FontData& font) : BookObject(handle), font_(font) {}
    static const std::vector<Member<TickLabels>>& members();

private:
    void font(const Call& call);

    FontData& font_;
};

} // namespace wb
