#include "ui/ReportCommands.h"

#include "common/CommandMessages.h"
#include "common/UserDialogs.h"
#include "export/ReportPage.h"
#include "spectrum/SpectrumSet.h"
#include "ui/ChartControl.h"
#include "ui/ClipboardContent.h"
#include "ui/KavrelApplication.h"
#include "ui/PrintDialogs.h"
#include "ui/ReportPrinter.h"
#include "ui/StringGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineSeries>
#include <QPrinter>

namespace {

void preparePrinter(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Response spectra"));
    printer.setCreator(QStringLiteral("Kavrel_Spect"));
}

} // namespace

void copyChartToClipboard(ChartControl* chart)
{
    QGuiApplication::clipboard()->setMimeData(chartMimeData(chart));
}

void copyGridToClipboard(const SpectrumSet& spectra, StringGrid* grid)
{
    if (spectra.empty()) {
        userDialogs().information(messages::shown(messages::noSpectrum));
        return;
    }
    if (grid->hasFocus()) {
        const QList<QStringList> selected = grid->selectedTexts();
        if (!selected.isEmpty()) {
            QGuiApplication::clipboard()->setMimeData(tableMimeData(selected, false));
            return;
        }
    }
    QGuiApplication::clipboard()->setMimeData(tableMimeData(grid->allTexts(), true));
}

namespace {

// The page lists what it draws: the chart's curves follow the set by
// position, and the legend may have hidden one whose mark is still set.
QList<QStringList> drawnParameters(const ChartControl* chart, const SpectrumSet& spectra)
{
    std::vector<bool> drawn;
    for (const QLineSeries* curve : chart->curves())
        drawn.push_back(curve->isVisible());
    return parameterTable(spectra, drawn);
}

} // namespace

void printSpectraReport(ChartControl* chart, const SpectrumSet& spectra)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!printDialogs().askPrint(printer))
        return;
    printReport(&printer, chart, drawnParameters(chart, spectra));
}

void previewSpectraReport(ChartControl* chart, const SpectrumSet& spectra)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    // The preview draws the page whenever it needs to; a failure there is
    // shown like any command's.
    printDialogs().preview(printer, [chart, &spectra](QPrinter* target) {
        guarded([chart, &spectra, target] { printReport(target, chart, drawnParameters(chart, spectra)); })();
    });
}
