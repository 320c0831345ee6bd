#pragma once

#include "excel/Dispatch.h"

#include <QString>

// The built-in spreadsheet automation server. It answers, under the program
// identifier "Excel.Application", the members the chart export calls, keeps
// each workbook in memory, and when the caller has released every object it
// took into a workbook, writes that workbook as an .xlsx file with a native
// chart into workbookServerFolder()/Book<n>.xlsx under a name no earlier
// workbook has and, if the application was made visible, notes it to be
// shown once. The caller's command decides what the user sees after it has
// returned (WorkbookHandOver.h): the hand-over to the desktop after success,
// only the error box after a failure.

// Registers the server as "Excel.Application" in the program's class registry.
void registerWorkbookServer();

// A new application object with one reference that the caller owns: the
// factory that registerWorkbookServer() registers.
Dispatch* newWorkbookApplication();

// The folder that holds the written workbooks ("Kavrel_Spect" in the user's
// documents, see WorkbookFolder.h); empty if none can be made.
QString workbookServerFolder();
