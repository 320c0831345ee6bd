#include "cli/RecordFileOptions.h"

#include "cli/OptionReader.h"
#include "records/CodePeaks.h"
#include "records/RecordItem.h"
#include "records/RecordMeasures.h"
#include "text/NumberText.h"
#include "text/RecordRules.h"

RecordFileOptions::RecordFileOptions()
    : layout("record-format", "The file's layout; auto (the default) detects it.", "auto|peer|csmnc|knet|columns"),
      dt("dt",
         "Plain columns: the step in seconds; then every number is a value. Without it, two columns \"time value\".",
         "S"),
      unit("unit", "Plain columns: the unit of the values. Default g.", "g|gal|m/s2")
{
}

QList<QCommandLineOption> RecordFileOptions::all() const
{
    return {layout, dt, unit};
}

RecordReadOptions readRecordFileOptions(const RecordFileOptions& options, const QCommandLineParser& parser,
                                        OptionReader& reader)
{
    RecordReadOptions read;
    QString text;
    if (reader.value(options.layout, text) && text != QLatin1String("auto")) {
        RecordLayout named = RecordLayout::Columns;
        if (!recordLayoutFromName(text.toStdString(), named))
            reader.refuse(options.layout, quoted(text) + " is not one of auto, peer, csmnc, knet, columns");
        read.layout = named;
    }
    double step = 0;
    if (reader.number(options.dt, step)) {
        if (!(step > 0))
            reader.refuse(options.dt, quoted(parser.value(options.dt)) + " is not a positive number of seconds");
        read.step = step;
    }
    if (reader.value(options.unit, text) && !accelerationUnitFromName(text.toStdString(), read.unit))
        reader.refuse(options.unit, quoted(text) + " is not one of g, gal, m/s2");
    if (!reader.failed() && read.layout && *read.layout != RecordLayout::Columns) {
        if (parser.isSet(options.dt))
            reader.refuse(options.dt, "only for plain columns; the record's header gives its step");
        else if (parser.isSet(options.unit))
            reader.refuse(options.unit, "only for plain columns; the record's header gives its unit");
    }
    return read;
}

std::optional<GroundMotionRecord> readCommandRecord(const QString& path, const RecordReadOptions& readOptions,
                                                    const RecordFileOptions& options,
                                                    const QCommandLineParser& parser, QString& error)
{
    GroundMotionRecord record;
    try {
        record = readRecordFile(path, readOptions);
    } catch (const RecordReadError& refusal) {
        error = refusal.message();
        return std::nullopt;
    }
    const bool dt = parser.isSet(options.dt);
    if (record.layout != RecordLayout::Columns && (dt || parser.isSet(options.unit))) {
        error = QString(dt ? "--dt: " : "--unit: ") + quoted(QString::fromStdString(record.sourceFileName)) + " is a "
                + recordLayoutTitle(record.layout) + " record, whose header gives its " + (dt ? "step" : "unit");
        return std::nullopt;
    }
    return record;
}

QString targetPeakTooLarge()
{
    return "the peak must be at most " + QString::fromStdString(shortestText(largestTargetPeakCm)) + " cm/s^2 (10 g)";
}

std::optional<double> readTargetPeak(const QCommandLineOption& pga, OptionReader& reader)
{
    double peak = 0;
    if (!reader.number(pga, peak))
        return std::nullopt;
    if (!isTargetPeak(peak)) {
        reader.refuse(pga, "the peak must be greater than 0 cm/s^2");
        return std::nullopt;
    }
    if (peak > largestTargetPeakCm) {
        reader.refuse(pga, targetPeakTooLarge());
        return std::nullopt;
    }
    return peak;
}

bool scaleToPeak(GroundMotionRecord& record, double peakCm)
{
    const std::optional<double> factor = peakScaleFactor(peakCm, peakAbsolute(record.accelerationG));
    if (!factor)
        return false;
    record.accelerationG = scaled(record.accelerationG, *factor);
    return true;
}
