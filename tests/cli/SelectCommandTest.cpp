#include "KspectProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <string>

namespace {

const QString library = QStringLiteral(KAVREL_TEST_DATA "/library");

// The selection from the real records in tests/data/library, its index in a temporary folder.
class SelectCommand : public ::testing::Test {
protected:
    KspectRun select(const QStringList& more) const
    {
        return runKspect(QStringList{"--select", "--main-periods", "0.8", "--intensity", "8", "--library", library,
                                     "--index", folder_.filePath("index.sqlite"), "--artificial", "0", "--natural",
                                     "3"}
                         + more);
    }
    QTemporaryDir folder_;
};

TEST_F(SelectCommand, printsTheSuiteThenTheCheckSheetOfItsFilesAsCheckDoes)
{
    const KspectRun run = select({});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const qsizetype blank = run.out.indexOf("\n\n");
    ASSERT_GT(blank, 0);
    const QList<QByteArray> lines = run.out.left(blank).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "rank\trecord\tfile\tcomponent\tscale_factor\tpeak_cm_s2\teffective_duration_s\tratio_1\t"
                        "platform_ratio\tt1_band_ratio\tbase_shear_ratio");
    QStringList files;
    for (int i = 1; i < 4; ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        ASSERT_EQ(fields.size(), 11);
        EXPECT_EQ(fields[0].toInt(), i);
        EXPECT_EQ(fields[5], "70");  // the table's peak of intensity 8, frequent
        files << library + QLatin1Char('/') + QString::fromUtf8(fields[2]);
    }
    const KspectRun check =
        runKspect(QStringList{"--check", "--main-periods", "0.8", "--intensity", "8"} + files);
    EXPECT_EQ(run.out.mid(blank + 2), check.out);
}

TEST_F(SelectCommand, aSuiteThatBreaksARuleIsPrintedWithTheRuleNamedAndExitThree)
{
    const KspectRun run = select({"--min-duration", "1000"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains("rule 4 (effective duration)")) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("rank\t"));
}

TEST_F(SelectCommand, writesEveryChosenComponentsHistory)
{
    const QString histories = folder_.filePath("histories");
    const KspectRun run = select({"--history", histories, "--format", "csv"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList written = QDir(histories).entryList(QDir::Files);
    EXPECT_EQ(written.size(), 3);
    for (const QString& name : written)
        EXPECT_TRUE(contentOf(QDir(histories).filePath(name)).startsWith("time_s,accel_g")) << name.toStdString();
}

struct RefusedCase {
    std::string name;
    QStringList arguments;
    QByteArray named;
};

class SelectRefusal : public SelectCommand, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(SelectRefusal, exitsTwoNamingTheOption)
{
    const KspectRun run = select(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(GetParam().named)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, SelectRefusal,
    ::testing::Values(RefusedCase{"range_upside_down", {"--magnitude", "7:6"}, "--magnitude"},
                      RefusedCase{"range_of_one_number", {"--vs30", "300"}, "--vs30"},
                      RefusedCase{"four_components", {"--components", "4"}, "--components"},
                      RefusedCase{"scale_limit_below_one", {"--max-scale", "0.5"}, "--max-scale"},
                      RefusedCase{"format_without_history", {"--format", "csv"}, "--format"},
                      RefusedCase{"main_period_beyond_six", {"--main-periods", "7"}, "--main-periods"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
