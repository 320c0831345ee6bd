#pragma once

#include "excel/ChartExport.h"

#include <string>
#include <vector>

// One curve as the spreadsheet export reads it from a chart.
struct FakeCurve {
    std::string title;
    std::vector<double> x;
    std::vector<double> y;
    ExportChart::Colour colour;
    bool pointsOnly = false;
};

// A chart made of plain curves, so that tests feed the product's
// exportChartToExcel without a window.
class FakeExportChart : public ExportChart {
public:
    int seriesCount() const override { return static_cast<int>(curves.size()); }
    std::string seriesTitle(int s) const override { return curves.at(s).title; }
    int xValueCount(int s) const override { return static_cast<int>(curves.at(s).x.size()); }
    double xValue(int s, int i) const override { return curves.at(s).x.at(i); }
    int yValueCount(int s) const override { return static_cast<int>(curves.at(s).y.size()); }
    double yValue(int s, int i) const override { return curves.at(s).y.at(i); }
    Colour seriesColour(int s) const override { return curves.at(s).colour; }
    bool isPointsOnly(int s) const override { return curves.at(s).pointsOnly; }
    bool coloursTellCurvesApart() const override { return tellApart; }

    std::vector<FakeCurve> curves;
    bool tellApart = false;
};
