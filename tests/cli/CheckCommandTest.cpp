#include "cli/KspectProcess.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// The records are constant accelerations from t = 0, so their spectra are
// known in closed form: a 5 %-damped oscillator at rest under a sudden
// constant a swings to a (1 + exp(-zeta pi / sqrt(1 - zeta^2))), at every
// period whose first swing ends within the record.
double stepResponse(double peakCm)
{
    const double zeta = 0.05;
    return peakCm / 980.665 * (1 + std::exp(-zeta * M_PI / std::sqrt(1 - zeta * zeta)));
}

// The target: GB 50011-2010, intensity 8 frequent (AlphaMax 0.16, table peak
// 70 cm/s^2), site III group 3 (Tg 0.65 s), so that 0.2 and 0.5 s lie on the
// plateau where alpha = AlphaMax at 5 % damping.
const QStringList target = {"--intensity", "8", "--site", "III", "--group", "3"};
constexpr double plateau = 0.16;

class CheckCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        writeConstant("n1.txt", 3.0, 0.1);
        writeConstant("n2.txt", 6.0, -0.3);
        writeConstant("a1.txt", 2.5, 0.05);
        writeConstant("short.txt", 2.0, 0.2);
        writeConstant("zero.txt", 3.0, 0.0);
    }

    QString path(const char* name) const { return folder.filePath(name); }

    // Plain columns "time value" at 0.01 s, in g.
    void writeConstant(const char* name, double seconds, double value) const
    {
        QByteArray bytes = "time_s\taccel_g\n";
        const int steps = static_cast<int>(std::lround(seconds / 0.01));
        for (int i = 0; i <= steps; ++i)
            bytes += QByteArray::number(i) + "e-2\t" + QByteArray::number(value) + "\n";
        write(name, bytes);
    }

    void write(const char* name, const QByteArray& bytes) const { writeFile(path(name), bytes); }
    QByteArray read(const char* name) const { return contentOf(path(name)); }

    QTemporaryDir folder;
};

struct RecordLine {
    const char* name;
    const char* kind;
    double peak;
    double duration;
};

// The table's part of the sheet: header, one line per record, the mean line.
// Its figures are full-precision numbers, compared with the closed form.
void expectRecordLines(const QList<QByteArray>& lines, const std::vector<RecordLine>& records, int periods,
                       double ratio)
{
    QByteArray header = "record\tkind\tpeak_cm_s2\teffective_duration_s";
    for (int k = 1; k <= periods; ++k)
        header += "\tratio_" + QByteArray::number(k);
    ASSERT_GE(lines.size(), static_cast<qsizetype>(records.size()) + 2);
    EXPECT_EQ(lines[0], header);
    for (std::size_t r = 0; r <= records.size(); ++r) {
        const QList<QByteArray> cells = lines[static_cast<qsizetype>(r) + 1].split('\t');
        SCOPED_TRACE(lines[static_cast<qsizetype>(r) + 1].toStdString());
        ASSERT_EQ(cells.size(), 4 + periods);
        if (r < records.size()) {
            EXPECT_EQ(cells[0], records[r].name);
            EXPECT_EQ(cells[1], records[r].kind);
            EXPECT_NEAR(cells[2].toDouble(), records[r].peak, 1e-9);
            EXPECT_NEAR(cells[3].toDouble(), records[r].duration, 1e-9);
        } else {
            EXPECT_EQ(cells.mid(0, 4), (QList<QByteArray>{"mean", "", "", ""}));
        }
        // The oscillator's first swing ends between two samples: the sampled
        // peak lies a few millionths below the continuous one.
        for (int k = 0; k < periods; ++k)
            EXPECT_NEAR(cells[4 + k].toDouble(), ratio, 1e-5 * ratio);
    }
}

