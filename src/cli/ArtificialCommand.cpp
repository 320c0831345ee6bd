#include "cli/ArtificialCommand.h"

#include "cli/KspectOptions.h"
#include "cli/OptionReader.h"
#include "cli/RecordFileOptions.h"
#include "common/KavrelError.h"
#include "export/TimeHistoryFile.h"
#include "records/ArtificialRecord.h"
#include "records/CodePeaks.h"
#include "records/GroundMotionRecord.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/FigureText.h"
#include "text/NumberText.h"
#include "text/RecordRules.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <climits>
#include <map>
#include <cmath>

namespace {

const char* const description =
    "With --artificial: one artificial accelerogram whose 5 %-damped (or --damping) response spectrum follows "
    "the code spectrum that the spectrum options choose (every one of 100 periods from 0.1 to 6 s within 10 %, "
    "their mean within 3 %), enveloped after Jennings et al. (1968), ending at rest; written as a time-history "
    "file in g. The same options give the same bytes. Numbers are read and written with \".\". Exit status: 0 "
    "written, 1 the output could not be written, 2 a refused option or a target that cannot be matched.";

QString figure(double value)
{
    return formatFigure(value, 15, 4, QLocale::c());
}

QString matchReport(const ArtificialRecord& record)
{
    return QStringLiteral("seed %1: largest deviation %2 % at %11 s, mean deviation %3 %, peak %4 g, "
                          "effective duration %5 s, end velocity %6 cm/s (peak %7), "
                          "end displacement %8 cm (peak %9), %10 corrections")
        .arg(record.seed)
        .arg(figure(record.match.largestDeviation * 100), figure(record.match.meanDeviation * 100),
             figure(record.peak), figure(record.effectiveDuration), figure(record.endVelocity),
             figure(record.peakVelocity), figure(record.endDisplacement), figure(record.peakDisplacement))
        .arg(record.corrections)
        .arg(figure(record.match.largestDeviationPeriod));
}

} // namespace

bool asksForArtificial(const QStringList& arguments)
{
    return arguments.mid(1).contains(QStringLiteral("--artificial"));
}

QString artificialCommandUsage()
{
    return QStringLiteral(
        "Usage: kspect --artificial [the spectrum options] [--duration S] [--dt S] [--seed N] [--pga GAL]\n"
        "              [--format table|csv|csi|midas|staad|opensees] [--tag N] [--verbose] [-o FILE]\n");
}

ArtificialCommandOutput prepareArtificialCommand(const QStringList& arguments)
{
    const QCommandLineOption artificial("artificial", "Generate an artificial accelerogram.");
    const SpectrumOptions spectrum;
    const QCommandLineOption duration("duration", "Total duration in seconds, 12 to 200. Default 20.", "S");
    const QCommandLineOption dt("dt", "Time step in seconds: 0.005, 0.01 (the default) or 0.02; it must divide "
                                      "the duration.", "S");
    const QCommandLineOption seed("seed", "Seed of the random phases, a whole number from 0. Default 1.", "N");
    const QCommandLineOption pga("pga",
                                 "Scale the matched record to exactly this peak, in cm/s^2. Default: the "
                                 "matched record's own peak (within 15 % of 0.45 AlphaMax g).",
                                 "GAL");
    const QCommandLineOption format("format", "File format: " + analysisFormatList(QStringLiteral(", ")) + ". Default table.", "F");
    const QCommandLineOption tag = openSeesTagOption();
    const QCommandLineOption verbose("verbose", "Report the match, peak, duration and end state on stderr.");
    const QCommandLineOption output = outputOption(QStringLiteral("the history"));
    const QCommandLineOption help = helpOption();
    const QList<QCommandLineOption> all = QList<QCommandLineOption>{artificial} + spectrum.all()
                                          + QList<QCommandLineOption>{duration, dt, seed, pga, format, tag, verbose,
                                                                      output, help};
    QCommandLineParser parser;
    ArtificialCommandOutput result;
    if (!startCommand(parser, all, arguments, Positionals::Taken, {artificialCommandUsage(), description}, result.error,
                      result.bytes)) {
        result.help = result.error.isEmpty();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = quoted(parser.positionalArguments().first()) + ": --artificial takes no file; write with -o";
        return result;
    }

    OptionReader read(parser);
    const SpectrumChoice target = readSpectrumOptions(spectrum, parser, read);
    ArtificialRequest request;
    read.number(duration, request.duration);
    read.number(dt, request.step);
    int seedNumber = 1;
    if (read.wholeNumber(seed, 0, INT_MAX, seedNumber))
        request.seed = static_cast<std::uint64_t>(seedNumber);
    double peakCm = 0;
    if (read.number(pga, peakCm)) {
        if (!(peakCm > 0))
            read.refuse(pga, quoted(QString::fromStdString(shortestText(peakCm))) + " is not a peak above 0");
        else if (peakCm > largestTargetPeakCm)
            read.refuse(pga, targetPeakTooLarge());
        else
            request.peak = peakCm / standardGravityCm;
    }
    TimeHistoryFileOptions fileOptions;
    read.analysisFormat(format, fileOptions.format);
    read.openSeesTag(tag, fileOptions.format, fileOptions.tag);
    result.toFile = read.path(output, result.outputPath);
    if (read.failed()) {
        result.error = read.error();
        return result;
    }

    const KavrelSpectrum code("target", target.alphaMax, target.tg, target.dampingRatio, target.codeType);
    try {
        const std::optional<ArtificialRecord> made = generateArtificialRecord(code, request);
        if (!made) {
            result.error = QStringLiteral("--artificial: the generation was stopped");
            return result;
        }
        GroundMotionRecord record;
        record.name = "artificial-" + std::to_string(made->seed);
        record.sourceFileName = "generated by kspect --artificial, seed " + std::to_string(made->seed);
        record.step = made->step;
        record.accelerationG = made->acceleration;
        result.bytes = buildTimeHistoryFile(record, fileOptions);
        if (parser.isSet(verbose))
            result.report = matchReport(*made);
    } catch (const ArtificialRefusal& refusal) {
        // Named after the option the refusal is about, as every refusal is.
        using Input = ArtificialRefusal::Input;
        const std::map<Input, const QCommandLineOption*> options = {
            {Input::Target, &artificial},   {Input::AlphaMax, &spectrum.alphaMax}, {Input::Tg, &spectrum.tg},
            {Input::Damping, &spectrum.damping},
            {Input::Step, &dt},             {Input::Duration, &duration},          {Input::Envelope, &artificial},
            {Input::Peak, &pga},            {Input::Match, &artificial}};
        read.refuse(*options.at(refusal.input), refusalFragment(refusal.message()));
        result.error = read.error();
    } catch (const KavrelError& error) {
        result.error = QStringLiteral("--artificial: ") + error.message();
    }
    return result;
}
