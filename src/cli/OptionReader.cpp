#include "cli/OptionReader.h"

#include "export/AnalysisFile.h"

#include <climits>

#include "inputs/InputRules.h"
#include "text/NumberText.h"

#include <QLocale>

bool OptionReader::value(const QCommandLineOption& option, QString& text)
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

bool OptionReader::path(const QCommandLineOption& option, QString& path)
{
    if (!value(option, path))
        return false;
    if (path.isEmpty())
        return refuse(option, "the file name is empty");
    return true;
}

bool OptionReader::analysisFormat(const QCommandLineOption& option, AnalysisFormat& format)
{
    QString text;
    if (!value(option, text))
        return false;
    if (!analysisFormatFromName(text, format))
        return refuse(option, quoted(text) + " is not one of " + analysisFormatList(QStringLiteral(", ")));
    return true;
}

bool OptionReader::openSeesTag(const QCommandLineOption& option, AnalysisFormat format, int& tag)
{
    if (!wholeNumber(option, 1, INT_MAX, tag))
        return false;
    if (format != AnalysisFormat::OpenSees)
        return refuse(option, "only for --format opensees");
    return true;
}

bool OptionReader::choice(const QCommandLineOption& option, const QStringList& words, int& index)
{
    QString text;
    if (!value(option, text))
        return false;
    const auto found = words.indexOf(text);
    if (found < 0)
        return refuse(option, quoted(text) + " is not one of " + words.join(", "));
    index = static_cast<int>(found);
    return true;
}

bool OptionReader::number(const QCommandLineOption& option, double& number)
{
    QString text;
    if (!value(option, text))
        return false;
    if (!parseLocaleDouble(text, number, QLocale::c()))
        return refuse(option, notANumberMessage(text));
    return true;
}

bool OptionReader::numbers(const QCommandLineOption& option, std::vector<double>& numbers)
{
    QString text;
    if (!value(option, text))
        return false;
    std::vector<double> read;
    for (const QString& part : text.split(QLatin1Char(','))) {
        double number = 0;
        if (!parseLocaleDouble(part, number, QLocale::c()))
            return refuse(option, notANumberMessage(part));
        read.push_back(number);
    }
    numbers = std::move(read);
    return true;
}

bool OptionReader::wholeNumber(const QCommandLineOption& option, int lowest, int highest, int& number)
{
    QString text;
    if (!value(option, text))
        return false;
    bool ok = false;
    const qlonglong parsed = text.trimmed().toLongLong(&ok);
    if (!ok || parsed < lowest || parsed > highest)
        return refuse(option, quoted(text) + " is not a whole number from " + QString::number(lowest) + " to "
                                  + QString::number(highest));
    number = static_cast<int>(parsed);
    return true;
}

bool OptionReader::refuse(const QCommandLineOption& option, const QString& what)
{
    if (!failed()) {
        const QString name = option.names().last();
        error_ = (name.size() == 1 ? "-" : "--") + name + ": " + what;
    }
    return false;
}

QCommandLineOption outputOption(const QString& what)
{
    return QCommandLineOption(QStringList{"o", "output"},
                              "Write " + what + " to FILE (replaced whole, or left as it was on failure) instead "
                              "of the standard output; - is the standard output.",
                              "FILE");
}

QCommandLineOption openSeesTagOption()
{
    return QCommandLineOption("tag", "Tag of the OpenSees time series, 1 or more, with --format opensees. Default 1.",
                              "N");
}

QCommandLineOption helpOption()
{
    return QCommandLineOption(QStringList{"h", "help"}, "Show this help and exit.");
}

QString analysisFormatList(const QString& separator)
{
    QStringList names;
    for (const AnalysisFormat format : analysisFormats())
        names << QString::fromLatin1(analysisFormatName(format));
    return names.join(separator);
}

QString commandHelp(const QString& usage, const QString& description, const QList<QCommandLineOption>& options)
{
    return usage + description + QStringLiteral("\n\nOptions:\n") + optionsHelp(options);
}

bool parseCommand(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                  const QStringList& arguments, Positionals positionals, QString& error)
{
    parser.addOptions(options);
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (positionals == Positionals::Refused && !parser.positionalArguments().isEmpty()) {
        error = quoted(parser.positionalArguments().first()) + ": not an option";
        return false;
    }
    return true;
}

bool startCommand(QCommandLineParser& parser, const QList<QCommandLineOption>& options, const QStringList& arguments,
                  Positionals positionals, const CommandHelp& text, QString& error, QByteArray& help)
{
    if (!parseCommand(parser, options, arguments, positionals, error))
        return false;
    if (!parser.isSet(QStringLiteral("help")))
        return true;
    help = commandHelp(text.usage, text.description, options).toLocal8Bit();
    return false;
}

QString optionsHelp(const QList<QCommandLineOption>& options)
{
    QString text;
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
