#include "cli/LibraryCommand.h"

#include "cli/OptionReader.h"
#include "common/Language.h"
#include "library/LibraryCatalogue.h"
#include "library/LibraryError.h"
#include "library/LibraryIndex.h"
#include "library/LibraryIndexer.h"
#include "library/LibraryListing.h"
#include "text/NumberText.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cmath>

namespace {

constexpr int exitDone = 0;
constexpr int exitIndexFailed = 1;
constexpr int exitRefused = 2;

const char* const description =
    "With --library: indexes the record files of the folders and zip archives (sub-folders too; zip members are "
    "read in place) into the index, reading only new and changed files, and reports on stderr what it found. "
    "--list writes one line per component. Exit status: 0 done, 1 the index cannot be written, 2 a refused "
    "option or a library with no readable record.";

QString seconds(double value)
{
    return formatGeneral(std::round(value * 100) / 100, QLocale::c());
}

} // namespace

bool asksForLibrary(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--library") || argument.startsWith(QLatin1String("--library=")))
            return true;
    }
    return false;
}

QString libraryCommandUsage()
{
    return QStringLiteral("Usage: kspect --library DIR|ZIP [--library DIR|ZIP ...] [--index FILE] [--list]\n"
                          "              [--format table|csv]\n");
}

LibraryCommandOutput runLibraryCommand(const QStringList& arguments)
{
    // kspect has no application object to name the data folder: the window's
    // name, so that both find the same index.
    QCoreApplication::setApplicationName(settingsApplication());
    const QCommandLineOption library("library", "A folder or zip archive of record files; may be repeated.",
                                     "DIR|ZIP");
    const QCommandLineOption index("index", "The index file. Default: library.sqlite in the user's data folder ("
                                            + QDir::toNativeSeparators(defaultIndexPath()) + ").",
                                   "FILE");
    const QCommandLineOption list("list", "Write one line per component on the standard output.");
    const QCommandLineOption format("format", "The --list format: table (tabs, the default) or csv.", "F");
    const QCommandLineOption help = helpOption();
    const QList<QCommandLineOption> all{library, index, list, format, help};
    QCommandLineParser parser;
    parser.addOptions(all);
    LibraryCommandOutput result;
    const auto refused = [&result](const QString& message) {
        result.exitStatus = exitRefused;
        result.messages << message;
        return result;
    };
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (parser.isSet(help)) {
        result.bytes = commandHelp(libraryCommandUsage(), description, all).toLocal8Bit();
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(quoted(parser.positionalArguments().first()) + ": --library takes its folders with --library");
    OptionReader read(parser);
    QString indexPath = defaultIndexPath();
    read.path(index, indexPath);
    int formatIndex = 0;
    read.choice(format, {QStringLiteral("table"), QStringLiteral("csv")}, formatIndex);
    if (parser.isSet(format) && !parser.isSet(list))
        read.refuse(format, "applies to --list only");
    if (read.failed())
        return refused(read.error());
    std::vector<LibraryLocation> locations;
    for (const QString& place : parser.values(library)) {
        if (place.isEmpty())
            return refused(QStringLiteral("--library: the name is empty"));
        try {
            locations.push_back(libraryLocation(place));
        } catch (const LibraryError& error) {
            return refused(QStringLiteral("--library: ") + error.message());
        }
    }

    Catalogue catalogue;
    try {
        const IndexWriteLock lock(indexPath);
        LibraryIndex libraryIndex(indexPath);
        if (libraryIndex.wasRebuilt())
            result.messages << QStringLiteral("the index \"%1\" was of an older layout; it is built again")
                                   .arg(QDir::toNativeSeparators(indexPath));
        const IndexSummary summary = updateLibraryIndex(libraryIndex, locations);
        result.messages << QStringLiteral("library: ") + indexSummaryText(summary);
        for (const auto& [path, message] : summary.refused)
            result.messages << QStringLiteral("refused: ") + message;
        result.messages << QStringLiteral("%1 components in %2 recordings, %3 s")
                               .arg(summary.components)
                               .arg(summary.recordings)
                               .arg(seconds(summary.seconds));
        if (summary.components == 0) {
            result.exitStatus = exitRefused;
            result.messages << QStringLiteral("--library: no readable record in the library");
            return result;
        }
        if (parser.isSet(list))
            catalogue = readCatalogue(libraryIndex, locations);
    } catch (const LibraryError& error) {
        result.exitStatus = exitIndexFailed;
        result.messages << error.message();
        return result;
    }
    if (parser.isSet(list))
        result.bytes = buildListing(catalogue, formatIndex == 1 ? ListingFormat::Csv : ListingFormat::Table);
    return result;
}
