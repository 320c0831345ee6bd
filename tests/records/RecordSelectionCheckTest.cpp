#include "records/CodePeaks.h"
#include "records/RecordSelectionCheck.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

// A suddenly applied constant ground acceleration a swings an oscillator from
// rest to a / w^2 (1 + exp(-pi zeta / sqrt(1 - zeta^2))) at t = Td / 2: the
// pseudo-spectral acceleration is that factor times a (2 a undamped) at every
// period up to twice the record's length.
double suddenStepFactor(double zeta)
{
    return 1 + std::exp(-M_PI * zeta / std::sqrt(1 - zeta * zeta));
}

CheckedRecord constantRecord(const std::string& name, double g, double seconds, double step = 0.01,
                             bool artificial = false)
{
    const auto samples = static_cast<std::size_t>(std::lround(seconds / step)) + 1;
    return {name, artificial, std::vector<double>(samples, g), step};
}

CheckVerdict verdictOf(const SelectionCheck& check, CheckKind kind, int index = 0)
{
    for (const CheckVerdict& v : check.verdicts) {
        if (v.kind == kind && (index-- == 0))
            return v;
    }
    throw std::logic_error("no such verdict");
}

// Undamped, so that the records' spectra are exactly 2 a at the sampled
// peak T / 2 (a multiple of the 0.01 s step).
TEST(RecordSelectionCheck, SpectralAgreementPassesExactlyAtTwentyPercent)
{
    const KavrelSpectrum target("T", 0.16, 0.4, 0.0, 0);
    double alpha1 = 0, alpha2 = 0;
    target.alphaAt(1.0, alpha1);
    target.alphaAt(0.5, alpha2);
    struct Case { std::vector<double> ratios; Verdict verdict; };
    const Case cases[] = {
        {{1.2}, Verdict::Pass},       {{0.8}, Verdict::Pass},      {{1.201}, Verdict::Fail},
        {{0.799}, Verdict::Fail},     {{1.0, 1.4}, Verdict::Pass}, {{1.0, 1.42}, Verdict::Fail},
        {{0.6, 1.0, 0.8}, Verdict::Pass},
    };
    for (const Case& c : cases) {
        SelectionCheckInput input;
        input.mainPeriods = {1.0, 0.5};
        for (double ratio : c.ratios)
            input.records.push_back(constantRecord("R", ratio * alpha1 / 2, 8));
        const SelectionCheck check = checkRecordSelection(target, input);
        double mean = 0;
        for (std::size_t r = 0; r < c.ratios.size(); ++r) {
            EXPECT_NEAR(check.records[r].ratio[0], c.ratios[r], 1e-9);
            EXPECT_NEAR(check.records[r].ratio[1], c.ratios[r] * alpha1 / alpha2, 1e-9);
            mean += c.ratios[r] / static_cast<double>(c.ratios.size());
        }
        EXPECT_NEAR(check.meanRatio[0], mean, 1e-9);
        EXPECT_EQ(verdictOf(check, CheckKind::Spectrum, 0).verdict, c.verdict) << c.ratios.back();
        EXPECT_EQ(verdictOf(check, CheckKind::Spectrum, 0).period, 0);
        EXPECT_EQ(verdictOf(check, CheckKind::Spectrum, 1).period, 1);
    }
}

TEST(RecordSelectionCheck, RecordsAreTakenAtTheTargetsDamping)
{
    const double zeta = 0.05, a = 0.1;
    const KavrelSpectrum target("T", 0.16, 0.4, zeta, 0);
    double alpha = 0;
    target.alphaAt(1.5, alpha);
    SelectionCheckInput input;
    input.mainPeriods = {1.5};
    input.records = {constantRecord("R", a, 5, 0.001)};
    const SelectionCheck check = checkRecordSelection(target, input);
    EXPECT_NEAR(check.records[0].alpha[0], suddenStepFactor(zeta) * a, 1e-5 * a);
    EXPECT_NEAR(check.meanAlpha[0], suddenStepFactor(zeta) * a, 1e-5 * a);
    EXPECT_DOUBLE_EQ(check.targetAlpha[0], alpha);
    EXPECT_NEAR(meanRecordSpectrum(input.records, {1.5, 0.7}, 0.0)[1], 2 * a, 1e-9);
}

