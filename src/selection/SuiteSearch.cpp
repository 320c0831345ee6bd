#include "selection/SuiteSearch.h"

#include "selection/SuiteObjective.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <map>
#include <set>

namespace {

// Equal within rounding: the sums of a swapped suite are taken in another order.
bool nearlyEqual(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max(1.0, std::abs(a) + std::abs(b));
}

bool recordingTaken(const SuiteSpace& space, const std::vector<int>& members, int candidate, int except = -1)
{
    const int recording = space.candidates[static_cast<std::size_t>(candidate)].recording;
    return std::any_of(members.begin(), members.end(), [&](int member) {
        return member != except && space.candidates[static_cast<std::size_t>(member)].recording == recording;
    });
}

bool lexicallyBefore(std::vector<int> a, std::vector<int> b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a < b;
}

// Better by score, or as good and of earlier candidates.
bool better(const SuiteScore& a, const std::vector<int>& aMembers, const SuiteScore& b,
            const std::vector<int>& bMembers)
{
    if (a.betterThan(b))
        return true;
    if (b.betterThan(a))
        return false;
    return lexicallyBefore(aMembers, bMembers);
}

bool isMember(const std::vector<int>& members, int candidate)
{
    return std::find(members.begin(), members.end(), candidate) != members.end();
}

// Whether `trial` may stand: distinct recordings throughout.
bool distinctRecordings(const SuiteSpace& space, const std::vector<int>& trial)
{
    for (std::size_t i = 0; i < trial.size(); ++i)
        for (std::size_t j = i + 1; j < trial.size(); ++j)
            if (space.candidates[static_cast<std::size_t>(trial[i])].recording
                == space.candidates[static_cast<std::size_t>(trial[j])].recording)
                return false;
    return true;
}

// The best suite one exchange away: `width` members for as many outsiders.
// False when none is better.
bool bestExchange(const SuiteSpace& space, std::vector<int>& members, SuiteScore& score, int width)
{
    const int count = static_cast<int>(space.candidates.size());
    const int size = static_cast<int>(members.size());
    std::vector<int> bestMembers;
    SuiteScore bestScore = score;
    std::vector<int> trial = members;
    // Replaces members from `slot` on by outsiders from `outsider` on, `left` more of them.
    const std::function<void(int, int, int)> exchange = [&](int slot, int outsider, int left) {
        if (left == 0) {
            if (!distinctRecordings(space, trial))
                return;
            const SuiteScore trialScore = scoreSuite(space, trial);
            if (better(trialScore, trial, bestScore, bestMembers.empty() ? members : bestMembers)) {
                bestMembers = trial;
                bestScore = trialScore;
            }
            return;
        }
        for (int s = slot; s <= size - left; ++s)
            for (int o = outsider; o < count; ++o) {
                if (isMember(members, o))
                    continue;
                trial[static_cast<std::size_t>(s)] = o;
                exchange(s + 1, o + 1, left - 1);
                trial[static_cast<std::size_t>(s)] = members[static_cast<std::size_t>(s)];
            }
    };
    exchange(0, 0, std::min(width, size));
    if (bestMembers.empty())
        return false;
    members = std::move(bestMembers);
    score = bestScore;
    return true;
}

// Exchanges of one member while they improve; when they no longer do, of
// two, then of `widest`, and on again from one.
void improveBySwaps(const SuiteSpace& space, std::vector<int>& members, SuiteScore& score, int widest,
                    const std::function<bool()>& cancelled)
{
    int width = 1;
    while (width <= widest && !(cancelled && cancelled()))
        width = bestExchange(space, members, score, width) ? 1 : width + 1;
}

std::vector<int> greedyFrom(const SuiteSpace& space, int start)
{
    std::vector<int> members{start};
    const int count = static_cast<int>(space.candidates.size());
    while (static_cast<int>(members.size()) < space.size) {
        int best = -1;
        SuiteScore bestScore;
        for (int candidate = 0; candidate < count; ++candidate) {
            if (isMember(members, candidate) || recordingTaken(space, members, candidate))
                continue;
            members.push_back(candidate);
            const SuiteScore score = scoreSuite(space, members);
            members.pop_back();
            if (best < 0 || score.betterThan(bestScore)) {
                best = candidate;
                bestScore = score;
            }
        }
        if (best < 0)
            break;
        members.push_back(best);
    }
    std::sort(members.begin(), members.end());
    return members;
}

struct Partial {
    std::vector<int> members;  // ascending
    SuiteScore score;
};

// Greedy construction carried on from `width` suites at once: each size's
// best `width` suites, every one grown by every candidate that may join it.
std::vector<Partial> beamConstruction(const SuiteSpace& space, int width, const std::function<bool()>& cancelled)
{
    const int count = static_cast<int>(space.candidates.size());
    std::vector<Partial> beam{{}};
    for (int size = 0; size < space.size; ++size) {
        if (cancelled && cancelled())
            return {};
        std::vector<Partial> grown;
        std::set<std::vector<int>> seen;
        for (const Partial& partial : beam)
            for (int candidate = 0; candidate < count; ++candidate) {
                if (isMember(partial.members, candidate) || recordingTaken(space, partial.members, candidate))
                    continue;
                std::vector<int> members = partial.members;
                members.insert(std::upper_bound(members.begin(), members.end(), candidate), candidate);
                if (!seen.insert(members).second)
                    continue;
                grown.push_back({members, scoreSuite(space, members)});
            }
        if (grown.empty())
            break;
        std::sort(grown.begin(), grown.end(), [](const Partial& a, const Partial& b) {
            return better(a.score, a.members, b.score, b.members);
        });
        if (static_cast<int>(grown.size()) > width)
            grown.resize(static_cast<std::size_t>(width));
        beam = std::move(grown);
    }
    return beam;
}

}  // namespace

