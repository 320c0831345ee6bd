#include "selection/RecordFaults.h"
#include "selection/RecordingEvent.h"
#include "selection/SelectionProblem.h"
#include "selection/SuiteSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FaultCase {
    std::string name;
    std::vector<double> mainRatio;
    double platform;
    double band;
    double duration;  // s, T1 = 1 s
    std::optional<double> recordTolerance;
    std::optional<double> bandTolerance;
    std::optional<double> minimumSeconds;
    std::uint32_t faults;
};

class RecordRules : public ::testing::TestWithParam<FaultCase> {};

TEST_P(RecordRules, breakBeyondTheirBoundaries)
{
    const FaultCase& c = GetParam();
    SelectionRules rules;
    rules.recordTolerance = c.recordTolerance;
    rules.bandTolerance = c.bandTolerance;
    rules.minimumSeconds = c.minimumSeconds;
    EXPECT_EQ(recordFaults(c.mainRatio, c.platform, c.band, c.duration, 1.0, rules), c.faults);
}

const std::optional<double> off;

INSTANTIATE_TEST_SUITE_P(
    Rules2To4, RecordRules,
    ::testing::Values(
        FaultCase{"rule2_off_lets_any_ratio_pass", {2.0}, 1, 1, 10, off, off, off, 0},
        FaultCase{"rule2_exactly_35_percent", {1.35, 0.65}, 1, 1, 10, 0.35, off, off, 0},
        FaultCase{"rule2_just_beyond_at_the_second_period", {1.0, 0.6499}, 1, 1, 10, 0.35, off, off, RecordSpectrumRule},
        FaultCase{"rule3_exactly_10_percent", {1.0}, 1.1, 0.9, 10, off, 0.1, off, 0},
        FaultCase{"rule3_platform_beyond", {1.0}, 1.1001, 1.0, 10, off, 0.1, off, BandRule},
        FaultCase{"rule3_band_beyond", {1.0}, 1.0, 0.8999, 10, off, 0.1, off, BandRule},
        FaultCase{"rule4_exactly_5_T1", {1.0}, 1, 1, 5.0, off, off, off, 0},
        FaultCase{"rule4_just_short_of_5_T1", {1.0}, 1, 1, 4.999, off, off, off, DurationRule},
        FaultCase{"rule4_exactly_the_seconds_asked", {1.0}, 1, 1, 15.0, off, off, 15.0, 0},
        FaultCase{"rule4_short_of_the_seconds_asked", {1.0}, 1, 1, 14.99, off, off, 15.0, DurationRule}),
    [](const auto& info) { return info.param.name; });

struct EventCase {
    std::string name;
    QString metadata;
    QString file;
    QString event;
};

class EventName : public ::testing::TestWithParam<EventCase> {};

TEST_P(EventName, fromTheMetadataElseThePeerName)
{
    EXPECT_EQ(recordingEvent(GetParam().metadata, GetParam().file), GetParam().event);
}

INSTANTIATE_TEST_SUITE_P(
    Events, EventName,
    ::testing::Values(EventCase{"metadata_first", "Northridge-01", "RSN953_NORTHR_MUL009.AT2", "Northridge-01"},
                      EventCase{"peer_name", "", "RSN953_NORTHR_MUL009.AT2", "NORTHR"},
                      EventCase{"peer_name_with_a_dot", "", "RSN1505_CHICHI.03_TCU068-E.AT2", "CHICHI.03"},
                      EventCase{"peer_name_in_a_folder", "", "a.zip/set/RSN6_IMPVALL.I_I-ELC180.AT2", "IMPVALL.I"},
                      EventCase{"other_name_tells_nothing", "", "Rinaldi228.AT2", ""},
                      EventCase{"rsn_without_a_station_part", "", "RSN12_KERN.AT2", ""}),
    [](const auto& info) { return info.param.name; });

struct RangeCase {
    std::string name;
    std::optional<double> value;
    bool unknownPasses;
    bool admitted;
};

class FilterRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FilterRange, admitsTheRangeAndUnknownOnlyIfAsked)
{
    const MetadataRange range{6.0, 7.0, GetParam().unknownPasses};
    EXPECT_EQ(range.admits(GetParam().value), GetParam().admitted);
}

INSTANTIATE_TEST_SUITE_P(Filters, FilterRange,
                         ::testing::Values(RangeCase{"lower_end", 6.0, false, true},
                                           RangeCase{"upper_end", 7.0, false, true},
                                           RangeCase{"below", 5.99, true, false},
                                           RangeCase{"unknown_refused", std::nullopt, false, false},
                                           RangeCase{"unknown_asked_for", std::nullopt, true, true}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
