#include "common/KavrelError.h"
#include "records/ArtificialRecord.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

struct Target {
    const char* label;
    int code;
    double alphaMax, tg, damping, duration, step;
    std::uint64_t seed;
};

// The promises, judged with the engine itself, independently of how the
// generator got there.
void expectPromisesKept(const KavrelSpectrum& target, const ArtificialRecord& r, double step, const char* label)
{
    SCOPED_TRACE(label);
    const std::vector<double>& periods = matchCheckPeriods();
    ASSERT_EQ(periods.size(), 100u);
    EXPECT_DOUBLE_EQ(periods.front(), 0.1);
    EXPECT_DOUBLE_EQ(periods.back(), 6.0);
    const std::vector<double> sa = pseudoSpectralAcceleration(r.acceleration, step, periods, target.dampingRatio);
    double sum = 0;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        double alpha = 0;
        target.alphaAt(periods[i], alpha);
        EXPECT_NEAR(sa[i] / alpha, 1.0, 0.10) << "T = " << periods[i];
        sum += sa[i] / alpha;
    }
    EXPECT_NEAR(sum / 100, 1.0, 0.03);
    EXPECT_NEAR(r.match.meanDeviation, sum / 100 - 1, 1e-12);
    EXPECT_NEAR(peakAbsolute(r.acceleration), 0.45 * target.alphaMax, 0.15 * 0.45 * target.alphaMax);
    const Integrated motion = integrateHistory(r.acceleration, step);
    EXPECT_LE(std::fabs(motion.velocity.back()), 0.01 * peakAbsolute(motion.velocity));
    EXPECT_LE(std::fabs(motion.displacement.back()), 0.05 * peakAbsolute(motion.displacement));
    EXPECT_DOUBLE_EQ(r.peak, peakAbsolute(r.acceleration));
    EXPECT_GT(r.effectiveDuration, 0.3 * (r.acceleration.size() - 1) * step);
}

// The three codes, a long Tg, high and low damping and every step.
const Target matchedTargets[] = {
    {"Gb2010SiteII", 0, 0.16, 0.35, 0.05, 12, 0.01, 1},
    {"Gb2001SiteII", 1, 0.16, 0.35, 0.05, 12, 0.01, 3},
    {"Gbt51408", 2, 0.16, 0.35, 0.05, 12, 0.01, 2},
    {"SiteIVGroup3", 0, 0.16, 0.9, 0.05, 12, 0.01, 1},
    {"Damping20Percent", 0, 0.16, 0.35, 0.2, 12, 0.01, 2},
    {"RareDamping2PercentStep002", 0, 0.5, 0.45, 0.02, 12, 0.02, 1},
    {"Step0005", 0, 0.08, 0.25, 0.05, 12, 0.005, 1},
};

class ArtificialRecordMatch : public testing::TestWithParam<Target> {};

TEST_P(ArtificialRecordMatch, KeepsItsPromises)
{
    const Target& t = GetParam();
    const KavrelSpectrum target("T", t.alphaMax, t.tg, t.damping, t.code);
    ArtificialRequest request;
    request.duration = t.duration;
    request.step = t.step;
    request.seed = t.seed;
    const auto record = generateArtificialRecord(target, request);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->acceleration.size(), static_cast<std::size_t>(std::lround(t.duration / t.step)) + 1);
    EXPECT_EQ(record->seed, t.seed);
    EXPECT_EQ(record->envelope, IntensityEnvelope::forDuration(t.duration));
    expectPromisesKept(target, *record, t.step, t.label);
}

INSTANTIATE_TEST_SUITE_P(ArtificialRecord, ArtificialRecordMatch, testing::ValuesIn(matchedTargets),
                         [](const testing::TestParamInfo<Target>& info) { return std::string(info.param.label); });

TEST(ArtificialRecord, SameInputsSameBytesOtherSeedsUncorrelatedGivenPeakExact)
{
    const KavrelSpectrum target("T", 0.16, 0.35, 0.05, 0);
    ArtificialRequest request;
    request.duration = 12;
    const auto first = generateArtificialRecord(target, request);
    const auto again = generateArtificialRecord(target, request);
    ASSERT_TRUE(first && again);
    ASSERT_EQ(first->acceleration.size(), again->acceleration.size());
    EXPECT_EQ(std::memcmp(first->acceleration.data(), again->acceleration.data(),
                          first->acceleration.size() * sizeof(double)), 0);

    request.seed = 4;
    const auto other = generateArtificialRecord(target, request);
    ASSERT_TRUE(other);
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t i = 0; i < first->acceleration.size(); ++i) {
        const double x = first->acceleration[i], y = other->acceleration[i];
        xy += x * y;
        xx += x * x;
        yy += y * y;
    }
    EXPECT_LT(std::fabs(xy / std::sqrt(xx * yy)), 0.3);

    // 70 cm/s^2 in g: the matched record scaled, nothing else changed.
    request.seed = 1;
    request.peak = 70 / 980.665;
    const auto scaledRecord = generateArtificialRecord(target, request);
    ASSERT_TRUE(scaledRecord);
    EXPECT_DOUBLE_EQ(scaledRecord->peak, 70 / 980.665);
    const double factor = scaledRecord->peak / first->peak;
    for (std::size_t i = 0; i < first->acceleration.size(); i += 97)
        EXPECT_NEAR(scaledRecord->acceleration[i], first->acceleration[i] * factor, 1e-15);
    EXPECT_DOUBLE_EQ(scaledRecord->match.largestDeviation, first->match.largestDeviation);
}

