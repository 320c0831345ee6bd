#include "export/SetAsFiles.h"
#include "export/SetFile.h"
#include "export/SpectrumCsv.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstring>

namespace {

const QLocale point(QLocale::English, QLocale::UnitedStates);

// Names and numbers that a careless writer would bend: quotes, backslashes,
// Han characters, a sum that is not 0.3, the smallest and a huge double.
SetContents awkwardSet()
{
    return {
        {"say \"hi\"", 0, 0.1 + 0.2, 0.2, 0.05, true, originOfSelections(0, 0, 0, 0)},
        {"C:\\sites\\a", 1, 0.16, 1.0 / 3.0, 0.035, false, originOfSelections(3, 1, 4, 2)},
        {"设防地震 场地", 2, 5e-324, 0.45, 0.02, true, {}},
        {"big", 0, 1.7976931348623157e308, 6, 0, true, {"made up", "", "", ""}},
        {"zero", 1, 0, 0, 0.3, false, {}},
        {"rules", 0, 0.325, 0.4, 0.05, true, {"7 (0.10 g)", "rare", "II", "2", true, true}},
    };
}

SpectrumSet& fill(SpectrumSet& set, const SetContents& contents)
{
    replaceSetContents(set, contents);
    return set;
}

QByteArray csvOf(const SpectrumSet& set)
{
    std::vector<const KavrelSpectrum*> all;
    for (int i = 0; i < set.size(); ++i)
        all.push_back(set.spectrumAt(i));
    return buildSpectrumCsv(all, point);
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QString refusalOf(const QByteArray& bytes, const QString& name = "sites.kspect")
{
    try {
        parseSetFile(bytes, name);
    } catch (const SetFileError& error) {
        return error.message();
    }
    return "accepted";
}

// A valid file with spectrum 2's fields changed by `edit`.
QByteArray withSecond(const std::function<void(QJsonObject&)>& edit)
{
    QJsonObject root = QJsonDocument::fromJson(buildSetFile(awkwardSet())).object();
    QJsonArray spectra = root.value("spectra").toArray();
    QJsonObject second = spectra.at(1).toObject();
    edit(second);
    spectra.replace(1, second);
    root.insert("spectra", spectra);
    return QJsonDocument(root).toJson();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

TEST(SetFile, RoundTripKeepsNamesNumbersMarksAndOriginsExactly)
{
    SpectrumSet before;
    fill(before, awkwardSet());
    const QByteArray bytes = buildSetFile(setContentsOf(before));
    EXPECT_TRUE(bytes.contains("0.30000000000000004")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("\"code\": \"GB/T 51408-2021\""));

    SpectrumSet after;
    fill(after, parseSetFile(bytes, "a.kspect"));
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after.spectrumAt(i)->responseName, before.spectrumAt(i)->responseName);
        EXPECT_EQ(after.spectrumAt(i)->codeType, before.spectrumAt(i)->codeType);
        EXPECT_TRUE(sameBits(after.spectrumAt(i)->alphaMax, before.spectrumAt(i)->alphaMax));
        EXPECT_TRUE(sameBits(after.spectrumAt(i)->tg, before.spectrumAt(i)->tg));
        EXPECT_TRUE(sameBits(after.spectrumAt(i)->dampingRatio, before.spectrumAt(i)->dampingRatio));
        EXPECT_EQ(after.isVisible(i), before.isVisible(i));
        EXPECT_EQ(after.origin(i), before.origin(i));
    }
    // What the user keeps of a set: Save Data writes the same bytes, and so
    // does saving the set again.
    EXPECT_EQ(csvOf(after), csvOf(before));
    EXPECT_EQ(buildSetFile(setContentsOf(after)), bytes);
}

TEST(SetFile, UnknownFieldsAndMissingOptionalOnesAreAccepted)
{
    const QByteArray bytes = R"({"format": "kavrel-spect-set", "version": 1, "comment": "from a script",
        "spectra": [{"name": "A", "code": "GB 50011-2001", "alphaMax": 0.08, "tg": 0.35,
                     "dampingRatio": 0.05, "colour": "red", "origin": {"site": "II", "note": 1}}]})";
    const SetContents contents = parseSetFile(bytes, "a.kspect");
    ASSERT_EQ(contents.size(), 1u);
    EXPECT_EQ(contents[0].codeType, 1);
    EXPECT_TRUE(contents[0].visible);
    EXPECT_EQ(contents[0].origin.site, "II");
    EXPECT_EQ(contents[0].origin.intensity, "");
    EXPECT_TRUE(parseSetFile(R"({"format": "kavrel-spect-set", "version": 1, "spectra": []})", "e").empty());
}

