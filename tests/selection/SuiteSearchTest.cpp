#include "selection/SuiteObjective.h"
#include "selection/SuiteSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

// Synthetic candidates: ratios spread about 1 on a log scale, some
// recordings holding two candidates, events shared by a few.
struct SyntheticCase {
    std::string name;
    std::uint32_t seed;
    double spread;          // of ln(ratio)
    int recordingsShared;   // candidates 2k and 2k+1 share a recording for k below this
    int events;             // 0: events unknown
    double meanTolerance;
    int artificials;
    // The local search's objective may exceed the optimum's by this share
    // (0: it finds the optimum itself).
    double allowance = 0.0;
};

SuiteSpace synthetic(const SyntheticCase& c)
{
    std::uint32_t state = c.seed;
    const auto uniform = [&]() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / static_cast<double>(1u << 24) - 0.5;
    };
    SuiteSpace space;
    space.size = 5;
    space.mainIndex = {2, 7};
    space.meanTolerance = c.meanTolerance;
    space.perEvent = 2;
    const int periods = 10;
    for (int i = 0; i < 30; ++i) {
        SuiteCandidate candidate;
        const double level = c.spread * uniform();
        for (int p = 0; p < periods; ++p)
            candidate.ratio.push_back(std::exp(level + 0.5 * c.spread * uniform()));
        candidate.recording = i < 2 * c.recordingsShared ? i / 2 : i;
        candidate.event = c.events > 0 ? i % c.events : -1;
        candidate.faults = (i % 11 == 3) ? static_cast<std::uint32_t>(DurationRule) : 0u;
        space.candidates.push_back(candidate);
    }
    for (int a = 0; a < c.artificials; ++a) {
        if (space.fixedSum.empty())
            space.fixedSum.assign(periods, 0.0);
        for (double& value : space.fixedSum)
            value += std::exp(0.1 * uniform());
        ++space.fixedCount;
    }
    return space;
}

class SearchAgainstExhaustive : public ::testing::TestWithParam<SyntheticCase> {};

TEST_P(SearchAgainstExhaustive, findsTheOptimum)
{
    const SuiteSpace space = synthetic(GetParam());
    const SuiteChoice exhaustive = exhaustiveSuite(space);
    EXPECT_EQ(searchSuite(space).members, exhaustive.members);
    const SuiteChoice local = localSearchSuite(space);
    EXPECT_EQ(local.score.broken, exhaustive.score.broken);
    if (GetParam().allowance == 0.0)
        EXPECT_EQ(local.members, exhaustive.members);
    else
        EXPECT_LE(local.score.objective, exhaustive.score.objective * (1.0 + GetParam().allowance));
}

INSTANTIATE_TEST_SUITE_P(
    Synthetic, SearchAgainstExhaustive,
    ::testing::Values(SyntheticCase{"wide_spread_local_optimum_near", 1, 1.2, 0, 0, 0.2, 0, 0.05},
                      SyntheticCase{"narrow_spread", 2, 0.3, 0, 0, 0.2, 0},
                      SyntheticCase{"shared_recordings", 3, 0.8, 10, 0, 0.2, 0},
                      SyntheticCase{"few_events", 4, 0.8, 0, 3, 0.2, 0},
                      SyntheticCase{"tight_tolerance_breaks_rules", 5, 1.5, 0, 4, 0.02, 0},
                      SyntheticCase{"with_artificials", 6, 0.8, 5, 5, 0.2, 2},
                      SyntheticCase{"everything_at_once", 7, 1.0, 15, 2, 0.1, 1}),
    [](const auto& info) { return info.param.name; });

SuiteSpace flat(const std::vector<double>& levels, double tolerance = 0.2)
{
    SuiteSpace space;
    space.size = 1;
    space.mainIndex = {0};
    space.meanTolerance = tolerance;
    for (std::size_t i = 0; i < levels.size(); ++i)
        space.candidates.push_back({{levels[i], levels[i]}, static_cast<int>(i), -1, 0});
    return space;
}

struct ToleranceCase {
    std::string name;
    double ratio;
    bool breaks;
};

class MeanSpectrumRuleBoundary : public ::testing::TestWithParam<ToleranceCase> {};

