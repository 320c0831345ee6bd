#pragma once

#include <QList>
#include <QStringList>

class QMimeData;
class QWidget;

// What Copy Chart and Copy Data put on the clipboard (the caller owns the
// result until it hands it to the clipboard).

// The chart as shown: a picture (image/png and the platform's image type)
// and a vector drawing (image/svg+xml).
QMimeData* chartMimeData(QWidget* chart);

// Cell texts: tab-separated text and an HTML table (text/html), the first
// row as header cells when `headerRow` is true.
QMimeData* tableMimeData(const QList<QStringList>& rows, bool headerRow);
