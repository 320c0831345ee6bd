#pragma once

#include "excel/AutomationCalls.h"
#include "excel/AutomationError.h"
#include "excel/ExcelOperation.h"
#include "excel/ExcelToolkit.h"
#include "excel/workbook/WorkbookHandOver.h"
#include "excel/workbook/WorkbookServer.h"
#include "support/FakeUserDialogs.h"
#include "support/QtPrinters.h"
#include "support/ScopedClassRegistration.h"
#include "support/TemporaryHome.h"

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
    // Workbooks an earlier test finished as its handles went are not this one's.
    WorkbookServer() { takeFinishedWorkbooks(); }

    // What the export command does once it has returned: hands the finished
    // workbooks to the desktop; `status` keeps the status bar's text.
    void handOver()
    {
        handOverFinishedWorkbooks([this](const QString& text) { status = text; });
    }

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

    // `object`, a chart object of Sheet1, selected, and its chart made active.
    void selectChart(Variant object)
    {
        chartObject = std::move(object);
        callProcedure(chartObject, "Select");
        chart = getProperty(app, "ActiveChart");
    }

    // A visible application's Sheet1 with a chart at C5 as the export adds it,
    // made active.
    void startWithChart()
    {
        startWithSheet();
        selectChart(addChartAt(sheet, 96, 60, 280, 450));
    }

    // Releases every handle the test took; the workbook is then complete.
    void releaseAll()
    {
        chart.clear();
        chartObject.clear();
        sheet.clear();
        workbook.clear();
        app.clear();
        handOver();
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

    TemporaryHome home;  // first made, last gone: the workbooks are written into it
    ScopedClassRegistration excel{"Excel.Application", newWorkbookApplication};
    FakeUserDialogs dialogs;
    Variant app;
    Variant workbook;
    Variant sheet;
    Variant chartObject;
    Variant chart;
    QString status;  // the last "Saved ..." text
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
