#include "cli/KspectOptions.h"

#include "cli/OptionReader.h"

#include "inputs/InputRules.h"
#include "text/NumberText.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>

#include <climits>
#include <utility>
#include <vector>

namespace {

QString choiceList(const SelectionChoices& choices, const QString& separator)
{
    return choiceWords(choices).join(separator);
}

// A number as the window's edit boxes take it (with its refusals), but
// always with ".".
void windowNumber(OptionReader& reader, const QCommandLineOption& option, NumberInput which, double& value)
{
    QString text;
    if (!reader.value(option, text))
        return;
    const InputRead<double> read = readNumber(text, which, QLocale::c());
    if (read.accepted())
        value = read.value;
    else
        reader.refuse(option, read.refusal);
}

void readNameOption(OptionReader& reader, const QCommandLineOption& option, std::string& name)
{
    QString text;
    if (!reader.value(option, text))
        return;
    const InputRead<std::string> read = readName(text);
    if (read.accepted())
        name = read.value;
    else
        reader.refuse(option, read.refusal);
}

void readPeriods(OptionReader& reader, const QCommandLineOption& option, PeriodRange& range)
{
    QString text;
    if (!reader.value(option, text))
        return;
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3) {
        reader.refuse(option, quoted(text) + " is not START:STOP:STEP");
        return;
    }
    double numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!parseLocaleDouble(parts[i], numbers[i], QLocale::c())) {
            reader.refuse(option, notANumberMessage(parts[i]));
            return;
        }
    }
    const PeriodRange candidate{numbers[0], numbers[1], numbers[2]};
    const QString problem = periodRangeProblem(candidate);
    if (problem.isEmpty())
        range = candidate;
    else
        reader.refuse(option, problem);
}


} // namespace

SpectrumOptions::SpectrumOptions()
    : code("code",
           "Design code: " + choiceList(codeChoices(), ", ")
               + " (GB 50011-2010, GB 50011-2001, GB/T 51408-2021). Default 2010.",
           "2010|2001|51408"),
      intensity("intensity",
                "Seismic intensity: 6 (0.05 g), 7 (0.10 g), 7.5 (7 with 0.15 g), 8 (0.20 g), 8.5 (8 with 0.30 g), "
                "9 (0.40 g). Default 6.",
                choiceList(intensityChoices(), "|")),
      action("action", "Seismic action: frequent, design (design-basis), rare, very-rare. Default frequent.",
             choiceList(actionChoices(), "|")),
      site("site", "Site class: " + choiceList(siteChoices(), ", ") + ". Default I0.", choiceList(siteChoices(), "|")),
      group("group", "Earthquake group: 1, 2, 3. Default 1.", choiceList(groupChoices(), "|")),
      rareTg("rare-tg", "For rare and very rare earthquakes, Tg + 0.05 s (GB 50011 5.1.4; the 2001 code at "
                        "intensities 8 and 9 only; not with 51408)."),
      vertical("vertical",
               "The vertical spectrum: 65 % of AlphaMax with the Tg of the 1st group (GB 50011 5.3.1, 5.3.4)."),
      alphaMax("alpha-max",
               "AlphaMax, 0 or more; overrides the code table's value for the intensity and action.", "A"),
      tg("tg", "Tg in seconds, 0 or more; overrides the code table's value for the site class and group.", "T"),
      damping("damping", "Damping ratio, 0 or more (0.05 is 5 %). Default 0.05.", "Z")
{
}

QList<QCommandLineOption> SpectrumOptions::all() const
{
    return {code, intensity, action, site, group, rareTg, vertical, alphaMax, tg, damping};
}