TEST(SetFile, EveryKindOfDamageIsRefusedNamingTheFileAndTheFault)
{
    const QByteArray good = buildSetFile(awkwardSet());
    const struct {
        const char* kind;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"empty", "", "\"sites.kspect\": is empty"},
        {"blank", " \n", "\"sites.kspect\": is empty"},
        {"truncated", good.left(good.size() / 2), "\"sites.kspect\": is cut short: the JSON text ends before the set does"},
        {"not JSON", "name,code\nA,GB 50011-2010\n", "\"sites.kspect\": is not valid JSON (illegal value at byte 1)"},
        {"a list", "[1, 2]", "\"sites.kspect\": is not a set file (its top level is not an object)"},
        {"a number", " 42\n", "\"sites.kspect\": is not a set file (its top level is not an object)"},
        {"a text", "\"{}\"", "\"sites.kspect\": is not a set file (its top level is not an object)"},
        {"null", "null", "\"sites.kspect\": is not a set file (its top level is not an object)"},
        {"no format", R"({"version": 1, "spectra": []})",
         "\"sites.kspect\": is not a Kavrel_Spect set file (no \"format\": \"kavrel-spect-set\")"},
        {"top key twice", R"({"format": "kavrel-spect-set", "version": 1, "spectra": [], "version": 1})",
         "\"sites.kspect\": gives the key \"version\" twice in one object"},
        // The same key however it is spelt, found inside a spectrum's origin.
        {"nested key twice",
         R"({"format": "kavrel-spect-set", "version": 1, "spectra": [{"name": "A", "code": "GB 50011-2010",)"
         R"( "alphaMax": 0.08, "tg": 0.35, "dampingRatio": 0.05, "origin": {"site": "II", "s\u0069te": "III"}}]})",
         "\"sites.kspect\": gives the key \"site\" twice in one object"},
        {"newer", R"({"format": "kavrel-spect-set", "version": 5, "spectra": []})",
         "\"sites.kspect\": was made by a newer version of Kavrel_Spect (set file version 5; this one reads version 4)"},
        {"version text", R"({"format": "kavrel-spect-set", "version": "1", "spectra": []})",
         "\"sites.kspect\": has no valid \"version\""},
        {"no spectra", R"({"format": "kavrel-spect-set", "version": 1})", "\"sites.kspect\": has no \"spectra\""},
        {"spectra object", R"({"format": "kavrel-spect-set", "version": 1, "spectra": {}})",
         "\"sites.kspect\": has \"spectra\" that is not a list"},
        {"spectrum number", R"({"format": "kavrel-spect-set", "version": 1, "spectra": [7]})",
         "\"sites.kspect\": spectrum 1 is not an object"},
        {"no tg", withSecond([](QJsonObject& s) { s.remove("tg"); }), "\"sites.kspect\": spectrum 2 has no \"tg\""},
        {"tg text", withSecond([](QJsonObject& s) { s.insert("tg", "0.35"); }),
         "\"sites.kspect\": spectrum 2 has \"tg\" that is not a number"},
        {"negative tg", withSecond([](QJsonObject& s) { s.insert("tg", -0.35); }),
         "\"sites.kspect\": spectrum 2 has a negative \"tg\" (-0.35)"},
        {"negative damping", withSecond([](QJsonObject& s) { s.insert("dampingRatio", -1); }),
         "\"sites.kspect\": spectrum 2 has a negative \"dampingRatio\" (-1)"},
        {"name number", withSecond([](QJsonObject& s) { s.insert("name", 3); }),
         "\"sites.kspect\": spectrum 2 has \"name\" that is not a text"},
        {"visible text", withSecond([](QJsonObject& s) { s.insert("visible", "yes"); }),
         "\"sites.kspect\": spectrum 2 has \"visible\" that is not true or false"},
        {"origin text", withSecond([](QJsonObject& s) { s.insert("origin", "II"); }),
         "\"sites.kspect\": spectrum 2 has \"origin\" that is not an object"},
        {"unknown code", withSecond([](QJsonObject& s) { s.insert("code", "GB 50011-2016"); }),
         "\"sites.kspect\": spectrum 2 has the unknown code \"GB 50011-2016\""},
        {"duplicate", withSecond([](QJsonObject& s) { s.insert("name", "say \"hi\""); }),
         "\"sites.kspect\": spectrum 2 has the name \"say \"hi\"\", as spectrum 1 has"},
        {"empty name", withSecond([](QJsonObject& s) { s.insert("name", ""); }), "\"sites.kspect\": spectrum 2 has an empty name"},
        {"long name", withSecond([](QJsonObject& s) { s.insert("name", QString(20, u'x')); }),
         "\"sites.kspect\": spectrum 2 has the name \"xxxxxxxxxxxxxxxxxxxx\", which is not less than 20 bytes"},
        {"padded name", withSecond([](QJsonObject& s) { s.insert("name", " A"); }),
         "\"sites.kspect\": spectrum 2 has the name \" A\", which begins or ends with a blank"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(refusalOf(c.bytes), c.message);
    }
    // Equal keys in different objects, or a key's text as a value, are fine.
    EXPECT_EQ(refusalOf(R"({"format": "kavrel-spect-set", "version": 1, "spectra": [{"name": "name", "code":)"
                        R"( "GB 50011-2010", "alphaMax": 0.08, "tg": 0.35, "dampingRatio": 0.05, "origin":)"
                        R"( {"site": "II", "group": "1"}}, {"name": "B", "code": "GB 50011-2010", "alphaMax": 0,)"
                        R"( "tg": 0, "dampingRatio": 0, "origin": {"site": "II", "group": "1"}}]})"),
              "accepted");
    // Names are measured in bytes: seven Han characters are 21.
    EXPECT_NE(refusalOf(withSecond([](QJsonObject& s) { s.insert("name", QString::fromUtf8("设防地震设防地")); }))
                  .indexOf("not less than 20 bytes"),
              -1);
}

