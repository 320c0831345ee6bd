#pragma once

#include <QColor>
#include <QList>
#include <QStringList>

class QGraphicsView;
class QPrinter;

// Prints one page: the chart as shown across the top, drawn as vectors so
// that its texts stay sharp, and below it the parameter table (its first row
// the header). Throws KavrelError "Stream write error" when the printer
// cannot be drawn on (a PDF file that cannot be created).
void printReport(QPrinter* printer, QGraphicsView* chart, const QList<QStringList>& table);

// Prints the check sheet of a record selection on one page: the chart, the
// records' table (its first row the header) and the verdicts' rows, each
// verdict row filled with its colour from `verdictFills` where one is given.
// Throws like printReport.
void printCheckSheet(QPrinter* printer, QGraphicsView* chart, const QList<QStringList>& recordRows,
                     const QList<QStringList>& verdictRows, const QList<QColor>& verdictFills);
