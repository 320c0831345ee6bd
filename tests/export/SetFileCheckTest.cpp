#include "export/SetFile.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "support/SetFileChecks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <functional>

namespace {

SetContents oneSpectrum()
{
    SpectrumSet set;
    set.add(std::make_unique<KavrelSpectrum>("Code", 0.08, 0.35, 0.05, 0));
    return setContentsOf(set);
}

SetCheckInputs everyInput()
{
    SetCheckInputs check;
    check.mainPeriods = QStringLiteral("1.2, 0.4");
    check.baseShears = {{QString(), QStringLiteral("5000")}, {QStringLiteral("北岭-A1"), QStringLiteral("4100")}};
    check.ticks = {{QStringLiteral("RSN953"), false}};
    check.inelastic = true;
    check.structure = StructureModel{{{1.2, 0.7}, {0.1 + 0.2, 0.15}}, 86000.5, ModeCombination::Srss};
    return check;
}

// The bytes of a set with every input, the check's JSON changed.
QByteArray withCheck(const std::function<void(QJsonObject& check)>& change)
{
    QJsonObject root = QJsonDocument::fromJson(buildSetFile(oneSpectrum(), everyInput())).object();
    QJsonObject check = root.value("check").toObject();
    change(check);
    root.insert("check", check);
    return QJsonDocument(root).toJson();
}

QJsonObject structureWith(const QJsonArray& modes)
{
    return QJsonObject{{"weight", 1000}, {"combination", "cqc"}, {"modes", modes}};
}

} // namespace

TEST(SetFileCheck, TheCheckInputsReadBackAsSavedInVersion4)
{
    const QByteArray bytes = buildSetFile(oneSpectrum(), everyInput());
    EXPECT_EQ(QJsonDocument::fromJson(bytes).object().value("version").toInt(), 4);
    SetCheckInputs read;
    const SetContents contents = parseSetFile(bytes, "a.kspect", &read);
    ASSERT_EQ(contents.size(), 1u);
    EXPECT_EQ(read.mainPeriods, "1.2, 0.4");
    EXPECT_EQ(read.baseShears, everyInput().baseShears);
    EXPECT_EQ(read.ticks, everyInput().ticks);
    EXPECT_TRUE(read.inelastic);
    ASSERT_TRUE(read.structure);
    EXPECT_EQ(read.structure->combination, ModeCombination::Srss);
    EXPECT_EQ(read.structure->weight, 86000.5);
    ASSERT_EQ(read.structure->modes.size(), 2u);
    // Numbers in their shortest exact form: 0.1 + 0.2 comes back as itself.
    EXPECT_EQ(read.structure->modes[1].period, 0.1 + 0.2);
    EXPECT_EQ(read.structure->modes[1].massRatio, 0.15);
    EXPECT_EQ(buildSetFile(contents, read), bytes);
}

TEST(SetFileCheck, ASetWithoutCheckInputsIsWrittenByteForByteAsBefore)
{
    const QByteArray expected = "{\n    \"format\": \"kavrel-spect-set\",\n    \"spectra\": [\n        {\n"
                                "            \"alphaMax\": 0.08,\n            \"code\": \"GB 50011-2010\",\n"
                                "            \"dampingRatio\": 0.05,\n            \"name\": \"Code\",\n"
                                "            \"tg\": 0.35,\n            \"visible\": true\n        }\n    ],\n"
                                "    \"version\": 1\n}\n";
    EXPECT_EQ(buildSetFile(oneSpectrum(), SetCheckInputs()), expected);
    // An older file holds no check; a "check" in one is not its own, and ignored.
    SetCheckInputs read = everyInput();
    parseSetFile(expected, "old.kspect", &read);
    EXPECT_EQ(read.mainPeriods, "1.2, 0.4");
    QByteArray older = withCheck([](QJsonObject& check) { check.insert("structure", 3); });
    older.replace("\"version\": 4", "\"version\": 3");
    EXPECT_EQ(setFileRefusal(older, "old.kspect"), "accepted");
}

