#include "common/KavrelError.h"
#include "export/AnalysisFile.h"
#include "spectrum/KavrelSpectrum.h"
#include "support/AnalysisFileReaders.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <tuple>

namespace {

AnalysisFileOptions optionsFor(AnalysisFormat format, PeriodRange periods = {})
{
    AnalysisFileOptions options;
    options.format = format;
    options.periods = periods;
    return options;
}

ReadFile readBack(AnalysisFormat format, const QByteArray& bytes)
{
    switch (format) {
    case AnalysisFormat::Csi:
        return readCsiFile(bytes);
    case AnalysisFormat::Midas:
        return readMidasFile(bytes);
    case AnalysisFormat::Staad:
        return readStaadFile(bytes);
    case AnalysisFormat::OpenSees:
        return readOpenSeesFile(bytes);
    case AnalysisFormat::Csv:
        return readDelimitedFile(bytes, ',', "period_s,alpha_g");
    case AnalysisFormat::Table:
        return readDelimitedFile(bytes, '\t', "period_s\talpha_g");
    }
    return {};
}

// Periods strictly increase and every value is alpha at its period.
void expectTheSpectrum(const KavrelSpectrum& spectrum, const std::vector<std::pair<double, double>>& points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto [period, value] = points[i];
        if (i > 0) {
            ASSERT_GT(period, points[i - 1].first) << "point " << i;
        }
        double alpha = -1;
        ASSERT_EQ(spectrum.alphaAt(period, alpha), 0) << period;
        ASSERT_NEAR(value, alpha, 1e-6 * std::fabs(alpha)) << "at " << period;
    }
}

std::vector<double> periodsOf(const KavrelSpectrum& spectrum, PeriodRange range = {})
{
    std::vector<double> periods;
    for (const SpectrumPoint& p : analysisPoints(spectrum, range))
        periods.push_back(p.period);
    return periods;
}

int occurrences(const std::vector<double>& periods, double period)
{
    return static_cast<int>(std::count_if(periods.begin(), periods.end(),
                                          [period](double p) { return std::fabs(p - period) < 1e-12; }));
}

struct Case {
    const char* name;
    double alphaMax;
    double tg;
    double damping;
    int code;
    std::size_t points;  // 601 grid periods and the corners off the grid
};

const Case cases[] = {
    {"Defaults", 0.04, 0.2, 0.05, 0, 601},
    {"Gbt51408Damping3Percent", 0.9, 0.35, 0.03, 2, 601},
    {"Gb2001TgAndFiveTgOffTheGrid", 2.43, 0.123, 0.05, 1, 603},
};

const AnalysisFormat formats[] = {AnalysisFormat::Table, AnalysisFormat::Csv,   AnalysisFormat::Csi,
                                  AnalysisFormat::Midas, AnalysisFormat::Staad, AnalysisFormat::OpenSees};

class EveryFormat : public testing::TestWithParam<std::tuple<AnalysisFormat, Case>> {};

TEST_P(EveryFormat, ReadsBackAsTheProgramReadsItWithEveryPairOnTheCurve)
{
    const AnalysisFormat format = std::get<0>(GetParam());
    const Case& c = std::get<1>(GetParam());
    const KavrelSpectrum spectrum("Spectrum-1", c.alphaMax, c.tg, c.damping, c.code);
    AnalysisFileOptions options = optionsFor(format);
    options.tag = 7;
    const ReadFile file = readBack(format, buildAnalysisFile(spectrum, options));
    ASSERT_EQ(file.error, QString());
    ASSERT_EQ(file.points.size(), c.points);
    EXPECT_EQ(file.points.front().first, 0.0);
    EXPECT_EQ(file.points.back().first, 6.0);
    expectTheSpectrum(spectrum, file.points);

    if (format == AnalysisFormat::Staad) {
        EXPECT_EQ(file.damping, c.damping);
    }
    if (format == AnalysisFormat::OpenSees) {
        EXPECT_EQ(file.tag, 7);
    }
    if (format == AnalysisFormat::Csi || format == AnalysisFormat::OpenSees || format == AnalysisFormat::Midas) {
        const QString said = (file.comments + file.titles).join('\n');
        EXPECT_TRUE(said.contains("Spectrum-1")) << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromStdString(spectrum.codeName()))) << said.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AnalysisFile, EveryFormat, testing::Combine(testing::ValuesIn(formats), testing::ValuesIn(cases)),
                         [](const testing::TestParamInfo<EveryFormat::ParamType>& info) {
                             return std::string(analysisFormatName(std::get<0>(info.param))) + "_"
                                 + std::get<1>(info.param).name;
                         });

