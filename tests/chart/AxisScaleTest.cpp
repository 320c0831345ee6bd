#include "chart/AxisScale.h"

#include <gtest/gtest.h>

TEST(AxisScale, DesiredIncrementIsTheSmallestStepAndWidensToFit)
{
    EXPECT_DOUBLE_EQ(labelStep(0.04, 0.0025, 20), 0.0025);  // 16 steps fit
    EXPECT_DOUBLE_EQ(labelStep(0.04, 0.0025, 10), 0.005);
    EXPECT_DOUBLE_EQ(labelStep(0.04, 0.0025, 5), 0.0125);
    EXPECT_DOUBLE_EQ(labelStep(2.43, 0.0025, 10), 0.25);
    EXPECT_DOUBLE_EQ(labelStep(1000.0, 0.0025, 10), 125.0);
    EXPECT_DOUBLE_EQ(labelStep(0.0, 0.0025, 10), 0.0025);
    EXPECT_DOUBLE_EQ(labelStep(1.0, 0.0025, 0), 1.25);
}
