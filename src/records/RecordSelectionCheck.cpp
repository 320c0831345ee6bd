#include "records/RecordSelectionCheck.h"

#include "records/CodePeaks.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/RecordRules.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace {

namespace limits = selectionLimits;

// Numbers in refusals read the same in every locale.
std::string numberText(double value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(15);
    out << value;
    return out.str();
}

// A figure on a boundary passes: rounding of the spectra and of typed numbers
// (0.65 x 1234.5 read back as 0.6499999...) must not decide a verdict.
double slack(double bound)
{
    return 1e-9 * std::max(1.0, std::fabs(bound));
}
bool atLeast(double value, double bound)
{
    return value >= bound - slack(bound);
}
bool atMost(double value, double bound)
{
    return value <= bound + slack(bound);
}
Verdict passOrFail(bool passes)
{
    return passes ? Verdict::Pass : Verdict::Fail;
}

// A refusal's sentence in the installed language (the command line installs
// none and keeps the English), as the UTF-8 the error carries.
std::string sentence(const QString& text)
{
    return text.toStdString();
}

QString translated(const char* text)
{
    return QCoreApplication::translate("RecordSelectionCheck", text);
}

void refuseBadInput(const KavrelSpectrum& target, const SelectionCheckInput& input)
{
    using Input = SelectionInputError::Input;
    if (!isOscillatorDamping(target.dampingRatio))
        throw SelectionInputError(Input::Damping, sentence(targetDampingRangeRefusal()));
    if (input.mainPeriods.empty() || input.mainPeriods.size() > 6)
        throw SelectionInputError(Input::MainPeriods, sentence(translated(QT_TRANSLATE_NOOP(
                                      "RecordSelectionCheck",
                                      "Give the fundamental period T1 and at most five more main periods."))));
    for (double period : input.mainPeriods) {
        const QString periodText = QString::fromStdString(numberText(period));
        if (!(period > 0 && period <= 6.0))
            throw SelectionInputError(Input::MainPeriods,
                                      sentence(translated(QT_TRANSLATE_NOOP("RecordSelectionCheck",
                                                                            "The main period %1 s is outside the "
                                                                            "spectrum's range, above 0 up to 6.0 s."))
                                                   .arg(periodText)));
        double alpha = 0;
        if (target.alphaAt(period, alpha) != 0 || !(alpha > 0))
            throw SelectionInputError(Input::MainPeriods,
                                      sentence(translated(QT_TRANSLATE_NOOP("RecordSelectionCheck",
                                                                            "The target spectrum is 0 at the main "
                                                                            "period %1 s, so no record can be "
                                                                            "compared with it."))
                                                   .arg(periodText)));
    }
    // A period twice would be checked, and counted, twice. Their order is the
    // user's: T1 first, the others as the structure's modes and directions come.
    for (std::size_t k = 0; k < input.mainPeriods.size(); ++k) {
        const auto later = input.mainPeriods.begin() + static_cast<std::ptrdiff_t>(k) + 1;
        if (std::find(later, input.mainPeriods.end(), input.mainPeriods[k]) != input.mainPeriods.end())
            throw SelectionInputError(Input::MainPeriods,
                                      sentence(translated(QT_TRANSLATE_NOOP("RecordSelectionCheck",
                                                                            "The main period %1 s is given twice."))
                                                   .arg(QString::fromStdString(numberText(input.mainPeriods[k])))));
    }
    if (input.records.empty())
        throw SelectionInputError(Input::Records, sentence(translated(QT_TRANSLATE_NOOP(
                                                      "RecordSelectionCheck",
                                                      "Choose at least one record to check."))));
    for (const CheckedRecord& record : input.records) {
        const QString name = QString::fromStdString(record.name);
        if (record.acceleration.empty())
            throw SelectionInputError(Input::Records, sentence(translated(QT_TRANSLATE_NOOP(
                                                          "RecordSelectionCheck", "The record %1 has no samples."))
                                                                   .arg(name)));
        if (!(record.step > 0) || !std::isfinite(record.step))
            throw SelectionInputError(Input::Records,
                                      sentence(translated(QT_TRANSLATE_NOOP("RecordSelectionCheck",
                                                                            "The record %1 has no positive time step."))
                                                   .arg(name)));
        if (!std::all_of(record.acceleration.begin(), record.acceleration.end(),
                         [](double a) { return std::isfinite(a); }))
            throw SelectionInputError(Input::Records,
                                      sentence(translated(QT_TRANSLATE_NOOP("RecordSelectionCheck",
                                                                            "The record %1 has a value that is not "
                                                                            "a number."))
                                                   .arg(name)));
    }
    if (input.structure) {
        if (!input.baseShears.empty())
            throw SelectionInputError(Input::BaseShears,
                                      sentence(translated(QT_TRANSLATE_NOOP("RecordSelectionCheck",
                                                                            "Give the base shears or the "
                                                                            "structure's modes, not both."))));
        if (const auto fault = structureFault(*input.structure))
            throw SelectionInputError(fault->input == StructureFault::Input::Weight ? Input::Weight : Input::Modes,
                                      fault->sentence);
    }
    if (!input.baseShears.empty()) {
        if (input.baseShears.size() != input.records.size() + 1)
            throw SelectionInputError(Input::BaseShears,
                                      sentence(translated(QT_TRANSLATE_NOOP("RecordSelectionCheck",
                                                                            "Give the response-spectrum base shear "
                                                                            "and one per record: %1 values, not %2."))
                                                   .arg(static_cast<qulonglong>(input.records.size() + 1))
                                                   .arg(static_cast<qulonglong>(input.baseShears.size()))));
        if (!std::all_of(input.baseShears.begin(), input.baseShears.end(),
                         [](double v) { return v > 0 && std::isfinite(v); }))
            throw SelectionInputError(Input::BaseShears,
                                      sentence(translated(QT_TRANSLATE_NOOP(
                                          "RecordSelectionCheck", "Every base shear must be a positive number."))));
    }
}

