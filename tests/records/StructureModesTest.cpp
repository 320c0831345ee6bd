#include "records/ResponseSpectrum.h"
#include "records/StructureModes.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct CorrelationCase {
    const char* name;
    double zetaJ, zetaK, lambda, rho;
};

class Correlation : public testing::TestWithParam<CorrelationCase> {};

// Worked by hand: lambda = 0.5, zeta 0.05 both: 8 x 0.05 x 0.075 x 0.353553 /
// (0.5625 + 0.00625 + 0.005) = 0.0106066 / 0.57375.
TEST_P(Correlation, FollowsTheCodesFormula)
{
    const CorrelationCase& c = GetParam();
    EXPECT_NEAR(cqcCorrelation(c.zetaJ, c.zetaK, c.lambda), c.rho, 1e-9 * std::max(1.0, c.rho));
}

INSTANTIATE_TEST_SUITE_P(
    StructureModes, Correlation,
    testing::Values(CorrelationCase{"EqualPeriodsAtFivePercent", 0.05, 0.05, 1.0, 1.0},
                    CorrelationCase{"EqualPeriodsAtTwoPercent", 0.02, 0.02, 1.0, 1.0},
                    CorrelationCase{"EqualPeriodsUndamped", 0.0, 0.0, 1.0, 1.0},
                    CorrelationCase{"HalfThePeriod", 0.05, 0.05, 0.5, 0.0106066017177982 / 0.57375},
                    CorrelationCase{"UnequalDamping", 0.02, 0.05, 0.8,
                                    8 * std::sqrt(0.001) * 0.06 * std::pow(0.8, 1.5) /
                                        (0.1296 + 0.004 * 1.64 * 0.8 + 4 * 0.0029 * 0.64)}),
    [](const testing::TestParamInfo<CorrelationCase>& info) { return std::string(info.param.name); });

struct CombinationCase {
    const char* name;
    ModeCombination combination;
    double shear;
};

class TwoModes : public testing::TestWithParam<CombinationCase> {};

// GB 50011-2010, AlphaMax 0.16, Tg 0.35 s, 5 %: alpha(1.8 s) = 0.0374278 on the
// straight branch (the published 0.03743), alpha(1.5 s) = 0.16 (0.35 / 1.5)^0.9
// = 0.0431816. G = 10000 kN, r = 0.7 and 0.2: V1 = 261.995 kN, V2 = 86.363 kN.
// SRSS sqrt(V1^2 + V2^2) = 275.862; CQC with lambda = 5/6, rho = 0.229814:
// sqrt(V1^2 + V2^2 + 2 rho V1 V2) = 294.108.
TEST_P(TwoModes, CombineAsWorkedByHand)
{
    const KavrelSpectrum target("T", 0.16, 0.35, 0.05, 0);
    StructureModel structure;
    structure.modes = {{1.8, 0.7}, {1.5, 0.2}};
    structure.weight = 10000;
    structure.combination = GetParam().combination;
    const ResponseSpectrumShear shear = responseSpectrumShear(target, structure);
    ASSERT_EQ(shear.modal.size(), 2u);
    EXPECT_NEAR(shear.modal[0], 261.99464, 1e-4);
    EXPECT_NEAR(shear.modal[1], 86.36327, 1e-4);
    EXPECT_NEAR(shear.total, GetParam().shear, 1e-4);
    EXPECT_NEAR(shear.massRatioSum, 0.9, 1e-12);
    EXPECT_EQ(shear.beyondCurve, 0);
}