TEST(SetFile, FilesThatCannotBeReadAreRefusedWithTheSystemsReason)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto refusal = [](const QString& path) {
        try {
            readSetFile(path);
        } catch (const SetFileError& error) {
            return error.message();
        }
        return QString("accepted");
    };
    EXPECT_EQ(refusal(folder.path()), QString("\"%1\": cannot be read: Is a directory").arg(QDir(folder.path()).dirName()));
    EXPECT_EQ(refusal(folder.filePath("gone.kspect")), "\"gone.kspect\": cannot be read: No such file or directory");

    saveSetFile(folder.filePath("ok.kspect"), awkwardSet());
    EXPECT_EQ(readSetFile(folder.filePath("ok.kspect")).size(), awkwardSet().size());
}

TEST(SetFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("sites.kspect");
    SetContents small = {awkwardSet()[0]};
    saveSetFile(path, small);
    const QByteArray old = readAll(path);

    SetContents large;
    for (int i = 0; i < 200; ++i)
        large.push_back({"S" + std::to_string(i), 0, 0.04, 0.2, 0.05, true, originOfSelections(0, 0, 0, 0)});
    {
        const FileSizeLimit limit(4096);
        EXPECT_THROW(saveSetFile(path, large), KavrelError);
    }
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"sites.kspect"});  // no temporary left
}

TEST(SetAsFiles, FileNamesHoldOnlyWhatFileSystemsTakeAndNeverMeet)
{
    SetContents contents;
    for (const char* name : {"a/b", "a:b", "A", "a", "a (2)", ".hidden", "dots..", "CON", "com1", "设防 \"x\"", "a\tb"})
        contents.push_back({name, 0, 0.04, 0.2, 0.05, true, {}});
    EXPECT_EQ(spectrumFileNames(contents, "txt"),
              (QStringList{"a_b.txt", "a_b (2).txt", "A.txt", "a (2).txt", "a (2) (2).txt", "_hidden.txt",
                           "dots__.txt", "_CON.txt", "_com1.txt", QString::fromUtf8("设防 _x_.txt"), "a_b (3).txt"}));
}

TEST(SetAsFiles, WritesOneFilePerSpectrumOrNothingForADamagedSet)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const SpectrumFileFormat nameAndAlpha{"txt", [](const KavrelSpectrum& s) {
                                              return QByteArray::fromStdString(s.responseName + " " + s.codeName());
                                          }};
    const QString setPath = folder.filePath("sites.kspect");
    saveSetFile(setPath, awkwardSet());
    const QString out = folder.filePath("out");
    ASSERT_TRUE(QDir().mkdir(out));

    const QStringList written = writeSetFileAsFiles(setPath, out, nameAndAlpha);
    ASSERT_EQ(written.size(), 6);
    EXPECT_EQ(readAll(QDir(out).filePath("say _hi_.txt")), "say \"hi\" GB 50011-2010");
    EXPECT_EQ(readAll(QDir(out).filePath("C__sites_a.txt")), "C:\\sites\\a GB 50011-2001");
    EXPECT_EQ(readAll(written[2]), QByteArray("设防地震 场地 GB/T 51408-2021"));

    const QString damaged = folder.filePath("damaged.kspect");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(withSecond([](QJsonObject& s) { s.remove("tg"); }));
    file.close();
    const QString empty = folder.filePath("empty");
    ASSERT_TRUE(QDir().mkdir(empty));
    try {
        writeSetFileAsFiles(damaged, empty, nameAndAlpha);
        ADD_FAILURE() << "a damaged set was written";
    } catch (const SetFileError& error) {
        EXPECT_EQ(error.message(), "\"damaged.kspect\": spectrum 2 has no \"tg\"");
    }
    EXPECT_TRUE(QDir(empty).isEmpty());

    // A write that fails part-way takes back the files it had created.
    const FileSizeLimit limit(30);
    SetContents contents = awkwardSet();
    contents[3].name = std::string(19, 'x');  // its file's content passes the limit
    EXPECT_THROW(writeSetAsFiles(contents, empty, nameAndAlpha), KavrelError);
    EXPECT_TRUE(QDir(empty).isEmpty());
}
