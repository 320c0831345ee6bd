#include "library/HeaderFacts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct FactsCase {
    const char* name;
    QByteArray header;
    RecordLayout layout;
    const char* event;
    std::optional<int> year;
    const char* station;
    std::optional<double> magnitude;
    const char* place;
    const char* component;
};

class HeaderFactsOf : public ::testing::TestWithParam<FactsCase> {};

TEST_P(HeaderFactsOf, TakesWhatTheHeaderSaysAndLeavesTheRestUnknown)
{
    const FactsCase& c = GetParam();
    const HeaderFacts facts = headerFacts(c.header, c.layout);
    EXPECT_EQ(facts.metadata.event.toStdString(), c.event);
    EXPECT_EQ(facts.metadata.year, c.year);
    EXPECT_EQ(facts.metadata.station.toStdString(), c.station);
    EXPECT_EQ(facts.metadata.magnitude, c.magnitude);
    EXPECT_EQ(facts.place.toStdString(), c.place);
    EXPECT_EQ(facts.componentWord.toStdString(), c.component);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, HeaderFactsOf,
    ::testing::Values(
        FactsCase{"Peer",
                  "PEER NGA STRONG MOTION DATABASE RECORD\nNorthridge-01, 1/17/1994, Rinaldi Receiving Sta, 228\n"
                  "ACCELERATION TIME SERIES IN UNITS OF G\nNPTS=   1991, DT=   .0100 SEC\n",
                  RecordLayout::Peer, "Northridge-01", 1994, "Rinaldi Receiving Sta", std::nullopt, "", "228"},
        // Not PEER's own first line: nothing is guessed from it.
        FactsCase{"PeerLayoutOtherHeader",
                  "Data for El Centro 1940 North South Component\n1559 points at equal spacing of 0.02 sec\n"
                  "The units are (g)\nNPTS=  1559, DT= .02000 SEC\n",
                  RecordLayout::Peer, "", std::nullopt, "", std::nullopt, "", ""},
        FactsCase{"Knet",
                  "Origin Time       2000/07/21 03:39:00\nLat.              36.6\nLong.             141\n"
                  "Depth. (km)       50\nMag.              6.1\nStation Code      TCGH13\n"
                  "Station Lat.      36.7311\nStation Long.     140.1814\nStation Height(m) 135\n",
                  RecordLayout::Knet, "2000/07/21 03:39:00", 2000, "TCGH13", 6.1, "36.7311 N 140.1814 E", ""},
        FactsCase{"Csmnc",
                  "051BXD130420080201\n0130420080246 2013-04-20 8:2:46 BTM\nLUSHAN EARTHQUAKE, LUSHAN,CHN\n"
                  "COMP. EW\nUNCORRECTED ACCELERATION          UNIT: CM/SEC/SEC\n",
                  RecordLayout::Csmnc, "LUSHAN EARTHQUAKE, LUSHAN,CHN", 2013, "051BXD", std::nullopt, "", "EW"},
        FactsCase{"Columns", "0 0.1\n0.01 0.2\n", RecordLayout::Columns, "", std::nullopt, "", std::nullopt, "", ""}),
    [](const ::testing::TestParamInfo<FactsCase>& info) { return std::string(info.param.name); });

} // namespace
