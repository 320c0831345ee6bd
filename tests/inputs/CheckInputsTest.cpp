#include "inputs/CheckInputs.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CheckInputs, MainPeriodsAreOneToSixAbove0UpTo6Seconds)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Case {
        QString text;
        QLocale locale;
        std::vector<double> periods;
        QString refusalStart;
    };
    const Case cases[] = {
        {"1.2", QLocale::c(), {1.2}, ""},
        {" 1.2, 0.4;0.2  0.1 ", QLocale::c(), {1.2, 0.4, 0.2, 0.1}, ""},
        {"6", QLocale::c(), {6.0}, ""},
        {"1,1,1,1,1,1", QLocale::c(), {1, 1, 1, 1, 1, 1}, ""},
        // The comma is the decimal mark here: it cannot part the periods.
        {"1,2; 0,4", german, {1.2, 0.4}, ""},
        {"1,2 0,4", german, {1.2, 0.4}, ""},
        {"", QLocale::c(), {}, "Type the fundamental period T1"},
        {" , ", QLocale::c(), {}, "Type the fundamental period T1"},
        {"1,1,1,1,1,1,1", QLocale::c(), {}, "At most six main periods: T1 and five more; 7 were typed."},
        {"6.01", QLocale::c(), {}, "The main period 6.01 s is outside the spectrum's range"},
        {"1.0, 0", QLocale::c(), {}, "The main period 0 s is outside"},
        {"-1", QLocale::c(), {}, "The main period -1 s is outside"},
        {"1.2, abc", QLocale::c(), {}, "\"abc\" is not a period in seconds."},
        {"1.2", german, {}, "\"1.2\" is not a period in seconds."},
        {"nan", QLocale::c(), {}, "\"nan\" is not a period"},
    };
    for (const Case& c : cases) {
        const MainPeriodsReading reading = readMainPeriods(c.text, c.locale);
        EXPECT_EQ(reading.periods, c.periods) << c.text.toStdString();
        EXPECT_EQ(reading.accepted(), c.refusalStart.isEmpty()) << c.text.toStdString();
        if (!c.refusalStart.isEmpty()) {
            EXPECT_TRUE(reading.refusal.startsWith(c.refusalStart)) << reading.refusal.toStdString();
        }
        if (reading.accepted())
            EXPECT_EQ(reading.texts.size(), static_cast<qsizetype>(c.periods.size()));
        else
            EXPECT_TRUE(reading.texts.isEmpty());
    }
    // Each period keeps its text as typed, for the name of its check.
    EXPECT_EQ(readMainPeriods("1.20, .5").texts, (QStringList{"1.20", ".5"}));
}

TEST(CheckInputs, BaseShearsAllOrNone)
{
    struct Case {
        QStringList cells;
        std::vector<double> shears;
        QString refusal;
    };
    const Case cases[] = {
        {{}, {}, ""},
        {{"", " ", ""}, {}, ""},
        {{"1000", "900", " 1100 "}, {1000, 900, 1100}, ""},
        {{"1000", "", "1100"}, {}, "Give every base shear, V0 and one per record, or none."},
        {{"1000", "0", "1100"}, {}, "The base shear \"0\" is not a positive number."},
        {{"1000", "-5"}, {}, "The base shear \"-5\" is not a positive number."},
        {{"kN", "1"}, {}, "The base shear \"kN\" is not a positive number."},
    };
    for (const Case& c : cases) {
        const BaseShearsReading reading = readBaseShears(c.cells, QLocale::c());
        EXPECT_EQ(reading.shears, c.shears) << c.cells.join('|').toStdString();
        EXPECT_EQ(reading.refusal, c.refusal);
    }
}
