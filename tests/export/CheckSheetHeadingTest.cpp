#include "export/CheckSheetHeading.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct HeadingCase {
    const char* name;
    SpectrumOrigin origin;
    QList<CheckSheetRecord> records;
    QStringList lines;
};

const QString title = QString::fromUtf8("Record selection check (GB 50011 §5.1.2)");

// Intensity 8 (0.20 g), frequent, site II, group 2: AlphaMax 0.16, Tg 0.40 s.
const HeadingCase headingCases[] = {
    {"EverySelectionKnown",
     {"8 (0.20 g)", "frequent", "II", "2", false, false},
     {{"RSN6", "RSN6_IMPVALL.I_I-ELC180.AT2", false, 1.23456}},
     {title, "Target spectrum: EQ (GB 50011-2010)",
      "intensity 8 (0.20 g), frequent earthquake, site class II, design group 2",
      "AlphaMax 0.16, Tg 0.4 s, damping ratio 0.05",
      "RSN6: file RSN6_IMPVALL.I_I-ELC180.AT2, natural, scale factor 1.235"}},
    {"TypedTargetWithoutSelections",
     {},
     {{"EQ-A1", "", true, 0.5}},
     {title, "Target spectrum: EQ (GB 50011-2010)", "AlphaMax 0.16, Tg 0.4 s, damping ratio 0.05",
      "EQ-A1: artificial, scale factor 0.5"}},
    {"RareActionAlone",
     {"", "rare", "", "", false, false},
     {},
     {title, "Target spectrum: EQ (GB 50011-2010)", "rare earthquake", "AlphaMax 0.16, Tg 0.4 s, damping ratio 0.05"}},
};

class CheckHeading : public ::testing::TestWithParam<HeadingCase> {};

} // namespace

TEST_P(CheckHeading, SaysWhatWasCheckedAgainstWhat)
{
    const HeadingCase c = GetParam();
    CheckSheetTarget target{"EQ", 0, 0.16, 0.40, 0.05, c.origin};
    EXPECT_EQ(checkSheetHeading(target, c.records, QLocale::c()), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Targets, CheckHeading, ::testing::ValuesIn(headingCases),
                         [](const ::testing::TestParamInfo<HeadingCase>& info) { return std::string(info.param.name); });

TEST(CheckHeadingHtml, TitleThenParagraphsEscaped)
{
    EXPECT_EQ(checkSheetHeadingHtml({"Check", "a<b & c"}), "<h3>Check</h3><p>a&lt;b &amp; c</p>");
}
