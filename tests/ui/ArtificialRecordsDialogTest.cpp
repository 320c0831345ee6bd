#include "MainWindowFixture.h"
#include "QuickArtificialRecord.h"
#include "UiTestHelpers.h"

#include "common/SaveDialog.h"
#include "records/RecordItem.h"
#include "records/RecordReader.h"
#include "spectrum/KavrelSpectrum.h"
#include "support/FakeUserDialogs.h"
#include "ui/ArtificialRecordsDialog.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <set>

namespace {

class ArtificialDialogTest : public ::testing::Test {
protected:
    // "EQ": frequent 7 degrees; "Rare": rare 8 degrees (0.45 x 0.9 g = 397 cm/s^2).
    void open(int preselected, std::set<std::string> taken = {})
    {
        taken_ = std::move(taken);
        dialog = std::make_unique<ArtificialRecordsDialog>(
            std::vector<ArtificialRecordsDialog::Target>{{"EQ", &frequent}, {"Rare", &rare}}, preselected,
            [this](const std::string& name) { return taken_.count(name) > 0; }, saveDialog);
    }

    template <typename T>
    T* control(const char* name) const
    {
        T* widget = dialog->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void type(const char* name, const QString& text)
    {
        QLineEdit* edit = control<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    // Until the worker's end has been taken in by the window: no time limit.
    void waitForGeneration()
    {
        QSignalSpy finished(dialog.get(), &ArtificialRecordsDialog::generationFinished);
        while (finished.isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    // A generator that makes a small record at once, counting its calls.
    ArtificialGenerator quickGenerator()
    {
        return [this](const KavrelSpectrum&, const ArtificialRequest& request, const ArtificialProgress& progress)
                   -> std::optional<ArtificialRecord> {
            ++generatorCalls;
            if (!progress(0, 1))
                return std::nullopt;
            return quickArtificialRecord(request, 100);
        };
    }

    FakeUserDialogs dialogs;
    KavrelSpectrum frequent{"EQ", 0.08, 0.35, 0.05, 0};
    KavrelSpectrum rare{"Rare", 0.9, 0.45, 0.05, 0};
    SaveDialog saveDialog;
    std::unique_ptr<ArtificialRecordsDialog> dialog;
    std::atomic<int> generatorCalls{0};

private:
    std::set<std::string> taken_;
};

} // namespace

TEST_F(ArtificialDialogTest, DefaultsFollowTheTargetUntilAPeakIsTyped)
{
    open(1);
    EXPECT_EQ(control<QComboBox>("artificialTarget")->currentText(), "Rare");
    EXPECT_EQ(control<QLineEdit>("artificialPeak")->text(), "397");
    EXPECT_EQ(control<QSpinBox>("artificialCount")->value(), 1);
    EXPECT_EQ(control<QSpinBox>("artificialCount")->maximum(), 20);
    EXPECT_EQ(control<QLineEdit>("artificialDuration")->text(), "20");
    EXPECT_EQ(control<QComboBox>("artificialStep")->currentText(), "0.01");
    EXPECT_EQ(control<QComboBox>("artificialStep")->count(), 3);
    EXPECT_EQ(control<QLineEdit>("artificialFirstSeed")->text(), "1");
    EXPECT_FALSE(control<QPushButton>("artificialSave")->isEnabled());
    for (const char* input : {"artificialTarget", "artificialCount", "artificialDuration", "artificialStep",
                              "artificialFirstSeed", "artificialPeak", "artificialResults"}) {
        const QLabel* label = control<QLabel>((QString(input) + "Label").toLatin1().constData());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->buddy(), dialog->findChild<QWidget*>(input)) << input;
    }

    // 0.45 x 0.08 x 980.665 = 35.3.
    control<QComboBox>("artificialTarget")->setCurrentIndex(0);
    EXPECT_EQ(control<QLineEdit>("artificialPeak")->text(), "35");
    type("artificialPeak", "50");
    control<QComboBox>("artificialTarget")->setCurrentIndex(1);
    EXPECT_EQ(control<QLineEdit>("artificialPeak")->text(), "50");
    // Emptied, it follows again.
    type("artificialPeak", "");
    control<QComboBox>("artificialTarget")->setCurrentIndex(0);
    EXPECT_EQ(control<QLineEdit>("artificialPeak")->text(), "35");

    // With no index given, the first.
    open(-1);
    EXPECT_EQ(control<QComboBox>("artificialTarget")->currentText(), "EQ");
}

TEST_F(ArtificialDialogTest, WrongInputsAreRefusedWithAMessageAndNothingRuns)
{
    struct Case {
        const char* input;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"artificialDuration", "twenty", "\"twenty\" is not a valid floating number!"},
        {"artificialDuration", "12.005", "The time step 0.01 s does not divide the duration 12.005 s."},
        // The generator's own rule, asked before anything runs.
        {"artificialDuration", "5", "The duration is 5 s: matching periods up to 6 s takes at least 12 s."},
        {"artificialFirstSeed", "one", "The first seed must be a whole number from 0 to 999999999."},
        {"artificialPeak", "-3", "The peak acceleration must be above 0 cm/s^2."},
    };
    for (const Case& c : cases) {
        open(0);
        dialog->setGenerator(quickGenerator());
        type(c.input, c.text);
        dialogs.boxes.clear();
        click("artificialOk");
        ASSERT_EQ(dialogs.boxes.size(), 1u) << c.text;
        EXPECT_EQ(dialogs.boxes[0].kind, "warning");
        EXPECT_EQ(dialogs.boxes[0].text, c.message);
        EXPECT_FALSE(dialog->isGenerating());
        EXPECT_EQ(dialog->progressDialog(), nullptr);
        EXPECT_FALSE(dialog->generated());
        EXPECT_EQ(dialog->result(), 0) << "the window stays open";
    }
    EXPECT_EQ(generatorCalls, 0);
}

TEST_F(ArtificialDialogTest, ShortGenerationMakesMatchedRecordsWithUniqueNames)
{
    open(0, {"EQ-A1"});
    type("artificialDuration", "12");
    control<QSpinBox>("artificialCount")->setValue(2);
    click("artificialOk");
    ASSERT_TRUE(dialog->isGenerating());
    waitForGeneration();
    EXPECT_EQ(dialogs.boxes.size(), 0u) << dialogs.texts().join("\n").toStdString();
    ASSERT_TRUE(dialog->generated());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const auto& records = dialog->generated()->records;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, "EQ-A2");
    EXPECT_EQ(records[1].name, "EQ-A3");
    EXPECT_EQ(records[0].record.seed, 1u);
    EXPECT_GT(records[1].record.seed, records[0].record.seed);
    EXPECT_EQ(records[1].record.seed, 2u + dialog->generated()->skippedSeeds.size());
    for (const NamedArtificialRecord& r : records) {
        EXPECT_EQ(r.targetName, "EQ");
        EXPECT_EQ(r.record.acceleration.size(), 1201u);
        EXPECT_LE(std::fabs(r.record.match.largestDeviation), 0.10);
        // The typed-in default peak, 35 cm/s^2, exactly.
        EXPECT_NEAR(r.record.peak * 980.665, 35.0, 1e-9);
    }
    EXPECT_EQ(control<QTreeWidget>("artificialResults")->topLevelItemCount(), 2);
    EXPECT_EQ(control<QTreeWidget>("artificialResults")->topLevelItem(1)->text(0), "EQ-A3");
}

TEST_F(ArtificialDialogTest, CancellingKeepsNothing)
{
    open(1);
    QSemaphore started;
    QSemaphore proceed;
    dialog->setGenerator([&](const KavrelSpectrum&, const ArtificialRequest&, const ArtificialProgress& progress)
                             -> std::optional<ArtificialRecord> {
        progress(0, 10);
        progress(4, 10);
        started.release();
        proceed.acquire();
        if (progress(5, 10))
            ADD_FAILURE() << "the generation went on after the cancel";
        return std::nullopt;
    });
    control<QSpinBox>("artificialCount")->setValue(2);
    click("artificialGenerate");
    started.acquire();
    QProgressDialog* progress = dialog->progressDialog();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->maximum(), 2 * artificialMaxPasses);
    // The worker's reports arrive through the event loop, the window alive meanwhile.
    while (progress->value() != 4)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(progress->labelText(), "Record 1 of 2 (seed 1)...");
    QPushButton* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    proceed.release();
    waitForGeneration();
    EXPECT_FALSE(dialog->generated());
    EXPECT_EQ(dialog->progressDialog(), nullptr);
    EXPECT_EQ(control<QTreeWidget>("artificialResults")->topLevelItemCount(), 0);
    EXPECT_FALSE(control<QPushButton>("artificialSave")->isEnabled());
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(dialog->result(), 0);
}