TEST(RecordSelectionCheck, CountAndShareOfRecordedMotionsFollowTheEdition)
{
    struct Case { int code, natural, artificial; Verdict count, share; };
    const Case cases[] = {
        {0, 2, 1, Verdict::Pass, Verdict::Pass},  // exactly 2/3
        {0, 4, 2, Verdict::Pass, Verdict::Pass},  {0, 4, 3, Verdict::Pass, Verdict::Fail},
        {0, 1, 1, Verdict::Fail, Verdict::Fail},  {0, 2, 0, Verdict::Fail, Verdict::Pass},
        {0, 3, 0, Verdict::Pass, Verdict::Pass},  {0, 5, 3, Verdict::Pass, Verdict::Fail},
        {1, 2, 1, Verdict::Pass, Verdict::Pass},  {1, 3, 0, Verdict::Pass, Verdict::Fail},
        {1, 1, 2, Verdict::Pass, Verdict::Fail},  {1, 5, 2, Verdict::Pass, Verdict::Pass},
        {2, 2, 1, Verdict::Pass, Verdict::Pass},  {2, 1, 2, Verdict::Pass, Verdict::Fail},
    };
    for (const Case& c : cases) {
        const KavrelSpectrum target("T", 0.16, 0.4, 0.05, c.code);
        SelectionCheckInput input;
        input.mainPeriods = {0.2};
        for (int i = 0; i < c.natural + c.artificial; ++i)
            input.records.push_back(constantRecord("R", 0.1, 1, 0.01, i >= c.natural));
        const SelectionCheck check = checkRecordSelection(target, input);
        const auto where = ::testing::Message() << c.code << ": " << c.natural << " + " << c.artificial;
        EXPECT_EQ(verdictOf(check, CheckKind::Count).verdict, c.count) << where;
        EXPECT_EQ(verdictOf(check, CheckKind::NaturalShare).verdict, c.share) << where;
        EXPECT_EQ(verdictOf(check, CheckKind::NaturalShare).value, c.natural);
        EXPECT_EQ(check.meanGoverns, c.natural + c.artificial >= 7) << where;
    }
}

// At least 5 T1; a longer record is no fault, however long.
TEST(RecordSelectionCheck, EffectiveDurationAtLeastFiveTimesT1)
{
    const KavrelSpectrum target("T", 0.16, 0.4, 0.05, 0);
    struct Case { double t1, seconds; Verdict verdict; };
    const Case cases[] = {
        {1.0, 5.0, Verdict::Pass},  {1.0, 4.99, Verdict::Fail},    {1.0, 10.0, Verdict::Pass},
        {1.0, 10.01, Verdict::Pass}, {1.2, 51.0, Verdict::Pass}, {0.7, 3.5, Verdict::Pass}, {0.3, 1.5, Verdict::Pass},
        {0.3, 3.0, Verdict::Pass},  {0.3, 1.49, Verdict::Fail},
    };
    for (const Case& c : cases) {
        SelectionCheckInput input;
        input.mainPeriods = {c.t1, 2.0};
        input.records = {constantRecord("R", 0.1, c.seconds)};
        const CheckVerdict v = verdictOf(checkRecordSelection(target, input), CheckKind::Duration);
        EXPECT_EQ(v.verdict, c.verdict) << c.t1 << " " << c.seconds;
        EXPECT_NEAR(v.value, c.seconds, 1e-12);
        EXPECT_NEAR(v.second, c.seconds / c.t1, 1e-12);
        EXPECT_EQ(v.record, 0);
    }
}

TEST(RecordSelectionCheck, PeakAgainstTheTableWithinOneCentimetre)
{
    struct Case { int code, intensity, action; double peak; Verdict verdict; bool hasLimit; };
    const Case cases[] = {
        {0, 3, 0, 70, Verdict::Pass, true},     {0, 3, 0, 71, Verdict::Pass, true},
        {0, 3, 0, 69, Verdict::Pass, true},     {0, 3, 0, 71.5, Verdict::Warning, true},
        {0, 3, 0, 68.9, Verdict::Warning, true}, {1, 5, 2, 620, Verdict::Pass, true},
        {1, 5, 2, 400, Verdict::Warning, true}, {0, 3, 1, 150, Verdict::Pass, false},
        {0, -1, -1, 150, Verdict::Pass, false}, {2, 3, 0, 10, Verdict::Pass, false},
    };
    for (const Case& c : cases) {
        const KavrelSpectrum target("T", 0.16, 0.4, 0.05, c.code);
        SelectionCheckInput input;
        input.intensityIndex = c.intensity;
        input.actionIndex = c.action;
        input.mainPeriods = {0.5};
        input.records = {constantRecord("R", c.peak / standardGravityCm, 3)};
        const CheckVerdict v = verdictOf(checkRecordSelection(target, input), CheckKind::Peak);
        EXPECT_EQ(v.verdict, c.verdict) << c.peak;
        EXPECT_EQ(v.hasLimit, c.hasLimit) << c.peak;
        EXPECT_NEAR(v.value, c.peak, 1e-9);
    }
}

