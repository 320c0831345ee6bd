#include "chart/ColourSlots.h"

#include <gtest/gtest.h>

#include <cmath>

#include <vector>

// Slots against the rule written out by hand: the lowest slot no held curve has.
TEST(ColourSlots, NewCurveTakesTheLowestSlotNoCurveHolds)
{
    ColourSlots slots;
    for (int expected = 0; expected < 5; ++expected)
        EXPECT_EQ(slots.take(), expected);
    slots.give(1);
    slots.give(3);
    EXPECT_EQ(slots.take(), 1);
    EXPECT_EQ(slots.take(), 3);
    EXPECT_EQ(slots.take(), 5);

    // The highest slots given back, gaps below them included: counting
    // starts again at the lowest free one.
    slots.give(2);
    slots.give(5);
    slots.give(4);
    EXPECT_EQ(slots.take(), 2);
    EXPECT_EQ(slots.take(), 4);
    EXPECT_EQ(slots.take(), 5);
    EXPECT_EQ(slots.take(), 6);
}

TEST(ColourSlots, SlotsNotHeldAreIgnoredAndClearStartsOver)
{
    ColourSlots slots;
    slots.give(0);  // nothing held
    EXPECT_EQ(slots.take(), 0);
    EXPECT_EQ(slots.take(), 1);
    slots.give(0);
    slots.give(0);  // twice: still one gap
    slots.give(7);
    slots.give(-1);
    EXPECT_EQ(slots.take(), 0);
    EXPECT_EQ(slots.take(), 2);
    slots.clear();
    EXPECT_EQ(slots.take(), 0);
}

// A long mixed sequence against a brute-force model of the rule.
TEST(ColourSlots, AgreesWithTheRuleOverAnyOrder)
{
    ColourSlots slots;
    std::vector<bool> held;
    unsigned state = 12345;
    for (int step = 0; step < 2000; ++step) {
        state = state * 1103515245u + 12345u;
        const int pick = static_cast<int>((state >> 16) % 40);
        if (pick < 22 || held.empty()) {
            std::size_t lowest = 0;
            while (lowest < held.size() && held[lowest])
                ++lowest;
            if (lowest == held.size())
                held.push_back(false);
            held[lowest] = true;
            ASSERT_EQ(slots.take(), static_cast<int>(lowest)) << "step " << step;
        } else {
            const std::size_t slot = static_cast<std::size_t>(pick) % held.size();
            slots.give(static_cast<int>(slot));
            held[slot] = false;
        }
    }
}

// A perceptual distance between two colours ("redmean"), 0 to about 765.
double colourDistance(CurveColour a, CurveColour b)
{
    const double r = (a.red + b.red) / 2.0;
    const double dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
    return std::sqrt((2 + r / 256) * dr * dr + 4 * dg * dg + (2 + (255 - r) / 256) * db * db);
}

TEST(CurveColours, TwelveOrMoreToldApartOnWhiteBeforeAnyRepeats)
{
    ASSERT_GE(curveColourCount, 12);
    const CurveColour white{255, 255, 255};
    for (int i = 0; i < curveColourCount; ++i) {
        EXPECT_GT(colourDistance(curveColour(i), white), 250) << "slot " << i;
        for (int j = 0; j < i; ++j)
            EXPECT_GT(colourDistance(curveColour(i), curveColour(j)), 100) << "slots " << j << " and " << i;
    }
    EXPECT_EQ(curveColour(curveColourCount), curveColour(0));
    EXPECT_EQ(curveColour(-1), curveColour(curveColourCount - 1));
}

// The colour Qt Charts' light theme gave the first curve stays the first.
TEST(CurveColours, FirstIsTheChartsBlueOfOld)
{
    EXPECT_EQ(curveColour(0), (CurveColour{0x20, 0x9f, 0xdf}));
}

TEST(ItemColours, AnItemKeepsItsSlotWhileAnyChartShowsIt)
{
    ItemColours colours;
    EXPECT_EQ(colours.join("code", true).slot, 0);
    EXPECT_EQ(colours.join("r1", false).slot, 1);
    EXPECT_EQ(colours.join("r2", false).slot, 2);
    const ItemColours::Look again = colours.join("r1", true);  // a second chart
    EXPECT_EQ(again.slot, 1);
    EXPECT_FALSE(again.codeSpectrum);  // the first chart told what it is
    colours.leave("r1");
    EXPECT_EQ(colours.lookOf("r1").slot, 1);
    colours.leave("code");
    EXPECT_EQ(colours.lookOf("code").slot, -1);
    EXPECT_EQ(colours.lookOf("r2").slot, 2);  // others removed: kept
    EXPECT_EQ(colours.join("new", false).slot, 0);
    colours.leave("r1");
    colours.leave("r1");  // no chart shows it: ignored
    colours.leave("never");
    EXPECT_EQ(colours.join("next", false).slot, 1);
    EXPECT_EQ(colours.join("last", false).slot, 3);
}
