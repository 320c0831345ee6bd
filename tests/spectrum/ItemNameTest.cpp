#include "spectrum/ItemName.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

namespace {

struct NumberedCase {
    const char* label;
    std::string base;
    const char* marker;
    int first;
    std::set<std::string> taken;
    std::string expected;
};

// Named by its label where a case is listed.
void PrintTo(const NumberedCase& c, std::ostream* out)
{
    *out << c.label;
}

class NumberedNames : public testing::TestWithParam<NumberedCase> {};

// Every made name is numbered past the taken ones and stays under 20 bytes,
// its base cut before a whole character (3 bytes a Han character, 4 an emoji).
TEST_P(NumberedNames, AreFreeShortAndCutAtAWholeCharacter)
{
    const NumberedCase& c = GetParam();
    const std::string name =
        firstFreeNumberedName(c.base, c.marker, c.first, [&](const std::string& n) { return c.taken.count(n) > 0; });
    EXPECT_EQ(name, c.expected);
    EXPECT_TRUE(withinNameLimit(name));
}

INSTANTIATE_TEST_SUITE_P(
    ItemName, NumberedNames,
    testing::Values(NumberedCase{"keptMeanFirst", "Mean of records", nameNumbering::keptMean, 1, {}, "Mean of records 1"},
                    NumberedCase{"keptMeanPastTaken", "Mean of records", nameNumbering::keptMean, 1,
                                 {"Mean of records 1", "Mean of records 2"}, "Mean of records 3"},
                    // 15 letters and " 1000" would be 20 bytes: one letter goes.
                    NumberedCase{"keptMeanLongNumber", "Mean of records", nameNumbering::keptMean, 1000, {},
                                 "Mean of record 1000"},
                    NumberedCase{"hanBase", "人工波人工波人工", nameNumbering::artificial, 1, {}, "人工波人工-A1"},
                    NumberedCase{"emojiBase", "ab\xF0\x9F\x8C\x8B\xF0\x9F\x8C\x8B\xF0\x9F\x8C\x8B\xF0\x9F\x8C\x8B",
                                 nameNumbering::copy, 2, {}, "ab\xF0\x9F\x8C\x8B\xF0\x9F\x8C\x8B\xF0\x9F\x8C\x8B-2"}),
    [](const testing::TestParamInfo<NumberedCase>& info) { return std::string(info.param.label); });

TEST(ItemName, CutKeepsWholeCharactersAndShortTextsWhole)
{
    EXPECT_EQ(cutAtCharacter("abc", 3), "abc");
    EXPECT_EQ(cutAtCharacter("汶川", 5), "汶");
    EXPECT_EQ(cutAtCharacter("汶川", 2), "");
}

} // namespace
