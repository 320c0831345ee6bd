#include "cli/KspectProcess.h"
#include "support/AnalysisFileReaders.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

namespace {

class RecordCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // 0.3 g from t = 0 for 30 s: an undamped oscillator swings to twice
        // the static response, Sa = 0.6 g, at every period up to 20 s.
        QByteArray steady = "time_s\taccel_g\n";
        for (int i = 0; i <= 3000; ++i)
            steady += QByteArray::number(i) + "e-2\t0.3\n";
        write("steady.txt", steady);
        // A PEER file in g, and the same 3 values in gal as columns.
        write("quake.AT2", "PEER NGA STRONG MOTION DATABASE RECORD\nTEST\nACCELERATION TIME SERIES IN UNITS OF G\n"
                           "NPTS=    3, DT=   .0200 SEC,\n 0.1 -0.2\n 0.05\n");
        write("values.txt", "98.0665\n-196.133\n49.03325\n");
    }

    QString path(const char* name) const { return folder.filePath(name); }

    void write(const char* name, const QByteArray& bytes) const { writeFile(path(name), bytes); }
    QByteArray read(const char* name) const { return contentOf(path(name)); }

    QTemporaryDir folder;
};

TEST_F(RecordCommandTest, SpectrumLinesGiveThePeakAtZeroAndTwiceTheStepAbove)
{
    const KspectRun run = runKspect({"--record", path("steady.txt"), "--damping", "0", "--periods", "0,0.05,1.5,20"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const ReadFile file = readDelimitedFile(run.out, '\t', "period_s\tsa_g");
    ASSERT_EQ(file.error, QString());
    ASSERT_EQ(file.points.size(), 4u);
    EXPECT_EQ(file.points[0], std::make_pair(0.0, 0.3));
    for (std::size_t j = 1; j < 4; ++j)
        EXPECT_NEAR(file.points[j].second, 0.6, 1e-9) << file.points[j].first;

    // Scaled to 490.3325 cm/s^2 = 0.5 g first; csv; the default periods.
    const KspectRun scaled = runKspect({"--record", path("steady.txt"), "--pga", "490.3325", "--format", "csv", "--damping",
                                  "0", "-o", path("sa.csv")});
    ASSERT_EQ(scaled.exitCode, 0) << scaled.err.toStdString();
    EXPECT_EQ(scaled.out + scaled.err, QByteArray());
    const ReadFile csv = readDelimitedFile(read("sa.csv"), ',', "period_s,sa_g");
    ASSERT_EQ(csv.points.size(), 601u);
    EXPECT_DOUBLE_EQ(csv.points[0].second, 0.5);
    EXPECT_EQ(csv.points[7].first, 0.07);
    EXPECT_NEAR(csv.points[600].second, 1.0, 1e-9);
    EXPECT_EQ(csv.points[600].first, 6.0);

    // Gal columns with their step, a range of periods.
    const KspectRun stepped = runKspect({"--record", path("values.txt"), "--dt", "0.02", "--unit", "gal", "--periods",
                                   "0:0.02:0.01"});
    ASSERT_EQ(stepped.exitCode, 0) << stepped.err.toStdString();
    EXPECT_TRUE(stepped.out.startsWith("period_s\tsa_g\n0\t0.2\n0.01\t")) << stepped.out.toStdString();
    EXPECT_EQ(stepped.out.count('\n'), 4);
}

TEST_F(RecordCommandTest, HistoryIsTheScaledRecordInTheChosenFormat)
{
    const KspectRun csi = runKspect({"--record", path("quake.AT2"), "--pga", "98.0665", "--history", "--format", "csi"});
    ASSERT_EQ(csi.exitCode, 0) << csi.err.toStdString();
    const ReadFile file = readCsiFile(csi.out);
    ASSERT_EQ(file.error, QString());
    // Peak 0.2 g scaled to 0.1 g: every value halved.
    const std::vector<std::pair<double, double>> expected = {{0, 0.05}, {0.02, -0.1}, {0.04, 0.025}};
    ASSERT_EQ(file.points.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(file.points[i].first, expected[i].first);
        EXPECT_DOUBLE_EQ(file.points[i].second, expected[i].second);
    }
    EXPECT_EQ(file.comments.value(1), "Source file: quake.AT2");

    // As recorded, OpenSees with its tag; the default format is the table.
    const KspectRun tcl = runKspect({"--record", path("quake.AT2"), "--history", "--format", "opensees", "--tag", "4"});
    EXPECT_TRUE(tcl.out.endsWith("timeSeries Path 4 -dt 0.02 -values {0.1 -0.2 0.05}\n")) << tcl.out.toStdString();
    const KspectRun table = runKspect({"--record", path("quake.AT2"), "--history"});
    EXPECT_EQ(table.out, "time_s\taccel_g\n0\t0.1\n0.02\t-0.2\n0.04\t0.05\n");
}

TEST_F(RecordCommandTest, RefusalsNameTheOptionOrTheFileAndWriteNothing)
{
    const QString steady = path("steady.txt");
    const struct {
        QStringList arguments;
        QByteArray message;
    } refusals[] = {
        {{"--record", path("none.txt")}, "\"none.txt\": cannot be read: No such file or directory"},
        {{"--record", path("values.txt")}, "\"values.txt\": line 1: one number, not the two columns \"time value\" "
                                          "(a file of values needs its step)"},
        {{"--record", steady, "--record-format", "sac"},
         "--record-format: \"sac\" is not one of auto, peer, csmnc, knet, columns"},
        {{"--record", steady, "--record-format", "peer"}, "\"steady.txt\": line 4: gives no NPTS and DT: not a PEER NGA record"},
        {{"--record", steady, "--dt", "0"}, "--dt: \"0\" is not a positive number of seconds"},
        {{"--record", steady, "--dt", "x"}, "--dt: \"x\" is not a valid floating number!"},
        {{"--record", steady, "--unit", "ft/s2"}, "--unit: \"ft/s2\" is not one of g, gal, m/s2"},
        {{"--record", steady, "--pga", "0"}, "--pga: the peak must be greater than 0 cm/s^2"},
        {{"--record", steady, "--damping", "1"}, "--damping: the damping ratio must be at least 0 and below 1"},
        {{"--record", steady, "--periods", "0:21:0.1"}, "--periods: the periods must lie within 0 and 20 s"},
        {{"--record", steady, "--periods", "0:6:0"}, "--periods: STEP must be greater than 0"},
        {{"--record", steady, "--periods", "2:1:0.1"}, "--periods: STOP must not be less than START"},
        {{"--record", steady, "--periods", "1,0.5"}, "--periods: the periods must increase"},
        {{"--record", steady, "--periods", "0.1,x"}, "--periods: \"x\" is not a valid floating number!"},
        {{"--record", steady, "--format", "csi"},
         "--format: a spectrum is written as table or csv; the analysis formats are for --history"},
        {{"--record", steady, "--history", "--damping", "0.02"},
         "--damping: not with --history, which writes the accelerations"},
        {{"--record", steady, "--history", "--tag", "3"}, "--tag: only for --format opensees"},
        {{"--record", path("quake.AT2"), "--dt", "0.01"},
         "--dt: \"quake.AT2\" is a PEER NGA record, whose header gives its step"},
        {{"--record", steady, "--code", "2001"}, "Unknown option 'code'."},
    };
    write("out.txt", "old");
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.arguments.join(' ').toStdString());
        const KspectRun run = runKspect(refusal.arguments + QStringList{"-o", path("out.txt")});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_EQ(run.err, "kspect: " + refusal.message + "\n");
        EXPECT_EQ(read("out.txt"), QByteArray("old"));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 4);
}

TEST_F(RecordCommandTest, AFailedWriteSaysWhyAndHelpShowsTheRecordOptions)
{
    const KspectRun run = runKspect({"--record", path("steady.txt"), "-o", path("missing/sa.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("kspect: Cannot create file \"")) << run.err.toStdString();

    const KspectRun help = runKspect({"--record", "x", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--record-format auto|peer|csmnc|knet|columns", "--dt S", "--unit g|gal|m/s2",
                               "--pga GAL", "--history", "--periods START:STOP:STEP|T1,T2,..."})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_TRUE(runKspect({"--help"}).out.contains("kspect --record FILE"));
}

} // namespace
