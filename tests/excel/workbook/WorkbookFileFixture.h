#pragma once

#include "WorkbookServerFixture.h"

#include "excel/ChartExport.h"
#include "support/FakeExportChart.h"
#include "support/ZipEntry.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

// Tests of the .xlsx files the server writes: exports through the product's
// own exportChartToExcel, and the parts of the file that was opened.

// A spectrum-like curve of 601 points: T = 0 to 6 s, alpha rising from
// 0.45 of the plateau at T = 0 to the plateau at 0.1 s, falling off after 0.35 s.
inline FakeCurve spectrumCurve(const std::string& title, double plateau, ExportChart::Colour colour = {})
{
    FakeCurve curve{title, {}, {}, colour};
    for (int i = 0; i <= 600; ++i) {
        const double period = i * 0.01;
        double alpha = plateau;
        if (period < 0.1)
            alpha = plateau * (0.45 + 5.5 * period);
        else if (period > 0.35)
            alpha = plateau * std::pow(0.35 / period, 0.9);
        curve.x.push_back(period);
        curve.y.push_back(alpha);
    }
    return curve;
}

inline int occurrences(const QString& text, const QString& part)
{
    return static_cast<int>(text.count(part));
}


class WorkbookFile : public WorkbookServer {
protected:
    // The options of the export with the main window's axis titles.
    void SetUp() override
    {
        options.setDefaults();
        options.xAxisTitle = "Period, T(s)";
        options.yAxisTitle = "Spectral Accleration,Sa (g)";
    }

    // Exports `curves` through the product's export; `app` takes over the
    // application the export keeps, every other handle is released.
    void exportCurves(std::vector<FakeCurve> curves)
    {
        FakeExportChart chart;
        chart.curves = std::move(curves);
        exportChartToExcel(chart, options);
        handOver();
        app = std::move(options.excelApp);
        options.excelApp.clear();
    }

    // The one document opened so far, once the caller is done.
    QString openedPath()
    {
        handOver();
        EXPECT_EQ(dialogs.openedDocuments.size(), 1) << "the workbook must be opened exactly once";
        return dialogs.openedDocuments.value(0);
    }

    // Parts of the file most recently opened.
    QString sheetXml() { return zipEntry(openedPath(), QStringLiteral("xl/worksheets/sheet1.xml")); }
    QString chartXml() { return zipEntry(openedPath(), QStringLiteral("xl/charts/chart1.xml")); }
    QString stringsXml() { return zipEntry(openedPath(), QStringLiteral("xl/sharedStrings.xml")); }
    QString drawingXml() { return zipEntry(openedPath(), QStringLiteral("xl/drawings/drawing1.xml")); }

    // One series over the three points written into columns A and B.
    Variant addSmallSeries()
    {
        setCellText(sheet, 1, 2, "Curve");
        for (int k = 0; k < 3; ++k) {
            setCellText(sheet, k + 2, 1, std::to_string(k));
            setCellText(sheet, k + 2, 2, std::to_string(k * k));
        }
        Variant series = callFunction(callFunction(chart, "SeriesCollection"), "NewSeries");
        setSeriesData(series, "=Sheet1!$B$1", "=Sheet1!$A$2:$A$4", "=Sheet1!$B$2:$B$4");
        return series;
    }

    ExcelOp options;
};
