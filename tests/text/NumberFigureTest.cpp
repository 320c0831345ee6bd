#include "text/FigureText.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Figure {
    const char* name;
    double value;
    int significant;
    int decimals;
    const char* text;
};

class FormatFigure : public testing::TestWithParam<Figure> {};

TEST_P(FormatFigure, RoundsToItsDigitsAndPlaces)
{
    EXPECT_EQ(formatFigure(GetParam().value, GetParam().significant, GetParam().decimals, QLocale::c()),
              QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, FormatFigure,
    testing::Values(Figure{"FourSignificant", 1234.5678, 4, 6, "1235"},
                    Figure{"FourSignificantOfARatio", 0.98765, 4, 6, "0.9877"},
                    Figure{"LargeValueKeepsItsPlaces", 123456.78, 4, 6, "123500"},
                    Figure{"DecimalsBeforeDigits", 12.345678, 15, 4, "12.3457"},
                    Figure{"NegativeZeroIsZero", -0.00001, 15, 4, "0"},
                    Figure{"NegativeKept", -0.00006, 15, 4, "-0.0001"},
                    Figure{"ExactHalfOfTheDecimalRoundsAway", 0.125, 15, 2, "0.13"},
                    Figure{"TinyIsZero", 1.43e-297, 4, 6, "0"},
                    Figure{"SubnormalIsZero", std::numeric_limits<double>::denorm_min(), 4, 6, "0"},
                    Figure{"LargestDoubleKeepsItsDigits", std::numeric_limits<double>::max(), 4, 6, "1.798E308"},
                    Figure{"ZeroIsZero", -0.0, 4, 6, "0"}),
    [](const testing::TestParamInfo<Figure>& info) { return std::string(info.param.name); });

TEST(FormatFigure, UsesTheLocalesDecimalMark)
{
    EXPECT_EQ(formatFigure(0.98765, 4, 6, QLocale(QLocale::German)), "0,9877");
}

}  // namespace
