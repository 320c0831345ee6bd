#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QIODevice;

// Output files are written whole or not at all: the content goes to a
// temporary file beside the target, which replaces the target only after every
// byte has reached the disk. A failure leaves an existing file as it was.
//
// A target that exists and is not a regular file (a device, a FIFO, the
// terminal) is never replaced: the content is written into it, as a shell's
// redirection does. A symbolic link is written through: the file it names is
// replaced or created; a link into a folder that does not exist is refused,
// naming that folder.
//
// Failures are thrown as KavrelError with the texts the user sees, each
// naming the file and the system's reason:
//   Cannot create file "<full path>". <the system's description>
//     when the file cannot be opened or put in place (missing folder,
//     read-only folder or file, a folder of that name, an empty name, a name
//     holding a NUL character, a name too long);
//   Stream write error: "<full path>". <the system's description>
//     when writing fails (a full disk, a failing device).

// How a FIFO without a reader is opened for writing.
enum class StreamOpening {
    // Refused at once ("No such device or address"): a window never waits.
    Immediately,
    // Waits for the reader, as a command-line program does.
    WaitForReader,
};

// Writes all of `bytes` to the open `device`, retrying short writes, and
// flushes a file device so that a full disk shows up here. Throws
// "Stream write error" (with the file's name and reason for a file device)
// when the device takes less than everything.
void writeAllBytes(QIODevice* device, const QByteArray& bytes);

// Creates or replaces the file at `path` with what `write` writes to the
// device it is given. An exception thrown by `write` discards the new content
// and propagates unchanged.
void writeFileAtomically(const QString& path, const std::function<void(QIODevice*)>& write,
                         StreamOpening opening = StreamOpening::Immediately);

// Creates or replaces the file at `path` with exactly `bytes`.
void writeFileAtomically(const QString& path, const QByteArray& bytes,
                         StreamOpening opening = StreamOpening::Immediately);

// Several files, all or none: every regular file is staged beside its target
// first; only when all are on the disk do they replace their targets
// together. On any failure every file that existed keeps its old bytes and
// every new one is removed. A device or FIFO among several targets is refused
// before anything is written (what went into it cannot be taken back).
using FileContent = std::pair<QString, QByteArray>;
void writeFilesTogether(const std::vector<FileContent>& files, StreamOpening opening = StreamOpening::Immediately);

// The same for files whose contents are made one at a time by `contentOf`
// (the index of the path), as each is staged: only one file's bytes are in
// memory at once, however many files there are.
void writeFilesTogether(const QStringList& paths, const std::function<QByteArray(qsizetype)>& contentOf,
                        StreamOpening opening = StreamOpening::Immediately);

// From now on, SIGINT, SIGTERM and SIGHUP during a write take back what the
// write had done (staged files removed, replaced files given back their old
// bytes) before the process ends of the signal. For a command-line program,
// which has no other use for those signals.
void takeBackStagedFilesOnSignals();
