#include "cli/SelectCommand.h"

#include "cli/CheckCommandModes.h"
#include "cli/KspectOptions.h"
#include "cli/OptionReader.h"
#include "cli/RecordFileOptions.h"
#include "common/KavrelError.h"
#include "common/Language.h"
#include "export/CheckSheet.h"
#include "export/TimeHistoryFile.h"
#include "library/LibraryError.h"
#include "library/LibraryIndexer.h"
#include "library/LibraryListing.h"
#include "records/RecordReader.h"
#include "selection/RecordSelector.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/NarrowText.h"
#include "text/RecordRules.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <optional>

namespace {

constexpr int exitHolds = 0;
constexpr int exitNotWritten = 1;
constexpr int exitRefused = 2;
constexpr int exitRuleBroken = 3;

const char* const description =
    "With --select: chooses from the indexed library (brought up to date first) the natural records, and makes "
    "the artificial ones, of the suite that meets the rules of GB 50011 5.1.2 with its mean spectrum closest to "
    "the target over the platform [0.1 s, Tg] and the band [T1 - DT1, T1 + DT2]. Prints one line per record "
    "(tabs), a blank line, then the suite's check sheet as --check prints it. Unknown metadata passes a filter "
    "only with --keep-unknown. Exit status: 0 every rule holds, 1 something could not be written, 2 a refused "
    "option, 3 the best suite breaks a rule (named on stderr; printed all the same).";

QString number(double value) { return QString::number(value, 'g', 15); }

// MIN:MAX, MIN <= MAX.
std::optional<MetadataRange> readRange(OptionReader& read, const QCommandLineOption& option, bool unknownPasses)
{
    QString text;
    if (!read.value(option, text))
        return std::nullopt;
    const QStringList parts = text.split(QLatin1Char(':'));
    bool lowOk = false;
    bool highOk = false;
    const double low = parts.size() == 2 ? QLocale::c().toDouble(parts[0].trimmed(), &lowOk) : 0.0;
    const double high = parts.size() == 2 ? QLocale::c().toDouble(parts[1].trimmed(), &highOk) : 0.0;
    if (!lowOk || !highOk || low > high) {
        read.refuse(option, "give MIN:MAX, two numbers with MIN at most MAX");
        return std::nullopt;
    }
    return MetadataRange{low, high, unknownPasses};
}

std::optional<double> readPositive(OptionReader& read, const QCommandLineOption& option)
{
    double value = 0.0;
    if (!read.number(option, value))
        return std::nullopt;
    if (!(value >= 0.0))
        read.refuse(option, "must be 0 or more");
    return value;
}

// The suite's lines: the header, then the naturals and the artificial ones.
QString suiteLines(const SelectionOutcome& outcome, const SelectionLibrary& library, std::size_t periods)
{
    QStringList header{"rank", "record", "file", "component", "scale_factor", "peak_cm_s2", "effective_duration_s"};
    for (std::size_t k = 1; k <= periods; ++k)
        header << QStringLiteral("ratio_%1").arg(k);
    header << "platform_ratio" << "t1_band_ratio" << "base_shear_ratio";
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (std::size_t i = 0; i < outcome.suite.size(); ++i) {
        const ChosenRecord& chosen = outcome.suite[i];
        const RecordFigures& figures = outcome.check->records[i];
        QStringList fields{QString::number(i + 1), chosen.name};
        if (chosen.candidate >= 0) {
            const SelectionCandidate& candidate = outcome.candidates[static_cast<std::size_t>(chosen.candidate)];
            const CatalogueComponent& component = library.components[static_cast<std::size_t>(candidate.component)];
            fields << listingFields(component).front() << component.component << number(candidate.scale);
        } else {
            fields << QString() << QString() << QString();
        }
        fields << number(figures.peakCm) << number(figures.effectiveDuration);
        for (const double ratio : figures.ratio)
            fields << number(ratio);
        if (chosen.candidate >= 0) {
            const SelectionCandidate& candidate = outcome.candidates[static_cast<std::size_t>(chosen.candidate)];
            fields << number(candidate.platformRatio) << number(candidate.bandRatio);
        } else {
            fields << QString() << QString();
        }
        QString shear;
        for (const CheckVerdict& verdict : outcome.check->verdicts)
            if (verdict.kind == CheckKind::BaseShear && verdict.record == static_cast<int>(i))
                shear = number(verdict.value);
        fields << shear;
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

// Every chosen record's scaled histories into `folder`, named after the
// record and the component. Throws KavrelError.
void writeHistories(const SelectionOutcome& outcome, const SelectionLibrary& library, const QString& folder,
                    const TimeHistoryFileOptions& options)
{
    if (!QDir().mkpath(folder))
        throw KavrelError(quoted(QDir::toNativeSeparators(folder)) + QStringLiteral(": the folder cannot be made"));
    const QString suffix = QString::fromLatin1(timeHistoryFileSuffix(options.format));
    const auto save = [&](const QString& name, const GroundMotionRecord& record) {
        saveTimeHistoryFile(QDir(folder).filePath(name + QLatin1Char('.') + suffix), record, options);
    };
    for (const ChosenRecord& chosen : outcome.suite) {
        if (chosen.candidate < 0) {
            save(chosen.name, chosen.principal);
            continue;
        }
        const SelectionCandidate& candidate = outcome.candidates[static_cast<std::size_t>(chosen.candidate)];
        const auto componentName = [&](int index) {
            return chosen.name + QLatin1Char('-') + library.components[static_cast<std::size_t>(index)].component;
        };
        save(componentName(candidate.component), chosen.principal);
        if (chosen.second)
            save(componentName(candidate.second), *chosen.second);
        if (chosen.vertical)
            save(componentName(candidate.vertical), *chosen.vertical);
    }
}

}  // namespace

bool asksForSelect(const QStringList& arguments)
{
    return arguments.mid(1).contains(QStringLiteral("--select"));
}

QString selectCommandUsage()
{
    return QStringLiteral(
        "Usage: kspect --select --main-periods T1[,T2,...] [the spectrum options] --library DIR|ZIP... [--index FILE]\n"
        "              [--natural N] [--artificial M] [--pga GAL] [--max-scale F]\n"
        "              [--tolerance 0.2] [--record-tolerance R] [--band-tolerance B] [--t1-band DT1:DT2]\n"
        "              [--min-duration S] [--components 1|2|3] [--per-event K]\n"
        "              [--magnitude MIN:MAX] [--rjb MIN:MAX] [--rrup MIN:MAX] [--vs30 MIN:MAX] [--keep-unknown]\n"
        "              [--modes T:R,... | --modes-file FILE] [--weight G] [--combine cqc|srss]\n"
        "              [--history DIR [--format F]]\n");
}

SelectCommandOutput runSelectCommand(const QStringList& arguments)
{
    // The window's name, so that both find the same index.
    QCoreApplication::setApplicationName(settingsApplication());
    const QCommandLineOption select("select", "Select the records.");
    const QCommandLineOption mainPeriods("main-periods",
                                         "The structure's main periods in seconds: T1 first, then up to five more.",
                                         "T1[,T2,...]");
    const SpectrumOptions spectrum;
    const QCommandLineOption library("library", "A folder or zip archive of record files; may be repeated.",
                                     "DIR|ZIP");
    const QCommandLineOption index("index", "The index file. Default: library.sqlite in the user's data folder.",
                                   "FILE");
    const QCommandLineOption natural("natural", "Natural records in the suite. Default: 5.", "N");
    const QCommandLineOption artificial("artificial", "Artificial records, seeds 1 to M. Default: 2.", "M");
    const QCommandLineOption pga("pga",
                                 "Scale every record to this peak, in cm/s^2. Default: the peak of GB 50011 "
                                 "Table 5.1.2-2 for the intensity and action, else 0.45 AlphaMax g.",
                                 "GAL");
    const QCommandLineOption maxScale("max-scale", "Scale factors from 1/F to F. Default: 10.", "F");
    const QCommandLineOption tolerance("tolerance", "The mean spectrum's tolerance at the main periods. Default: 0.2.",
                                       "T");
    const QCommandLineOption recordTolerance("record-tolerance", "Each record's tolerance at the main periods.", "R");
    const QCommandLineOption bandTolerance("band-tolerance",
                                           "Each record's tolerance of its platform and T1-band means.", "B");
    const QCommandLineOption t1Band("t1-band", "The T1 band [T1 - DT1, T1 + DT2], s. Default: 0.2:0.5.", "DT1:DT2");
    const QCommandLineOption minDuration("min-duration", "Effective durations of at least S seconds too.", "S");
    const QCommandLineOption components("components", "1, 2 (both horizontals) or 3 (and the vertical). Default: 1.",
                                        "1|2|3");
    const QCommandLineOption perEvent("per-event", "At most K recordings of one earthquake. Default: 2.", "K");
    const QCommandLineOption magnitude("magnitude", "Magnitudes from MIN to MAX.", "MIN:MAX");
    const QCommandLineOption rjb("rjb", "Rjb from MIN to MAX km.", "MIN:MAX");
    const QCommandLineOption rrup("rrup", "Rrup from MIN to MAX km.", "MIN:MAX");
    const QCommandLineOption vs30("vs30", "Vs30 from MIN to MAX m/s.", "MIN:MAX");
    const QCommandLineOption keepUnknown("keep-unknown", "A record whose filtered metadata is unknown passes.");
    const ModeOptions modeOptions;
    const QCommandLineOption history("history", "Write the chosen records' scaled histories into DIR.", "DIR");
    const QCommandLineOption format("format", "The histories' format: table (the default), csv, csi, midas, "
                                              "staad or opensees.",
                                    "F");
    const QCommandLineOption help = helpOption();
    const QList<QCommandLineOption> all =
        QList<QCommandLineOption>{select, mainPeriods} + spectrum.all()
        + QList<QCommandLineOption>{library, index, natural, artificial, pga, maxScale, tolerance, recordTolerance,
                                    bandTolerance, t1Band, minDuration, components, perEvent, magnitude, rjb, rrup,
                                    vs30, keepUnknown}
        + modeOptions.all() + QList<QCommandLineOption>{history, format, help};
    QCommandLineParser parser;
    SelectCommandOutput result;
    QString error;
    if (!startCommand(parser, all, arguments, Positionals::Refused, {selectCommandUsage(), description}, error,
                      result.bytes)) {
        if (!error.isEmpty()) {
            result.exitStatus = exitRefused;
            result.messages << error;
        }
        return result;
    }

    OptionReader read(parser);
    SelectionProblem problem;
    QString periodText;
    if (read.value(mainPeriods, periodText))
        read.numbers(mainPeriods, problem.mainPeriods);
    else
        read.refuse(mainPeriods, "not given; the selection needs T1 at least");
    const SpectrumChoice target = readSpectrumOptions(spectrum, parser, read);
    problem.intensityIndex = target.intensityIndex;
    problem.actionIndex = target.actionIndex;
    problem.peakCm = readTargetPeak(pga, read);
    read.wholeNumber(natural, 0, 100, problem.natural);
    read.wholeNumber(artificial, 0, maxArtificialRecords, problem.artificial);
    read.wholeNumber(components, 1, 3, problem.components);
    read.wholeNumber(perEvent, 1, 100, problem.rules.perEvent);
    if (const auto value = readPositive(read, maxScale)) {
        problem.maxScale = *value;
        if (*value < 1.0)
            read.refuse(maxScale, "must be at least 1");
    }
    if (const auto value = readPositive(read, tolerance))
        problem.rules.meanTolerance = *value;
    problem.rules.recordTolerance = readPositive(read, recordTolerance);
    problem.rules.bandTolerance = readPositive(read, bandTolerance);
    problem.rules.minimumSeconds = readPositive(read, minDuration);
    if (const auto band = readRange(read, t1Band, false)) {
        if (band->minimum < 0.0)
            read.refuse(t1Band, "DT1 and DT2 must be 0 or more");
        problem.rules.bandBelowT1 = band->minimum;
        problem.rules.bandAboveT1 = band->maximum;
    }
    const bool unknownPasses = parser.isSet(keepUnknown);
    problem.filters.magnitude = readRange(read, magnitude, unknownPasses);
    problem.filters.rjbKm = readRange(read, rjb, unknownPasses);
    problem.filters.rrupKm = readRange(read, rrup, unknownPasses);
    problem.filters.vs30 = readRange(read, vs30, unknownPasses);
    problem.structure = readModeOptions(modeOptions, parser, read, false);
    QString indexPath = defaultIndexPath();
    read.path(index, indexPath);
    QString historyFolder;
    const bool writeHistory = read.path(history, historyFolder);
    TimeHistoryFileOptions historyOptions;
    read.analysisFormat(format, historyOptions.format);
    if (parser.isSet(format) && !parser.isSet(history))
        read.refuse(format, "applies to --history only");
    if (parser.values(library).isEmpty())
        read.refuse(library, "not given; name the folders or zip archives to choose from");
    std::vector<LibraryLocation> locations;
    for (const QString& place : parser.values(library)) {
        if (read.failed())
            break;
        try {
            locations.push_back(libraryLocation(place));
        } catch (const LibraryError& failure) {
            read.refuse(library, refusalFragment(failure.message()));
        }
    }
    if (read.failed()) {
        result.exitStatus = exitRefused;
        result.messages << read.error();
        return result;
    }

    const KavrelSpectrum spectrumOfCode("target", target.alphaMax, target.tg, target.dampingRatio, target.codeType);
    SelectionOutcome outcome;
    SelectionLibrary chosenFrom;
    try {
        const IndexWriteLock lock(indexPath);
        LibraryIndex libraryIndex(indexPath);
        updateLibraryIndex(libraryIndex, locations);
        chosenFrom = indexedLibrary(libraryIndex, readCatalogue(libraryIndex, locations));
        outcome = selectRecords(spectrumOfCode, problem, chosenFrom);
    } catch (const LibraryError& failure) {
        result.exitStatus = exitNotWritten;
        result.messages << failure.message();
        return result;
    } catch (const SelectionInputError& failure) {
        const QCommandLineOption& at =
            failure.input == SelectionInputError::Input::MainPeriods ? mainPeriods : natural;
        read.refuse(at, refusalFragment(QString::fromStdString(failure.what())));
        result.exitStatus = exitRefused;
        result.messages << read.error();
        return result;
    } catch (const KavrelError& failure) {
        result.exitStatus = exitRefused;
        result.messages << failure.message();
        return result;
    }
    if (!outcome.check) {
        result.exitStatus = exitRuleBroken;
        result.messages << QStringLiteral("--select: no record of the library can join a suite");
        return result;
    }
    QStringList periodTexts;
    for (const QString& text : periodText.split(QLatin1Char(',')))
        periodTexts << text.trimmed();
    result.bytes = (suiteLines(outcome, chosenFrom, problem.mainPeriods.size()) + QLatin1Char('\n')
                    + checkSheetText(*outcome.check, QLocale::c(), periodTexts))
                       .toUtf8();
    if (writeHistory) {
        try {
            writeHistories(outcome, chosenFrom, historyFolder, historyOptions);
        } catch (const KavrelError& failure) {
            result.exitStatus = exitNotWritten;
            result.messages << failure.message();
            return result;
        }
    }
    if (outcome.brokenRules != 0) {
        result.exitStatus = exitRuleBroken;
        result.messages << QStringLiteral("the best suite breaks ") + brokenRuleNames(outcome.brokenRules);
    } else {
        result.exitStatus = exitHolds;
    }
    return result;
}
