#include "export/SafeFileWriter.h"

#include "common/KavrelError.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void throwWriteError()
{
    throw KavrelError(QStringLiteral("Stream write error"));
}

// The system takes a file name only up to its first NUL, so a name holding
// one would be written under its truncated part and reported as saved.
bool holdsNul(const QString& path)
{
    return path.contains(QChar(u'\0'));
}

// Worked out without asking the file system, which will not look at a name
// holding a NUL.
QString fullPathOf(const QString& path)
{
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    return QDir::toNativeSeparators(QDir::cleanPath(absolute));
}

// The system's own words for why `path` could not be opened. Qt words a few
// cases itself before asking the system; those are put back into the
// system's terms so that every failure reads the same way.
QString openFailureReason(const QString& path, const QSaveFile& file)
{
    if (path.isEmpty())
        return systemText(ENOENT);
    if (holdsNul(path))
        return systemText(EINVAL);
    const QFileInfo info(path);
    if (info.isDir())
        return systemText(EISDIR);
    if (info.exists() && !info.isWritable())
        return systemText(EACCES);
    return file.errorString();
}

} // namespace

void writeAllBytes(QIODevice* device, const QByteArray& bytes)
{
    if (device == nullptr || !device->isWritable())
        throwWriteError();
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        // A file on a nearly full disk takes part of a block and refuses the
        // rest only on the next call, so a short write is tried again.
        const qint64 written = device->write(data, left);
        if (written <= 0)
            throwWriteError();
        data += written;
        left -= written;
    }
    if (auto* file = qobject_cast<QFileDevice*>(device)) {
        if (!file->flush())
            throwWriteError();
    }
}

void writeFileAtomically(const QString& path, const std::function<void(QIODevice*)>& write)
{
    // An empty name would make the temporary file in the working folder.
    QSaveFile file(path);
    if (path.isEmpty() || holdsNul(path) || !file.open(QIODevice::WriteOnly)) {
        throw KavrelError(QStringLiteral("Cannot create file \"%1\". %2")
                              .arg(path.isEmpty() ? path : fullPathOf(path), openFailureReason(path, file)));
    }
    // Leaving by an exception destroys `file` uncommitted, which removes the
    // temporary file and keeps the target untouched.
    write(&file);
    // commit() would report success for data that a full disk refused while
    // its buffer was flushed on closing, so the buffer goes out here first.
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit())
        throwWriteError();
}

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    writeFileAtomically(path, [&bytes](QIODevice* device) { writeAllBytes(device, bytes); });
}
