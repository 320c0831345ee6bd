#include "records/RecordReader.h"
#include "records/StructureModes.h"

#include <eigen3/Eigen/Dense>
#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <iomanip>
#include <string>

namespace {

// A shear building of five storeys solved as a whole: its mass, stiffness and
// classical damping matrices stepped in time by Newmark's average
// acceleration at a small step, without its modes. Its storey-1 spring force
// k1 u1 is the elastic base shear that the modal sum must give when it takes
// every mode. Tonnes, kN/m, m/s^2, so forces are kN.
constexpr int storeys = 5;
using Matrix = Eigen::Matrix<double, storeys, storeys>;
using Vector = Eigen::Matrix<double, storeys, 1>;
constexpr double gravity = 9.80665;
constexpr double damping = 0.05;

struct Building {
    Matrix mass = Matrix::Zero(), stiffness = Matrix::Zero(), dampingMatrix = Matrix::Zero();
    double firstStiffness = 0;
    StructureModel modal;  // periods and mass ratios from the eigen-solution
};

Building shearBuilding()
{
    const double m[storeys] = {420, 400, 400, 380, 300};
    const double k[storeys] = {4.2e5, 3.9e5, 3.5e5, 3.0e5, 2.4e5};
    Building b;
    b.firstStiffness = k[0];
    for (int i = 0; i < storeys; ++i) {
        b.mass(i, i) = m[i];
        b.stiffness(i, i) += k[i];
        if (i + 1 < storeys) {
            b.stiffness(i, i) += k[i + 1];
            b.stiffness(i, i + 1) = b.stiffness(i + 1, i) = -k[i + 1];
        }
    }
    // Mass-normalised modes: phi^T M phi = 1, so the effective mass of mode j
    // is (phi_j^T M 1)^2 and C = M Phi diag(2 zeta omega) Phi^T M damps every
    // mode at zeta.
    const Eigen::GeneralizedSelfAdjointEigenSolver<Matrix> solver(b.stiffness, b.mass);
    const Matrix phi = solver.eigenvectors();
    const Vector ones = Vector::Ones();
    const double total = b.mass.sum();
    b.modal.weight = total * gravity;
    Vector twoZetaOmega;
    for (int j = 0; j < storeys; ++j) {
        const double omega = std::sqrt(solver.eigenvalues()(j));
        twoZetaOmega(j) = 2 * damping * omega;
        const double participation = phi.col(j).dot(b.mass * ones);
        b.modal.modes.push_back({2 * M_PI / omega, participation * participation / total});
    }
    b.dampingMatrix = b.mass * phi * twoZetaOmega.asDiagonal() * phi.transpose() * b.mass;
    return b;
}

// max |k1 u1| over the record's samples, the ground linear between them.
double directBaseShear(const Building& b, const std::vector<double>& recordG, double recordStep, int subSteps)
{
    const double h = recordStep / subSteps;
    const Matrix effective = b.stiffness + (2 / h) * b.dampingMatrix + (4 / (h * h)) * b.mass;
    const Matrix inverse = effective.inverse();
    const Vector influence = b.mass * Vector::Ones();
    Vector u = Vector::Zero(), v = Vector::Zero(), a = -Vector::Ones() * recordG.front() * gravity;
    double peak = 0;
    for (std::size_t i = 0; i + 1 < recordG.size(); ++i) {
        for (int s = 1; s <= subSteps; ++s) {
            const double ground = (recordG[i] + (recordG[i + 1] - recordG[i]) * s / subSteps) * gravity;
            const Vector load = -influence * ground + b.mass * ((4 / (h * h)) * u + (4 / h) * v + a)
                                + b.dampingMatrix * ((2 / h) * u + v);
            const Vector next = inverse * load;
            const Vector nextV = (2 / h) * (next - u) - v;
            a = (4 / (h * h)) * (next - u) - (4 / h) * v - a;
            u = next;
            v = nextV;
        }
        peak = std::max(peak, std::fabs(b.firstStiffness * u(0)));
    }
    return peak;
}

struct RecordCase {
    const char* name;
    const char* file;
};

class ShearBuilding : public testing::TestWithParam<RecordCase> {};

TEST_P(ShearBuilding, ModalSumOfAllModesMatchesTheWholeStructure)
{
    const GroundMotionRecord record =
        readRecordFile(QStringLiteral(KAVREL_TEST_DATA "/records/") + QString::fromLatin1(GetParam().file));
    const Building b = shearBuilding();
    ASSERT_NEAR(b.modal.modes.front().period, 0.62, 0.1);  // a plausible five-storey frame
    double sum = 0;
    for (const StructureMode& mode : b.modal.modes)
        sum += mode.massRatio;
    ASSERT_NEAR(sum, 1.0, 1e-9);
    const double modal = peakShear(timeHistoryShear(record.accelerationG, record.step, b.modal, damping), record.step).value;
    const double direct = directBaseShear(b, record.accelerationG, record.step, 10);
    EXPECT_NEAR(modal / direct, 1.0, 0.01) << std::setprecision(9) << "modal " << modal << " kN, direct " << direct << " kN";
}

INSTANTIATE_TEST_SUITE_P(Records, ShearBuilding,
                         testing::Values(RecordCase{"ElCentro1940", "RSN6_IMPVALL.I_I-ELC180.AT2"},
                                         RecordCase{"Rinaldi1994", "Rinaldi228.AT2"},
                                         RecordCase{"Hollywood1971", "RSN68_SFERN_PEL090.AT2"}),
                         [](const testing::TestParamInfo<RecordCase>& info) { return std::string(info.param.name); });

}  // namespace
