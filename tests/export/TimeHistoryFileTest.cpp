#include "common/KavrelError.h"
#include "export/TimeHistoryFile.h"
#include "records/GroundMotionRecord.h"
#include "records/RecordReader.h"
#include "support/AnalysisFileReaders.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace {

// STAAD.Pro's external time history file: one or more time-value pairs a
// line, blanks between, nothing else.
ReadFile readStaadHistory(const QByteArray& bytes)
{
    using namespace analysis_readers;
    ReadFile file;
    for (const QByteArray& line : lines(bytes)) {
        const QList<QByteArray> fields = blankSeparated(line);
        if (fields.size() % 2 != 0) {
            file.error = "not time-value pairs: " + QString::fromUtf8(line);
            return file;
        }
        for (qsizetype i = 0; i < fields.size(); i += 2) {
            double time = 0, value = 0;
            if (!number(fields[i], time) || !number(fields[i + 1], value)) {
                file.error = "not numbers: " + QString::fromUtf8(line);
                return file;
            }
            file.points.emplace_back(time, value);
        }
    }
    return file;
}

// OpenSees: "#" comment lines, then timeSeries Path tag -dt dt -values {list};
// the times are i x dt.
ReadFile readOpenSeesHistory(const QByteArray& bytes)
{
    using namespace analysis_readers;
    ReadFile file;
    const QRegularExpression command(R"(^timeSeries Path (\d+) -dt (\S+) -values \{([^}]*)\}$)");
    for (const QByteArray& line : lines(bytes)) {
        if (line.startsWith('#')) {
            if (line.endsWith('\\'))
                file.error = "a comment continues";
            file.comments << QString::fromUtf8(line.mid(1).trimmed());
            continue;
        }
        const QRegularExpressionMatch match = command.match(QString::fromUtf8(line));
        double dt = 0;
        if (!match.hasMatch() || !number(match.captured(2).toUtf8(), dt)) {
            file.error = "not a timeSeries Path -dt command: " + QString::fromUtf8(line.left(80));
            return file;
        }
        file.tag = match.captured(1).toLongLong();
        const QList<QByteArray> values = blankSeparated(match.captured(3).toUtf8());
        for (qsizetype i = 0; i < values.size(); ++i) {
            double value = 0;
            if (!number(values[i], value)) {
                file.error = "not a number: " + QString::fromUtf8(values[i]);
                return file;
            }
            file.points.emplace_back(static_cast<double>(i) * dt, value);
        }
    }
    return file;
}

ReadFile readBack(AnalysisFormat format, const QByteArray& bytes)
{
    switch (format) {
    case AnalysisFormat::Table:
        return readDelimitedFile(bytes, '\t', "time_s\taccel_g");
    case AnalysisFormat::Csv:
        return readDelimitedFile(bytes, ',', "time_s,accel_g");
    case AnalysisFormat::Csi:
        return readCsiFile(bytes);
    case AnalysisFormat::Midas:
        return readMidasHistory(bytes);
    case AnalysisFormat::Staad:
        return readStaadHistory(bytes);
    case AnalysisFormat::OpenSees:
        return readOpenSeesHistory(bytes);
    }
    return {};
}

GroundMotionRecord sampleRecord(double step, std::size_t count)
{
    GroundMotionRecord record;
    record.name = "Lushan,\nEW";
    record.sourceFileName = "ua0001.dat";
    record.step = step;
    for (std::size_t i = 0; i < count; ++i)
        record.accelerationG.push_back(std::sin(0.7 * static_cast<double>(i)) * (i % 7 == 3 ? 1e-7 : 0.31));
    return record;
}

