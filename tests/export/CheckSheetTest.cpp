#include "export/CheckSheet.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A sheet built from figures typed here, so that every cell's text is known.
SelectionCheck twoRecordsTwoPeriods()
{
    SelectionCheck check;
    check.codeType = 0;
    check.mainPeriods = {1.2, 0.4};
    check.targetAlpha = {0.05, 0.08};
    check.records = {
        {"El Centro.txt", false, 341.7, 24.5, {0.06, 0.072}, {1.2, 0.9}},
        {"art-1", true, 70, 7.25, {0.04, 0.088}, {0.8, 1.1}},
    };
    check.meanAlpha = {0.05, 0.08};
    check.meanRatio = {1.0, 1.0};
    auto verdict = [](CheckKind kind, Verdict v, double value, double second, int record, int period) {
        CheckVerdict c;
        c.kind = kind;
        c.verdict = v;
        c.value = value;
        c.second = second;
        c.record = record;
        c.period = period;
        return c;
    };
    check.verdicts = {
        verdict(CheckKind::Count, Verdict::Fail, 2, 0, -1, -1),
        verdict(CheckKind::NaturalShare, Verdict::Fail, 1, 1, -1, -1),
        verdict(CheckKind::Spectrum, Verdict::Pass, 1.0, 0, -1, 0),
        verdict(CheckKind::Spectrum, Verdict::Pass, 1.0, 0, -1, 1),
        verdict(CheckKind::Duration, Verdict::Pass, 24.5, 24.5 / 1.2, 0, -1),
        verdict(CheckKind::Duration, Verdict::Pass, 7.25, 7.25 / 1.2, 1, -1),
        verdict(CheckKind::Peak, Verdict::Warning, 341.7, 70, 0, -1),
        verdict(CheckKind::Peak, Verdict::Pass, 70, 70, 1, -1),
        verdict(CheckKind::BaseShear, Verdict::Pass, 0.65, 0, 0, -1),
        verdict(CheckKind::BaseShear, Verdict::Fail, 1.4, 0, 1, -1),
        verdict(CheckKind::BaseShearMean, Verdict::Pass, 1.025, 0, -1, -1),
    };
    return check;
}

TEST(CheckSheet, TabSeparatedLinesAsScriptsReadThem)
{
    const QString expected = QStringLiteral(
        "record\tkind\tpeak_cm_s2\teffective_duration_s\tratio_1\tratio_2\n"
        "El Centro.txt\tnatural\t341.7\t24.5\t1.2\t0.9\n"
        "art-1\tartificial\t70\t7.25\t0.8\t1.1\n"
        "mean\t\t\t\t1\t1\n"
        "\n"
        "count\tfail\t2 records, at least 3\n"
        "natural-share\tfail\t1 of 2 recorded (0.5), at least 2/3\n"
        "spectrum@1.20\tpass\tmean alpha_r/alpha 1 (0.05 g / 0.05 g), 0.8 to 1.2\n"
        "spectrum@.4\tpass\tmean alpha_r/alpha 1 (0.08 g / 0.08 g), 0.8 to 1.2\n"
        "duration:El Centro.txt\tpass\t24.5 s = 20.42 T1, at least 5 T1 (5 to 10 T1 is the usual range)\n"
        "duration:art-1\tpass\t7.25 s = 6.042 T1, at least 5 T1 (5 to 10 T1 is the usual range)\n"
        "peak:El Centro.txt\twarning\tpeak 341.7 cm/s^2, table 70 cm/s^2\n"
        "peak:art-1\tpass\tpeak 70 cm/s^2, table 70 cm/s^2\n"
        "base-shear:El Centro.txt\tpass\tV/V0 0.65, 0.65 to 1.35\n"
        "base-shear:art-1\tfail\tV/V0 1.4, 0.65 to 1.35\n"
        "base-shear-mean\tpass\tmean V/V0 1.025, 0.8 to 1.2\n");
    EXPECT_EQ(checkSheetText(twoRecordsTwoPeriods(), QLocale::c(), {"1.20", ".4"}), expected);
}

TEST(CheckSheet, PeriodsWithoutTypedTextsAndTheUsersDecimalComma)
{
    SelectionCheck check = twoRecordsTwoPeriods();
    const QList<QStringList> rows = checkSheetRows(check, QLocale(QLocale::German));
    ASSERT_EQ(rows.size(), 4 + 1 + 11);
    EXPECT_EQ(rows[1], (QStringList{"El Centro.txt", "natural", "341,7", "24,5", "1,2", "0,9"}));
    EXPECT_TRUE(rows[4].isEmpty());
    EXPECT_EQ(rows[7][0], "spectrum@1,2");
    EXPECT_EQ(rows[8][0], "spectrum@0,4");
    EXPECT_EQ(rows[9][2], "24,5 s = 20,42 T1, at least 5 T1 (5 to 10 T1 is the usual range)");
    // A typed text names its own period, as the window names it; a period
    // without one goes by its number.
    const QList<QStringList> partly = checkSheetVerdictRows(check, QLocale::c(), {"1.20"});
    EXPECT_EQ(partly[2][0], "spectrum@1.20");
    EXPECT_EQ(partly[3][0], "spectrum@0.4");
}

