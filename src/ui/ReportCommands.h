#pragma once

class ChartControl;
class SpectrumSet;
class StringGrid;

// The report commands of the Edit menu, on the chart, the grid and the set.

// The chart as shown, as a picture and as SVG.
void copyChartToClipboard(ChartControl* chart);
// The grid's selected cells while the grid has the keyboard and a selection;
// otherwise the whole grid, header row first. With no spectrum it says so.
void copyGridToClipboard(const SpectrumSet& spectra, StringGrid* grid);
// One landscape page: the chart and the shown spectra's parameters, after
// the print question; nothing when the user cancels.
void printSpectraReport(ChartControl* chart, const SpectrumSet& spectra);
void previewSpectraReport(ChartControl* chart, const SpectrumSet& spectra);
