#include "MainWindowFixture.h"
#include "support/FolderFiles.h"

#include "records/RecordItem.h"
#include "records/ResponseSpectrum.h"
#include "text/NumberText.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace {

// Records typed out as plain columns (time, value in g), so that every
// figure below follows from the samples themselves.
class RecordItemsTest : public MainWindowTest, protected FolderFiles {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    // A decaying 2 Hz sine of `peak` g, 0.01 s apart.
    QString writeRecord(const QString& name, double peak, int count = 400)
    {
        QByteArray text = "time_s,accel_g\n";
        for (int i = 0; i < count; ++i) {
            const double t = i * 0.01;
            text += QByteArray::number(t, 'g', 17) + ',' +
                    QByteArray::number(peak * std::exp(-0.3 * t) * std::sin(2 * M_PI * 2 * t), 'g', 17) + '\n';
        }
        write(name, text);
        return path(name);
    }

    void addRecords(const QStringList& files)
    {
        dialogs.openFilesAnswers = {files};
        control<QAction>("AddRecords1")->trigger();
    }

    const RecordItem* recordAt(int index) const { return recordItemOf(form->spectra().item(index)); }

    QByteArray saveData(const QString& name)
    {
        dialogs.saveAnswers = {path(name)};
        control<QAction>("SaveData1")->trigger();
        return read(path(name));
    }

};

} // namespace

TEST_F(RecordItemsTest, AddedRecordsAreDashedCurvesOfTheEngineAtTheChartsOwnPeriods)
{
    create("Code");
    // Frequent earthquake at intensity 7 (0.10 g), GB 50011-2010: 35 cm/s^2.
    choose("cbb2", 1);
    addRecords({writeRecord("north.csv", 0.2), writeRecord("north.txt", 0.1)});
    ASSERT_TRUE(dialogs.boxes.empty()) << dialogs.texts().join("\n").toStdString();
    // Named after the files, made unique as Create requires.
    EXPECT_EQ(listTexts(), (QStringList{"Code", "north", "north-2"}));
    EXPECT_EQ(curveTitles(), listTexts());
    EXPECT_EQ(form->chart()->curve(0)->pen().style(), Qt::SolidLine);
    EXPECT_EQ(form->chart()->curve(1)->pen().style(), Qt::DashLine);

    const RecordItem* record = recordAt(1);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->scaling().targetPeakGal, 35.0);
    EXPECT_EQ(record->scaling().damping, 0.05);
    // The curve's points are the engine's values at those very periods.
    const std::vector<double> scaledG = record->scaledRecord().accelerationG;
    const QLineSeries* curve = form->chart()->curve(1);
    ASSERT_EQ(curve->count(), 601);
    for (const int i : {0, 7, 33, 250, 600}) {
        const double period = curve->at(i).x();
        EXPECT_EQ(period, i * 0.01);
        const double engine = pseudoSpectralAcceleration(scaledG, 0.01, {period}, 0.05)[0];
        EXPECT_NEAR(curve->at(i).y(), engine, 1e-15 + 1e-12 * engine) << period;
    }
    // T = 0 is the peak: 35 cm/s^2 in g.
    EXPECT_NEAR(curve->at(0).y(), 35 / 980.665, 1e-12);
    // The grid row: 0.05 s apart, six decimals.
    EXPECT_EQ(gridRow(2).first(), "north");
    EXPECT_EQ(gridRow(2)[1], QString::number(35 / 980.665, 'f', 6));
}

TEST_F(RecordItemsTest, AFileThatIsNoRecordIsNamedWithItsFaultAndTheOthersAreAdded)
{
    write("bad.AT2", "PEER NGA STRONG MOTION DATABASE RECORD\nx\nACCELERATION TIME SERIES IN UNITS OF G\n"
                     "NPTS=      3, DT=   0.0100 SEC\n0.1 0.2\n");
    addRecords({path("bad.AT2"), writeRecord("good.csv", 0.1)});
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, "warning");
    EXPECT_TRUE(dialogs.boxes[0].text.contains("\"bad.AT2\"")) << dialogs.boxes[0].text.toStdString();
    EXPECT_TRUE(dialogs.boxes[0].text.contains("3")) << dialogs.boxes[0].text.toStdString();
    EXPECT_EQ(listTexts(), QStringList{"good"});

    dialogs.boxes.clear();
    addRecords({path("bad.AT2")});
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(listTexts(), QStringList{"good"});
}

