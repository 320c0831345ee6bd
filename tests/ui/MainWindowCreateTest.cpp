#include "MainWindowFixture.h"
#include "UiTestHelpers.h"

#include "common/KavrelError.h"
#include "ui/KavrelApplication.h"
#include "spectrum/KavrelSpectrum.h"

#include <QLabel>
#include <functional>
#include <new>
#include <stdexcept>
#include <QMenu>
#include <QValueAxis>

TEST_F(MainWindowTest, StartsWithTheDefaultsOfTheFirstTableEntries)
{
    EXPECT_EQ(titleBarText(form.get()), "Kavrel Response Spectrum (20210912)");
    EXPECT_EQ(QApplication::applicationName(), "Kavrel_Spect");
    EXPECT_EQ(control<QLineEdit>("edt4")->text(), "Spectrum-1");
    EXPECT_EQ(control<QLineEdit>("edt1")->text(), "0.04");
    EXPECT_EQ(control<QLineEdit>("edt2")->text(), "0.2");
    EXPECT_EQ(control<QLineEdit>("edt5")->text(), "0.05");
    for (const char* box : {"cbb1", "cbb2", "cbb3", "cbb4", "cbb5"})
        EXPECT_EQ(control<QComboBox>(box)->currentIndex(), 0) << box;
    EXPECT_EQ(control<QComboBox>("cbb2")->itemText(5), "9 ( 0.40 g)");
    EXPECT_EQ(control<QComboBox>("cbb5")->itemText(2), "3th Group");
    EXPECT_EQ(form->inputPanel()->responseName(), "Response1");
    EXPECT_EQ(form->inputPanel()->dampingRatio(), 0.05);

    StringGrid* grid = control<StringGrid>("strngrd1");
    EXPECT_EQ(grid->columnCount(), 122);
    EXPECT_EQ(grid->rowsWithHeader(), 2);
    EXPECT_EQ(grid->columnWidth(0), 85);
    EXPECT_EQ(grid->text(0, 0), " Name");
    EXPECT_EQ(grid->text(0, 1), "0");
    EXPECT_EQ(grid->text(0, 2), "0.05");
    EXPECT_EQ(grid->text(0, 3), "0.1");
    EXPECT_EQ(grid->text(0, 4), "0.15");
    EXPECT_EQ(grid->text(0, 8), "0.35");
    EXPECT_EQ(grid->text(0, 121), "6");
    EXPECT_EQ(grid->text(0, 122), "");
    EXPECT_EQ(gridRow(1), QStringList(122, QString()));

    ChartControl* chart = control<ChartControl>("cht1");
    EXPECT_EQ(chart->hint(), "Double click to Poup the Graph Panel.");
    EXPECT_EQ(chart->place(), ChartPlace::Home);
    EXPECT_EQ(chart->bottomAxis()->titleText(), "Period, T(s)");
    EXPECT_EQ(chart->leftAxis()->titleText(), "Spectral Accleration,Sa (g)");
    EXPECT_TRUE(chart->leftAxis()->titleFont().bold());
    EXPECT_EQ(chart->leftAxis()->min(), 0.0);
    EXPECT_EQ(chart->rubberBand(), QChartView::RectangleRubberBand);
}

TEST_F(MainWindowTest, EveryInputIsNamedAndAnnouncedByItsLabel)
{
    const std::pair<const char*, const char*> pairs[] = {
        {"lbl8", "edt4"}, {"lbl7", "cbb1"}, {"lbl1", "cbb2"}, {"lbl2", "cbb3"}, {"lbl3", "cbb4"},
        {"lbl4", "cbb5"}, {"lbl5", "edt1"}, {"lbl6", "edt2"}, {"lbl9", "edt5"},
    };
    for (const auto& [label, input] : pairs)
        EXPECT_EQ(control<QLabel>(label)->buddy(), control<QWidget>(input)) << label;
    for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button5", "btn1"})
        control<QPushButton>(name);
    EXPECT_EQ(control<QPushButton>("btn1")->text(), QString::fromUtf8("输出曲线到 EXCEL"));
    for (const char* name : {"Create1", "Delete1", "DeleteAll1", "SaveData1", "SavePicture1",
                             "AboutKavrelResponseSpectrum1", "Donation1", "N1"})
        control<QAction>(name);
    EXPECT_EQ(control<QAction>("N1")->text(), QString::fromUtf8("使用帮助"));

    // Tab walks the inputs in the order of the panel.
    QWidget* w = control<QWidget>("edt4");
    QStringList order;
    for (int i = 0; i < 17; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
            w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, QStringList({"edt4", "cbb1", "cbb2", "cbb3", "cbb4", "cbb5", "edt1", "edt2", "edt5",
                                  "rareTgCheck", "verticalCheck", "Button1", "Button4", "Button5", "Button2", "Button3", "lst1"}));
}

