#include "common/SaveDialog.h"
#include "export/ArtificialRecordFiles.h"

#include <QDir>
#include <QSet>
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

// A dialog's answer is found by its place in the list, whatever the language
// of its text: each place names its own format's history suffix.
TEST(ArtificialRecordFiles, FileTypesCarryTheHistorySuffixAndAreFoundByTheirPlace)
{
    EXPECT_EQ(timeHistoryFormatFilter(AnalysisFormat::Midas), "MIDAS Gen/Civil (*.thd)");
    EXPECT_EQ(timeHistoryFormatFilter(AnalysisFormat::Csi), "CSI SAP2000/ETABS (*.txt)");
    const QStringList filters = timeHistoryFormatFilters();
    ASSERT_EQ(static_cast<std::size_t>(filters.size()), analysisFormats().size());
    EXPECT_EQ(filters.first(), "CSI SAP2000/ETABS (*.txt)");
    EXPECT_EQ(filters.last(), "Table (*.txt)");
    QSet<AnalysisFormat> found;
    for (int i = 0; i < filters.size(); ++i) {
        const AnalysisFormat format = analysisFormatAtFilter(i);
        found.insert(format);
        EXPECT_EQ(filters[i], timeHistoryFormatFilter(format));
        EXPECT_EQ(filterSuffix(filters[i]), timeHistoryFileSuffix(format));
    }
    EXPECT_EQ(found.size(), filters.size()) << "every format at one place";
    // An answer that is not in the list: the first type.
    EXPECT_EQ(analysisFormatAtFilter(-1), AnalysisFormat::Csi);
    EXPECT_EQ(analysisFormatAtFilter(static_cast<int>(filters.size())), AnalysisFormat::Csi);
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
