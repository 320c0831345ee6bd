#include "export/ReportPage.h"
#include "export/SetAsFiles.h"
#include "export/SetFile.h"
#include "export/SpectrumCsv.h"
#include "support/SetFileChecks.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "records/TabulatedCurveItem.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A code spectrum and a kept mean of two records, its damping 0.02.
void fillSetWithCurve(SpectrumSet& set)
{
    set.add(std::make_unique<KavrelSpectrum>("Code", 0.08, 0.35, 0.05, 0));
    set.add(std::make_unique<TabulatedCurveItem>("Mean of records 1", std::vector<double>{0.0, 0.1 + 0.2, 6.0},
                                                 std::vector<double>{0.036, 0.09, 0.004}, 0.02,
                                                 std::vector<std::string>{"RSN953", "北岭-A1"}),
            false);
}

QByteArray setFileWithCurve()
{
    SpectrumSet set;
    fillSetWithCurve(set);
    return buildSetFile(setContentsOf(set));
}

QByteArray withCurve(const std::function<void(QJsonObject& root, QJsonObject& curve)>& change)
{
    return withSetEntry(setFileWithCurve(), 1, change);
}

QString refusalOf(const QByteArray& bytes)
{
    return setFileRefusal(bytes, "mean.kspect");
}

} // namespace

TEST(SetFileCurves, AKeptMeanReadsBackToTheSameFileAndTheSameSaveData)
{
    SpectrumSet before;
    fillSetWithCurve(before);
    const QByteArray bytes = buildSetFile(setContentsOf(before));
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(root.value("version").toInt(), 3);
    const QJsonObject curve = root.value("spectra").toArray().at(1).toObject();
    EXPECT_EQ(curve.value("kind").toString(), "curve");
    EXPECT_EQ(curve.value("records").toArray(), (QJsonArray{"RSN953", "北岭-A1"}));
    EXPECT_TRUE(bytes.contains("0.30000000000000004"));

    SpectrumSet after;
    replaceSetContents(after, parseSetFile(bytes, "mean.kspect"));
    ASSERT_EQ(after.size(), 2);
    EXPECT_FALSE(after.isVisible(1));
    const TabulatedCurveItem* read = tabulatedCurveOf(after.item(1));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->periods(), (std::vector<double>{0.0, 0.1 + 0.2, 6.0}));
    EXPECT_EQ(read->damping(), 0.02);
    EXPECT_EQ(buildSetFile(setContentsOf(after)), bytes);
    EXPECT_EQ(buildSpectrumCsv(itemsOf(after)), buildSpectrumCsv(itemsOf(before)));
}

TEST(SetFileCurves, EachSetIsWrittenInTheOldestVersionThatHoldsIt)
{
    SpectrumSet set;
    set.add(std::make_unique<KavrelSpectrum>("Code", 0.08, 0.35, 0.05, 0));
    const auto version = [&set] {
        return QJsonDocument::fromJson(buildSetFile(setContentsOf(set))).object().value("version").toInt();
    };
    EXPECT_EQ(version(), 1);
    auto record = std::make_shared<GroundMotionRecord>();
    record->step = 0.01;
    record->accelerationG = {0.0, 0.1};
    set.add(std::make_unique<RecordItem>("R", record, RecordScaling{}));
    EXPECT_EQ(version(), 2);
    set.add(std::make_unique<TabulatedCurveItem>("M", std::vector<double>{0, 1}, std::vector<double>{0, 0}, 0.05,
                                                 std::vector<std::string>{}));
    EXPECT_EQ(version(), 3);
}

TEST(SetFileCurves, DamagedCurveEntriesAreRefusedNamingTheFileAndTheCurve)
{
    const QString at = "\"mean.kspect\": curve 2 (\"Mean of records 1\") ";
    struct Case {
        const char* kind;
        QByteArray bytes;
        QString message;
    };
    const Case cases[] = {
        {"no values", withCurve([](QJsonObject&, QJsonObject& c) { c.remove("values"); }), at + "has no \"values\""},
        {"periods text", withCurve([](QJsonObject&, QJsonObject& c) { c.insert("periods", "0 1"); }),
         at + "has \"periods\" that is not a list"},
        {"word value", withCurve([](QJsonObject&, QJsonObject& c) { c.insert("values", QJsonArray{0.1, "x", 0.2}); }),
         at + "has \"values\" whose item 2 is not a finite number"},
        {"one value short", withCurve([](QJsonObject&, QJsonObject& c) { c.insert("values", QJsonArray{0.1, 0.2}); }),
         at + "has 3 periods but 2 values"},
        {"periods not rising",
         withCurve([](QJsonObject&, QJsonObject& c) { c.insert("periods", QJsonArray{0.0, 6.0, 6.0}); }),
         at + "has at point 3 a period not above the one before"},
        {"negative damping", withCurve([](QJsonObject&, QJsonObject& c) { c.insert("dampingRatio", -0.02); }),
         at + "has a negative \"dampingRatio\" (-0.02)"},
        {"record name a number", withCurve([](QJsonObject&, QJsonObject& c) { c.insert("records", QJsonArray{1}); }),
         at + "has \"records\" with an item that is not a text"},
        {"curve in version 2", withCurve([](QJsonObject& root, QJsonObject&) { root.insert("version", 2); }),
         "\"mean.kspect\": holds curve 2, which set files of version 2 do not hold"},
        {"name taken", withCurve([](QJsonObject&, QJsonObject& c) { c.insert("name", "Code"); }),
         "\"mean.kspect\": curve 2 (\"Code\") has the name of item 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(refusalOf(c.bytes), c.message);
    }
}

TEST(SetFileCurves, SaveDataListsTheCurveAndItsRecordsAndOneFilePerSpectrumSkipsIt)
{
    SpectrumSet set;
    fillSetWithCurve(set);
    const QByteArray csv = buildSpectrumCsv(itemsOf(set), QLocale::c());
    EXPECT_TRUE(csv.contains("\r\n\r\nCurveName,MeanOfRecords,DampingRatio\r\nMean of records 1,RSN953 + 北岭-A1,0.02\r\n\r\n"))
        << csv.toStdString();
    // On the plateau the code gives 0.08; 0.15 s lies halfway between the
    // curve's 0.036 at 0 s and 0.09 at 0.3 s.
    EXPECT_TRUE(csv.contains("\r\n0.15,8.0000E-02,6.3000E-02,\r\n"));
    EXPECT_TRUE(csv.contains("\r\n0.30,8.0000E-02,9.0000E-02,\r\n"));

    const QStringList names = spectrumFileNames(setContentsOf(set), "txt");
    EXPECT_EQ(names, QStringList{"Code.txt"});
    // The printed table says what the curve is.
    const QList<QStringList> printed = parameterTable(set, {true, true});
    ASSERT_EQ(printed.size(), 3);
    EXPECT_EQ(printed[2], (QStringList{"Mean of records 1", "Mean of records (2)", "", "", "0.02"}));
}
