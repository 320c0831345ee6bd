#include "text/NarrowText.h"
#include "text/NumberText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {
const QLocale point(QLocale::English, QLocale::UnitedStates);
const QLocale comma(QLocale::German, QLocale::Germany);
} // namespace

TEST(GeneralForm, ShortestTextWithFifteenDigits)
{
    EXPECT_EQ(formatGeneral(0.04, point), "0.04");
    EXPECT_EQ(formatGeneral(1.0, point), "1");
    EXPECT_EQ(formatGeneral(0.0, point), "0");
    EXPECT_EQ(formatGeneral(-0.0, point), "0");
    EXPECT_EQ(formatGeneral(6.0, point), "6");
    EXPECT_EQ(formatGeneral(0.1 + 0.2, point), "0.3");
    EXPECT_EQ(formatGeneral(0.050, point), "0.05");
    EXPECT_EQ(formatGeneral(2.43, point), "2.43");
    EXPECT_EQ(formatGeneral(-1.25, point), "-1.25");
    EXPECT_EQ(formatGeneral(123456.789, point), "123456.789");
    EXPECT_EQ(formatGeneral(1.0 / 3.0, point), "0.333333333333333");
    EXPECT_EQ(formatGeneral(2.0 / 3.0, point), "0.666666666666667");
    // Period headers of the grid, computed as products.
    EXPECT_EQ(formatGeneral(3 * 0.05, point), "0.15");
    EXPECT_EQ(formatGeneral(7 * 0.05, point), "0.35");
    EXPECT_EQ(formatGeneral(120 * 0.05, point), "6");
}

TEST(GeneralForm, ScientificOutsideTheFixedRange)
{
    EXPECT_EQ(formatGeneral(0.0001, point), "0.0001");
    EXPECT_EQ(formatGeneral(0.00012, point), "0.00012");
    EXPECT_EQ(formatGeneral(5e-5, point), "5E-5");
    EXPECT_EQ(formatGeneral(1.5e-5, point), "1.5E-5");
    EXPECT_EQ(formatGeneral(1e-100, point), "1E-100");
    EXPECT_EQ(formatGeneral(1e15, point), "1E15");
    EXPECT_EQ(formatGeneral(999999999999999.0, point), "999999999999999");
    // Rounds up to 1E15 at fifteen digits, so it is written as such.
    EXPECT_EQ(formatGeneral(999999999999999.9, point), "1E15");
    EXPECT_EQ(formatGeneral(-2.5e20, point), "-2.5E20");
}

TEST(GeneralForm, UsesTheLocaleSeparator)
{
    EXPECT_EQ(formatGeneral(0.04, comma), "0,04");
    EXPECT_EQ(formatGeneral(1.5e-5, comma), "1,5E-5");
    EXPECT_EQ(formatGeneral(12, comma), "12");
}

TEST(FixedPatterns, GridAndPeriodTexts)
{
    EXPECT_EQ(formatFixed(0.018, 6, point), "0.018000");
    EXPECT_EQ(formatFixed(0.0327220, 6, point), "0.032722");
    EXPECT_EQ(formatFixed(0.0, 6, point), "0.000000");
    EXPECT_EQ(formatFixed(2.43, 6, point), "2.430000");
    EXPECT_EQ(formatFixed(0.0000004, 6, point), "0.000000");
    EXPECT_EQ(formatFixed(0.00000051, 6, point), "0.000001");
    // 0.0000005 is stored just below the half, so it rounds down.
    EXPECT_EQ(formatFixed(0.0000005, 6, point), "0.000000");
    EXPECT_EQ(formatFixed(0.9999996, 6, point), "1.000000");
    EXPECT_EQ(formatFixed(12.5, 2, point), "12.50");
    EXPECT_EQ(formatFixed(600 * 0.01, 2, point), "6.00");
    EXPECT_EQ(formatFixed(7 * 0.01, 2, point), "0.07");
    EXPECT_EQ(formatFixed(-0.0000001, 6, point), "0.000000");
    EXPECT_EQ(formatFixed(-0.25, 2, point), "-0.25");
    // An exact half rounds away from zero, as the pattern does on paper.
    EXPECT_EQ(formatFixed(0.125, 2, point), "0.13");
    EXPECT_EQ(formatFixed(0.0078125, 6, point), "0.007813");
    EXPECT_EQ(formatFixed(0.04, 6, comma), "0,040000");
    EXPECT_EQ(formatFixed(0.5, 0, point), "1");
}

TEST(FixedPatterns, ScientificValueTexts)
{
    EXPECT_EQ(formatScientific4(0.018, point), "1.8000E-02");
    EXPECT_EQ(formatScientific4(0.0202, point), "2.0200E-02");
    EXPECT_EQ(formatScientific4(0.0, point), "0.0000E+00");
    EXPECT_EQ(formatScientific4(0.009397, point), "9.3970E-03");
    EXPECT_EQ(formatScientific4(0.99999, point), "9.9999E-01");
    EXPECT_EQ(formatScientific4(0.9999951, point), "1.0000E+00");
    EXPECT_EQ(formatScientific4(2.43, point), "2.4300E+00");
    EXPECT_EQ(formatScientific4(1.5e-120, point), "1.5000E-120");
    EXPECT_EQ(formatScientific4(-0.018, point), "-1.8000E-02");
    EXPECT_EQ(formatScientific4(0.018, comma), "1,8000E-02");
}

