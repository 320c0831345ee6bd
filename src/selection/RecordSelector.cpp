#include "selection/RecordSelector.h"

#include "library/SpectrumGrid.h"
#include "records/CodePeaks.h"
#include "records/DistinguishingNames.h"
#include "records/RecordMeasures.h"
#include "records/RecordReader.h"
#include "records/ResponseSpectrum.h"
#include "selection/GridScreening.h"
#include "selection/RecordFaults.h"
#include "selection/RecordingEvent.h"
#include "selection/SuiteObjective.h"
#include "spectrum/KavrelSpectrum.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <map>
#include <QStringList>

namespace {

// A candidate's figures at the objective's periods while it is worked on.
struct Working {
    SelectionCandidate shown;
    std::vector<double> ratio;  // at the objective's periods
    int recording = 0;
    int event = -1;
};

struct Context {
    const KavrelSpectrum& target;
    const SelectionProblem& problem;
    const SelectionLibrary& library;
    ObjectivePeriods periods;
    std::vector<double> alpha;
    double targetPeakCm = 0.0;
};

bool isHorizontal(const QString& component) { return component.startsWith(QLatin1Char('H')); }
bool isVertical(const QString& component) { return component.startsWith(QLatin1Char('V')); }

bool passesFilters(const SelectionFilters& filters, const RecordingMetadata& metadata)
{
    const auto admits = [](const std::optional<MetadataRange>& range, const std::optional<double>& value) {
        return !range || range->admits(value);
    };
    return admits(filters.magnitude, metadata.magnitude) && admits(filters.rjbKm, metadata.rjbKm)
           && admits(filters.rrupKm, metadata.rrupKm) && admits(filters.vs30, metadata.vs30);
}

double largestDeviation(const std::vector<double>& ratio, const std::vector<int>& mainIndex)
{
    double largest = 0.0;
    for (const int i : mainIndex)
        largest = std::max(largest, std::abs(ratio[static_cast<std::size_t>(i)] - 1.0));
    return largest;
}

std::vector<double> ratiosOf(const Context& context, const std::vector<double>& spectrum, double scale)
{
    std::vector<double> ratio(spectrum.size());
    for (std::size_t i = 0; i < spectrum.size(); ++i)
        ratio[i] = context.alpha[i] > 0.0 ? spectrum[i] * scale / context.alpha[i] : 1.0;
    return ratio;
}

// The shown figures and the rules 2 to 4 from the ratios at the objective's periods.
void settleFigures(const Context& context, Working& working)
{
    SelectionCandidate& shown = working.shown;
    shown.ratio.clear();
    for (const int i : context.periods.mainIndex)
        shown.ratio.push_back(working.ratio[static_cast<std::size_t>(i)]);
    shown.platformRatio = meanAt(working.ratio, context.periods.platformIndex);
    shown.bandRatio = meanAt(working.ratio, context.periods.bandIndex);
    shown.faults = recordFaults(shown.ratio, shown.platformRatio, shown.bandRatio, shown.effectiveDuration,
                                context.problem.mainPeriods.front(), context.problem.rules);
}

double scaleFor(const Context& context, double pgaG)
{
    return pgaG > 0.0 ? context.targetPeakCm / (pgaG * standardGravityCm) : 0.0;
}

// The grid's figures of one horizontal component; false when unreadable.
bool gridRatios(const Context& context, int component, double scale, std::vector<double>& ratio)
{
    try {
        const auto& entry = context.library.components[static_cast<std::size_t>(component)];
        ratio = ratiosOf(context, gridSpectrumAt(context.library.gridSpectrum(entry), context.periods.periods), scale);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The candidates, one per horizontal (one component) or per recording (two
// or three), with the filters, the scale limit and the grid's figures.
std::vector<Working> screen(const Context& context, const SelectionProgress& progress, bool& cancelled)
{
    const auto& components = context.library.components;
    std::map<QString, std::vector<int>> recordings;  // by root and recording
    for (std::size_t i = 0; i < components.size(); ++i)
        recordings[components[i].root + QLatin1Char('\n') + components[i].recording].push_back(static_cast<int>(i));
    std::map<QString, int> events;
    std::vector<Working> candidates;
    int recordingNumber = 0;
    int done = 0;
    for (const auto& [key, members] : recordings) {
        if (progress && !progress(SelectionStage::Screening, done, static_cast<int>(components.size()))) {
            cancelled = true;
            return {};
        }
        done += static_cast<int>(members.size());
        const int recording = recordingNumber++;
        std::vector<int> horizontals;
        int vertical = -1;
        for (const int member : members) {
            const QString& name = components[static_cast<std::size_t>(member)].component;
            if (isHorizontal(name))
                horizontals.push_back(member);
            else if (isVertical(name) && vertical < 0)
                vertical = member;
        }
        const auto& first = components[static_cast<std::size_t>(members.front())];
        const QString event = recordingEvent(first.metadata.event, first.path);
        const int eventNumber = event.isEmpty() ? -1 : events.emplace(event.toUpper(), static_cast<int>(events.size())).first->second;
        const auto add = [&](int principal, LeftOut leftOut) {
            Working working;
            working.recording = recording;
            working.event = eventNumber;
            working.shown.component = principal;
            working.shown.event = event;
            working.shown.leftOut = leftOut;
            candidates.push_back(std::move(working));
            return &candidates.back();
        };
        const int wanted = context.problem.components;
        if (wanted == 1) {
            for (const int member : members)
                if (!isHorizontal(components[static_cast<std::size_t>(member)].component))
                    add(member, LeftOut::Component);
        } else if (horizontals.size() < 2 || (wanted == 3 && vertical < 0)) {
            add(members.front(), LeftOut::Component);
            continue;
        }
        std::vector<std::vector<int>> choices;  // the principal's possible components
        if (wanted == 1)
            for (const int h : horizontals)
                choices.push_back({h});
        else
            choices.push_back({horizontals[0], horizontals[1]});
        for (const auto& choice : choices) {
            Working* working = add(choice.front(), LeftOut::NotChosen);
            const auto& entry = components[static_cast<std::size_t>(choice.front())];
            if (!passesFilters(context.problem.filters, entry.metadata)) {
                working->shown.leftOut = LeftOut::Filter;
                continue;
            }
            // The principal: of the two horizontals, each scaled to the
            // target, the one whose largest deviation at the main periods is
            // the smaller.
            int principal = -1;
            std::vector<double> best;
            for (const int option : choice) {
                std::vector<double> ratio;
                const double scale = scaleFor(context, components[static_cast<std::size_t>(option)].measures.pgaG);
                if (!gridRatios(context, option, scale, ratio))
                    continue;
                if (principal < 0 || largestDeviation(ratio, context.periods.mainIndex)
                                         < largestDeviation(best, context.periods.mainIndex)) {
                    principal = option;
                    best = std::move(ratio);
                }
            }
            if (principal < 0) {
                working->shown.leftOut = LeftOut::Unreadable;
                continue;
            }
            const auto& chosen = components[static_cast<std::size_t>(principal)];
            working->shown.component = principal;
            if (choice.size() > 1)
                working->shown.second = principal == choice[0] ? choice[1] : choice[0];
            if (wanted == 3)
                working->shown.vertical = vertical;
            working->shown.scale = scaleFor(context, chosen.measures.pgaG);
            working->shown.peakCm = context.targetPeakCm;
            working->shown.effectiveDuration = chosen.measures.effectiveDuration;
            working->ratio = std::move(best);
            const double limit = context.problem.maxScale;
            if (working->shown.scale <= 0.0 || working->shown.scale > limit * (1.0 + 1e-9)
                || working->shown.scale * limit < 1.0 - 1e-9) {
                working->shown.leftOut = LeftOut::ScaleLimit;
                continue;
            }
            settleFigures(context, *working);
        }
    }
    return candidates;
}

bool standsBefore(const Working& a, const Working& b)
{
    const auto broken = [](const Working& w) { return std::bitset<32>(w.shown.faults).count(); };
    if (broken(a) != broken(b))
        return broken(a) < broken(b);
    return objectiveOf(a.ratio) < objectiveOf(b.ratio);
}

// The record of a component, scaled; nothing when it cannot be read.
std::optional<GroundMotionRecord> scaledRecord(const Context& context, int component, double scale)
{
    try {
        GroundMotionRecord record = context.library.record(context.library.components[static_cast<std::size_t>(component)]);
        record.accelerationG = scaled(record.accelerationG, scale);
        return record;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The exact figures of a screened candidate from its samples; with two
// components the principal is chosen again from the exact spectra.
bool makeExact(const Context& context, Working& working)
{
    std::vector<int> options{working.shown.component};
    if (working.shown.second >= 0)
        options.push_back(working.shown.second);
    int principal = -1;
    std::vector<double> best;
    double duration = 0.0;
    for (const int option : options) {
        const double scale = scaleFor(context, context.library.components[static_cast<std::size_t>(option)].measures.pgaG);
        const auto record = scaledRecord(context, option, scale);
        if (!record)
            return false;
        const std::vector<double> ratio = ratiosOf(
            context,
            pseudoSpectralAcceleration(record->accelerationG, record->step, context.periods.periods,
                                       context.target.dampingRatio),
            1.0);
        if (principal < 0
            || largestDeviation(ratio, context.periods.mainIndex) < largestDeviation(best, context.periods.mainIndex)) {
            principal = option;
            best = ratio;
            duration = effectiveDuration(record->accelerationG, record->step);
        }
    }
    if (principal != working.shown.component) {
        working.shown.second = working.shown.component;
        working.shown.component = principal;
        working.shown.scale = scaleFor(context, context.library.components[static_cast<std::size_t>(principal)].measures.pgaG);
    }
    working.ratio = std::move(best);
    working.shown.effectiveDuration = duration;
    working.shown.exact = true;
    settleFigures(context, working);
    return true;
}

std::uint32_t rulesOfCheck(const SelectionCheck& check)
{
    std::uint32_t rules = 0;
    for (const CheckVerdict& verdict : check.verdicts) {
        if (verdict.verdict != Verdict::Fail)
            continue;
        switch (verdict.kind) {
        case CheckKind::Spectrum: rules |= MeanSpectrumRule; break;
        case CheckKind::Duration: rules |= DurationRule; break;
        case CheckKind::BaseShear:
        case CheckKind::BaseShearMean: rules |= BaseShearRule; break;
        case CheckKind::Count:
        case CheckKind::NaturalShare: rules |= CountRule; break;
        case CheckKind::Peak: break;
        }
    }
    return rules;
}

void refuseBadProblem(const SelectionProblem& problem)
{
    using Input = SelectionInputError::Input;
    if (problem.mainPeriods.empty() || problem.mainPeriods.size() > 6)
        throw SelectionInputError(Input::MainPeriods, "Give T1 and at most five more main periods.");
    for (const double period : problem.mainPeriods)
        if (!(period > 0.0 && period <= 6.0))
            throw SelectionInputError(Input::MainPeriods, "Every main period must be within (0, 6] s.");
    if (problem.natural < 0 || problem.artificial < 0 || problem.natural + problem.artificial == 0
        || problem.artificial > maxArtificialRecords)
        throw SelectionInputError(Input::Records, "Ask for at least one record, and at most "
                                                      + std::to_string(maxArtificialRecords) + " artificial ones.");
    if (!(problem.maxScale >= 1.0) || problem.components < 1 || problem.components > 3 || problem.rules.perEvent < 1)
        throw SelectionInputError(Input::Records,
                                  "The scale limit must be at least 1, the components 1, 2 or 3, the records of one "
                                  "earthquake at least 1.");
}

}  // namespace

bool MetadataRange::admits(const std::optional<double>& value) const
{
    if (!value)
        return unknownPasses;
    return *value >= minimum && *value <= maximum;
}

SelectionLibrary indexedLibrary(LibraryIndex& index, const Catalogue& catalogue)
{
    SelectionLibrary library;
    library.components = catalogue.components;
    LibraryIndex* kept = &index;
    library.gridSpectrum = [kept](const CatalogueComponent& component) {
        return componentSpectrum(*kept, component, libraryDamping);
    };
    library.record = [](const CatalogueComponent& component) {
        SourceReader reader;
        return parseRecord(reader.read(sourceOf(component)), component.path);
    };
    return library;
}

SelectionOutcome selectRecords(const KavrelSpectrum& target, const SelectionProblem& problem,
                               const SelectionLibrary& library, const SelectionProgress& progress)
{
    refuseBadProblem(problem);
    Context context{target, problem, library, {}, {}, 0.0};
    context.periods = objectivePeriods(target.tg, problem.mainPeriods, problem.rules.bandBelowT1, problem.rules.bandAboveT1);
    context.alpha = targetAlpha(target, context.periods.periods);
    context.targetPeakCm = problem.peakCm ? *problem.peakCm
                                          : defaultTargetPeak(target.codeType, problem.intensityIndex,
                                                              problem.actionIndex, target.alphaMax);
    SelectionOutcome outcome;
    outcome.targetPeakCm = context.targetPeakCm;
    const auto stop = [&]() {
        outcome.cancelled = true;
        return outcome;
    };

    std::vector<Working> working = screen(context, progress, outcome.cancelled);
    if (outcome.cancelled)
        return stop();

    // The best by the grid, no more of one earthquake than a suite could use twice over.
    std::vector<int> order;
    for (std::size_t i = 0; i < working.size(); ++i)
        if (working[i].shown.leftOut == LeftOut::NotChosen)
            order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return standsBefore(working[static_cast<std::size_t>(a)], working[static_cast<std::size_t>(b)]);
    });
    std::vector<int> kept;
    std::map<int, int> perEvent;
    for (const int i : order) {
        Working& candidate = working[static_cast<std::size_t>(i)];
        const bool eventFull = candidate.event >= 0 && perEvent[candidate.event] >= 2 * problem.rules.perEvent;
        if (static_cast<int>(kept.size()) >= problem.exactCandidates || eventFull) {
            candidate.shown.leftOut = LeftOut::Screening;
            continue;
        }
        if (candidate.event >= 0)
            ++perEvent[candidate.event];
        kept.push_back(i);
    }

    SuiteSpace space;
    space.mainIndex = context.periods.mainIndex;
    space.meanTolerance = problem.rules.meanTolerance;
    space.perEvent = problem.rules.perEvent;
    space.size = problem.natural;
    std::vector<int> spaceToWorking;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        if (progress && !progress(SelectionStage::ExactSpectra, static_cast<int>(k), static_cast<int>(kept.size())))
            return stop();
        Working& candidate = working[static_cast<std::size_t>(kept[k])];
        if (!makeExact(context, candidate)) {
            candidate.shown.leftOut = LeftOut::Unreadable;
            continue;
        }
        space.candidates.push_back({candidate.ratio, candidate.recording, candidate.event, candidate.shown.faults});
        spaceToWorking.push_back(kept[k]);
    }

    // The artificial records, matched to the target at its peak.
    std::vector<NamedArtificialRecord> artificial;
    if (problem.artificial > 0) {
        ArtificialBatchRequest request;
        request.count = problem.artificial;
        request.record.seed = 1;
        request.record.duration = std::ceil(std::max(20.0, 8.0 * problem.mainPeriods.front()));
        request.record.peak = context.targetPeakCm / standardGravityCm;
        std::vector<std::string> names;
        for (int n = 1; n <= problem.artificial; ++n)
            names.push_back("art-" + std::to_string(n));
        const auto made = generateArtificialRecords(target, request, names, [&](int record, std::uint64_t, int, int) {
            return !progress || progress(SelectionStage::Artificial, record, problem.artificial);
        });
        if (!made)
            return stop();
        artificial = made->records;
        for (const auto& record : artificial) {
            const std::vector<double> ratio =
                ratiosOf(context,
                         pseudoSpectralAcceleration(record.record.acceleration, record.record.step,
                                                    context.periods.periods, target.dampingRatio),
                         1.0);
            if (space.fixedSum.empty())
                space.fixedSum.assign(ratio.size(), 0.0);
            for (std::size_t i = 0; i < ratio.size(); ++i)
                space.fixedSum[i] += ratio[i];
            ++space.fixedCount;
        }
    }

    if (progress && !progress(SelectionStage::Search, 0, 1))
        return stop();
    const SuiteChoice choice = searchSuite(space, 40, [&]() { return progress && !progress(SelectionStage::Search, 0, 1); });
    if (progress && !progress(SelectionStage::Check, 0, 1))
        return stop();

    // The naturals in rank order: the closest to the target on its own first.
    std::vector<int> ranked;
    for (const int member : choice.members)
        ranked.push_back(spaceToWorking[static_cast<std::size_t>(member)]);
    std::stable_sort(ranked.begin(), ranked.end(), [&](int a, int b) {
        return objectiveOf(working[static_cast<std::size_t>(a)].ratio) < objectiveOf(working[static_cast<std::size_t>(b)].ratio);
    });
    SelectionCheckInput input;
    input.intensityIndex = problem.intensityIndex;
    input.actionIndex = problem.actionIndex;
    input.mainPeriods = problem.mainPeriods;
    input.structure = problem.structure;
    for (const int index : ranked) {
        Working& candidate = working[static_cast<std::size_t>(index)];
        candidate.shown.leftOut = LeftOut::None;
        ChosenRecord chosen;
        chosen.candidate = index;
        chosen.name = library.components[static_cast<std::size_t>(candidate.shown.component)].recording;
        const auto principal = scaledRecord(context, candidate.shown.component, candidate.shown.scale);
        if (!principal)
            continue;
        chosen.principal = *principal;
        // Each other component to its share of the target's peak.
        const auto componentScale = [&](int component, double share) {
            return share * scaleFor(context, library.components[static_cast<std::size_t>(component)].measures.pgaG);
        };
        if (candidate.shown.second >= 0)
            chosen.second = scaledRecord(context, candidate.shown.second,
                                         componentScale(candidate.shown.second, secondHorizontalShare));
        if (candidate.shown.vertical >= 0)
            chosen.vertical = scaledRecord(context, candidate.shown.vertical,
                                           componentScale(candidate.shown.vertical, verticalShare));
        input.records.push_back({{}, false, chosen.principal.accelerationG, chosen.principal.step});
        outcome.suite.push_back(std::move(chosen));
    }
    // The naturals named as the check names files: by their file names, with
    // as much of their folders as tells two apart.
    QStringList paths;
    for (const ChosenRecord& chosen : outcome.suite) {
        const auto& component = library.components[static_cast<std::size_t>(
            working[static_cast<std::size_t>(chosen.candidate)].shown.component)];
        paths << component.root + QLatin1Char('/') + component.path;
    }
    const QStringList names = distinguishingNames(paths);
    for (qsizetype i = 0; i < names.size(); ++i)
        input.records[static_cast<std::size_t>(i)].name = names[i].toStdString();
    for (const auto& record : artificial) {
        ChosenRecord chosen;
        chosen.name = QString::fromStdString(record.name);
        chosen.principal = toGroundMotionRecord(record);
        input.records.push_back({record.name, true, record.record.acceleration, record.record.step});
        outcome.suite.push_back(std::move(chosen));
    }
    for (const Working& candidate : working) {
        SelectionCandidate shown = candidate.shown;
        if (shown.leftOut == LeftOut::NotChosen && shown.faults != 0)
            shown.leftOut = LeftOut::Rule;
        outcome.candidates.push_back(std::move(shown));
    }
    outcome.objective = choice.score.objective;
    outcome.brokenRules = choice.score.rules;
    if (!input.records.empty()) {
        outcome.check = checkRecordSelection(target, input);
        outcome.brokenRules |= rulesOfCheck(*outcome.check);
    } else {
        outcome.brokenRules |= CountRule;
    }
    return outcome;
}

QString brokenRuleNames(std::uint32_t rules)
{
    static const char* const names[] = {"mean spectrum", "each record's spectrum", "platform and T1 band",
                                        "effective duration", "base shear", "count and natural share",
                                        "records of one earthquake"};
    QStringList parts;
    for (int bit = 0; bit < 7; ++bit)
        if (rules & (1u << bit))
            parts << QStringLiteral("rule %1 (%2)").arg(bit + 1).arg(QLatin1String(names[bit]));
    return parts.join(QStringLiteral(", "));
}
