#include "cli/KspectProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>

#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Files every case may name, in one temporary folder.
class HostileFiles {
public:
    HostileFiles()
    {
        const QByteArray peer = "PEER NGA STRONG MOTION DATABASE RECORD\nTEST\nACCELERATION TIME SERIES IN UNITS OF G\n";
        writeFile(path("far.AT2"), peer + "NPTS=    3, DT= 1e300 SEC\n 0.1 -0.2 0.05\n");
        writeFile(path("huge.AT2"), peer + "NPTS=    3, DT= 0.01 SEC\n 0.1 1e308 -1.7e308\n");
        writeFile(path("values.txt"), "0.1\n-0.2\n0.05\n");
        QByteArray steady;
        for (int i = 0; i <= 400; ++i)
            steady += QByteArray::number(i * 0.01, 'f', 2) + " " + QByteArray::number(0.1 + (i % 7) * 0.01) + "\n";
        QDir(folder_.path()).mkpath("d1");
        QDir(folder_.path()).mkpath("d2");
        writeFile(path("d1/x.txt"), steady);
        writeFile(path("d2/x.txt"), steady + "4.01 0.3\n");
        writeFile(path("copy.txt"), steady);
        ::symlink("missing/out.txt", QFile::encodeName(path("link.txt")).constData());
        writeFile(path("three.kspect"), R"({"format": "kavrel-spect-set", "version": 1, "spectra": [
            {"name": "A", "code": "GB 50011-2010", "alphaMax": 0.16, "tg": 0.35, "dampingRatio": 0.05},
            {"name": "B", "code": "GB 50011-2010", "alphaMax": 0.08, "tg": 0.45, "dampingRatio": 0.05},
            {"name": "C", "code": "GB 50011-2010", "alphaMax": 0.24, "tg": 0.65, "dampingRatio": 0.05}]})");
        QDir(folder_.path()).mkpath("out");
        writeFile(path("out/A.txt"), "old A");
        ::mkfifo(QFile::encodeName(path("out/B.txt")).constData(), 0600);
    }

    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

private:
    QTemporaryDir folder_;
};

struct Hostile {
    const char* name;
    std::function<QStringList(const HostileFiles&)> arguments;
    int exitCode;
    std::function<QByteArray(const HostileFiles&)> err;
};

class KspectHostileInput : public testing::TestWithParam<Hostile> {};

TEST_P(KspectHostileInput, IsRefusedWithOneLine)
{
    const HostileFiles files;
    const KspectRun run = runKspect(GetParam().arguments(files));
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.err, GetParam().err(files));
    EXPECT_EQ(run.out, QByteArray());
}

const QStringList check = {"--check", "--main-periods", "0.5"};

INSTANTIATE_TEST_SUITE_P(
    Kspect, KspectHostileInput,
    testing::Values(
        Hostile{"RecordStepFarOutOfRange",
                [](const HostileFiles& f) { return QStringList{"--record", f.path("far.AT2")}; }, 2,
                [](const HostileFiles&) {
                    return QByteArray("kspect: \"far.AT2\": the step 1e300 s lies outside the steps of "
                                      "ground-motion records, 0.00001 s to 1 s\n");
                }},
        Hostile{"ColumnsStepOfDays",
                [](const HostileFiles& f) { return QStringList{"--record", f.path("values.txt"), "--dt", "1e5"}; }, 2,
                [](const HostileFiles&) {
                    return QByteArray("kspect: \"values.txt\": the step 1e+05 s lies outside the steps of "
                                      "ground-motion records, 0.00001 s to 1 s\n");
                }},
        Hostile{"ValuesThatOverflow", [](const HostileFiles& f) { return QStringList{"--record", f.path("huge.AT2")}; },
                2,
                [](const HostileFiles&) {
                    return QByteArray("kspect: \"huge.AT2\": value 2 is 1e+308 g, beyond any ground motion (at "
                                      "most 1000000 g): the record overflows\n");
                }},
        Hostile{"PeakBeyondTenG",
                [](const HostileFiles& f) { return QStringList{"--record", f.path("values.txt"), "--dt", "0.01", "--pga", "1e308"}; },
                2,
                [](const HostileFiles&) {
                    return QByteArray("kspect: --pga: the peak must be at most 9806.65 cm/s^2 (10 g)\n");
                }},
        Hostile{"CheckOfOneFileTwice",
                [](const HostileFiles& f) {
                    return check + QStringList{f.path("d1/x.txt"), f.path("d2/x.txt"), f.path("d1/x.txt")};
                },
                2,
                [](const HostileFiles& f) {
                    return ("kspect: --check: \"" + f.path("d1/x.txt") + "\" is given twice; a record counts once\n")
                        .toUtf8();
                }},
        Hostile{"CheckOfOneFileAsRecordedAndArtificial",
                [](const HostileFiles& f) {
                    return check + QStringList{f.path("d2/x.txt"), "--artificial-record", f.path("d1/../d2/x.txt")};
                },
                2,
                [](const HostileFiles& f) {
                    return ("kspect: --check: \"" + f.path("d1/../d2/x.txt") + "\" is given twice (as \""
                            + f.path("d2/x.txt") + "\"); a record counts once\n")
                        .toUtf8();
                }},
        Hostile{"CheckOfTheSameSamplesInTwoFiles",
                [](const HostileFiles& f) { return check + QStringList{f.path("d1/x.txt"), f.path("copy.txt"), f.path("d2/x.txt")}; },
                2,
                [](const HostileFiles&) {
                    return QByteArray("kspect: --check: \"d1/x.txt\" and \"copy.txt\" hold the same samples; a "
                                      "record counts once\n");
                }},
        Hostile{"CheckOfARepeatedMainPeriod",
                [](const HostileFiles& f) {
                    return QStringList{"--check", "--main-periods", "1,1", f.path("d1/x.txt")};
                },
                2, [](const HostileFiles&) { return QByteArray("kspect: --main-periods: the main period 1 s is given twice\n"); }},
        // The FIFO would wait for a reader after A was replaced.
        Hostile{"SetWithAFifoAmongItsFiles",
                [](const HostileFiles& f) { return QStringList{"--set", f.path("three.kspect"), "-o", f.path("out")}; },
                1,
                [](const HostileFiles& f) {
                    return ("kspect: Cannot create file \"" + QDir::cleanPath(f.path("out/B.txt"))
                            + "\". It is a FIFO or a device, not a file: what goes into it cannot be taken back if "
                              "a later file fails, so it cannot be one of several files written together.\n")
                        .toUtf8();
                }},
        Hostile{"OutputThroughALinkIntoAMissingFolder",
                [](const HostileFiles& f) { return QStringList{"-o", f.path("link.txt")}; }, 1,
                [](const HostileFiles& f) {
                    return ("kspect: Cannot create file \"" + QDir::cleanPath(f.path("link.txt"))
                            + "\". It is a symbolic link into the folder \"" + QDir::cleanPath(f.path("missing"))
                            + "\", which does not exist.\n")
                        .toUtf8();
                }}),
    [](const testing::TestParamInfo<Hostile>& info) { return std::string(info.param.name); });

// Periods far below the step give the peak acceleration at once, as T = 0
// does, instead of running for minutes.
TEST(KspectHostile, PeriodsFarBelowTheStepGiveThePeak)
{
    const HostileFiles files;
    const KspectRun run =
        runKspect({"--record", files.path("values.txt"), "--dt", "0.01", "--periods", "0,1e-12,1e-7"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "period_s\tsa_g\n0\t0.2\n0.000000000001\t0.2\n0.0000001\t0.2\n");
}

}  // namespace