namespace {

std::string fixedText(double value, int decimals, std::string_view separator = ".")
{
    std::string out = "[";  // appended to, not replaced
    appendFixed(out, value, decimals, separator);
    return out.substr(1);
}

std::string scientificText(double value, std::string_view separator = ".")
{
    std::string out = "[";
    appendScientific4(out, value, separator);
    return out.substr(1);
}

// The C library rounds the exact value to nearest too, but an exact half to
// even: for every value that is not a half it is an independent reference.
std::string printed(const char* format, double value)
{
    char text[512];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The C library keeps the sign of a negative value that rounds to zero; the
// pattern writes no sign before a text of zeros.
std::string printedFixed(const char* format, double value)
{
    std::string text = printed(format, value);
    if (text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

// Whether `value` lies exactly half way between two texts that keep
// `decimals` decimals of the "%.80f" or "%.80e" form (exact for the values
// below): there the C library rounds to even and the patterns away from zero.
bool exactHalf(const char* exactFormat, double value, int decimals)
{
    const std::string text = printed(exactFormat, std::fabs(value));
    const auto rest = text.find('.') + 1 + static_cast<std::size_t>(decimals);
    return text[rest] == '5' && text.find_first_not_of('0', rest + 1) == text.find_first_of("eE", rest + 1);
}

} // namespace

TEST(NarrowPatterns, AgreeWithTheExactValueRoundedToNearest)
{
    std::mt19937_64 random(20210912);
    std::uniform_real_distribution<double> exponent(-45.0, 45.0);
    std::uniform_real_distribution<double> period(0.0, 6.0);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::pow(10.0, exponent(random)) * (i % 2 ? 1 : -1);
        ASSERT_FALSE(exactHalf("%.80e", value, 4)) << value;
        ASSERT_EQ(scientificText(value), printed("%.4E", value)) << value;
        const double small = period(random) * (i % 3 ? 1 : -1);
        ASSERT_EQ(fixedText(small, 2), printedFixed("%.2f", small)) << small;
        ASSERT_EQ(fixedText(small, 6), printedFixed("%.6f", small)) << small;
        // Large doubles have few binary places, so some are exact halves.
        if (!exactHalf("%.80f", value, 2)) {
            ASSERT_EQ(fixedText(value, 2), printedFixed("%.2f", value)) << value;
        }
    }
    // The data rows' periods, and values just either side of a half.
    for (int i = 0; i <= 600; ++i)
        EXPECT_EQ(fixedText(i * 0.01, 2), printed("%.2f", i * 0.01)) << i;
    for (const double half : {0.125, 1.03125, 0.00390625, 123465.0, 2.5}) {
        for (const double near : {std::nextafter(half, 0.0), std::nextafter(half, 1e300)}) {
            EXPECT_EQ(scientificText(near), printed("%.4E", near)) << near;
            EXPECT_EQ(fixedText(near, 2), printed("%.2f", near)) << near;
            EXPECT_EQ(fixedText(near, 0), printed("%.0f", near)) << near;
        }
    }
}

TEST(NarrowPatterns, AnExactHalfRoundsAwayFromZero)
{
    EXPECT_EQ(scientificText(1.03125), "1.0313E+00");
    EXPECT_EQ(scientificText(-1.03125), "-1.0313E+00");
    EXPECT_EQ(scientificText(0.00390625), "3.9063E-03");
    EXPECT_EQ(scientificText(123465.0), "1.2347E+05");
    EXPECT_EQ(scientificText(999995.0), "1.0000E+06");
    EXPECT_EQ(fixedText(0.125, 2), "0.13");
    EXPECT_EQ(fixedText(-0.125, 2), "-0.13");
    EXPECT_EQ(fixedText(2.5, 0), "3");
    EXPECT_EQ(fixedText(0.0078125, 6), "0.007813");
}

TEST(NarrowPatterns, SignsZerosSeparatorsAndTheEnds)
{
    EXPECT_EQ(scientificText(0.0), "0.0000E+00");
    EXPECT_EQ(scientificText(-0.0), "0.0000E+00");
    EXPECT_EQ(fixedText(-0.0, 2), "0.00");
    EXPECT_EQ(fixedText(-0.004, 2), "0.00") << "no sign on a text of zeros";
    EXPECT_EQ(fixedText(-0.005, 2), "-0.01");
    EXPECT_EQ(fixedText(0.999, 0), "1");
    EXPECT_EQ(scientificText(9.99996e-3), "1.0000E-02") << "the carry moves the exponent";
    EXPECT_EQ(scientificText(1.5e-120), "1.5000E-120");
    EXPECT_EQ(scientificText(2.5e300), "2.5000E+300");
    EXPECT_EQ(scientificText(std::numeric_limits<double>::denorm_min()), "4.9407E-324");
    EXPECT_EQ(fixedText(1e20, 2), "100000000000000000000.00");
    EXPECT_EQ(scientificText(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(fixedText(-std::numeric_limits<double>::infinity(), 2), "-INF");
    EXPECT_EQ(scientificText(0.018, ","), "1,8000E-02");
    EXPECT_EQ(fixedText(6.0, 2, "\u066b"), "6\u066b00") << "a separator of more than one byte";
    EXPECT_EQ(fixedText(0.125, 2, ","), "0,13");
    EXPECT_EQ(scientificText(1.03125, ","), "1,0313E+00");
}

TEST(Parsing, StrictInTheUsersLocale)
{
    double v = -1;
    EXPECT_TRUE(parseLocaleDouble("0.05", v, point));
    EXPECT_EQ(v, 0.05);
    EXPECT_TRUE(parseLocaleDouble("  1.5e-2 ", v, point));
    EXPECT_EQ(v, 0.015);
    EXPECT_TRUE(parseLocaleDouble("-3", v, point));
    EXPECT_EQ(v, -3.0);
    EXPECT_TRUE(parseLocaleDouble("0,05", v, comma));
    EXPECT_EQ(v, 0.05);

    v = 42;
    for (const char* bad : {"", " ", "abc", "0.05x", "1,000", "nan", "NaN", "inf", "-inf", "1e999", "0..1"}) {
        EXPECT_FALSE(parseLocaleDouble(bad, v, point)) << bad;
    }
    EXPECT_FALSE(parseLocaleDouble("0.05", v, comma));
    EXPECT_FALSE(parseLocaleDouble("1.000", v, comma));
    EXPECT_EQ(v, 42);
}

TEST(NarrowText, RoundTripsAndCountsBytes)
{
    const QString han = QString::fromUtf8("反应谱");
    const std::string narrow = toNarrow(han);
    EXPECT_EQ(narrow.size(), 9u);  // three bytes a character in UTF-8
    EXPECT_EQ(fromNarrow(narrow), han);
    EXPECT_EQ(widenNarrow("Sa(g)"), u"Sa(g)");
    EXPECT_EQ(narrowWide(u"X-Y"), "X-Y");
}

// The quick path takes the plain form; each text must read the same as the
// locale reads it, in both decimal marks.
struct PlainNumber {
    const char* name;
    const char* pointText;
    double value;
};

const PlainNumber plainNumbers[] = {
    {"Decimal", "0.1", 0.1},
    {"NegativeWithExponent", "-2.5e3", -2500},
    {"CapitalExponent", "7E-1", 0.7},
    {"SignedExponent", "1e+2", 100},
    {"TwentyDigits", "12345678901234567890", 1.2345678901234567e19},
    {"SeventeenSignificantDigits", "0.30000000000000004", 0.1 + 0.2},
    {"SmallestSubnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
};

class PlainForm : public testing::TestWithParam<PlainNumber> {};

TEST_P(PlainForm, ReadsAsTheLocaleReadsItInBothDecimalMarks)
{
    const PlainNumber& c = GetParam();
    double v = 0;
    ASSERT_TRUE(parseLocaleDouble(QString::fromLatin1(c.pointText), v, point));
    EXPECT_EQ(v, c.value);
    v = 0;
    const QString commaText = QString::fromLatin1(c.pointText).replace(u'.', u',');
    ASSERT_TRUE(parseLocaleDouble(commaText, v, comma));
    EXPECT_EQ(v, c.value);
}

INSTANTIATE_TEST_SUITE_P(Parsing, PlainForm, testing::ValuesIn(plainNumbers),
                         [](const testing::TestParamInfo<PlainNumber>& info) { return std::string(info.param.name); });

TEST(Parsing, TheQuickPathRefusesWhatTheLocaleRefuses)
{
    double v = 42;
    for (const char* bad : {"1e", "1e+", "--1", "1e99999", "1 2", "0x10"})
        EXPECT_FALSE(parseLocaleDouble(bad, v, point)) << bad;
    EXPECT_EQ(v, 42);
    // A cell's UTF-16 text reads as an edit box's does.
    EXPECT_TRUE(parseLocaleDouble(QStringView(std::u16string(u"0,25")), v, comma));
    EXPECT_EQ(v, 0.25);
}

TEST(ShortestTexts, ReadBackAsTheSameDouble)
{
    EXPECT_EQ(shortestText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(shortestText(0.0053), "0.0053");
    EXPECT_EQ(shortestText(1e-5), "1e-05");
    EXPECT_EQ(shortestText(2.0), "2");
    EXPECT_EQ(shortestQString(-0.35), "-0.35");
    std::string fixed;
    appendShortestFixed(fixed, 1e-5);
    EXPECT_EQ(fixed, "0.00001");
}
