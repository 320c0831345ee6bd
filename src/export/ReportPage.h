#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <vector>

class SpectrumSet;

// The printed page: the chart across the top and, below it, a table of the
// shown spectra's parameters, all on one landscape page.

// The table's rows: a header row, then one row per spectrum whose curve is
// drawn (`drawn[i]` for the set's spectrum i; the legend can hide a curve
// whose check mark stays set), in the set's order: name, design code,
// AlphaMax, Tg, damping ratio, numbers in the general form of the user's
// locale. A spectrum without an entry in `drawn` is not drawn. A record's
// row gives its name, its file, the peak it is scaled to and the damping of
// its spectrum: "Record: RSN1.AT2", "Peak 220 cm/s²", "", "0.05".
QList<QStringList> parameterTable(const SpectrumSet& spectra, const std::vector<bool>& drawn);

struct ReportLayout {
    QRectF chart;         // the chart's box, its width-to-height ratio kept
    QRectF table;         // the table's box, below the chart
    qreal rowHeight = 0;  // of every table row; less than asked when rows are many
    int rows = 0;

    // The box of a table cell (row 0 is the header).
    QRectF cell(int row, int column) const;
};

// The table's columns, as shares of its width.
inline constexpr qreal reportColumnShares[] = {0.28, 0.24, 0.16, 0.16, 0.16};
inline constexpr int reportColumns = 5;

// Lays out `page` (in device units) for a chart of `chartSize` and a table
// of `rows` rows (header included). The table keeps `rowHeight` as long as
// it takes at most half the page, and gets smaller rows beyond that; the
// chart is as large as the page's width and the rest of its height allow,
// centred, with `gap` between it and the table.
ReportLayout layoutReportPage(const QRectF& page, const QSizeF& chartSize, int rows, qreal rowHeight, qreal gap);
