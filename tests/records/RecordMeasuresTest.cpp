#include "records/CodePeaks.h"
#include "records/RecordMeasures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CodePeaks, TableValuesAndTheDesignCurveWhereTheTableHasNone)
{
    struct Case { int code, intensity, action; double alphaMax, peak; };
    const Case cases[] = {
        {0, 0, 0, 0.04, 18},   {0, 2, 0, 0.12, 55},  {0, 5, 0, 0.32, 140},
        {0, 0, 2, 0.28, 125},  {0, 4, 2, 1.20, 510}, {1, 3, 2, 0.90, 400},
        {1, 1, 0, 0.08, 35},
        // No table value: 0.45 AlphaMax g rounded (0.45 x 0.45 x 980.665 = 198.58).
        {0, 3, 1, 0.45, 199},  {0, 3, 3, 1.40, 618}, {1, 0, 0, 0.04, 18}, {2, 3, 0, 0.16, 71},
    };
    for (const Case& c : cases)
        EXPECT_EQ(defaultTargetPeak(c.code, c.intensity, c.action, c.alphaMax), c.peak)
            << c.code << " " << c.intensity << " " << c.action;
    EXPECT_FALSE(codeTablePeak(1, 0, 0).has_value());
    EXPECT_FALSE(codeTablePeak(2, 3, 2).has_value());
}

TEST(RecordMeasures, EffectiveDurationRunsFromFirstToLastTenthOfThePeak)
{
    // Peak 10: the first |a| >= 1 is at index 2, the last at index 7.
    const std::vector<double> a{0.5, -0.99, 1.0, 3, -10, 0.2, 0.3, -1.0, 0.99, 0};
    EXPECT_NEAR(effectiveDuration(a, 0.02), 5 * 0.02, 1e-15);
    EXPECT_EQ(effectiveDuration(std::vector<double>(5, 0.0), 0.01), 0.0);
    EXPECT_EQ(peakAbsolute(a), 10.0);
}

// A constant acceleration a from rest: v = a t, d = a t^2 / 2 exactly; a
// straight line a = t: v = t^2 / 2, d = t^3 / 6.
TEST(RecordMeasures, IntegrationIsExactForStraightLines)
{
    const double h = 0.01;
    const auto constant = integrateHistory(std::vector<double>(101, 2.0), h);
    EXPECT_NEAR(constant.velocity.back(), 2.0, 1e-12);
    EXPECT_NEAR(constant.displacement.back(), 1.0, 1e-12);
    std::vector<double> ramp;
    for (int i = 0; i <= 100; ++i)
        ramp.push_back(i * h);
    const auto line = integrateHistory(ramp, h);
    EXPECT_NEAR(line.velocity.back(), 0.5, 1e-12);
    EXPECT_NEAR(line.displacement.back(), 1.0 / 6, 1e-12);
}

}  // namespace
