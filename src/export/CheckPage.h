#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

// The printed check sheet of a record selection, one landscape page: the
// chart (target, records and their mean) across the top, below it the table
// of the records with its mean row, below that the verdicts.

struct CheckPageLayout {
    QRectF chart;
    QRectF records;   // the records' table, its header row included
    QRectF verdicts;  // the verdicts' table
    qreal rowHeight = 0;  // of every row of both tables
};

// Lays out `page` (device units) for a chart of `chartSize` and tables of
// `recordRows` and `verdictRows` rows. The tables keep `rowHeight` while they
// take at most 60 % of the page and get lower rows beyond that; the chart
// takes the rest, its width-to-height ratio kept, centred; `gap` parts the
// three.
CheckPageLayout layoutCheckPage(const QRectF& page, const QSizeF& chartSize, int recordRows, int verdictRows,
                                qreal rowHeight, qreal gap);

// Column shares of the records' table for `columns` columns: the name column
// twice as wide as each other one.
QList<qreal> recordColumnShares(int columns);
// The verdicts' table: check, verdict, figure.
QList<qreal> verdictColumnShares();

// The box of a cell of a table laid out in `table` with rows of `rowHeight`
// and columns of `shares` of its width.
QRectF tableCell(const QRectF& table, qreal rowHeight, const QList<qreal>& shares, int row, int column);