// 0, 0.1 and 0.2 s of the default spectrum: alpha 0.45 x 0.04 (as the
// double product gives it), then the plateau 0.04.
TEST(AnalysisFile, TheBytesOfEachFormat)
{
    const KavrelSpectrum spectrum("Spectrum-1", 0.04, 0.2, 0.05, 0);
    const PeriodRange short_{0, 0.2, 0.1};
    const auto bytes = [&](AnalysisFormat format) { return buildAnalysisFile(spectrum, optionsFor(format, short_)); };

    EXPECT_EQ(bytes(AnalysisFormat::Table),
              QByteArray("period_s\talpha_g\n0\t0.018000000000000002\n0.1\t0.04\n0.2\t0.04\n"));
    EXPECT_EQ(bytes(AnalysisFormat::Csv), QByteArray("period_s,alpha_g\n0,0.018000000000000002\n0.1,0.04\n0.2,0.04\n"));
    EXPECT_EQ(bytes(AnalysisFormat::Csi), QByteArray("$ Response spectrum: Spectrum-1\r\n"
                                                     "$ Design code: GB 50011-2010\r\n"
                                                     "$ AlphaMax: 0.04\r\n"
                                                     "$ Tg: 0.2 s\r\n"
                                                     "$ Damping ratio: 0.05\r\n"
                                                     "$ Period (s) vs. value (g)\r\n"
                                                     "0 0.018000000000000002\r\n"
                                                     "0.1 0.04\r\n"
                                                     "0.2 0.04\r\n"));
    EXPECT_EQ(bytes(AnalysisFormat::Midas),
              QByteArray("*SGSw\r\n"
                         "*TITLE, Spectrum-1\r\n"
                         "*TITLE, GB 50011-2010 AlphaMax 0.04 Tg 0.2 s Damping ratio 0.05\r\n"
                         "*X-AXIS, Period (sec)\r\n"
                         "*Y-AXIS, Spectral Data\r\n"
                         "*UNIT&TYPE, GRAV, ACCEL\r\n"
                         "*FLAGS, 0, 0\r\n"
                         "*DATA\r\n"
                         "0, 0.018000000000000002\r\n"
                         "0.1, 0.04\r\n"
                         "0.2, 0.04\r\n"
                         "*ENDDATA\r\n"));
    EXPECT_EQ(bytes(AnalysisFormat::Staad), QByteArray("1 -3\r\n0.05\r\n0 0.018000000000000002\r\n0.1 0.04\r\n0.2 0.04\r\n"));
    EXPECT_EQ(bytes(AnalysisFormat::OpenSees),
              QByteArray("# Response spectrum: \"Spectrum-1\"\n"
                         "# Design code: GB 50011-2010, AlphaMax 0.04, Tg 0.2 s, damping ratio 0.05\n"
                         "# -time: period (s), -values: alpha (g)\n"
                         "timeSeries Path 1 -time {0 0.1 0.2} -values {0.018000000000000002 0.04 0.04}\n"));
}

