#include "library/LibraryIndexer.h"
#include "records/CodePeaks.h"
#include "records/RecordMeasures.h"
#include "selection/RecordSelector.h"
#include "spectrum/KavrelSpectrum.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace {

// The real records of tests/data/library, indexed into a temporary folder.
class RealLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        const std::vector<LibraryLocation> locations{libraryLocation(QStringLiteral(KAVREL_TEST_DATA "/library"))};
        index_ = std::make_unique<LibraryIndex>(folder_.path() + QStringLiteral("/library.sqlite"));
        updateLibraryIndex(*index_, locations);
        library_ = indexedLibrary(*index_, readCatalogue(*index_, locations));
        problem_.mainPeriods = {0.8};
        problem_.artificial = 0;
        problem_.natural = 3;
        problem_.intensityIndex = 3;  // 8, frequent: 70 cm/s^2
        problem_.actionIndex = 0;
    }

    SelectionOutcome select() const { return selectRecords(target_, problem_, library_); }

    QTemporaryDir folder_;
    std::unique_ptr<LibraryIndex> index_;
    SelectionLibrary library_;
    SelectionProblem problem_;
    const KavrelSpectrum target_{"target", 0.16, 0.40, 0.05, 0};
};

TEST_F(RealLibrary, scalesThreeComponentsPeaksOneToPointEightyFiveToPointSixtyFive)
{
    problem_.components = 3;
    problem_.natural = 1;
    const SelectionOutcome outcome = select();
    ASSERT_EQ(outcome.suite.size(), 1u);
    const ChosenRecord& chosen = outcome.suite.front();
    ASSERT_TRUE(chosen.second && chosen.vertical);
    EXPECT_NEAR(peakAbsolute(chosen.principal.accelerationG) * standardGravityCm, 70.0, 1e-9);
    EXPECT_NEAR(peakAbsolute(chosen.second->accelerationG) * standardGravityCm, 70.0 * 0.85, 1e-9);
    EXPECT_NEAR(peakAbsolute(chosen.vertical->accelerationG) * standardGravityCm, 70.0 * 0.65, 1e-9);
}

TEST_F(RealLibrary, namesTheRuleTheBestSuiteBreaks)
{
    problem_.rules.minimumSeconds = 1000.0;
    const SelectionOutcome outcome = select();
    EXPECT_EQ(outcome.suite.size(), 3u);
    EXPECT_TRUE(outcome.brokenRules & DurationRule);
    EXPECT_TRUE(brokenRuleNames(outcome.brokenRules).contains(QStringLiteral("rule 4 (effective duration)")));
    ASSERT_TRUE(outcome.check.has_value());
}

TEST_F(RealLibrary, unknownMetadataPassesAFilterOnlyIfAsked)
{
    const auto filtered = [&](bool unknownPasses) {
        problem_.filters.magnitude = MetadataRange{0.0, 10.0, unknownPasses};
        int count = 0;
        for (const SelectionCandidate& candidate : select().candidates)
            count += candidate.leftOut == LeftOut::Filter ? 1 : 0;
        return count;
    };
    int unknown = 0;
    for (const CatalogueComponent& component : library_.components)
        unknown += !component.metadata.magnitude && component.component.startsWith('H') ? 1 : 0;
    ASSERT_GT(unknown, 0);
    EXPECT_EQ(filtered(false), unknown);
    EXPECT_EQ(filtered(true), 0);
}

TEST_F(RealLibrary, refusesAnEmptyRequest)
{
    problem_.natural = 0;
    EXPECT_THROW(select(), SelectionInputError);
}

}  // namespace