TEST_F(MainWindowTest, SelectionChangesOverwriteTypedValues)
{
    type("edt1", "0.5");
    type("edt2", "0.9");
    type("edt5", "0.02");
    choose("cbb2", 5);
    EXPECT_EQ(control<QLineEdit>("edt1")->text(), "0.32");
    EXPECT_EQ(control<QLineEdit>("edt2")->text(), "0.2");
    EXPECT_EQ(control<QLineEdit>("edt5")->text(), "0.02");  // never touched
    choose("cbb3", 3);
    EXPECT_EQ(control<QLineEdit>("edt1")->text(), "2.43");
    choose("cbb4", 4);
    choose("cbb5", 2);
    EXPECT_EQ(control<QLineEdit>("edt2")->text(), "0.9");
    type("edt1", "7");
    choose("cbb1", 2);  // the design code too puts the table values back
    EXPECT_EQ(form->inputPanel()->codeType(), 2);
    EXPECT_EQ(control<QLineEdit>("edt1")->text(), "2.43");
    EXPECT_EQ(form->inputPanel()->intensityIndex(), 5);
    EXPECT_EQ(form->inputPanel()->seismicActionIndex(), 3);
    EXPECT_EQ(form->inputPanel()->siteClassIndex(), 4);
    EXPECT_EQ(form->inputPanel()->groupIndex(), 2);
}

TEST_F(MainWindowTest, FirstCreateWithDefaultsShowsTheSpectrumInEveryView)
{
    clickCreate();
    EXPECT_TRUE(dialogs.boxes.empty());
    ASSERT_EQ(form->spectra().size(), 1);
    EXPECT_EQ(form->spectra().item(0).name(), "Spectrum-1");

    EXPECT_EQ(listTexts(), QStringList{"Spectrum-1"});
    EXPECT_TRUE(form->checkList()->isChecked(0));

    ASSERT_EQ(form->chart()->curveCount(), 1);
    QLineSeries* curve = form->chart()->curve(0);
    EXPECT_EQ(curve->name(), "Spectrum-1");
    EXPECT_TRUE(curve->isVisible());
    EXPECT_EQ(curve->pen().width(), 2);
    EXPECT_FALSE(curve->pointsVisible());
    ASSERT_EQ(curve->count(), 601);
    EXPECT_EQ(curve->at(0), QPointF(0, 0.45 * 0.04));
    EXPECT_EQ(curve->at(600).x(), 6.0);
    EXPECT_NEAR(curve->at(600).y(), 0.005397, 5e-7);
    expectLeftAxisUpTo(0.04);  // automatic maximum

    const QStringList row = gridRow(1);
    EXPECT_EQ(row.mid(0, 7), QStringList({"Spectrum-1", "0.018000", "0.029000", "0.040000", "0.040000",
                                          "0.040000", "0.032722"}));
    EXPECT_EQ(row[121], "0.005397");
    EXPECT_EQ(form->grid()->rowsWithHeader(), 2);
}

