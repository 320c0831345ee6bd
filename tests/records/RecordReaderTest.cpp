#include "records/CodePeaks.h"
#include "records/RecordReader.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

constexpr double gal = 1.0 / standardGravityCm;

struct Readable {
    const char* what;
    QByteArray bytes;
    RecordReadOptions options;
    RecordLayout layout;
    AccelerationUnit unit;
    double step;
    std::vector<double> valuesG;
};

const QByteArray peerHead = "PEER NGA STRONG MOTION DATABASE RECORD\n"
                            "SAN FERNANDO 2/9/1971, PACOIMA DAM, 164\n";

std::vector<Readable> readableFiles()
{
    RecordReadOptions stepped;
    stepped.step = 0.02;
    RecordReadOptions galColumns;
    galColumns.unit = AccelerationUnit::Gal;
    RecordReadOptions metreColumns;
    metreColumns.unit = AccelerationUnit::MetresPerSecondSquared;
    metreColumns.step = 0.01;
    RecordReadOptions namedPeer;
    namedPeer.layout = RecordLayout::Peer;
    return {
        {"PEER, NPTS= DT= SEC", peerHead + "ACCELERATION TIME SERIES IN UNITS OF G\n"
                                           "NPTS=     5, DT=   0.0050 SEC\n"
                                           "  .1000000E-01  -.2000000E-01  .3000000E-01\n  0.5 -1.0\n",
         {}, RecordLayout::Peer, AccelerationUnit::G, 0.005, {0.01, -0.02, 0.03, 0.5, -1.0}},
        {"PEER, comma after SEC", peerHead + "Acceleration time series in units of g\r\n"
                                             "NPTS=   3, DT=   .0050 SEC,\r\n0.1 0.2\r\n0.3\r\n",
         {}, RecordLayout::Peer, AccelerationUnit::G, 0.005, {0.1, 0.2, 0.3}},
        {"PEER, old count line", peerHead + "ACCELERATION TIME HISTORY IN UNITS OF G\n"
                                            "  3930 0.00500 NPTS, DT\n",
         {}, RecordLayout::Peer, AccelerationUnit::G, 0.005, {}},
        {"PEER in cm/s/s, named", peerHead + "ACCELERATION TIME SERIES IN UNITS OF CM/S/S\nNPTS=2, DT=0.01 SEC\n"
                                             "980.665 -490.3325\n",
         namedPeer, RecordLayout::Peer, AccelerationUnit::Gal, 0.01, {1.0, -0.5}},
        {"CSMNC", "051BXD130420080201\n0130420080246 2013-04-20 8:2:46 BTM\nLUSHAN EARTHQUAKE, LUSHAN,CHN\n"
                  "COMP. EW\nUNCORRECTED ACCELERATION          UNIT: CM/SEC/SEC\n"
                  "NO. OF POINTS:     10  EQUALLY SPACED INTERVALS OF:  0.005  SEC\n"
                  "PEAK VALUE:    -1005.350   AT   26.35 SEC    DURATION:  60 SEC\nPRE-EVENT TIME:  20  SEC\n"
                  "CSMNC\n\n"
                  " 3.888539E-2  2.993775E-4 -1.513503E-2  2.730996E-2  1.959201E-2 -1.899400E-2 -7.418573E-3 "
                  " 2.730996E-2 \n-3.559598E-3 -980.665 \n",
         {}, RecordLayout::Csmnc, AccelerationUnit::Gal, 0.005,
         {3.888539E-2 * gal, 2.993775E-4 * gal, -1.513503E-2 * gal, 2.730996E-2 * gal, 1.959201E-2 * gal,
          -1.899400E-2 * gal, -7.418573E-3 * gal, 2.730996E-2 * gal, -3.559598E-3 * gal, -1.0}},
        // 0.25 gal a count: 1, 2, 3, 0 gal, less their mean 1.5.
        {"KiK-net", "Origin Time       2000/07/21 03:39:00\nLat.              36.6\nLong.             141\n"
                    "Depth. (km)       50\nMag.              6.1\nStation Code      TCGH13\n"
                    "Station Lat.      36.7311\nStation Long.     140.1814\nStation Height(m) 135\n"
                    "Record Time       2000/07/21 03:39:35\nSampling Freq(Hz) 200Hz\nDuration Time(s)  162\n"
                    "Dir.              3\nScale Factor      2000(gal)/8000\nMax. Acc. (gal)   9.64349\n"
                    "Last Correction   2000/07/21 02:59:59\nMemo.             \n"
                    "       4       8\n      12       0\n",
         {}, RecordLayout::Knet, AccelerationUnit::Gal, 0.005, {-0.5 * gal, 0.5 * gal, 1.5 * gal, -1.5 * gal}},
        {"columns, one value a line, step given", "# from a script\n$ another comment\n0.1\n-0.2\n\n0.3\n", stepped,
         RecordLayout::Columns, AccelerationUnit::G, 0.02, {0.1, -0.2, 0.3}},
        {"columns, several a line with commas", "0.1, 0.2,0.3\t0.4\n", stepped, RecordLayout::Columns,
         AccelerationUnit::G, 0.02, {0.1, 0.2, 0.3, 0.4}},
        {"two columns with a heading, in gal", "time_s,accel_g\r\n0,980.665\r\n0.01,0\r\n0.02,-98.0665\r\n", galColumns,
         RecordLayout::Columns, AccelerationUnit::Gal, 0.01, {1.0, 0.0, -0.1}},
        {"table file", "time_s\taccel_g\n10\t0.5\n10.005\t-0.25\n10.01\t1e-05\n", {}, RecordLayout::Columns,
         AccelerationUnit::G, 0.005, {0.5, -0.25, 1e-5}},
        {"m/s2 values", "9.80665 -4.903325 +1\n", metreColumns, RecordLayout::Columns,
         AccelerationUnit::MetresPerSecondSquared, 0.01, {1.0, -0.5, 1 / 9.80665}},
    };
}

