#include "KspectProcess.h"

#include "records/CodePeaks.h"
#include "records/RecordMeasures.h"
#include "records/RecordReader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList shortRecord{"--artificial", "--intensity", "8", "--site", "II", "--duration", "12", "--dt", "0.02"};

// The file reads back as a record: 12 s at 0.02 s is 601 samples, the same
// options give the same bytes, and the match figures go to stderr only when
// asked for.
TEST(ArtificialCommand, WritesADeterministicHistoryThatReadsBackAsARecord)
{
    const KspectRun first = runKspect(shortRecord + QStringList{"--verbose"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.startsWith("time_s\taccel_g\n0\t"));
    EXPECT_TRUE(first.err.startsWith("kspect: seed 1: largest deviation ")) << first.err.toStdString();
    const GroundMotionRecord record = parseRecord(first.out, "artificial.txt");
    EXPECT_EQ(record.count(), 601u);
    EXPECT_DOUBLE_EQ(record.step, 0.02);
    // Within 15 % of the design curve's peak, 0.45 x 0.16 g.
    EXPECT_NEAR(peakAbsolute(record.accelerationG) / 0.072, 1.0, 0.15);

    const KspectRun again = runKspect(shortRecord);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, first.out);
    EXPECT_TRUE(again.err.isEmpty());
}

TEST(ArtificialCommand, AGivenPeakIsExactAndTheFormatIsTheAnalysisProgramsOwn)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("a.tcl");
    const KspectRun run = runKspect(shortRecord + QStringList{"--pga", "70", "--seed", "3", "--format", "opensees",
                                                              "--tag", "4", "-o", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray file = contentOf(path);
    const qsizetype open = file.indexOf("-values {");
    ASSERT_GE(open, 0);
    EXPECT_TRUE(file.contains("timeSeries Path 4 -dt 0.02 -values {"));
    const QList<QByteArray> values = file.mid(open + 9, file.indexOf('}', open) - open - 9).split(' ');
    std::vector<double> accelerations;
    for (const QByteArray& value : values)
        accelerations.push_back(value.toDouble());
    EXPECT_EQ(accelerations.size(), 601u);
    EXPECT_NEAR(peakAbsolute(accelerations) * standardGravityCm, 70.0, 1e-9);
}

TEST(ArtificialCommand, RefusesWhatItCannotMakeWithOneLineAndWritesNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.txt");
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--dt", "0.007"}, "kspect: --dt: the time step is 0.007 s"},
        {{"--duration", "20.005"}, "kspect: --duration: the time step 0.01 s does not divide the duration 20.005 s\n"},
        {{"--alpha-max", "0"}, "kspect: --alpha-max: the target spectrum's AlphaMax is 0"},
        {{"--pga", "0"}, "kspect: --pga: \"0\" is not a peak above 0"},
        {{"--pga", "1e308"}, "kspect: --pga: the peak must be at most 9806.65 cm/s^2 (10 g)\n"},
        {{"--alpha-max", "1e308"}, "kspect: --alpha-max: the target spectrum's AlphaMax is 1e+308: its peak "
                                   "acceleration, 0.45 AlphaMax, would be beyond any ground motion (at most 10 g)\n"},
        {{"--tg", "0"}, "kspect: --tg: the target's Tg is 0 s: below 0.1 s the code curve drops at 0.1 s from its "
                        "peak straight to its descent, a step that no record's spectrum can follow\n"},
        {{"--damping", "0.005"}, "kspect: --damping: the target's damping ratio is 0.005"},
        {{"--seed", "-1"}, "kspect: --seed: "},
        {{"--format", "xls"}, "kspect: --format: \"xls\" is not one of table, csv, csi, midas, staad, opensees"},
        {{"--tag", "2"}, "kspect: --tag: only for --format opensees"},
        {{"record.txt"}, "kspect: \"record.txt\": --artificial takes no file"},
    };
    for (const auto& c : cases) {
        writeFile(path, "old");
        const KspectRun run = runKspect(QStringList{"--artificial"} + c.arguments + QStringList{"-o", path});
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(c.message)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1);
        EXPECT_EQ(contentOf(path), "old");
    }
}

}  // namespace
