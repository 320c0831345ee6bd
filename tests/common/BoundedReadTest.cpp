#include "common/BoundedRead.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 limit = 1000;

struct Outcome {
    QByteArray bytes;
    QString error;
    FileReadError::Fault fault = FileReadError::Fault::CannotRead;
};

Outcome read(const QString& path, ReadSource source)
{
    Outcome outcome;
    try {
        outcome.bytes = readBoundedFile(path, limit, source);
    } catch (const FileReadError& error) {
        outcome.error = error.message();
        outcome.fault = error.fault();
    }
    return outcome;
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Writes into the FIFO at `path` until its reader goes away, counting what
// it got rid of. Opens without blocking, so that a reader that never comes
// cannot keep the thread for good once `stop` is set.
class EndlessWriter {
public:
    explicit EndlessWriter(const QString& path)
        : thread_([this, native = QFile::encodeName(path)] {
              int fd = -1;
              while (fd < 0 && !stop_) {
                  fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd < 0)
                      std::this_thread::yield();
              }
              if (fd < 0)
                  return;
              ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
              const QByteArray chunk(4096, '{');
              for (;;) {
                  const ssize_t n = ::write(fd, chunk.constData(), static_cast<std::size_t>(chunk.size()));
                  if (n <= 0)
                      break;
                  written_ += n;
              }
              ::close(fd);
          })
    {
    }
    ~EndlessWriter()
    {
        stop_ = true;
        thread_.join();
    }
    qint64 written() const { return written_; }

private:
    std::atomic<bool> stop_{false};
    std::atomic<qint64> written_{0};
    std::thread thread_;
};

class BoundedReadTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // The writer learns that the reader left from a failed write.
        std::signal(SIGPIPE, SIG_IGN);
    }
    QTemporaryDir folder;
};

} // namespace

TEST_F(BoundedReadTest, RegularFilesUpToTheLimitAreReadWholeAndOneByteMoreIsRefused)
{
    const QString path = folder.filePath("set.kspect");
    for (const qint64 size : {qint64(0), qint64(1), limit}) {
        putFile(path, QByteArray(size, 'x'));
        const Outcome outcome = read(path, ReadSource::RegularFileOnly);
        EXPECT_EQ(outcome.error, QString());
        EXPECT_EQ(outcome.bytes, QByteArray(size, 'x'));
    }
    putFile(path, QByteArray(limit + 1, 'x'));
    const Outcome outcome = read(path, ReadSource::AnyStream);
    EXPECT_EQ(outcome.fault, FileReadError::Fault::TooLarge);
    EXPECT_EQ(outcome.error, "\"set.kspect\": is larger than 1000 bytes");
}

TEST_F(BoundedReadTest, WhatCannotBeOpenedSaysWhyInTheSystemsWords)
{
    EXPECT_EQ(read(folder.filePath("missing.kspect"), ReadSource::AnyStream).error,
              "\"missing.kspect\": cannot be read: No such file or directory");
    EXPECT_EQ(read(folder.path(), ReadSource::AnyStream).error,
              "\"" + QFileInfo(folder.path()).fileName() + "\": cannot be read: Is a directory");
    EXPECT_EQ(read(QString(), ReadSource::AnyStream).error, "\"\": cannot be read: No such file or directory");
}

// /dev/zero says it is empty and never ends; a FIFO says nothing either.
TEST_F(BoundedReadTest, EndlessStreamsAreRefusedOncePastTheLimit)
{
    Outcome outcome = read("/dev/zero", ReadSource::AnyStream);
    EXPECT_EQ(outcome.fault, FileReadError::Fault::TooLarge);
    EXPECT_EQ(outcome.error, "\"zero\": is larger than 1000 bytes");

    const QString fifo = folder.filePath("pipe.kspect");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    qint64 written = 0;
    {
        EndlessWriter writer(fifo);
        outcome = read(fifo, ReadSource::AnyStream);
        // Leaving the scope stops the writer: the reader has gone.
        written = writer.written();
    }
    EXPECT_EQ(outcome.fault, FileReadError::Fault::TooLarge);
    // What the writer got rid of is what was read (at most the limit and a
    // byte) and what the pipe could hold besides.
    EXPECT_LE(written, limit + 1 + 1024 * 1024);
}

// A window must not wait for a writer that never comes, nor read a device.
TEST_F(BoundedReadTest, OnlyRegularFilesWhereStreamsAreNotTaken)
{
    const QString fifo = folder.filePath("pipe.kspect");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
        const Outcome outcome = read(path, ReadSource::RegularFileOnly);
        EXPECT_EQ(outcome.fault, FileReadError::Fault::NotARegularFile) << path.toStdString();
        EXPECT_EQ(outcome.error, "\"" + QFileInfo(path).fileName() + "\": is not a regular file");
    }
}
