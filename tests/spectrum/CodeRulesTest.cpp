#include "inputs/InputRules.h"
#include "spectrum/CodeRules.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

// Selections as item indices: intensity 1 = 7 (0.10 g), 3 = 8 (0.20 g);
// action 0 frequent, 2 rare, 3 very rare; site 2 = II, 3 = III; group 1 = 2nd.

TEST(CodeRules, BothOffKeepTheTables)
{
    for (int code : {0, 1, 2}) {
        const CodeParameters p = codeParameters({code, 1, 2, 2, 1}, {});
        EXPECT_EQ(p.alphaMax, 0.5);
        EXPECT_EQ(p.tg, 0.4);
        EXPECT_TRUE(tgNote(p, QLocale::c()).isEmpty());
    }
}

TEST(CodeRules, RareEarthquakeAddsFiveHundredthsWhereTheCodeSaysSo)
{
    // GB 50011-2010, 7 (0.10 g), 2nd group, site II, rare: AlphaMax 0.5, Tg 0.45.
    const CodeParameters rare2010 = codeParameters({0, 1, 2, 2, 1}, {true, false});
    EXPECT_EQ(rare2010.alphaMax, 0.5);
    EXPECT_EQ(rare2010.tg, 0.45);
    EXPECT_EQ(tgNote(rare2010, QLocale::c()), "0.40 s + 0.05 s, rare earthquake");
    // Very rare counts as rare; frequent and design-basis do not.
    EXPECT_EQ(codeParameters({0, 1, 3, 2, 1}, {true, false}).tg, 0.45);
    EXPECT_EQ(codeParameters({0, 1, 1, 2, 1}, {true, false}).tg, 0.4);

    // GB 50011-2001, 8 (0.20 g), 2nd group, site II, rare: Tg 0.45 and
    // alpha(1.0 s) = (0.45 / 1.0)^0.9 x 0.9 = 0.438666 at 5 % damping.
    const CodeParameters rare2001 = codeParameters({1, 3, 2, 2, 1}, {true, false});
    EXPECT_EQ(rare2001.tg, 0.45);
    KavrelSpectrum s("s", rare2001.alphaMax, rare2001.tg, 0.05, 1);
    double alpha = 0;
    ASSERT_EQ(s.alphaAt(1.0, alpha), 0);
    EXPECT_NEAR(alpha, 0.438666, 5e-7);
    // The same choices at intensity 7: the 2001 code adds nothing.
    EXPECT_EQ(codeParameters({1, 1, 2, 2, 1}, {true, false}).tg, 0.4);
    // GB/T 51408 has rules of its own: never applied there.
    EXPECT_FALSE(rareTgAvailable(2));
    EXPECT_EQ(codeParameters({2, 1, 2, 2, 1}, {true, false}).tg, 0.4);
}

TEST(CodeRules, VerticalTakesSixtyFivePercentAndTheFirstGroupsTg)
{
    // 7 (0.10 g) frequent, site III, 3rd group: AlphaMax 0.052, Tg 0.45.
    const CodeParameters v = codeParameters({0, 1, 0, 3, 2}, {false, true});
    EXPECT_EQ(v.alphaMax, 0.052);  // the double nearest 0.052, not 0.052000000000000005
    EXPECT_EQ(v.tg, 0.45);
    EXPECT_EQ(tgNote(v, QLocale::c()), "0.45 s, 1st group, vertical");
    // With the rare rule too: the 1st group's 0.35 s at site II, plus 0.05 s.
    const CodeParameters both = codeParameters({0, 1, 2, 2, 1}, {true, true});
    EXPECT_EQ(both.alphaMax, 0.325);
    EXPECT_EQ(both.tg, 0.4);
    EXPECT_EQ(tgNote(both, QLocale::c()), "0.35 s + 0.05 s, 1st group, vertical, rare earthquake");
}
