#pragma once

#include "excel/Dispatch.h"

#include <QString>

// The built-in spreadsheet automation server. It answers, under the program
// identifier "Excel.Application", the members the chart export calls, keeps
// each workbook in memory, and when the caller has released every object it
// took into a workbook, writes that workbook as an .xlsx file with a native
// chart into workbookServerFolder()/<application>/Book<n>.xlsx and, if the
// application was made visible, opens it once through
// userDialogs().openDocument().

// Registers the server as "Excel.Application" in the program's class registry.
void registerWorkbookServer();

// A new application object with one reference that the caller owns: the
// factory that registerWorkbookServer() registers.
Dispatch* newWorkbookApplication();

// The private folder of this process that holds the written workbooks, one
// numbered subfolder per application; empty if it cannot be made.
QString workbookServerFolder();
