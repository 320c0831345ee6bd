#include "chart/ColourSlots.h"

#include <gtest/gtest.h>

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