// The code's rule on recorded and artificial motions: GB 50011-2010 asks for
// recorded ones at least 2/3 of all, the 2001 edition for at least two
// recorded and one artificial. GB/T 51408-2021 takes the 2010 rule over.
Verdict naturalShareVerdict(int codeType, int natural, int artificial)
{
    if (codeType == 1)
        return passOrFail(natural >= 2 && artificial >= 1);
    // Whole numbers: 3 n >= 2 N is exactly n / N >= 2/3.
    return passOrFail(3 * natural >= 2 * (natural + artificial));
}

ModalShears modalShearsOf(const KavrelSpectrum& target, const StructureModel& structure,
                          const std::vector<CheckedRecord>& records)
{
    const ResponseSpectrumShear method = responseSpectrumShear(target, structure);
    ModalShears shears;
    shears.combination = structure.combination;
    shears.modeCount = static_cast<int>(structure.modes.size());
    shears.massRatioSum = method.massRatioSum;
    shears.beyondCurve = method.beyondCurve;
    shears.responseSpectrum = method.total;
    shears.modal = method.modal;
    for (const CheckedRecord& record : records)
        shears.records.push_back(
            peakShear(timeHistoryShear(record.acceleration, record.step, structure, target.dampingRatio), record.step)
                .value);
    return shears;
}

}  // namespace

bool SelectionCheck::anyFails() const
{
    return std::any_of(verdicts.begin(), verdicts.end(),
                       [](const CheckVerdict& v) { return v.verdict == Verdict::Fail; });
}

std::vector<double> meanRecordSpectrum(const std::vector<CheckedRecord>& records,
                                       const std::vector<double>& periods, double damping)
{
    std::vector<double> mean(periods.size(), 0.0);
    if (records.empty())
        return mean;
    for (const CheckedRecord& record : records) {
        const auto sa = pseudoSpectralAcceleration(record.acceleration, record.step, periods, damping);
        for (std::size_t k = 0; k < periods.size(); ++k)
            mean[k] += sa[k];
    }
    for (double& value : mean)
        value /= static_cast<double>(records.size());
    return mean;
}