TEST(CheckSheet, FiguresOfEachKindSayWhatDecided)
{
    SelectionCheck check = twoRecordsTwoPeriods();
    check.verdicts[0].verdict = Verdict::Pass;
    check.verdicts[0].value = 7;
    check.meanGoverns = true;
    check.verdicts[6].hasLimit = false;
    auto rows = checkSheetVerdictRows(check);
    EXPECT_EQ(rows[0][2], "7 records, at least 3; with 7 or more the larger of the mean of the results and the response-spectrum result governs");
    EXPECT_EQ(rows[6][2], "peak 341.7 cm/s^2; the table has no value for this intensity and action");
    check.verdicts[0].value = 4;
    check.meanGoverns = false;
    check.codeType = 1;
    check.verdicts[1].value = 2;
    rows = checkSheetVerdictRows(check);
    EXPECT_EQ(rows[0][2], "4 records, at least 3; with 3 to 6 the larger of the envelope of the results and the response-spectrum result governs");
    EXPECT_EQ(rows[1][2], "2 recorded, 1 artificial; at least 2 recorded and 1 artificial");
    // Four significant digits in the figures: 2/3 and a large shear ratio.
    check.codeType = 0;
    check.verdicts[1].value = 2;
    check.verdicts[1].second = 1;
    check.verdicts[9].value = 12345.6;
    rows = checkSheetVerdictRows(check);
    EXPECT_EQ(rows[1][2], "2 of 3 recorded (0.6667), at least 2/3");
    EXPECT_EQ(rows[9][2], "V/V0 12350, 0.65 to 1.35");
}

TEST(CheckSheet, HtmlCopyHoldsTheSameCellsEscaped)
{
    SelectionCheck check = twoRecordsTwoPeriods();
    check.records[1].name = "a<b>&c";
    const QString html = checkSheetHtml(check);
    EXPECT_TRUE(html.contains("<tr><th>record</th><th>kind</th><th>peak_cm_s2</th>"));
    EXPECT_TRUE(html.contains("<tr><td>a&lt;b&gt;&amp;c</td><td>artificial</td><td>70</td>"));
    EXPECT_TRUE(html.contains("<tr><td>mean</td><td></td><td></td><td></td><td>1</td><td>1</td></tr><tr></tr>"));
    EXPECT_TRUE(html.contains("<td>peak:a&lt;b&gt;&amp;c</td><td>pass</td>"));
}

struct ShownCell {
    const char* name;
    int row;
    int column;
    const char* text;
};

// The rows as the window shows and prints them (no translator installed:
// the English source words), from the same builder as the script's rows.
const ShownCell shownCells[] = {
    {"RecordHeading", 0, 0, "Record"},
    {"PeakHeadingWithItsUnit", 0, 2, "Peak (cm/s²)"},
    {"RatioHeadingNamesTheTypedPeriod", 0, 4, "αr/α at T1 = 1.20 s"},
    {"SecondPeriodAsTyped", 0, 5, "αr/α at T2 = .4 s"},
    {"KindInWords", 1, 1, "natural"},
    {"FiguresForReading", 1, 2, "341.7"},
    {"MeanRow", 3, 0, "Mean"},
    {"BlankRowBetweenTheTables", 4, 0, ""},
    {"CountCheck", 5, 0, "Number of records"},
    {"VerdictWord", 5, 1, "fail"},
    {"SpectrumCheckNamesItsPeriod", 8, 0, "Spectrum at T2 = .4 s"},
    {"SpectrumFigureInSymbols", 8, 2, "mean αr/α 1 (0.08 g / 0.08 g), 0.8 to 1.2"},
    {"DurationCheckNamesItsRecord", 9, 0, "Effective duration: El Centro.txt"},
    {"DurationTellsTheUsualRange", 9, 2, "24.5 s = 20.42 T1, at least 5 T1 (5 to 10 T1 is the usual range)"},
    {"PeakFigureInItsUnit", 11, 2, "peak 341.7 cm/s², table 70 cm/s²"},
    {"MeanShear", 15, 0, "Mean base shear"},
};

class ShownSheet : public ::testing::TestWithParam<ShownCell> {};

TEST_P(ShownSheet, CellReadsAsTheWindowShowsIt)
{
    const QList<QStringList> rows =
        checkSheetRows(twoRecordsTwoPeriods(), QLocale::c(), {"1.20", ".4"}, FigureWords::Translated);
    ASSERT_EQ(rows.size(), 4 + 1 + 11);
    const ShownCell cell = GetParam();
    EXPECT_EQ(rows[cell.row].value(cell.column), QString::fromUtf8(cell.text));
}

