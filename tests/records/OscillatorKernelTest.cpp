#include "records/OscillatorKernel.h"
#include "records/ResponseSpectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

namespace {

// A broadband shaking with a sharp pulse, so that peaks fall between samples
// and at the record's end as well as in its middle.
std::vector<double> shaking(std::size_t samples)
{
    std::vector<double> a(samples);
    for (std::size_t i = 0; i < samples; ++i) {
        const double t = 0.01 * static_cast<double>(i);
        a[i] = std::sin(7.3 * t) * std::exp(-0.2 * t) + 0.4 * std::sin(41.0 * t + 0.3) + (i == samples / 3 ? 2.5 : 0.0);
    }
    return a;
}

// The plain loop over one oscillator: its peak |u| and u at every sample.
std::pair<double, std::vector<double>> plainLoop(const std::vector<double>& a, int subSteps, const OscillatorStep& c)
{
    std::vector<double> history(a.size(), -1.0);
    double peak = -1;
    runOscillatorsOneByOne({a.data(), a.size(), subSteps, &c, 1, &peak, history.data()});
    return {peak, history};
}

struct KernelCase {
    const char* name;
    std::size_t periods;
    int subSteps;
    std::size_t samples;
};

// Counts that fill no register of any target exactly, and the edges.
const KernelCase kernelCases[] = {
    {"OnePeriod", 1, 1, 1500},
    {"SevenPeriods", 7, 1, 1500},
    {"OneMoreThanAnyFullRun", 33, 1, 1500},
    {"ManyPeriods", 150, 1, 1500},
    {"SubSteppedInThree", 13, 3, 800},
    {"SubSteppedInFive", 37, 5, 800},
    {"TwoSamples", 9, 2, 2},
    {"OneSample", 5, 1, 1},
};

class OscillatorKernelTest : public ::testing::TestWithParam<std::tuple<KernelTarget, KernelCase>> {};

// Each instruction set this processor runs gives the plain loop's peaks and
// displacements, with and without the displacements kept.
TEST_P(OscillatorKernelTest, EqualsThePlainLoopOnEveryTarget)
{
    const auto& [target, kase] = GetParam();
    const std::vector<double> a = shaking(kase.samples);
    std::vector<OscillatorStep> steps;
    for (std::size_t j = 0; j < kase.periods; ++j) {
        const double period = 0.02 * std::pow(300.0, static_cast<double>(j) / std::max<std::size_t>(kase.periods, 2));
        steps.push_back(oscillatorStep(period, 0.02 + 0.01 * static_cast<double>(j % 5), 0.01 / kase.subSteps));
    }
    std::vector<double> peaks(steps.size(), -1.0), kept(steps.size(), -1.0);
    std::vector<double> history(kase.samples * steps.size(), -1.0);
    runOscillators(target, {a.data(), a.size(), kase.subSteps, steps.data(), steps.size(), peaks.data()});
    runOscillators(target, {a.data(), a.size(), kase.subSteps, steps.data(), steps.size(), kept.data(), history.data()});

    for (std::size_t j = 0; j < steps.size(); ++j) {
        const auto [peak, u] = plainLoop(a, kase.subSteps, steps[j]);
        EXPECT_NEAR(peaks[j], peak, 1e-12 * peak) << "period " << j;
        EXPECT_EQ(kept[j], peaks[j]) << "period " << j;
        for (std::size_t i = 0; i < kase.samples; ++i)
            ASSERT_NEAR(history[i * steps.size() + j], u[i], 1e-12 * peak) << "period " << j << ", sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, OscillatorKernelTest,
                         ::testing::Combine(::testing::ValuesIn(availableKernelTargets()),
                                            ::testing::ValuesIn(kernelCases)),
                         [](const auto& info) {
                             return std::string(kernelTargetName(std::get<0>(info.param))) + "_" +
                                    std::get<1>(info.param).name;
                         });

// The best target is the one used, and every processor runs the baseline.
TEST(OscillatorKernel, UsesTheWidestTargetTheProcessorRuns)
{
    const std::vector<KernelTarget> targets = availableKernelTargets();
    ASSERT_FALSE(targets.empty());
    EXPECT_EQ(targets.front(), KernelTarget::Baseline);
    EXPECT_EQ(chosenKernelTarget(), targets.back());
    EXPECT_GE(kernelWidth(), 4u);
}

// The whole engine, threads and sub-step groups included, against the plain
// loop: periods of 0, periods sub-stepped in 1 to 5, in no order.
TEST(OscillatorKernel, EngineEqualsThePlainLoopOverMixedSubSteps)
{
    const double step = 0.01;
    const std::vector<double> a = shaking(20000);  // long enough for the threads
    std::vector<double> periods{0.0, 3.0, 0.021};
    for (int j = 0; j < 200; ++j)
        periods.push_back(0.02 * std::pow(250.0, j / 199.0));
    periods.push_back(0.0);
    const SpectrumOscillators oscillators(periods, step, 0.05);
    std::vector<OscillatorPeak> where;
    const std::vector<double> sa = oscillators.pseudoSpectralAcceleration(a, where);
    double pga = 0;
    for (const double x : a)
        pga = std::max(pga, std::fabs(x));
    for (std::size_t j = 0; j < periods.size(); ++j) {
        if (periods[j] == 0) {
            EXPECT_EQ(sa[j], pga);
            continue;
        }
        const int subSteps = subStepsFor(periods[j], step);
        const auto [peak, u] = plainLoop(a, subSteps, oscillatorStep(periods[j], 0.05, step / subSteps));
        const double omega = 2 * M_PI / periods[j];
        EXPECT_NEAR(sa[j], omega * omega * peak, 1e-12 * omega * omega * peak) << "T = " << periods[j];
        const auto largest = std::max_element(u.begin(), u.end(), [](double x, double y) { return std::fabs(x) < std::fabs(y); });
        EXPECT_EQ(where[j].sample, static_cast<std::size_t>(largest - u.begin())) << "T = " << periods[j];
        EXPECT_EQ(where[j].displacement, *largest) << "T = " << periods[j];
    }
}

}  // namespace
