#include "WorkbookServerFixture.h"

#include "excel/ExcelToolkit.h"

namespace {

class WorkbookErrors : public WorkbookServer {
protected:
    void SetUp() override
    {
        startWithChart();
        series = callFunction(callFunction(chart, "SeriesCollection"), "NewSeries");
    }

    // The application's refusal of `call`, with its description and source.
    static AutomationError refusal(const std::function<void()>& call, HResult code = ApplicationDefinedError)
    {
        const AutomationError error = errorOf(call);
        EXPECT_EQ(error.code(), code) << error.message().toStdString();
        EXPECT_EQ(error.source(), QStringLiteral("Kavrel_Spect workbook server"));
        EXPECT_FALSE(error.description().isEmpty());
        EXPECT_EQ(error.message(), error.description());
        return error;
    }

    // A raw call on the object of `target`, bypassing the call layer.
    static HResult invokeRaw(const Variant& target, const char16_t* name, std::uint16_t flags, DispParams params,
                             ExcepInfo& info)
    {
        Dispatch* object = target.objectValue();
        DispId id = 0;
        EXPECT_EQ(object->getIDsOfNames(name, LocaleSystemDefault, id), hresult::Ok);
        Variant result;
        return object->invoke(id, LocaleSystemDefault, flags, params, &result, &info);
    }

    Variant series;
};

} // namespace

TEST_F(WorkbookErrors, AnUnknownMemberFailsTheNameLookup)
{
    for (const char* name : {"Quit", "Workbook", "Cell", ""}) {
        const AutomationError error = errorOf([&] { getProperty(app, name); });
        EXPECT_EQ(error.code(), hresult::UnknownName) << name;
        EXPECT_EQ(error.message(), QStringLiteral("Unknown name."));
    }
    EXPECT_EQ(errorOf([&] { putText(chartObject, "Colour", "red"); }).code(), hresult::UnknownName);
}

TEST_F(WorkbookErrors, AWrongNumberOfArgumentsIsRefusedWithACount)
{
    const AutomationError cells = refusal([&] { getProperty(sheet, "Cells"); }, hresult::BadParamCount);
    EXPECT_EQ(cells.message(), QStringLiteral("Cells takes 2 arguments, not 0."));
    refusal([&] { callWithInt(getProperty(sheet, "Shapes"), "AddChart2", 240); }, hresult::BadParamCount);
    refusal([&] { callWithInt(callFunction(chart, "SeriesCollection"), "NewSeries", 1); }, hresult::BadParamCount);
    const AutomationError axes = refusal([&] { callFunction(chart, "Axes"); }, hresult::BadParamCount);
    EXPECT_EQ(axes.message(), QStringLiteral("Axes takes 1 to 2 arguments, not 0."));
}

TEST_F(WorkbookErrors, AWrongKindOfArgumentOrValueIsATypeMismatch)
{
    TAutoArgs<2> textual;
    textual[0] = Variant::fromText(u"A");
    textual[1] = Variant::fromInt32(1);
    const AutomationError cells = refusal([&] { getProperty(sheet, "Cells", textual); }, hresult::TypeMismatch);
    EXPECT_EQ(cells.message(), QStringLiteral("Argument 1 of Cells must be a number."));
    refusal([&] { putText(chartObject, "Left", "left"); }, hresult::TypeMismatch);
    refusal([&] { putInt(series, "Name", 3); }, hresult::TypeMismatch);
    refusal([&] { setProperty(getWithInts(sheet, "Cells", 1, 1), "Value", chart); }, hresult::TypeMismatch);
}

TEST_F(WorkbookErrors, ACellOutsideTheSheetIsRefused)
{
    for (const auto& [row, column] : {std::pair{0, 1}, {1, 0}, {1048577, 1}, {1, 16385}, {-1, 3}}) {
        const AutomationError error = refusal([&, row = row, column = column] { getWithInts(sheet, "Cells", row, column); });
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Cells(%1, %2) lies outside the sheet").arg(row).arg(column)))
            << error.message().toStdString();
    }
    EXPECT_NO_THROW(getWithInts(sheet, "Cells", 1048576, 16384));
}

TEST_F(WorkbookErrors, AReferenceThatDoesNotReadOrNamesAnotherSheetIsRefused)
{
    const AutomationError otherSheet = refusal([&] { putText(series, "Values", "=Sheet2!$B$2:$B$602"); });
    EXPECT_EQ(otherSheet.message(),
              QStringLiteral("Values refers to the sheet \"Sheet2\", which the workbook Book1 does not have."));
    for (const char* text : {"Sheet1!$A$2:$A$602", "=Sheet1$A$2", "=Sheet1!$A$0:$A$3", "=Sheet1!A", "=Sheet1!$A$2:",
                             "=Sheet1!$XFE$2", "=Sheet1!$A$2 ", "='Sheet1!$A$2"}) {
        const AutomationError error = refusal([&] { putText(series, "XValues", text); });
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("XValues takes a reference such as")))
            << text << ": " << error.message().toStdString();
    }
    refusal([&] { putText(series, "Values", "=Sheet1!$A$2:$B$3"); });
    refusal([&] { putText(series, "Name", "=Sheet1!$B$1:$B$2"); });

    // The forms a reference may take.
    EXPECT_NO_THROW(putText(series, "Values", "=sheet1!B2:B602"));
    EXPECT_NO_THROW(putText(series, "Values", "='Sheet1'!$B$602:$B$2"));
    EXPECT_NO_THROW(putText(series, "Name", "=Sheet1!$B$1"));
}

