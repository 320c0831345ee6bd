// kspect: one design response spectrum as a file for an analysis program,
// from the command line and without a display.
//
// Exit status: 0 written; 1 the file or the standard output could not be
// written (an existing file is left as it was); 2 the command line was
// refused, and nothing was written; 3 (--check only) the sheet was written
// and a check fails. Every failure is one line on stderr; one that no
// command foresaw also ends with 1.
#include "common/KavrelVersion.h"
#include "cli/ArtificialCommand.h"
#include "cli/CheckCommand.h"
#include "cli/KspectOptions.h"
#include "cli/LibraryCommand.h"
#include "cli/RecordCommand.h"
#include "cli/SelectCommand.h"
#include "common/KavrelError.h"
#include "export/AnalysisFile.h"
#include "export/SafeFileWriter.h"
#include "export/SetAsFiles.h"
#include "spectrum/KavrelSpectrum.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <exception>
#include <new>
#include <cstdio>
#include <cstring>

namespace {

constexpr int exitWritten = 0;
constexpr int exitWriteFailed = 1;
constexpr int exitRefused = 2;
constexpr int exitCheckFails = 3;

// One line whatever the text holds (a file name may contain a line break).
void complain(const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fprintf(stderr, "kspect: %s\n", line.toLocal8Bit().constData());
}

bool writeStandardOutput(const QByteArray& bytes)
{
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout)
            != static_cast<std::size_t>(bytes.size())
        || std::fflush(stdout) != 0) {
        complain(QStringLiteral("cannot write to the standard output: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    return true;
}

// An argument whose bytes the system's encoding cannot hold would become a
// different name (a replacement character in place of each bad byte), and a
// file would be read or written under that other name.
QString argumentTheSystemCannotHold(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QString::fromLocal8Bit(bytes).toLocal8Bit() != bytes) {
            return QStringLiteral("\"%1\": holds bytes that are not valid in the system's encoding (UTF-8); "
                                  "such a name cannot be used")
                .arg(QString::fromLocal8Bit(bytes));
        }
    }
    return QString();
}

// kspect --record (a record's spectrum or history) and --check (the check
// sheet): written as the spectra are.
int writeCommandOutput(const RecordCommandOutput& output)
{
    if (!output.error.isEmpty()) {
        complain(output.error);
        return exitRefused;
    }
    try {
        if (!output.toFile || output.outputPath == QLatin1String("-"))
            return writeStandardOutput(output.bytes) ? exitWritten : exitWriteFailed;
        writeFileAtomically(output.outputPath, output.bytes, StreamOpening::WaitForReader);
    } catch (const KavrelError& error) {
        complain(error.message());
        return exitWriteFailed;
    }
    return exitWritten;
}

int run(int argc, char* argv[])
{
    // No application object: nothing here needs an event loop, and Qt's
    // would change the process's locale and, where no UTF-8 locale is
    // installed, warn on stderr, which scripts take for a failure.
    const QString unfit = argumentTheSystemCannotHold(argc, argv);
    if (!unfit.isEmpty()) {
        complain(unfit);
        return exitRefused;
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (asksForCheck(arguments)) {
        const CheckCommandOutput check = prepareCheckCommand(arguments);
        const int status = writeCommandOutput(check);
        return status == exitWritten && check.checkFails ? exitCheckFails : status;
    }
    if (asksForSelect(arguments)) {
        const SelectCommandOutput selected = runSelectCommand(arguments);
        for (const QString& message : selected.messages)
            complain(message);
        if (!selected.bytes.isEmpty() && !writeStandardOutput(selected.bytes))
            return exitWriteFailed;
        return selected.exitStatus;
    }
    if (asksForLibrary(arguments)) {
        const LibraryCommandOutput indexed = runLibraryCommand(arguments);
        for (const QString& message : indexed.messages)
            complain(message);
        if (!indexed.bytes.isEmpty() && !writeStandardOutput(indexed.bytes))
            return exitWriteFailed;
        return indexed.exitStatus;
    }
    if (asksForRecord(arguments))
        return writeCommandOutput(prepareRecordCommand(arguments));
    if (asksForArtificial(arguments)) {
        const ArtificialCommandOutput made = prepareArtificialCommand(arguments);
        const int status = writeCommandOutput(made);
        if (status == exitWritten && !made.report.isEmpty())
            std::fprintf(stderr, "kspect: %s\n", made.report.toLocal8Bit().constData());
        return status;
    }

    const KspectParse parsed = parseKspectArguments(arguments);
    if (!parsed.error.isEmpty()) {
        complain(parsed.error);
        return exitRefused;
    }
    const KspectRequest& request = parsed.request;
    switch (request.action) {
    case KspectRequest::Action::Help:
        return writeStandardOutput((parsed.helpText + "\n" + recordCommandUsage() + artificialCommandUsage() + checkCommandUsage() + libraryCommandUsage() + selectCommandUsage()).toLocal8Bit())
                   ? exitWritten
                   : exitWriteFailed;
    case KspectRequest::Action::Version:
        return writeStandardOutput(QByteArray("Kavrel_Spect " KAVREL_VERSION "\n")) ? exitWritten
                                                                                    : exitWriteFailed;
    case KspectRequest::Action::Write:
        break;
    }

    // "-" is the standard output, as for most programs that write a file.
    const bool toStandardOutput = !request.toFile || request.outputPath == QLatin1String("-");
    if (!request.setPath.isEmpty()) {
        if (request.toFile && toStandardOutput) {
            complain(QStringLiteral("--output: the standard output (\"-\") cannot take one file per spectrum; give a "
                                    "folder"));
            return exitRefused;
        }
        // The whole set is checked before anything is written.
        const AnalysisFileOptions options = request.file;
        const SpectrumFileFormat format{QString::fromLatin1(analysisFormatSuffix(options.format)),
                                        [options](const KavrelSpectrum& s) { return buildAnalysisFile(s, options); }};
        try {
            // A pipe or FIFO is read too, through the same bound as a file.
            writeSetFileAsFiles(request.setPath, request.outputPath, format, ReadSource::AnyStream,
                                StreamOpening::WaitForReader);
        } catch (const SetFileError& error) {
            complain(error.message());
            return exitRefused;
        } catch (const KavrelError& error) {
            complain(error.message());
            return exitWriteFailed;
        }
        return exitWritten;
    }

    const KavrelSpectrum spectrum(request.name, request.alphaMax, request.tg, request.dampingRatio,
                                  request.codeType);
    try {
        const QByteArray bytes = buildAnalysisFile(spectrum, request.file);
        if (toStandardOutput)
            return writeStandardOutput(bytes) ? exitWritten : exitWriteFailed;
        writeFileAtomically(request.outputPath, bytes, StreamOpening::WaitForReader);
    } catch (const KavrelError& error) {
        complain(error.message());
        return exitWriteFailed;
    }
    return exitWritten;
}

} // namespace

int main(int argc, char* argv[])
{
    // A signal while files are written takes back what was done so far.
    takeBackStagedFilesOnSignals();
    // Nothing leaves unreported: a failure no command foresaw is one line and
    // exit 1, nothing written, rather than an abort.
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        complain(QStringLiteral("out of memory; nothing was written"));
    } catch (const KavrelError& error) {
        complain(error.message());
    } catch (const std::exception& error) {
        complain(QStringLiteral("cannot go on: %1; nothing was written").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        complain(QStringLiteral("cannot go on: an unknown failure; nothing was written"));
    }
    return exitWriteFailed;
}
