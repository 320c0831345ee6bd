#pragma once

#include <QColor>
#include <QList>
#include <QStringList>

class ChartControl;
class QGraphicsView;
class QLineSeries;
class QPrinter;

// Prints one page: the chart as shown across the top, drawn as vectors so
// that its texts stay sharp, and below it the parameter table (its first row
// the header). Throws KavrelError "Stream write error" when the printer
// cannot be drawn on (a PDF file that cannot be created).
void printReport(QPrinter* printer, QGraphicsView* chart, const QList<QStringList>& table);

// What the check sheet's page shows besides the check window's chart.
struct CheckSheetPrint {
    QStringList heading;  // the first line is the title
    QList<QStringList> recordRows;  // the first row is the header
    QList<QStringList> verdictRows;
    QList<QColor> verdictFills;  // a verdict row's colour, where one is given
    QList<const QLineSeries*> legend;  // the curves the page's legend names
};

// Prints the check sheet of a record selection: the heading lines, the
// chart with a plain legend inside its plot frame (the window's legend, with
// its check boxes, is left out), the records' table and the verdicts' rows;
// the verdicts on a second page when they do not fit at a readable size.
// Throws like printReport.
void printCheckSheet(QPrinter* printer, ChartControl* chart, const CheckSheetPrint& sheet);
