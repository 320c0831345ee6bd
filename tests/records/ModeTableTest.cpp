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

namespace {

struct CellsCase {
    const char* name;
    std::vector<std::pair<QString, QString>> rows;
    QString weight;
    bool given;
    std::size_t modes;
    const char* refusal;
};

class StructureCells : public testing::TestWithParam<CellsCase> {};

TEST_P(StructureCells, GiveTheStructureOrNoneOrOneReason)
{
    const CellsCase& c = GetParam();
    const StructureReading reading = readStructureCells(c.rows, c.weight, ModeCombination::Srss, QLocale::c());
    EXPECT_EQ(reading.refusal, QString::fromUtf8(c.refusal));
    EXPECT_EQ(reading.given, c.given);
    EXPECT_EQ(reading.structure.modes.size(), c.modes);
    if (c.modes > 0) {
        EXPECT_EQ(reading.structure.combination, ModeCombination::Srss);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ModeTable, StructureCells,
    testing::Values(
        CellsCase{"NothingTyped", {{"", ""}, {" ", ""}}, "", false, 0, ""},
        CellsCase{"BlankRowsSkipped", {{"1.2", "0.6"}, {"", ""}, {"0.4", "0.3"}}, "5e4", true, 2, ""},
        CellsCase{"ModesWithoutG", {{"1.2", "0.6"}}, "", true, 0,
                  "The representative value of gravity load G must be a positive number of kN."},
        CellsCase{"GWithoutModes", {}, "5e4", true, 0, "Give at least one mode."},
        CellsCase{"ARatioMissing", {{"1.2", "0.6"}, {"", ""}, {"0.4", ""}}, "5e4", true, 0,
                  "Mode 2: the mass ratio \"\" is not a number."},
        CellsCase{"APeriodThatIsNoNumber", {{"1,2", "0.6"}}, "5e4", true, 0,
                  "Mode 1: the period \"1,2\" is not a number."},
        CellsCase{"GThatIsNoNumber", {{"1.2", "0.6"}}, "lots", true, 0, "G \"lots\" is not a number."},
        CellsCase{"AModeTheCoreRefuses", {{"1.2", "0.6"}, {"25", "0.1"}}, "5e4", true, 0,
                  "Mode 2: the period 25 s must be above 0 and at most 20 s."}),
    [](const testing::TestParamInfo<CellsCase>& info) { return std::string(info.param.name); });

}  // namespace