TEST_F(MainWindowTest, DuplicateNamesAreRefusedCaseSensitively)
{
    clickCreate();
    clickCreate();
    ASSERT_EQ(dialogs.texts(),
              QStringList{"Response with name: \"Spectrum-1\" already exists! Please Input another Name."});
    EXPECT_EQ(dialogs.boxes[0].kind, "warning");
    EXPECT_EQ(focused(), control<QWidget>("edt4"));
    EXPECT_EQ(form->spectra().size(), 1);
    EXPECT_EQ(form->chart()->curveCount(), 1);

    create("spectrum-1");
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(listTexts(), QStringList({"Spectrum-1", "spectrum-1"}));
}

TEST_F(MainWindowTest, ThreeCreatesKeepTheirOrderEverywhere)
{
    create("A");
    type("edt1", "0.16");
    create("B");
    choose("cbb1", 2);
    create("C");
    EXPECT_EQ(listTexts(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(curveTitles(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(form->grid()->rowsWithHeader(), 4);
    EXPECT_EQ(gridRow(1)[0], "A");
    EXPECT_EQ(gridRow(2)[0], "B");
    EXPECT_EQ(gridRow(2)[3], "0.160000");
    EXPECT_EQ(gridRow(3)[0], "C");
    EXPECT_EQ(form->spectra().spectrumAt(form->spectra().size() - 1)->codeName(), "GB/T 51408-2021");
    expectLeftAxisUpTo(0.16);
}

TEST_F(MainWindowTest, NamesAreTrimmedAndCountedInBytes)
{
    create("  A  ");
    EXPECT_EQ(listTexts(), QStringList{"A"});

    create(QString(19, 'x'));
    EXPECT_TRUE(dialogs.boxes.empty());
    create(QString(20, 'y'));
    EXPECT_EQ(dialogs.texts(), QStringList{"Response Name must be less than 20 letters."});
    EXPECT_EQ(focused(), control<QWidget>("edt4"));

    // Six Han characters are 18 bytes in the narrow encoding, seven are 21.
    create(QString::fromUtf8("反应谱反应谱"));
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    create(QString::fromUtf8("反应谱反应谱程"));
    EXPECT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(listTexts().size(), 3);

    create("   ");
    EXPECT_EQ(dialogs.texts().last(), "Please Input Response Name.");
    EXPECT_EQ(listTexts().size(), 3);
}

struct RefusedNumberCase {
    const char* name;
    const char* field;
    QString text;
    QString message;
};

const RefusedNumberCase refusedNumbers[] = {
    {"AlphaMaxNotANumber", "edt1", "abc", "\"abc\" is not a valid floating number!"},
    {"AlphaMaxNegative", "edt1", "-0.01", "AlphaMax must be postive."},
    {"AlphaMaxNan", "edt1", "nan", "\"nan\" is not a valid floating number!"},
    {"AlphaMaxBeyondDouble", "edt1", "1e999", "\"1e999\" is not a valid floating number!"},
    {"TgInfinite", "edt2", "inf", "\"inf\" is not a valid floating number!"},
    {"TgNegative", "edt2", "-1", "Characteristic Groud Period must be postive."},
    {"TgDecimalComma", "edt2", "0,2", "\"0,2\" is not a valid floating number!"},
    {"DampingEmpty", "edt5", "", "\"\" is not a valid floating number!"},
    {"DampingNegative", "edt5", "-0.05", "Damping ratio must be postive."},
};

class RefusedNumber : public MainWindowTest, public testing::WithParamInterface<RefusedNumberCase> {};

TEST_P(RefusedNumber, NamesItsFieldAndLeavesEverythingAsItWas)
{
    const RefusedNumberCase& c = GetParam();
    create("First");
    const QStringList gridBefore = gridRow(1);
    type(c.field, c.text);
    create("New");
    ASSERT_EQ(dialogs.boxes.size(), 1u) << dialogs.texts().join("; ").toStdString();
    EXPECT_EQ(dialogs.boxes[0].text, c.message);
    EXPECT_EQ(dialogs.boxes[0].kind, "warning");
    EXPECT_EQ(focused(), control<QWidget>(c.field));
    EXPECT_EQ(listTexts(), QStringList{"First"});
    EXPECT_EQ(curveTitles(), QStringList{"First"});
    EXPECT_EQ(form->grid()->rowsWithHeader(), 2);
    EXPECT_EQ(gridRow(1), gridBefore);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RefusedNumber, testing::ValuesIn(refusedNumbers),
                         [](const testing::TestParamInfo<RefusedNumberCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MainWindowTest, ZeroInputsAreAccepted)
{
    type("edt1", "0");
    type("edt2", "0");
    type("edt5", "0");
    create("Zero");
    EXPECT_TRUE(dialogs.boxes.empty());
    QLineSeries* curve = form->chart()->curve(0);
    for (int i = 0; i < curve->count(); ++i)
        ASSERT_EQ(curve->at(i).y(), 0.0);
    EXPECT_EQ(gridRow(1)[121], "0.000000");
}

TEST_F(MainWindowTest, MenuCreateRunsTheSameCommand)
{
    control<QAction>("Create1")->trigger();
    EXPECT_EQ(listTexts(), QStringList{"Spectrum-1"});
}

TEST(GeneralErrorHandler, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    FakeUserDialogs dialogs;
    QPushButton button("throw");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, guarded([&] {
        ++clicks;
        throw KavrelError("Stream write error");
    }));
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(dialogs.texts(), QStringList({"Stream write error", "Stream write error"}));
    EXPECT_EQ(dialogs.boxes[0].kind, "error");
}

TEST_F(MainWindowTest, HelpMenuAndStatusBarOpenTheirPages)
{
    control<QAction>("N1")->trigger();
    QLabel* link = control<QLabel>("rzfldsts2");
    EXPECT_TRUE(link->font().bold());
    EXPECT_EQ(link->text(), " kavrel-spect.example.com");
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(dialogs.openedUrls,
              QStringList({"http://kavrel-spect.example.com/?p=11864", "kavrel-spect.example.com"}));
}

namespace {

// A view that fails when a spectrum is added, with the exception it is given.
class FailingView : public SpectrumSet::Listener {
public:
    explicit FailingView(std::function<void()> fail) : fail_(std::move(fail)) {}
    void spectrumAdded(int, const SetItem&) override { fail_(); }
    void spectrumRemoved(int) override {}
    void spectraCleared() override {}
    void visibilityChanged(int, bool) override {}
    void itemChanged(int, const SetItem&) override {}

private:
    std::function<void()> fail_;
};

} // namespace

struct ViewFailure {
    const char* name;
    std::function<void()> fail;
    QString kind;
    QString text;
};

const ViewFailure viewFailures[] = {
    {"LackOfMemory", [] { throw std::bad_alloc(); }, "warning", "Out of Memory."},
    {"StandardException", [] { throw std::runtime_error("The grid cannot take another row."); }, "error",
     "The grid cannot take another row."},
    {"OwnError", [] { throw KavrelError("Stream write error"); }, "error", "Stream write error"},
};

// Only lack of memory is "Out of Memory."; other failures keep their words.
class FailingCreate : public MainWindowTest, public testing::WithParamInterface<ViewFailure> {};

TEST_P(FailingCreate, ShowsOneBoxAndIsUndoneEverywhere)
{
    const ViewFailure& c = GetParam();
    FailingView view(c.fail);
    // A stand-in for a view of the window that runs out of room; the set
    // is the window's own and only readable from outside.
    auto& set = const_cast<SpectrumSet&>(form->spectra());
    set.addListener(&view);
    create("Failing");
    set.removeListener(&view);
    ASSERT_EQ(dialogs.boxes.size(), 1u) << dialogs.texts().join("; ").toStdString();
    EXPECT_EQ(dialogs.boxes[0].kind, c.kind);
    EXPECT_EQ(dialogs.boxes[0].text, c.text);
    EXPECT_TRUE(form->spectra().empty());
    EXPECT_EQ(form->chart()->curveCount(), 0);
    EXPECT_EQ(form->checkList()->count(), 0);

    create("Failing");  // the name was never taken
    EXPECT_EQ(form->spectra().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, FailingCreate, testing::ValuesIn(viewFailures),
                         [](const testing::TestParamInfo<ViewFailure>& info) { return std::string(info.param.name); });
