#include "cli/KspectProcess.h"
#include "common/KavrelVersion.h"
#include "spectrum/KavrelSpectrum.h"
#include "support/AnalysisFileReaders.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

using Outcome = KspectRun;

Outcome kspect(const QStringList& arguments, const std::function<void(QProcess&)>& setUp = {})
{
    return runKspect(arguments, setUp);
}

QStringList entries(const QTemporaryDir& folder)
{
    return QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
}

void expectTheSpectrum(const KavrelSpectrum& spectrum, const ReadFile& file, std::size_t count = 601)
{
    ASSERT_EQ(file.error, QString());
    ASSERT_EQ(file.points.size(), count);
    for (const auto& [period, value] : file.points) {
        double alpha = -1;
        ASSERT_EQ(spectrum.alphaAt(period, alpha), 0);
        ASSERT_NEAR(value, alpha, 1e-6 * std::fabs(alpha)) << "at " << period;
    }
}

class KspectTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString path(const char* name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

TEST_F(KspectTest, DefaultsAreTheWindowsStartUpChoices)
{
    // In the plain C locale too, nothing but the file comes out.
    const Outcome run = kspect({}, [](QProcess& p) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "C");
        environment.insert("LANG", "C");
        p.setProcessEnvironment(environment);
    });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QByteArray());
    expectTheSpectrum(KavrelSpectrum("Spectrum-1", 0.04, 0.2, 0.05, 0),
                      readDelimitedFile(run.out, '\t', "period_s\talpha_g"));
}

TEST_F(KspectTest, ChoicesTakeAlphaMaxAndTgFromTheCodeTables)
{
    const Outcome csi = kspect({"--code", "51408", "--intensity", "9", "--action", "very-rare", "--site", "IV",
                            "--group", "3", "--format", "csi", "-o", path("a.txt")});
    ASSERT_EQ(csi.exitCode, 0) << csi.err.toStdString();
    EXPECT_EQ(csi.out + csi.err, QByteArray());
    const ReadFile a = readCsiFile(contentOf(path("a.txt")));
    EXPECT_EQ(a.comments.mid(1, 3), (QStringList{"Design code: GB/T 51408-2021", "AlphaMax: 2.43", "Tg: 0.9 s"}));
    expectTheSpectrum(KavrelSpectrum("Spectrum-1", 2.43, 0.9, 0.05, 2), a);

    const Outcome midas = kspect({"--code", "2001", "--intensity", "7.5", "--action", "design", "--site", "III",
                              "--group", "2", "--damping", "0.02", "--format", "midas", "-o", path("b.sgs")});
    ASSERT_EQ(midas.exitCode, 0) << midas.err.toStdString();
    const ReadFile b = readMidasFile(contentOf(path("b.sgs")));
    EXPECT_EQ(b.titles.value(1), "GB 50011-2001 AlphaMax 0.34 Tg 0.55 s Damping ratio 0.02");
    expectTheSpectrum(KavrelSpectrum("Spectrum-1", 0.34, 0.55, 0.02, 1), b);

    const Outcome staad = kspect({"--intensity", "8.5", "--action", "rare", "--site", "I1", "--format", "staad"});
    ASSERT_EQ(staad.exitCode, 0) << staad.err.toStdString();
    expectTheSpectrum(KavrelSpectrum("Spectrum-1", 1.2, 0.25, 0.05, 0), readStaadFile(staad.out));
}

