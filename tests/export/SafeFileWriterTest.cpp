#include "common/KavrelError.h"
#include "export/SafeFileWriter.h"
#include "support/FileSizeLimit.h"
#include "export/SpectrumCsv.h"
#include "spectrum/KavrelSpectrum.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QLocale point(QLocale::English, QLocale::UnitedStates);

// Takes `capacity` bytes, then refuses every write, like a disk that fills up.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }
    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 room = capacity_ - taken.size();
        if (room <= 0)
            return -1;
        const qint64 n = std::min(room, size);
        taken.append(data, n);
        return n;
    }

private:
    qint64 capacity_;
};

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const KavrelError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("(unreadable)");
    return file.readAll();
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

class CsvFile : public ::testing::Test {
protected:
    KavrelSpectrum spectrum{"Spectrum-1", 0.04, 0.2, 0.05, 0};
    std::vector<const KavrelSpectrum*> list{&spectrum};
    QByteArray expected = buildSpectrumCsv(list, point);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Spectrum.csv"));

    // Runs `action` on a disk with `room` bytes left, over an existing file
    // that must come through untouched and alone. Returns the error text.
    QString onFullDisk(rlim_t room, const std::function<void()>& action)
    {
        putFile(path, "old");
        QString error;
        {
            FileSizeLimit limit(room);
            error = errorOf(action);
        }
        EXPECT_EQ(contentOf(path), "old") << "room " << room;
        EXPECT_EQ(entriesOf(folder.path()), QStringList{"Spectrum.csv"}) << "room " << room;
        return error;
    }
};

} // namespace

TEST_F(CsvFile, WritesTheWholeContentToADevice)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    writeSpectrumCsv(&buffer, list, point);
    EXPECT_EQ(bytes, expected);

    // Exactly enough room is enough.
    FillingDevice device(expected.size());
    writeSpectrumCsv(&device, list, point);
    EXPECT_EQ(device.taken, expected);
}

TEST_F(CsvFile, DeviceThatFillsUpIsAStreamWriteError)
{
    for (const qint64 capacity : {qint64(0), qint64(100), qint64(expected.size() - 1)}) {
        FillingDevice device(capacity);
        EXPECT_EQ(errorOf([&] { writeSpectrumCsv(&device, list, point); }), "Stream write error")
            << "capacity " << capacity;
    }
    QBuffer closed;
    EXPECT_EQ(errorOf([&] { writeSpectrumCsv(&closed, list, point); }), "Stream write error");

    // A buffered file takes the bytes; the disk refuses them only on flush.
    QFile full(QStringLiteral("/dev/full"));
    if (full.open(QIODevice::WriteOnly)) {
        EXPECT_EQ(errorOf([&] { writeSpectrumCsv(&full, list, point); }),
                  "Stream write error: \"/dev/full\". No space left on device");
    }
}

TEST_F(CsvFile, CreatesAndThenReplacesTheWholeFile)
{
    saveSpectrumCsv(path, list, point);
    EXPECT_EQ(contentOf(path), expected);

    putFile(path, QByteArray(50000, 'x'));
    saveSpectrumCsv(path, list, point);
    EXPECT_EQ(contentOf(path), expected);
    EXPECT_EQ(entriesOf(folder.path()), QStringList{"Spectrum.csv"});
}

