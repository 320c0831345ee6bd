#pragma once

#include "records/GroundMotionRecord.h"
#include "records/RecordReader.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <optional>

class OptionReader;

// How kspect's record commands read record files: --record-format, and --dt
// and --unit for plain columns (the other layouts' headers give their own),
// the same for every file of a command line.
struct RecordFileOptions {
    RecordFileOptions();
    QList<QCommandLineOption> all() const;

    QCommandLineOption layout, dt, unit;
};

// Reads the three; refusals are kept in `reader`, among them --dt or --unit
// with a named layout that is not plain columns.
RecordReadOptions readRecordFileOptions(const RecordFileOptions& options, const QCommandLineParser& parser,
                                        OptionReader& reader);

// The record at `path`; nothing when it is refused, with `error` one line
// naming the file (or --dt / --unit, given for a file whose detected layout
// has its own) and the fault.
std::optional<GroundMotionRecord> readCommandRecord(const QString& path, const RecordReadOptions& readOptions,
                                                    const RecordFileOptions& options,
                                                    const QCommandLineParser& parser, QString& error);

// --pga: a peak in cm/s^2, greater than 0 and at most largestTargetPeakCm.
std::optional<double> readTargetPeak(const QCommandLineOption& pga, OptionReader& reader);
// The refusal of a --pga above largestTargetPeakCm.
QString targetPeakTooLarge();

// Scales the record so that its peak is `peakCm` cm/s^2; false, leaving it as
// it is, when it holds only zeros.
bool scaleToPeak(GroundMotionRecord& record, double peakCm);
