#include "records/DistinguishingNames.h"
#include "records/RecordSelectionCheck.h"
#include "records/RepeatedRecords.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <QDir>

#include <string>
#include <vector>

namespace {

struct Naming {
    const char* name;
    QStringList paths;
    QStringList shown;
};

class DistinguishingNames : public testing::TestWithParam<Naming> {};

TEST_P(DistinguishingNames, AreTheShortestEndsOfThePathsThatDiffer)
{
    EXPECT_EQ(distinguishingNames(GetParam().paths), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Selection, DistinguishingNames,
    testing::Values(
        Naming{"OwnNamesWhereTheyDiffer", {"/r/d1/x.AT2", "/r/d2/y.AT2"}, {"x.AT2", "y.AT2"}},
        Naming{"OneFolderTellsThemApart", {"/r/d1/x.AT2", "/r/d2/x.AT2", "/r/d2/y.AT2"},
               {"d1/x.AT2", "d2/x.AT2", "y.AT2"}},
        Naming{"FoldersOfOneNameNeedTheirParents", {"/a/set/x.AT2", "/b/set/x.AT2"}, {"a/set/x.AT2", "b/set/x.AT2"}},
        Naming{"OnlyTheFilesThatMeetGrow", {"/a/set/x.AT2", "/b/set/x.AT2", "/c/other/x.AT2"},
               {"a/set/x.AT2", "b/set/x.AT2", "other/x.AT2"}},
        Naming{"RelativePathsFromTheCurrentFolder", {"x.AT2", "sub/x.AT2"},
               {QDir::current().dirName() + "/x.AT2", "sub/x.AT2"}}),
    [](const testing::TestParamInfo<Naming>& info) { return std::string(info.param.name); });

CheckedRecord record(const char* name, std::vector<double> samples, double step = 0.01)
{
    return {name, false, std::move(samples), step};
}

TEST(RepeatedRecords, AreTheFirstTwoOfTheSameSamplesAtTheSameStep)
{
    const std::vector<CheckedRecord> own{record("a", {0.1, 0.2}), record("b", {0.1, 0.3}),
                                         record("c", {0.1, 0.2}, 0.02)};
    EXPECT_FALSE(repeatedRecords(own));
    std::vector<CheckedRecord> copied = own;
    copied.push_back(record("d", {0.1, 0.3}));
    copied.push_back(record("e", {0.1, 0.2}));
    const auto pair = repeatedRecords(copied);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->first, 0u);
    EXPECT_EQ(pair->second, 4u);
}

// A main period given twice is refused; their order is the user's.
TEST(RecordSelectionCheck, AMainPeriodGivenTwiceIsRefused)
{
    const KavrelSpectrum target("T", 0.16, 0.4, 0.05, 0);
    SelectionCheckInput input;
    input.records = {record("a", std::vector<double>(500, 0.1))};
    input.mainPeriods = {1.0, 0.5, 1.0};
    try {
        checkRecordSelection(target, input);
        ADD_FAILURE() << "accepted";
    } catch (const SelectionInputError& error) {
        EXPECT_EQ(std::string(error.what()), "The main period 1 s is given twice.");
        EXPECT_EQ(error.input, SelectionInputError::Input::MainPeriods);
    }
    input.mainPeriods = {0.5, 1.0};
    EXPECT_NO_THROW(checkRecordSelection(target, input));
}

}  // namespace