TEST(TimeHistoryFile, EveryFormatReadsBackAsItsProgramReadsIt)
{
    for (const double step : {0.005, 0.02, 1.0 / 3.0}) {
        const GroundMotionRecord record = sampleRecord(step, 1001);
        for (const AnalysisFormat format : analysisFormats()) {
            SCOPED_TRACE(std::string(analysisFormatName(format)) + " step " + std::to_string(step));
            TimeHistoryFileOptions options;
            options.format = format;
            options.tag = 7;
            const QByteArray bytes = buildTimeHistoryFile(record, options);
            const ReadFile file = readBack(format, bytes);
            ASSERT_EQ(file.error, QString());
            ASSERT_EQ(file.points.size(), record.count());
            for (std::size_t i = 0; i < record.count(); ++i) {
                ASSERT_NEAR(file.points[i].first, static_cast<double>(i) * step, 1e-12 * (1 + i * step)) << i;
                ASSERT_EQ(file.points[i].second, record.accelerationG[i]) << i;  // shortest round-trip digits
            }
            const bool windows = format == AnalysisFormat::Csi || format == AnalysisFormat::Midas
                                 || format == AnalysisFormat::Staad;
            EXPECT_EQ(bytes.count("\r\n"), windows ? bytes.count('\n') : 0);
            if (format == AnalysisFormat::OpenSees) {
                EXPECT_EQ(file.tag, 7);
            }
        }
    }
}

TEST(TimeHistoryFile, HeadersNameTheRecordOnOneLineAndTimesAreExactDecimals)
{
    const GroundMotionRecord record = sampleRecord(0.005, 4);
    TimeHistoryFileOptions options;
    options.format = AnalysisFormat::Csi;
    const ReadFile csi = readCsiFile(buildTimeHistoryFile(record, options));
    ASSERT_EQ(csi.comments.size(), 6);
    EXPECT_EQ(csi.comments.mid(0, 4),
              (QStringList{"Time history: Lushan, EW", "Source file: ua0001.dat", "Step: 0.005 s, 4 points", "Unit: g"}));
    EXPECT_EQ(csi.comments[5], "Time (s) vs. acceleration (g)");
    // The largest of 0, 0.31 sin 0.7, 0.31 sin 1.4 and 1e-7 sin 2.1.
    const QString peak = csi.comments[4];
    ASSERT_TRUE(peak.startsWith("Peak: ") && peak.endsWith(" g")) << peak.toStdString();
    EXPECT_EQ(peak.mid(6, peak.size() - 8).toDouble(), 0.31 * std::sin(1.4));
    options.format = AnalysisFormat::Midas;
    const ReadFile midas = readMidasHistory(buildTimeHistoryFile(record, options));
    EXPECT_EQ(midas.comments.value(0), "Time history: Lushan, EW");
    EXPECT_EQ(midas.comments.value(1), "Source file: ua0001.dat, step 0.005 s, peak " + peak.mid(6));

    options.format = AnalysisFormat::Table;
    EXPECT_TRUE(buildTimeHistoryFile(sampleRecord(0.005, 4), options).contains("\n0.015\t"));
    EXPECT_TRUE(buildTimeHistoryFile(sampleRecord(0.1, 4), options).contains("\n0.3\t"));
    EXPECT_TRUE(buildTimeHistoryFile(sampleRecord(2, 4), options).contains("\n6\t"));
    EXPECT_STREQ(timeHistoryFileSuffix(AnalysisFormat::Midas), "thd");
    EXPECT_STREQ(timeHistoryFileSuffix(AnalysisFormat::OpenSees), "tcl");
}

// What the program writes as table or csv reads back as a record.
TEST(TimeHistoryFile, TableAndCsvFilesReadBackAsRecords)
{
    const GroundMotionRecord record = sampleRecord(0.01, 500);
    for (const AnalysisFormat format : {AnalysisFormat::Table, AnalysisFormat::Csv}) {
        TimeHistoryFileOptions options;
        options.format = format;
        const GroundMotionRecord back = parseRecord(buildTimeHistoryFile(record, options), "back.txt");
        EXPECT_EQ(back.step, 0.01);
        EXPECT_EQ(back.accelerationG, record.accelerationG);
    }
}

TEST(TimeHistoryFile, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("h.txt");
    saveTimeHistoryFile(path, sampleRecord(0.01, 3), {});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), buildTimeHistoryFile(sampleRecord(0.01, 3), {}));
    EXPECT_THROW(saveTimeHistoryFile(folder.filePath("missing/h.txt"), sampleRecord(0.01, 3), {}), KavrelError);
}

} // namespace
