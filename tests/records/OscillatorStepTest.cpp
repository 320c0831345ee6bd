#include "records/ResponseSpectrum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct StepCase {
    const char* name;
    double period, damping, step;
};

// theta = omega h from a fraction of the sub-step limit to many periods in
// one step (which the coefficients reach through many halvings), damping
// from none to nearly critical.
const StepCase stepCases[] = {
    {"TenthOfThePeriodUndamped", 1.0, 0.0, 0.1},
    {"ShortStepFivePercent", 0.5, 0.05, 0.016},
    {"HalfAPeriodThirtyPercent", 0.2, 0.3, 0.1},
    {"FourPeriodsInOneStep", 0.005, 0.05, 0.02},
    {"NearlyCriticalDamping", 2.0, 0.9, 0.2},
};

class OscillatorStepTest : public ::testing::TestWithParam<StepCase> {};

// Against the closed forms of the damped oscillator from rest or released,
// with E = exp(-zeta theta), phi = theta s, s = sqrt(1 - zeta^2):
//   released from u = 1:          u = E (cos phi + zeta / s sin phi), v = -omega E sin phi / s
//   released with v = 1:          u = E sin phi / (omega s), v = E (cos phi - zeta / s sin phi)
//   under a constant a = 1:       u = -(1 - E (cos phi + zeta / s sin phi)) / omega^2, v = -E sin phi / (omega s)
//   under a ramp a = t / h:       u = -(1 - 2 zeta / theta) / omega^2
//                                     + E (-2 zeta / theta cos phi + (1 - 2 zeta^2) / (theta s) sin phi) / omega^2,
//                                 v = -(1 - E (cos phi + zeta / s sin phi)) / (omega theta)
// (the ramp from its particular solution -(t / h - 2 zeta / (omega h)) / omega^2).
TEST_P(OscillatorStepTest, MatchesTheClosedFormsOfTheDampedOscillator)
{
    const StepCase& c = GetParam();
    const double omega = 2 * M_PI / c.period, theta = omega * c.step, zeta = c.damping;
    const double s = std::sqrt(1 - zeta * zeta), phi = theta * s, e = std::exp(-zeta * theta);
    const double released = e * (std::cos(phi) + zeta / s * std::sin(phi));
    const OscillatorStep k = oscillatorStep(c.period, c.damping, c.step);
    // Each in the oscillator's own scale (omega^2 u and omega v of order 1).
    EXPECT_NEAR(k.uu, released, 1e-12);
    EXPECT_NEAR(k.vu / omega, -e * std::sin(phi) / s, 1e-12);
    EXPECT_NEAR(k.uv * omega, e * std::sin(phi) / s, 1e-12);
    EXPECT_NEAR(k.vv, e * (std::cos(phi) - zeta / s * std::sin(phi)), 1e-12);
    EXPECT_NEAR((k.ua + k.ub) * omega * omega, -(1 - released), 1e-12);
    EXPECT_NEAR((k.va + k.vb) * omega, -e * std::sin(phi) / s, 1e-12);
    EXPECT_NEAR(k.ub * omega * omega,
                -(1 - 2 * zeta / theta) + e * (-2 * zeta / theta * std::cos(phi) + (1 - 2 * zeta * zeta) / (theta * s) * std::sin(phi)),
                1e-12);
    EXPECT_NEAR(k.vb * omega, -(1 - released) / theta, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Steps, OscillatorStepTest, ::testing::ValuesIn(stepCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
