#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Output files are written whole or not at all: the content goes to a
// temporary file beside the target, which replaces the target only after every
// byte has reached the disk. A failure leaves an existing file as it was.
//
// Failures are thrown as KavrelError with the texts the user sees:
//   Cannot create file "<full path>". <the system's description>
//     when the file cannot be opened (missing folder, read-only folder or file,
//     a folder of that name, an empty name, a name holding a NUL character);
//   Stream write error
//     when writing or replacing fails (a full disk, a failing device).

// Writes all of `bytes` to the open `device`, retrying short writes, and
// flushes a file device so that a full disk shows up here. Throws
// "Stream write error" when the device takes less than everything.
void writeAllBytes(QIODevice* device, const QByteArray& bytes);

// Creates or replaces the file at `path` with what `write` writes to the
// device it is given. An exception thrown by `write` discards the new content
// and propagates unchanged.
void writeFileAtomically(const QString& path, const std::function<void(QIODevice*)>& write);

// Creates or replaces the file at `path` with exactly `bytes`.
void writeFileAtomically(const QString& path, const QByteArray& bytes);
