#include "export/SafeFileWriter.h"

#include "common/KavrelError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The failures' texts, each with the file's full path and the system's
// reason, in the installed language (the command line installs none).
const char* const cannotCreateText = QT_TRANSLATE_NOOP("SafeFileWriter", "Cannot create file \"%1\". %2");
const char* const cannotWriteText = QT_TRANSLATE_NOOP("SafeFileWriter", "Stream write error: \"%1\". %2");

QString failure(const char* text, const QString& fullPath, const QString& reason)
{
    return QCoreApplication::translate("SafeFileWriter", text).arg(fullPath, reason);
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Worked out without asking the file system, which will not look at a name
// holding a NUL.
QString fullPathOf(const QString& path)
{
    if (path.isEmpty())
        return path;
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    return QDir::toNativeSeparators(QDir::cleanPath(absolute));
}

[[noreturn]] void cannotCreate(const QString& path, int error)
{
    throw KavrelError(failure(cannotCreateText, fullPathOf(path), systemText(error)));
}

[[noreturn]] void cannotWrite(const QString& path, int error)
{
    throw KavrelError(failure(cannotWriteText, fullPathOf(path), systemText(error)));
}

int openRetrying(const QByteArray& native, int flags, mode_t mode = 0)
{
    int fd = -1;
    do {
        fd = ::open(native.constData(), flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Writes every byte to `fd`; the system's reason on failure.
void writeAllTo(int fd, const QString& path, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            cannotWrite(path, written < 0 ? errno : EIO);
        data += written;
        left -= static_cast<std::size_t>(written);
    }
}

// One file to write, from its name to its place.
struct Target {
    QString path;           // as given, for messages
    QByteArray native;      // where it goes: the file a symbolic link points to
    const QByteArray* bytes = nullptr;
    bool stream = false;    // an existing device or FIFO, written into
    bool existed = false;
    mode_t mode = 0;
    QByteArray staged;      // the new content beside the target
    QByteArray kept;        // the old content while the batch is put in place
    bool placed = false;
};

QByteArray folderOf(const QByteArray& native)
{
    const qsizetype slash = native.lastIndexOf('/');
    if (slash < 0)
        return QByteArray(".");
    return slash == 0 ? QByteArray("/") : native.left(slash);
}

// A free name in the folder of `target`, short so that a long target name
// still leaves room for it.
QByteArray besideName(const QByteArray& target, const char* suffix)
{
    return folderOf(target) + "/.kavrel-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36)
        + suffix;
}

Target resolve(const QString& path, const QByteArray& bytes)
{
    Target target;
    target.path = path;
    target.bytes = &bytes;
    if (path.isEmpty())
        cannotCreate(path, ENOENT);
    // The system takes a file name only up to its first NUL, so a name holding
    // one would be written under its truncated part and reported as saved.
    if (path.contains(QChar(u'\0')))
        cannotCreate(path, EINVAL);
    target.native = QFile::encodeName(path);
    struct stat status {};
    if (::stat(target.native.constData(), &status) != 0) {
        if (errno != ENOENT)
            cannotCreate(path, errno);
        return target;  // a new file (a missing folder shows when it is made)
    }
    if (S_ISDIR(status.st_mode))
        cannotCreate(path, EISDIR);
    if (!S_ISREG(status.st_mode)) {
        target.stream = true;
        return target;
    }
    // A read-only file is not replaced behind its owner's back.
    if (::access(target.native.constData(), W_OK) != 0)
        cannotCreate(path, errno);
    target.existed = true;
    target.mode = status.st_mode & 07777;
    // Through a symbolic link the file it names is replaced, not the link.
    if (char* real = ::realpath(target.native.constData(), nullptr)) {
        target.native = QByteArray(real);
        std::free(real);
    }
    return target;
}

void stage(Target& target)
{
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        target.staged = besideName(target.native, ".part");
        fd = openRetrying(target.staged, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        target.staged.clear();
        cannotCreate(target.path, error);
    }
    try {
        if (target.existed && ::fchmod(fd, target.mode) != 0)
            cannotCreate(target.path, errno);
        writeAllTo(fd, target.path, *target.bytes);
        // Only a file whose bytes are on the disk may replace the old one.
        if (::fsync(fd) != 0)
            cannotWrite(target.path, errno);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        cannotWrite(target.path, errno);
}

// Puts the staged file in place; the old one stays reachable under `kept`
// until the whole batch is in place.
void place(Target& target)
{
    if (target.existed) {
        target.kept = besideName(target.native, ".old");
        if (::link(target.native.constData(), target.kept.constData()) != 0) {
            target.kept.clear();
            cannotCreate(target.path, errno);
        }
    }
    if (::rename(target.staged.constData(), target.native.constData()) != 0)
        cannotCreate(target.path, errno);
    target.staged.clear();
    target.placed = true;
}

void writeInto(const Target& target, StreamOpening opening)
{
    int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC;
    if (opening == StreamOpening::Immediately)
        flags |= O_NONBLOCK;
    const int fd = openRetrying(target.native, flags);
    if (fd < 0)
        cannotCreate(target.path, errno);
    if (opening == StreamOpening::Immediately)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    try {
        writeAllTo(fd, target.path, *target.bytes);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        cannotWrite(target.path, errno);
}

void undo(std::vector<Target>& targets)
{
    for (Target& target : targets) {
        if (target.placed) {
            if (target.existed)
                ::rename(target.kept.constData(), target.native.constData());
            else
                ::unlink(target.native.constData());
        }
        if (!target.staged.isEmpty())
            ::unlink(target.staged.constData());
        if (!target.kept.isEmpty() && !target.placed)
            ::unlink(target.kept.constData());
    }
}

} // namespace

void writeAllBytes(QIODevice* device, const QByteArray& bytes)
{
    auto* file = qobject_cast<QFileDevice*>(device);
    const auto fail = [file] {
        // A file is named with Qt's account of the failure; an in-memory
        // device has neither.
        if (file != nullptr && !file->fileName().isEmpty()) {
            throw KavrelError(failure(cannotWriteText, fullPathOf(file->fileName()), file->errorString()));
        }
        throw KavrelError(QCoreApplication::translate("SafeFileWriter", "Stream write error"));
    };
    if (device == nullptr || !device->isWritable())
        fail();
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        // A file on a nearly full disk takes part of a block and refuses the
        // rest only on the next call, so a short write is tried again.
        const qint64 written = device->write(data, left);
        if (written <= 0)
            fail();
        data += written;
        left -= written;
    }
    if (file != nullptr && !file->flush())
        fail();
}

void writeFilesTogether(const std::vector<FileContent>& files, StreamOpening opening)
{
    std::vector<Target> targets;
    targets.reserve(files.size());
    for (const auto& [path, bytes] : files)
        targets.push_back(resolve(path, bytes));
    try {
        for (Target& target : targets) {
            if (!target.stream)
                stage(target);
        }
        for (Target& target : targets) {
            if (!target.stream)
                place(target);
        }
        for (const Target& target : targets) {
            if (target.stream)
                writeInto(target, opening);
        }
    } catch (...) {
        undo(targets);
        throw;
    }
    for (const Target& target : targets) {
        if (!target.kept.isEmpty())
            ::unlink(target.kept.constData());
    }
}

void writeFileAtomically(const QString& path, const QByteArray& bytes, StreamOpening opening)
{
    writeFilesTogether({{path, bytes}}, opening);
}

void writeFileAtomically(const QString& path, const std::function<void(QIODevice*)>& write, StreamOpening opening)
{
    // The producer writes into memory; the bytes then take the one road to
    // the disk, where every failure keeps the system's reason.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(&buffer);
    buffer.close();
    writeFileAtomically(path, bytes, opening);
}
