#pragma once

#include <optional>
#include <string>
#include <vector>

class KavrelSpectrum;

// A structure in one direction as its modes describe it, and the base shear
// it takes from the target spectrum (the response-spectrum method) and from a
// record (an elastic modal time history). Units: G in kN; records in g.

struct StructureMode {
    double period = 0.0;     // s
    double massRatio = 0.0;  // effective modal mass in the direction over the total
};

enum class ModeCombination { Cqc, Srss };

struct StructureModel {
    std::vector<StructureMode> modes;
    double weight = 0.0;  // the representative value of gravity load G, kN
    ModeCombination combination = ModeCombination::Cqc;
};

namespace modeLimits {
constexpr std::size_t maximumModes = 200;
constexpr double maximumPeriod = 20.0;  // s
// Mass ratios as an analysis program lists them, rounded, may sum a little
// above 1.
constexpr double ratioSumAllowance = 1.001;
// The codes ask the modes taken to carry at least 90 % of the mass.
constexpr double massRatioWanted = 0.9;
// The code's curve ends here; a longer mode takes the value at its end.
constexpr double curveEnd = 6.0;
}  // namespace modeLimits

// What is wrong with a structure, in the installed language: the first fault
// found, naming the mode (counted from 1) where it is one mode's.
struct StructureFault {
    enum class Input { Modes, Weight };
    Input input = Input::Modes;
    std::string sentence;  // UTF-8
};
std::optional<StructureFault> structureFault(const StructureModel& structure);

// GB 50011 formula 5.2.3-6: the correlation of modes j and k,
// lambda = T_k / T_j.
double cqcCorrelation(double zetaJ, double zetaK, double lambda);

// V = sqrt(sum_j sum_k rho_jk V_j V_k) by CQC at one damping ratio for every
// mode, or sqrt(sum_j V_j^2) by SRSS.
double combinedModalShear(const std::vector<double>& modalShears, const std::vector<StructureMode>& modes,
                          double damping, ModeCombination combination);

struct ResponseSpectrumShear {
    double total = 0.0;          // kN
    std::vector<double> modal;   // V_j = alpha(T_j) r_j G, kN
    double massRatioSum = 0.0;
    int beyondCurve = 0;         // modes longer than the curve's end
};

// The response-spectrum method's base shear of a structure structureFault
// accepts, at the target's damping.
ResponseSpectrumShear responseSpectrumShear(const KavrelSpectrum& target, const StructureModel& structure);

// V(t) = sum_j r_j G A_j(t), kN, at every sample of a record in g, each mode's
// oscillator at `damping`.
std::vector<double> timeHistoryShear(const std::vector<double>& accelerationG, double step,
                                     const StructureModel& structure, double damping);

struct PeakShear {
    double value = 0.0;  // max |V(t)|, kN
    double time = 0.0;   // s, where it is reached
};
PeakShear peakShear(const std::vector<double>& history, double step);

// Each mode's own peak r_j G Sa_j(T_j), kN: its contribution, for reading
// (their sum bounds V_TH; the peaks fall at different times).
std::vector<double> modalPeakShears(const std::vector<double>& accelerationG, double step,
                                    const StructureModel& structure, double damping);
