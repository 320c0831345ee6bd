#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

// The printed check sheet of a record selection, landscape: the heading
// lines (what is checked, against what) at the top, the chart (target, its
// +-20 % band, the main periods, the records and their mean) below them, then
// the table of the records with its mean row, then the verdicts.

struct CheckPageLayout {
    QRectF heading;   // the heading's lines
    QRectF chart;
    QRectF records;   // the records' table, its header row included
    QRectF verdicts;  // the verdicts' table; on the second page when asked
    qreal rowHeight = 0;  // of every row of both tables and of the heading
    // The verdicts start a second page, at its top, when both tables and a
    // chart of a readable size do not fit on one.
    bool verdictsOnSecondPage = false;
};

// Lays out `page` (device units) for a chart of `chartSize`, `headingLines`
// lines and tables of `recordRows` and `verdictRows` rows. Rows keep
// `rowHeight` (type read at 100 %); the chart takes the room left, its
// width-to-height ratio kept, centred, and at least a third of the page's
// height, for which the verdicts move to a second page. Only tables too long
// for that get lower rows. `gap` parts the parts.
CheckPageLayout layoutCheckPage(const QRectF& page, const QSizeF& chartSize, int headingLines, int recordRows,
                                int verdictRows, qreal rowHeight, qreal gap);

// Column shares of the records' table for `columns` columns: the name column
// twice as wide as each other one.
QList<qreal> recordColumnShares(int columns);
// The verdicts' table: check, verdict, figure.
QList<qreal> verdictColumnShares();

// The box of a cell of a table laid out in `table` with rows of `rowHeight`
// and columns of `shares` of its width.
QRectF tableCell(const QRectF& table, qreal rowHeight, const QList<qreal>& shares, int row, int column);
