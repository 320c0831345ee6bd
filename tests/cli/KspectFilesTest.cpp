// kspect's reading and writing of files that are not plain: devices, FIFOs,
// endless input, names the system cannot hold, folders in the way.
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Finished {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    long peakKilobytes = 0;  // the child's largest resident size
};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void putFile(const QByteArray& nativePath, const QByteArray& bytes)
{
    const int fd = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << nativePath.constData();
    ASSERT_EQ(::write(fd, bytes.constData(), static_cast<std::size_t>(bytes.size())), bytes.size());
    ::close(fd);
}

// Runs kspect with arguments as raw bytes (a name need not be valid text) in
// `folder` as its working folder, its output and errors into files there, and
// reports its peak memory. A file written where no path was given lands in
// `folder`, never where the tests were started.
Finished kspect(const QTemporaryDir& folder, const QByteArrayList& arguments)
{
    const QByteArray out = QFile::encodeName(folder.filePath(".out")), err = QFile::encodeName(folder.filePath(".err"));
    std::vector<QByteArray> owned{QByteArray(KSPECT_PATH)};
    for (const QByteArray& a : arguments)
        owned.push_back(a);
    std::vector<char*> argv;
    for (QByteArray& a : owned)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const QByteArray working = QFile::encodeName(folder.path());
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(working.constData()) != 0)
            ::_exit(126);
        const int o = ::open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    Finished run;
    int status = 0;
    rusage usage{};
    if (child > 0 && ::wait4(child, &status, 0, &usage) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.peakKilobytes = usage.ru_maxrss;
    run.out = contentOf(folder.filePath(".out"));
    run.err = contentOf(folder.filePath(".err"));
    QFile::remove(folder.filePath(".out"));
    QFile::remove(folder.filePath(".err"));
    return run;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
}

// Counted by the system: Qt leaves out names that are not valid text.
int rawEntryCount(const QString& folder)
{
    int count = 0;
    if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = ::readdir(dir))
            count += std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0;
        ::closedir(dir);
    }
    return count;
}

bool isCharacterDevice(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}

bool isFifo(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// Opens the FIFO at `path` without blocking: from one side, once the other is there.
int openWhenReady(const QByteArray& path, int flags, const std::atomic<bool>& stop)
{
    int fd = -1;
    while (fd < 0 && !stop) {
        fd = ::open(path.constData(), flags | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            std::this_thread::yield();
    }
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

class KspectFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        std::signal(SIGPIPE, SIG_IGN);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray native(const QString& name) const { return QFile::encodeName(path(name)); }
    // A name in the folder as raw bytes, which need not be valid text.
    QByteArray raw(const QByteArray& name) const { return QFile::encodeName(folder.path()) + '/' + name; }

    QTemporaryDir folder;
};

const QByteArray threeSpectra = R"({"format": "kavrel-spect-set", "version": 1, "spectra": [
    {"name": "A", "code": "GB 50011-2010", "alphaMax": 0.16, "tg": 0.35, "dampingRatio": 0.05},
    {"name": "B", "code": "GB 50011-2010", "alphaMax": 0.08, "tg": 0.45, "dampingRatio": 0.05},
    {"name": "C", "code": "GB 50011-2010", "alphaMax": 0.24, "tg": 0.65, "dampingRatio": 0.05}]})";

} // namespace

// A set "file" without end is refused once it passes the largest set, with
// memory to match, not after filling the memory.
TEST_F(KspectFilesTest, EndlessSetInputIsRefusedWithinTheBound)
{
    constexpr qint64 largestSet = 64 * 1024 * 1024;
    Finished run = kspect(folder, {"--set", "/dev/zero", "-o", native("")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "kspect: \"zero\": is too large to be a set file\n");
    EXPECT_LT(run.peakKilobytes, 512 * 1024) << "the whole input was kept";

    ASSERT_EQ(::mkfifo(native("endless.kspect").constData(), 0600), 0);
    std::atomic<bool> stop{false};
    std::atomic<qint64> written{0};
    std::thread writer([&, fifo = native("endless.kspect")] {
        const int fd = openWhenReady(fifo, O_WRONLY, stop);
        const QByteArray chunk(64 * 1024, ' ');
        for (ssize_t n = 1; fd >= 0 && n > 0; written += std::max<ssize_t>(n, 0))
            n = ::write(fd, chunk.constData(), static_cast<std::size_t>(chunk.size()));
        if (fd >= 0)
            ::close(fd);
    });
    run = kspect(folder, {"--set", native("endless.kspect"), "-o", native("")});
    stop = true;
    writer.join();
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "kspect: \"endless.kspect\": is too large to be a set file\n");
    // What was read, and what the pipe held when the reader left.
    EXPECT_LE(written, largestSet + 1 + 1024 * 1024);
    EXPECT_EQ(entries(folder.path()), QStringList{"endless.kspect"});
}

