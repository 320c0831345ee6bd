#pragma once
#include <cstdint>
#include <functional>
#include <vector>

// The search for the suite of natural records, on numbers only: each
// candidate's ratios alpha_r / alpha at the objective's periods, already
// scaled, and the rules it breaks on its own.

// The rules a suite can break, as bits.
enum SuiteRule : std::uint32_t {
    MeanSpectrumRule = 1u << 0,    // 1: the mean within its tolerance at every main period
    RecordSpectrumRule = 1u << 1,  // 2: each record within its own tolerance
    BandRule = 1u << 2,            // 3: the platform and T1-band means
    DurationRule = 1u << 3,        // 4: the effective duration
    BaseShearRule = 1u << 4,       // 5: the base shears (judged by the check only)
    CountRule = 1u << 5,           // 6: the count and the natural share
    PerEventRule = 1u << 6,        // 7: records of one earthquake (one per recording always holds)
};

struct SuiteCandidate {
    std::vector<double> ratio;  // at the objective's periods
    int recording = 0;          // at most one candidate of a recording in a suite
    int event = -1;             // -1: not known, limited by nothing
    std::uint32_t faults = 0;   // rules 2 to 4 it breaks on its own
};

struct SuiteSpace {
    std::vector<SuiteCandidate> candidates;
    std::vector<double> fixedSum;  // the artificial records' ratios summed, or empty
    int fixedCount = 0;
    std::vector<int> mainIndex;    // the main periods among the objective's periods
    double meanTolerance = 0.20;
    int perEvent = 2;
    int size = 5;                  // natural records wanted
};

// How a suite stands: the fewest broken rules first, then the objective,
// then (for equal figures) the suite of the earlier candidates.
struct SuiteScore {
    int broken = 0;
    double objective = 0.0;
    std::uint32_t rules = 0;  // which rules it breaks
    bool betterThan(const SuiteScore& other) const;
};

// The score of `members` (indices into the candidates, distinct recordings).
SuiteScore scoreSuite(const SuiteSpace& space, const std::vector<int>& members);

struct SuiteChoice {
    std::vector<int> members;  // ascending
    SuiteScore score;
};

// Where the suites are few (at most exhaustiveSuiteLimit) every one of
// them; else localSearchSuite. Deterministic. Fewer members than `size`
// only where there are fewer recordings. `cancelled`, asked now and then,
// stops it with nothing.
inline constexpr double exhaustiveSuiteLimit = 200000;
SuiteChoice searchSuite(const SuiteSpace& space, int starts = 40, const std::function<bool()>& cancelled = {});

// Greedy constructions (a beam of the `starts` best partial suites, and one
// from each of the `starts` candidates best on their own), each improved by
// exchanging one or two members for outsiders while that improves the
// score, the best of them also by exchanges of three.
SuiteChoice localSearchSuite(const SuiteSpace& space, int starts = 40, const std::function<bool()>& cancelled = {});

// Every suite, for checking the search on small cases.
SuiteChoice exhaustiveSuite(const SuiteSpace& space);