TEST_F(RecordItemsTest, PropertiesChangeRedrawsTheCurveAndRowAndRefuseBadInput)
{
    addRecords({writeRecord("r.csv", 0.2)});
    ASSERT_EQ(form->spectra().size(), 1);
    const double before = form->chart()->curve(0)->at(50).y();
    const double targetBefore = *recordAt(0)->scaling().targetPeakGal;

    struct Case {
        QString target;
        QString damping;
        bool refused;
    };
    const Case cases[] = {{"0", "0.05", true}, {"abc", "0.05", true}, {"70", "1", true}, {"70", "-0.1", true}};
    for (const Case& c : cases) {
        dialogs.boxes.clear();
        control<QAction>("RecordProperties1")->trigger();
        auto* dialog = form->findChild<QDialog*>("RecordProperties");
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("recordTargetPeak")->setText(c.target);
        dialog->findChild<QLineEdit*>("recordDamping")->setText(c.damping);
        dialog->accept();
        EXPECT_EQ(dialogs.boxes.size(), 1u) << c.target.toStdString() << " " << c.damping.toStdString();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(*recordAt(0)->scaling().targetPeakGal, targetBefore);
        EXPECT_EQ(form->chart()->curve(0)->at(50).y(), before);
    }

    // Twice the target: the spectrum is linear in the record, so twice the values.
    control<QAction>("RecordProperties1")->trigger();
    auto* dialog = form->findChild<QDialog*>("RecordProperties");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLabel*>("recordPoints")->text(), "400");
    dialog->findChild<QLineEdit*>("recordTargetPeak")->setText(QString::number(2 * targetBefore));
    dialog->accept();
    EXPECT_NEAR(form->chart()->curve(0)->at(50).y(), 2 * before, 1e-12 * before);
    EXPECT_EQ(form->chart()->curve(0)->pen().style(), Qt::DashLine);
    EXPECT_EQ(gridRow(1)[1], QString::number(2 * targetBefore / 980.665, 'f', 6));
}

TEST_F(RecordItemsTest, ASetWithRecordsComesBackWholeAndSaveDataWritesTheSameBytes)
{
    create("Code");
    addRecords({writeRecord("quake.csv", 0.3)});
    form->checkList()->setCurrentRow(1);
    // As recorded, 3 % damping.
    control<QAction>("RecordProperties1")->trigger();
    auto* dialog = form->findChild<QDialog*>("RecordProperties");
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QCheckBox*>("recordAsRecorded")->setChecked(true);
    dialog->findChild<QLineEdit*>("recordDamping")->setText("0.03");
    dialog->accept();
    const QByteArray csv = saveData("before.csv");
    ASSERT_TRUE(csv.contains("RecordName,File,TargetPeak(cm/s^2),DampingRatio\r\nquake,quake.csv,"));

    dialogs.saveAnswers = {path("set.kspect")};
    control<QAction>("SaveSet1")->trigger();
    const QByteArray set = read(path("set.kspect"));
    EXPECT_TRUE(set.contains("\"version\": 2"));
    control<QAction>("DeleteAll1")->trigger();
    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Discard};
    dialogs.openAnswers = {path("set.kspect")};
    control<QAction>("OpenSet1")->trigger();
    ASSERT_EQ(listTexts(), (QStringList{"Code", "quake"}));
    EXPECT_FALSE(recordAt(1)->scaling().targetPeakGal);
    EXPECT_EQ(recordAt(1)->scaling().damping, 0.03);
    EXPECT_EQ(saveData("after.csv"), csv);
}

TEST_F(RecordItemsTest, SaveForAnalysisOfARecordWritesItsScaledHistory)
{
    addRecords({writeRecord("h.csv", 0.1, 3)});
    ASSERT_EQ(form->spectra().size(), 1);
    dialogs.saveAnswers = {path("h.txt")};
    dialogs.filterAnswers = {form->analysisSaveDialog().filters.last()};
    control<QAction>("SaveForAnalysis1")->trigger();
    const QByteArray history = read(path("h.txt"));
    ASSERT_FALSE(history.isEmpty()) << dialogs.texts().join("\n").toStdString()
                                    << QDir(folder.path()).entryList().join(" ").toStdString();
    // Three samples, the peak scaled to the default target (18 cm/s^2 at
    // intensity 6, frequent).
    const QList<QByteArray> lines = history.trimmed().split('\n');
    ASSERT_GE(lines.size(), 3);
    const RecordItem* record = recordAt(0);
    const std::vector<double> scaled = record->scaledRecord().accelerationG;
    EXPECT_NEAR(std::max(std::abs(scaled[1]), std::abs(scaled[2])) * 980.665, 18, 1e-9);
    for (const double value : scaled)
        EXPECT_TRUE(history.contains(QByteArray::fromStdString(shortestText(value)))) << value;
}