TEST_F(ArtificialDialogTest, SaveWritesOneReadableFilePerRecordAllOrNone)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    open(0);
    dialog->setGenerator(quickGenerator());
    control<QSpinBox>("artificialCount")->setValue(2);
    click("artificialGenerate");
    waitForGeneration();
    ASSERT_TRUE(dialog->generated());
    ASSERT_TRUE(control<QPushButton>("artificialSave")->isEnabled());

    dialogs.saveAnswers = {folder.filePath("chosen.txt")};
    dialogs.filterAnswers = {"Table (*.txt)"};
    click("artificialSave");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].fileName, "EQ-A1");
    EXPECT_TRUE(dialogs.saveRequests[0].filters.contains("MIDAS Gen/Civil (*.thd)"));
    EXPECT_FALSE(dialogs.saveRequests[0].confirmOverwrite);
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.texts().join("\n").toStdString();
    for (const NamedArtificialRecord& made : dialog->generated()->records) {
        const QString path = folder.filePath(QString::fromStdString(made.name) + ".txt");
        const GroundMotionRecord read = readRecordFile(path);
        EXPECT_DOUBLE_EQ(read.step, 0.01) << made.name;
        EXPECT_EQ(read.accelerationG, made.record.acceleration) << made.name;
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("chosen.txt")));

    // Existing files: asked once; No leaves every file as it was.
    QFile::remove(folder.filePath("EQ-A2.txt"));
    QFile old(folder.filePath("EQ-A1.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    dialogs.saveAnswers = {folder.filePath("chosen.txt")};
    dialogs.questionAnswers = {false};
    click("artificialSave");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "These files exist already:\nEQ-A1.txt\nReplace them?");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_FALSE(QFile::exists(folder.filePath("EQ-A2.txt")));
}

