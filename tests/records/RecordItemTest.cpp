#include "records/RecordItem.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

TEST(RecordItem, NamesAreMadeFreeWithinTheLimitAtWholeCharacters)
{
    struct Case {
        std::string base;
        std::set<std::string> taken;
        std::string expected;
    };
    const Case cases[] = {
        {"north", {}, "north"},
        {"north", {"north"}, "north-2"},
        {"north", {"north", "north-2", "north-3"}, "north-4"},
        // 19 bytes: the suffix takes the base's last two.
        {"RSN953_NORTHR_MUL00", {"RSN953_NORTHR_MUL00"}, "RSN953_NORTHR_MUL-2"},
        // Six Han characters (18 bytes): cut before a whole character.
        {"北岭地震记录波", {"北岭地震记录波"}, "北岭地震记-2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        const std::string name =
            uniqueItemName(c.base, 20, [&](const std::string& n) { return c.taken.count(n) > 0; });
        EXPECT_EQ(name, c.expected);
        EXPECT_LT(name.size(), 20u);
    }
}

TEST(RecordItem, ScalingMeetsTheTargetAndRefusesWhatCannotBeUsed)
{
    auto record = std::make_shared<GroundMotionRecord>();
    record->step = 0.01;
    record->accelerationG = {0.0, 0.1, -0.2, 0.05};
    const RecordItem scaled("r", record, RecordScaling{98.0665, 0.05});
    EXPECT_DOUBLE_EQ(scaled.scaleFactor(), 0.5);  // 0.1 g of a 0.2 g record
    EXPECT_DOUBLE_EQ(scaled.scaledRecord().accelerationG[2], -0.1);
    // T = 0 is the peak; periods past 20 s end the list.
    const std::vector<double> values = scaled.valuesAt({0.0, 0.5, 20.0, 20.5, 1.0});
    ASSERT_EQ(values.size(), 3u);
    EXPECT_DOUBLE_EQ(values[0], 0.1);
    EXPECT_EQ(scaled.valuesAt({0.0, 0.5, 20.0, 20.5, 1.0}), values);
    const RecordItem asRecorded("r", record, RecordScaling{std::nullopt, 0.0});
    EXPECT_EQ(asRecorded.scaleFactor(), 1.0);
    EXPECT_DOUBLE_EQ(asRecorded.usedPeakGal(), 0.2 * 980.665);

    for (const RecordScaling& bad : {RecordScaling{0.0, 0.05}, RecordScaling{-1.0, 0.05},
                                     RecordScaling{std::nullopt, 1.0}, RecordScaling{std::nullopt, -0.01}})
        EXPECT_THROW(RecordItem("r", record, bad), std::invalid_argument);
    auto single = std::make_shared<GroundMotionRecord>();
    single->step = 0.01;
    single->accelerationG = {0.1};
    EXPECT_THROW(RecordItem("r", single, {}), std::invalid_argument);
}