TEST(AnalysisFile, CornersAreWrittenOnceWhereTheyLieInTheRange)
{
    {
        SCOPED_TRACE("Tg below 0.1 s");
        const auto periods = periodsOf(KavrelSpectrum("A", 0.04, 0.055, 0.05, 0));
        EXPECT_EQ(periods.size(), 603u);
        EXPECT_EQ(occurrences(periods, 0.055), 1);
        EXPECT_EQ(occurrences(periods, 0.1), 1);
        EXPECT_EQ(occurrences(periods, 0.275), 1);
    }
    {
        SCOPED_TRACE("Tg and 5 Tg on grid periods");
        const auto periods = periodsOf(KavrelSpectrum("A", 0.04, 0.35, 0.05, 0));
        EXPECT_EQ(periods.size(), 601u);
        EXPECT_EQ(occurrences(periods, 0.35), 1);
        EXPECT_EQ(occurrences(periods, 1.75), 1);
    }
    {
        SCOPED_TRACE("Tg of 0.1 s, the end of the rise");
        EXPECT_EQ(occurrences(periodsOf(KavrelSpectrum("A", 0.04, 0.1, 0.05, 0)), 0.1), 1);
    }
    {
        SCOPED_TRACE("5 Tg beyond 6 s");
        const auto periods = periodsOf(KavrelSpectrum("A", 0.04, 1.234, 0.05, 0));
        EXPECT_EQ(periods.size(), 602u);
        EXPECT_EQ(occurrences(periods, 1.234), 1);
        EXPECT_EQ(periods.back(), 6.0);
    }
    {
        SCOPED_TRACE("GB/T 51408 has no 5 Tg corner, GB 50011 has");
        const auto noStraightBranch = periodsOf(KavrelSpectrum("A", 0.04, 0.333, 0.05, 2));
        EXPECT_EQ(noStraightBranch.size(), 602u);
        EXPECT_EQ(occurrences(noStraightBranch, 1.665), 0);
        const auto straightBranch = periodsOf(KavrelSpectrum("A", 0.04, 0.333, 0.05, 1));
        EXPECT_EQ(straightBranch.size(), 603u);
        EXPECT_EQ(occurrences(straightBranch, 1.665), 1);
    }
    {
        SCOPED_TRACE("corners outside a shorter range");
        const auto periods = periodsOf(KavrelSpectrum("A", 0.04, 0.35, 0.05, 0), {0.5, 3, 0.25});
        EXPECT_EQ(periods, (std::vector<double>{0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 2.25, 2.5, 2.75, 3}));
    }
}

