#pragma once

#include "common/KavrelError.h"

#include <QByteArray>
#include <QString>

// Whole-file reads that can neither fill the memory nor hang: at most
// `limitBytes` + 1 bytes are ever read, whatever the file claims its size is,
// so /dev/zero, an endless pipe or a file that grows while it is read is
// refused once it passes the limit.

// What a read may open.
enum class ReadSource {
    // Regular files only. A FIFO or a device is refused without waiting for
    // a writer, so an event loop never stops in open().
    RegularFileOnly,
    // Pipes, FIFOs and devices as well, as a command-line program reads them
    // (a FIFO waits for its writer, as `cat` does); still through the bound.
    AnyStream,
};

// A read that failed. message() names the file and says why:
//   "<file name>": cannot be read: <the system's reason>
//   "<file name>": is not a regular file
//   "<file name>": is larger than <limit> bytes
// reason() is the part after "<file name>": ", for callers that word the
// refusal in their own terms (a set file "is too large to be a set file").
class FileReadError : public KavrelError {
public:
    enum class Fault { CannotRead, NotARegularFile, TooLarge };

    FileReadError(Fault fault, const QString& fileName, const QString& reason);

    Fault fault() const noexcept { return fault_; }
    const QString& fileName() const noexcept { return fileName_; }
    const QString& reason() const noexcept { return reason_; }

private:
    Fault fault_;
    QString fileName_;
    QString reason_;
};

// The whole content of the file at `path`, of at most `limitBytes` bytes.
// Throws FileReadError; the file name in it is the last part of `path`.
QByteArray readBoundedFile(const QString& path, qint64 limitBytes, ReadSource source = ReadSource::RegularFileOnly);
