#include "records/ResponseSpectrum.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

// An undamped oscillator under a suddenly applied constant acceleration swings
// between 0 and twice the static response: Sa = 2 a, reached at t = T / 2.
// At T = 0.05 s a 0.02 s record reaches T / 2 only between samples, so the
// sub-steps are what find the peak (at the samples alone 1.81 a).
TEST(ResponseSpectrum, SuddenConstantAccelerationPeaksAtTwiceTheStaticResponse)
{
    const std::vector<double> constant(600, 3.0);
    for (const auto& [step, period] : {std::pair{0.01, 1.0}, std::pair{0.02, 0.05}, std::pair{0.005, 2.0}}) {
        const auto sa = pseudoSpectralAcceleration(constant, step, {period}, 0.0);
        EXPECT_NEAR(sa[0], 6.0, 1e-9) << "step " << step << " period " << period;
    }
}

// Damped, the first swing is the largest: at half the damped period, where
// u = -(a / omega^2) (1 + exp(-zeta pi / sqrt(1 - zeta^2))). The oscillators
// kept for many records give the same spectrum as the one-off function.
TEST(ResponseSpectrum, PeaksOfASuddenConstantAccelerationAtHalfTheDampedPeriod)
{
    const double zeta = 0.05, step = 0.01;
    const std::vector<double> constant(1001, 1.0);
    const std::vector<double> periods{0.0, 0.5, 1.0, 2.0};
    const SpectrumOscillators oscillators(periods, step, zeta);
    std::vector<OscillatorPeak> peaks;
    const auto sa = oscillators.pseudoSpectralAcceleration(constant, peaks);
    EXPECT_EQ(sa, pseudoSpectralAcceleration(constant, step, periods, zeta));
    ASSERT_EQ(peaks.size(), periods.size());
    EXPECT_EQ(peaks[0].sample, 0u);
    for (std::size_t j = 1; j < periods.size(); ++j) {
        const double omega = 2 * M_PI / periods[j];
        const double overshoot = std::exp(-zeta * M_PI / std::sqrt(1 - zeta * zeta));
        EXPECT_NEAR(peaks[j].displacement * omega * omega, -(1 + overshoot), 1e-4) << periods[j];
        EXPECT_EQ(peaks[j].sample, static_cast<std::size_t>(std::lround(periods[j] / std::sqrt(1 - zeta * zeta) / 2 / step)))
            << periods[j];
        EXPECT_NEAR(sa[j], (1 + overshoot), 1e-4);
    }
}

TEST(ResponseSpectrum, PeriodZeroIsThePeakGroundAcceleration)
{
    const auto sa = pseudoSpectralAcceleration({0.1, -0.7, 0.3}, 0.01, {0.0, 0.0}, 0.05);
    EXPECT_DOUBLE_EQ(sa[0], 0.7);
    EXPECT_DOUBLE_EQ(sa[1], 0.7);
}

// Harmonic ground motion a = A sin(W t): once the start has died out the
// oscillator follows u = -A / w^2 H sin(W t - phi) with
// H = 1 / sqrt((1 - r^2)^2 + (2 zeta r)^2), tan phi = 2 zeta r / (1 - r^2).
TEST(ResponseSpectrum, ExactStepFollowsTheSteadyStateOfHarmonicMotion)
{
    const double period = 0.8, zeta = 0.2, step = 0.01, A = 1.5;
    const double w = 2 * M_PI / period, W = 2 * M_PI / 1.3, r = W / w;
    const OscillatorStep c = oscillatorStep(period, zeta, step);
    double u = 0, v = 0;
    const int n = 6000;  // 60 s, the start has decayed by exp(-zeta w t) ~ 1e-40
    // The recurrence is exact only for a piecewise-linear ground motion; a
    // sine sampled every 0.01 s differs from its chords by ~1e-4 relative,
    // so the comparison allows that.
    for (int i = 0; i < n; ++i) {
        const double a0 = A * std::sin(W * i * step), a1 = A * std::sin(W * (i + 1) * step);
        const double u1 = c.uu * u + c.uv * v + c.ua * a0 + c.ub * a1;
        v = c.vu * u + c.vv * v + c.va * a0 + c.vb * a1;
        u = u1;
    }
    const double H = 1 / std::sqrt(std::pow(1 - r * r, 2) + std::pow(2 * zeta * r, 2));
    const double phi = std::atan2(2 * zeta * r, 1 - r * r);
    const double expected = -A / (w * w) * H * std::sin(W * n * step - phi);
    EXPECT_NEAR(u, expected, 2e-4 * A / (w * w) * H);
}

