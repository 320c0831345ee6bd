#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Cell texts as the clipboard carries a table, so that pasting fills a
// spreadsheet's cells or makes a word processor's table. Rows may differ in
// length; each cell is written exactly as given.

// Tab-separated text: cells joined by tabs, every row ending with a line
// feed. A tab or line break inside a cell would start a new cell or row, so
// it becomes a space.
QString tabSeparatedText(const QList<QStringList>& rows);

// A small HTML document holding one table, UTF-8 declared; the first row is
// a header row (th cells) when `headerRow` is true. Texts are escaped.
QString htmlTable(const QList<QStringList>& rows, bool headerRow);
