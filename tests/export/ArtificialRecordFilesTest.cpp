#include "export/ArtificialRecordFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

NamedArtificialRecord named(const std::string& name)
{
    NamedArtificialRecord record;
    record.name = name;
    record.record.step = 0.02;
    record.record.acceleration = {0, 0.25, -0.125};
    return record;
}

} // namespace

TEST(ArtificialRecordFiles, FileTypesCarryTheHistorySuffixAndReadBack)
{
    EXPECT_EQ(timeHistoryFormatFilter(AnalysisFormat::Midas), "MIDAS Gen/Civil (*.thd)");
    EXPECT_EQ(timeHistoryFormatFilter(AnalysisFormat::Csi), "CSI SAP2000/ETABS (*.txt)");
    for (const AnalysisFormat format : analysisFormats()) {
        AnalysisFormat found = AnalysisFormat::Table;
        ASSERT_TRUE(timeHistoryFormatFromFilter(timeHistoryFormatFilter(format), found));
        EXPECT_EQ(found, format);
    }
    AnalysisFormat untouched = AnalysisFormat::Csv;
    EXPECT_FALSE(timeHistoryFormatFromFilter("MIDAS Gen/Civil (*.sgs)", untouched));
    EXPECT_EQ(untouched, AnalysisFormat::Csv);
}

TEST(ArtificialRecordFiles, OneRecordTakesTheChosenNameSeveralTheirOwnBesideIt)
{
    const auto one = artificialRecordFiles({named("EQ-A1")}, "/tmp/out/mine.txt", AnalysisFormat::Table);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].first, "/tmp/out/mine.txt");
    EXPECT_EQ(one[0].second, QByteArray("time_s\taccel_g\n0\t0\n0.02\t0.25\n0.04\t-0.125\n"));

    const auto several = artificialRecordFiles({named("EQ-A1"), named("a/b-A2")}, "/tmp/out/mine.tcl", AnalysisFormat::OpenSees);
    ASSERT_EQ(several.size(), 2u);
    EXPECT_EQ(several[0].first, "/tmp/out/EQ-A1.tcl");
    EXPECT_EQ(several[1].first, "/tmp/out/a_b-A2.tcl");
    // Tagged in order, so that both can be sourced into one model.
    EXPECT_TRUE(several[0].second.contains("timeSeries Path 1 "));
    EXPECT_TRUE(several[1].second.contains("timeSeries Path 2 "));
}
