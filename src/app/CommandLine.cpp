#include "app/CommandLine.h"

#include "common/KavrelVersion.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

bool writeStandardOutput(const QByteArray& bytes)
{
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout)
               == static_cast<std::size_t>(bytes.size())
           && std::fflush(stdout) == 0;
}

const char helpText[] =
    "Usage: kavrel-spect [options] [FILE.kspect]\n"
    "Builds seismic design response spectra of GB 50011-2010, GB 50011-2001 and GB/T 51408-2021 and "
    "compares them in a window.\n"
    "\n"
    "Options:\n"
    "  -h, --help\n"
    "      Show this help and exit.\n"
    "  --version\n"
    "      Show the program's version and exit.\n"
    "  --language en|zh_CN\n"
    "      Show the windows in English or in Simplified Chinese for this run, whatever View > Language\n"
    "      has chosen.\n"
    "  Qt's own options (-platform NAME, -style NAME, ...) are accepted as well.\n"
    "\n"
    "Arguments:\n"
    "  FILE.kspect\n"
    "      A set of spectra to open.\n";

const char languageOption[] = "--language";

// The value of a --language option at argv[i] ("--language CODE" or
// "--language=CODE") and how many arguments it takes; 0 when argv[i] is not one.
int languageOptionAt(int argc, char** argv, int i, QString& value)
{
    const QByteArray argument(argv[i]);
    if (argument == languageOption) {
        value = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        return i + 1 < argc ? 2 : 1;
    }
    if (argument.startsWith(QByteArray(languageOption) + '=')) {
        value = QString::fromLocal8Bit(argument.mid(int(sizeof languageOption)));
        return 1;
    }
    return 0;
}

} // namespace

std::optional<Language> takeLanguageOption(int& argc, char** argv)
{
    std::optional<Language> chosen;
    int kept = 0;
    bool optionsEnded = false;  // after "--" every argument is a file
    for (int i = 0; i < argc;) {
        QString value;
        optionsEnded = optionsEnded || (i > 0 && QByteArray(argv[i]) == "--");
        const int taken = i > 0 && !optionsEnded ? languageOptionAt(argc, argv, i, value) : 0;
        if (taken == 0) {
            argv[kept++] = argv[i++];
            continue;
        }
        if (const std::optional<Language> language = languageFromCode(value))
            chosen = language;
        i += taken;
    }
    argc = kept;
    argv[argc] = nullptr;
    return chosen;
}

std::optional<int> answerTerminalOptions(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are single-dash words: read whole, "-platform" is one
    // unknown name rather than "-p -l -a ...", and cannot pass for -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    // Unknown options are not refused here: they may be Qt's, which the
    // application object reads and removes.
    parser.parse(arguments);

    if (parser.isSet(help))
        return writeStandardOutput(QByteArray(helpText)) ? 0 : 1;
    if (parser.isSet(version))
        return writeStandardOutput(QByteArray("Kavrel_Spect " KAVREL_VERSION "\n")) ? 0 : 1;
    for (int i = 1; i < argc && QByteArray(argv[i]) != "--"; ++i) {
        QString value;
        const int taken = languageOptionAt(argc, argv, i, value);
        if (taken > 0 && !languageFromCode(value)) {
            std::fprintf(stderr, "kavrel-spect: unknown language \"%s\" for --language; use en or zh_CN.\n",
                         value.toLocal8Bit().constData());
            return 2;
        }
        i += std::max(taken - 1, 0);
    }
    return std::nullopt;
}
