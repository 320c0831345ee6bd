#include "export/SetFile.h"
#include "export/SpectrumCsv.h"
#include "support/SetFileChecks.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A code spectrum, then a record of three samples (one beyond the doubles'
// short forms), then an artificial record with every figure set.
void fillMixedSet(SpectrumSet& set)
{
    set.add(std::make_unique<KavrelSpectrum>("Code", 0.08, 0.35, 0.05, 0));
    auto natural = std::make_shared<GroundMotionRecord>();
    natural->sourceFileName = "RSN953 北岭.AT2";
    natural->layout = RecordLayout::Peer;
    natural->unitAsRead = AccelerationUnit::Gal;
    natural->step = 0.005;
    natural->accelerationG = {0.0, 0.1 + 0.2, -0.25, 1e-300};
    set.add(std::make_unique<RecordItem>("RSN953", natural, RecordScaling{220.0, 0.05}), false);
    auto artificial = std::make_shared<GroundMotionRecord>();
    artificial->step = 0.01;
    artificial->accelerationG = {0.0, 0.02, -0.01};
    const ArtificialFigures figures{18446744073709551615ull, {2, 12, 0.115}, {0.081, 0.35, 0.021}};
    set.add(std::make_unique<RecordItem>("Art-1", artificial, RecordScaling{std::nullopt, 0.02}, figures));
}

QByteArray mixedSetFile()
{
    SpectrumSet set;
    fillMixedSet(set);
    return buildSetFile(setContentsOf(set));
}

// The mixed set's file with its record entry (the second) changed.
QByteArray withRecord(const std::function<void(QJsonObject&)>& change)
{
    return withSetEntry(mixedSetFile(), 1, [&change](QJsonObject&, QJsonObject& record) { change(record); });
}

QString refusalOf(const QByteArray& bytes)
{
    return setFileRefusal(bytes, "mixed.kspect");
}

} // namespace

TEST(SetFileRecords, ASetWithRecordsReadsBackToTheSameFileAndTheSameSaveData)
{
    SpectrumSet before;
    fillMixedSet(before);
    const QByteArray bytes = buildSetFile(setContentsOf(before));
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(root.value("version").toInt(), 2);
    const QJsonObject record = root.value("spectra").toArray().at(1).toObject();
    EXPECT_EQ(record.value("kind").toString(), "record");
    EXPECT_EQ(record.value("unit").toString(), "gal");
    EXPECT_EQ(record.value("source").toString(), "natural");
    EXPECT_TRUE(bytes.contains("0.30000000000000004"));  // shortest round trip of 0.1 + 0.2
    EXPECT_TRUE(bytes.contains("\"seed\": \"18446744073709551615\""));

    SpectrumSet after;
    replaceSetContents(after, parseSetFile(bytes, "mixed.kspect"));
    ASSERT_EQ(after.size(), 3);
    EXPECT_FALSE(after.isVisible(1));
    const RecordItem* natural = recordItemOf(after.item(1));
    ASSERT_NE(natural, nullptr);
    EXPECT_EQ(natural->record().accelerationG, (std::vector<double>{0.0, 0.1 + 0.2, -0.25, 1e-300}));
    EXPECT_EQ(natural->record().sourceFileName, "RSN953 北岭.AT2");
    const RecordItem* artificial = recordItemOf(after.item(2));
    ASSERT_NE(artificial, nullptr);
    ASSERT_TRUE(artificial->artificial());
    EXPECT_EQ(artificial->artificial()->seed, 18446744073709551615ull);
    EXPECT_EQ(artificial->artificial()->envelope.decay, 0.115);
    EXPECT_EQ(artificial->artificial()->match.largestDeviationPeriod, 0.35);
    EXPECT_EQ(buildSetFile(setContentsOf(after)), bytes);
    EXPECT_EQ(buildSpectrumCsv(itemsOf(after)), buildSpectrumCsv(itemsOf(before)));
}

TEST(SetFileRecords, DamagedRecordEntriesAreRefusedNamingTheFileAndTheRecord)
{
    const QString at = "\"mixed.kspect\": record 2 (\"RSN953\") ";
    struct Case {
        const char* kind;
        QByteArray bytes;
        QString message;
    };
    const Case cases[] = {
        {"no samples", withRecord([](QJsonObject& r) { r.remove("samples"); }), at + "has no \"samples\""},
        {"samples text", withRecord([](QJsonObject& r) { r.insert("samples", "0 1"); }),
         at + "has \"samples\" that is not a list"},
        {"one sample", withRecord([](QJsonObject& r) { r.insert("samples", QJsonArray{0.1}); }),
         at + "has fewer than 2 samples"},
        {"word sample", withRecord([](QJsonObject& r) { r.insert("samples", QJsonArray{0.1, "x", 0.2}); }),
         at + "has sample 2 that is not a finite number"},
        {"zero step", withRecord([](QJsonObject& r) { r.insert("step", 0); }), at + "has a \"step\" of 0"},
        {"negative step", withRecord([](QJsonObject& r) { r.insert("step", -0.01); }),
         at + "has a negative \"step\" (-0.01)"},
        {"unknown unit", withRecord([](QJsonObject& r) { r.insert("unit", "ft/s2"); }),
         at + "has the unknown unit \"ft/s2\""},
        {"unknown layout", withRecord([](QJsonObject& r) { r.insert("layout", "smc"); }),
         at + "has the unknown layout \"smc\""},
        {"damping 1", withRecord([](QJsonObject& r) { r.insert("dampingRatio", 1); }),
         at + "cannot be used: the damping ratio must be at least 0 and below 1"},
        {"target 0", withRecord([](QJsonObject& r) { r.insert("targetPeak", 0); }),
         at + "cannot be used: the target peak must be a number above 0"},
        {"source", withRecord([](QJsonObject& r) { r.insert("source", "synthetic"); }),
         at + "has the unknown source \"synthetic\" (natural or artificial)"},
        {"artificial without figures", withRecord([](QJsonObject& r) { r.insert("source", "artificial"); }),
         at + "has no \"artificial\" object"},
        {"name taken", withRecord([](QJsonObject& r) { r.insert("name", "Code"); }),
         "\"mixed.kspect\": record 2 (\"Code\") has the name of item 1"},
        {"no name", withRecord([](QJsonObject& r) { r.remove("name"); }), "\"mixed.kspect\": record 2 has no \"name\""},
        {"unknown kind", withRecord([](QJsonObject& r) { r.insert("kind", "wave"); }),
         "\"mixed.kspect\": spectrum 2 has an unknown \"kind\" (spectrum, record or curve)"},
        {"record in version 1", [] {
             QJsonObject root = QJsonDocument::fromJson(mixedSetFile()).object();
             root.insert("version", 1);
             return QJsonDocument(root).toJson();
         }(),
         "\"mixed.kspect\": holds record 2, which set files of version 1 do not hold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(refusalOf(c.bytes), c.message);
    }
}
