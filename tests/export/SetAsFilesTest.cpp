#include "export/SetAsFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace {

SetContents named(const std::vector<std::string>& names)
{
    SetContents contents;
    for (const std::string& name : names)
        contents.push_back({name, 0, 0.04, 0.2, 0.05, true, {}});
    return contents;
}

struct Naming {
    const char* name;
    std::vector<std::string> spectra;
    QStringList files;
};

class SpectrumFileNaming : public testing::TestWithParam<Naming> {};

// Names that meet ignoring case take the lowest free number; the search for
// a base goes on from its last number, which gives the same names.
TEST_P(SpectrumFileNaming, NumbersNamesThatMeet)
{
    EXPECT_EQ(spectrumFileNames(named(GetParam().spectra), "txt"), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    SetAsFiles, SpectrumFileNaming,
    testing::Values(
        Naming{"CaseVariants", {"a", "A", "a", "a (2)", "A"},
               {"a.txt", "A (2).txt", "a (3).txt", "a (2) (2).txt", "A (4).txt"}},
        Naming{"ANumberTakenByAnotherName", {"b (2)", "b", "b", "B"}, {"b (2).txt", "b.txt", "b (3).txt", "B (4).txt"}},
        Naming{"DifferentBasesKeepTheirOwnNumbers", {"x", "y", "x", "y"}, {"x.txt", "y.txt", "x (2).txt", "y (2).txt"}}),
    [](const testing::TestParamInfo<Naming>& info) { return std::string(info.param.name); });

// Ten thousand case variants of one name: every one numbered, none twice.
TEST(SetAsFiles, ManyNamesThatMeetAreNumberedInTurn)
{
    std::vector<std::string> spectra;
    for (int i = 0; i < 10000; ++i)
        spectra.push_back(i % 2 == 0 ? "s" : "S");
    const QStringList files = spectrumFileNames(named(spectra), "txt");
    ASSERT_EQ(files.size(), 10000);
    EXPECT_EQ(files[0], "s.txt");
    EXPECT_EQ(files[1], "S (2).txt");
    EXPECT_EQ(files[9999], "S (10000).txt");
}

}  // namespace