// The decimal text of n / 10^decimals, trailing zeros dropped: (29, 2) is 0.29.
QByteArray decimalText(int n, int decimals)
{
    QByteArray digits = QByteArray::number(n).rightJustified(decimals + 1, '0');
    QByteArray text = digits.left(digits.size() - decimals) + "." + digits.right(decimals);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

QList<QByteArray> periodTexts(const QByteArray& table)
{
    QList<QByteArray> texts;
    for (const QByteArray& line : analysis_readers::lines(table).mid(1))
        texts << line.left(line.indexOf('\t'));
    return texts;
}

TEST(AnalysisFile, PeriodsAreWrittenInTheirShortestExactForm)
{
    const KavrelSpectrum spectrum("A", 0.04, 0.2, 0.05, 0);
    const QList<QByteArray> chart = periodTexts(buildAnalysisFile(spectrum, optionsFor(AnalysisFormat::Table)));
    ASSERT_EQ(chart.size(), 601);
    for (int i = 0; i <= 600; ++i)
        ASSERT_EQ(chart[i], decimalText(i, 2)) << i;  // 0.29, never 0.29000000000000004

    // A start off the step: START + i x STEP carries START's third decimal.
    const QList<QByteArray> offset =
        periodTexts(buildAnalysisFile(spectrum, optionsFor(AnalysisFormat::Table, {0.005, 0.3, 0.01})));
    QList<QByteArray> expected;
    for (int i = 0; i < 30; ++i)
        expected << decimalText(5 + 10 * i, 3);
    expected.insert(10, "0.1");  // the corners between the grid periods
    expected.insert(21, "0.2");
    EXPECT_EQ(offset, expected);

    // 5 Tg in Tg's own digits, not as the product 1.6649999999999998.
    const QList<QByteArray> withCorner =
        periodTexts(buildAnalysisFile(KavrelSpectrum("A", 0.04, 0.333, 0.05, 0), optionsFor(AnalysisFormat::Table)));
    EXPECT_TRUE(withCorner.contains("0.333"));
    EXPECT_TRUE(withCorner.contains("1.665"));
}

TEST(AnalysisFile, PeriodRangesThatCannotBeSampled)
{
    EXPECT_EQ(periodRangeProblem({0, 6, 0.01}), QString());
    EXPECT_EQ(periodRangeProblem({6, 6, 0.5}), QString());  // one period
    EXPECT_EQ(periodRangeProblem({0, 5.999994, 0.000006}), QString());  // the most periods
    const QString outside = "the periods must lie within 0 and 6 s";
    EXPECT_EQ(periodRangeProblem({-0.01, 6, 0.01}), outside);
    EXPECT_EQ(periodRangeProblem({0, 6.01, 0.01}), outside);
    EXPECT_EQ(periodRangeProblem({0, std::nan(""), 0.01}), outside);
    EXPECT_EQ(periodRangeProblem({0, 6, 0}), "STEP must be greater than 0");
    EXPECT_EQ(periodRangeProblem({0, 6, -0.01}), "STEP must be greater than 0");
    EXPECT_EQ(periodRangeProblem({2, 1, 0.01}), "STOP must not be less than START");
    EXPECT_EQ(periodRangeProblem({0, 6, 0.000006}), "more than 1000000 periods");

    const KavrelSpectrum spectrum("A", 0.04, 0.2, 0.05, 0);
    try {
        buildAnalysisFile(spectrum, optionsFor(AnalysisFormat::Csi, {0, 6, 0}));
        ADD_FAILURE() << "a zero step was sampled";
    } catch (const KavrelError& error) {
        EXPECT_EQ(error.message(), "STEP must be greater than 0");
    }
}

TEST(AnalysisFile, ANameCannotBreakTheFile)
{
    {
        // A pasted line break would start a data line in the middle of a comment.
        const KavrelSpectrum spectrum("a\nb\tc", 0.04, 0.2, 0.05, 0);
        const ReadFile csi = readCsiFile(buildAnalysisFile(spectrum, optionsFor(AnalysisFormat::Csi)));
        EXPECT_EQ(csi.error, QString());
        EXPECT_EQ(csi.comments.value(0), "Response spectrum: a b c");
        EXPECT_EQ(csi.points.size(), 601u);
    }
    {
        // A comma would split MIDAS's title field.
        const KavrelSpectrum spectrum("Site A, frequent", 0.04, 0.2, 0.05, 0);
        const ReadFile midas = readMidasFile(buildAnalysisFile(spectrum, optionsFor(AnalysisFormat::Midas)));
        EXPECT_EQ(midas.error, QString());
        EXPECT_EQ(midas.titles.value(0), "Site A  frequent");
    }
    {
        // A Tcl comment ending in a backslash would swallow the command.
        const KavrelSpectrum spectrum("C:\\spectra\\", 0.04, 0.2, 0.05, 0);
        const ReadFile tcl = readOpenSeesFile(buildAnalysisFile(spectrum, optionsFor(AnalysisFormat::OpenSees)));
        EXPECT_EQ(tcl.error, QString());
        EXPECT_EQ(tcl.points.size(), 601u);
    }
}

TEST(AnalysisFile, WriteFailuresAreReported)
{
    const KavrelSpectrum spectrum("A", 0.04, 0.2, 0.05, 0);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    try {
        writeAnalysisFile(&readOnly, spectrum, optionsFor(AnalysisFormat::Staad));
        ADD_FAILURE() << "a device that takes nothing took the file";
    } catch (const KavrelError& error) {
        EXPECT_EQ(error.message(), "Stream write error");
    }

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("missing/A.txt");
    try {
        saveAnalysisFile(path, spectrum, optionsFor(AnalysisFormat::Csi));
        ADD_FAILURE() << "a file was written into a missing folder";
    } catch (const KavrelError& error) {
        EXPECT_EQ(error.message(), "Cannot create file \"" + path + "\". No such file or directory");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

} // namespace
