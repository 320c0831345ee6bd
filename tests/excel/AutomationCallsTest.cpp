#include "excel/AutomationCalls.h"
#include "excel/AutomationError.h"
#include "support/QtPrinters.h"
#include "support/RecordingDispatch.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class AutomationCalls : public ::testing::Test {
protected:
    void TearDown() override
    {
        object.clear();
        EXPECT_EQ(recorder.outstandingReferences(), 0u) << "an object reference was leaked";
        EXPECT_TRUE(recorder.faults.empty()) << recorder.faults.front();
    }

    const RecordedCall& onlyCall() const
    {
        EXPECT_EQ(recorder.calls.size(), 1u);
        return recorder.calls.back();
    }

    CallRecorder recorder;
    Variant object = recorder.root("obj");
};

// Runs `call` and hands back the AutomationError it raises.
template <typename Call>
AutomationError errorOf(Call call)
{
    try {
        call();
    } catch (const AutomationError& error) {
        return error;
    }
    throw std::logic_error("no AutomationError was raised");
}

} // namespace

TEST_F(AutomationCalls, ArgumentsReachTheObjectInCallOrderThoughThePackHoldsThemLastFirst)
{
    TAutoArgs<2> pack;
    pack[0] = Variant::fromInt32(240);
    pack[1] = Variant::fromInt32(72);
    ASSERT_EQ(pack.params().args.size(), 2u);
    EXPECT_EQ(pack.params().args[0].int32Value(), 72);  // the dispatch call's order
    EXPECT_EQ(pack.params().args[1].int32Value(), 240);

    const Variant chart = callWithInts(object, "AddChart2", 240, 72);

    const RecordedCall& call = onlyCall();
    EXPECT_EQ(call.member, "AddChart2");
    EXPECT_EQ(call.flags, DispatchMethod);
    ASSERT_EQ(call.args.size(), 2u);
    EXPECT_EQ(call.args[0].int32Value(), 240);
    EXPECT_EQ(call.args[1].int32Value(), 72);
    EXPECT_TRUE(call.namedArgs.empty());
    EXPECT_EQ(plainText(chart), "obj.AddChart2(240,72)");
}

TEST_F(AutomationCalls, EveryLookupAndCallUsesTheSystemDefaultLocale)
{
    putInt(object, "Left", 3);
    getProperty(object, "Shapes");
    callProcedure(object, "Select");

    ASSERT_EQ(recorder.lookups.size(), 3u);
    for (const auto& lookup : recorder.lookups)
        EXPECT_EQ(lookup.lcid, 2048u) << lookup.name;
    for (const auto& call : recorder.calls)
        EXPECT_EQ(call.lcid, 2048u) << call.member;
    EXPECT_EQ(recorder.lookups[1].name, "Shapes");
}

TEST_F(AutomationCalls, APropertyWriteCarriesOneValueNamedAsThePropertyPut)
{
    putBool(object, "Visible", true);
    const RecordedCall& call = onlyCall();
    EXPECT_EQ(call.flags, DispatchPropertyPut);
    ASSERT_EQ(call.args.size(), 1u);
    EXPECT_EQ(call.namedArgs, std::vector<DispId>{-3});
    EXPECT_EQ(call.args[0].type(), Variant::Type::Bool);
    EXPECT_EQ(call.args[0].boolValue(), -1);

    putBool(object, "Visible", false);
    EXPECT_EQ(recorder.calls.back().args[0].boolValue(), 0);
}

TEST_F(AutomationCalls, TypedWritesSendTheirKindOfValue)
{
    putInt(object, "CrossesAt", -1215752192);
    putColor(object, "RGB", 16777215u);
    putSingle(object, "Weight", 1.5f);
    putText(object, "Value", std::string("0.05"));
    putText(object, "Text", static_cast<const char*>(nullptr));
    putText(object, "Name", "周期");  // narrow UTF-8 in this locale

    EXPECT_EQ(recorder.texts(), (std::vector<std::string>{
                                    "put obj.CrossesAt = i32:-1215752192",
                                    "put obj.RGB = u32:16777215",
                                    "put obj.Weight = f32:1.5",
                                    "put obj.Value = text:\"0.05\"",
                                    "put obj.Text = text:\"\"",
                                    "put obj.Name = text:\"周期\"",
                                }));
    EXPECT_EQ(recorder.calls.back().args[0].textValue(), std::u16string(u"周期"));
}

TEST_F(AutomationCalls, TypedReadsAndCallsSendTheirKindOfArguments)
{
    getWithText(object, "Sheets", "Sheet1");
    getWithShorts(object, "Cells", 602, 2);
    getWithInts(object, "Cells", 5, 3);
    callWithInt(object, "SetElement", 301);
    callFunction(object, "SeriesCollection");
    callProcedure(object, "Select");

    EXPECT_EQ(recorder.texts(), (std::vector<std::string>{
                                    "get obj.Sheets(text:\"Sheet1\")",
                                    "get obj.Cells(i16:602, i16:2)",
                                    "get obj.Cells(i32:5, i32:3)",
                                    "call obj.SetElement(i32:301)",
                                    "call obj.SeriesCollection()",
                                    "call obj.Select()",
                                }));
}