TEST_F(KspectTest, GivenValuesOverrideTheTablesAsTypingIntoTheWindowDoes)
{
    writeFile(path("c.tcl"), "old");
    const Outcome run = kspect({"--intensity", "8", "--alpha-max", "0.5", "--tg", "0", "--name", "  Site A  ", "--format",
                            "opensees", "--tag", "12", "--periods", "0:1:0.25", "-o", path("c.tcl")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const ReadFile file = readOpenSeesFile(contentOf(path("c.tcl")));
    EXPECT_EQ(file.tag, 12);
    EXPECT_EQ(file.comments.value(0), "Response spectrum: \"Site A\"");
    expectTheSpectrum(KavrelSpectrum("Site A", 0.5, 0, 0.05, 0), file, 6);  // 0 ... 1 and the corner 0.1
    EXPECT_EQ(entries(folder), QStringList{"c.tcl"});

    // A typed "-0" is zero, as in the window: no "-0" reaches a file.
    const Outcome negativeZero = kspect({"--alpha-max", "-0", "--tg", "-0.0", "--damping", "-0e3", "--format", "csi"});
    ASSERT_EQ(negativeZero.exitCode, 0) << negativeZero.err.toStdString();
    EXPECT_EQ(readCsiFile(negativeZero.out).comments.mid(2, 2), (QStringList{"AlphaMax: 0", "Tg: 0 s"}));
    EXPECT_TRUE(readCsiFile(negativeZero.out).comments.contains("Damping ratio: 0"));

    // A name of 19 bytes is taken whole.
    const Outcome longest = kspect({"--name", "ABCDEFGHIJKLMNOPQRS", "--format", "csi"});
    EXPECT_EQ(longest.exitCode, 0);
    EXPECT_EQ(readCsiFile(longest.out).comments.value(0), "Response spectrum: ABCDEFGHIJKLMNOPQRS");
}

// Worked values: 2010, 7 (0.10 g), 2nd group, site II, rare: AlphaMax 0.5,
// Tg 0.45; vertical at 7 frequent, site III, 3rd group: 0.052 and 0.45.
TEST_F(KspectTest, CodeRulesChangeOnlyWhatTheTablesGive)
{
    const Outcome rare = kspect({"--intensity", "7", "--action", "rare", "--site", "II", "--group", "2", "--rare-tg",
                                 "--format", "csi"});
    ASSERT_EQ(rare.exitCode, 0) << rare.err.toStdString();
    EXPECT_EQ(readCsiFile(rare.out).comments.mid(2, 2), (QStringList{"AlphaMax: 0.5", "Tg: 0.45 s"}));

    const Outcome vertical = kspect({"--intensity", "7", "--site", "III", "--group", "3", "--vertical", "--format", "csi"});
    ASSERT_EQ(vertical.exitCode, 0) << vertical.err.toStdString();
    const ReadFile v = readCsiFile(vertical.out);
    EXPECT_EQ(v.comments.mid(2, 2), (QStringList{"AlphaMax: 0.052", "Tg: 0.45 s"}));
    expectTheSpectrum(KavrelSpectrum("Spectrum-1", 0.052, 0.45, 0.05, 0), v);

    // The 2001 code adds it from intensity 8 on; an explicit --tg wins over the rule.
    const Outcome at8 = kspect({"--code", "2001", "--intensity", "8", "--action", "very-rare", "--site", "II",
                                "--group", "2", "--rare-tg", "--format", "csi"});
    EXPECT_EQ(readCsiFile(at8.out).comments.value(3), "Tg: 0.45 s");
    const Outcome typed = kspect({"--action", "rare", "--rare-tg", "--tg", "0.3", "--format", "csi"});
    EXPECT_EQ(readCsiFile(typed.out).comments.value(3), "Tg: 0.3 s");
}

TEST_F(KspectTest, RefusedInputNamesTheOptionAndWritesNothing)
{
    const struct {
        QStringList arguments;
        QByteArray message;
    } refusals[] = {
        {{"--foo"}, "Unknown option 'foo'."},
        {{"extra"}, "\"extra\": not an option"},
        {{"--code"}, "Missing value after '--code'."},
        {{"--code", "2020"}, "--code: \"2020\" is not one of 2010, 2001, 51408"},
        {{"--code", "2010", "--code", "2001"}, "--code: given more than once"},
        {{"--intensity", "7.50"}, "--intensity: \"7.50\" is not one of 6, 7, 7.5, 8, 8.5, 9"},
        {{"--action", "strong"}, "--action: \"strong\" is not one of frequent, design, rare, very-rare"},
        {{"--site", "V"}, "--site: \"V\" is not one of I0, I1, II, III, IV"},
        {{"--group", "4"}, "--group: \"4\" is not one of 1, 2, 3"},
        {{"--alpha-max", "abc"}, "--alpha-max: \"abc\" is not a valid floating number!"},
        {{"--alpha-max", "-0.01"}, "--alpha-max: AlphaMax must be postive."},
        {{"--tg", "-1"}, "--tg: Characteristic Groud Period must be postive."},
        {{"--damping", "0,05"}, "--damping: \"0,05\" is not a valid floating number!"},
        {{"--damping", "inf"}, "--damping: \"inf\" is not a valid floating number!"},
        {{"--damping", "-0.05"}, "--damping: Damping ratio must be postive."},
        {{"--name", "   "}, "--name: Please Input Response Name."},
        {{"--name", "ABCDEFGHIJKLMNOPQRST"}, "--name: Response Name must be less than 20 letters."},
        {{"--name", QString::fromUtf8("七个汉字的名字")}, "--name: Response Name must be less than 20 letters."},
        {{"--format", "sap"}, "--format: \"sap\" is not one of table, csv, csi, midas, staad, opensees"},
        {{"--periods", "0:6"}, "--periods: \"0:6\" is not START:STOP:STEP"},
        {{"--periods", "0:x:0.1"}, "--periods: \"x\" is not a valid floating number!"},
        {{"--periods", "0:6.5:0.01"}, "--periods: the periods must lie within 0 and 6 s"},
        {{"--periods", "-0.1:6:0.01"}, "--periods: the periods must lie within 0 and 6 s"},
        {{"--periods", "0:6:0"}, "--periods: STEP must be greater than 0"},
        {{"--periods", "0:6:-0.01"}, "--periods: STEP must be greater than 0"},
        {{"--periods", "3:2:0.01"}, "--periods: STOP must not be less than START"},
        {{"--periods", "0:6:0.000001"}, "--periods: more than 1000000 periods"},
        {{"--tag", "5"}, "--tag: only for --format opensees"},
        {{"--code", "51408", "--action", "rare", "--rare-tg"},
         "--rare-tg: not for GB/T 51408-2021, which sets its own periods for rare earthquakes"},
        // A rule that cannot apply is refused rather than silently doing nothing.
        {{"--rare-tg"}, "--rare-tg: only for rare and very rare earthquakes"},
        {{"--action", "design", "--rare-tg"}, "--rare-tg: only for rare and very rare earthquakes"},
        {{"--code", "2001", "--intensity", "7.5", "--action", "rare", "--rare-tg"},
         "--rare-tg: GB 50011-2001 adds it at intensities 8 and 9 only"},
        {{"--code", "2001", "--intensity", "6", "--action", "very-rare", "--rare-tg"},
         "--rare-tg: GB 50011-2001 adds it at intensities 8 and 9 only"},
        {{"--format", "opensees", "--tag", "0"}, "--tag: \"0\" is not a whole number from 1 to 2147483647"},
        {{"--format", "opensees", "--tag", "1.5"}, "--tag: \"1.5\" is not a whole number from 1 to 2147483647"},
    };
    const QString target = path("out.txt");
    writeFile(target, "old");
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.arguments.join(' ').toStdString());
        const Outcome run = kspect(QStringList{"-o", target} + refusal.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_EQ(run.err, "kspect: " + refusal.message + "\n");
        EXPECT_EQ(contentOf(target), QByteArray("old"));
        EXPECT_EQ(entries(folder), QStringList{"out.txt"});
    }
}

TEST_F(KspectTest, AFailedWriteSaysWhyAndLeavesTheTargetAsItWas)
{
    const QString missing = path("missing/out.txt");
    Outcome run = kspect({"-o", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "kspect: Cannot create file \"" + missing.toLocal8Bit() + "\". No such file or directory\n");
    EXPECT_EQ(entries(folder), QStringList());

    // A disk that fills up part-way: files may not grow beyond 1 KiB.
    const QString target = path("out.txt");
    writeFile(target, "old");
    run = kspect({"-o", target}, [](QProcess& p) {
        p.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{1024, 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "kspect: Stream write error: \"" + target.toLocal8Bit() + "\". File too large\n");
    EXPECT_EQ(contentOf(target), QByteArray("old"));
    EXPECT_EQ(entries(folder), QStringList{"out.txt"});

    run = kspect({}, [](QProcess& p) { p.setStandardOutputFile("/dev/full"); });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "kspect: cannot write to the standard output: No space left on device\n");
}

TEST_F(KspectTest, HelpListsEveryOptionWithItsChoicesAndVersionNamesTheRelease)
{
    const Outcome help = kspect({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, QByteArray());
    for (const char* option :
         {"--code 2010|2001|51408", "--intensity 6|7|7.5|8|8.5|9", "--action frequent|design|rare|very-rare",
          "--site I0|I1|II|III|IV", "--group 1|2|3", "--alpha-max A", "--tg T", "--damping Z", "--name NAME",
          "--format table|csv|csi|midas|staad|opensees", "--periods START:STOP:STEP", "--tag N", "-o, --output FILE",
          "--help", "--version"})
        EXPECT_TRUE(help.out.contains(option)) << option;

    const Outcome version = kspect({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("Kavrel_Spect " KAVREL_VERSION "\n"));
    // Major, minor and patch, as packages and the AppStream release name it.
    EXPECT_TRUE(QRegularExpression("^Kavrel_Spect \\d+\\.\\d+\\.\\d+\n$").match(QString::fromUtf8(version.out)).hasMatch())
        << version.out.toStdString();
}

} // namespace

TEST_F(KspectTest, ASetBecomesOneFilePerSpectrumNamedAfterIt)
{
    writeFile(path("sites.kspect"),
              R"({"format": "kavrel-spect-set", "version": 1, "spectra": [
                   {"name": "Site/A", "code": "GB 50011-2010", "alphaMax": 0.16, "tg": 0.35,
                    "dampingRatio": 0.05, "visible": true},
                   {"name": "site:a", "code": "GB/T 51408-2021", "alphaMax": 0.5, "tg": 0.45,
                    "dampingRatio": 0.02, "visible": false}]})");
    QDir(folder.path()).mkdir("out");
    const Outcome run = kspect({"--set", path("sites.kspect"), "--format", "csi", "-o", path("out")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out + run.err, QByteArray());
    // Characters a file name cannot hold become "_"; names that then meet are numbered.
    EXPECT_EQ(QDir(path("out")).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
              (QStringList{"site_a (2).txt", "Site_A.txt"}));
    expectTheSpectrum(KavrelSpectrum("Site/A", 0.16, 0.35, 0.05, 0), readCsiFile(contentOf(path("out/Site_A.txt"))));
    expectTheSpectrum(KavrelSpectrum("site:a", 0.5, 0.45, 0.02, 2),
                      readCsiFile(contentOf(path("out/site_a (2).txt"))));

    // A damaged set: one line naming the file and the fault, nothing written.
    writeFile(path("bad.kspect"), R"({"format": "kavrel-spect-set", "version": 1, "spectra": [
        {"name": "B", "code": "GB 50011-2010", "alphaMax": 0.16, "dampingRatio": 0.05}]})");
    QDir(folder.path()).mkdir("none");
    const Outcome bad = kspect({"--set", path("bad.kspect"), "-o", path("none")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err.count('\n'), 1);
    EXPECT_TRUE(bad.err.contains("bad.kspect")) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains("\"tg\"")) << bad.err.toStdString();
    EXPECT_TRUE(QDir(path("none")).entryList(QDir::Files).isEmpty());

    const Outcome mixed = kspect({"--set", path("sites.kspect"), "--name", "X", "-o", path("none")});
    EXPECT_EQ(mixed.exitCode, 2);
    EXPECT_EQ(mixed.err, "kspect: --name: not with --set, whose spectra are defined in the set file\n");
}
