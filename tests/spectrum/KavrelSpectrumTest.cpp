#include "spectrum/CodeTables.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

double alpha(const KavrelSpectrum& s, double t)
{
    double a = -999.0;
    EXPECT_EQ(s.alphaAt(t, a), 0) << "T = " << t;
    return a;
}

} // namespace

TEST(SpectrumCoefficients, AtFivePercentDampingAllCodesAgree)
{
    for (int code : {0, 1, 2}) {
        KavrelSpectrum s("s", 0.04, 0.2, 0.05, code);
        EXPECT_DOUBLE_EQ(s.gamma, 0.9) << code;
        EXPECT_DOUBLE_EQ(s.eta2, 1.0) << code;
        EXPECT_DOUBLE_EQ(s.eta1, code == 2 ? 0.0 : 0.02) << code;
    }
}

TEST(SpectrumCoefficients, ZeroDampingFollowsEachCodesFormulas)
{
    KavrelSpectrum s2010("s", 0.04, 0.2, 0.0, 0);
    EXPECT_NEAR(s2010.gamma, 1.066667, 1e-6);
    EXPECT_NEAR(s2010.eta1, 0.0325, 1e-12);
    EXPECT_NEAR(s2010.eta2, 1.625, 1e-12);

    KavrelSpectrum s2001("s", 0.04, 0.2, 0.0, 1);
    EXPECT_NEAR(s2001.gamma, 1.0, 1e-12);
    EXPECT_NEAR(s2001.eta1, 0.02625, 1e-12);
    EXPECT_NEAR(s2001.eta2, 1.833333, 1e-6);
}

TEST(SpectrumCoefficients, HighDampingIsFlooredButGammaIsNot)
{
    KavrelSpectrum s2010("s", 0.04, 0.2, 0.4, 0);
    EXPECT_EQ(s2010.eta1, 0.0);
    EXPECT_EQ(s2010.eta2, 0.55);
    EXPECT_NEAR(s2010.gamma, 0.770370, 1e-6);

    // The 2001 code's eta1 reaches its floor just above 0.21.
    KavrelSpectrum below("s", 0.04, 0.2, 0.2, 1);
    EXPECT_GT(below.eta1, 0.0);
    KavrelSpectrum above("s", 0.04, 0.2, 0.22, 1);
    EXPECT_EQ(above.eta1, 0.0);
}

TEST(SpectrumCoefficients, WrongCodeTypeLeavesNoCoefficients)
{
    KavrelSpectrum s("s", 0.04, 0.2, 0.05, 3);
    EXPECT_EQ(KavrelSpectrum::wrongCodeTypeMessage(3), "Wrong codetype : 3.");
    EXPECT_EQ(KavrelSpectrum::wrongCodeTypeMessage(-7), "Wrong codetype : -7.");
    EXPECT_EQ(s.codeType, KavrelSpectrum::InvalidCodeType);
    EXPECT_FALSE(s.designCode());
    EXPECT_EQ(s.codeName(), "");
    EXPECT_EQ(s.gamma, 0.0);
    EXPECT_EQ(s.eta2, 0.0);
}

TEST(SpectrumAlpha, BranchBoundariesOfTheWorkedExample)
{
    KavrelSpectrum s("Spectrum-1", 0.04, 0.2, 0.05, 0);
    EXPECT_NEAR(alpha(s, 0.0), 0.018, 1e-12);
    EXPECT_NEAR(alpha(s, 0.05), 0.029, 1e-12);
    EXPECT_NEAR(alpha(s, 0.1), 0.04, 1e-12);   // end of the rising line
    EXPECT_NEAR(alpha(s, 0.2), 0.04, 1e-12);   // T = Tg belongs to the plateau
    EXPECT_NEAR(alpha(s, 0.25), 0.032722, 5e-7);
    EXPECT_NEAR(alpha(s, 1.0), 0.009397, 5e-7);  // T = 5 Tg still on the curve
    EXPECT_NEAR(alpha(s, 1.05), 0.009357, 5e-7); // straight branch
    EXPECT_NEAR(alpha(s, 6.0), 0.005397, 5e-7);
}

TEST(SpectrumAlpha, RisingLineStartsAtPointFortyFiveForEveryDamping)
{
    for (int code : {0, 1, 2}) {
        for (double zeta : {0.0, 0.02, 0.05, 0.1, 0.4}) {
            KavrelSpectrum s("s", 0.16, 0.35, zeta, code);
            EXPECT_NEAR(alpha(s, 0.0), 0.45 * 0.16, 1e-15) << code << " " << zeta;
            EXPECT_NEAR(alpha(s, 0.1), s.eta2 * 0.16, 1e-15) << code << " " << zeta;
        }
    }
}

TEST(SpectrumAlpha, PublishedWorkedExamples)
{
    EXPECT_NEAR(alpha(KavrelSpectrum("a", 0.16, 0.35, 0.05, 0), 1.8), 0.03743, 5e-6);
    EXPECT_NEAR(alpha(KavrelSpectrum("b", 0.16, 0.45, 0.05, 0), 1.12), 0.07042, 5e-6);
    EXPECT_NEAR(alpha(KavrelSpectrum("c", 0.12, 0.25, 0.05, 0), 1.3), 0.02807, 5e-6);
    EXPECT_NEAR(alpha(KavrelSpectrum("d", 0.08, 0.40, 0.05, 1), 0.88), 0.0393468, 5e-8);
}

TEST(SpectrumAlpha, NewCodeHasNoStraightBranch)
{
    EXPECT_NEAR(alpha(KavrelSpectrum("a", 0.08, 0.35, 0.05, 0), 6.0), 0.011994, 5e-7);
    EXPECT_NEAR(alpha(KavrelSpectrum("b", 0.08, 0.35, 0.05, 2), 6.0), 0.006200, 5e-7);
}

