#pragma once

#include "records/StructureModes.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class KavrelSpectrum;

// The code's checks of a selection of acceleration records before a
// time-history analysis is accepted: GB 50011 §5.1.2 (both editions) with the
// figures its commentary reads it by. The result holds numbers only; the words
// and number texts of the check sheet are built in export/.

// One record of the selection, already scaled.
struct CheckedRecord {
    std::string name;  // UTF-8, as shown to the user
    bool artificial = false;
    std::vector<double> acceleration;  // in g
    double step = 0.0;                 // seconds between samples
};

struct SelectionCheckInput {
    // Where the target spectrum came from: indices of the intensity (0..5:
    // 6, 7, 7 (0.15 g), 8, 8 (0.30 g), 9) and the action (0..3: frequent,
    // design-basis, rare, very rare); -1 when not known, which leaves the
    // peaks without a table value.
    int intensityIndex = -1;
    int actionIndex = -1;
    std::vector<CheckedRecord> records;
    // T1 first, then up to five more, each within (0, 6] s.
    std::vector<double> mainPeriods;
    // Empty, or the response-spectrum method's base shear V0 followed by one
    // per record, in the records' order (any one unit).
    std::vector<double> baseShears;
    // Or the structure's modes, from which the base shears are computed
    // (V0 by the response-spectrum method, each record's by its modal time
    // history); not both.
    std::optional<StructureModel> structure;
    // Off for records of an inelastic analysis: the base shears are then held
    // to their lower limits only.
    bool shearUpperLimits = true;
};

enum class Verdict { Pass, Fail, Warning };

enum class CheckKind {
    Count,          // value: number of records
    NaturalShare,   // value: natural records, second: artificial records
    Spectrum,       // value: mean ratio alpha_r / alpha at mainPeriods[period]
    Duration,       // value: effective duration in seconds, second: in T1
    Peak,           // value: scaled peak in cm/s^2, second: table peak (hasLimit)
    BaseShear,      // value: V / V0 of `record`; second: V in kN when computed from modes
    BaseShearMean,  // value: mean V / V0
};

struct CheckVerdict {
    CheckKind kind = CheckKind::Count;
    Verdict verdict = Verdict::Pass;
    int record = -1;  // the record a per-record check is about
    int period = -1;  // the main period a spectrum check is about
    double value = 0.0;
    double second = 0.0;
    // For a peak: whether the table has a value for the target's intensity and
    // action (without one the check only reports the peak, as a pass).
    bool hasLimit = true;
};

struct RecordFigures {
    std::string name;
    bool artificial = false;
    double peakCm = 0.0;             // scaled peak, cm/s^2
    double effectiveDuration = 0.0;  // seconds
    std::vector<double> alpha;       // alpha_r at each main period, in g
    std::vector<double> ratio;       // alpha_r / alpha at each main period
};

// The base shears computed from the structure's modes, in kN.
struct ModalShears {
    ModeCombination combination = ModeCombination::Cqc;
    int modeCount = 0;
    double massRatioSum = 0.0;
    int beyondCurve = 0;  // modes longer than the code's curve
    double responseSpectrum = 0.0;
    std::vector<double> modal;    // each mode's V_j of the response-spectrum method
    std::vector<double> records;  // each record's max |V(t)|
};

struct SelectionCheck {
    int codeType = 0;
    std::vector<double> mainPeriods;
    std::vector<double> targetAlpha;  // alpha at each main period
    std::vector<RecordFigures> records;
    std::vector<double> meanAlpha;  // mean of alpha_r at each main period
    std::vector<double> meanRatio;  // meanAlpha / targetAlpha
    // Not a verdict: with 3 to 6 records the design takes the larger of the
    // envelope of the results and the response-spectrum result, with 7 or
    // more the larger of their mean and the response-spectrum result.
    bool meanGoverns = false;
    std::vector<CheckVerdict> verdicts;
    std::optional<ModalShears> modalShears;  // when the base shears came from modes
    bool shearUpperLimits = true;

    bool anyFails() const;
};

// Boundaries of the checks. A figure exactly on a boundary passes; the
// comparison allows a relative 1e-9 so that rounding in the spectra and in the
// typed numbers never turns an exact 20 % into a failure.
namespace selectionLimits {
constexpr int minimumCount = 3;
constexpr int envelopeUpTo = 6;
constexpr double spectrumTolerance = 0.20;
constexpr double durationMinimum = 5.0;  // times T1
// Not a limit: the usual durations reach up to this many T1.
constexpr double durationUsualUpTo = 10.0;
constexpr double peakToleranceCm = 1.0;
constexpr double shearEachMinimum = 0.65;
constexpr double shearEachMaximum = 1.35;
constexpr double shearMeanMinimum = 0.80;
constexpr double shearMeanMaximum = 1.20;
}  // namespace selectionLimits

// A refusal of checkRecordSelection, with the input at fault, so that a
// command line can name its option.
class SelectionInputError : public std::invalid_argument {
public:
    enum class Input { Damping, MainPeriods, Records, BaseShears, Modes, Weight };
    SelectionInputError(Input input, const std::string& sentence) : std::invalid_argument(sentence), input(input) {}
    Input input;
};

// Runs every check. Refused input (no records, a record without samples or
// with a bad step or value, no main period or more than six, one given
// twice, one outside (0, 6] s or where the target is 0, base shears of the
// wrong number or not positive, both base shears and modes, a structure that
// structureFault refuses, a target damping of 1 or more) throws SelectionInputError
// with a sentence for the user.
SelectionCheck checkRecordSelection(const KavrelSpectrum& target, const SelectionCheckInput& input);

// The mean pseudo-spectral acceleration of the records at each period, at the
// damping ratio given, in g: the curve drawn beside the target.
std::vector<double> meanRecordSpectrum(const std::vector<CheckedRecord>& records,
                                       const std::vector<double>& periods, double damping);
