#include "common/BoundedRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 chunkBytes = 64 * 1024;

// The words of a refusal in the installed language; the command line installs
// none and keeps the English.
QString translated(const char* text)
{
    return QCoreApplication::translate("BoundedRead", text);
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString shownName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

FileReadError::FileReadError(Fault fault, const QString& fileName, const QString& reason)
    : KavrelError(translated(QT_TRANSLATE_NOOP("BoundedRead", "\"%1\": %2")).arg(fileName, reason)),
      fault_(fault),
      fileName_(fileName),
      reason_(reason)
{
}

QByteArray readBoundedFile(const QString& path, qint64 limitBytes, ReadSource source)
{
    const QString name = shownName(path);
    const auto cannotRead = [&name](int error) {
        return FileReadError(FileReadError::Fault::CannotRead, name,
                             translated(QT_TRANSLATE_NOOP("BoundedRead", "cannot be read: %1")).arg(systemText(error)));
    };
    if (path.isEmpty())
        throw cannotRead(ENOENT);
    // The system would read the name only up to the NUL: another file.
    if (path.contains(QChar(u'\0')))
        throw cannotRead(EINVAL);

    int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY;
    // Opening a FIFO waits for a writer unless told not to; a window must not.
    if (source == ReadSource::RegularFileOnly)
        flags |= O_NONBLOCK;
    const QByteArray native = QFile::encodeName(path);
    int fd = -1;
    do {
        fd = ::open(native.constData(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw cannotRead(errno);
    const Descriptor file(fd);

    struct stat status {};
    if (::fstat(fd, &status) != 0)
        throw cannotRead(errno);
    if (S_ISDIR(status.st_mode))
        throw cannotRead(EISDIR);
    const bool regular = S_ISREG(status.st_mode);
    if (!regular && source == ReadSource::RegularFileOnly)
        throw FileReadError(FileReadError::Fault::NotARegularFile, name,
                            translated(QT_TRANSLATE_NOOP("BoundedRead", "is not a regular file")));

    // The size is a hint only: a growing file, /proc or a device may say
    // anything, so the bound is kept by counting what is read.
    QByteArray bytes;
    const qint64 most = limitBytes + 1;
    bytes.reserve(std::min(most, regular ? qint64(status.st_size) + 1 : chunkBytes));
    while (bytes.size() < most) {
        const qint64 want = std::min(chunkBytes, most - bytes.size());
        if (bytes.capacity() - bytes.size() < want)
            bytes.reserve(std::min(most, std::max(bytes.capacity() * 2, bytes.size() + want)));
        const qsizetype before = bytes.size();
        bytes.resize(before + want);
        const ssize_t got = ::read(fd, bytes.data() + before, static_cast<std::size_t>(want));
        const int error = errno;
        bytes.resize(before + std::max<qsizetype>(got, 0));
        if (got == 0)
            break;
        if (got < 0 && error != EINTR)
            throw cannotRead(error);
    }
    if (bytes.size() > limitBytes) {
        throw FileReadError(FileReadError::Fault::TooLarge, name,
                            translated(QT_TRANSLATE_NOOP("BoundedRead", "is larger than %1 bytes")).arg(limitBytes));
    }
    return bytes;
}
