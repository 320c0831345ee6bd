#include "cli/RecordCommand.h"

#include "cli/OptionReader.h"
#include "cli/RecordFileOptions.h"

#include "export/AnalysisFile.h"
#include "export/TimeHistoryFile.h"
#include "inputs/InputRules.h"
#include "records/ResponseSpectrum.h"
#include "text/NumberText.h"
#include "text/RecordRules.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>

#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double longestPeriod = 20.0;
constexpr double mostPeriods = 1000000;

// Decimals of the shortest fixed text of `value`: 2 for 0.01.
int decimalsOf(double value)
{
    std::string text;
    appendShortestFixed(text, value);
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// START + i x STEP as the decimal it is meant to be: an integer over a power
// of ten, both exact, divided once (so 0.07, not 0.07000000000000001).
std::vector<double> periodGrid(double start, double stop, double step)
{
    const int decimals = std::min(15, std::max(decimalsOf(start), decimalsOf(step)));
    const double scale = std::pow(10.0, decimals);
    const double count = std::floor((stop - start) / step + 1e-9) + 1;
    std::vector<double> periods;
    periods.reserve(static_cast<std::size_t>(count));
    for (double i = 0; i < count; ++i)
        periods.push_back(std::min(stop, std::round((start + i * step) * scale) / scale));
    return periods;
}

// --periods: START:STOP:STEP or an increasing list T1,T2,...
void readPeriods(OptionReader& read, const QCommandLineOption& option, std::vector<double>& periods)
{
    QString text;
    if (!read.value(option, text))
        return;
    std::vector<double> numbers;
    const bool list = !text.contains(QLatin1Char(':'));
    for (const QString& part : text.split(list ? QLatin1Char(',') : QLatin1Char(':'))) {
        double number = 0;
        if (!parseLocaleDouble(part, number, QLocale::c())) {
            read.refuse(option, notANumberMessage(part));
            return;
        }
        numbers.push_back(number);
    }
    // A range's STEP is no period.
    const std::size_t periodCount = list ? numbers.size() : std::min<std::size_t>(numbers.size(), 2);
    for (std::size_t i = 0; i < periodCount; ++i) {
        if (!(numbers[i] >= 0 && numbers[i] <= longestPeriod)) {
            read.refuse(option, "the periods must lie within 0 and 20 s");
            return;
        }
    }
    if (list) {
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (!(numbers[i] > numbers[i - 1])) {
                read.refuse(option, "the periods must increase");
                return;
            }
        }
        periods = numbers;
        return;
    }
    if (numbers.size() != 3) {
        read.refuse(option, quoted(text) + " is not START:STOP:STEP or T1,T2,...");
        return;
    }
    const double start = numbers[0], stop = numbers[1], step = numbers[2];
    if (!(step > 0))
        read.refuse(option, "STEP must be greater than 0");
    else if (stop < start)
        read.refuse(option, "STOP must not be less than START");
    else if (std::floor((stop - start) / step + 1e-9) + 1 > mostPeriods)
        read.refuse(option, QStringLiteral("more than %1 periods").arg(static_cast<qint64>(mostPeriods)));
    else
        periods = periodGrid(start, stop, step);
}

QByteArray spectrumFile(const std::vector<double>& periods, const std::vector<double>& sa, AnalysisFormat format)
{
    const char* separator = format == AnalysisFormat::Csv ? "," : "\t";
    std::string out = std::string("period_s") + separator + "sa_g\n";
    out.reserve(periods.size() * 32 + 16);
    for (std::size_t j = 0; j < periods.size(); ++j) {
        appendShortestFixed(out, periods[j]);
        out += separator;
        appendShortest(out, sa[j]);
        out += '\n';
    }
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

const char* const description =
    "With --record: the response spectrum of a ground-motion record (pseudo-acceleration in g, exact for a "
    "record linear between samples; T = 0 gives the peak), or with --history its acceleration history as a "
    "time-history file. Numbers are read and written with \".\". Exit status: 0 written, 1 the output could not "
    "be written, 2 a refused option or record.";

} // namespace

bool asksForRecord(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--record") || arguments[i].startsWith(QLatin1String("--record=")))
            return true;
    }
    return false;
}

