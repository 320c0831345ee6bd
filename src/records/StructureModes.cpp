#include "records/StructureModes.h"

#include "records/ResponseSpectrum.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/NumberText.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("StructureModes", text);
}

StructureFault fault(StructureFault::Input input, const QString& sentence)
{
    return StructureFault{input, sentence.toStdString()};
}

std::vector<double> periodsOf(const StructureModel& structure)
{
    std::vector<double> periods;
    for (const StructureMode& mode : structure.modes)
        periods.push_back(mode.period);
    return periods;
}

}  // namespace

std::optional<StructureFault> structureFault(const StructureModel& structure)
{
    using Input = StructureFault::Input;
    const std::size_t count = structure.modes.size();
    if (count == 0)
        return fault(Input::Modes, translated(QT_TRANSLATE_NOOP("StructureModes", "Give at least one mode.")));
    if (count > modeLimits::maximumModes)
        return fault(Input::Modes,
                     translated(QT_TRANSLATE_NOOP("StructureModes", "Give at most %1 modes, not %2."))
                         .arg(static_cast<qulonglong>(modeLimits::maximumModes))
                         .arg(static_cast<qulonglong>(count)));
    double sum = 0;
    for (std::size_t j = 0; j < count; ++j) {
        const StructureMode& mode = structure.modes[j];
        const auto number = static_cast<qulonglong>(j + 1);
        if (!(mode.period > 0 && mode.period <= modeLimits::maximumPeriod))
            return fault(Input::Modes, translated(QT_TRANSLATE_NOOP("StructureModes",
                                                                    "Mode %1: the period %2 s must be above 0 "
                                                                    "and at most %3 s."))
                                           .arg(number)
                                           .arg(shortestQString(mode.period), shortestQString(modeLimits::maximumPeriod)));
        if (!(mode.massRatio > 0 && mode.massRatio <= 1))
            return fault(Input::Modes, translated(QT_TRANSLATE_NOOP("StructureModes",
                                                                    "Mode %1: the mass ratio %2 must be above 0 "
                                                                    "and at most 1."))
                                           .arg(number)
                                           .arg(shortestQString(mode.massRatio)));
        sum += mode.massRatio;
    }
    if (sum > modeLimits::ratioSumAllowance)
        return fault(Input::Modes, translated(QT_TRANSLATE_NOOP("StructureModes",
                                                                "The mass ratios of the modes sum to %1, more "
                                                                "than the whole mass."))
                                       .arg(shortestQString(sum)));
    if (!(structure.weight > 0) || !std::isfinite(structure.weight))
        return fault(Input::Weight, translated(QT_TRANSLATE_NOOP("StructureModes",
                                                                 "The representative value of gravity load G "
                                                                 "must be a positive number of kN.")));
    return std::nullopt;
}

double cqcCorrelation(double zetaJ, double zetaK, double lambda)
{
    const double l2 = lambda * lambda;
    const double numerator = 8 * std::sqrt(zetaJ * zetaK) * (zetaJ + lambda * zetaK) * std::pow(lambda, 1.5);
    const double denominator = (1 - l2) * (1 - l2) + 4 * zetaJ * zetaK * (1 + l2) * lambda
                               + 4 * (zetaJ * zetaJ + zetaK * zetaK) * l2;
    // Undamped modes of one period are fully correlated (0 / 0 in the formula).
    if (denominator == 0)
        return 1.0;
    return numerator / denominator;
}

double combinedModalShear(const std::vector<double>& modalShears, const std::vector<StructureMode>& modes,
                          double damping, ModeCombination combination)
{
    double sum = 0;
    const std::size_t n = modalShears.size();
    for (std::size_t j = 0; j < n; ++j) {
        sum += modalShears[j] * modalShears[j];
        if (combination == ModeCombination::Srss)
            continue;
        for (std::size_t k = j + 1; k < n; ++k)
            sum += 2 * cqcCorrelation(damping, damping, modes[k].period / modes[j].period) * modalShears[j]
                   * modalShears[k];
    }
    return std::sqrt(std::max(sum, 0.0));
}

ResponseSpectrumShear responseSpectrumShear(const KavrelSpectrum& target, const StructureModel& structure)
{
    ResponseSpectrumShear shear;
    for (const StructureMode& mode : structure.modes) {
        if (mode.period > modeLimits::curveEnd)
            ++shear.beyondCurve;
        double alpha = 0;
        target.alphaAt(std::min(mode.period, modeLimits::curveEnd), alpha);
        shear.modal.push_back(alpha * mode.massRatio * structure.weight);
        shear.massRatioSum += mode.massRatio;
    }
    shear.total = combinedModalShear(shear.modal, structure.modes, target.dampingRatio, structure.combination);
    return shear;
}

std::vector<double> timeHistoryShear(const std::vector<double>& accelerationG, double step,
                                     const StructureModel& structure, double damping)
{
    std::vector<double> masses;
    for (const StructureMode& mode : structure.modes)
        masses.push_back(mode.massRatio * structure.weight);
    return weightedPseudoAcceleration(accelerationG, step, periodsOf(structure), masses, damping);
}

PeakShear peakShear(const std::vector<double>& history, double step)
{
    PeakShear peak;
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (std::fabs(history[i]) > peak.value) {
            peak.value = std::fabs(history[i]);
            peak.time = static_cast<double>(i) * step;
        }
    }
    return peak;
}

std::vector<double> modalPeakShears(const std::vector<double>& accelerationG, double step,
                                    const StructureModel& structure, double damping)
{
    std::vector<double> shears = pseudoSpectralAcceleration(accelerationG, step, periodsOf(structure), damping);
    for (std::size_t j = 0; j < shears.size(); ++j)
        shears[j] *= structure.modes[j].massRatio * structure.weight;
    return shears;
}
