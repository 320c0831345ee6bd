#include "records/ModeTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TableCase {
    const char* name;
    const char* text;
    QLocale::Language language;
    std::vector<StructureMode> modes;
    const char* refusal;
};

class ModeTable : public testing::TestWithParam<TableCase> {};

TEST_P(ModeTable, ReadsTwoColumnsAsAnalysisProgramsListThem)
{
    const TableCase& c = GetParam();
    const ModeTableReading reading = readModeTable(QString::fromUtf8(c.text), QLocale(c.language));
    EXPECT_EQ(reading.refusal, QString::fromUtf8(c.refusal));
    ASSERT_EQ(reading.modes.size(), c.modes.size());
    for (std::size_t j = 0; j < c.modes.size(); ++j) {
        EXPECT_DOUBLE_EQ(reading.modes[j].period, c.modes[j].period) << j;
        EXPECT_DOUBLE_EQ(reading.modes[j].massRatio, c.modes[j].massRatio) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ModeTable, ModeTable,
    testing::Values(
        TableCase{"TabsFromAClipboard", "1.25\t0.62\r\n0.41\t0.18\r\n", QLocale::C, {{1.25, 0.62}, {0.41, 0.18}}, ""},
        TableCase{"CommasBlanksCommentsAndAHeader", "# X direction\nPeriod Ratio\n1.25, 0.62\n\n  0.41   0.18\n",
                  QLocale::C, {{1.25, 0.62}, {0.41, 0.18}}, ""},
        TableCase{"DecimalCommaTakesBlanksOnly", "1,25\t0,62\n0,41 0,18\n", QLocale::German,
                  {{1.25, 0.62}, {0.41, 0.18}}, ""},
        TableCase{"AHeaderOnlyFirst", "1.25 0.62\nPeriod Ratio\n", QLocale::C, {},
                  "Line 2: \"Period\" is not a number."},
        TableCase{"ThreeColumns", "1 1.25 0.62\n", QLocale::C, {},
                  "Line 1: give two columns, the period and the mass ratio, not 3."},
        TableCase{"OneColumn", "1.25 0.62\n\n0.41\n", QLocale::C, {},
                  "Line 3: give two columns, the period and the mass ratio, not 1."},
        TableCase{"ARatioThatIsNoNumber", "1.25 0.62x\n", QLocale::C, {}, "Line 1: \"0.62x\" is not a number."},
        TableCase{"NothingButComments", "# none\n\n", QLocale::C, {}, ""}),
    [](const testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

}  // namespace
