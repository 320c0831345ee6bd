#include "export/SafeFileWriter.h"

#include "common/KavrelError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The failures' texts, each with the file's full path and the system's
// reason, in the installed language (the command line installs none).
const char* const cannotCreateText = QT_TRANSLATE_NOOP("SafeFileWriter", "Cannot create file \"%1\". %2");
const char* const cannotWriteText = QT_TRANSLATE_NOOP("SafeFileWriter", "Stream write error: \"%1\". %2");
const char* const streamAmongSeveralText =
    QT_TRANSLATE_NOOP("SafeFileWriter", "It is a FIFO or a device, not a file: what goes into it cannot be taken "
                                        "back if a later file fails, so it cannot be one of several files written "
                                        "together.");
const char* const missingLinkFolderText =
    QT_TRANSLATE_NOOP("SafeFileWriter", "It is a symbolic link into the folder \"%1\", which does not exist.");

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

[[noreturn]] void cannotCreate(const QString& path, const char* reason, const QString& argument = QString())
{
    QString text = QCoreApplication::translate("SafeFileWriter", reason);
    if (!argument.isNull())
        text = text.arg(argument);
    throw KavrelError(failure(cannotCreateText, fullPathOf(path), text));
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

// Where a symbolic link that names no existing file leads: the file is
// created there, as a shell's redirection does, but only into a folder that
// exists (else the link would be replaced by a file of its own).
QByteArray throughDanglingLink(const QString& path, QByteArray native)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat status {};
        if (::lstat(native.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            break;
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(native.constData(), buffer, sizeof buffer);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer)
            cannotCreate(path, length < 0 ? errno : ENAMETOOLONG);
        const QByteArray to(buffer, length);
        native = to.startsWith('/') ? to : folderOf(native) + '/' + to;
    }
    const QByteArray folder = folderOf(native);
    struct stat status {};
    if (::stat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        cannotCreate(path, missingLinkFolderText, fullPathOf(QFile::decodeName(folder)));
    return native;
}

Target resolve(const QString& path)
{
    Target target;
    target.path = path;
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
        struct stat link {};
        if (::lstat(target.native.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            target.native = throughDanglingLink(path, target.native);
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

// What a signal handler takes back of the batch being written: plain
// pointers into the targets' names and atomic flags only, since a handler may
// do nothing but async-signal-safe calls (unlink, rename).
struct SignalUndo {
    std::atomic<const char*> staged{nullptr};
    std::atomic<const char*> kept{nullptr};
    std::atomic<const char*> placedAt{nullptr};  // set just before the rename
};

std::atomic<bool> undoOnSignals{false};
std::atomic<SignalUndo*> signalUndo{nullptr};
std::atomic<std::size_t> signalUndoCount{0};

void takeBackAndDie(int signalNumber)
{
    SignalUndo* undo = signalUndo.load();
    const std::size_t count = signalUndoCount.load();
    for (std::size_t i = 0; undo != nullptr && i < count; ++i) {
        const char* staged = undo[i].staged.load();
        const char* kept = undo[i].kept.load();
        const char* placedAt = undo[i].placedAt.load();
        if (placedAt != nullptr) {
            if (kept != nullptr)
                ::rename(kept, placedAt);
            else
                ::unlink(placedAt);
        }
        if (staged != nullptr)
            ::unlink(staged);
        if (kept != nullptr)
            ::unlink(kept);
    }
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// The batch's undo list for the signal handler while it is written.
class SignalGuard {
public:
    explicit SignalGuard(std::size_t count)
    {
        if (!undoOnSignals.load())
            return;
        undo_ = std::make_unique<SignalUndo[]>(count);
        signalUndo.store(undo_.get());
        signalUndoCount.store(count);
    }
    ~SignalGuard()
    {
        if (!undo_)
            return;
        signalUndoCount.store(0);
        signalUndo.store(nullptr);
    }
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

    SignalUndo* at(std::size_t i) const { return undo_ ? &undo_[i] : nullptr; }

private:
    std::unique_ptr<SignalUndo[]> undo_;
};

// Writes the new content beside the target; synced here when `sync`, else
// by the caller for the whole batch at once.
void stage(Target& target, const QByteArray& bytes, bool sync, SignalUndo* undo)
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
    if (undo != nullptr)
        undo->staged.store(target.staged.constData());
    try {
        if (target.existed && ::fchmod(fd, target.mode) != 0)
            cannotCreate(target.path, errno);
        writeAllTo(fd, target.path, bytes);
        // Only a file whose bytes are on the disk may replace the old one.
        if (sync && ::fsync(fd) != 0)
            cannotWrite(target.path, errno);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        cannotWrite(target.path, errno);
}

// One sync of each file system that holds staged files, instead of one per
// file: a hundred thousand fsyncs take minutes, one syncfs seconds.
void syncStagedFiles(const std::vector<Target>& targets)
{
    std::set<QByteArray> folders;
    for (const Target& target : targets) {
        if (!target.stream && folders.insert(folderOf(target.staged)).second) {
            const int fd = openRetrying(folderOf(target.staged), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0)
                cannotWrite(target.path, errno);
            const bool synced = ::syncfs(fd) == 0;
            const int error = errno;
            ::close(fd);
            if (!synced)
                cannotWrite(target.path, error);
        }
    }
}

// Puts the staged file in place; the old one stays reachable under `kept`
// until the whole batch is in place.
void place(Target& target, SignalUndo* undo)
{
    if (target.existed) {
        target.kept = besideName(target.native, ".old");
        if (::link(target.native.constData(), target.kept.constData()) != 0) {
            target.kept.clear();
            cannotCreate(target.path, errno);
        }
        if (undo != nullptr)
            undo->kept.store(target.kept.constData());
    }
    if (undo != nullptr)
        undo->placedAt.store(target.native.constData());
    if (::rename(target.staged.constData(), target.native.constData()) != 0) {
        if (undo != nullptr)
            undo->placedAt.store(nullptr);
        cannotCreate(target.path, errno);
    }
    if (undo != nullptr)
        undo->staged.store(nullptr);
    target.staged.clear();
    target.placed = true;
}

void writeInto(const Target& target, const QByteArray& bytes, StreamOpening opening)
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
        writeAllTo(fd, target.path, bytes);
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

void writeTogether(const QStringList& paths, const std::function<QByteArray(qsizetype)>& contentOf,
                   StreamOpening opening)
{
    std::vector<Target> targets;
    targets.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) {
        targets.push_back(resolve(path));
        // A FIFO may wait for its reader for ever, and neither it nor a
        // device gives back what it took: among several files it is refused
        // before anything is written.
        if (targets.back().stream && paths.size() > 1)
            cannotCreate(path, streamAmongSeveralText);
    }
    const SignalGuard guard(targets.size());
    const bool several = targets.size() > 1;
    try {
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (!targets[i].stream)
                stage(targets[i], contentOf(static_cast<qsizetype>(i)), !several, guard.at(i));
        }
        if (several)
            syncStagedFiles(targets);
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (!targets[i].stream)
                place(targets[i], guard.at(i));
        }
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (targets[i].stream)
                writeInto(targets[i], contentOf(static_cast<qsizetype>(i)), opening);
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
    QStringList paths;
    paths.reserve(static_cast<qsizetype>(files.size()));
    for (const FileContent& file : files)
        paths << file.first;
    writeTogether(paths, [&files](qsizetype i) { return files[static_cast<std::size_t>(i)].second; }, opening);
}

void writeFilesTogether(const QStringList& paths, const std::function<QByteArray(qsizetype)>& contentOf,
                        StreamOpening opening)
{
    writeTogether(paths, contentOf, opening);
}

void takeBackStagedFilesOnSignals()
{
    undoOnSignals.store(true);
    struct sigaction action {};
    action.sa_handler = takeBackAndDie;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&action.sa_mask, signalNumber);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signalNumber, &action, nullptr);
}

void writeFileAtomically(const QString& path, const QByteArray& bytes, StreamOpening opening)
{
    writeTogether({path}, [&bytes](qsizetype) { return bytes; }, opening);
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
