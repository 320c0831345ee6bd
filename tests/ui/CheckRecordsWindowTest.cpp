#include "FakePrintDialogs.h"
#include "MainWindowFixture.h"
#include "UiTestHelpers.h"
#include "PdfReading.h"

#include "records/ArtificialBatch.h"
#include "records/CodePeaks.h"
#include "records/RecordItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "records/TabulatedCurveItem.h"
#include "ui/ChartControl.h"
#include "ui/CheckChartMarks.h"
#include "ui/CheckRecordsWindow.h"

#include <QChart>
#include <QClipboard>
#include <QGraphicsPathItem>
#include <QPainterPath>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A constant ground acceleration a, suddenly applied, swings an undamped
// oscillator to a pseudo-spectral acceleration of exactly 2 a at every period
// up to twice the record's length (damped: the factor of the step response).
double stepFactor(double zeta)
{
    return 1 + std::exp(-M_PI * zeta / std::sqrt(1 - zeta * zeta));
}

CheckRecordChoice constantRecord(const QString& name, double g, double seconds, bool natural = true,
                                 double step = 0.01)
{
    const auto samples = static_cast<std::size_t>(std::lround(seconds / step)) + 1;
    return {name, natural, std::vector<double>(samples, g), step, true};
}

double alphaOf(const KavrelSpectrum& spectrum, double period)
{
    double alpha = 0;
    spectrum.alphaAt(period, alpha);
    return alpha;
}

// The window on its own, against an undamped target at intensity 8 (0.20 g),
// frequent action, whose table peak is 70 cm/s^2.
class CheckRecordsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setTargets({{"Target", &target, 3, 0}});
        window.show();
    }

    void setRatios(const std::vector<double>& ratios, double seconds = 8.0)
    {
        QList<CheckRecordChoice> records;
        for (std::size_t r = 0; r < ratios.size(); ++r)
            records << constantRecord(QStringLiteral("R%1").arg(r + 1), ratios[r] * alphaOf(target, 1.0) / 2, seconds);
        window.setRecords(records);
    }

    void typePeriods(const QString& text)
    {
        auto* edit = window.findChild<QLineEdit*>("edtMainPeriods");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        window.finishPendingCheck();
    }

    QTableWidget* table(const char* name) const { return window.findChild<QTableWidget*>(name); }

    QStringList row(const char* tableName, int r) const
    {
        QStringList cells;
        QTableWidget* t = table(tableName);
        for (int c = 0; c < t->columnCount(); ++c)
            cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
        return cells;
    }

    // The verdict row whose check name starts with `check`.
    int verdictRow(const QString& check) const
    {
        QTableWidget* t = table("tblVerdicts");
        for (int r = 0; r < t->rowCount(); ++r) {
            if (t->item(r, 0)->text().startsWith(check))
                return r;
        }
        return -1;
    }

    QString verdict(const QString& check) const
    {
        const int r = verdictRow(check);
        return r < 0 ? QString("(none)") : table("tblVerdicts")->item(r, 1)->text();
    }

    QColor fill(const QString& check) const
    {
        const int r = verdictRow(check);
        return r < 0 ? QColor() : table("tblVerdicts")->item(r, 1)->background().color();
    }

    QLabel* refusalLabel() const { return window.findChild<QLabel*>("lblRefusal"); }

    FakeUserDialogs dialogs;
    const KavrelSpectrum target{"Target", 0.16, 0.4, 0.0, 0};
    CheckRecordsWindow window;
};

} // namespace

