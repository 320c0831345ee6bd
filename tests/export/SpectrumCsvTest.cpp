#include "export/SpectrumCsv.h"
#include "spectrum/KavrelSpectrum.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <QLocale>
#include <memory>
#include <string>
#include <vector>

namespace {

const QLocale point(QLocale::English, QLocale::UnitedStates);
const QLocale comma(QLocale::German, QLocale::Germany);

// The file split at CR LF. Fails the test when a line does not end with
// CR LF or a lone CR or LF is found inside a line.
std::vector<std::string> crlfLines(const QByteArray& bytes)
{
    std::vector<std::string> lines;
    const std::string text = bytes.toStdString();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the last line does not end with CR LF";
            lines.push_back(text.substr(start));
            break;
        }
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare line break in: " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// Spectra kept alive for the CSV builder, which takes them as pointers; not
// the program's SpectrumSet, whose name rules the CSV must not rely on.
class OwnedSpectra {
public:
    const KavrelSpectrum* add(const std::string& name, double alphaMax, double tg, double damping, int code)
    {
        owned_.push_back(std::make_unique<KavrelSpectrum>(name, alphaMax, tg, damping, code));
        list_.push_back(owned_.back().get());
        return list_.back();
    }
    const std::vector<const KavrelSpectrum*>& list() const { return list_; }

private:
    std::vector<std::unique_ptr<KavrelSpectrum>> owned_;
    std::vector<const KavrelSpectrum*> list_;
};

OwnedSpectra workedExample()
{
    OwnedSpectra set;
    set.add("Spectrum-1", 0.04, 0.2, 0.05, 0);
    return set;
}

} // namespace

TEST(SpectrumCsv, WorkedExampleByteForByte)
{
    const QByteArray bytes = buildSpectrumCsv(workedExample().list(), point);
    const auto lines = crlfLines(bytes);
    ASSERT_EQ(lines.size(), 606u);
    EXPECT_EQ(lines[0], "ResponseName,DesignCode,Alphamax,Tg(s),DampingRatio");
    EXPECT_EQ(lines[1], "Spectrum-1,GB 50011-2010,0.04,0.2,0.05");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], ",Spectrum-1,");
    EXPECT_EQ(lines[4], "Period(s),Sa(g),");
    EXPECT_EQ(lines[5], "0.00,1.8000E-02,");
    EXPECT_EQ(lines[6], "0.01,2.0200E-02,");
    EXPECT_EQ(lines[7], "0.02,2.2400E-02,");
    EXPECT_EQ(lines[15], "0.10,4.0000E-02,");
    EXPECT_EQ(lines[25], "0.20,4.0000E-02,");
    EXPECT_EQ(lines[26], "0.21,3.8282E-02,");
    EXPECT_EQ(lines[105], "1.00,9.3970E-03,");
    EXPECT_EQ(lines[605], "6.00,5.3970E-03,");
    // No byte-order mark, and the last line is closed as well.
    EXPECT_TRUE(bytes.startsWith("ResponseName,"));
    EXPECT_TRUE(bytes.endsWith("6.00,5.3970E-03,\r\n"));
    EXPECT_EQ(bytes.count('\n'), 606);
    EXPECT_EQ(bytes.count('\r'), 606);
}

TEST(SpectrumCsv, PeriodsRunFromZeroToSixInHundredths)
{
    const auto lines = crlfLines(buildSpectrumCsv(workedExample().list(), point));
    ASSERT_EQ(lines.size(), 606u);
    // Products, not sums: 0.29 and 0.57 are where repeated addition drifts.
    for (int i = 0; i <= 600; ++i) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%d.%02d,", i / 100, i % 100);
        EXPECT_EQ(lines[5 + i].rfind(expected, 0), 0u) << lines[5 + i];
    }
}

TEST(SpectrumCsv, ThreeSpectraSideBySideInCreationOrder)
{
    OwnedSpectra set;
    set.add("A", 0.16, 0.35, 0.05, 0);
    set.add("B", 0.08, 0.40, 0.05, 1);
    set.add("C", 0.12, 0.25, 0.05, 2);
    const auto lines = crlfLines(buildSpectrumCsv(set.list(), point));
    ASSERT_EQ(lines.size(), 608u);
    EXPECT_EQ(lines[1], "A,GB 50011-2010,0.16,0.35,0.05");
    EXPECT_EQ(lines[2], "B,GB 50011-2001,0.08,0.4,0.05");
    EXPECT_EQ(lines[3], "C,GB/T 51408-2021,0.12,0.25,0.05");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], ",A,B,C,");
    EXPECT_EQ(lines[6], "Period(s),Sa(g),Sa(g),Sa(g),");
    // Worked by hand: 0.45 AlphaMax at 0; the descending branches at 0.88 s
    // (B is the textbook's 0.0393468) and 1.80 s (A is the textbook's 0.03743);
    // at 6.0 s A and B are on their straight branches, C on its curve.
    EXPECT_EQ(lines[7], "0.00,7.2000E-02,3.6000E-02,5.4000E-02,");
    EXPECT_EQ(lines[37], "0.30,1.6000E-01,8.0000E-02,1.0184E-01,");
    EXPECT_EQ(lines[95], "0.88,6.9783E-02,3.9347E-02,3.8663E-02,");
    EXPECT_EQ(lines[187], "1.80,3.7428E-02,2.0663E-02,2.0304E-02,");
    EXPECT_EQ(lines[607], "6.00,2.3988E-02,1.2394E-02,6.8705E-03,");
}

