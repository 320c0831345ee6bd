#include "excel/ExcelOperation.h"

#include "common/UserDialogs.h"
#include "excel/AutomationCalls.h"
#include "excel/ClassRegistry.h"

#include <exception>

Variant createExcelApplication(Variant& app)
{
    try {
        app = classRegistry().createInstance("Excel.Application");
        return app;
    } catch (const std::exception&) {
        // Whatever went wrong, the user is told the one likely cause.
        userDialogs().messageBox(QStringLiteral("创建Excel文件出错, 请确认本机是否安装了MS-EXCEL."),
                                 QStringLiteral("错误"), MessageIcon::Information);
        app.clear();
        return Variant();
    }
}

void showExcelApplication(const Variant& app)
{
    const Variant application = getProperty(app, "Application");
    putBool(application, "Visible", true);
}

ExcelOp::~ExcelOp()
{
    // The application is released, never asked to quit.
    excelApp.clear();
}

void ExcelOp::setDefaults()
{
    excelApp.clear();
    chartWidth = 280;
    chartHeight = 450;
    showLegend = true;
    legendInLayout = false;
    showTitle = false;
    titleText = "Graph Title";
    titleFontSize = 14;
    showAxisLine = true;
    xAxisPosition = "-100000000000";
    yAxisPosition = "-100000000000";
    showAxisTitle = true;
    xAxisTitle = "X Axis";
    yAxisTitle = "Y Axis";
    tickLabelFontSize = 10;
    axisTitleFontSize = 10;
    legendFontSize = 10;
    showGridlines = false;
    showPlotAreaLine = true;
    lineWeight = 1.0f;
    lineColorMode = 0;
    markerColorMode = 0;
    showMarker = false;
    markerSize = 4;
    markerStyle = xl::MarkerCircle;
    combinedOutput = 0;
}