TEST_F(CheckRecordsWindowTest, RatiosMeanAndVerdictsAgainstTheClosedForm)
{
    setRatios({1.0, 1.3, 1.0});
    typePeriods("1.0, 0.5");
    ASSERT_TRUE(window.check().has_value()) << window.refusal().toStdString();
    QTableWidget* records = table("tblRecords");
    ASSERT_EQ(records->rowCount(), 4);
    EXPECT_EQ(records->horizontalHeaderItem(4)->text(), "αr/α at T1 = 1.0 s");
    EXPECT_EQ(records->horizontalHeaderItem(5)->text(), "αr/α at T2 = 0.5 s");
    const double atHalf = alphaOf(target, 1.0) / alphaOf(target, 0.5);
    const double peakCm = 1.3 * alphaOf(target, 1.0) / 2 * standardGravityCm;
    EXPECT_EQ(row("tblRecords", 1).mid(0, 2), (QStringList{"R2", "natural"}));
    EXPECT_NEAR(number(row("tblRecords", 1)[2]), peakCm, 5e-4 * peakCm);
    EXPECT_NEAR(number(row("tblRecords", 1)[3]), 8.0, 1e-9);
    EXPECT_NEAR(number(row("tblRecords", 1)[4]), 1.3, 1e-3);
    EXPECT_NEAR(number(row("tblRecords", 1)[5]), 1.3 * atHalf, 1e-3 * atHalf);
    EXPECT_EQ(row("tblRecords", 3)[0], "Mean");
    EXPECT_NEAR(number(row("tblRecords", 3)[4]), 1.1, 1e-3);

    // Mean 1.1 at T1 passes; at 0.5 s the plateau makes it fail.
    EXPECT_EQ(verdict("Spectrum at T1 = 1.0 s"), "pass");
    EXPECT_EQ(verdict("Spectrum at T2 = 0.5 s"), atHalf * 1.1 > 1.2 || atHalf * 1.1 < 0.8 ? "fail" : "pass");
    EXPECT_EQ(verdict("Number of records"), "pass");
    EXPECT_EQ(verdict("Effective duration: R1"), "pass");
    EXPECT_EQ(verdict("Peak: R1"), "warning");
    // Colours a reader tells apart: green, red, amber.
    const QColor pass = fill("Number of records"), warning = fill("Peak: R1");
    EXPECT_GT(pass.green(), pass.red());
    EXPECT_GT(warning.red(), warning.blue());
    EXPECT_NE(pass, warning);
    EXPECT_TRUE(window.findChild<QLabel*>("lblSummary")->text().contains("envelope"));
    EXPECT_FALSE(refusalLabel()->isVisible());
}

TEST_F(CheckRecordsWindowTest, FailuresAreRedAndSaidInTheSummary)
{
    setRatios({1.3, 1.3, 1.3}, 4.0);
    typePeriods("1.0");
    EXPECT_EQ(verdict("Spectrum at T1 = 1.0 s"), "fail");
    EXPECT_EQ(verdict("Effective duration: R1"), "fail");  // 4 s < 5 T1
    const QColor failed = fill("Spectrum at T1 = 1.0 s");
    EXPECT_GT(failed.red(), failed.green());
    EXPECT_NE(failed, fill("Number of records"));
    EXPECT_TRUE(window.findChild<QLabel*>("lblSummary")->text().contains("4 checks fail, 3 warnings"))
        << window.findChild<QLabel*>("lblSummary")->text().toStdString();
}

namespace {

struct SummaryCase {
    const char* name;
    std::vector<double> ratios;
    double seconds;
    const char* says;
};

// Peaks of about 35 cm/s^2 against the table's 70 warn, one per record.
const SummaryCase summaryCases[] = {
    {"OneCheckFailsOneWarning", {1.0}, 8.0,
     "Against Target: 1 check fails, 1 warning. With 3 to 6 records the design takes the larger of the envelope "
     "of the time-history results and the response-spectrum result."},
    {"ThreeChecksFail", {1.0, 1.0, 1.0}, 4.0, "Against Target: 3 checks fail, 3 warnings. With 3 to 6"},
    {"LongRecordsPass", {1.0, 1.0, 1.0}, 40.0, "Against Target: every check passes, with 3 warnings. With 3 to 6"},
    {"SevenRecordsTakeTheMean", {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0}, 8.0,
     "Against Target: every check passes, with 7 warnings. With 7 or more records the design takes the larger of "
     "the mean of the time-history results and the response-spectrum result."},
};

class CheckSummary : public CheckRecordsWindowTest, public ::testing::WithParamInterface<SummaryCase> {};

} // namespace