TEST_F(MainWindowTest, ArtificialRecordsItemOffersTheSpectrumWithTheFocusAndKeepsWhatIsHandedOver)
{
    QAction* item = control<QAction>("ArtificialRecords1");
    const QList<QAction*> edit = control<QMenu>("Edit1")->actions();
    EXPECT_EQ(edit.indexOf(item), edit.indexOf(control<QAction>("SaveForAnalysis1")) + 1);
    EXPECT_EQ(item->text(), "Artificial Records...");
    item->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"No spectrum have been create."});

    create("A");
    create("B");
    form->checkList()->setCurrentRow(1);
    QString offered;
    onNextModal<ArtificialRecordsDialog>([&](ArtificialRecordsDialog* d) {
        offered = d->findChild<QComboBox*>("artificialTarget")->currentText();
        d->reject();
    });
    item->trigger();
    EXPECT_EQ(offered, "B");
    EXPECT_EQ(form->spectra().size(), 2);

    // Handed over, each becomes a record item flagged artificial, at the
    // target's damping, scaled to the peak it was made with.
    ArtificialRecord made;
    made.acceleration = {0.0, 0.1, -0.05, 0.0};
    made.step = 0.01;
    made.seed = 7;
    made.peak = 0.1;
    GeneratedRecords generated;
    generated.records.push_back({"B-A1", "B", made});
    form->addArtificialRecords(generated);
    ASSERT_EQ(form->spectra().size(), 3);
    const auto* record = dynamic_cast<const RecordItem*>(&form->spectra().item(2));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->name(), "B-A1");
    ASSERT_TRUE(record->artificial().has_value());
    EXPECT_EQ(record->artificial()->seed, 7u);
    EXPECT_NEAR(record->usedPeakGal(), 0.1 * 980.665, 1e-9);
    EXPECT_EQ(record->scaling().damping, 0.05);
    EXPECT_EQ(form->statusBar()->currentMessage(), "Artificial records added: B-A1");
}

// The dialog proposes the table's peak where the target's intensity and
// action have one, as records are scaled: 70 cm/s^2, not 0.45 x 0.16 g = 71.
TEST_F(ArtificialDialogTest, ProposesTheTablesPeakWhereItHasOne)
{
    const KavrelSpectrum eight{"Eight", 0.16, 0.40, 0.05, 0};
    dialog = std::make_unique<ArtificialRecordsDialog>(
        std::vector<ArtificialRecordsDialog::Target>{{"Eight", &eight, 3, 0}, {"Eight2", &eight}}, 0,
        [](const std::string&) { return false; }, saveDialog);
    EXPECT_EQ(control<QLineEdit>("artificialPeak")->text(), "70");
    control<QComboBox>("artificialTarget")->setCurrentIndex(1);
    EXPECT_EQ(control<QLineEdit>("artificialPeak")->text(), "71");
    // Every heading of the results fits: none is cut.
    auto* results = control<QTreeWidget>("artificialResults");
    int headings = 0;
    for (int c = 0; c < results->columnCount(); ++c)
        headings += results->header()->sectionSizeHint(c);
    EXPECT_GE(results->minimumWidth(), headings);
}

// A generated record's properties read as figures, not raw digits, and say
// where it came from instead of an empty file and layout.
TEST_F(MainWindowTest, AnArtificialRecordsPropertiesReadAsRoundedFigures)
{
    ArtificialRecord made;
    made.acceleration = {0.0, 0.1, -0.05, 0.0};
    made.step = 0.01;
    made.seed = 3;
    made.peak = 0.1;
    made.envelope = {2.0, 10.5, 0.287823136624256};
    made.match.largestDeviation = 0.0832;
    made.match.largestDeviationPeriod = 1.9642687588611;
    GeneratedRecords generated;
    generated.records.push_back({"A1", "", made});
    form->addArtificialRecords(generated);
    control<QAction>("RecordProperties1")->trigger();
    auto* properties = form->findChild<QDialog*>("RecordProperties");
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(properties->findChild<QLabel*>("recordEnvelope")->text(), "2.00 s, 10.50 s, 0.288 1/s");
    EXPECT_EQ(properties->findChild<QLabel*>("recordLargestDeviation")->text(), "8.3 % at 1.96 s");
    EXPECT_EQ(properties->findChild<QLabel*>("recordFile")->text(), "none: generated with Edit > Artificial Records...");
    EXPECT_EQ(properties->findChild<QLabel*>("recordLayout"), nullptr);
    // The whole title has room: "Record Properties - A1".
    EXPECT_GE(properties->minimumWidth(),
              properties->fontMetrics().horizontalAdvance(properties->windowTitle()));
    properties->reject();
}
