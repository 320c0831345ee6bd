#include "common/KavrelError.h"
#include "records/ArtificialBatch.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

using Names = std::vector<std::string>;

// A generator that goes through two passes, then refuses the seeds in
// `noMatch` after them, the seeds in `badInput` before them, and otherwise
// makes a one-sample record that carries its seed.
struct ScriptedGenerator {
    std::set<std::uint64_t> noMatch;
    std::set<std::uint64_t> badInput;
    std::vector<std::uint64_t> tried;

    ArtificialGenerator function()
    {
        return [this](const KavrelSpectrum&, const ArtificialRequest& request, const ArtificialProgress& progress)
                   -> std::optional<ArtificialRecord> {
            tried.push_back(request.seed);
            if (badInput.count(request.seed))
                throw KavrelError("bad input");
            for (int pass = 0; pass < 2; ++pass)
                if (!progress(pass, 2))
                    return std::nullopt;
            if (noMatch.count(request.seed))
                throw KavrelError(QString("no match for %1").arg(request.seed));
            ArtificialRecord record;
            record.seed = request.seed;
            record.step = request.step;
            record.acceleration = {0.1};
            return record;
        };
    }
};

} // namespace

TEST(ArtificialBatch, NamesCountOnPastTakenOnesAndStayShortAtAWholeCharacter)
{
    const std::set<std::string> none;
    const std::set<std::string> someTaken = {"EQ-A1", "EQ-A3"};
    struct Case {
        std::string target;
        int count;
        const std::set<std::string>& taken;
        Names expected;
    };
    const Case cases[] = {
        {"EQ", 2, none, {"EQ-A1", "EQ-A2"}},
        {"EQ", 3, someTaken, {"EQ-A2", "EQ-A4", "EQ-A5"}},
        // 19 bytes at most: 16 letters and "-A1", 15 and "-A10".
        {"ABCDEFGHIJKLMNOPQRS", 1, none, {"ABCDEFGHIJKLMNOP-A1"}},
        // Three bytes a character: five whole ones fit before "-A1".
        {"人工波人工波人工", 1, none, {"人工波人工-A1"}},
    };
    for (const Case& c : cases) {
        const Names names =
            artificialRecordNames(c.target, c.count, [&](const std::string& name) { return c.taken.count(name) > 0; });
        EXPECT_EQ(names, c.expected) << c.target;
    }
    const Names ten = artificialRecordNames("ABCDEFGHIJKLMNOPQRS", 10, [](const std::string&) { return false; });
    EXPECT_EQ(ten.back(), "ABCDEFGHIJKLMNO-A10");
    for (const std::string& name : ten)
        EXPECT_LT(name.size(), 20u) << name;
}

TEST(ArtificialBatch, SeedsWithoutAMatchArePassedOverAndReported)
{
    const KavrelSpectrum target("EQ", 0.16, 0.35, 0.05, 0);
    ScriptedGenerator scripted;
    scripted.noMatch = {6};
    ArtificialBatchRequest request;
    request.record.seed = 5;
    request.count = 2;
    std::vector<std::pair<int, std::uint64_t>> told;
    const auto result = generateArtificialRecords(
        target, request, {"EQ-A1", "EQ-A2"},
        [&](int record, std::uint64_t seed, int pass, int) {
            if (pass == 0)
                told.emplace_back(record, seed);
            return true;
        },
        scripted.function());
    ASSERT_TRUE(result);
    ASSERT_EQ(result->records.size(), 2u);
    EXPECT_EQ(result->records[0].name, "EQ-A1");
    EXPECT_EQ(result->records[0].record.seed, 5u);
    EXPECT_EQ(result->records[1].name, "EQ-A2");
    EXPECT_EQ(result->records[1].record.seed, 7u);
    EXPECT_EQ(result->records[1].targetName, "EQ");
    ASSERT_EQ(result->skippedSeeds.size(), 1u);
    EXPECT_EQ(result->skippedSeeds[0].seed, 6u);
    EXPECT_EQ(result->skippedSeeds[0].reason, "no match for 6");
    // The retried seed keeps the second record's place.
    EXPECT_EQ(told, (std::vector<std::pair<int, std::uint64_t>>{{0, 5}, {1, 6}, {1, 7}}));
}

TEST(ArtificialBatch, RefusedInputsTooManyMisfitsAndAStopEndTheBatch)
{
    const KavrelSpectrum target("EQ", 0.16, 0.35, 0.05, 0);
    ArtificialBatchRequest request;
    request.count = 2;
    const Names names = {"EQ-A1", "EQ-A2"};

    ScriptedGenerator badInput;
    badInput.badInput = {1};
    try {
        generateArtificialRecords(target, request, names, {}, badInput.function());
        ADD_FAILURE() << "no refusal";
    } catch (const KavrelError& error) {
        EXPECT_EQ(error.message(), "bad input");
    }
    EXPECT_EQ(badInput.tried, (std::vector<std::uint64_t>{1}));

    ScriptedGenerator misfits;
    misfits.noMatch = {2, 3, 4, 5};
    try {
        generateArtificialRecords(target, request, names, {}, misfits.function());
        ADD_FAILURE() << "no refusal";
    } catch (const KavrelError& error) {
        EXPECT_EQ(error.message(), "No match for the seeds 2, 3, 4, 5: no match for 5");
    }
    EXPECT_EQ(misfits.tried.size(), 5u);

    ScriptedGenerator stopped;
    int calls = 0;
    const auto none = generateArtificialRecords(
        target, request, names, [&](int record, std::uint64_t, int, int) { return ++calls, record == 0; },
        stopped.function());
    EXPECT_FALSE(none);
    EXPECT_EQ(stopped.tried, (std::vector<std::uint64_t>{1, 2}));
}