TEST(RecordSelectionCheck, BaseShearsFromSixtyFiveToOneHundredThirtyFivePercentMeanEightyToOneTwenty)
{
    const KavrelSpectrum target("T", 0.16, 0.4, 0.05, 0);
    struct Case { std::vector<double> shears; std::vector<Verdict> each; Verdict mean; };
    const Verdict P = Verdict::Pass, F = Verdict::Fail;
    const Case cases[] = {
        {{100, 65, 135, 100}, {P, P, P}, P},
        {{100, 64.9, 100, 100}, {F, P, P}, P},
        {{100, 100, 135.1, 100}, {P, F, P}, P},
        // 0.65 x 1234.5 and a mean of exactly 0.8, as typed.
        {{1234.5, 802.425, 802.425, 1357.95}, {P, P, P}, P},
        {{100, 65, 65, 65}, {P, P, P}, F},
        {{100, 120, 120, 120}, {P, P, P}, P},
        {{100, 135, 135, 100}, {P, P, P}, F},
        {{100, 79, 80, 80}, {P, P, P}, F},
    };
    for (const Case& c : cases) {
        SelectionCheckInput input;
        input.mainPeriods = {0.5};
        input.records.assign(3, constantRecord("R", 0.1, 3));
        input.baseShears = c.shears;
        const SelectionCheck check = checkRecordSelection(target, input);
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(verdictOf(check, CheckKind::BaseShear, r).verdict, c.each[static_cast<std::size_t>(r)])
                << c.shears[0] << " record " << r;
        EXPECT_EQ(verdictOf(check, CheckKind::BaseShearMean).verdict, c.mean) << c.shears[1];
    }
    SelectionCheckInput none;
    none.mainPeriods = {0.5};
    none.records.assign(3, constantRecord("R", 0.1, 3));
    for (const CheckVerdict& v : checkRecordSelection(target, none).verdicts)
        EXPECT_TRUE(v.kind != CheckKind::BaseShear && v.kind != CheckKind::BaseShearMean);
}

// Three recorded and one artificial record agreeing with the target and
// matching the table's peak (intensity 8, frequent: 70 cm/s^2); each change
// below breaks one check and nothing else.
TEST(RecordSelectionCheck, AGoodSelectionPassesAndEachFaultFailsItsOwnCheck)
{
    const double zeta = 0.05, peak = 70 / standardGravityCm;
    // Tg of 2 s keeps the target flat over both main periods at alphaMax.
    const KavrelSpectrum target("T", suddenStepFactor(zeta) * peak, 2.0, zeta, 0);
    const auto good = [&] {
        SelectionCheckInput input;
        input.intensityIndex = 3;
        input.actionIndex = 0;
        input.mainPeriods = {1.0, 0.4};
        for (int i = 0; i < 4; ++i)
            input.records.push_back(constantRecord("R" + std::to_string(i), peak, 7, 0.005, i == 3));
        input.baseShears = {1000, 900, 1000, 1100, 950};
        return input;
    };
    const SelectionCheck passing = checkRecordSelection(target, good());
    EXPECT_FALSE(passing.anyFails());
    for (const CheckVerdict& v : passing.verdicts)
        EXPECT_EQ(v.verdict, Verdict::Pass) << static_cast<int>(v.kind);

    struct Fault { CheckKind kind; Verdict verdict; int record; void (*change)(SelectionCheckInput&); };
    const Fault faults[] = {
        {CheckKind::Count, Verdict::Fail, -1, [](SelectionCheckInput& in) {
             in.records.resize(2);
             in.baseShears.resize(3);
         }},
        {CheckKind::NaturalShare, Verdict::Fail, -1, [](SelectionCheckInput& in) { in.records[2].artificial = true; }},
        {CheckKind::Duration, Verdict::Fail, 1, [](SelectionCheckInput& in) { in.records[1].acceleration.resize(801); }},
        // 10.5 T1: a long record is no fault, nothing warns.
        {CheckKind::Duration, Verdict::Pass, 1, [](SelectionCheckInput& in) {
             in.records[1].acceleration.assign(2101, in.records[1].acceleration[0]);
         }},
        {CheckKind::Peak, Verdict::Warning, 0, [](SelectionCheckInput& in) {
             for (double& a : in.records[0].acceleration)
                 a *= 72.0 / 70.0;
         }},
        {CheckKind::BaseShear, Verdict::Fail, 1, [](SelectionCheckInput& in) { in.baseShears[2] = 600; }},
        {CheckKind::BaseShearMean, Verdict::Fail, -1, [](SelectionCheckInput& in) {
             in.baseShears = {1000, 700, 700, 700, 1000};
         }},
    };
    for (const Fault& fault : faults) {
        SelectionCheckInput input = good();
        fault.change(input);
        const SelectionCheck check = checkRecordSelection(target, input);
        EXPECT_EQ(check.anyFails(), fault.verdict == Verdict::Fail) << static_cast<int>(fault.kind);
        for (const CheckVerdict& v : check.verdicts) {
            EXPECT_EQ(v.verdict, v.kind == fault.kind && v.record == fault.record ? fault.verdict : Verdict::Pass)
                << static_cast<int>(fault.kind) << " verdict " << static_cast<int>(v.kind) << " record " << v.record;
        }
    }
    // Every record 30 % too strong: the spectra disagree at both periods.
    SelectionCheckInput strong = good();
    for (CheckedRecord& record : strong.records)
        for (double& a : record.acceleration)
            a *= 1.3;
    const SelectionCheck check = checkRecordSelection(target, strong);
    EXPECT_EQ(verdictOf(check, CheckKind::Spectrum, 0).verdict, Verdict::Fail);
    EXPECT_EQ(verdictOf(check, CheckKind::Spectrum, 1).verdict, Verdict::Fail);
}

