#include "cli/CheckCommand.h"

#include "cli/CheckCommandModes.h"
#include "cli/KspectOptions.h"
#include "cli/OptionReader.h"
#include "cli/RecordFileOptions.h"

#include "export/CheckSheet.h"
#include "records/CodePeaks.h"
#include "records/DistinguishingNames.h"
#include "records/RecordSelectionCheck.h"
#include "records/RepeatedRecords.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/RecordRules.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <optional>
#include <utility>
#include <vector>

namespace {

struct RecordFile {
    QString path;
    bool artificial = false;
};

// The record files in the order of the command line. The parser keeps the
// positional names and the --artificial-record values apart, so the order is
// read from the arguments; should that reading ever disagree with the
// parser's, the recorded ones come first.
std::vector<RecordFile> recordFiles(const QStringList& arguments, const QCommandLineParser& parser,
                                    const QList<QCommandLineOption>& options, const QCommandLineOption& artificial)
{
    QStringList takesValue;
    for (const QCommandLineOption& option : options) {
        if (!option.valueName().isEmpty())
            takesValue << option.names();
    }
    std::vector<RecordFile> files;
    QStringList natural, made;
    bool onlyFiles = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& token = arguments[i];
        if (onlyFiles || token == QLatin1String("-") || !token.startsWith(QLatin1Char('-'))) {
            files.push_back({token, false});
            natural << token;
            continue;
        }
        if (token == QLatin1String("--")) {
            onlyFiles = true;
            continue;
        }
        // --name=value, --name value, -o value, -ovalue.
        const bool isLong = token.startsWith(QLatin1String("--"));
        const QString body = token.mid(isLong ? 2 : 1);
        const qsizetype valueAt = isLong ? body.indexOf(QLatin1Char('=')) + 1 : (body.size() > 1 ? 1 : 0);
        const QString name = valueAt > 0 ? body.left(isLong ? valueAt - 1 : 1) : body;
        if (!takesValue.contains(name))
            continue;
        QString value;
        if (valueAt > 0)
            value = body.mid(valueAt);
        else if (++i < arguments.size())
            value = arguments[i];
        if (artificial.names().contains(name)) {
            files.push_back({value, true});
            made << value;
        }
    }
    if (natural == parser.positionalArguments() && made == parser.values(artificial))
        return files;
    files.clear();
    for (const QString& path : parser.positionalArguments())
        files.push_back({path, false});
    for (const QString& path : parser.values(artificial))
        files.push_back({path, true});
    return files;
}

// The check's own sentence after the option it is about, in the style of the
// other refusals: "--base-shear: give the response-spectrum base shear ...".
QString inputRefusal(const SelectionInputError& error)
{
    static const char* const options[] = {"--damping", "--main-periods", "--check", "--base-shear", "--modes",
                                          "--weight"};
    return QString::fromLatin1(options[static_cast<int>(error.input)]) + ": "
           + refusalFragment(QString::fromStdString(error.what()));
}

const char* const description =
    "With --check: the code's checks of a record selection (GB 50011 5.1.2) against the code spectrum the "
    "spectrum options choose. RECORD files are recorded accelerograms, each FILE after --artificial-record an "
    "artificial one; every one is scaled to --pga first. Prints the check sheet as tab-separated lines: one per "
    "record and their mean (alpha_r/alpha at each main period), a blank line, then check<TAB>verdict<TAB>figure. "
    "With the structure's modes (--modes or --modes-file, --weight) the base shears are computed: the "
    "response-spectrum method's V0 and each record's elastic modal time history, in kN. "
    "Numbers are read and written with \".\". Exit status: 0 nothing fails (warnings allowed), 1 the output could "
    "not be written, 2 a refused option or record, 3 a check fails.";

} // namespace

bool asksForCheck(const QStringList& arguments)
{
    return arguments.mid(1).contains(QStringLiteral("--check"));
}

QString checkCommandUsage()
{
    return QStringLiteral(
        "Usage: kspect --check --main-periods T1[,T2,...] [the spectrum options] [--pga GAL]\n"
        "              [--base-shear V0,V1,V2,... | --modes T1:R1,... | --modes-file FILE]\n"
        "              [--weight G] [--combine cqc|srss] [--inelastic] [--record-format F] [--dt S]\n"
        "              [--unit U] [-o FILE] RECORD... [--artificial-record FILE]...\n");
}