TEST_P(MeanSpectrumRuleBoundary, holdsOnTheBoundaryOnly)
{
    const SuiteScore score = scoreSuite(flat({GetParam().ratio}), {0});
    EXPECT_EQ((score.rules & MeanSpectrumRule) != 0, GetParam().breaks);
}

INSTANTIATE_TEST_SUITE_P(Rule1, MeanSpectrumRuleBoundary,
                         ::testing::Values(ToleranceCase{"exactly_20_percent_above", 1.2, false},
                                           ToleranceCase{"just_above", 1.2001, true},
                                           ToleranceCase{"exactly_20_percent_below", 0.8, false},
                                           ToleranceCase{"just_below", 0.7999, true}),
                         [](const auto& info) { return info.param.name; });

TEST(SuiteScore, fewerBrokenRulesWinOverABetterObjective)
{
    SuiteSpace space = flat({1.0, 1.15});
    space.candidates[0].faults = BandRule;  // on the target, but breaking rule 3
    const SuiteChoice choice = searchSuite(space);
    EXPECT_EQ(choice.members, std::vector<int>{1});
    EXPECT_EQ(choice.score.rules, 0u);
}

TEST(SuiteScore, equalFiguresTakeTheEarlierCandidates)
{
    EXPECT_EQ(searchSuite(flat({1.1, 0.9, 1.0 / 1.1, 1.1})).members, std::vector<int>{0});
}

TEST(SuiteLimits, oneCandidateOfARecordingAndAtMostKOfAnEvent)
{
    SuiteSpace space = flat({1.0, 1.0, 1.0, 1.0, 1.3});
    space.size = 3;
    space.candidates[1].recording = 0;  // the second component of the first recording
    for (int i = 0; i < 4; ++i)
        space.candidates[static_cast<std::size_t>(i)].event = 7;
    space.candidates[4].event = 8;
    const SuiteChoice choice = searchSuite(space);
    EXPECT_EQ(choice.members, (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(choice.score.rules, 0u);
    space.perEvent = 1;
    space.candidates[4].event = 7;
    EXPECT_EQ(searchSuite(space).score.rules & PerEventRule, static_cast<std::uint32_t>(PerEventRule));
}

TEST(Objective, isTheRootMeanSquareOfTheLogRatios)
{
    EXPECT_NEAR(objectiveOf({std::exp(1.0), std::exp(-1.0), 1.0, 1.0}), std::sqrt(0.5), 1e-15);
}

struct PeriodsCase {
    std::string name;
    double tg;
    std::vector<double> mainPeriods;
    std::size_t count;
    std::size_t platform;
    std::size_t band;
};

class ObjectivePeriodsCount : public ::testing::TestWithParam<PeriodsCase> {};

TEST_P(ObjectivePeriodsCount, countsEachPeriodOnce)
{
    const PeriodsCase& c = GetParam();
    const ObjectivePeriods periods = objectivePeriods(c.tg, c.mainPeriods, 0.2, 0.5);
    EXPECT_EQ(periods.periods.size(), c.count);
    EXPECT_EQ(periods.platformIndex.size(), c.platform);
    EXPECT_EQ(periods.bandIndex.size(), c.band);
    for (std::size_t i = 0; i < c.mainPeriods.size(); ++i)
        EXPECT_DOUBLE_EQ(periods.periods[static_cast<std::size_t>(periods.mainIndex[i])], c.mainPeriods[i]);
}

// Platform 0.10..Tg and band T1-0.2..T1+0.5 every 0.01 s, counted by hand.
INSTANTIATE_TEST_SUITE_P(
    Periods, ObjectivePeriodsCount,
    ::testing::Values(PeriodsCase{"apart", 0.35, {1.0}, 26 + 71, 26, 71},
                      PeriodsCase{"overlapping", 0.9, {1.0}, 81 + 71 - 11, 81, 71},
                      PeriodsCase{"main_period_between_steps", 0.35, {1.0, 0.123}, 26 + 71 + 1, 27, 71},
                      PeriodsCase{"band_cut_at_six_seconds", 0.35, {5.8}, 26 + 41, 26, 41}),
    [](const auto& info) { return info.param.name; });

}  // namespace
