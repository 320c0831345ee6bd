#include "inputs/InputRules.h"
#include "spectrum/DesignCode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(InputRules, NamesAreTrimmedAndMeasuredInBytes)
{
    const struct {
        QString typed;
        std::string name;
        QString refusal;
    } cases[] = {
        {"  Site A\t", "Site A", ""},
        {"ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOPQRS", ""},  // 19 bytes
        {"ABCDEFGHIJKLMNOPQRST", "", "Response Name must be less than 20 letters."},
        {QString::fromUtf8("设防地震设防"), "设防地震设防", ""},  // 18 bytes
        {QString::fromUtf8("设防地震设防地"), "", "Response Name must be less than 20 letters."},  // 21 bytes
        {" \t\n", "", "Please Input Response Name."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const InputRead<std::string> read = readName(c.typed);
        EXPECT_EQ(read.refusal, c.refusal);
        if (read.accepted()) {
            EXPECT_EQ(read.value, c.name);
        }
    }
    EXPECT_EQ(nameTakenMessage("A \"b\""), "Response with name: \"A \"b\"\" already exists! Please Input another Name.");
}

TEST(InputRules, NumbersInTheGivenLocaleNeverNegativeAndNeverMinusZero)
{
    const QLocale comma(QLocale::German, QLocale::Germany);
    const struct {
        QString text;
        QLocale locale;
        NumberInput which;
        double value;
        QString refusal;
    } cases[] = {
        {"0.05", QLocale::c(), NumberInput::DampingRatio, 0.05, ""},
        {"0,05", comma, NumberInput::DampingRatio, 0.05, ""},
        {" 1e-3 ", QLocale::c(), NumberInput::AlphaMax, 0.001, ""},
        {"-0", QLocale::c(), NumberInput::Tg, 0.0, ""},
        {"-0,0", comma, NumberInput::Tg, 0.0, ""},
        {"0,05", QLocale::c(), NumberInput::DampingRatio, 0, "\"0,05\" is not a valid floating number!"},
        {"1.000", comma, NumberInput::AlphaMax, 0, "\"1.000\" is not a valid floating number!"},
        {"1e999", QLocale::c(), NumberInput::AlphaMax, 0, "\"1e999\" is not a valid floating number!"},
        {"-0.01", QLocale::c(), NumberInput::AlphaMax, 0, "AlphaMax must be postive."},
        {"-1", QLocale::c(), NumberInput::Tg, 0, "Characteristic Groud Period must be postive."},
        {"-5e-324", QLocale::c(), NumberInput::DampingRatio, 0, "Damping ratio must be postive."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const InputRead<double> read = readNumber(c.text, c.which, c.locale);
        EXPECT_EQ(read.refusal, c.refusal);
        if (read.accepted()) {
            EXPECT_EQ(read.value, c.value);
            EXPECT_FALSE(std::signbit(read.value));
        }
    }
    // A number read elsewhere (a set file) meets the same rule.
    EXPECT_FALSE(std::signbit(*numberAccepted(-0.0)));
    EXPECT_FALSE(numberAccepted(-1e-300));
    EXPECT_FALSE(numberAccepted(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(numberAccepted(std::numeric_limits<double>::infinity()));
}

TEST(InputRules, ChoiceTablesAgreeWithTheCodesAndTheCommandLine)
{
    const struct {
        const SelectionChoices& choices;
        int count;
    } tables[] = {{codeChoices(), 3}, {intensityChoices(), 6}, {actionChoices(), 4}, {siteChoices(), 5},
                  {groupChoices(), 3}};
    for (const auto& t : tables) {
        ASSERT_EQ(static_cast<int>(t.choices.count), t.count);
        const QStringList words = choiceWords(t.choices);
        for (int i = 0; i < t.count; ++i)
            EXPECT_EQ(choiceOfWord(t.choices, words[i]), i) << words[i].toStdString();
        EXPECT_EQ(choiceOfWord(t.choices, "none"), -1);
        EXPECT_EQ(t.choices.at(t.count), nullptr);
        EXPECT_EQ(t.choices.at(-1), nullptr);
    }
    // The code box's item index is the code type the model takes.
    EXPECT_EQ(boxTexts(codeChoices()), (QStringList{"GB 50011-2010", "GB 50011-2001", "GB/T 51408-2021"}));
    for (int type = 0; type < designCodeCount; ++type)
        EXPECT_STREQ(codeChoices().at(type)->boxText, designCodeName(*designCodeOf(type)));
    EXPECT_FALSE(designCodeOf(3));
    EXPECT_FALSE(designCodeOf(-1));
    EXPECT_EQ(choiceWords(intensityChoices()), (QStringList{"6", "7", "7.5", "8", "8.5", "9"}));
    EXPECT_EQ(boxTexts(actionChoices()).value(2), QString::fromUtf8("罕遇地震"));
}

TEST(InputRules, TheTgNoteUsesTheLocalesDecimalMark)
{
    CodeParameters p;
    p.tableTg = 0.4;
    p.rareTgIncrease = 0.05;
    p.rareTgApplied = true;
    EXPECT_EQ(tgNote(p, QLocale(QLocale::German, QLocale::Germany)), "0,40 s + 0,05 s, rare earthquake");
    p.rareTgApplied = false;
    EXPECT_EQ(tgNote(p, QLocale::c()), "");
}

TEST(CodeRules, TheRareEarthquakeRuleSaysWhyItCannotApply)
{
    // code, intensity index, action index -> refusal (empty: applies)
    const struct {
        int code;
        int intensity;
        int action;
        std::string refusal;
    } cases[] = {
        {0, 0, 2, ""},
        {0, 5, 3, ""},
        {0, 3, 0, "only for rare and very rare earthquakes"},
        {1, 3, 1, "only for rare and very rare earthquakes"},
        {1, 2, 2, "GB 50011-2001 adds it at intensities 8 and 9 only"},
        {1, 3, 2, ""},
        {1, 5, 3, ""},
        {2, 5, 2, "not for GB/T 51408-2021, which sets its own periods for rare earthquakes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << "/" << c.intensity << "/" << c.action);
        const CodeSelection selection{c.code, c.intensity, c.action, 2, 1};
        EXPECT_EQ(rareTgRefusal(selection), c.refusal);
        // Where it is refused, asking for it changes nothing.
        EXPECT_EQ(codeParameters(selection, {true, false}).rareTgApplied, c.refusal.empty());
    }
}
