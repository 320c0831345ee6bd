#include "records/TabulatedCurveItem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(TabulatedCurveItem, ReadsTabulatedValuesExactlyAndTheStraightLineBetween)
{
    const TabulatedCurveItem curve("Mean", {0.0, 0.1, 0.5, 2.0}, {0.2, 0.4, 0.4, 0.1}, 0.05, {"R1"});
    // 0.3 s lies on the plateau, 1.25 s halfway down from 0.4 to 0.1; 0.05 s
    // halfway up. Beyond 2.0 s the curve says nothing, so the list stops.
    const std::vector<double> values = curve.valuesAt({0.0, 0.05, 0.1, 0.3, 1.25, 2.0, 2.01, 3.0});
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0], 0.2);
    EXPECT_DOUBLE_EQ(values[1], 0.3);
    EXPECT_EQ(values[2], 0.4);
    EXPECT_EQ(values[3], 0.4);
    EXPECT_DOUBLE_EQ(values[4], 0.25);
    EXPECT_EQ(values[5], 0.1);
    EXPECT_TRUE(TabulatedCurveItem("Late", {1.0, 2.0}, {1, 1}, 0.05, {}).valuesAt({0.5, 1.0}).empty());
}

TEST(TabulatedCurveItem, RefusesPointsThatMakeNoCurve)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::vector<double> periods;
        std::vector<double> values;
        double damping;
        const char* fault;
    };
    const Case cases[] = {
        {{0, 1}, {0.1}, 0.05, "has 2 periods but 1 values"},
        {{0}, {0.1}, 0.05, "has fewer than 2 points"},
        {{0, 1, 1}, {0.1, 0.2, 0.3}, 0.05, "has at point 3 a period not above the one before"},
        {{-0.1, 1}, {0.1, 0.2}, 0.05, "has at point 1 a period that is not a finite number of at least 0"},
        {{0, nan}, {0.1, 0.2}, 0.05, "has at point 2 a period that is not a finite number of at least 0"},
        {{0, 1}, {0.1, -1e-9}, 0.05, "has at point 2 a value that is not a finite number of at least 0"},
        {{0, 1}, {0.1, 0.2}, 1.0, "has a damping ratio outside 0 to below 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        EXPECT_EQ(TabulatedCurveItem::curveFault(c.periods, c.values, c.damping), std::string(c.fault));
        EXPECT_THROW(TabulatedCurveItem("X", c.periods, c.values, c.damping, {}), std::invalid_argument);
    }
    EXPECT_EQ(TabulatedCurveItem::curveFault({0, 1}, {0, 0}, 0.0), std::nullopt);
}