TEST(RecordSelectionCheck, RefusesInputItCannotCheck)
{
    const KavrelSpectrum target("T", 0.16, 0.4, 0.05, 0);
    const KavrelSpectrum flat("Z", 0.0, 0.4, 0.05, 0);
    const KavrelSpectrum overdamped("D", 0.16, 0.4, 1.0, 0);
    const auto good = [] {
        SelectionCheckInput input;
        input.mainPeriods = {0.5};
        input.records = {constantRecord("A", 0.1, 3)};
        return input;
    };
    struct Case { const KavrelSpectrum* target; void (*change)(SelectionCheckInput&); const char* words; };
    const Case cases[] = {
        {&target, [](SelectionCheckInput& in) { in.records.clear(); }, "at least one record"},
        {&target, [](SelectionCheckInput& in) { in.records[0].acceleration.clear(); }, "A has no samples"},
        {&target, [](SelectionCheckInput& in) { in.records[0].step = 0; }, "positive time step"},
        {&target, [](SelectionCheckInput& in) { in.records[0].acceleration[3] = NAN; }, "not a number"},
        {&target, [](SelectionCheckInput& in) { in.mainPeriods.clear(); }, "T1"},
        {&target, [](SelectionCheckInput& in) { in.mainPeriods.assign(7, 1.0); }, "at most five more"},
        {&target, [](SelectionCheckInput& in) { in.mainPeriods = {0.0}; }, "0 s is outside"},
        {&target, [](SelectionCheckInput& in) { in.mainPeriods = {1.0, 6.5}; }, "6.5 s is outside"},
        {&target, [](SelectionCheckInput& in) { in.baseShears = {100}; }, "2 values, not 1"},
        {&target, [](SelectionCheckInput& in) { in.baseShears = {100, 0}; }, "positive number"},
        {&target, [](SelectionCheckInput& in) { in.baseShears = {-100, 90}; }, "positive number"},
        {&flat, [](SelectionCheckInput&) {}, "is 0 at the main period 0.5 s"},
        {&overdamped, [](SelectionCheckInput&) {}, "damping ratio"},
    };
    for (const Case& c : cases) {
        SelectionCheckInput input = good();
        c.change(input);
        try {
            checkRecordSelection(*c.target, input);
            ADD_FAILURE() << "accepted: " << c.words;
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(c.words), std::string::npos) << error.what();
        }
    }
    EXPECT_NO_THROW(checkRecordSelection(target, good()));
    SelectionCheckInput six = good();
    six.mainPeriods = {6.0, 0.1, 0.2, 0.3, 0.4, 0.5};
    EXPECT_NO_THROW(checkRecordSelection(target, six));
}

}  // namespace
