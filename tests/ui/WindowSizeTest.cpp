#include "ui/WindowSize.h"

#include <gtest/gtest.h>

namespace {

struct SizeCase {
    const char* name;
    QSize available;
    QSize expected;
};

class OpeningSizeTest : public testing::TestWithParam<SizeCase> {};

// The main window's design: 952 x 554 and a menu bar.
const QSize design(952, 576);

TEST_P(OpeningSizeTest, GrowsWithTheScreenWithinLimits)
{
    EXPECT_EQ(openingSize(design, GetParam().available), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OpeningSizeTest,
    testing::Values(
        // 0.85 x 1280 / 952 = 1.1429 is the narrower limit.
        SizeCase{"Xga1280x1024", QSize(1280, 1024), QSize(1088, 658)},
        // 0.85 x 1040 / 576 = 1.5347: held at half as large again.
        SizeCase{"FullHd", QSize(1920, 1040), QSize(1428, 864)},
        SizeCase{"FourK", QSize(3840, 2100), QSize(1428, 864)},
        // 0.85 x 640 / 576 < 1: the design, which still fits.
        SizeCase{"SmallLaptop", QSize(1366, 640), QSize(952, 576)},
        SizeCase{"SmallerThanTheDesign", QSize(800, 500), QSize(800, 500)},
        SizeCase{"NoScreenKnown", QSize(0, 0), QSize(952, 576)}),
    [](const testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.name); });

} // namespace