TEST_P(CheckSummary, CountsInWordsAndSaysWhatGovernsTheDesign)
{
    setRatios(GetParam().ratios, GetParam().seconds);
    typePeriods("1.0");
    const QString summary = window.findChild<QLabel*>("lblSummary")->text();
    EXPECT_TRUE(summary.startsWith(GetParam().says)) << summary.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Selections, CheckSummary, ::testing::ValuesIn(summaryCases),
                         [](const ::testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

TEST_F(CheckRecordsWindowTest, RecomputesWhenARecordIsUntickedOrAPeriodChanges)
{
    setRatios({1.0, 1.3, 1.0});
    typePeriods("1.0");
    ASSERT_EQ(verdict("Number of records"), "pass");
    QSignalSpy means(&window, &CheckRecordsWindow::meanCurveChanged);

    window.findChild<QListWidget*>("lstRecords")->item(1)->setCheckState(Qt::Unchecked);
    window.finishPendingCheck();
    EXPECT_EQ(table("tblRecords")->rowCount(), 3);
    EXPECT_EQ(verdict("Number of records"), "fail");
    EXPECT_NEAR(number(row("tblRecords", 2)[4]), 1.0, 1e-3);
    // The base-shear rows follow the ticked records.
    EXPECT_EQ(table("tblBaseShears")->rowCount(), 3);
    ASSERT_EQ(means.size(), 1);
    const QList<double> values = means[0][2].value<QList<double>>();
    ASSERT_EQ(values.size(), 601);
    EXPECT_NEAR(values[100], alphaOf(target, 1.0), 1e-9);  // mean of 2 a at T = 1.0 s

    typePeriods("2");
    EXPECT_EQ(table("tblRecords")->horizontalHeaderItem(4)->text(), "αr/α at T1 = 2 s");
    EXPECT_NEAR(number(row("tblRecords", 2)[4]), alphaOf(target, 1.0) / alphaOf(target, 2.0), 1e-3 * 2);
    EXPECT_EQ(verdict("Effective duration: R1"), "fail");  // 8 s < 5 x 2 s
}

TEST_F(CheckRecordsWindowTest, ARefusedInputShowsItsReasonInTheWindow)
{
    setRatios({1.0, 1.0, 1.0});
    typePeriods("1.0");
    ASSERT_TRUE(window.check().has_value());
    QSignalSpy means(&window, &CheckRecordsWindow::meanCurveChanged);
    struct Case { QString typed, reason; };
    const Case cases[] = {
        {"7", "The main period 7 s is outside the spectrum's range, above 0 up to 6.0 s."},
        {"1.0, x", "\"x\" is not a period in seconds."},
        {"", "Type the fundamental period T1 and up to five more main periods, e.g. 1.2, 0.4."},
    };
    for (const Case& c : cases) {
        typePeriods(c.typed);
        EXPECT_FALSE(window.check().has_value());
        EXPECT_TRUE(refusalLabel()->isVisible());
        EXPECT_EQ(refusalLabel()->text(), c.reason);
        EXPECT_EQ(table("tblVerdicts")->rowCount(), 0);
        ASSERT_FALSE(means.isEmpty());
        EXPECT_TRUE(means.back()[2].value<QList<double>>().isEmpty());
    }
    // Nothing to copy: said, and the clipboard left alone.
    QGuiApplication::clipboard()->setText("before");
    QTest::mouseClick(window.findChild<QPushButton*>("btnCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, "information");
    EXPECT_TRUE(dialogs.boxes[0].text.contains("Type the fundamental period"));

    // A half-typed base-shear table is refused too.
    typePeriods("1.0");
    table("tblBaseShears")->item(0, 0)->setText("1000");
    window.finishPendingCheck();
    EXPECT_EQ(refusalLabel()->text(), "Give every base shear, V0 and one per record, or none.");
    for (int r = 1; r < 4; ++r)
        table("tblBaseShears")->item(r, 0)->setText(r == 1 ? "600" : "1000");
    window.finishPendingCheck();
    EXPECT_EQ(verdict("Base shear: R1"), "fail");  // 60 % < 65 %
    EXPECT_EQ(verdict("Mean base shear"), "pass");  // 86.7 %
}

TEST_F(CheckRecordsWindowTest, EveryInputHasItsLabel)
{
    for (const char* name : {"cmbTarget", "edtMainPeriods", "lstRecords", "tblBaseShears"}) {
        bool labelled = false;
        for (const QLabel* label : window.findChildren<QLabel*>())
            labelled = labelled || label->buddy() == window.findChild<QWidget*>(name);
        EXPECT_TRUE(labelled) << name;
    }
}

TEST_F(CheckRecordsWindowTest, CopyGivesTheSheetAndPrintItsPages)
{
    setRatios({1.0, 1.0, 1.0});
    typePeriods("1.0");
    QTest::mouseClick(window.findChild<QPushButton*>("btnCopy"), Qt::LeftButton);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    const QStringList lines = copied->text().split('\n');
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines[0], "record\tkind\tpeak_cm_s2\teffective_duration_s\tratio_1");
    EXPECT_TRUE(lines[1].startsWith("R1\tnatural\t")) << lines[1].toStdString();
    EXPECT_NEAR(number(lines[1].split('\t')[4]), 1.0, 1e-9);
    EXPECT_TRUE(lines[4].startsWith("mean\t\t\t\t"));
    EXPECT_EQ(lines[5], "");
    EXPECT_TRUE(lines.contains("count\tpass\t3 records, at least 3; with 3 to 6 the larger of the envelope of the "
                               "results and the response-spectrum result governs"));
    EXPECT_TRUE(copied->text().contains("\nspectrum@1.0\tpass\t"));
    EXPECT_TRUE(copied->html().contains("<th>record</th>"));
    // Pasted into a report, the HTML says what was checked against what.
    EXPECT_TRUE(copied->html().contains("<h3>Record selection check (GB 50011"));
    EXPECT_TRUE(copied->html().contains("<p>Target spectrum: Target (GB 50011-2010)</p>"));
    EXPECT_FALSE(copied->text().contains("Target spectrum")) << "the text stays the sheet scripts read";

    QTemporaryDir folder;
    FakePrintDialogs printing;
    printing.printFile = folder.filePath("check.pdf");
    QTest::mouseClick(window.findChild<QPushButton*>("btnPrint"), Qt::LeftButton);
    EXPECT_EQ(printing.offeredOrientation, QPageLayout::Landscape);
    // Ten-point rows: beside a chart of a third of the page, the nine
    // verdicts take a second page.
    const auto pages = [](const QString& file) {
        return QRegularExpression("Pages:\\s+(\\d+)\\n").match(pdfFileInfo(file)).captured(1);
    };
    EXPECT_EQ(pages(printing.printFile), "2");
    const QString text = pdfFileText(printing.printFile);
    for (const char* expected : {"Record selection check (GB 50011", "Target spectrum: Target (GB 50011-2010)",
                                 "AlphaMax 0.16, Tg 0.4 s, damping ratio 0", "R1: natural, scale factor 1",
                                 "Number of records", "Spectrum at T1 = 1.0 s", "duration: R3", "Mean of records",
                                 "Mean"})
        EXPECT_TRUE(text.contains(expected)) << expected;

    printing.previewFile = folder.filePath("preview.pdf");
    QTest::mouseClick(window.findChild<QPushButton*>("btnPrintPreview"), Qt::LeftButton);
    EXPECT_EQ(printing.previews, 1);
    EXPECT_EQ(pages(printing.previewFile), "2");
}

namespace {

class CheckRecordsMenuTest : public MainWindowTest {
protected:
    CheckRecordsWindow* open()
    {
        control<QAction>("CheckRecords1")->trigger();
        CheckRecordsWindow* window = form->checkRecordsWindow();
        EXPECT_NE(window, nullptr);
        return window;
    }

    // Three natural records of a constant 0.1 g, checked at T1 = 1.0 s.
    void check(CheckRecordsWindow* window)
    {
        window->setRecords({constantRecord("R1", 0.1, 8, true, 0.005), constantRecord("R2", 0.1, 8, true, 0.005),
                            constantRecord("R3", 0.1, 8, true, 0.005)});
        window->findChild<QLineEdit*>("edtMainPeriods")->setText("1.0");
        window->finishPendingCheck();
    }

    QLineSeries* mean() const { return form->chart()->temporaryCurve("Mean of records"); }
};

} // namespace

TEST_F(CheckRecordsMenuTest, OpensWithTheSetsSpectraFocusedFirstAndSaysWhereRecordsComeFrom)
{
    create("A");
    create("B");
    form->checkList()->setCurrentRow(1);
    CheckRecordsWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* targets = window->findChild<QComboBox*>("cmbTarget");
    ASSERT_EQ(targets->count(), 2);
    EXPECT_EQ(targets->itemText(0), "B");
    EXPECT_EQ(targets->itemText(1), "A");
    auto* note = window->findChild<QLabel*>("lblNoRecords");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), "No records in the set: add records with File > Add Records...");
    // A spectrum deleted meanwhile is no longer offered.
    form->deleteAllSpectra();
    EXPECT_EQ(targets->count(), 0);
}

TEST_F(CheckRecordsMenuTest, TheMeanCurveGoesWithTheWindowOrJoinsTheSetWhenKept)
{
    create("A");  // damping 0.05
    CheckRecordsWindow* window = open();
    check(window);
    ASSERT_TRUE(window->check().has_value()) << window->refusal().toStdString();
    ASSERT_NE(mean(), nullptr);
    EXPECT_EQ(mean()->count(), 601);
    EXPECT_DOUBLE_EQ(mean()->at(600).x(), 6.0);
    const double expected = stepFactor(0.05) * 0.1;
    EXPECT_NEAR(mean()->at(100).y(), expected, 5e-4 * 0.1);
    EXPECT_EQ(mean()->pen().style(), Qt::DashDotLine);
    EXPECT_EQ(curveTitles(), QStringList{"A"});  // not one of the set's curves
    EXPECT_EQ(form->chart()->seriesCount(), 1);  // nor exported with them

    // Kept: an ordinary item of the set, in the list, the grid and the chart.
    QTest::mouseClick(window->findChild<QPushButton*>("btnKeepMean"), Qt::LeftButton);
    ASSERT_EQ(form->spectra().size(), 2);
    const TabulatedCurveItem* kept = tabulatedCurveOf(form->spectra().item(1));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->name(), "Mean of records 1");
    EXPECT_EQ(kept->recordNames(), (std::vector<std::string>{"R1", "R2", "R3"}));
    EXPECT_DOUBLE_EQ(kept->damping(), 0.05);
    EXPECT_EQ(form->checkList()->item(1)->text(), "Mean of records 1");
    EXPECT_EQ(form->grid()->text(2, 0), "Mean of records 1");
    EXPECT_EQ(curveTitles(), (QStringList{"A", "Mean of records 1"}));
    EXPECT_EQ(form->chart()->curve(1)->pen().style(), Qt::DashDotLine);
    EXPECT_NEAR(form->chart()->curve(1)->at(100).y(), expected, 5e-4 * 0.1);
    EXPECT_EQ(form->chart()->seriesCount(), 2);

    window->close();
    EXPECT_EQ(mean(), nullptr);
    ASSERT_EQ(form->spectra().size(), 2);

    // Opened again: the kept mean is neither a target nor a record to check;
    // kept again, it gets a name of its own.
    window = open();
    EXPECT_EQ(window->findChild<QComboBox*>("cmbTarget")->count(), 1);
    check(window);
    QTest::mouseClick(window->findChild<QPushButton*>("btnKeepMean"), Qt::LeftButton);
    ASSERT_EQ(form->spectra().size(), 3);
    EXPECT_EQ(form->spectra().item(2).name(), "Mean of records 2");
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(mean(), nullptr);

    form->deleteAllSpectra();
    EXPECT_EQ(form->chart()->seriesCount(), 0);
}