TEST_F(CsvFile, FileThatCannotBeCreatedIsNamedWithTheSystemReason)
{
    const QString missing = folder.filePath(QStringLiteral("missing/Spectrum.csv"));
    EXPECT_EQ(errorOf([&] { saveSpectrumCsv(missing, list, point); }),
              "Cannot create file \"" + missing + "\". No such file or directory");
    EXPECT_TRUE(entriesOf(folder.path()).isEmpty());

    const QString relative = QStringLiteral("no-such-folder-for-csv/Spectrum.csv");
    EXPECT_EQ(errorOf([&] { saveSpectrumCsv(relative, list, point); }),
              "Cannot create file \"" + QDir::current().absoluteFilePath(relative)
                  + "\". No such file or directory");
    EXPECT_EQ(errorOf([&] { saveSpectrumCsv(QString(), list, point); }),
              "Cannot create file \"\". No such file or directory");

    // A folder of that name stays as it was.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Spectrum.csv")));
    putFile(path + QStringLiteral("/inside.txt"), "keep");
    EXPECT_EQ(errorOf([&] { saveSpectrumCsv(path, list, point); }),
              "Cannot create file \"" + path + "\". Is a directory");
    EXPECT_EQ(contentOf(path + QStringLiteral("/inside.txt")), "keep");
    EXPECT_EQ(entriesOf(folder.path()), QStringList{"Spectrum.csv"});
}

TEST_F(CsvFile, NameHoldingANulIsRefusedAndNothingIsWritten)
{
    // The system would stop reading the name at the NUL: "Spectrum" here,
    // which already exists and must not be replaced.
    putFile(folder.filePath(QStringLiteral("Spectrum")), "old");
    const QString nul(QChar(u'\0'));
    const QStringList names = {folder.filePath("Spectrum" + nul + ".csv"), folder.filePath("Spectrum" + nul),
                               folder.path() + nul + "/x.csv"};
    for (const QString& name : names) {
        EXPECT_EQ(errorOf([&] { saveSpectrumCsv(name, list, point); }),
                  "Cannot create file \"" + name + "\". Invalid argument");
        EXPECT_EQ(errorOf([&] { writeFileAtomically(name, QByteArray("new")); }),
                  "Cannot create file \"" + name + "\". Invalid argument");
    }
    EXPECT_EQ(entriesOf(folder.path()), QStringList{"Spectrum"});
    EXPECT_EQ(contentOf(folder.filePath(QStringLiteral("Spectrum"))), "old");
}

TEST_F(CsvFile, ReadOnlyFileOrFolderCannotBeCreated)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    putFile(path, "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    EXPECT_EQ(errorOf([&] { saveSpectrumCsv(path, list, point); }),
              "Cannot create file \"" + path + "\". Permission denied");
    EXPECT_EQ(contentOf(path), "old");

    const QString locked = folder.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("locked")));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(errorOf([&] { saveSpectrumCsv(locked + QStringLiteral("/Spectrum.csv"), list, point); }),
              "Cannot create file \"" + locked + "/Spectrum.csv\". Permission denied");
}

TEST_F(CsvFile, FullDiskLeavesTheOldFileAsItWas)
{
    // Named with the system's reason: a process may not grow a file beyond its limit.
    const QString fullDisk = "Stream write error: \"" + path + "\". File too large";
    for (const rlim_t room : {rlim_t(0), rlim_t(4096), rlim_t(expected.size() - 1)})
        EXPECT_EQ(onFullDisk(room, [&] { saveSpectrumCsv(path, list, point); }), fullDisk);

    // Larger than the file's buffer: the disk takes part of one big write
    // without reporting an error, and refuses only the rest.
    EXPECT_EQ(onFullDisk(4096, [&] { writeFileAtomically(path, QByteArray(100000, 'x')); }), fullDisk);

    // A producer writing to the device itself: the refusal comes only when
    // the buffer is flushed, which commit() alone does not report.
    EXPECT_EQ(onFullDisk(0, [&] {
                  writeFileAtomically(path, [](QIODevice* device) { device->write(QByteArray(5000, 'x')); });
              }),
              fullDisk);
}

TEST_F(CsvFile, FailingProducerLeavesTheOldFileAsItWas)
{
    putFile(path, "old");
    const QString error = errorOf([&] {
        writeFileAtomically(path, [](QIODevice* device) {
            writeAllBytes(device, "partial");
            throw KavrelError(QStringLiteral("render failed"));
        });
    });
    EXPECT_EQ(error, "render failed");
    EXPECT_EQ(contentOf(path), "old");
    EXPECT_EQ(entriesOf(folder.path()), QStringList{"Spectrum.csv"});
}
