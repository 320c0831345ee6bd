#pragma once
#include "library/LibraryCatalogue.h"
#include "records/ArtificialBatch.h"
#include "records/GroundMotionRecord.h"
#include "records/RecordSelectionCheck.h"
#include "selection/SelectionProblem.h"
#include "selection/SuiteSearch.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class KavrelSpectrum;

// Where the selector takes its components from: the catalogue's entries,
// each one's spectrum at libraryPeriods() at the target's damping (the
// index's, for screening) and its samples (for the exact spectra and the
// chosen histories). Both may throw; such a component is left out.
struct SelectionLibrary {
    std::vector<CatalogueComponent> components;
    std::function<std::vector<double>(const CatalogueComponent&)> gridSpectrum;
    std::function<GroundMotionRecord(const CatalogueComponent&)> record;
};
// The index's own: its kept spectra, its files.
SelectionLibrary indexedLibrary(LibraryIndex& index, const Catalogue& catalogue);

// Why a candidate is not in the suite.
enum class LeftOut {
    None,        // chosen
    Component,   // a vertical, a second horizontal, or a recording without the components asked for
    Filter,      // its metadata is outside a filter (or unknown)
    ScaleLimit,  // the factor to the target peak is beyond the limit
    Unreadable,  // its file or spectrum could not be read
    Screening,   // not among the best by the grid spectra
    Rule,        // it breaks rules on its own (`faults`)
    NotChosen,   // a better suite does without it
};

// One component's figures, as the candidate table shows them.
struct SelectionCandidate {
    int component = -1;  // index into SelectionLibrary::components (the principal's)
    int second = -1;     // the other horizontal, with two or three components
    int vertical = -1;
    QString event;
    double scale = 0.0;
    double peakCm = 0.0;  // scaled
    double effectiveDuration = 0.0;
    bool exact = false;          // the figures are from its samples, else from the grid
    std::vector<double> ratio;   // alpha_r / alpha at each main period
    double platformRatio = 0.0;  // mean ratio over [0.1 s, Tg]
    double bandRatio = 0.0;      // over the T1 band
    std::uint32_t faults = 0;    // rules 2 to 4 it breaks on its own
    LeftOut leftOut = LeftOut::NotChosen;
};

// A chosen record's scaled histories: the principal, and with two or three
// components its second horizontal at 0.85 and its vertical at 0.65.
struct ChosenRecord {
    int candidate = -1;  // -1 for an artificial one
    QString name;        // "art-<n>" for an artificial one
    GroundMotionRecord principal;
    std::optional<GroundMotionRecord> second;
    std::optional<GroundMotionRecord> vertical;
};

struct SelectionOutcome {
    std::vector<SelectionCandidate> candidates;
    std::vector<ChosenRecord> suite;      // naturals in rank order, then the artificials
    std::optional<SelectionCheck> check;  // of the suite, exact
    std::uint32_t brokenRules = 0;        // SuiteRule bits
    double objective = 0.0;
    double targetPeakCm = 0.0;
    bool cancelled = false;
};

enum class SelectionStage { Screening, ExactSpectra, Artificial, Search, Check };
// Told as the work goes on; false cancels (the outcome then says so).
using SelectionProgress = std::function<bool(SelectionStage stage, int done, int total)>;

// Chooses the suite. Refused input (no main period, counts below 0, no
// records asked for, a bad scale limit) throws SelectionInputError
// (MainPeriods or Records) with a sentence for the user, as the check does.
SelectionOutcome selectRecords(const KavrelSpectrum& target, const SelectionProblem& problem,
                               const SelectionLibrary& library, const SelectionProgress& progress = {});

// The names of the rules in `rules`, "rule 1 (mean spectrum)", ...
QString brokenRuleNames(std::uint32_t rules);
