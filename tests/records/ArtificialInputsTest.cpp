#include "records/ArtificialInputs.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ArtificialTexts validTexts()
{
    ArtificialTexts texts;
    texts.count = 3;
    texts.duration = "12";
    texts.step = 0.02;
    texts.firstSeed = "7";
    texts.peak = "70";
    return texts;
}

} // namespace

TEST(ArtificialInputs, ReadsTheRequestWithThePeakInG)
{
    const InputRead<ArtificialBatchRequest> read = readArtificialTexts(validTexts(), QLocale::c());
    ASSERT_TRUE(read.accepted()) << read.refusal.toStdString();
    EXPECT_EQ(read.value.count, 3);
    EXPECT_EQ(read.value.record.duration, 12.0);
    EXPECT_EQ(read.value.record.step, 0.02);
    EXPECT_EQ(read.value.record.seed, 7u);
    ASSERT_TRUE(read.value.record.peak);
    EXPECT_DOUBLE_EQ(*read.value.record.peak, 70 / 980.665);
    EXPECT_FALSE(read.value.record.envelope);
    // The user's locale: a comma for the decimals.
    ArtificialTexts german = validTexts();
    german.duration = "12,5";
    german.step = 0.005;
    german.peak = "70,5";
    const auto read2 = readArtificialTexts(german, QLocale(QLocale::German));
    ASSERT_TRUE(read2.accepted()) << read2.refusal.toStdString();
    EXPECT_EQ(read2.value.record.duration, 12.5);
}

TEST(ArtificialInputs, RefusesEachWrongInputWithItsMessage)
{
    struct Case {
        void (*change)(ArtificialTexts&);
        const char* message;
    };
    const Case cases[] = {
        {[](ArtificialTexts& t) { t.duration = "long"; }, "\"long\" is not a valid floating number!"},
        {[](ArtificialTexts& t) { t.duration = "0"; }, "The duration must be above 0 s."},
        {[](ArtificialTexts& t) { t.duration = "-20"; }, "The duration must be above 0 s."},
        {[](ArtificialTexts& t) { t.duration = "12.01"; }, "The time step 0.02 s does not divide the duration 12.01 s."},
        {[](ArtificialTexts& t) { t.firstSeed = "-1"; }, "The first seed must be a whole number from 0 to 999999999."},
        {[](ArtificialTexts& t) { t.firstSeed = "1.5"; }, "The first seed must be a whole number from 0 to 999999999."},
        {[](ArtificialTexts& t) { t.firstSeed = "+3"; }, "The first seed must be a whole number from 0 to 999999999."},
        {[](ArtificialTexts& t) { t.firstSeed = "1000000000"; }, "The first seed must be a whole number from 0 to 999999999."},
        {[](ArtificialTexts& t) { t.firstSeed = ""; }, "The first seed must be a whole number from 0 to 999999999."},
        {[](ArtificialTexts& t) { t.peak = ""; }, "\"\" is not a valid floating number!"},
        {[](ArtificialTexts& t) { t.peak = "0"; }, "The peak acceleration must be above 0 cm/s^2."},
        {[](ArtificialTexts& t) { t.peak = "-0"; }, "The peak acceleration must be above 0 cm/s^2."},
    };
    for (const Case& c : cases) {
        ArtificialTexts texts = validTexts();
        c.change(texts);
        EXPECT_EQ(readArtificialTexts(texts, QLocale::c()).refusal, c.message) << c.message;
    }
    ArtificialTexts edge = validTexts();
    edge.firstSeed = "999999999";
    EXPECT_TRUE(readArtificialTexts(edge, QLocale::c()).accepted());
}

namespace {

struct ProposedPeakCase {
    const char* name;
    double alphaMax;
    int code;
    int intensity;
    int action;
    double peak;
};

// Table 5.1.2-2 where it has a value; else 0.45 AlphaMax x 980.665 cm/s^2
// (70.608, 35.304, 397.169, 247.118) rounded.
const ProposedPeakCase proposedPeakCases[] = {
    {"FrequentEightTakesTheTables70Not71", 0.16, 0, 3, 0, 70},
    {"RareEightOf2001TakesTheTables400", 0.90, 1, 3, 2, 400},
    {"UnknownOriginTakesTheCurve", 0.16, 0, -1, -1, 71},
    {"DesignBasisHasNoTableValue", 0.08, 1, 1, 1, 35},
    {"Rare2010WithoutIndices", 0.9, 0, -1, -1, 397},
    {"Code51408HasNoTable", 0.56, 2, 3, 0, 247},
};

class ProposedPeak : public ::testing::TestWithParam<ProposedPeakCase> {};

} // namespace

TEST_P(ProposedPeak, IsTheTablesPeakElseAlphaAtZeroTimesGRounded)
{
    const ProposedPeakCase c = GetParam();
    const KavrelSpectrum target("T", c.alphaMax, 0.4, 0.05, c.code);
    EXPECT_EQ(proposedArtificialPeak(target, c.intensity, c.action), c.peak);
}

INSTANTIATE_TEST_SUITE_P(Targets, ProposedPeak, ::testing::ValuesIn(proposedPeakCases),
                         [](const ::testing::TestParamInfo<ProposedPeakCase>& info) { return std::string(info.param.name); });
