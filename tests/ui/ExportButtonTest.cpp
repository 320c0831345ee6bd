#include "MainWindowFixture.h"

#include "support/RecordingDispatch.h"
#include "support/ScopedClassRegistration.h"

#include <algorithm>

TEST_F(MainWindowTest, ExportButtonSendsEveryCurveWithTheChartsAxisTitles)
{
    CallRecorder recorder;
    recorder.answer("Left", Variant::fromDouble(96));
    recorder.answer("Top", Variant::fromDouble(60));
    ScopedClassRegistration excel("Excel.Application", [&] { return recorder.newObject("app"); });

    create("A");
    create("B");
    create("C");
    form->checkList()->setFocus();
    form->checkList()->setCurrentRow(1);
    QTest::keyClick(form->checkList(), Qt::Key_Space);  // B hidden: exported all the same
    ASSERT_FALSE(form->chart()->curve(1)->isVisible());

    QTest::mouseClick(control<QPushButton>("btn1"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(form->excelOptions().xAxisTitle, "Period, T(s)");
    EXPECT_EQ(form->excelOptions().yAxisTitle, "Spectral Accleration,Sa (g)");

    const auto calls = recorder.texts();
    const auto has = [&](const std::string& call) { return std::find(calls.begin(), calls.end(), call) != calls.end(); };
    const std::string sheet = "put app.WorkBooks.Add.Sheets(\"Sheet1\")";
    EXPECT_TRUE(has(sheet + ".Cells(1,2).Value = text:\"A\""));
    EXPECT_TRUE(has(sheet + ".Cells(1,4).Value = text:\"B\""));
    EXPECT_TRUE(has(sheet + ".Cells(1,6).Value = text:\"C\""));
    EXPECT_TRUE(has(sheet + ".Cells(2,2).Value = text:\"0.018\""));
    EXPECT_TRUE(has(sheet + ".Cells(602,5).Value = text:\"6\""));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "call app.ActiveChart.SeriesCollection.NewSeries()"), 3);
    EXPECT_TRUE(has("put app.ActiveChart.Axes(1,1).AxisTitle.Text = text:\"Period, T(s)\""));
    EXPECT_TRUE(has("put app.ActiveChart.Axes(2,1).AxisTitle.Text = text:\"Spectral Accleration,Sa (g)\""));
    EXPECT_EQ(recorder.outstandingReferences(), 1u);  // held by excelOp only
    form->excelOptions().excelApp.clear();  // before the recorder goes
}

TEST_F(MainWindowTest, ExportFailureIsShownAndTheProgramGoesOn)
{
    CallRecorder recorder;
    ScopedClassRegistration excel("Excel.Application", [&] { return recorder.newObject("app"); });
    recorder.failLookup("WorkBooks", hresult::UnknownName);
    QTest::mouseClick(control<QPushButton>("btn1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, "error");
    EXPECT_EQ(dialogs.boxes[0].text, "Unknown name.");
    EXPECT_TRUE(form->excelOptions().excelApp.isObject());
    create("After");
    EXPECT_EQ(form->checkList()->count(), 1);
    form->excelOptions().excelApp.clear();  // before the recorder goes
}