TEST_F(CheckRecordsMenuTest, TheEditMenuOffersTheCheckLast)
{
    const QList<QAction*> items = control<QMenu>("Edit1")->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_EQ(items.back()->objectName(), "CheckRecords1");
    EXPECT_EQ(items.back()->text(), "Check Records...");
}

// The set's record items are offered, scaled as the set uses them, ticked as
// in the check list, and follow the set's changes; the note goes.
TEST_F(CheckRecordsMenuTest, OffersTheSetsRecordsAsTheSetUsesThem)
{
    create("A");
    ArtificialRecord made;
    made.acceleration.assign(801, 0.1);
    made.step = 0.01;
    made.peak = 0.1;
    GeneratedRecords generated;
    generated.records.push_back({"A-A1", "A", made});
    form->addArtificialRecords(generated);
    CheckRecordsWindow* window = open();
    auto* list = window->findChild<QListWidget*>("lstRecords");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith("A-A1"));
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    EXPECT_FALSE(window->findChild<QLabel*>("lblNoRecords")->isVisible());

    generated.records[0].name = "A-A2";
    form->addArtificialRecords(generated);
    EXPECT_EQ(list->count(), 2);
    form->deleteAllSpectra();
    EXPECT_EQ(list->count(), 0);
}

// The chart shows what the spectrum check judges: the band of 0.8 to 1.2
// times the target and a line at each main period.
TEST_F(CheckRecordsWindowTest, ChartMarksTheBandAndTheMainPeriods)
{
    setRatios({1.0, 1.0, 1.0});
    typePeriods("1.0, 0.5");
    ASSERT_TRUE(window.check().has_value()) << window.refusal().toStdString();
    auto* marks = window.findChild<CheckChartMarks*>();
    ASSERT_NE(marks, nullptr);
    EXPECT_EQ(marks->periodLineCount(), 2);
    QChart* chart = window.findChild<ChartControl*>("chtCheck")->chart();
    const double alpha = alphaOf(target, 1.0);
    const QPainterPath band = marks->band()->path();
    struct Probe {
        double factor;
        bool inside;
    };
    for (const Probe& p : {Probe{1.0, true}, Probe{1.15, true}, Probe{0.85, true}, Probe{1.3, false}, Probe{0.7, false}})
        EXPECT_EQ(band.contains(chart->mapToPosition(QPointF(1.0, p.factor * alpha))), p.inside) << p.factor;
    typePeriods("1.0");
    EXPECT_EQ(marks->periodLineCount(), 1);
}

