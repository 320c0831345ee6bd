#include "excel/AutomationError.h"
#include "excel/ClassRegistry.h"
#include "excel/ExcelOperation.h"
#include "support/FakeUserDialogs.h"
#include "support/RecordingDispatch.h"
#include "support/ScopedClassRegistration.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QString StartFailure = QStringLiteral("创建Excel文件出错, 请确认本机是否安装了MS-EXCEL.");

class ExcelStart : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const auto& fault : recorder.faults)
            ADD_FAILURE() << fault;
    }

    // The one message of a failed start, shown once, and nothing left behind.
    void expectStartRefused(ClassRegistry::Factory factory)
    {
        ScopedClassRegistration excel("Excel.Application", std::move(factory));
        FakeUserDialogs dialogs;
        Variant app = recorder.root("previous application");

        Variant result;
        EXPECT_NO_THROW(result = createExcelApplication(app));

        EXPECT_TRUE(app.isEmpty());
        EXPECT_TRUE(result.isEmpty());
        EXPECT_EQ(recorder.outstandingReferences(), 0u);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].kind, "box");
        EXPECT_EQ(dialogs.boxes[0].text, StartFailure);
        EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("错误"));
        EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Information);
    }

    CallRecorder recorder;
};

} // namespace

TEST_F(ExcelStart, WithoutAnApplicationRegisteredTheUserIsToldOnce)
{
    expectStartRefused(nullptr);
}

TEST_F(ExcelStart, AFactoryThatGivesNoObjectIsARefusal)
{
    expectStartRefused([] { return nullptr; });
}

TEST_F(ExcelStart, AFactoryThatThrowsIsARefusal)
{
    expectStartRefused([]() -> Dispatch* { throw AutomationError(hresult::OutOfMemory); });
    expectStartRefused([]() -> Dispatch* { throw std::runtime_error("server died"); });
}

TEST_F(ExcelStart, EveryStartCreatesANewInstanceAndReleasesTheOneItReplaces)
{
    int created = 0;
    ScopedClassRegistration excel("Excel.Application", [&] {
        ++created;
        return recorder.newObject("Excel.Application#" + std::to_string(created));
    });
    FakeUserDialogs dialogs;

    Variant app;
    const Variant first = createExcelApplication(app);
    ASSERT_TRUE(app.isObject());
    EXPECT_EQ(first.objectValue(), app.objectValue());

    const Variant second = createExcelApplication(app);
    EXPECT_EQ(created, 2);
    EXPECT_NE(second.objectValue(), first.objectValue());
    EXPECT_EQ(app.objectValue(), second.objectValue());
    EXPECT_EQ(recorder.object(0).references(), 1u);  // only `first` still holds it
    EXPECT_EQ(recorder.object(1).references(), 2u);  // `app` and `second`
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(recorder.calls.empty());  // starting calls nothing on the application
}

TEST_F(ExcelStart, ShowingReadsTheApplicationAndMakesItVisible)
{
    const Variant app = recorder.root("app");
    showExcelApplication(app);
    EXPECT_EQ(recorder.texts(), (std::vector<std::string>{"get app.Application",
                                                          "put app.Application.Visible = bool:-1"}));
    EXPECT_EQ(recorder.outstandingReferences(), 1u);
}

TEST_F(ExcelStart, ShowingAnEmptyHandleIsAnErrorNotACrash)
{
    EXPECT_THROW(showExcelApplication(Variant()), AutomationError);
}

TEST(ClassRegistry, IdentifiersIgnoreCaseAndRegisteringHandsBackThePreviousFactory)
{
    ClassRegistry registry;
    CallRecorder recorder;
    EXPECT_FALSE(registry.registerClass("Excel.Application", [&] { return recorder.newObject("one"); }));
    EXPECT_TRUE(registry.isRegistered("EXCEL.APPLICATION"));

    const ClassRegistry::Factory previous =
        registry.registerClass("excel.application", [&] { return recorder.newObject("two"); });
    ASSERT_TRUE(previous);
    EXPECT_EQ(plainText(registry.createInstance("Excel.Application")), "two");

    registry.registerClass("Excel.Application", nullptr);
    EXPECT_FALSE(registry.isRegistered("Excel.Application"));
    try {
        registry.createInstance("Excel.Application");
        FAIL() << "an unregistered class was created";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.code(), hresult::ClassNotRegistered);
        EXPECT_EQ(error.message(), "Class not registered.");
    }
    EXPECT_EQ(recorder.outstandingReferences(), 0u);
}
