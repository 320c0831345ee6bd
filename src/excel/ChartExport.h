#pragma once

#include <cstdint>
#include <string>

class ExcelOp;

// What the spreadsheet export reads of a chart: its curves in the chart's
// order, each with a title, X and Y values, a colour and its kind.
class ExportChart {
public:
    struct Colour {
        std::uint8_t red = 0;
        std::uint8_t green = 0;
        std::uint8_t blue = 0;
    };

    virtual ~ExportChart();
    virtual int seriesCount() const = 0;
    virtual std::string seriesTitle(int series) const = 0;  // narrow text
    virtual int xValueCount(int series) const = 0;
    virtual double xValue(int series, int index) const = 0;
    virtual int yValueCount(int series) const = 0;
    virtual double yValue(int series, int index) const = 0;
    virtual Colour seriesColour(int series) const = 0;
    // Markers without a connecting line.
    virtual bool isPointsOnly(int series) const = 0;
    // The line's dashes, an MsoLineDashStyle (xl::LineSolid, xl::LineDash,
    // xl::LineDashDot): records and kept curves are told from code spectra
    // in the workbook as on the screen.
    virtual std::int32_t seriesDashStyle(int series) const;
    // Whether each series line must take its curve's colour whatever the
    // options say, so that the workbook tells the curves apart as the screen
    // does (records among code spectra). Unless overridden: no.
    virtual bool coloursTellCurvesApart() const;
};

// Writes every curve of `chart`, hidden ones included, into a new workbook of
// a new spreadsheet application and builds on it a formatted scatter chart
// whose series refer to the written cells. `options.excelApp` receives the
// application; the other options are only read. A failing call ends the
// export with an AutomationError (or a KavrelError for an option that cannot
// be used); what was made so far stays in the workbook.
void exportChartToExcel(const ExportChart& chart, ExcelOp& options);

// The crossing value an axis position text stands for: the text read as a
// number in the user's locale, truncated toward zero to 64 bits, of which the
// low 32 bits are passed on ("-100000000000" gives -1215752192). Throws
// KavrelError for a text that is not such a number.
std::int32_t axisPositionValue(const std::string& text);
