#include "cli/KspectOptions.h"

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

QString formatList(const QString& separator)
{
    QStringList names;
    for (const AnalysisFormat format : analysisFormats())
        names << QString::fromLatin1(analysisFormatName(format));
    return names.join(separator);
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Reads the options one by one and keeps the first complaint.
class Reader {
public:
    explicit Reader(const QCommandLineParser& parser) : parser_(parser) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

    // The option's one value, or nothing when it is not given. Given twice it
    // is refused: which one was meant cannot be known.
    bool value(const QCommandLineOption& option, QString& text)
    {
        if (failed())
            return false;
        const QStringList values = parser_.values(option);
        if (values.isEmpty())
            return false;
        if (values.size() > 1)
            return refuse(option, "given more than once");
        text = values.first();
        return true;
    }

    void choice(const QCommandLineOption& option, const SelectionChoices& choices, std::int32_t& index)
    {
        QString text;
        if (!value(option, text))
            return;
        const int found = choiceOfWord(choices, text);
        if (found >= 0)
            index = found;
        else
            refuse(option, quoted(text) + " is not one of " + choiceList(choices, ", "));
    }

    // A number as the window's edit boxes take it, but always with "." so
    // that a script means the same in every locale.
    void number(const QCommandLineOption& option, NumberInput which, double& value)
    {
        QString text;
        if (this->value(option, text))
            accept(option, readNumber(text, which, QLocale::c()), value);
    }

    void name(const QCommandLineOption& option, std::string& name)
    {
        QString text;
        if (value(option, text))
            accept(option, readName(text), name);
    }

    template <typename T>
    void accept(const QCommandLineOption& option, const InputRead<T>& read, T& value)
    {
        if (read.accepted())
            value = read.value;
        else
            refuse(option, read.refusal);
    }

    void format(const QCommandLineOption& option, AnalysisFormat& format)
    {
        QString text;
        if (value(option, text) && !analysisFormatFromName(text, format))
            refuse(option, quoted(text) + " is not one of " + formatList(", "));
    }

    void periods(const QCommandLineOption& option, PeriodRange& range)
    {
        QString text;
        if (!value(option, text))
            return;
        const QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() != 3) {
            refuse(option, quoted(text) + " is not START:STOP:STEP");
            return;
        }
        double numbers[3] = {};
        for (int i = 0; i < 3; ++i) {
            if (!parseLocaleDouble(parts[i], numbers[i], QLocale::c())) {
                refuse(option, notANumberMessage(parts[i]));
                return;
            }
        }
        const PeriodRange candidate{numbers[0], numbers[1], numbers[2]};
        const QString problem = periodRangeProblem(candidate);
        if (!problem.isEmpty()) {
            refuse(option, problem);
            return;
        }
        range = candidate;
    }

    void tag(const QCommandLineOption& option, AnalysisFormat format, int& tag)
    {
        QString text;
        if (!value(option, text))
            return;
        bool ok = false;
        const qlonglong parsed = text.trimmed().toLongLong(&ok);
        if (!ok || parsed < 1 || parsed > INT_MAX) {
            refuse(option, quoted(text) + " is not a whole number from 1 to " + QString::number(INT_MAX));
            return;
        }
        if (format != AnalysisFormat::OpenSees) {
            refuse(option, "only for --format opensees");
            return;
        }
        tag = static_cast<int>(parsed);
    }

    void path(const QCommandLineOption& option, bool& given, QString& path)
    {
        given = value(option, path);
        // An empty name is a mistake, not "no option": it would read or
        // write something else than the user meant.
        if (given && path.isEmpty())
            refuse(option, "the file name is empty");
    }

private:
    bool refuse(const QCommandLineOption& option, const QString& what)
    {
        const QString name = option.names().last();
        error_ = (name.size() == 1 ? "-" : "--") + name + ": " + what;
        return false;
    }

    const QCommandLineParser& parser_;
    QString error_;
};

// The usage line, then every option with its value and its description.
QString helpText(const QString& description, const QList<QCommandLineOption>& options)
{
    QString text = "Usage: kspect [options]\n" + description + "\n\nOptions:\n";
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? "-" : "--") + name;
        QString head = "  " + names.join(", ");
        if (!option.valueName().isEmpty())
            head += " " + option.valueName();
        text += head + "\n      " + option.description() + "\n";
    }
    return text;
}

} // namespace