TEST_F(CheckCommandTest, PassingSelectionPrintsTheSheetAndExitsZeroDespiteAWarning)
{
    const KspectRun run = runKspect(QStringList{"--check", "--main-periods", "0.5,0.20"} + target
                                    + QStringList{"--base-shear", "1000,650,1350,1000", path("n1.txt"),
                                                  path("n2.txt"), "--artificial-record", path("a1.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    ASSERT_TRUE(run.out.endsWith('\n'));
    const QList<QByteArray> lines = run.out.chopped(1).split('\n');
    // Every record scaled to the table's 70 cm/s^2 by default.
    expectRecordLines(lines, {{"n1.txt", "natural", 70, 3}, {"n2.txt", "natural", 70, 6}, {"a1.txt", "artificial", 70, 2.5}},
                      2, stepResponse(70) / plateau);
    const QList<QByteArray> verdicts = {
        "",
        "count\tpass\t3 records, at least 3; with 3 to 6 the larger of the envelope of the results and the "
        "response-spectrum result governs",
        "natural-share\tpass\t2 of 3 recorded (0.6667), at least 2/3",
        "spectrum@0.5\tpass\tmean alpha_r/alpha 0.8273 (0.1324 g / 0.16 g), 0.8 to 1.2",
        "spectrum@0.20\tpass\tmean alpha_r/alpha 0.8273 (0.1324 g / 0.16 g), 0.8 to 1.2",
        "duration:n1.txt\tpass\t3 s = 6 T1, at least 5 T1 (5 to 10 T1 is the usual range)",
        "duration:n2.txt\tpass\t6 s = 12 T1, at least 5 T1 (5 to 10 T1 is the usual range)",
        "duration:a1.txt\tpass\t2.5 s = 5 T1, at least 5 T1 (5 to 10 T1 is the usual range)",
        "peak:n1.txt\tpass\tpeak 70 cm/s^2, table 70 cm/s^2",
        "peak:n2.txt\tpass\tpeak 70 cm/s^2, table 70 cm/s^2",
        "peak:a1.txt\tpass\tpeak 70 cm/s^2, table 70 cm/s^2",
        "base-shear:n1.txt\tpass\tV/V0 0.65, 0.65 to 1.35",
        "base-shear:n2.txt\tpass\tV/V0 1.35, 0.65 to 1.35",
        "base-shear:a1.txt\tpass\tV/V0 1, 0.65 to 1.35",
        "base-shear-mean\tpass\tmean V/V0 1, 0.8 to 1.2",
    };
    EXPECT_EQ(lines.mid(5), verdicts);

    // -o: the same sheet in the file, nothing on the standard output.
    const KspectRun toFile = runKspect(QStringList{"--check", "--main-periods", "0.5,0.20"} + target
                                       + QStringList{"--base-shear", "1000,650,1350,1000", path("n1.txt"),
                                                     path("n2.txt"), "--artificial-record", path("a1.txt"), "-o",
                                                     path("sheet.txt")});
    EXPECT_EQ(toFile.exitCode, 0);
    EXPECT_EQ(toFile.out + toFile.err, QByteArray());
    EXPECT_EQ(read("sheet.txt"), run.out);
}

TEST_F(CheckCommandTest, FailingSelectionKeepsTheOrderGivenAndExitsThree)
{
    // The artificial record first: the lines follow the command line.
    const KspectRun run = runKspect(QStringList{"--check", "--main-periods", "0.5", "--pga", "110"} + target
                                    + QStringList{"--base-shear", "1000,600,1300", "--artificial-record",
                                                  path("a1.txt"), path("short.txt")});
    ASSERT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    const QList<QByteArray> lines = run.out.chopped(1).split('\n');
    expectRecordLines(lines, {{"a1.txt", "artificial", 110, 2.5}, {"short.txt", "natural", 110, 2}}, 1,
                      stepResponse(110) / plateau);
    const QList<QByteArray> verdicts = {
        "",
        "count\tfail\t2 records, at least 3",
        "natural-share\tfail\t1 of 2 recorded (0.5), at least 2/3",
        "spectrum@0.5\tfail\tmean alpha_r/alpha 1.3 (0.208 g / 0.16 g), 0.8 to 1.2",
        "duration:a1.txt\tpass\t2.5 s = 5 T1, at least 5 T1 (5 to 10 T1 is the usual range)",
        "duration:short.txt\tfail\t2 s = 4 T1, at least 5 T1 (5 to 10 T1 is the usual range)",
        "peak:a1.txt\twarning\tpeak 110 cm/s^2, table 70 cm/s^2",
        "peak:short.txt\twarning\tpeak 110 cm/s^2, table 70 cm/s^2",
        "base-shear:a1.txt\tfail\tV/V0 0.6, 0.65 to 1.35",
        "base-shear:short.txt\tpass\tV/V0 1.3, 0.65 to 1.35",
        "base-shear-mean\tpass\tmean V/V0 0.95, 0.8 to 1.2",
    };
    EXPECT_EQ(lines.mid(4), verdicts);
}

TEST_F(CheckCommandTest, RefusalsNameTheOptionOrTheFileAndWriteNothing)
{
    const QString n1 = path("n1.txt"), n2 = path("n2.txt"), a1 = path("a1.txt");
    const QStringList three = {n1, n2, "--artificial-record", a1};
    const struct {
        QStringList arguments;
        QByteArray message;
    } refusals[] = {
        {{"--main-periods", "0.5"},
         "--check: no record given; name the recorded ones, and each artificial one after --artificial-record"},
        {three, "--main-periods: not given; the check needs T1 at least"},
        {QStringList{"--main-periods", "0.5,x"} + three, "--main-periods: \"x\" is not a valid floating number!"},
        {QStringList{"--main-periods", "0.5,7"} + three,
         "--main-periods: the main period 7 s is outside the spectrum's range, above 0 up to 6.0 s"},
        {QStringList{"--main-periods", "0.5,0.4,0.3,0.2,0.15,0.12,0.1"} + three,
         "--main-periods: give the fundamental period T1 and at most five more main periods"},
        {QStringList{"--main-periods", "0.5", "--base-shear", "1000,650,1350"} + three,
         "--base-shear: give the response-spectrum base shear and one per record: 4 values, not 3"},
        {QStringList{"--main-periods", "0.5", "--base-shear", "1000,650,-1,900"} + three,
         "--base-shear: every base shear must be a positive number"},
        {QStringList{"--main-periods", "0.5", n1, path("none.txt"), a1},
         "\"none.txt\": cannot be read: No such file or directory"},
        {QStringList{"--main-periods", "0.5", n1, "--artificial-record", path("zero.txt")},
         "\"zero.txt\": holds only zeros, so it cannot be scaled to a peak"},
        {QStringList{"--main-periods", "0.5", "--pga", "0"} + three, "--pga: the peak must be greater than 0 cm/s^2"},
        {QStringList{"--main-periods", "0.5", "--damping", "1"} + three,
         "--damping: the target spectrum's damping ratio must be at least 0 and below 1"},
        {QStringList{"--main-periods", "0.5", "--record-format", "peer", "--dt", "0.01"} + three,
         "--dt: only for plain columns; the record's header gives its step"},
        {QStringList{"--main-periods", "0.5", "--intensity", "10"} + three,
         "--intensity: \"10\" is not one of 6, 7, 7.5, 8, 8.5, 9"},
    };
    write("out.txt", "old");
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.arguments.join(' ').toStdString());
        const KspectRun run = runKspect(QStringList{"--check"} + refusal.arguments + QStringList{"-o", path("out.txt")});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_EQ(run.err, "kspect: " + refusal.message + "\n");
        EXPECT_EQ(read("out.txt"), QByteArray("old"));
    }
}

TEST_F(CheckCommandTest, AFailedWriteExitsOneAndHelpShowsTheCheck)
{
    const KspectRun run = runKspect(QStringList{"--check", "--main-periods", "0.5"} + target
                                    + QStringList{path("n1.txt"), "-o", path("missing/sheet.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("kspect: Cannot create file \"")) << run.err.toStdString();

    const KspectRun help = runKspect({"--check", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--main-periods T1[,T2,...]", "--base-shear V0,V1,...", "--artificial-record FILE",
                               "--site I0|I1|II|III|IV", "--record-format auto|peer|csmnc|knet|columns"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_TRUE(runKspect({"--help"}).out.contains("kspect --check --main-periods T1[,T2,...]"));
}

// The base shears from modes. Every record is scaled to 70 cm/s^2, a
// constant a from t = 0: mode j's pseudo-acceleration is the damped step
// response a (1 - exp(-zeta w t) (cos wd t + zeta / sqrt(1 - zeta^2) sin wd t)),
// so V(t) = sum_j r_j G of that, whose largest sample is V_TH. The modes lie
// on the plateau, alpha = 0.16: V1 = 1280 kN, V2 = 160 kN; SRSS 1290.0 kN,
// CQC with rho(0.4) = 0.0099287 1291.5 kN.
double stepShear(const std::vector<std::pair<double, double>>& modes, double weight, double seconds)
{
    const double a = 70 / 980.665, zeta = 0.05;
    double peak = 0;
    for (int i = 0; i * 0.01 <= seconds + 1e-9; ++i) {
        const double t = i * 0.01;
        double v = 0;
        for (const auto& [period, ratio] : modes) {
            const double w = 2 * M_PI / period, wd = w * std::sqrt(1 - zeta * zeta);
            v += ratio * weight * a
                 * (1 - std::exp(-zeta * w * t) * (std::cos(wd * t) + zeta / std::sqrt(1 - zeta * zeta) * std::sin(wd * t)));
        }
        peak = std::max(peak, std::fabs(v));
    }
    return peak;
}

struct ModesCase {
    const char* name;
    QStringList options;  // "modes.txt" stands for the fixture's file
    QString info;
    std::vector<std::pair<double, double>> modes;
};

class CheckModes : public CheckCommandTest, public testing::WithParamInterface<ModesCase> {};

// The figures are read back from the sheet's 4 significant digits.
double figureAfter(const QString& line, const QString& before)
{
    const qsizetype at = line.indexOf(before);
    return at < 0 ? -1 : line.mid(at + before.size()).section(QLatin1Char(' '), 0, 0).toDouble();
}

TEST_P(CheckModes, ComputeTheBaseShearsAndPrintThemInKilonewtons)
{
    write("modes.txt", "# period  ratio\nPeriod, Ratio\n0.5,\t0.8\n\n  0.2 0.1\n");
    QStringList options = GetParam().options;
    options.replaceInStrings("modes.txt", path("modes.txt"));
    const KspectRun run = runKspect(QStringList{"--check", "--main-periods", "0.5"} + target + options
                                    + QStringList{path("n1.txt"), path("n2.txt"), "--artificial-record", path("a1.txt")});
    EXPECT_EQ(run.err, QByteArray());
    const QStringList lines = QString::fromUtf8(run.out).split('\n');
    const qsizetype rs = lines.indexOf(QRegularExpression("^base-shear-rs\t.*"));
    ASSERT_GT(rs, 0) << run.out.toStdString();
    EXPECT_EQ(lines[rs], "base-shear-rs\tinfo\t" + GetParam().info);
    const QString names[] = {"n1.txt", "n2.txt", "a1.txt"};
    const double seconds[] = {3, 6, 2.5};
    const double v0 = figureAfter(lines[rs], "V0 ");
    for (int r = 0; r < 3; ++r) {
        const QString& line = lines[rs + 1 + r];
        ASSERT_TRUE(line.startsWith("base-shear:" + names[r] + "\t")) << line.toStdString();
        const double expected = stepShear(GetParam().modes, 10000, seconds[r]);
        EXPECT_NEAR(figureAfter(line, "("), expected, 5e-4 * expected) << line.toStdString();
        EXPECT_NEAR(figureAfter(line, "/ "), v0, 1e-9) << line.toStdString();
        EXPECT_NEAR(figureAfter(line, "V/V0 "), expected / v0, 5e-4) << line.toStdString();
    }
    EXPECT_TRUE(lines[rs + 4].startsWith("base-shear-mean\t")) << lines[rs + 4].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    CheckCommand, CheckModes,
    testing::Values(ModesCase{"CqcFromTheOption",
                              {"--modes", "0.5:0.8,0.2:0.1", "--weight", "10000"},
                              "V0 1292 kN by CQC of 2 modes, mass ratio sum 0.9",
                              {{0.5, 0.8}, {0.2, 0.1}}},
                    ModesCase{"SrssFromAFile",
                              {"--modes-file", "modes.txt", "--weight", "1e4", "--combine", "srss"},
                              "V0 1290 kN by SRSS of 2 modes, mass ratio sum 0.9",
                              {{0.5, 0.8}, {0.2, 0.1}}},
                    ModesCase{"OneModeShortOfTheMass",
                              {"--modes", "0.5:0.8", "--weight", "10000"},
                              "V0 1280 kN by CQC of 1 modes, mass ratio sum 0.8; below 0.9: the modes taken should "
                              "carry at least 90 % of the mass",
                              {{0.5, 0.8}}}),
    [](const testing::TestParamInfo<ModesCase>& info) { return std::string(info.param.name); });

struct ModesRefusal {
    const char* name;
    QStringList options;
    QByteArray message;
};

class CheckModesRefusal : public CheckCommandTest, public testing::WithParamInterface<ModesRefusal> {};

TEST_P(CheckModesRefusal, NamesTheOptionAndWritesNothing)
{
    write("bad.txt", "0.5 0.8\n0.2 0.1 3\n");
    write("out.txt", "old");
    QStringList options = GetParam().options;
    options.replaceInStrings("bad.txt", path("bad.txt"));
    const KspectRun run = runKspect(QStringList{"--check", "--main-periods", "0.5"} + target + options
                                    + QStringList{path("n1.txt"), "-o", path("out.txt")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "kspect: " + GetParam().message + "\n");
    EXPECT_EQ(read("out.txt"), QByteArray("old"));
}

INSTANTIATE_TEST_SUITE_P(
    CheckCommand, CheckModesRefusal,
    testing::Values(
        ModesRefusal{"BothModesAndTypedShears",
                     {"--modes", "0.5:0.8", "--weight", "100", "--base-shear", "10,9"},
                     "--modes: the base shears come from the modes; give --base-shear or the modes, not both"},
        ModesRefusal{"ModesTwice",
                     {"--modes", "0.5:0.8", "--modes-file", "bad.txt", "--weight", "100"},
                     "--modes-file: give the modes once, with --modes or with --modes-file"},
        ModesRefusal{"NoWeight", {"--modes", "0.5:0.8"}, "--weight: not given; the base shears from modes need G in kN"},
        ModesRefusal{"WeightWithoutModes", {"--weight", "100"}, "--weight: only with --modes or --modes-file"},
        ModesRefusal{"NotAPair", {"--modes", "0.5-0.8", "--weight", "100"}, "--modes: \"0.5-0.8\" is not a period:ratio pair"},
        ModesRefusal{"NotANumber", {"--modes", "0.5:x", "--weight", "100"}, "--modes: \"x\" is not a valid floating number!"},
        ModesRefusal{"ZeroPeriod", {"--modes", "0.5:0.8,0:0.1", "--weight", "100"},
                     "--modes: mode 2: the period 0 s must be above 0 and at most 20 s"},
        ModesRefusal{"MoreThanTheMass", {"--modes", "0.5:0.8,0.2:0.3", "--weight", "100"},
                     "--modes: the mass ratios of the modes sum to 1.1, more than the whole mass"},
        ModesRefusal{"ZeroWeight", {"--modes", "0.5:0.8", "--weight", "0"},
                     "--weight: the representative value of gravity load G must be a positive number of kN"},
        ModesRefusal{"UnknownCombination", {"--modes", "0.5:0.8", "--weight", "100", "--combine", "abs"},
                     "--combine: \"abs\" is not one of cqc, srss"},
        ModesRefusal{"FileWithThreeColumns", {"--modes-file", "bad.txt", "--weight", "100"},
                     "--modes-file: \"bad.txt\": line 2: give two columns, the period and the mass ratio, not 3"},
        ModesRefusal{"FileMissing", {"--modes-file", "none.txt", "--weight", "100"},
                     "--modes-file: \"none.txt\": cannot be read: No such file or directory"}),
    [](const testing::TestParamInfo<ModesRefusal>& info) { return std::string(info.param.name); });

struct LimitsCase {
    const char* name;
    QStringList options;
    QStringList lines;
};

class CheckShearLimits : public CheckCommandTest, public testing::WithParamInterface<LimitsCase> {};

TEST_P(CheckShearLimits, UpperLimitsHoldOnlyForElasticAnalyses)
{
    const KspectRun run = runKspect(QStringList{"--check", "--main-periods", "0.5", "--base-shear", "1000,1400"} + target
                                    + GetParam().options + QStringList{path("n1.txt")});
    const QStringList lines = QString::fromUtf8(run.out).split('\n');
    EXPECT_EQ(lines.mid(lines.size() - 3, 2), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    CheckCommand, CheckShearLimits,
    testing::Values(LimitsCase{"Elastic",
                               {},
                               {"base-shear:n1.txt\tfail\tV/V0 1.4, 0.65 to 1.35",
                                "base-shear-mean\tfail\tmean V/V0 1.4, 0.8 to 1.2"}},
                    LimitsCase{"Inelastic",
                               {"--inelastic"},
                               {"base-shear:n1.txt\tpass\tV/V0 1.4, at least 0.65",
                                "base-shear-mean\tpass\tmean V/V0 1.4, at least 0.8"}}),
    [](const testing::TestParamInfo<LimitsCase>& info) { return std::string(info.param.name); });

} // namespace
