#pragma once

#include "common/KavrelError.h"
#include "excel/ExcelConstants.h"
#include "excel/Variant.h"

// Starting and showing the spreadsheet application.

// The application could not be started. Its message names the one likely
// cause; the command that asked shows it in a box of its own, captioned
// excelStartCaption(), as an information (the export then ends quietly).
class ExcelStartError : public KavrelError {
public:
    ExcelStartError();
};
QString excelStartCaption();

// Creates a new instance of "Excel.Application" from the class registry,
// assigns it to `app` and returns a copy. Never attaches to an instance that
// already exists. When it cannot be created, whatever the reason, leaves
// `app` empty and throws ExcelStartError.
Variant createExcelApplication(Variant& app);

// Makes the application of `app` visible.
void showExcelApplication(const Variant& app);

#include <cstdint>
#include <string>

// The options of the spreadsheet chart export and the handle of the
// application the last export started. No window edits the options; the
// export honours every one of them.
class ExcelOp {
public:
    ExcelOp() = default;
    ~ExcelOp();
    ExcelOp(const ExcelOp&) = delete;
    ExcelOp& operator=(const ExcelOp&) = delete;

    // Empties `excelApp` and gives every option its default.
    void setDefaults();

    Variant excelApp;
    std::int32_t chartWidth = 280;   // points
    std::int32_t chartHeight = 450;  // points
    bool showLegend = true;
    bool legendInLayout = false;
    bool showTitle = false;
    std::string titleText = "Graph Title";
    std::int32_t titleFontSize = 14;  // kept; the export does not use it
    bool showAxisLine = true;
    std::string xAxisPosition = "-100000000000";  // empty: leave the crossing alone
    std::string yAxisPosition = "-100000000000";
    bool showAxisTitle = true;
    std::string xAxisTitle = "X Axis";
    std::string yAxisTitle = "Y Axis";
    std::int32_t tickLabelFontSize = 10;
    std::int32_t axisTitleFontSize = 10;
    std::int32_t legendFontSize = 10;
    bool showGridlines = false;
    bool showPlotAreaLine = true;
    float lineWeight = 1.0f;
    std::int32_t lineColorMode = 0;    // 1: each series line takes its curve's colour
    std::int32_t markerColorMode = 0;  // 1: marker fill takes the curve's colour
    bool showMarker = false;
    std::int32_t markerSize = 4;
    std::int32_t markerStyle = xl::MarkerCircle;  // xl::MarkerNone: no markers
    std::int32_t combinedOutput = 0;   // 0: one series per curve; else one series for all
};
