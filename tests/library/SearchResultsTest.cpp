#include "library/LibraryError.h"
#include "library/SearchResults.h"

#include "LibraryFixtures.h"

#include <gtest/gtest.h>

namespace {

// The older dialect: every field in quotes once more, inner quotes doubled,
// every line padded with commas.
const QByteArray olderDialect =
    "\" PEER Ground Motion Database\",,,,,,,\n"
    ",,,,,,,\n"
    "\" -- Summary of Metadata of Selected Records --\",,,,,,,\n"
    "\"Result ID\",\"Record Sequence Number\",\"5-95% Duration (sec)\",\"Arias Intensity (m/sec)\","
    "\"Earthquake Name\",\"Year\",\"Station Name\",\"Magnitude\",\"Mechanism\",\"Rjb (km)\",\"Rrup (km)\","
    "\"Vs30 (m/sec)\",\"Lowest Useable Frequency (Hz)\",\"Horizontal-1 Acc. Filename\","
    "\"Horizontal-2 Acc. Filename\",\"Vertical Acc. Filename\",,,,\n"
    "\"1\",\"848\",\"13.5\",\"1.2\",\" \"\"Landers\"\"\",\"1992\",\" \"\"Coolwater\"\"\",\"7.28\",\"strike slip\","
    "\"19.74\",\"19.74\",\"352.98\",\"0.1\",\" RSN848_LANDERS_CLW-LN.AT2\",\" RSN848_LANDERS_CLW-TR.AT2\","
    "\" RSN848_LANDERS_CLW-UP.AT2\",,,,\n"
    "\"2\",\"1\",\"-\",\"-999\",\" \"\"Helena, Montana-01\"\"\",\"1935\",\" \"\"Carroll College\"\"\",\"6\","
    "\"strike slip\",\"2.85\",\"2.86\",\"593.35\",\"-999\",\" RSN1_HELENA.A_A-HMC180.AT2\",\" -----\","
    "\" -----\",,,,\n"
    ",,,,,,,,,,,,,,,,,,,\n"
    "\" -- Scaled Spectra used in Search & Scaling --\",,,,\n";

TEST(SearchResults, CurrentDialectGivesEveryRowWithItsFilesAndFigures)
{
    const std::vector<SearchResultsRow> rows =
        parseSearchResults(bytesOf(testData(QStringLiteral("_SearchResults.csv"))), QStringLiteral("_SearchResults.csv"));
    ASSERT_EQ(rows.size(), 30u);
    const SearchResultsRow& first = rows.front();
    EXPECT_EQ(first.sequenceNumber, 6);
    EXPECT_EQ(first.metadata.event, QStringLiteral("Imperial Valley-02"));
    EXPECT_EQ(first.metadata.year, 1940);
    EXPECT_EQ(first.metadata.station, QStringLiteral("El Centro Array #9"));
    EXPECT_EQ(first.metadata.magnitude, 6.95);
    EXPECT_EQ(first.metadata.mechanism, QStringLiteral("strike slip"));
    EXPECT_EQ(first.metadata.rjbKm, 6.09);
    EXPECT_EQ(first.metadata.vs30, 213.44);
    EXPECT_EQ(first.metadata.lowestUsableFrequencyHz, 0.25);
    EXPECT_EQ(first.d5_95, 24.2);
    EXPECT_EQ(first.ariasMetresPerSecond, 1.6);
    EXPECT_EQ(first.horizontal1, QStringLiteral("RSN6_IMPVALL.I_I-ELC180.AT2"));
    EXPECT_EQ(first.horizontal2, QStringLiteral("RSN6_IMPVALL.I_I-ELC270.AT2"));
    EXPECT_EQ(first.vertical, QStringLiteral("RSN6_IMPVALL.I_I-ELC-UP.AT2"));
    // "-----": the recording has no vertical.
    EXPECT_EQ(rows[12].sequenceNumber, 78);
    EXPECT_TRUE(rows[12].vertical.isEmpty());
}

TEST(SearchResults, OlderDialectLosesItsPaddingAndDoubledQuotes)
{
    const std::vector<SearchResultsRow> rows = parseSearchResults(olderDialect, QStringLiteral("old.csv"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].sequenceNumber, 848);
    EXPECT_EQ(rows[0].metadata.event, QStringLiteral("Landers"));
    EXPECT_EQ(rows[0].metadata.station, QStringLiteral("Coolwater"));
    EXPECT_EQ(rows[0].horizontal1, QStringLiteral("RSN848_LANDERS_CLW-LN.AT2"));
    EXPECT_EQ(rows[0].vertical, QStringLiteral("RSN848_LANDERS_CLW-UP.AT2"));
    // A comma inside the quotes stays in the name; "-" and -999 are unknown.
    EXPECT_EQ(rows[1].metadata.event, QStringLiteral("Helena, Montana-01"));
    EXPECT_FALSE(rows[1].d5_95.has_value());
    EXPECT_FALSE(rows[1].ariasMetresPerSecond.has_value());
    EXPECT_FALSE(rows[1].metadata.lowestUsableFrequencyHz.has_value());
    EXPECT_EQ(rows[1].metadata.magnitude, 6.0);
    EXPECT_TRUE(rows[1].horizontal2.isEmpty());
}

struct RefusedTable {
    const char* name;
    QByteArray bytes;
    const char* message;
};

class SearchResultsRefused : public ::testing::TestWithParam<RefusedTable> {};

TEST_P(SearchResultsRefused, NamesTheFileAndTheFault)
{
    try {
        parseSearchResults(GetParam().bytes, QStringLiteral("x/_SearchResults.csv"));
        FAIL() << "accepted";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.message().toStdString(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SearchResultsRefused,
    ::testing::Values(
        RefusedTable{"NoTable", "Period (sec),pSa\n0.01,0.5\n",
                     "\"x/_SearchResults.csv\": has no \"Summary of Metadata of Selected Records\" table"},
        RefusedTable{"NoFileColumn", " -- Summary of Metadata of Selected Records --\nResult ID, Record Sequence Number\n",
                     "\"x/_SearchResults.csv\": the table has no column \"Horizontal-1 Acc. Filename\""},
        RefusedTable{"RowWithoutNumber",
                     " -- Summary of Metadata of Selected Records --\nRecord Sequence Number, Horizontal-1 Acc. Filename\n"
                     "x, a.AT2\n",
                     "\"x/_SearchResults.csv\": line 3: no record sequence number"}),
    [](const ::testing::TestParamInfo<RefusedTable>& info) { return std::string(info.param.name); });

} // namespace