QString recordCommandUsage()
{
    return QStringLiteral(
        "Usage: kspect --record FILE [--record-format auto|peer|csmnc|knet|columns] [--dt S] [--unit g|gal|m/s2]\n"
        "              [--pga GAL] [--damping Z] [--periods START:STOP:STEP | --periods T1,T2,...]\n"
        "              [--history] [--format F] [--tag N] [-o FILE]\n");
}

RecordCommandOutput prepareRecordCommand(const QStringList& arguments)
{
    const QCommandLineOption record("record",
                                    "The record file: PEER NGA (.AT2), CSMNC, K-NET/KiK-net, or plain columns.",
                                    "FILE");
    const RecordFileOptions fileLayout;
    const QCommandLineOption pga("pga", "Scale the record to this peak acceleration, in cm/s^2, first.", "GAL");
    const QCommandLineOption damping("damping", "Damping ratio, 0 or more and below 1. Default 0.05.", "Z");
    const QCommandLineOption periods("periods",
                                     "Periods START + i x STEP from START to STOP, or a list T1,T2,... "
                                     "(increasing), within 0 and 20 s. Default 0:6:0.01.",
                                     "START:STOP:STEP|T1,T2,...");
    const QCommandLineOption history("history", "Write the (scaled) acceleration history instead, in --format.");
    const QCommandLineOption format("format",
                                    "File format: table (the default) or csv; with --history also csi "
                                    "(SAP2000/ETABS), midas (MIDAS Gen/Civil .thd), staad (STAAD.Pro), opensees "
                                    "(Tcl timeSeries Path).",
                                    "table|csv|csi|midas|staad|opensees");
    const QCommandLineOption tag = openSeesTagOption();
    const QCommandLineOption output = outputOption();
    const QCommandLineOption help = helpOption();
    const QList<QCommandLineOption> all = QList<QCommandLineOption>{record} + fileLayout.all()
                                          + QList<QCommandLineOption>{pga, damping, periods, history, format,
                                                                      tag, output, help};
    QCommandLineParser parser;
    RecordCommandOutput result;
    if (!startCommand(parser, all, arguments, Positionals::Refused, {recordCommandUsage(), description}, result.error,
                      result.bytes)) {
        result.help = result.error.isEmpty();
        return result;
    }

    OptionReader read(parser);
    QString path;
    read.value(record, path);
    const RecordReadOptions readOptions = readRecordFileOptions(fileLayout, parser, read);
    const std::optional<double> targetPeak = readTargetPeak(pga, read);
    double number = 0;
    double dampingRatio = 0.05;
    if (read.number(damping, number)) {
        if (!isOscillatorDamping(number))
            read.refuse(damping, refusalFragment(dampingRangeRefusal()));
        dampingRatio = number;
    }
    std::vector<double> spectrumPeriods = periodGrid(0, 6, 0.01);
    readPeriods(read, periods, spectrumPeriods);
    const bool writeHistory = parser.isSet(history);
    TimeHistoryFileOptions fileOptions;
    read.analysisFormat(format, fileOptions.format);
    read.openSeesTag(tag, fileOptions.format, fileOptions.tag);
    result.toFile = read.path(output, result.outputPath);
    if (!read.failed() && !writeHistory && fileOptions.format != AnalysisFormat::Table
        && fileOptions.format != AnalysisFormat::Csv)
        read.refuse(format, "a spectrum is written as table or csv; the analysis formats are for --history");
    if (!read.failed() && writeHistory) {
        if (parser.isSet(periods))
            read.refuse(periods, "not with --history, which writes the accelerations");
        else if (parser.isSet(damping))
            read.refuse(damping, "not with --history, which writes the accelerations");
    }
    if (read.failed()) {
        result.error = read.error();
        return result;
    }

    std::optional<GroundMotionRecord> motion = readCommandRecord(path, readOptions, fileLayout, parser, result.error);
    if (!motion)
        return result;
    if (targetPeak && !scaleToPeak(*motion, *targetPeak)) {
        read.refuse(pga, quoted(QString::fromStdString(motion->sourceFileName)) + " holds only zeros");
        result.error = read.error();
        return result;
    }
    if (writeHistory) {
        result.bytes = buildTimeHistoryFile(*motion, fileOptions);
    } else {
        const std::vector<double> sa =
            pseudoSpectralAcceleration(motion->accelerationG, motion->step, spectrumPeriods, dampingRatio);
        result.bytes = spectrumFile(spectrumPeriods, sa, fileOptions.format);
    }
    return result;
}