SpectrumChoice readSpectrumOptions(const SpectrumOptions& options, const QCommandLineParser& parser,
                                   OptionReader& reader)
{
    SpectrumChoice choice;
    reader.choice(options.code, choiceWords(codeChoices()), choice.codeType);
    reader.choice(options.intensity, choiceWords(intensityChoices()), choice.intensityIndex);
    reader.choice(options.action, choiceWords(actionChoices()), choice.actionIndex);
    reader.choice(options.site, choiceWords(siteChoices()), choice.siteIndex);
    reader.choice(options.group, choiceWords(groupChoices()), choice.groupIndex);
    CodeRuleOptions rules;
    rules.rareTg = parser.isSet(options.rareTg);
    rules.vertical = parser.isSet(options.vertical);
    const CodeSelection selection{choice.codeType, choice.intensityIndex, choice.actionIndex, choice.siteIndex,
                                  choice.groupIndex};
    // Asked for where it cannot apply, the rule would silently change nothing.
    if (rules.rareTg && !reader.failed()) {
        const std::string refusal = rareTgRefusal(selection);
        if (!refusal.empty())
            reader.refuse(options.rareTg, QString::fromStdString(refusal));
    }
    if (reader.failed())
        return choice;
    // An explicit --alpha-max or --tg still wins, as typing into the window does.
    const CodeParameters fromTables = codeParameters(selection, rules);
    choice.alphaMax = fromTables.alphaMax;
    choice.tg = fromTables.tg;
    windowNumber(reader, options.alphaMax, NumberInput::AlphaMax, choice.alphaMax);
    windowNumber(reader, options.tg, NumberInput::Tg, choice.tg);
    windowNumber(reader, options.damping, NumberInput::DampingRatio, choice.dampingRatio);
    return choice;
}

KspectParse parseKspectArguments(const QStringList& arguments)
{
    const SpectrumOptions spectrum;
    const QCommandLineOption name("name", "Name of the spectrum, fewer than 20 bytes. Default Spectrum-1.",
                                  "NAME");
    const QCommandLineOption format("format",
                                    "File format: table (tab-separated, the default), csv, csi "
                                    "(SAP2000/ETABS), midas (MIDAS Gen/Civil .sgs), staad (STAAD.Pro), "
                                    "opensees (Tcl timeSeries Path).",
                                    analysisFormatList("|"));
    const QCommandLineOption periods("periods",
                                     "Periods START + i x STEP from START to STOP, within 0 and 6 s; the "
                                     "corners 0.1 s, Tg and 5 Tg are added. Default 0:6:0.01.",
                                     "START:STOP:STEP");
    const QCommandLineOption tag = openSeesTagOption();
    const QCommandLineOption output = outputOption();
    const QCommandLineOption set("set",
                                 "Write one file per spectrum of the set file FILE, named after the spectrum, "
                                 "into the folder given by -o (default the current folder). The spectrum's own "
                                 "options (--code ... --name) do not go with it.",
                                 "FILE");
    const QCommandLineOption help = helpOption();
    const QCommandLineOption version("version", "Show the program's version and exit.");

    const QList<QCommandLineOption> options =
        spectrum.all() + QList<QCommandLineOption>{name, format, periods, tag, output, set, help, version};
    KspectParse result;
    result.helpText = commandHelp(QStringLiteral("Usage: kspect [options]\n"),
                               "Writes a seismic design response spectrum of GB 50011-2010, GB 50011-2001 or "
                               "GB/T 51408-2021 as (period, alpha) pairs for a structural analysis program.\n"
                               "Numbers are read and written with \".\". Exit status: 0 written, 1 the output "
                               "could not be written, 2 a refused option.",
                               options);
    QCommandLineParser parser;
    if (!parseCommand(parser, options, arguments, Positionals::Refused, result.error))
        return result;
    KspectRequest& request = result.request;
    if (parser.isSet(help)) {
        request.action = KspectRequest::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        request.action = KspectRequest::Action::Version;
        return result;
    }

    OptionReader reader(parser);
    const SpectrumChoice chosen = readSpectrumOptions(spectrum, parser, reader);
    request.codeType = chosen.codeType;
    request.alphaMax = chosen.alphaMax;
    request.tg = chosen.tg;
    request.dampingRatio = chosen.dampingRatio;
    readNameOption(reader, name, request.name);
    reader.analysisFormat(format, request.file.format);
    readPeriods(reader, periods, request.file.periods);
    reader.openSeesTag(tag, request.file.format, request.file.tag);
    request.toFile = reader.path(output, request.outputPath);
    const bool fromSet = reader.path(set, request.setPath);
    result.error = reader.error();
    if (result.error.isEmpty() && fromSet) {
        // A set brings its spectra: options that define one have no place.
        QList<QCommandLineOption> own = spectrum.all();
        own << name;
        for (const QCommandLineOption& option : own) {
            if (parser.isSet(option)) {
                result.error = "--" + option.names().first() + ": not with --set, whose spectra are defined in the set file";
                break;
            }
        }
    }
    return result;
}