INSTANTIATE_TEST_SUITE_P(Cells, ShownSheet, ::testing::ValuesIn(shownCells),
                         [](const ::testing::TestParamInfo<ShownCell>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// The same sheet with its base shears computed from modes: the line of the
// response-spectrum method before them and both values in kN on each.
struct ModalSheetCase {
    const char* name;
    ModeCombination combination;
    double massRatioSum;
    int beyondCurve;
    bool upperLimits;
    QStringList lines;  // base-shear-rs, the two records, the mean
};

class ModalSheet : public testing::TestWithParam<ModalSheetCase> {};

TEST_P(ModalSheet, CarriesTheComputedShears)
{
    const ModalSheetCase& c = GetParam();
    SelectionCheck check = twoRecordsTwoPeriods();
    check.modalShears = ModalShears{c.combination, 12, c.massRatioSum, c.beyondCurve, 4321.06, {}, {2808.7, 6049.5}};
    check.verdicts[8].second = 2808.7;
    check.verdicts[9].second = 6049.5;
    check.shearUpperLimits = c.upperLimits;
    const QStringList lines = checkSheetText(check).split('\n');
    ASSERT_EQ(lines.size(), 4 + 1 + 12 + 1);
    EXPECT_EQ(lines.mid(13, 4), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    CheckSheet, ModalSheet,
    testing::Values(
        ModalSheetCase{"Cqc", ModeCombination::Cqc, 0.93, 0, true,
                       {"base-shear-rs\tinfo\tV0 4321 kN by CQC of 12 modes, mass ratio sum 0.93",
                        "base-shear:El Centro.txt\tpass\tV/V0 0.65 (2809 kN / 4321 kN), 0.65 to 1.35",
                        "base-shear:art-1\tfail\tV/V0 1.4 (6050 kN / 4321 kN), 0.65 to 1.35",
                        "base-shear-mean\tpass\tmean V/V0 1.025, 0.8 to 1.2"}},
        ModalSheetCase{"SrssShortOfMassInelastic", ModeCombination::Srss, 0.855, 0, false,
                       {"base-shear-rs\tinfo\tV0 4321 kN by SRSS of 12 modes, mass ratio sum 0.855; below 0.9: the "
                        "modes taken should carry at least 90 % of the mass",
                        "base-shear:El Centro.txt\tpass\tV/V0 0.65 (2809 kN / 4321 kN), at least 0.65",
                        "base-shear:art-1\tfail\tV/V0 1.4 (6050 kN / 4321 kN), at least 0.65",
                        "base-shear-mean\tpass\tmean V/V0 1.025, at least 0.8"}},
        ModalSheetCase{"ModesBeyondTheCurve", ModeCombination::Cqc, 0.9, 2, true,
                       {"base-shear-rs\tinfo\tV0 4321 kN by CQC of 12 modes, mass ratio sum 0.9; 2 modes above 6 s "
                        "take alpha at 6 s",
                        "base-shear:El Centro.txt\tpass\tV/V0 0.65 (2809 kN / 4321 kN), 0.65 to 1.35",
                        "base-shear:art-1\tfail\tV/V0 1.4 (6050 kN / 4321 kN), 0.65 to 1.35",
                        "base-shear-mean\tpass\tmean V/V0 1.025, 0.8 to 1.2"}},
        // 0.7 + 0.2 is a rounding below 0.9: no note.
        ModalSheetCase{"NinetyPercentTypedAsTwoRatios", ModeCombination::Cqc, 0.7 + 0.2, 0, true,
                       {"base-shear-rs\tinfo\tV0 4321 kN by CQC of 12 modes, mass ratio sum 0.9",
                        "base-shear:El Centro.txt\tpass\tV/V0 0.65 (2809 kN / 4321 kN), 0.65 to 1.35",
                        "base-shear:art-1\tfail\tV/V0 1.4 (6050 kN / 4321 kN), 0.65 to 1.35",
                        "base-shear-mean\tpass\tmean V/V0 1.025, 0.8 to 1.2"}}),
    [](const testing::TestParamInfo<ModalSheetCase>& info) { return std::string(info.param.name); });

}  // namespace

#include "export/ModeContributions.h"

namespace {

// Two modes and two records: each mode's own part, then the combined line
// (V0 by its combination, each record's V_TH, not the sum of its parts).
TEST(ModeContributions, OneRowPerModeThenTheCombinedFigures)
{
    const StructureModel structure{{{1.8, 0.7}, {0.45, 0.2}}, 10000, ModeCombination::Cqc};
    const ModalShears shears{ModeCombination::Cqc, 2, 0.9, 0, 294.108, {261.995, 86.3633}, {250.5, 301.25}};
    const QList<QStringList> rows =
        modeContributionRows(structure, shears, {"n1", "n2"}, {{240.1, 70.02}, {280.7, 60.9}}, QLocale::c());
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], (QStringList{"Mode", "Period (s)", "Mass ratio", "V0 part (kN)", "n1 (kN)", "n2 (kN)"}));
    EXPECT_EQ(rows[1], (QStringList{"1", "1.8", "0.7", "262", "240.1", "280.7"}));
    EXPECT_EQ(rows[2], (QStringList{"2", "0.45", "0.2", "86.36", "70.02", "60.9"}));
    EXPECT_EQ(rows[3], (QStringList{"Combined", "", "0.9", "294.1", "250.5", "301.3"}));
}

}  // namespace
