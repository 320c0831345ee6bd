#pragma once

#include "excel/Dispatch.h"

#include <QString>

// The built-in spreadsheet automation server. It answers, under the program
// identifier "Excel.Application", the members the chart export calls, keeps
// each workbook in memory, and when the caller has released every object it
// took into a workbook, writes that workbook as an .xlsx file with a native
// chart into workbookServerFolder()/Book<n>.xlsx under a name no earlier
// workbook has and, if the application was made visible, opens it once
// through userDialogs().openDocument(). When the desktop cannot open it, one
// question tells the user the file's full path and offers to open its folder.

// Registers the server as "Excel.Application" in the program's class registry.
void registerWorkbookServer();

// A new application object with one reference that the caller owns: the
// factory that registerWorkbookServer() registers.
Dispatch* newWorkbookApplication();

// The folder that holds the written workbooks ("Kavrel_Spect" in the user's
// documents, see WorkbookFolder.h); empty if none can be made.
QString workbookServerFolder();