class EveryLayout : public testing::TestWithParam<Readable> {};

TEST_P(EveryLayout, ReadsTheFileAndItsHeaderInG)
{
    Readable file = GetParam();
    if (file.valuesG.empty()) {
        // The old PEER count line with its 3930 values, 0.01 g apart.
        for (int i = 0; i < 3930; ++i)
            file.valuesG.push_back(i * 0.01);
        for (int i = 0; i < 3930; i += 5) {
            for (int k = i; k < i + 5; ++k)
                file.bytes += ' ' + QByteArray::number(k * 0.01, 'g', 17);
            file.bytes += '\n';
        }
    }
    const GroundMotionRecord record = parseRecord(file.bytes, "RSN1_record.AT2", file.options);
    EXPECT_EQ(record.layout, file.layout);
    EXPECT_EQ(record.unitAsRead, file.unit);
    EXPECT_DOUBLE_EQ(record.step, file.step);
    ASSERT_EQ(record.count(), file.valuesG.size());
    for (std::size_t i = 0; i < file.valuesG.size(); ++i)
        EXPECT_NEAR(record.accelerationG[i], file.valuesG[i], 1e-15 + 1e-14 * std::fabs(file.valuesG[i])) << i;
    EXPECT_EQ(record.sourceFileName, "RSN1_record.AT2");
    EXPECT_EQ(record.name, "RSN1_record");
}

INSTANTIATE_TEST_SUITE_P(RecordReader, EveryLayout, testing::ValuesIn(readableFiles()),
                         [](const testing::TestParamInfo<Readable>& info) { return caseName(info.param.what); });

// The network's own example: 3920 gal for 6182761 counts.
TEST(RecordReader, KnetCountsAreScaledByTheHeaderFactorLessTheirMean)
{
    QByteArray bytes = "Origin Time       2006/01/18 23:25:00\nLat.              37.798\nLon.              142.200\n"
                       "Depth. (km)       36\nMag.              5.7\nStation Code      MYG002\n"
                       "Station Lat.      38.7262\nStation Lon.      141.5109\nStation Height(m) 79\n"
                       "Record Time       2006/01/18 23:25:46\nSampling Freq(Hz) 100Hz\nDuration Time(s)  108\n"
                       "Dir.              N-S\nScale Factor      3920(gal)/6182761\nMax Acc. (gal)    48.060\n"
                       "Last Correction   2006/01/18 23:25:31\nMemo.             \n"
                       "    8009     9006     7998     8001\n";
    const GroundMotionRecord record = parseRecord(bytes, "MYG0020601182325.NS");
    EXPECT_EQ(record.layout, RecordLayout::Knet);
    EXPECT_DOUBLE_EQ(record.step, 0.01);
    const double mean = (8009 + 9006 + 7998 + 8001) / 4.0;
    ASSERT_EQ(record.count(), 4u);
    EXPECT_NEAR(record.accelerationG[1], (9006 - mean) * 3920.0 / 6182761.0 / 980.665, 1e-15);
    EXPECT_NEAR(record.accelerationG[0], (8009 - mean) * 3920.0 / 6182761.0 / 980.665, 1e-15);
}

