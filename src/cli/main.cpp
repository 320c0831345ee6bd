// kspect: one design response spectrum as a file for an analysis program,
// from the command line and without a display.
//
// Exit status: 0 written; 1 the file or the standard output could not be
// written (an existing file is left as it was); 2 the command line was
// refused, and nothing was written; 3 (--check only) the sheet was written
// and a check fails. Every failure is one line on stderr.
#include "common/KavrelVersion.h"
#include "cli/CheckCommand.h"
#include "cli/KspectOptions.h"
#include "cli/RecordCommand.h"
#include "common/KavrelError.h"
#include "export/AnalysisFile.h"
#include "export/SafeFileWriter.h"
#include "export/SetAsFiles.h"
#include "spectrum/KavrelSpectrum.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

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

// Like saveAnalysisFile, but a failed write says why in the system's words
// ("No space left on device"), which a script's log needs. Qt's buffered file
// loses that reason when a write stops part-way, so the bytes go straight to
// the temporary file's descriptor; the safe writer still replaces the target
// only once they are all on the disk.
void saveWithReason(const QString& path, const QByteArray& bytes)
{
    writeFileAtomically(path, [&bytes](QIODevice* device) {
        auto* file = qobject_cast<QFileDevice*>(device);
        const int descriptor = file ? file->handle() : -1;
        if (descriptor < 0) {
            writeAllBytes(device, bytes);
            return;
        }
        const char* data = bytes.constData();
        std::size_t left = static_cast<std::size_t>(bytes.size());
        while (left > 0) {
            const ssize_t written = ::write(descriptor, data, left);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                throw KavrelError(QStringLiteral("Stream write error: %1")
                                      .arg(QString::fromLocal8Bit(std::strerror(written < 0 ? errno : EIO))));
            }
            data += written;
            left -= static_cast<std::size_t>(written);
        }
    });
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
        if (!output.toFile)
            return writeStandardOutput(output.bytes) ? exitWritten : exitWriteFailed;
        saveWithReason(output.outputPath, output.bytes);
    } catch (const KavrelError& error) {
        complain(error.message());
        return exitWriteFailed;
    }
    return exitWritten;
}

} // namespace

int main(int argc, char* argv[])
{
    // No application object: nothing here needs an event loop, and Qt's
    // would change the process's locale and, where no UTF-8 locale is
    // installed, warn on stderr, which scripts take for a failure.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (asksForCheck(arguments)) {
        const CheckCommandOutput check = prepareCheckCommand(arguments);
        const int status = writeCommandOutput(check);
        return status == exitWritten && check.checkFails ? exitCheckFails : status;
    }
    if (asksForRecord(arguments))
        return writeCommandOutput(prepareRecordCommand(arguments));

    const KspectParse parsed = parseKspectArguments(arguments);
    if (!parsed.error.isEmpty()) {
        complain(parsed.error);
        return exitRefused;
    }
    const KspectRequest& request = parsed.request;
    switch (request.action) {
    case KspectRequest::Action::Help:
        return writeStandardOutput((parsed.helpText + "\n" + recordCommandUsage() + checkCommandUsage()).toLocal8Bit())
                   ? exitWritten
                   : exitWriteFailed;
    case KspectRequest::Action::Version:
        return writeStandardOutput(QByteArray("Kavrel_Spect " KAVREL_VERSION "\n")) ? exitWritten
                                                                                    : exitWriteFailed;
    case KspectRequest::Action::Write:
        break;
    }

    if (!request.setPath.isEmpty()) {
        // The whole set is checked before anything is written.
        const AnalysisFileOptions options = request.file;
        const SpectrumFileFormat format{QString::fromLatin1(analysisFormatSuffix(options.format)),
                                        [options](const KavrelSpectrum& s) { return buildAnalysisFile(s, options); }};
        try {
            writeSetFileAsFiles(request.setPath, request.outputPath, format);
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
        if (!request.toFile)
            return writeStandardOutput(bytes) ? exitWritten : exitWriteFailed;
        saveWithReason(request.outputPath, bytes);
    } catch (const KavrelError& error) {
        complain(error.message());
        return exitWriteFailed;
    }
    return exitWritten;
}
