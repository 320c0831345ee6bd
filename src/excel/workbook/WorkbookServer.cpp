#include "excel/workbook/WorkbookServer.h"

#include "excel/ClassRegistry.h"
#include "excel/workbook/ApplicationObject.h"
#include "excel/workbook/WorkbookFolder.h"

void registerWorkbookServer()
{
    classRegistry().registerClass("Excel.Application", newWorkbookApplication);
}

Dispatch* newWorkbookApplication()
{
    return new wb::Application();
}

QString workbookServerFolder()
{
    QString problem;
    return workbookFolder(problem);
}
