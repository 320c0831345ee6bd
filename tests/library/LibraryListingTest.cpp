#include "library/LibraryListing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CatalogueComponent component()
{
    CatalogueComponent c;
    c.path = QStringLiteral("PEER.zip/RSN1_HELENA.A_A-HMC180.AT2");
    c.recording = QStringLiteral("RSN1");
    c.component = QStringLiteral("H1");
    c.measures.points = 2000;
    c.measures.step = 0.01;
    c.measures.pgaG = 0.1 + 0.2;  // 0.30000000000000004: 15 digits make it 0.3
    c.measures.pgvCmPerS = 12.5;
    c.measures.pgdCm = 1.0 / 3;
    c.measures.effectiveDuration = 7.25;
    c.measures.d5_95 = 5.0;
    c.measures.ariasMetresPerSecond = 0.00001;
    c.metadata.event = QStringLiteral("Helena, \"Montana\"-01");
    c.metadata.station = QStringLiteral("Carroll\tCollege");
    c.metadata.vs30 = 593.35;
    return c;
}

struct ListingCase {
    const char* name;
    ListingFormat format;
    const char* line;
};

class Listing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(Listing, WritesTheGeneralFormAndLeavesUnknownFieldsEmpty)
{
    Catalogue catalogue;
    catalogue.components.push_back(component());
    const QList<QByteArray> lines = buildListing(catalogue, GetParam().format).split('\n');
    ASSERT_EQ(lines.size(), 3);  // header, the component, nothing after the last line end
    EXPECT_EQ(lines[1].toStdString(), GetParam().line);
    EXPECT_TRUE(lines[2].isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, Listing,
    ::testing::Values(ListingCase{"Table", ListingFormat::Table,
                                  "PEER.zip/RSN1_HELENA.A_A-HMC180.AT2\tRSN1\tH1\t2000\t0.01\t0.3\t12.5\t"
                                  "0.333333333333333\t7.25\t5\t1E-5\t\t\t593.35\tHelena, \"Montana\"-01\tCarroll College"},
                      ListingCase{"Csv", ListingFormat::Csv,
                                  "PEER.zip/RSN1_HELENA.A_A-HMC180.AT2,RSN1,H1,2000,0.01,0.3,12.5,"
                                  "0.333333333333333,7.25,5,1E-5,,,593.35,\"Helena, \"\"Montana\"\"-01\",Carroll\tCollege"}),
    [](const ::testing::TestParamInfo<ListingCase>& info) { return std::string(info.param.name); });

} // namespace