TEST_F(WorkbookErrors, ActiveChartBeforeAnySelectionIsRefused)
{
    Variant fresh = start();
    const AutomationError error = refusal([&] { getProperty(fresh, "ActiveChart"); });
    EXPECT_EQ(error.message(), QStringLiteral("There is no active chart; select a chart object first."));
}

TEST_F(WorkbookErrors, AMemberUsedAsTheWrongKindOfCallIsRefused)
{
    EXPECT_EQ(refusal([&] { putInt(getWithInts(sheet, "Cells", 1, 1), "Left", 5); }, hresult::MemberNotFound).message(),
              QStringLiteral("Left is read-only; it cannot be written."));
    refusal([&] { callFunction(app, "Visible"); }, hresult::MemberNotFound);
    refusal([&] { getProperty(chartObject, "Select"); }, hresult::MemberNotFound);
    refusal([&] { getProperty(series, "XValues"); }, hresult::MemberNotFound);
}

TEST_F(WorkbookErrors, APropertyWriteMustCarryItsValueAsTheOneNamedArgument)
{
    ExcepInfo info;
    DispParams unnamed;
    unnamed.args.push_back(Variant::fromBool(true));
    EXPECT_EQ(invokeRaw(app, u"Visible", DispatchPropertyPut, unnamed, info), hresult::Exception);
    EXPECT_EQ(info.scode, hresult::ParamNotFound);
    EXPECT_FALSE(info.description.empty());

    DispParams twoValues = unnamed;
    twoValues.args.push_back(Variant::fromBool(true));
    twoValues.namedArgs = {DispIdPropertyPut};
    EXPECT_EQ(invokeRaw(app, u"Visible", DispatchPropertyPut, twoValues, info), hresult::Exception);
    EXPECT_EQ(info.scode, hresult::BadParamCount);

    DispParams namedRead;
    namedRead.namedArgs = {DispIdPropertyPut};
    namedRead.args.push_back(Variant::fromBool(true));
    EXPECT_EQ(invokeRaw(app, u"Visible", DispatchPropertyGet, namedRead, info), hresult::Exception);
    EXPECT_EQ(info.scode, hresult::NoNamedArgs);

    Variant result;
    EXPECT_EQ(app.objectValue()->invoke(999, LocaleSystemDefault, DispatchPropertyGet, {}, &result, &info),
              hresult::MemberNotFound);
}

TEST_F(WorkbookErrors, ValuesTheApplicationDoesNotKnowAreRefusedAndChangeNothing)
{
    putInt(series, "MarkerSize", 6);
    refusal([&] { putInt(series, "MarkerSize", 73); });
    EXPECT_EQ(getProperty(series, "MarkerSize").int32Value(), 6);

    refusal([&] { putInt(series, "MarkerStyle", 7); });
    refusal([&] { putInt(series, "ChartType", 51); });
    refusal([&] { callWithInts(getProperty(sheet, "Shapes"), "AddChart2", 240, 4); });
    refusal([&] { callWithInt(chart, "SetElement", 999); });
    refusal([&] { callWithInts(chart, "Axes", 3, 1); });
    refusal([&] { callWithInts(chart, "Axes", 1, 2); });
    refusal([&] { putInt(getProperty(getProperty(getProperty(series, "Format"), "Line"), "ForeColor"), "ObjectThemeColor", 17); });
    refusal([&] { putColor(getProperty(getProperty(getProperty(series, "Format"), "Line"), "ForeColor"), "RGB", 0x1000000); });
    refusal([&] { putSingle(getProperty(getProperty(series, "Format"), "Line"), "Weight", -1.0f); });
    refusal([&] { putInt(getProperty(getProperty(series, "Format"), "Line"), "DashStyle", 0); });
    refusal([&] { putInt(getProperty(getProperty(series, "Format"), "Line"), "DashStyle", 9); });
    refusal([&] { putInt(getProperty(getProperty(callWithInt(chart, "Axes", 1), "TickLabels"), "Font"), "Size", 0); });
    refusal([&] { putInt(callWithInts(chart, "Axes", 1, 1), "MajorTickMark", 1); });
    refusal([&] { putInt(chartObject, "Width", -5); });
    refusal([&] { getProperty(getProperty(callWithInt(chart, "Axes", 1), "Format"), "Fill"); });
    EXPECT_EQ(getProperty(series, "ChartType").int32Value(), 72);
}

TEST_F(WorkbookErrors, PartsNotSwitchedOnAreRefusedUntilTheyAre)
{
    EXPECT_EQ(refusal([&] { getProperty(chart, "Legend"); }).message(),
              QStringLiteral("The chart has no legend; show it with SetElement(101) first."));
    refusal([&] { getProperty(chart, "ChartTitle"); });
    refusal([&] { getProperty(callWithInts(chart, "Axes", 1, 1), "AxisTitle"); });

    callWithInt(chart, "SetElement", 301);
    EXPECT_NO_THROW(getProperty(callWithInts(chart, "Axes", 1, 1), "AxisTitle"));
    refusal([&] { getProperty(callWithInts(chart, "Axes", 2, 1), "AxisTitle"); });
    callWithInt(chart, "SetElement", 307);
    EXPECT_NO_THROW(getProperty(callWithInts(chart, "Axes", 2, 1), "AxisTitle"));
}
