#pragma once

#include <QByteArray>
#include <QString>
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
// redirection does.
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
// every new one is removed. Targets that are devices or FIFOs are written
// last (what went into a device cannot be taken back).
using FileContent = std::pair<QString, QByteArray>;
void writeFilesTogether(const std::vector<FileContent>& files, StreamOpening opening = StreamOpening::Immediately);