TEST(RecordReader, EveryRefusalNamesTheFileAndTheFault)
{
    RecordReadOptions stepped;
    stepped.step = 0.01;
    RecordReadOptions zeroStep;
    zeroStep.step = 0.0;
    RecordReadOptions namedPeer;
    namedPeer.layout = RecordLayout::Peer;
    RecordReadOptions namedCsmnc;
    namedCsmnc.layout = RecordLayout::Csmnc;
    const QByteArray peerG = peerHead + "ACCELERATION TIME SERIES IN UNITS OF G\n";
    const QByteArray knetTop = "Origin Time       2006/01/18 23:25:00\nLat.\nLon.\nDepth. (km)\nMag.\nStation Code\n"
                               "Station Lat.\nStation Lon.\nStation Height(m)\nRecord Time\n";
    const QByteArray knetEnd = "Duration Time(s)  108\nDir.              N-S\nScale Factor      3920(gal)/6182761\n"
                               "Max Acc. (gal)    48.060\nLast Correction\nMemo.\n1 2\n";
    const QByteArray csmncHead = "UNIT: CM/SEC/SEC\nNO. OF POINTS:  3  EQUALLY SPACED INTERVALS OF:  0.01  SEC\n";
    const struct {
        QByteArray bytes;
        RecordReadOptions options;
        QString message;
    } refusals[] = {
        {peerG + "NPTS=  4, DT= 0.01 SEC\n0.1 0.2 0.3\n", {}, "the header gives 4 values, the file holds 3"},
        {csmncHead + "\n1 2 3 4\n", {}, "the header gives 3 values, the file holds 4"},
        {peerG + "NPTS=  3, DT= 0.01 SEC\n0.1 0.2\n0.3 x7\n", {}, "line 6: \"x7\" is not a number"},
        {peerG + "NPTS=  2, DT= 0.01 SEC\n0.1 nan\n", {}, "line 5: \"nan\" is not a number"},
        {peerG + "NPTS=  2, DT= 0.01 SEC\n0.1 1e999\n", {}, "line 5: \"1e999\" is not a number"},
        {"0.1\n0.2\n0.3 0.4 abc\n", stepped, "line 3: \"abc\" is not a number"},
        {"0 0.1\n0.01 0.2\n0.02 0..3\n", {}, "line 3: \"0..3\" is not a number"},
        {peerG + "NPTS=  2, DT= 0 SEC\n0.1 0.2\n", {}, "the step 0 is not a positive number of seconds"},
        {peerG + "NPTS=  2, DT= -0.01 SEC\n0.1 0.2\n", {}, "the step -0.01 is not a positive number of seconds"},
        {peerG + "NPTS=  2, DT= nan SEC\n0.1 0.2\n", {}, "line 4: \"nan\" is not a number"},
        {"0.1 0.2\n", zeroStep, "the step 0 is not a positive number of seconds"},
        {"0 0.1\n0 0.2\n", {}, "the step 0 is not a positive number of seconds"},
        {"0.1 0.2\n0.0 0.2\n", {}, "the step -0.1 is not a positive number of seconds"},
        {knetTop + "Sampling Freq(Hz) 0Hz\n" + knetEnd, {}, "line 11: \"0Hz\" is not a sampling frequency"},
        {"0.5\n", stepped, "holds fewer than 2 values"},
        {"# nothing but a comment\n", {}, "holds fewer than 2 values"},
        {peerG + "NPTS=  1, DT= 0.01 SEC\n0.1\n", {}, "holds fewer than 2 values"},
        {"0 0.1\n0.01 0.2\n0.02 0.3\n0.04 0.4\n", {}, "line 4: the time step 0.02 s differs from the first, 0.01 s"},
        {peerG + "NPTS=  10000001, DT= 0.01 SEC\n0.1\n", {}, "holds more than 10000000 values"},
        {"Dear reader,\nthis is a letter.\n", {}, "is not a record in a layout this program reads "
                                                 "(PEER NGA, CSMNC, K-NET/KiK-net or plain columns)"},
        {QByteArray("PK\x03\x04\0\0", 6), {}, "is not a record in a layout this program reads "
                                            "(PEER NGA, CSMNC, K-NET/KiK-net or plain columns)"},
        {"0.1 0.2\n", namedPeer, "ends within the four header lines of a PEER NGA record"},
        {"a\nb\nc\nd\n1 2\n", namedPeer, "line 4: gives no NPTS and DT: not a PEER NGA record"},
        {"1 2\n", namedCsmnc, "has no \"NO. OF POINTS ... INTERVALS OF\" line: not a CSMNC record"},
        {peerHead + "VELOCITY TIME SERIES IN UNITS OF CM/S\nNPTS=  2, DT= 0.01 SEC\n1 2\n", {},
         "line 3: the file holds velocities or displacements, not accelerations"},
        {peerHead + "ACCELERATION IN UNITS OF FT/S/S\nNPTS=  2, DT= 0.01 SEC\n1 2\n", {},
         "line 3: the unit is not one of g, cm/s/s, m/s/s"},
        {"UNIT: CM/SEC/SEC\nNO. OF POINTS:  2  EQUALLY SPACED INTERVALS OF:  0.01  SEC\n1 2\n", {},
         "no blank line ends the CSMNC header"},
        {"0 0.1 0.2\n", {}, "line 1: 3 numbers, not the two columns \"time value\" (a file of values needs its step)"},
        {knetTop + "Sampling Freq(Hz) 100Hz\nDuration Time(s)  108\nDir.\nScale Factor      3920/6182761\n"
                   "Max Acc.\nLast Correction\nMemo.\n1 2\n",
         {}, "line 14: \"3920/6182761\" is not a scale factor \"A(gal)/B\""},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.bytes.left(200).toStdString());
        try {
            parseRecord(refusal.bytes, "quake.txt", refusal.options);
            ADD_FAILURE() << "read";
        } catch (const RecordReadError& error) {
            EXPECT_EQ(error.message(), "\"quake.txt\": " + refusal.message);
        }
    }
}