SelectionCheck checkRecordSelection(const KavrelSpectrum& target, const SelectionCheckInput& input)
{
    refuseBadInput(target, input);
    const auto& periods = input.mainPeriods;
    const std::size_t periodCount = periods.size();
    const std::size_t recordCount = input.records.size();
    const int count = static_cast<int>(recordCount);

    SelectionCheck check;
    check.codeType = target.codeType;
    check.mainPeriods = periods;
    for (double period : periods) {
        double alpha = 0;
        target.alphaAt(period, alpha);
        check.targetAlpha.push_back(alpha);
    }
    check.meanAlpha.assign(periodCount, 0.0);
    int natural = 0;
    for (const CheckedRecord& record : input.records) {
        RecordFigures figures;
        figures.name = record.name;
        figures.artificial = record.artificial;
        figures.peakCm = peakAbsolute(record.acceleration) * standardGravityCm;
        figures.effectiveDuration = effectiveDuration(record.acceleration, record.step);
        figures.alpha = pseudoSpectralAcceleration(record.acceleration, record.step, periods, target.dampingRatio);
        for (std::size_t k = 0; k < periodCount; ++k) {
            figures.ratio.push_back(figures.alpha[k] / check.targetAlpha[k]);
            check.meanAlpha[k] += figures.alpha[k] / static_cast<double>(recordCount);
        }
        check.records.push_back(std::move(figures));
        if (!record.artificial)
            ++natural;
    }
    for (std::size_t k = 0; k < periodCount; ++k)
        check.meanRatio.push_back(check.meanAlpha[k] / check.targetAlpha[k]);
    check.meanGoverns = count > limits::envelopeUpTo;

    auto add = [&check](CheckKind kind, Verdict verdict, double value, double second = 0.0) -> CheckVerdict& {
        CheckVerdict v;
        v.kind = kind;
        v.verdict = verdict;
        v.value = value;
        v.second = second;
        check.verdicts.push_back(v);
        return check.verdicts.back();
    };

    add(CheckKind::Count, passOrFail(count >= limits::minimumCount), count);
    add(CheckKind::NaturalShare, naturalShareVerdict(target.codeType, natural, count - natural), natural,
        count - natural);
    for (std::size_t k = 0; k < periodCount; ++k) {
        const double ratio = check.meanRatio[k];
        const bool agrees = atLeast(ratio, 1 - limits::spectrumTolerance) && atMost(ratio, 1 + limits::spectrumTolerance);
        add(CheckKind::Spectrum, passOrFail(agrees), ratio).period = static_cast<int>(k);
    }
    const double t1 = periods.front();
    for (std::size_t r = 0; r < recordCount; ++r) {
        const double duration = check.records[r].effectiveDuration;
        const double multiple = duration / t1;
        // A long record is no fault: the code asks for at least 5 T1, and
        // the usual range up to 10 T1 is only told.
        add(CheckKind::Duration, passOrFail(atLeast(multiple, limits::durationMinimum)), duration, multiple).record =
            static_cast<int>(r);
    }
    const auto tablePeak = codeTablePeak(target.codeType, input.intensityIndex, input.actionIndex);
    for (std::size_t r = 0; r < recordCount; ++r) {
        const double peak = check.records[r].peakCm;
        const bool equal = !tablePeak || atMost(std::fabs(peak - *tablePeak), limits::peakToleranceCm);
        CheckVerdict& v = add(CheckKind::Peak, equal ? Verdict::Pass : Verdict::Warning, peak, tablePeak.value_or(0.0));
        v.record = static_cast<int>(r);
        v.hasLimit = tablePeak.has_value();
    }
    std::vector<double> shears = input.baseShears;
    if (input.structure) {
        check.modalShears = modalShearsOf(target, *input.structure, input.records);
        shears = {check.modalShears->responseSpectrum};
        shears.insert(shears.end(), check.modalShears->records.begin(), check.modalShears->records.end());
    }
    check.shearUpperLimits = input.shearUpperLimits;
    if (!shears.empty()) {
        const double v0 = shears.front();
        const bool capped = input.shearUpperLimits;
        double sum = 0;
        for (std::size_t r = 0; r < recordCount; ++r) {
            const double shear = shears[r + 1];
            sum += shear;
            const double ratio = shear / v0;
            const bool inside =
                atLeast(ratio, limits::shearEachMinimum) && (!capped || atMost(ratio, limits::shearEachMaximum));
            add(CheckKind::BaseShear, passOrFail(inside), ratio, input.structure ? shear : 0.0).record =
                static_cast<int>(r);
        }
        const double mean = sum / static_cast<double>(recordCount) / v0;
        add(CheckKind::BaseShearMean,
            passOrFail(atLeast(mean, limits::shearMeanMinimum) && (!capped || atMost(mean, limits::shearMeanMaximum))),
            mean);
    }
    return check;
}
