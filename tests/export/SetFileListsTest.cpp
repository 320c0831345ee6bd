#include "export/SetFile.h"
#include "records/TabulatedCurveItem.h"
#include "spectrum/SpectrumSet.h"
#include "support/SetFileChecks.h"

#include <QJsonArray>
#include <gtest/gtest.h>

#include <ostream>

namespace {

// A record, then a curve: the two kinds of entry that hold lists of numbers.
QByteArray listsFile()
{
    SpectrumSet set;
    auto record = std::make_shared<GroundMotionRecord>();
    record->step = 0.01;
    record->accelerationG = {0.0, 0.1, -0.2};
    set.add(std::make_unique<RecordItem>("R", record, RecordScaling{std::nullopt, 0.05}));
    set.add(std::make_unique<TabulatedCurveItem>("C", std::vector<double>{0, 1}, std::vector<double>{0.1, 0.2}, 0.05,
                                                 std::vector<std::string>{"R"}));
    return buildSetFile(setContentsOf(set));
}

QJsonArray countingTo(std::size_t count)
{
    QJsonArray list;
    for (std::size_t i = 0; i < count; ++i)
        list.append(static_cast<double>(i));
    return list;
}

struct ListCase {
    const char* label;
    int entry;
    const char* key;
    QJsonArray list;
    const char* refusal;
};

// Named by its label where a case is listed.
void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << c.label;
}

class SetFileLists : public testing::TestWithParam<ListCase> {};

TEST_P(SetFileLists, AreRefusedByTheirLengthBeforeTheirNumbers)
{
    const ListCase& c = GetParam();
    const QByteArray bytes =
        withSetEntry(listsFile(), c.entry, [&c](QJsonObject&, QJsonObject& entry) { entry.insert(c.key, c.list); });
    EXPECT_EQ(setFileRefusal(bytes, "l.kspect"), QString::fromUtf8(c.refusal));
}

INSTANTIATE_TEST_SUITE_P(
    SetFile, SetFileLists,
    testing::Values(ListCase{"oneSampleNotANumber", 0, "samples", QJsonArray{"x"},
                             "\"l.kspect\": record 1 (\"R\") has fewer than 2 samples"},
                    ListCase{"periodsOverTheLimit", 1, "periods", countingTo(TabulatedCurveItem::pointLimit + 1),
                             "\"l.kspect\": curve 2 (\"C\") has more than 100000 \"periods\""},
                    ListCase{"firstPeriodNotANumber", 1, "periods", QJsonArray{"0", 1},
                             "\"l.kspect\": curve 2 (\"C\") has \"periods\" whose item 1 is not a finite number"}),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.label); });

} // namespace