INSTANTIATE_TEST_SUITE_P(StructureModes, TwoModes,
                         testing::Values(CombinationCase{"Cqc", ModeCombination::Cqc, 294.10825},
                                         CombinationCase{"Srss", ModeCombination::Srss, 275.86194}),
                         [](const testing::TestParamInfo<CombinationCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(StructureModes, AModeBeyondTheCurveTakesItsEnd)
{
    const KavrelSpectrum target("T", 0.16, 0.35, 0.05, 0);
    double atEnd = 0;
    target.alphaAt(6.0, atEnd);
    StructureModel structure;
    structure.modes = {{8.5, 0.5}};
    structure.weight = 2000;
    const ResponseSpectrumShear shear = responseSpectrumShear(target, structure);
    EXPECT_DOUBLE_EQ(shear.total, atEnd * 0.5 * 2000);
    EXPECT_EQ(shear.beyondCurve, 1);
}

struct FaultCase {
    const char* name;
    std::vector<StructureMode> modes;
    double weight;
    StructureFault::Input input;
    const char* words;  // empty: accepted
};

class Faults : public testing::TestWithParam<FaultCase> {};

TEST_P(Faults, NameTheModeAndTheFault)
{
    const FaultCase& c = GetParam();
    StructureModel structure;
    structure.modes = c.modes;
    structure.weight = c.weight;
    const auto fault = structureFault(structure);
    if (std::string(c.words).empty()) {
        EXPECT_FALSE(fault) << fault->sentence;
        return;
    }
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->input, c.input);
    EXPECT_EQ(fault->sentence, c.words);
}

std::vector<StructureMode> manyModes(std::size_t count)
{
    return std::vector<StructureMode>(count, StructureMode{1.0, 0.9 / static_cast<double>(count)});
}

using Input = StructureFault::Input;
INSTANTIATE_TEST_SUITE_P(
    StructureModes, Faults,
    testing::Values(
        FaultCase{"Accepted", {{1.2, 0.6}, {0.4, 0.3}}, 5e4, Input::Modes, ""},
        FaultCase{"RoundedSumAccepted", {{1.2, 0.6006}, {0.4, 0.4003}}, 5e4, Input::Modes, ""},
        FaultCase{"LongestPeriodAccepted", {{20.0, 1.0}}, 5e4, Input::Modes, ""},
        FaultCase{"TwoHundredModes", manyModes(200), 1, Input::Modes, ""},
        FaultCase{"NoMode", {}, 5e4, Input::Modes, "Give at least one mode."},
        FaultCase{"TooManyModes", manyModes(201), 5e4, Input::Modes, "Give at most 200 modes, not 201."},
        FaultCase{"ZeroPeriod", {{1.2, 0.6}, {0.0, 0.3}}, 5e4, Input::Modes,
                  "Mode 2: the period 0 s must be above 0 and at most 20 s."},
        FaultCase{"PeriodBeyondTwenty", {{20.01, 0.6}}, 5e4, Input::Modes,
                  "Mode 1: the period 20.01 s must be above 0 and at most 20 s."},
        FaultCase{"NotANumber", {{1.0, 0.6}, {0.5, 0.1}, {std::nan(""), 0.1}}, 5e4, Input::Modes,
                  "Mode 3: the period nan s must be above 0 and at most 20 s."},
        FaultCase{"ZeroRatio", {{1.2, 0.0}}, 5e4, Input::Modes,
                  "Mode 1: the mass ratio 0 must be above 0 and at most 1."},
        FaultCase{"RatioAboveOne", {{1.2, 0.5}, {0.4, 1.2}}, 5e4, Input::Modes,
                  "Mode 2: the mass ratio 1.2 must be above 0 and at most 1."},
        FaultCase{"RatiosAboveTheWhole", {{1.2, 0.6}, {0.4, 0.402}}, 5e4, Input::Modes,
                  "The mass ratios of the modes sum to 1.002, more than the whole mass."},
        FaultCase{"NoWeight", {{1.2, 0.6}}, 0, Input::Weight,
                  "The representative value of gravity load G must be a positive number of kN."},
        FaultCase{"NegativeWeight", {{1.2, 0.6}}, -10, Input::Weight,
                  "The representative value of gravity load G must be a positive number of kN."}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// One mode carrying all the mass is a single oscillator: its base shear is
// G Sa(T) of the record's spectrum, with the same steps and sub-steps.
struct SingleModeCase {
    const char* name;
    double period, step;
};

class SingleMode : public testing::TestWithParam<SingleModeCase> {};

TEST_P(SingleMode, GivesTheWeightTimesTheSpectrum)
{
    const SingleModeCase& c = GetParam();
    std::vector<double> record;
    for (int i = 0; i < 1500; ++i)
        record.push_back(0.3 * std::sin(0.37 * i) * std::exp(-0.002 * i) + 0.05 * std::cos(1.9 * i));
    StructureModel structure;
    structure.modes = {{c.period, 1.0}};
    structure.weight = 12345.6;
    const double sa = pseudoSpectralAcceleration(record, c.step, {c.period}, 0.05)[0];
    const std::vector<double> history = timeHistoryShear(record, c.step, structure, 0.05);
    ASSERT_EQ(history.size(), record.size());
    EXPECT_EQ(history[0], 0.0);
    EXPECT_DOUBLE_EQ(peakShear(history, c.step).value, structure.weight * sa);
    EXPECT_DOUBLE_EQ(modalPeakShears(record, c.step, structure, 0.05)[0], structure.weight * sa);
}

INSTANTIATE_TEST_SUITE_P(StructureModes, SingleMode,
                         testing::Values(SingleModeCase{"LongPeriod", 2.5, 0.01},
                                         SingleModeCase{"ShortPeriodWithSubSteps", 0.07, 0.02},
                                         SingleModeCase{"StepOfATenthOfThePeriod", 0.2, 0.02}),
                         [](const testing::TestParamInfo<SingleModeCase>& info) {
                             return std::string(info.param.name);
                         });

// The weighted sum is linear in the weights: two modes apart, then together.
TEST(StructureModes, ModesAddAtEverySampleWhatEachGivesAlone)
{
    std::vector<double> record;
    for (int i = 0; i < 800; ++i)
        record.push_back(std::sin(0.21 * i) * (i % 7 == 0 ? 1.5 : 1.0));
    const std::vector<double> periods = {0.9, 0.03, 0.31};
    const std::vector<double> weights = {700, 20, -150};
    const auto together = weightedPseudoAcceleration(record, 0.01, periods, weights, 0.05);
    std::vector<double> apart(record.size(), 0.0);
    for (std::size_t j = 0; j < periods.size(); ++j) {
        const auto u = relativeDisplacement(record, 0.01, periods[j], 0.05);
        const double omega = 2 * M_PI / periods[j];
        for (std::size_t i = 0; i < u.size(); ++i)
            apart[i] += weights[j] * omega * omega * u[i];
    }
    for (std::size_t i = 0; i < record.size(); ++i)
        ASSERT_NEAR(together[i], apart[i], 1e-9 * 700) << "sample " << i;
}

TEST(StructureModes, RefusesAPeriodOfZeroOrAWeightMissing)
{
    const std::vector<double> record(10, 0.1);
    EXPECT_THROW(weightedPseudoAcceleration(record, 0.01, {0.0}, {1.0}, 0.05), std::invalid_argument);
    EXPECT_THROW(weightedPseudoAcceleration(record, 0.01, {1.0, 2.0}, {1.0}, 0.05), std::invalid_argument);
}

}  // namespace