TEST_F(AutomationCalls, APackKeepsTheResultAndTheReturnedCopyHoldsItsOwnReference)
{
    Variant sheet;
    {
        TAutoArgs<1> args;
        args[0] = Variant::fromText(u"Sheet1");
        sheet = getProperty(object, "Sheets", args);
        ASSERT_TRUE(args.result.isObject());
        EXPECT_EQ(args.result.objectValue(), sheet.objectValue());
    }
    ASSERT_TRUE(sheet.isObject());
    EXPECT_EQ(plainText(sheet), "obj.Sheets(\"Sheet1\")");
    EXPECT_EQ(recorder.object(1).references(), 1u);
}

TEST_F(AutomationCalls, TheObjectIsHeldForTheCallAndEveryChildIsReleasedAfterwards)
{
    // A walk down a path that reassigns the one handle it walks with.
    Variant walk = object;
    walk = getProperty(walk, "Format");
    walk = getProperty(walk, "Line");
    putBool(walk, "Visible", true);
    walk.clear();

    ASSERT_EQ(recorder.calls.size(), 3u);
    EXPECT_EQ(recorder.calls[0].refsDuringCall, 3u);  // `object`, `walk` and the call's own
    EXPECT_EQ(recorder.calls[1].refsDuringCall, 2u);
    EXPECT_EQ(recorder.calls[2].refsDuringCall, 2u);
    EXPECT_EQ(recorder.outstandingReferences(), 1u);  // only `object`
}

TEST_F(AutomationCalls, AProcedureWantsNoResultSoNoObjectIsMade)
{
    callProcedure(object, "Select");
    EXPECT_EQ(recorder.objectCount(), 1u);
}

TEST_F(AutomationCalls, ACallOnAValueWithoutObjectIsRefusedWithAClearError)
{
    const AutomationError empty = errorOf([] { getProperty(Variant(), "Application"); });
    EXPECT_EQ(empty.message(), "Cannot call \"Application\": the value is empty.");

    const AutomationError number = errorOf([] { putBool(Variant::fromInt32(7), "Visible", true); });
    EXPECT_EQ(number.message(), "Cannot call \"Visible\": the value is not an automation object.");
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(AutomationCalls, AnUnknownNameFailsAtTheLookupWithTheSystemText)
{
    recorder.failLookup("Shapez", hresult::UnknownName);
    const AutomationError error = errorOf([&] { getProperty(object, "Shapez"); });
    EXPECT_EQ(error.code(), hresult::UnknownName);
    EXPECT_EQ(error.message(), "Unknown name.");
    EXPECT_TRUE(error.description().isEmpty());
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(AutomationCalls, AnApplicationExceptionCarriesWhatTheApplicationReported)
{
    ExcepInfo info;
    info.source = u"Microsoft Excel";
    info.description = u"Unable to set the Value property of the Range class";
    info.helpFile = u"xlmain11.chm";
    info.helpContext = 1004;
    info.scode = static_cast<HResult>(0x800A03EC);
    recorder.failWithException("Value", info);

    const AutomationError error = errorOf([&] { putText(object, "Value", "1"); });
    EXPECT_EQ(error.code(), static_cast<HResult>(0x800A03EC));
    EXPECT_EQ(error.message(), "Unable to set the Value property of the Range class");
    EXPECT_EQ(error.description(), "Unable to set the Value property of the Range class");
    EXPECT_EQ(error.source(), "Microsoft Excel");
    EXPECT_EQ(error.helpFile(), "xlmain11.chm");
    EXPECT_EQ(error.helpContext(), 1004u);
}

TEST_F(AutomationCalls, AnExceptionWithoutDescriptionFallsBackToTheTextOfItsCode)
{
    ExcepInfo info;
    info.scode = hresult::TypeMismatch;
    recorder.failWithException("Add", info);
    EXPECT_EQ(errorOf([&] { callFunction(object, "Add"); }).message(), "Type mismatch.");

    recorder.failWithException("Add", ExcepInfo{});
    const AutomationError bare = errorOf([&] { callFunction(object, "Add"); });
    EXPECT_EQ(bare.code(), hresult::Exception);
    EXPECT_EQ(bare.message(), "Exception occurred.");
}

TEST_F(AutomationCalls, AnyOtherFailedCallGivesTheSystemTextForItsCode)
{
    recorder.failCall("Left", hresult::MemberNotFound);
    const AutomationError error = errorOf([&] { getProperty(object, "Left"); });
    EXPECT_EQ(error.code(), hresult::MemberNotFound);
    EXPECT_EQ(error.message(), "Member not found.");

    // The general error handler sees it as the program's own error.
    recorder.failCall("Top", hresult::BadParamCount);
    try {
        getProperty(object, "Top");
        FAIL() << "no error";
    } catch (const KavrelError& general) {
        EXPECT_EQ(general.message(), "Invalid number of parameters.");
    }
}

TEST(AutomationErrorText, KnownCodesHaveTheSystemTextsAndOthersShowTheirNumber)
{
    EXPECT_EQ(AutomationError::systemText(hresult::UnknownName), "Unknown name.");
    EXPECT_EQ(AutomationError::systemText(hresult::ParamNotFound), "Parameter not found.");
    EXPECT_EQ(AutomationError::systemText(hresult::Overflow), "Out of present range.");
    EXPECT_EQ(AutomationError::systemText(hresult::ClassNotRegistered), "Class not registered.");
    EXPECT_EQ(AutomationError::systemText(hresult::Fail), "Unspecified error.");
    EXPECT_EQ(AutomationError::systemText(static_cast<HResult>(0x800A03EC)), "Unspecified error (0x800A03EC).");
    EXPECT_EQ(AutomationError::systemText(static_cast<HResult>(0x80000001)), "Unspecified error (0x80000001).");
}