TEST(SpectrumAlpha, DampingOtherThanFivePercentTellsTheCodesApart)
{
    // Independent hand calculation for zeta = 0.02, Tg 0.4, T = 3.0 (straight branch).
    const double z = 0.02;
    const double g10 = 0.9 + (0.05 - z) / (0.3 + 6 * z);
    const double e1_10 = 0.02 + (0.05 - z) / (4 + 32 * z);
    const double e2_10 = 1 + (0.05 - z) / (0.08 + 1.6 * z);
    KavrelSpectrum s2010("a", 0.16, 0.4, z, 0);
    EXPECT_NEAR(alpha(s2010, 3.0), (std::pow(0.2, g10) * e2_10 - e1_10 * (3.0 - 2.0)) * 0.16, 1e-12);

    KavrelSpectrum s2001("b", 0.16, 0.4, z, 1);
    EXPECT_NE(alpha(s2001, 3.0), alpha(s2010, 3.0));
}

TEST(SpectrumAlpha, SmallTgLeavesNoPlateau)
{
    KavrelSpectrum s("s", 0.1, 0.05, 0.05, 0);
    EXPECT_NEAR(alpha(s, 0.1), 0.1, 1e-15);
    // 0.11 s lies between Tg and 5 Tg: the curve applies at once.
    EXPECT_NEAR(alpha(s, 0.11), std::pow(0.05 / 0.11, 0.9) * 0.1, 1e-15);

    KavrelSpectrum zero("z", 0.1, 0.0, 0.05, 0);
    EXPECT_NEAR(alpha(zero, 0.5), (std::pow(0.2, 0.9) - 0.02 * 0.5) * 0.1, 1e-15);
    KavrelSpectrum zeroNew("z", 0.1, 0.0, 0.05, 2);
    EXPECT_EQ(alpha(zeroNew, 0.5), 0.0);
}

TEST(SpectrumAlpha, PeriodsOutsideTheRangeAreRefusedAndLeaveTheValue)
{
    KavrelSpectrum s("s", 0.04, 0.2, 0.05, 0);
    for (double t : {6.0000001, -0.01, std::numeric_limits<double>::quiet_NaN()}) {
        double a = 123.0;
        EXPECT_EQ(s.alphaAt(t, a), -1);
        EXPECT_EQ(a, 123.0);
    }
    // The caller that talks to a person shows this warning, not the model.
    EXPECT_STREQ(KavrelSpectrum::periodRefusedMessage, "Period is larger than 6.0s.");
    double a = 0;
    EXPECT_EQ(s.alphaAt(6.0, a), 0);
}

TEST(SpectrumCodeName, Designations)
{
    EXPECT_EQ(KavrelSpectrum("a", 0, 0, 0, 0).codeName(), "GB 50011-2010");
    EXPECT_EQ(KavrelSpectrum("a", 0, 0, 0, 1).codeName(), "GB 50011-2001");
    EXPECT_EQ(KavrelSpectrum("a", 0, 0, 0, 2).codeName(), "GB/T 51408-2021");
}

TEST(CodeTables, Lookups)
{
    EXPECT_EQ(lookupAlphaMax(0, 0), 0.04);
    EXPECT_EQ(lookupAlphaMax(5, 3), 2.43);
    EXPECT_EQ(lookupAlphaMax(5, 0), 0.32);
    EXPECT_EQ(lookupAlphaMax(2, 3), 1.0);
    EXPECT_EQ(lookupTg(0, 0), 0.2);
    EXPECT_EQ(lookupTg(4, 2), 0.9);
    EXPECT_EQ(lookupTg(3, 1), 0.55);
}

TEST(SpectrumSampling, CurveHas601PointsEndingExactlyAtSixSeconds)
{
    KavrelSpectrum s("Spectrum-1", 0.04, 0.2, 0.05, 0);
    const auto points = sampleCurve(s);
    ASSERT_EQ(points.size(), 601u);
    EXPECT_EQ(points.front().period, 0.0);
    EXPECT_NEAR(points.front().alpha, 0.018, 1e-15);
    EXPECT_EQ(points.back().period, 6.0);
    EXPECT_NEAR(points.back().alpha, 0.005397, 5e-7);
    EXPECT_EQ(points[7].period, 7 * 0.01);  // a product, not a running sum

    const auto grid = sampleGrid(s);
    ASSERT_EQ(grid.size(), 121u);
    EXPECT_EQ(gridPeriod(120), 6.0);
    EXPECT_NEAR(grid[5], 0.032722, 5e-7);
}

// GB/T 51408 shares the 2010 code's gamma and eta2 formulas but has no
// straight branch at any damping; at 0.02: gamma 0.9 + 0.03/0.42, eta2
// 1 + 0.03/0.112, worked by hand.
TEST(SpectrumCoefficients, GbT51408AtTwoPercentDampingKeepsTheCurveToSixSeconds)
{
    KavrelSpectrum s("s", 0.16, 0.4, 0.02, 2);
    EXPECT_NEAR(s.gamma, 0.9714286, 1e-7);
    EXPECT_NEAR(s.eta2, 1.2678571, 1e-7);
    EXPECT_EQ(s.eta1, 0.0);
    // Beyond 5 Tg = 2 s the curve goes on: (0.4 / 3)^gamma x eta2 x 0.16.
    EXPECT_NEAR(alpha(s, 3.0), 0.0286504, 1e-6);
    EXPECT_NEAR(alpha(s, 0.0), 0.072, 1e-15);
}
