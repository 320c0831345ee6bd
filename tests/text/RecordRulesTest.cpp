#include "text/RecordRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace {

struct RangeCase {
    const char* label;
    bool (*rule)(double);
    double value;
    bool accepted;
};

// Named by its label where a case is listed.
void PrintTo(const RangeCase& c, std::ostream* out)
{
    *out << c.label;
}

class RecordRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(RecordRanges, HoldAtTheirBounds)
{
    EXPECT_EQ(GetParam().rule(GetParam().value), GetParam().accepted);
}

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    RecordRules, RecordRanges,
    testing::Values(RangeCase{"dampingZero", isOscillatorDamping, 0.0, true},
                    RangeCase{"dampingNegativeZero", isOscillatorDamping, -0.0, true},
                    RangeCase{"dampingJustBelowCritical", isOscillatorDamping, std::nextafter(1.0, 0.0), true},
                    RangeCase{"dampingCritical", isOscillatorDamping, 1.0, false},
                    RangeCase{"dampingTinyNegative", isOscillatorDamping, -5e-324, false},
                    RangeCase{"dampingNan", isOscillatorDamping, nan, false},
                    RangeCase{"peakZero", isTargetPeak, 0.0, false},
                    RangeCase{"peakTiny", isTargetPeak, 5e-324, true},
                    RangeCase{"peakInfinite", isTargetPeak, inf, false},
                    RangeCase{"peakNan", isTargetPeak, nan, false}),
    [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.label); });

struct StepCase {
    const char* label;
    double step;
    double duration;
    bool divides;
};

// Named by its label where a case is listed.
void PrintTo(const StepCase& c, std::ostream* out)
{
    *out << c.label;
}

class StepsOfDuration : public testing::TestWithParam<StepCase> {};

// 20 / 0.01 is 1999.9999999999998 in doubles: a whole number of steps all the same.
TEST_P(StepsOfDuration, AreWholeToRounding)
{
    EXPECT_EQ(stepDividesDuration(GetParam().step, GetParam().duration), GetParam().divides);
}

INSTANTIATE_TEST_SUITE_P(RecordRules, StepsOfDuration,
                         testing::Values(StepCase{"roundedQuotient", 0.01, 20.0, true},
                                         StepCase{"halfStep", 0.005, 12.005, true},
                                         StepCase{"hundredthLeftOver", 0.02, 12.01, false},
                                         StepCase{"halfStepLeftOver", 0.01, 12.005, false}),
                         [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.label); });

TEST(RecordRules, RefusalsReadAsSentencesAndAsTheTailOfALine)
{
    EXPECT_EQ(dampingRangeRefusal(), "The damping ratio must be at least 0 and below 1.");
    EXPECT_EQ(refusalFragment(targetPeakRefusal()), "the target peak must be a number above 0");
    EXPECT_EQ(refusalFragment(targetDampingRangeRefusal()),
              "the target spectrum's damping ratio must be at least 0 and below 1");
    EXPECT_EQ(refusalFragment(QString::fromUtf8("阻尼比必须小于 1。")), QString::fromUtf8("阻尼比必须小于 1"));
    EXPECT_EQ(refusalFragment(QString()), QString());
}

} // namespace