// Long periods with short steps are where closed-form coefficients lose their
// digits. Undamped, from rest, under a constant ground acceleration a:
// u(h) = -2 a sin^2(w h / 2) / w^2 and v(h) = -a sin(w h) / w, written so that
// nothing cancels.
TEST(ResponseSpectrum, StepCoefficientsKeepTheirDigitsAtLongPeriods)
{
    for (const auto& [period, h] : {std::pair{20.0, 0.001}, std::pair{6.0, 0.0005}, std::pair{0.01, 0.001}}) {
        const double w = 2 * M_PI / period;
        const OscillatorStep c = oscillatorStep(period, 0.0, h);
        const double u = -2 * std::pow(std::sin(w * h / 2), 2) / (w * w);
        const double v = -std::sin(w * h) / w;
        EXPECT_NEAR((c.ua + c.ub) / u, 1.0, 1e-12) << "T = " << period;
        EXPECT_NEAR((c.va + c.vb) / v, 1.0, 1e-12) << "T = " << period;
    }
}

TEST(ResponseSpectrum, SubStepsAreTheFewestOfAtMostATenthOfThePeriod)
{
    EXPECT_EQ(subStepsFor(1.0, 0.01), 1);
    EXPECT_EQ(subStepsFor(0.1, 0.01), 1);    // exactly T / 10
    EXPECT_EQ(subStepsFor(0.05, 0.02), 4);
    EXPECT_EQ(subStepsFor(0.03, 0.02), 7);   // 0.02 / 0.003 = 6.67
    EXPECT_EQ(subStepsFor(0.01, 0.005), 5);
}

// Sub-stepping a record is the same as reading it every sub-step along its
// straight lines.
TEST(ResponseSpectrum, SubStepsEqualTheRecordInterpolatedToTheShorterStep)
{
    std::vector<double> coarse, fine;
    for (int i = 0; i < 400; ++i)
        coarse.push_back(std::sin(0.37 * i) + 0.5 * std::cos(1.91 * i));
    for (std::size_t i = 0; i + 1 < coarse.size(); ++i)
        for (int k = 0; k < 4; ++k)
            fine.push_back(coarse[i] + (coarse[i + 1] - coarse[i]) * k / 4);
    fine.push_back(coarse.back());
    const auto a = pseudoSpectralAcceleration(coarse, 0.02, {0.05, 0.06}, 0.05);
    const auto b = pseudoSpectralAcceleration(fine, 0.005, {0.05, 0.06}, 0.05);
    EXPECT_NEAR(a[0], b[0], 1e-9 * b[0]);
    EXPECT_NEAR(a[1], b[1], 1e-9 * b[1]);
}

TEST(ResponseSpectrum, RefusesArgumentsOutsideTheOscillatorsRange)
{
    const std::vector<double> a{0.0, 1.0};
    EXPECT_THROW(pseudoSpectralAcceleration(a, 0.0, {1.0}, 0.05), std::invalid_argument);
    EXPECT_THROW(pseudoSpectralAcceleration(a, 0.01, {-1.0}, 0.05), std::invalid_argument);
    EXPECT_THROW(pseudoSpectralAcceleration(a, 0.01, {1.0}, 1.0), std::invalid_argument);
    EXPECT_THROW(pseudoSpectralAcceleration(a, 0.01, {1.0}, std::nan("")), std::invalid_argument);
}

std::vector<std::pair<double, double>> readColumns(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    std::vector<std::pair<double, double>> rows;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
        rows.emplace_back(parts[0].toDouble(), parts.size() > 1 ? parts[1].toDouble() : 0.0);
    }
    return rows;
}

