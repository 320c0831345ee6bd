#include "records/RecordReader.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

const QByteArray peerTop = "PEER NGA STRONG MOTION DATABASE RECORD\nSAN FERNANDO 2/9/1971, PACOIMA DAM, 164\n";
const QByteArray peerG = peerTop + "ACCELERATION TIME SERIES IN UNITS OF G\n";
const QByteArray knetTop = "Origin Time       2006/01/18 23:25:00\nLat.\nLon.\nDepth. (km)\nMag.\nStation Code\n"
                           "Station Lat.\nStation Lon.\nStation Height(m)\nRecord Time\n";

QByteArray knet(const QByteArray& frequency, const QByteArray& scale, const QByteArray& counts)
{
    return knetTop + "Sampling Freq(Hz) " + frequency + "\nDuration Time(s)  108\nDir.              N-S\n"
           + "Scale Factor      " + scale + "\nMax Acc. (gal)    48.060\nLast Correction\nMemo.\n" + counts;
}

RecordReadOptions withStep(double step)
{
    RecordReadOptions options;
    options.step = step;
    return options;
}

struct Hostile {
    const char* name;
    QByteArray bytes;
    RecordReadOptions options;
    QString message;  // after "\"quake.txt\": "
};

class RecordReaderRefuses : public testing::TestWithParam<Hostile> {};

TEST_P(RecordReaderRefuses, WithTheFileAndTheFault)
{
    try {
        parseRecord(GetParam().bytes, "quake.txt", GetParam().options);
        ADD_FAILURE() << "read";
    } catch (const RecordReadError& error) {
        EXPECT_EQ(error.message(), "\"quake.txt\": " + GetParam().message);
    }
}

const QString outside = QStringLiteral(" s lies outside the steps of ground-motion records, 0.00001 s to 1 s");

INSTANTIATE_TEST_SUITE_P(
    HostileInput, RecordReaderRefuses,
    testing::Values(
        Hostile{"PeerStepFarAbove", peerG + "NPTS=  2, DT= 1e300 SEC\n0.1 0.2\n", {}, "the step 1e300" + outside},
        Hostile{"PeerStepOfDays", peerG + "NPTS=  2, DT= 1e6 SEC\n0.1 0.2\n", {}, "the step 1e6" + outside},
        Hostile{"PeerStepFarBelow", peerG + "NPTS=  2, DT= 1e-300 SEC\n0.1 0.2\n", {}, "the step 1e-300" + outside},
        Hostile{"CsmncInterval",
                "UNIT: CM/SEC/SEC\nNO. OF POINTS:  2  EQUALLY SPACED INTERVALS OF:  1e300  SEC\n\n1 2\n", {},
                "the step 1e300" + outside},
        Hostile{"KnetFrequencyNearZero", knet("1e-300Hz", "3920(gal)/6182761", "1 2\n"), {},
                "line 11: the sampling frequency \"1e-300Hz\" lies outside the frequencies of ground-motion "
                "records, 1 Hz to 100000 Hz"},
        Hostile{"KnetFrequencyHuge", knet("1e300Hz", "3920(gal)/6182761", "1 2\n"), {},
                "line 11: the sampling frequency \"1e300Hz\" lies outside the frequencies of ground-motion "
                "records, 1 Hz to 100000 Hz"},
        Hostile{"ColumnsGivenStep", "0.1\n0.2\n", withStep(1e5), "the step 1e+05" + outside},
        Hostile{"ColumnsTimesTwoSecondsApart", "0 0.1\n2 0.2\n", {}, "the step 2" + outside},
        Hostile{"KnetScaleFactorOverflows", knet("100Hz", "1e308(gal)/1e-300", "1 2\n"), {},
                "line 14: the scale factor \"1e308(gal)/1e-300\" is beyond the largest number this program holds"},
        Hostile{"ValuesNearTheLargestDouble", peerG + "NPTS=  3, DT= 0.01 SEC\n0.1 1e308 -1.7e308\n", {},
                "value 2 is 1e+308 g, beyond any ground motion (at most 1000000 g): the record overflows"},
        Hostile{"KnetCountsThatOverflowInGal", knet("100Hz", "1e300(gal)/1", "1 -2e10\n"), {},
                "value 1 overflows the largest number this program holds"},
        Hostile{"PeerCutAfterLineTwo", peerTop, {}, "ends within the four header lines of a PEER NGA record"},
        Hostile{"PeerCutAfterLineThree", peerG, {}, "ends within the four header lines of a PEER NGA record"},
        Hostile{"OneNumberWithoutAStep", "0.1\n0.2\n", {},
                "line 1: one number, not the two columns \"time value\" (a file of values needs its step)"}),
    [](const testing::TestParamInfo<Hostile>& info) { return std::string(info.param.name); });

struct Readable {
    const char* name;
    QByteArray bytes;
    RecordReadOptions options;
    double step;
    std::vector<double> valuesG;
};

class RecordReaderReads : public testing::TestWithParam<Readable> {};

TEST_P(RecordReaderReads, TheSoundRecord)
{
    const GroundMotionRecord record = parseRecord(GetParam().bytes, "quake.txt", GetParam().options);
    EXPECT_EQ(record.step, GetParam().step);
    EXPECT_EQ(record.accelerationG, GetParam().valuesG);
}

INSTANTIATE_TEST_SUITE_P(
    HostileInput, RecordReaderReads,
    testing::Values(
        Readable{"CarriageReturnsAlone", "time_s,accel_g\r0 0.1\r0.01 0.2\r0.02 -0.3\r", {}, 0.01, {0.1, 0.2, -0.3}},
        Readable{"CarriageReturnsInAPeerFile",
                 peerTop + "ACCELERATION TIME SERIES IN UNITS OF G\rNPTS=  2, DT= 0.02 SEC\r0.5\r-0.5\r", {}, 0.02,
                 {0.5, -0.5}},
        Readable{"ShortestStep", "0.1\n0.2\n", withStep(1e-5), 1e-5, {0.1, 0.2}},
        Readable{"LongestStep", "0 0.1\n1 0.2\n", {}, 1.0, {0.1, 0.2}},
        Readable{"KnetAtTheHighestFrequency", knet("100000Hz", "3920(gal)/6182761", "7 7\n"), {}, 1e-5, {0.0, 0.0}},
        // The mean of counts near the largest number is taken in shares that
        // cannot overflow: equal counts less their mean are zeros, not -inf.
        Readable{"KnetMeanOfHugeEqualCounts", knet("100Hz", "1(gal)/1", "1e308 1e308\n"), {}, 0.01, {0.0, 0.0}}),
    [](const testing::TestParamInfo<Readable>& info) { return std::string(info.param.name); });

// A file larger than any record is refused by its size, whatever it holds.
TEST(RecordReaderSize, ALargeFileIsRefusedAsTooLarge)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath("big.AT2"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(300ll * 1024 * 1024));  // sparse: no disk taken
    file.close();
    try {
        readRecordFile(file.fileName());
        ADD_FAILURE() << "read";
    } catch (const RecordReadError& error) {
        EXPECT_EQ(error.message(), "\"big.AT2\": is larger than 256 MiB, too large for a record");
    }
}

}  // namespace