TEST(SpectrumCsv, ParametersInTheirShortestForm)
{
    OwnedSpectra set;
    set.add("Whole", 1, 0.35, 0.050, 0);
    set.add("Tiny", 0.00005, 0.9, 0.1, 2);
    const auto lines = crlfLines(buildSpectrumCsv(set.list(), point));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Whole,GB 50011-2010,1,0.35,0.05");
    EXPECT_EQ(lines[2], "Tiny,GB/T 51408-2021,5E-5,0.9,0.1");
}

TEST(SpectrumCsv, DecimalCommaSwitchesTheSeparatorEverywhere)
{
    const QByteArray bytes = buildSpectrumCsv(workedExample().list(), comma);
    const auto lines = crlfLines(bytes);
    ASSERT_EQ(lines.size(), 606u);
    EXPECT_EQ(lines[0], "ResponseName;DesignCode;Alphamax;Tg(s);DampingRatio");
    EXPECT_EQ(lines[1], "Spectrum-1;GB 50011-2010;0,04;0,2;0,05");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], ";Spectrum-1;");
    EXPECT_EQ(lines[4], "Period(s);Sa(g);");
    EXPECT_EQ(lines[5], "0,00;1,8000E-02;");
    EXPECT_EQ(lines[26], "0,21;3,8282E-02;");
    EXPECT_EQ(lines[605], "6,00;5,3970E-03;");
    // Every comma left is a decimal separator inside a number.
    EXPECT_EQ(bytes.count(','), 3 + 601 * 2);
}

TEST(SpectrumCsv, UsesTheUserLocaleByDefault)
{
    const QLocale saved;
    QLocale::setDefault(comma);
    const QByteArray bytes = buildSpectrumCsv(workedExample().list());
    QLocale::setDefault(saved);
    EXPECT_TRUE(bytes.startsWith("ResponseName;DesignCode;"));
    EXPECT_EQ(buildSpectrumCsv(workedExample().list()), buildSpectrumCsv(workedExample().list(), point));
}

TEST(SpectrumCsv, NamesWithSeparatorOrQuoteAreQuoted)
{
    OwnedSpectra set;
    set.add("a,b", 0.04, 0.2, 0.05, 0);
    set.add("say \"hi\"", 0.04, 0.2, 0.05, 0);
    set.add("semi;colon", 0.04, 0.2, 0.05, 0);
    set.add("\xe5\x8f\x8d\xe5\xba\x94\xe8\xb0\xb1", 0.04, 0.2, 0.05, 0); // narrow (UTF-8) Han name
    {
        const auto lines = crlfLines(buildSpectrumCsv(set.list(), point));
        ASSERT_EQ(lines.size(), 609u);
        EXPECT_EQ(lines[1], "\"a,b\",GB 50011-2010,0.04,0.2,0.05");
        EXPECT_EQ(lines[2], "\"say \"\"hi\"\"\",GB 50011-2010,0.04,0.2,0.05");
        EXPECT_EQ(lines[3], "semi;colon,GB 50011-2010,0.04,0.2,0.05");
        EXPECT_EQ(lines[4], "\xe5\x8f\x8d\xe5\xba\x94\xe8\xb0\xb1,GB 50011-2010,0.04,0.2,0.05");
        EXPECT_EQ(lines[6], ",\"a,b\",\"say \"\"hi\"\"\",semi;colon,\xe5\x8f\x8d\xe5\xba\x94\xe8\xb0\xb1,");
    }
    {
        // With ";" separating fields, the comma is harmless and the semicolon is not.
        const auto lines = crlfLines(buildSpectrumCsv(set.list(), comma));
        ASSERT_EQ(lines.size(), 609u);
        EXPECT_EQ(lines[1], "a,b;GB 50011-2010;0,04;0,2;0,05");
        EXPECT_EQ(lines[3], "\"semi;colon\";GB 50011-2010;0,04;0,2;0,05");
        EXPECT_EQ(lines[6], ";a,b;\"say \"\"hi\"\"\";\"semi;colon\";\xe5\x8f\x8d\xe5\xba\x94\xe8\xb0\xb1;");
    }
}

TEST(SpectrumCsv, NamesWithLineBreaksAreQuotedAndKeepTheRowsWhole)
{
    OwnedSpectra set;
    set.add("two\nlines", 0.04, 0.2, 0.05, 0);
    set.add("cr\rlf\r\nend", 0.04, 0.2, 0.05, 0);
    const QByteArray bytes = buildSpectrumCsv(set.list(), point);

    // A reader that honours quotes sees each name as one field of its row.
    EXPECT_TRUE(bytes.startsWith("ResponseName,DesignCode,Alphamax,Tg(s),DampingRatio\r\n"
                                 "\"two\nlines\",GB 50011-2010,0.04,0.2,0.05\r\n"
                                 "\"cr\rlf\r\nend\",GB 50011-2010,0.04,0.2,0.05\r\n"
                                 "\r\n"
                                 ",\"two\nlines\",\"cr\rlf\r\nend\",\r\n"
                                 "Period(s),Sa(g),Sa(g),\r\n"
                                 "0.00,1.8000E-02,1.8000E-02,\r\n"))
        << bytes.left(300).toStdString();
    EXPECT_TRUE(bytes.endsWith("\r\n6.00,5.3970E-03,5.3970E-03,\r\n"));
    // 607 rows, two of them holding a name's CR LF inside quotes.
    EXPECT_EQ(bytes.count("\r\n"), 607 + 2);
}
