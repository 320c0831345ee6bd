#include "records/BaselineCorrection.h"
#include "records/FourierTransform.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RealFourierTransform, CosineLandsInItsBinAndTheInverseGivesItBack)
{
    const std::size_t n = 64;
    std::vector<double> x(n);
    for (std::size_t j = 0; j < n; ++j)
        x[j] = 3 * std::cos(2 * M_PI * 5 * j / n) + 0.5;
    RealFourierTransform transform(n);
    const auto bins = transform.forward(x);
    ASSERT_EQ(bins.size(), 33u);
    EXPECT_NEAR(bins[0].real(), 0.5 * n, 1e-12);
    EXPECT_NEAR(bins[5].real(), 1.5 * n, 1e-12);
    EXPECT_NEAR(std::abs(bins[4]), 0, 1e-12);
    const auto back = transform.inverse(bins);
    for (std::size_t j = 0; j < n; ++j)
        EXPECT_NEAR(back[j], x[j], 1e-13);
    // A shorter input is padded with zeros: one impulse has a flat spectrum.
    for (const auto& bin : transform.forward({2.0}))
        EXPECT_NEAR(std::abs(bin), 2, 1e-14);
    EXPECT_THROW(transform.forward(std::vector<double>(65)), std::invalid_argument);
    EXPECT_THROW(transform.inverse(std::vector<std::complex<double>>(3)), std::invalid_argument);
}

TEST(BaselineCorrection, ConstantAccelerationEndsAtRestAndMeetsBothEnds)
{
    // A constant 1 over 10 s would end at v = 10, d = 50.
    std::vector<double> a(1001, 1.0), shape(1001, 1.0);
    bringToRestAtEnd(a, 0.01, shape);
    const Integrated m = integrateHistory(a, 0.01);
    EXPECT_NEAR(m.velocity.back(), 0, 1e-12);
    EXPECT_NEAR(m.displacement.back(), 0, 1e-11);
    // With a flat shape the correction is b0 + b1 t, and v(10) = 10 (1 - b0) - 50 b1,
    // d(10) = 50 (1 - b0) - 500/3 b1 vanish only for b0 = 1, b1 = 0: nothing is left.
    EXPECT_NEAR(peakAbsolute(a), 0, 1e-12);
    EXPECT_THROW(bringToRestAtEnd(a, 0.01, std::vector<double>(1001, 0.0)), std::invalid_argument);
}

TEST(ResponseSpectrum, RelativeDisplacementOfASuddenConstantAcceleration)
{
    // Undamped from rest under a constant 3: u = -3 (1 - cos w t) / w^2.
    const double period = 1.0, w = 2 * M_PI;
    const auto u = relativeDisplacement(std::vector<double>(301, 3.0), 0.01, period, 0.0);
    for (std::size_t i = 0; i < u.size(); i += 37)
        EXPECT_NEAR(u[i], -3 * (1 - std::cos(w * 0.01 * i)) / (w * w), 1e-9) << i;
}

}  // namespace