bool SuiteScore::betterThan(const SuiteScore& other) const
{
    if (broken != other.broken)
        return broken < other.broken;
    return objective < other.objective && !nearlyEqual(objective, other.objective);
}

SuiteScore scoreSuite(const SuiteSpace& space, const std::vector<int>& members)
{
    SuiteScore score;
    std::vector<double> sum = space.fixedSum;
    std::map<int, int> perEvent;
    for (const int member : members) {
        const SuiteCandidate& candidate = space.candidates[static_cast<std::size_t>(member)];
        if (sum.empty())
            sum.assign(candidate.ratio.size(), 0.0);
        for (std::size_t i = 0; i < sum.size(); ++i)
            sum[i] += candidate.ratio[i];
        score.rules |= candidate.faults;
        if (candidate.event >= 0 && ++perEvent[candidate.event] > space.perEvent)
            score.rules |= PerEventRule;
    }
    const double count = static_cast<double>(members.size()) + space.fixedCount;
    if (count > 0) {
        for (double& value : sum)
            value /= count;
        for (const int i : space.mainIndex)
            if (std::abs(sum[static_cast<std::size_t>(i)] - 1.0) > space.meanTolerance * (1.0 + 1e-9))
                score.rules |= MeanSpectrumRule;
    }
    score.objective = objectiveOf(sum);
    score.broken = static_cast<int>(std::bitset<32>(score.rules).count());
    return score;
}

SuiteChoice localSearchSuite(const SuiteSpace& space, int starts, const std::function<bool()>& cancelled)
{
    const int count = static_cast<int>(space.candidates.size());
    if (count == 0 || space.size <= 0)
        return {{}, scoreSuite(space, {})};
    // The constructions: the beam's, and one greedy one from each of the
    // candidates best on their own, so that the starts differ.
    std::vector<Partial> constructions = beamConstruction(space, starts, cancelled);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return scoreSuite(space, {a}).betterThan(scoreSuite(space, {b}));
    });
    for (int s = 0; s < std::min(starts, count); ++s) {
        std::vector<int> members = greedyFrom(space, order[static_cast<std::size_t>(s)]);
        constructions.push_back({members, scoreSuite(space, members)});
    }
    SuiteChoice best;
    bool found = false;
    std::set<std::vector<int>> improvedAlready;
    for (const Partial& construction : constructions) {
        if (cancelled && cancelled())
            return {};
        std::vector<int> members = construction.members;
        SuiteScore score = construction.score;
        improveBySwaps(space, members, score, 2, cancelled);
        std::sort(members.begin(), members.end());
        if (!improvedAlready.insert(members).second)
            continue;
        if (!found || better(score, members, best.score, best.members)) {
            best = {members, score};
            found = true;
        }
    }
    // The best of them, with exchanges of three members as well.
    improveBySwaps(space, best.members, best.score, 3, cancelled);
    std::sort(best.members.begin(), best.members.end());
    return best;
}

SuiteChoice searchSuite(const SuiteSpace& space, int starts, const std::function<bool()>& cancelled)
{
    // The number of suites, counted up to the limit.
    double suites = 1.0;
    const int count = static_cast<int>(space.candidates.size());
    for (int k = 0; k < space.size && k < count; ++k)
        suites = suites * (count - k) / (k + 1);
    if (suites <= exhaustiveSuiteLimit)
        return exhaustiveSuite(space);
    return localSearchSuite(space, starts, cancelled);
}

SuiteChoice exhaustiveSuite(const SuiteSpace& space)
{
    const int count = static_cast<int>(space.candidates.size());
    SuiteChoice best;
    bool found = false;
    std::vector<int> members;
    const std::function<void(int)> extend = [&](int next) {
        if (static_cast<int>(members.size()) == space.size) {
            const SuiteScore score = scoreSuite(space, members);
            if (!found || better(score, members, best.score, best.members)) {
                best = {members, score};
                found = true;
            }
            return;
        }
        for (int candidate = next; candidate < count; ++candidate) {
            if (recordingTaken(space, members, candidate))
                continue;
            members.push_back(candidate);
            extend(candidate + 1);
            members.pop_back();
        }
    };
    extend(0);
    return best;
}