CheckCommandOutput prepareCheckCommand(const QStringList& arguments)
{
    const QCommandLineOption check("check", "Check the record selection.");
    const QCommandLineOption mainPeriods("main-periods",
                                         "The structure's main periods in seconds: T1, the fundamental period, "
                                         "first, then up to five more; each above 0 and at most 6.",
                                         "T1[,T2,...]");
    const SpectrumOptions spectrum;
    const QCommandLineOption pga("pga",
                                 "Scale every record to this peak acceleration, in cm/s^2. Default: the peak of "
                                 "GB 50011 Table 5.1.2-2 for the intensity and action, else 0.45 AlphaMax g.",
                                 "GAL");
    const QCommandLineOption baseShear("base-shear",
                                       "The response-spectrum method's base shear V0, then one per record in the "
                                       "order given (any one unit), for the base-shear checks.",
                                       "V0,V1,...");
    const ModeOptions modeOptions;
    const QCommandLineOption inelastic("inelastic",
                                       "The records are for an inelastic analysis: the base shears are held to "
                                       "their lower limits only (65 % each, 80 % their mean).");
    const QCommandLineOption artificial("artificial-record", "An artificial accelerogram; may be repeated.", "FILE");
    const RecordFileOptions fileLayout;
    const QCommandLineOption output = outputOption(QStringLiteral("the sheet"));
    const QCommandLineOption help = helpOption();
    const QList<QCommandLineOption> all = QList<QCommandLineOption>{check, mainPeriods} + spectrum.all()
                                          + QList<QCommandLineOption>{pga, baseShear} + modeOptions.all()
                                          + QList<QCommandLineOption>{inelastic, artificial}
                                          + fileLayout.all() + QList<QCommandLineOption>{output, help};
    QCommandLineParser parser;
    parser.addPositionalArgument("RECORD", "A recorded accelerogram.", "RECORD...");
    CheckCommandOutput result;
    if (!startCommand(parser, all, arguments, Positionals::Taken, {checkCommandUsage(), description}, result.error,
                      result.bytes)) {
        result.help = result.error.isEmpty();
        return result;
    }

    OptionReader read(parser);
    std::vector<double> periods;
    QString periodText;
    if (read.value(mainPeriods, periodText))
        read.numbers(mainPeriods, periods);
    else
        read.refuse(mainPeriods, "not given; the check needs T1 at least");
    const SpectrumChoice target = readSpectrumOptions(spectrum, parser, read);
    std::optional<double> targetPeak = readTargetPeak(pga, read);
    std::vector<double> baseShears;
    read.numbers(baseShear, baseShears);
    const std::optional<StructureModel> structure =
        readModeOptions(modeOptions, parser, read, parser.isSet(baseShear));
    const RecordReadOptions readOptions = readRecordFileOptions(fileLayout, parser, read);
    result.toFile = read.path(output, result.outputPath);
    const std::vector<RecordFile> files = recordFiles(arguments, parser, all, artificial);
    if (files.empty())
        read.refuse(check, "no record given; name the recorded ones, and each artificial one after "
                           "--artificial-record");
    if (read.failed()) {
        result.error = read.error();
        return result;
    }
    if (!targetPeak)
        targetPeak = defaultTargetPeak(target.codeType, target.intensityIndex, target.actionIndex, target.alphaMax);

    // One file given twice (or once as recorded and once as artificial)
    // would count twice.
    QStringList paths;
    QHash<QString, QString> seen;  // the file itself, to the path first given for it
    for (const RecordFile& file : files) {
        const QFileInfo info(file.path);
        const QString itself = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
        if (seen.contains(itself)) {
            result.error = "--check: " + quoted(file.path) + " is given twice"
                           + (seen.value(itself) == file.path ? QString() : " (as " + quoted(seen.value(itself)) + ")")
                           + "; a record counts once";
            return result;
        }
        seen.insert(itself, file.path);
        paths << file.path;
    }
    const QStringList names = distinguishingNames(paths);

    SelectionCheckInput input;
    input.intensityIndex = target.intensityIndex;
    input.actionIndex = target.actionIndex;
    input.mainPeriods = periods;
    input.baseShears = baseShears;
    input.structure = structure;
    input.shearUpperLimits = !parser.isSet(inelastic);
    for (const RecordFile& file : files) {
        std::optional<GroundMotionRecord> record =
            readCommandRecord(file.path, readOptions, fileLayout, parser, result.error);
        if (!record)
            return result;
        if (!scaleToPeak(*record, *targetPeak)) {
            result.error = quoted(QString::fromStdString(record->sourceFileName)) + ": holds only zeros, so it "
                           "cannot be scaled to a peak";
            return result;
        }
        input.records.push_back({names[static_cast<qsizetype>(input.records.size())].toStdString(), file.artificial,
                                 std::move(record->accelerationG), record->step});
    }

    if (const auto repeated = repeatedRecords(input.records)) {
        result.error = "--check: " + quoted(names[static_cast<qsizetype>(repeated->first)]) + " and "
                       + quoted(names[static_cast<qsizetype>(repeated->second)])
                       + " hold the same samples; a record counts once";
        return result;
    }

    const KavrelSpectrum spectrumOfCode("target", target.alphaMax, target.tg, target.dampingRatio, target.codeType);
    QStringList periodTexts;
    for (const QString& text : periodText.split(QLatin1Char(',')))
        periodTexts << text.trimmed();
    try {
        const SelectionCheck sheet = checkRecordSelection(spectrumOfCode, input);
        result.bytes = checkSheetText(sheet, QLocale::c(), periodTexts).toUtf8();
        result.checkFails = sheet.anyFails();
    } catch (const SelectionInputError& error) {
        result.error = inputRefusal(error);
    }
    return result;
}