KspectParse parseKspectArguments(const QStringList& arguments)
{
    const QCommandLineOption code("code",
                                  "Design code: " + choiceList(codeChoices(), ", ")
                                      + " (GB 50011-2010, GB 50011-2001, GB/T 51408-2021). Default 2010.",
                                  "2010|2001|51408");
    const QCommandLineOption intensity(
        "intensity",
        "Seismic intensity: 6 (0.05 g), 7 (0.10 g), 7.5 (7 with 0.15 g), 8 (0.20 g), 8.5 (8 with 0.30 g), "
        "9 (0.40 g). Default 6.",
        choiceList(intensityChoices(), "|"));
    const QCommandLineOption action("action",
                                    "Seismic action: frequent, design (design-basis), rare, very-rare. "
                                    "Default frequent.",
                                    choiceList(actionChoices(), "|"));
    const QCommandLineOption site("site", "Site class: " + choiceList(siteChoices(), ", ") + ". Default I0.",
                                  choiceList(siteChoices(), "|"));
    const QCommandLineOption group("group", "Earthquake group: 1, 2, 3. Default 1.",
                                   choiceList(groupChoices(), "|"));
    const QCommandLineOption alphaMax("alpha-max",
                                      "AlphaMax, 0 or more; overrides the code table's value for the "
                                      "intensity and action.",
                                      "A");
    const QCommandLineOption tg("tg",
                                "Tg in seconds, 0 or more; overrides the code table's value for the site "
                                "class and group.",
                                "T");
    const QCommandLineOption rareTg("rare-tg",
                                    "For rare and very rare earthquakes, Tg + 0.05 s (GB 50011 5.1.4; the 2001 "
                                    "code at intensities 8 and 9 only; not with 51408).");
    const QCommandLineOption vertical("vertical",
                                      "The vertical spectrum: 65 % of AlphaMax with the Tg of the 1st group "
                                      "(GB 50011 5.3.1, 5.3.4).");
    const QCommandLineOption damping("damping", "Damping ratio, 0 or more (0.05 is 5 %). Default 0.05.", "Z");
    const QCommandLineOption name("name", "Name of the spectrum, fewer than 20 bytes. Default Spectrum-1.",
                                  "NAME");
    const QCommandLineOption format("format",
                                    "File format: table (tab-separated, the default), csv, csi "
                                    "(SAP2000/ETABS), midas (MIDAS Gen/Civil .sgs), staad (STAAD.Pro), "
                                    "opensees (Tcl timeSeries Path).",
                                    formatList("|"));
    const QCommandLineOption periods("periods",
                                     "Periods START + i x STEP from START to STOP, within 0 and 6 s; the "
                                     "corners 0.1 s, Tg and 5 Tg are added. Default 0:6:0.01.",
                                     "START:STOP:STEP");
    const QCommandLineOption tag("tag", "Tag of the OpenSees time series, 1 or more. Default 1.", "N");
    const QCommandLineOption output(QStringList{"o", "output"},
                                    "Write the file FILE (replaced whole, or left as it was on failure) "
                                    "instead of the standard output.",
                                    "FILE");
    const QCommandLineOption set("set",
                                 "Write one file per spectrum of the set file FILE, named after the spectrum, "
                                 "into the folder given by -o (default the current folder). The spectrum's own "
                                 "options (--code ... --name) do not go with it.",
                                 "FILE");
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version("version", "Show the program's version and exit.");

    const QList<QCommandLineOption> options = {code,    intensity, action, site,    group, rareTg,
                                               vertical, alphaMax, tg,     damping, name,  format,
                                               periods, tag,       output, set,     help,  version};
    QCommandLineParser parser;
    parser.addOptions(options);

    KspectParse result;
    result.helpText = helpText("Writes a seismic design response spectrum of GB 50011-2010, GB 50011-2001 or "
                               "GB/T 51408-2021 as (period, alpha) pairs for a structural analysis program.\n"
                               "Numbers are read and written with \".\". Exit status: 0 written, 1 the output "
                               "could not be written, 2 a refused option.",
                               options);
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = quoted(parser.positionalArguments().first()) + ": not an option";
        return result;
    }
    KspectRequest& request = result.request;
    if (parser.isSet(help)) {
        request.action = KspectRequest::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        request.action = KspectRequest::Action::Version;
        return result;
    }

    Reader reader(parser);
    std::int32_t intensityIndex = startup::intensityIndex;
    std::int32_t actionIndex = startup::seismicActionIndex;
    std::int32_t siteIndex = startup::siteClassIndex;
    std::int32_t groupIndex = startup::groupIndex;
    reader.choice(code, codeChoices(), request.codeType);
    reader.choice(intensity, intensityChoices(), intensityIndex);
    reader.choice(action, actionChoices(), actionIndex);
    reader.choice(site, siteChoices(), siteIndex);
    reader.choice(group, groupChoices(), groupIndex);
    CodeRuleOptions rules;
    rules.rareTg = parser.isSet(rareTg);
    rules.vertical = parser.isSet(vertical);
    const CodeSelection selection{request.codeType, intensityIndex, actionIndex, siteIndex, groupIndex};
    // Asked for where it cannot apply, the rule would silently change nothing.
    if (rules.rareTg && !reader.failed()) {
        const std::string refusal = rareTgRefusal(selection);
        if (!refusal.empty()) {
            result.error = "--rare-tg: " + QString::fromStdString(refusal);
            return result;
        }
    }
    // An explicit --alpha-max or --tg below still wins, as typing into the window does.
    const CodeParameters fromTables = codeParameters(selection, rules);
    request.alphaMax = fromTables.alphaMax;
    request.tg = fromTables.tg;
    reader.name(name, request.name);
    reader.number(alphaMax, NumberInput::AlphaMax, request.alphaMax);
    reader.number(tg, NumberInput::Tg, request.tg);
    reader.number(damping, NumberInput::DampingRatio, request.dampingRatio);
    reader.format(format, request.file.format);
    reader.periods(periods, request.file.periods);
    reader.tag(tag, request.file.format, request.file.tag);
    reader.path(output, request.toFile, request.outputPath);
    bool fromSet = false;
    reader.path(set, fromSet, request.setPath);
    result.error = reader.error();
    if (result.error.isEmpty() && fromSet) {
        // A set brings its spectra: options that define one have no place.
        for (const QCommandLineOption* own :
             {&code, &intensity, &action, &site, &group, &rareTg, &vertical, &alphaMax, &tg, &damping, &name}) {
            if (parser.isSet(*own)) {
                result.error = "--" + own->names().first() + ": not with --set, whose spectra are defined in the set file";
                break;
            }
        }
    }
    return result;
}