// Closed and opened again, the window has the user's main periods, base
// shears and ticks back; an emptied set forgets them.
TEST_F(CheckRecordsMenuTest, TheWindowKeepsItsInputsWithTheSet)
{
    create("A");
    GeneratedRecords generated;
    for (const char* name : {"R1", "R2", "R3"}) {
        ArtificialRecord made;
        made.acceleration.assign(1601, 0.1);
        made.step = 0.005;
        made.peak = 0.1;
        generated.records.push_back({name, "A", made});
    }
    form->addArtificialRecords(generated);
    CheckRecordsWindow* window = open();
    window->findChild<QLineEdit*>("edtMainPeriods")->setText("1.2, 0.4");
    window->findChild<QListWidget*>("lstRecords")->item(1)->setCheckState(Qt::Unchecked);
    auto* shears = window->findChild<QTableWidget*>("tblBaseShears");
    ASSERT_EQ(shears->rowCount(), 3);  // V0, R1, R3
    shears->item(0, 0)->setText("1000");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window = open();
    EXPECT_EQ(window->findChild<QLineEdit*>("edtMainPeriods")->text(), "1.2, 0.4");
    auto* list = window->findChild<QListWidget*>("lstRecords");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    shears = window->findChild<QTableWidget*>("tblBaseShears");
    ASSERT_EQ(shears->rowCount(), 3);
    EXPECT_EQ(shears->item(0, 0)->text(), "1000");
    // A change of the set while open keeps the user's ticks.
    create("B");
    EXPECT_EQ(window->findChild<QListWidget*>("lstRecords")->item(1)->checkState(), Qt::Unchecked);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    form->deleteAllSpectra();
    window = open();
    EXPECT_EQ(window->findChild<QLineEdit*>("edtMainPeriods")->text(), "");
}