// A device or FIFO named by -o is written into, never replaced by a file.
TEST_F(KspectFilesTest, OutputOntoADeviceOrFifoIsWrittenIntoAndStays)
{
    const Finished expected = kspect(folder, {});
    ASSERT_EQ(expected.exitCode, 0);
    EXPECT_EQ(kspect(folder, {"-o", "-"}).out, expected.out);

    ASSERT_EQ(::mkfifo(native("pipe.txt").constData(), 0600), 0);
    // The reader waits in open() for kspect, as `cat pipe.txt` would.
    QByteArray received;
    std::thread reader([&, fifo = native("pipe.txt")] {
        const int fd = ::open(fifo.constData(), O_RDONLY | O_CLOEXEC);
        char buffer[4096];
        for (ssize_t n = 1; fd >= 0 && n > 0;) {
            n = ::read(fd, buffer, sizeof buffer);
            if (n > 0)
                received.append(buffer, n);
        }
        if (fd >= 0)
            ::close(fd);
    });
    const Finished intoFifo = kspect(folder, {"-o", native("pipe.txt")});
    // Should kspect never have opened the FIFO, this lets the reader go.
    if (const int fd = ::open(native("pipe.txt").constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0)
        ::close(fd);
    reader.join();
    EXPECT_EQ(intoFifo.exitCode, 0) << intoFifo.err.constData();
    EXPECT_EQ(received, expected.out);
    EXPECT_TRUE(isFifo(path("pipe.txt")));

    // Devices of our own making where the system lets us (a superuser must
    // never try this on the system's own /dev/null); otherwise the system's,
    // which an ordinary user could not replace anyway.
    QString null = path("null"), full = path("full");
    const bool made = ::mknod(native("null").constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
        && ::mknod(native("full").constData(), S_IFCHR | 0666, makedev(1, 7)) == 0
        && ::access(native("null").constData(), W_OK) == 0 && QFile(null).open(QIODevice::WriteOnly);
    if (!made) {
        if (::geteuid() == 0)
            GTEST_SKIP() << "no device can be made here, and the system's own are not to be risked";
        null = QStringLiteral("/dev/null");
        full = QStringLiteral("/dev/full");
    }
    Finished run = kspect(folder, {"-o", QFile::encodeName(null)});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(isCharacterDevice(null));
    run = kspect(folder, {"-o", QFile::encodeName(full)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "kspect: Stream write error: \"" + QFile::encodeName(full) + "\". No space left on device\n");
    EXPECT_TRUE(isCharacterDevice(full));
}

// Something in the way of the third file: nothing changes, nothing is left.
TEST_F(KspectFilesTest, ASetIsWrittenWholeOrNotAtAll)
{
    putFile(native("three.kspect"), threeSpectra);
    ASSERT_TRUE(QDir(folder.path()).mkpath("out/C.txt"));
    putFile(native("out/A.txt"), "old A");
    const Finished run = kspect(folder, {"--set", native("three.kspect"), "-o", native("out")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "kspect: Cannot create file \"" + native("out/C.txt") + "\". Is a directory\n");
    EXPECT_EQ(contentOf(path("out/A.txt")), "old A");
    EXPECT_EQ(entries(path("out")), (QStringList{"A.txt", "C.txt"}));

    // A disk that fills up after the first file: the same. The files are
    // written once in full to learn their sizes; B's is the larger.
    QDir(path("out")).rmdir("C.txt");
    const Finished whole = kspect(folder, {"--set", native("three.kspect"), "-o", native("")});
    ASSERT_EQ(whole.exitCode, 0) << whole.err.constData();
    const qint64 sizeA = QFileInfo(path("A.txt")).size(), sizeB = QFileInfo(path("B.txt")).size();
    ASSERT_LT(sizeA, sizeB);
    const qint64 oneFile = sizeB;
    const QByteArray set = native("three.kspect"), out = native("out"), err = native(".err");
    const QByteArray working = QFile::encodeName(folder.path());
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(working.constData()) != 0)
            ::_exit(126);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(oneFile - 1), static_cast<rlim_t>(oneFile - 1)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const int e = ::open(err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(e, 2);
        ::execl(KSPECT_PATH, KSPECT_PATH, "--set", set.constData(), "-o", out.constData(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_TRUE(contentOf(path(".err")).startsWith("kspect: Stream write error: \"" + native("out/")))
        << contentOf(path(".err")).constData();
    EXPECT_TRUE(contentOf(path(".err")).endsWith("\". File too large\n"));
    EXPECT_EQ(contentOf(path("out/A.txt")), "old A");
    EXPECT_EQ(entries(path("out")), QStringList{"A.txt"});
}

// Names that are empty, or that the system's encoding cannot hold, or that are
// too long: refused with a message naming them, nothing written anywhere.
TEST_F(KspectFilesTest, NamesThatCannotBeUsedAreRefused)
{
    putFile(raw("set\xff.kspect"), threeSpectra);
    const QByteArray longName = native(QString(300, u'a') + ".txt");
    struct Case {
        QByteArrayList arguments;
        int exitCode;
        QByteArray err;
    };
    const Case cases[] = {
        {{"-o", raw("out\xff.txt")}, 2,
         "kspect: \"" + raw("out\xef\xbf\xbd.txt")
             + "\": holds bytes that are not valid in the system's encoding (UTF-8); such a name cannot be used\n"},
        {{"--set", raw("set\xff.kspect")}, 2,
         "kspect: \"" + raw("set\xef\xbf\xbd.kspect")
             + "\": holds bytes that are not valid in the system's encoding (UTF-8); such a name cannot be used\n"},
        {{"-o", ""}, 2, "kspect: --output: the file name is empty\n"},
        {{"--set", ""}, 2, "kspect: --set: the file name is empty\n"},
        {{"-o", longName}, 1, "kspect: Cannot create file \"" + longName + "\". File name too long\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Finished run = kspect(folder, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_EQ(rawEntryCount(folder.path()), 1);  // the set file only
    }
    ::unlink(raw("set\xff.kspect").constData());
}
