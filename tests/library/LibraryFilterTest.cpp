#include "library/LibraryFilter.h"
#include "library/LibraryPlaces.h"
#include "library/LibraryIndex.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

CatalogueComponent component(std::optional<double> magnitude, std::optional<double> rjb, std::optional<double> vs30)
{
    CatalogueComponent c;
    c.path = QStringLiteral("PEER/RSN6_IMPVALL.I_I-ELC180.AT2");
    c.recording = QStringLiteral("RSN6");
    c.metadata.event = QStringLiteral("Imperial Valley-02");
    c.metadata.station = QStringLiteral("El Centro Array #9");
    c.metadata.magnitude = magnitude;
    c.metadata.rjbKm = rjb;
    c.metadata.vs30 = vs30;
    return c;
}

struct RangeCase {
    const char* name;
    std::optional<double> minimum;
    std::optional<double> maximum;
    std::optional<double> magnitude;  // of the component
    bool includeUnknown;
    bool passes;
};

class FilterRanges : public ::testing::TestWithParam<RangeCase> {};

// The same range put on each of the three figures in turn: each is read from
// its own field of the metadata.
TEST_P(FilterRanges, MagnitudeRjbAndVs30AlikeAtTheirBoundaries)
{
    const RangeCase& c = GetParam();
    for (int figure = 0; figure < 3; ++figure) {
        LibraryFilter filter;
        filter.includeUnknown = c.includeUnknown;
        FigureRange* ranges[] = {&filter.magnitude, &filter.rjbKm, &filter.vs30};
        ranges[figure]->minimum = c.minimum;
        ranges[figure]->maximum = c.maximum;
        std::optional<double> values[3] = {6.0, 10.0, 300.0};
        values[figure] = c.magnitude;
        EXPECT_EQ(filter.passes(component(values[0], values[1], values[2])), c.passes) << figure;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Library, FilterRanges,
    ::testing::Values(RangeCase{"AtTheMinimum", 6.5, 7.0, 6.5, false, true},
                      RangeCase{"AtTheMaximum", 6.5, 7.0, 7.0, false, true},
                      RangeCase{"JustBelowTheMinimum", 6.5, 7.0, 6.499999, false, false},
                      RangeCase{"JustAboveTheMaximum", 6.5, 7.0, 7.000001, false, false},
                      RangeCase{"MinimumOnly", 6.5, std::nullopt, 9.0, false, true},
                      RangeCase{"MaximumOnly", std::nullopt, 7.0, -1.0, false, true},
                      RangeCase{"MinimumEqualsMaximum", 6.5, 6.5, 6.5, false, true},
                      RangeCase{"MinimumAboveMaximumPassesNothing", 7.0, 6.5, 6.8, true, false},
                      RangeCase{"UnknownWithoutLimitsPasses", std::nullopt, std::nullopt, std::nullopt, false, true},
                      RangeCase{"UnknownAgainstALimitFails", 6.5, std::nullopt, std::nullopt, false, false},
                      RangeCase{"UnknownAgainstALimitIncluded", std::nullopt, 7.0, std::nullopt, true, true},
                      RangeCase{"KnownOutsideStaysOutWhenUnknownIncluded", 6.5, 7.0, 8.0, true, false}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    const char* text;
    bool passes;
};

class FilterText : public ::testing::TestWithParam<TextCase> {};

TEST_P(FilterText, EveryWordInTheFileRecordingEventOrStation)
{
    LibraryFilter filter;
    filter.text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(filter.passes(component(6.95, 6.09, 213.44)), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(Library, FilterText,
                         ::testing::Values(TextCase{"Empty", "", true}, TextCase{"BlanksOnly", " \t ", true},
                                           TextCase{"FileInAnyCase", "elc180", true},
                                           TextCase{"FolderOfTheFile", "peer/", true},
                                           TextCase{"Recording", "rsn6", true},
                                           TextCase{"Event", "imperial", true},
                                           TextCase{"Station", "array #9", true},
                                           TextCase{"WordsFromDifferentFields", "valley centro", true},
                                           TextCase{"OneWordMissing", "valley kobe", false},
                                           TextCase{"NowhereAtAll", "Northridge", false}),
                         [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(LibraryPlaces, KeptAndReadBackAndTheDefaultIndexWhenNothingWasKept)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const LibraryPlaces none = rememberedLibraryPlaces(settings);
    EXPECT_TRUE(none.folders.isEmpty());
    EXPECT_EQ(none.indexPath, defaultIndexPath());

    const LibraryPlaces kept{{QStringLiteral("/records/PEER"), QStringLiteral("/records/k-net.zip")},
                             QStringLiteral("/data/my index.sqlite")};
    rememberLibraryPlaces(settings, kept);
    settings.sync();
    const QSettings again(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    EXPECT_EQ(rememberedLibraryPlaces(again), kept);
    // One folder alone is still a list when read back.
    rememberLibraryPlaces(settings, LibraryPlaces{{QStringLiteral("/one")}, kept.indexPath});
    settings.sync();
    EXPECT_EQ(rememberedLibraryPlaces(QSettings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)).folders,
              QStringList{QStringLiteral("/one")});
}

} // namespace

#include "inputs/InputRules.h"

namespace {

struct LimitCase {
    const char* name;
    const char* typed;
    bool accepted;
    std::optional<double> value;
};

class RangeLimitText : public ::testing::TestWithParam<LimitCase> {};

TEST_P(RangeLimitText, EmptyIsNoLimitAndAnythingElseMustBeANumber)
{
    const LimitCase& c = GetParam();
    const InputRead<std::optional<double>> read = readRangeLimit(QString::fromUtf8(c.typed), QLocale::c());
    EXPECT_EQ(read.accepted(), c.accepted) << read.refusal.toStdString();
    EXPECT_EQ(read.value, c.value);
    if (!c.accepted) {
        EXPECT_TRUE(read.refusal.contains(QString::fromUtf8(c.typed).trimmed())) << read.refusal.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Library, RangeLimitText,
                         ::testing::Values(LimitCase{"Empty", "", true, std::nullopt},
                                           LimitCase{"Blanks", "   ", true, std::nullopt},
                                           LimitCase{"Number", " 6.5 ", true, 6.5},
                                           LimitCase{"Negative", "-3", true, -3.0},
                                           LimitCase{"Zero", "0", true, 0.0},
                                           LimitCase{"Word", "big", false, std::nullopt},
                                           LimitCase{"NumberAndUnit", "30 km", false, std::nullopt},
                                           LimitCase{"Infinite", "inf", false, std::nullopt}),
                         [](const ::testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

} // namespace
