#include "chart/AxisScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct StepCase {
    const char* name;
    double range;
    double increment;
    int maxLabels;
    double expected;
};

class LabelStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(LabelStepTest, RoundStepNoFinerThanTheIncrement)
{
    const StepCase& c = GetParam();
    EXPECT_DOUBLE_EQ(labelStep(c.range, c.increment, c.maxLabels), c.expected);
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Steps, LabelStepTest,
    testing::Values(
        StepCase{"IncrementItselfWhenItFits", 0.04, 0.0025, 20, 0.0025},  // 16 steps
        StepCase{"TwiceTheIncrement", 0.04, 0.0025, 10, 0.005},
        // 0.0125 would fit too, and put labels on 0.0375: the next round step.
        StepCase{"TenTimesNotTwelvePointFive", 0.04, 0.0025, 5, 0.01},
        // A spectrum peaking at 0.1375 once had labels 0.1125, 0.125, 0.1375.
        StepCase{"NoLabelsOnEighthsOfATenth", 0.1375, 0.0025, 11, 0.02},
        StepCase{"TwoPointFiveTimesAPower", 2.43, 0.0025, 10, 0.25},
        StepCase{"FiveTimesAPower", 1.8, 0.0025, 4, 0.5},
        StepCase{"WholeNumbers", 1000.0, 0.0025, 10, 100.0},
        StepCase{"NoRangeGivesTheIncrement", 0.0, 0.0025, 10, 0.0025},
        StepCase{"InfiniteRangeGivesTheIncrement", inf, 0.0025, 10, 0.0025},
        StepCase{"AtLeastOneLabel", 1.0, 0.0025, 0, 1.0},
        // An increment that is no round step itself: the next round one.
        StepCase{"UnroundIncrementRoundedUp", 0.01, 0.003, 100, 0.005},
        StepCase{"RangeNearTheLargestDouble", 9e307, 0.0025, 10, 1e307},
        StepCase{"NoIncrementIsKept", 1.0, 0.0, 10, 0.0}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

// Over many ranges: a step is 1, 2, 2.5 or 5 times a power of ten, fits,
// and the round step below it would not.
TEST(LabelStep, EveryStepIsRoundAndTheSmallestThatFits)
{
    const double round[] = {1, 2, 2.5, 5, 10};
    for (double range = 0.003; range < 5e4; range *= 1.07) {
        for (int labels : {2, 5, 9, 22}) {
            const double step = labelStep(range, 0.0025, labels);
            ASSERT_GE(step, 0.0025) << range;
            ASSERT_LE(range / step, labels * (1 + 1e-12)) << range << " " << labels;
            const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
            const double mantissa = step / decade;
            int place = -1;
            for (int i = 0; i < 5; ++i) {
                if (std::abs(mantissa - round[i]) < 1e-9)
                    place = i;
            }
            ASSERT_GE(place, 0) << "step " << step << " for " << range;
            const double below = place == 0 ? 0.5 * decade : round[place - 1] * decade;
            if (below >= 0.0025 * (1 - 1e-9)) {
                ASSERT_GT(range / below, labels) << "step " << step << " for " << range << ", " << below << " fits";
            }
        }
    }
}

} // namespace