// Robustness: consecutive seeds, as the dialog draws them, all match at the
// shortest duration, where the long periods are hardest.
TEST(ArtificialRecord, ConsecutiveSeedsAllMatchAtTwelveSeconds)
{
    const KavrelSpectrum target("T", 0.16, 0.35, 0.05, 0);
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        ArtificialRequest request;
        request.duration = 12;
        request.seed = seed;
        const auto record = generateArtificialRecord(target, request);
        ASSERT_TRUE(record) << seed;
        expectPromisesKept(target, *record, 0.01, ("seed " + std::to_string(seed)).c_str());
    }
}

TEST(ArtificialRecord, TheDefaultTwentySecondRecord)
{
    const KavrelSpectrum target("T", 0.16, 0.35, 0.05, 0);  // 8, frequent, site II, group 1
    const auto record = generateArtificialRecord(target, ArtificialRequest{});
    ASSERT_TRUE(record);
    EXPECT_EQ(record->acceleration.size(), 2001u);
    expectPromisesKept(target, *record, 0.01, "default");
}

TEST(ArtificialRecord, RefusesWhatItCannotMatchWithTheReason)
{
    struct Case {
        double alphaMax, tg, damping;
        int code;
        double duration, step, peak;
        const char* reason;
    };
    const Case cases[] = {
        {0.0, 0.35, 0.05, 0, 20, 0.01, 0, "AlphaMax is 0"},
        {0.16, 0.35, 0.0, 0, 20, 0.01, 0, "damping ratio is 0"},
        {0.16, 0.35, 1.0, 0, 20, 0.01, 0, "damping ratio is 1"},
        {0.16, 0.35, 0.05, 7, 20, 0.01, 0, "no design code"},
        {0.16, 0.35, 0.05, 0, 10, 0.01, 0, "at least 12 s"},
        {0.16, 0.35, 0.05, 0, 300, 0.01, 0, "at most 200 s"},
        {0.16, 0.35, 0.05, 0, 20, 0.03, 0, "0.005 s, 0.01 s or 0.02 s"},
        {0.16, 0.35, 0.05, 0, 20.01, 0.02, 0, "does not divide the duration"},
        {0.16, 0.35, 0.05, 0, 20, 0.01, -1, "peak acceleration must be a number above 0"},
        // A negative Tg leaves the curve without a value beyond 0.1 s.
        {0.16, -0.35, 0.05, 2, 20, 0.01, 0, "not above 0 at 0.10"},
    };
    for (const Case& c : cases) {
        const KavrelSpectrum target("T", c.alphaMax, c.tg, c.damping, c.code);
        ArtificialRequest request;
        request.duration = c.duration;
        request.step = c.step;
        if (c.peak != 0)
            request.peak = c.peak;
        try {
            generateArtificialRecord(target, request);
            ADD_FAILURE() << "accepted: " << c.reason;
        } catch (const KavrelError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

TEST(ArtificialRecord, ProgressCountsPassesAndCanStop)
{
    const KavrelSpectrum target("T", 0.16, 0.35, 0.05, 0);
    ArtificialRequest request;
    request.duration = 12;
    int calls = 0;
    const auto stopped = generateArtificialRecord(target, request, [&](int pass, int passes) {
        EXPECT_EQ(pass, calls);
        EXPECT_EQ(passes, artificialMaxPasses);
        return ++calls < 3;
    });
    EXPECT_FALSE(stopped);
    EXPECT_EQ(calls, 3);
}

TEST(IntensityEnvelope, CornersOfTheCompoundShape)
{
    const IntensityEnvelope e = IntensityEnvelope::forDuration(20);
    EXPECT_DOUBLE_EQ(e.riseEnd, 2);
    EXPECT_DOUBLE_EQ(e.strongEnd, 12);
    EXPECT_DOUBLE_EQ(e.at(0), 0);
    EXPECT_DOUBLE_EQ(e.at(1), 0.25);
    EXPECT_DOUBLE_EQ(e.at(2), 1);
    EXPECT_DOUBLE_EQ(e.at(12), 1);
    EXPECT_NEAR(e.at(20), 0.1, 1e-15);
    EXPECT_NEAR(e.at(16), std::sqrt(0.1), 1e-15);  // half way down in log
}

}  // namespace