TEST(RecordReader, TheWhittierRecordReadsAsPlainColumnsInGal)
{
    RecordReadOptions options;
    options.step = 0.02;
    options.unit = AccelerationUnit::Gal;
    const GroundMotionRecord record =
        readRecordFile(KAVREL_TEST_DATA "/records/whittier-carson-catskill-090.txt", options);
    ASSERT_EQ(record.count(), 1646u);
    EXPECT_DOUBLE_EQ(record.accelerationG[0], 9.5746585E-04 / 980.665);
    EXPECT_DOUBLE_EQ(record.duration(), 1645 * 0.02);
    EXPECT_EQ(record.name, "whittier-carson-cat");  // 19 bytes
}

TEST(RecordReader, OnlyRegularFilesOfBoundedSizeAreRead)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto refusalOf = [](const QString& path) {
        try {
            readRecordFile(path);
        } catch (const RecordReadError& error) {
            return error.message();
        }
        return QStringLiteral("read");
    };
    // A FIFO with no writer would block an ordinary open for ever.
    const QString fifo = folder.filePath("pipe.AT2");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(refusalOf(fifo), "\"pipe.AT2\": is not a regular file");
    EXPECT_EQ(refusalOf(folder.path()), '"' + QDir(folder.path()).dirName() + "\": cannot be read: Is a directory");
    EXPECT_EQ(refusalOf(folder.filePath("none.AT2")), "\"none.AT2\": cannot be read: No such file or directory");

    // One byte over the limit (a sparse file, so nothing is written).
    QFile large(folder.filePath("large.txt"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(static_cast<qint64>(maxRecordFileBytes) + 1));
    large.close();
    EXPECT_EQ(refusalOf(large.fileName()), "\"large.txt\": is larger than 256 MiB, too large for a record");
}

TEST(RecordReader, NamesAreTheFileNameCutToFewerThan20BytesAtACharacter)
{
    EXPECT_EQ(recordNameFromFileName("/data/RSN953_NORTHR_MUL009.AT2"), "RSN953_NORTHR_MUL00");
    EXPECT_EQ(recordNameFromFileName("C:\\records\\el centro.txt"), "el centro");
    // Seven 3-byte characters: six fit in 19 bytes.
    EXPECT_EQ(recordNameFromFileName("汶川地震卧龙站.txt"), "汶川地震卧龙");
    EXPECT_EQ(recordNameFromFileName(".hidden"), ".hidden");
    EXPECT_EQ(recordNameFromFileName("  .AT2"), "record");
}

TEST(RecordReader, LayoutAndUnitNamesReadBack)
{
    for (RecordLayout layout : {RecordLayout::Peer, RecordLayout::Csmnc, RecordLayout::Knet, RecordLayout::Columns}) {
        RecordLayout read = RecordLayout::Columns;
        ASSERT_TRUE(recordLayoutFromName(recordLayoutName(layout), read));
        EXPECT_EQ(read, layout);
    }
    AccelerationUnit unit = AccelerationUnit::G;
    EXPECT_TRUE(accelerationUnitFromName("m/s2", unit));
    EXPECT_DOUBLE_EQ(gravityPerUnit(unit), 1 / 9.80665);
    EXPECT_FALSE(accelerationUnitFromName("G", unit));
    RecordLayout layout = RecordLayout::Peer;
    EXPECT_FALSE(recordLayoutFromName("auto", layout));
}

} // namespace
