#include "app/Startup.h"

#include "common/KavrelError.h"
#include "support/FakeUserDialogs.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

// Each test runs the whole program, application object included, as main()
// does; so this test program makes no application object of its own.
namespace {

class StartupTest : public ::testing::Test {
protected:
    StartupTest()
    {
        // A box is of use only while the application object exists.
        dialogs.onBox = [this](const FakeUserDialogs::Box&) { boxesWithApplication += qApp != nullptr; };
    }

    int run(const MainWindowFactory& makeMainWindow) { return runProgram(argc, argv, makeMainWindow); }

    // A window that closes itself once the message loop runs.
    static std::unique_ptr<QWidget> selfClosingWindow()
    {
        auto window = std::make_unique<QWidget>();
        window->resize(400, 300);
        QTimer::singleShot(0, window.get(), &QWidget::close);
        return window;
    }

    char name[13] = "kavrel-spect";
    char* argv[2] = {name, nullptr};
    int argc = 1;
    FakeUserDialogs dialogs;
    int boxesWithApplication = 0;
};

} // namespace

TEST_F(StartupTest, AClosedMainWindowEndsTheProgramQuietlyWithStatusZero)
{
    QRect shown;
    QRect screen;
    const int status = run([&] {
        auto window = selfClosingWindow();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&, w = window.get()] {
            shown = w->geometry();
            screen = w->screen()->availableGeometry();
        });
        return window;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.texts().join("; ").toStdString();
    EXPECT_EQ(shown.size(), QSize(400, 300));
    EXPECT_LE((shown.center() - screen.center()).manhattanLength(), 2) << "centred on the screen";
}

TEST_F(StartupTest, AFailureBeforeTheMessageLoopIsShownAndEndsTheProgramWithAFailure)
{
    const std::vector<std::pair<std::function<void()>, QString>> failures = {
        {[] { throw KavrelError("Out of Memory."); }, "Out of Memory."},
        {[] { throw std::runtime_error("no screen"); }, "no screen"},
        {[] { throw 42; }, QString()},  // not an exception class: an empty message
    };
    for (const auto& [fail, message] : failures) {
        SCOPED_TRACE(message.toStdString());
        dialogs.boxes.clear();
        boxesWithApplication = 0;
        const int status = run([&fail]() -> std::unique_ptr<QWidget> {
            fail();
            return nullptr;
        });
        EXPECT_NE(status, 0);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].kind, "error");
        EXPECT_EQ(dialogs.boxes[0].text, message);
        EXPECT_EQ(boxesWithApplication, 1) << "shown while the application object exists";
        EXPECT_EQ(qApp, nullptr) << "and gone afterwards";
    }
}

TEST_F(StartupTest, AFailureAfterTheMessageLoopIsShownAndEndsTheProgramWithAFailure)
{
    const int status = run([] {
        auto window = selfClosingWindow();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { throw std::runtime_error("cannot finish"); });
        return window;
    });
    EXPECT_NE(status, 0);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, "error");
    EXPECT_EQ(dialogs.boxes[0].text, "cannot finish");
    EXPECT_EQ(boxesWithApplication, 1);
}