// Whittier Narrows 1987, Carson - Catskill Ave, 090: the 5 %-damped spectrum
// an established program published for this record.
TEST(ResponseSpectrum, AgreesWithThePublishedSpectrumOfARealRecord)
{
    const QString folder = QStringLiteral(KAVREL_TEST_DATA "/records/");
    std::vector<double> record;
    for (const auto& row : readColumns(folder + "whittier-carson-catskill-090.txt"))
        record.push_back(row.first);
    ASSERT_EQ(record.size(), 1646u);
    const auto published = readColumns(folder + "whittier-carson-catskill-090-psa.txt");
    ASSERT_GT(published.size(), 60u);
    std::vector<double> periods;
    for (const auto& row : published)
        periods.push_back(row.first);
    const auto sa = pseudoSpectralAcceleration(record, 0.02, periods, 0.05);
    for (std::size_t i = 0; i < periods.size(); ++i)
        EXPECT_NEAR(sa[i] / published[i].second, 1.0, 0.002) << "T = " << periods[i];
}

struct StiffOscillator {
    const char* name;
    double period;
    double step;
    bool follows;
    int subSteps;
};

class SubStepBound : public testing::TestWithParam<StiffOscillator> {};

// Far below the step the count would overflow an int (1e300 / 1e-3) or take
// hours; it stops at the bound, where the oscillator follows the ground.
TEST_P(SubStepBound, StopsWhereTheOscillatorFollowsTheGround)
{
    EXPECT_EQ(followsTheGround(GetParam().period, GetParam().step), GetParam().follows);
    EXPECT_EQ(subStepsFor(GetParam().period, GetParam().step), GetParam().subSteps);
}

INSTANTIATE_TEST_SUITE_P(
    ResponseSpectrum, SubStepBound,
    testing::Values(StiffOscillator{"ShortStep", 0.1, 0.01, false, 1},
                    StiffOscillator{"JustInsideTheBound", 0.02 / 99, 0.02, false, 990},
                    StiffOscillator{"JustOutsideTheBound", 0.02 / 101, 0.02, true, maxSubSteps},
                    StiffOscillator{"PeriodZero", 0.0, 0.02, true, maxSubSteps},
                    StiffOscillator{"PeriodFarBelowTheStep", 1e-12, 0.005, true, maxSubSteps},
                    StiffOscillator{"StepOfAnAbsurdRecord", 1e-3, 1e300, true, maxSubSteps}),
    [](const testing::TestParamInfo<StiffOscillator>& info) { return std::string(info.param.name); });

// The Whittier record (step 0.02 s): below T = step / 100 Sa is its peak
// acceleration, and just above, integrated with 990 sub-steps a step, it is
// within a few thousandths of it, so the bound leaves no step in the curve.
TEST(ResponseSpectrum, StiffOscillatorsGiveThePeakGroundAcceleration)
{
    std::vector<double> record;
    for (const auto& row : readColumns(QStringLiteral(KAVREL_TEST_DATA "/records/whittier-carson-catskill-090.txt")))
        record.push_back(row.first);
    ASSERT_EQ(record.size(), 1646u);
    double pga = 0;
    for (double a : record)
        pga = std::max(pga, std::fabs(a));
    const auto sa = pseudoSpectralAcceleration(record, 0.02, {0.0, 1e-12, 1e-7, 0.02 / 101, 0.02 / 99}, 0.05);
    EXPECT_EQ(sa[0], pga);
    EXPECT_EQ(sa[1], pga);
    EXPECT_EQ(sa[2], pga);
    EXPECT_EQ(sa[3], pga);
    EXPECT_NEAR(sa[4] / pga, 1.0, 0.003);
    // Where it follows the ground, u = -a / omega^2.
    const double omega = 2 * M_PI / 1e-7;
    const auto u = relativeDisplacement(record, 0.02, 1e-7, 0.05);
    EXPECT_DOUBLE_EQ(u[100], -record[100] / (omega * omega));
}

}  // namespace
