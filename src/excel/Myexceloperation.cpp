#include "excel/Myexceloperation.h"

#include "common/UserDialogs.h"
#include "excel/AutomationCalls.h"
#include "excel/ClassRegistry.h"

#include <exception>

Variant createExcelApplication(Variant& app)
{
    try {
        app = classRegistry().createInstance("Excel.Application");
        return app;
    } catch (const std::exception&) {
        // Whatever went wrong, the user is told the one likely cause.
        userDialogs().messageBox(QStringLiteral("创建Excel文件出错, 请确认本机是否安装了MS-EXCEL."),
                                 QStringLiteral("错误"), UserDialogs::IconInformation);
        app.clear();
        return Variant();
    }
}

void showExcelApplication(const Variant& app)
{
    const Variant application = getProperty(app, "Application");
    putBool(application, "Visible", true);
}