struct BadCheckCase {
    const char* name;
    std::function<void(QJsonObject& check)> change;
    const char* refusal;
};

class SetFileBadCheck : public testing::TestWithParam<BadCheckCase> {};

TEST_P(SetFileBadCheck, IsRefusedWithTheFileAndWhatIsWrong)
{
    EXPECT_EQ(setFileRefusal(withCheck(GetParam().change), "b.kspect"), QString::fromUtf8(GetParam().refusal));
}

INSTANTIATE_TEST_SUITE_P(
    SetFileCheck, SetFileBadCheck,
    testing::Values(
        BadCheckCase{"CutMode",
                     [](QJsonObject& c) { c.insert("structure", structureWith({QJsonArray{1.0, 0.5}, QJsonArray{0.4}})); },
                     "\"b.kspect\": \"check\" \"structure\" has mode 2 that is not a pair of finite numbers (period, "
                     "mass ratio)"},
        BadCheckCase{"ModeAsText",
                     [](QJsonObject& c) { c.insert("structure", structureWith({QJsonArray{"1.0", 0.5}})); },
                     "\"b.kspect\": \"check\" \"structure\" has mode 1 that is not a pair of finite numbers (period, "
                     "mass ratio)"},
        BadCheckCase{"PeriodZero",
                     [](QJsonObject& c) { c.insert("structure", structureWith({QJsonArray{1.0, 0.5}, QJsonArray{0, 0.1}})); },
                     "\"b.kspect\": \"check\" \"structure\" cannot be used: Mode 2: the period 0 s must be above 0 "
                     "and at most 20 s."},
        BadCheckCase{"TooManyModes",
                     [](QJsonObject& c) {
                         QJsonArray modes;
                         for (int j = 0; j < 201; ++j)
                             modes.append(QJsonArray{1.0, 0.001});
                         c.insert("structure", structureWith(modes));
                     },
                     "\"b.kspect\": \"check\" \"structure\" has more than 200 \"modes\""},
        BadCheckCase{"UnknownCombination",
                     [](QJsonObject& c) {
                         c.insert("structure", QJsonObject{{"weight", 1}, {"combination", "abs"}, {"modes", QJsonArray{}}});
                     },
                     "\"b.kspect\": \"check\" \"structure\" has the unknown \"combination\" \"abs\" (cqc or srss)"},
        BadCheckCase{"NoWeight",
                     [](QJsonObject& c) {
                         c.insert("structure", QJsonObject{{"combination", "cqc"}, {"modes", QJsonArray{}}});
                     },
                     "\"b.kspect\": \"check\" \"structure\" has no \"weight\""},
        BadCheckCase{"ShearAsNumber",
                     [](QJsonObject& c) { c.insert("baseShears", QJsonArray{QJsonArray{"", 5000}}); },
                     "\"b.kspect\": \"check\" has \"baseShears\" whose item 1 is not a pair of a name and its value"},
        BadCheckCase{"TickCut",
                     [](QJsonObject& c) { c.insert("ticks", QJsonArray{QJsonArray{"R1", true}, QJsonArray{"R2"}}); },
                     "\"b.kspect\": \"check\" has \"ticks\" whose item 2 is not a pair of a name and its value"},
        BadCheckCase{"PeriodsAsList",
                     [](QJsonObject& c) { c.insert("mainPeriods", QJsonArray{1.2}); },
                     "\"b.kspect\": \"check\" has \"mainPeriods\" that is not a text"}),
    [](const testing::TestParamInfo<BadCheckCase>& info) { return std::string(info.param.name); });

TEST(SetFileCheck, ACheckThatIsNoObjectIsRefused)
{
    QJsonObject root = QJsonDocument::fromJson(buildSetFile(oneSpectrum(), everyInput())).object();
    root.insert("check", QJsonArray{});
    EXPECT_EQ(setFileRefusal(QJsonDocument(root).toJson(), "b.kspect"), "\"b.kspect\": \"check\" is not an object");
}
