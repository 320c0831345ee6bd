#include "library/RecordGrouping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct GroupedFile {
    const char* path;
    RecordLayout layout;
    const char* recording;  // expected
    const char* component;  // expected
    HeaderFacts facts = {};
};

struct GroupingCase {
    const char* name;
    std::vector<GroupedFile> files;
    bool withTable = false;
};

HeaderFacts csmnc(const char* code, const char* event, const char* component)
{
    HeaderFacts facts;
    facts.code = QString::fromLatin1(code);
    facts.recordingKey = facts.code + QLatin1Char('|') + QString::fromLatin1(event);
    facts.componentWord = QString::fromLatin1(component);
    return facts;
}

HeaderFacts peerHeader(const char* key)
{
    HeaderFacts facts;
    facts.recordingKey = QString::fromLatin1(key);
    return facts;
}

// The table lists RSN6 with its vertical under a name no rule would take
// for one, and RSN78 without a vertical.
std::vector<SearchResultsSource> table()
{
    SearchResultsRow rsn6;
    rsn6.sequenceNumber = 6;
    rsn6.horizontal1 = QStringLiteral("ELC270.AT2");
    rsn6.horizontal2 = QStringLiteral("ELC180.AT2");
    rsn6.vertical = QStringLiteral("ELC-Z.AT2");
    SearchResultsRow rsn78;
    rsn78.sequenceNumber = 78;
    rsn78.horizontal1 = QStringLiteral("PDL120.AT2");
    return {SearchResultsSource{QStringLiteral("dl.zip/_SearchResults.csv"), {rsn6, rsn78}}};
}

class RecordGrouping : public ::testing::TestWithParam<GroupingCase> {};

TEST_P(RecordGrouping, GivesEachFileItsRecordingAndComponent)
{
    std::vector<ComponentFile> files;
    for (const GroupedFile& file : GetParam().files)
        files.push_back(ComponentFile{QString::fromUtf8(file.path), file.layout, file.facts});
    const std::vector<SearchResultsSource> tables = GetParam().withTable ? table() : std::vector<SearchResultsSource>{};
    const std::vector<ComponentPlace> places = groupComponents(files, tables);
    ASSERT_EQ(places.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(places[i].recording.toStdString(), GetParam().files[i].recording) << GetParam().files[i].path;
        EXPECT_EQ(places[i].component.toStdString(), GetParam().files[i].component) << GetParam().files[i].path;
    }
}

const RecordLayout peer = RecordLayout::Peer;
const RecordLayout knet = RecordLayout::Knet;

INSTANTIATE_TEST_SUITE_P(
    Rules, RecordGrouping,
    ::testing::Values(
        GroupingCase{"ByTableColumnsNotByNames",
                     {{"dl.zip/ELC180.AT2", peer, "RSN6", "H2"},
                      {"dl.zip/ELC-Z.AT2", peer, "RSN6", "V"},
                      {"dl.zip/ELC270.AT2", peer, "RSN6", "H1"},
                      {"dl.zip/PDL120.AT2", peer, "RSN78", "H1"},
                      // Listed, but in another folder: the table does not reach it.
                      {"other/ELC270.AT2", peer, "ELC270", "H1"}},
                     true},
        GroupingCase{"ByPeerNamesEveryVerticalEnding",
                     {{"a/RSN6_IMPVALL.I_I-ELC180.AT2", peer, "RSN6", "H1"},
                      {"a/RSN6_IMPVALL.I_I-ELC270.AT2", peer, "RSN6", "H2"},
                      {"a/RSN6_IMPVALL.I_I-ELC-UP.AT2", peer, "RSN6", "V"},
                      {"a/RSN30_PARKF_C05DWN.AT2", peer, "RSN30", "V"},
                      {"a/RSN30_PARKF_C05085.AT2", peer, "RSN30", "H1"},
                      {"a/RSN138_TABAS_BOS-V1.AT2", peer, "RSN138", "V"},
                      {"a/RSN138_TABAS_BOS-L1.AT2", peer, "RSN138", "H1"},
                      {"a/RSN139_X-V.AT2", peer, "RSN139", "V"},
                      {"a/rsn140_XUP.at2", peer, "RSN140", "V"},
                      // The same number in another folder is another recording.
                      {"b/RSN6_IMPVALL.I_I-ELC180.AT2", peer, "RSN6", "H1"}}},
        GroupingCase{"ByKnetAndKiknetNames",
                     {{"k/MYG0041103111446.NS", knet, "MYG0041103111446", "H1"},
                      {"k/MYG0041103111446.EW", knet, "MYG0041103111446", "H2"},
                      {"k/MYG0041103111446.UD", knet, "MYG0041103111446", "V"},
                      {"k/IWTH271103111446.NS1", knet, "IWTH271103111446-borehole", "H1"},
                      {"k/IWTH271103111446.UD1", knet, "IWTH271103111446-borehole", "V"},
                      {"k/IWTH271103111446.EW2", knet, "IWTH271103111446-surface", "H2"},
                      {"k/IWTH271103111446.NS2", knet, "IWTH271103111446-surface", "H1"},
                      // The suffix alone makes no K-NET file.
                      {"k/notes.EW", RecordLayout::Columns, "notes", "H1"}}},
        GroupingCase{"ByCsmncHeader",
                     {{"c/051BXD-1.txt", RecordLayout::Csmnc, "051BXD130420080201", "H2",
                       csmnc("051BXD130420080201", "LUSHAN", "EW")},
                      {"c/051BXD-2.txt", RecordLayout::Csmnc, "051BXD130420080201", "H1",
                       csmnc("051BXD130420080201", "LUSHAN", "NS")},
                      {"c/051BXD-3.txt", RecordLayout::Csmnc, "051BXD130420080201", "V",
                       csmnc("051BXD130420080201", "LUSHAN", "UD")},
                      {"c/051YAL.txt", RecordLayout::Csmnc, "051YAL130420080201", "H1",
                       csmnc("051YAL130420080201", "LUSHAN", "NS")}}},
        GroupingCase{"ByPeerHeaderWithoutNumbers",
                     {{"r/Rinaldi228.AT2", peer, "Rinaldi", "H1", peerHeader("Northridge-01,1/17/1994,Rinaldi")},
                      {"r/Rinaldi318.AT2", peer, "Rinaldi", "H2", peerHeader("Northridge-01,1/17/1994,Rinaldi")},
                      {"r/RinaldiUP.AT2", peer, "Rinaldi", "V", peerHeader("Northridge-01,1/17/1994,Rinaldi")},
                      {"r/Sylmar360.AT2", peer, "Sylmar360", "H1", peerHeader("Northridge-01,1/17/1994,Sylmar")}}},
        GroupingCase{"SingleFilesAreOneComponentRecordings",
                     {{"elCentro.AT2", peer, "elCentro", "H1"},
                      {"quake-UP.txt", RecordLayout::Columns, "quake-UP", "V"},
                      {"quake.txt", RecordLayout::Columns, "quake", "H1"}}}),
    [](const ::testing::TestParamInfo<GroupingCase>& info) { return std::string(info.param.name); });

} // namespace
