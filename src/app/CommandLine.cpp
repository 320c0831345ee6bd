#include "app/CommandLine.h"

#include "common/KavrelVersion.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

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
    "  Qt's own options (-platform NAME, -style NAME, ...) are accepted as well.\n"
    "\n"
    "Arguments:\n"
    "  FILE.kspect\n"
    "      A set of spectra to open.\n";

} // namespace

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
    return std::nullopt;
}
