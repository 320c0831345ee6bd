#include "records/RecordSelectionCheck.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <string>

// GCC 12 at -O3 takes the vectors of the aggregate cases below for
// uninitialised (a known false alarm of -Wmaybe-uninitialized).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace {

// Undamped, a constant ground acceleration a swings every oscillator to
// exactly 2 a / omega^2 at T / 2 (a sample of the 0.01 s step): a mode of
// 0.5 s with ratio r gives V_TH = 2 a r G, against V0 = alpha(0.5) r G.
struct ShearCase {
    const char* name;
    std::vector<double> ratios;  // V_TH / V0 wanted of each record
    bool upperLimits;
    std::vector<Verdict> each;
    Verdict mean;
};

class ModalShearCheck : public testing::TestWithParam<ShearCase> {};

TEST_P(ModalShearCheck, ComputesTheShearsAndHoldsThemToTheLimits)
{
    const ShearCase& c = GetParam();
    const KavrelSpectrum target("T", 0.16, 0.4, 0.0, 0);
    double alpha = 0;
    target.alphaAt(0.5, alpha);
    SelectionCheckInput input;
    input.mainPeriods = {0.5};
    for (double ratio : c.ratios)
        input.records.push_back({"R", false, std::vector<double>(301, ratio * alpha / 2), 0.01});
    input.structure = StructureModel{{{0.5, 0.8}}, 1000, ModeCombination::Cqc};
    input.shearUpperLimits = c.upperLimits;
    const SelectionCheck check = checkRecordSelection(target, input);
    ASSERT_TRUE(check.modalShears);
    EXPECT_NEAR(check.modalShears->responseSpectrum, alpha * 800, 1e-9);
    EXPECT_EQ(check.modalShears->modeCount, 1);
    EXPECT_DOUBLE_EQ(check.modalShears->massRatioSum, 0.8);
    int r = 0;
    for (const CheckVerdict& v : check.verdicts) {
        if (v.kind == CheckKind::BaseShear) {
            EXPECT_NEAR(v.value, c.ratios[static_cast<std::size_t>(r)], 1e-9) << r;
            EXPECT_NEAR(v.second, c.ratios[static_cast<std::size_t>(r)] * alpha * 800, 1e-9) << r;
            EXPECT_EQ(v.verdict, c.each[static_cast<std::size_t>(r)]) << r;
            ++r;
        }
        if (v.kind == CheckKind::BaseShearMean) {
            EXPECT_EQ(v.verdict, c.mean);
        }
    }
    EXPECT_EQ(r, static_cast<int>(c.ratios.size()));
}

constexpr Verdict pass = Verdict::Pass, fail = Verdict::Fail;
INSTANTIATE_TEST_SUITE_P(
    RecordSelectionCheck, ModalShearCheck,
    testing::Values(ShearCase{"WithinBoth", {1.0, 0.9, 1.1}, true, {pass, pass, pass}, pass},
                    ShearCase{"OneTooStrong", {1.4, 0.9, 1.0}, true, {fail, pass, pass}, pass},
                    ShearCase{"OneTooStrongInelastic", {1.4, 0.9, 1.0}, false, {pass, pass, pass}, pass},
                    ShearCase{"MeanTooStrong", {1.3, 1.3, 1.3}, true, {pass, pass, pass}, fail},
                    ShearCase{"MeanTooStrongInelastic", {1.3, 1.3, 1.3}, false, {pass, pass, pass}, pass},
                    ShearCase{"OneTooWeakInelastic", {0.6, 1.0, 1.0}, false, {fail, pass, pass}, pass},
                    ShearCase{"MeanTooWeak", {0.7, 0.7, 0.9}, false, {pass, pass, pass}, fail}),
    [](const testing::TestParamInfo<ShearCase>& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    StructureModel structure;
    std::vector<double> typed;
    SelectionInputError::Input input;
};

class ModalShearRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ModalShearRefusal, NamesTheInputAtFault)
{
    const KavrelSpectrum target("T", 0.16, 0.4, 0.05, 0);
    SelectionCheckInput input;
    input.mainPeriods = {0.5};
    input.records.push_back({"R", false, std::vector<double>(301, 0.1), 0.01});
    input.structure = GetParam().structure;
    input.baseShears = GetParam().typed;
    try {
        checkRecordSelection(target, input);
        ADD_FAILURE() << "accepted";
    } catch (const SelectionInputError& error) {
        EXPECT_EQ(error.input, GetParam().input) << error.what();
    }
}

using Input = SelectionInputError::Input;
INSTANTIATE_TEST_SUITE_P(
    RecordSelectionCheck, ModalShearRefusal,
    testing::Values(RefusalCase{"BothModesAndTyped", {{{0.5, 0.8}}, 1000, {}}, {100, 90}, Input::BaseShears},
                    RefusalCase{"ABadMode", {{{0.5, 0.8}, {-1, 0.1}}, 1000, {}}, {}, Input::Modes},
                    RefusalCase{"NoMode", {{}, 1000, {}}, {}, Input::Modes},
                    RefusalCase{"NoWeight", {{{0.5, 0.8}}, 0, {}}, {}, Input::Weight}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

}  // namespace
