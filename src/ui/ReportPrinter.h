#pragma once

#include <QList>
#include <QStringList>

class QGraphicsView;
class QPrinter;

// Prints one page: the chart as shown across the top, drawn as vectors so
// that its texts stay sharp, and below it the parameter table (its first row
// the header). Throws KavrelError "Stream write error" when the printer
// cannot be drawn on (a PDF file that cannot be created).
void printReport(QPrinter* printer, QGraphicsView* chart, const QList<QStringList>& table);
