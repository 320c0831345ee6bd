#include "WorkbookServerFixture.h"

#include "excel/ExcelToolkit.h"

namespace {

bool boolOf(const Variant& value)
{
    bool flag = false;
    EXPECT_TRUE(value.toBool(flag)) << "not a truth value";
    return flag;
}

// A chart object on `sheet`, selected, and the application's active chart.
Variant selectNewChart(const Variant& app, const Variant& sheet)
{
    const Variant chartObject = addChartAt(sheet, 96, 60, 280, 450);
    callProcedure(chartObject, "Select");
    return getProperty(app, "ActiveChart");
}

} // namespace

TEST_F(WorkbookServer, TheApplicationStartsHiddenAndIsShownThroughItsApplicationMember)
{
    app = start();
    EXPECT_FALSE(boolOf(getProperty(app, "Visible")));
    EXPECT_TRUE(dialogs.boxes.empty()) << "the start must not complain";

    showExcelApplication(app);

    EXPECT_TRUE(boolOf(getProperty(app, "Visible")));
    const Variant same = getProperty(app, "Application");
    EXPECT_EQ(same.objectValue(), app.objectValue());
}

TEST_F(WorkbookServer, MemberNamesAreMatchedWithoutRegardToCase)
{
    app = start();
    EXPECT_NO_THROW(getProperty(app, "WorkBooks"));
    EXPECT_NO_THROW(getProperty(app, "workbooks"));
    EXPECT_NO_THROW(putBool(app, "VISIBLE", true));
    EXPECT_TRUE(boolOf(getProperty(app, "visible")));
}

TEST_F(WorkbookServer, ANewWorkbookHasTheOneSheetSheet1)
{
    startWithSheet();
    EXPECT_TRUE(sheet.isObject());
    EXPECT_NO_THROW(getWithText(workbook, "Sheets", "sheet1")) << "sheet names ignore case";

    TAutoArgs<1> first;
    first[0] = Variant::fromInt32(1);
    EXPECT_NO_THROW(getProperty(workbook, "Sheets", first)) << "and sheets count from 1";

    const AutomationError missing = errorOf([&] { getWithText(workbook, "Sheets", "Sheet2"); });
    EXPECT_EQ(missing.message(), QStringLiteral("The workbook Book1 has no sheet named \"Sheet2\"."));
    TAutoArgs<1> second;
    second[0] = Variant::fromInt32(2);
    EXPECT_TRUE(errorOf([&] { getProperty(workbook, "Sheets", second); }).message().contains(QStringLiteral("no sheet 2")));
}

TEST_F(WorkbookServer, ActiveChartIsTheChartOfTheObjectSelectedLast)
{
    startWithSheet();
    const Variant first = addChartAt(sheet, 96, 60, 280, 450);
    const Variant second = addChartAt(sheet, 400, 60, 280, 450);

    callProcedure(first, "Select");
    setHasTitle(getProperty(app, "ActiveChart"), true);
    callProcedure(second, "Select");
    EXPECT_FALSE(boolOf(getProperty(getProperty(app, "ActiveChart"), "HasTitle")));
    callProcedure(first, "Select");
    EXPECT_TRUE(boolOf(getProperty(getProperty(app, "ActiveChart"), "HasTitle")));

    // Select answers true, as the application does.
    EXPECT_TRUE(boolOf(callFunction(second, "Select")));
}

TEST_F(WorkbookServer, TwoApplicationsAreIndependent)
{
    startWithSheet();
    Variant other = start();
    const Variant otherSheet = getWithText(callFunction(getProperty(other, "Workbooks"), "Add"), "Sheets", "Sheet1");

    setCellText(sheet, 1, 1, "first");
    setCellText(otherSheet, 1, 1, "second");
    EXPECT_EQ(getProperty(getWithInts(sheet, "Cells", 1, 1), "Value").textValue(), u"first");
    EXPECT_EQ(getProperty(getWithInts(otherSheet, "Cells", 1, 1), "Value").textValue(), u"second");

    EXPECT_TRUE(boolOf(getProperty(app, "Visible")));
    EXPECT_FALSE(boolOf(getProperty(other, "Visible")));

    selectNewChart(app, sheet);
    EXPECT_NO_THROW(getProperty(app, "ActiveChart"));
    EXPECT_EQ(errorOf([&] { getProperty(other, "ActiveChart"); }).code(), ApplicationDefinedError);
}
