#pragma once

#include "excel/AutomationCalls.h"
#include "excel/AutomationError.h"
#include "excel/ExcelOperation.h"
#include "excel/workbook/WorkbookServer.h"
#include "support/FakeUserDialogs.h"
#include "support/QtPrinters.h"
#include "support/ScopedClassRegistration.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <functional>

// The application's code for its own refusals (run-time error 1004).
constexpr HResult ApplicationDefinedError = static_cast<HResult>(0x800A03EC);

// Tests of the workbook server drive it as the chart export does: through the
// automation call layer only, with the server registered as
// "Excel.Application" and the user's dialogs replaced by a recording fake.
class WorkbookServer : public ::testing::Test {
protected:
    // A started, not yet visible application.
    Variant start()
    {
        Variant app;
        createExcelApplication(app);
        EXPECT_TRUE(app.isObject()) << "the server did not start";
        return app;
    }

    // A visible application with one new workbook and its Sheet1.
    void startWithSheet()
    {
        app = start();
        showExcelApplication(app);
        workbook = callFunction(getProperty(app, "WorkBooks"), "Add");
        sheet = getWithText(workbook, "Sheets", "Sheet1");
    }

    // Releases every handle the test took; the workbook is then complete.
    void releaseAll()
    {
        sheet.clear();
        workbook.clear();
        app.clear();
    }

    // The error `call` raises; fails the test when it raises none.
    static AutomationError errorOf(const std::function<void()>& call)
    {
        try {
            call();
        } catch (const AutomationError& error) {
            return error;
        }
        ADD_FAILURE() << "no automation error was raised";
        return AutomationError(hresult::Ok, QString());
    }

    ScopedClassRegistration excel{"Excel.Application", newWorkbookApplication};
    FakeUserDialogs dialogs;
    Variant app;
    Variant workbook;
    Variant sheet;
};

// Sets the default locale for the lifetime of the object.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) : previous_(QLocale()) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(previous_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale previous_;
};
