#include "common/KavrelError.h"
#include "export/SafeFileWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entriesOf(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// f0.txt, f1.txt, ... in `folder`.
QStringList numberedFiles(const QTemporaryDir& folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << folder.filePath(QStringLiteral("f%1.txt").arg(i));
    return paths;
}

bool isLink(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

struct LinkCase {
    const char* name;
    const char* linkTo;   // relative to the folder
    QString message;      // empty: written through to `written`
    const char* written;  // where the bytes land, relative to the folder
};

class LinkTarget : public testing::TestWithParam<LinkCase> {};

// A link is written through: into an existing file, or a new one it names;
// into a folder that does not exist it is refused and stays a link.
TEST_P(LinkTarget, IsWrittenThroughOrRefusedNamingTheMissingFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    put(folder.filePath("existing.txt"), "old");
    const QString link = folder.filePath("link.txt");
    ASSERT_EQ(::symlink(GetParam().linkTo, QFile::encodeName(link).constData()), 0);
    try {
        writeFileAtomically(link, QByteArray("new"));
        EXPECT_TRUE(GetParam().message.isEmpty()) << "written";
        EXPECT_EQ(bytesOf(folder.filePath(GetParam().written)), "new");
    } catch (const KavrelError& error) {
        EXPECT_EQ(error.message(), GetParam().message.arg(QDir::cleanPath(folder.path())));
    }
    EXPECT_TRUE(isLink(link));
}

INSTANTIATE_TEST_SUITE_P(
    SafeFileWriter, LinkTarget,
    testing::Values(LinkCase{"ToAnExistingFile", "existing.txt", QString(), "existing.txt"},
                    LinkCase{"ToANewFileInAnExistingFolder", "new.txt", QString(), "new.txt"},
                    LinkCase{"IntoAMissingFolder", "gone/new.txt",
                             "Cannot create file \"%1/link.txt\". It is a symbolic link into the folder "
                             "\"%1/gone\", which does not exist.",
                             nullptr}),
    [](const testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

// A FIFO among several files would wait for a reader after the others were
// in place: it is refused before anything is written.
TEST(SafeFileBatch, AFifoAmongSeveralFilesIsRefusedBeforeAnythingIsReplaced)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    put(folder.filePath("a.txt"), "old");
    const QString fifo = folder.filePath("b.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QStringList paths{folder.filePath("a.txt"), fifo, folder.filePath("c.txt")};
    int made = 0;
    try {
        writeFilesTogether(paths, [&made](qsizetype) { ++made; return QByteArray("new"); });
        ADD_FAILURE() << "written";
    } catch (const KavrelError& error) {
        EXPECT_EQ(error.message(), "Cannot create file \"" + QDir::cleanPath(fifo)
                                       + "\". It is a FIFO or a device, not a file: what goes into it cannot be "
                                         "taken back if a later file fails, so it cannot be one of several files "
                                         "written together.");
    }
    EXPECT_EQ(made, 0);
    EXPECT_EQ(bytesOf(folder.filePath("a.txt")), "old");
    EXPECT_EQ(entriesOf(folder.path()), (QStringList{"a.txt", "b.txt"}));
}

// Each file's bytes are made when the one before is already staged, so that
// only one is in memory; all of them replace their targets together.
TEST(SafeFileBatch, ContentsAreMadeOneAtATimeAsTheFilesAreStaged)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    put(folder.filePath("f1.txt"), "old");
    const QStringList paths = numberedFiles(folder, 5);
    std::vector<int> stagedBefore;
    writeFilesTogether(paths, [&](qsizetype i) {
        const QStringList staged = QDir(folder.path()).entryList({".kavrel-*.part"}, QDir::Hidden | QDir::Files);
        stagedBefore.push_back(static_cast<int>(staged.size()));
        return QByteArray::number(i);
    });
    EXPECT_EQ(stagedBefore, (std::vector<int>{0, 1, 2, 3, 4}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bytesOf(paths[i]), QByteArray::number(i));
    EXPECT_EQ(entriesOf(folder.path()).size(), 5);
}

// Stopped by a signal half-way, the batch takes back what it did: no staged
// file stays behind, an existing file keeps its bytes, no new one remains.
TEST(SafeFileBatch, ASignalHalfWayLeavesTheFolderAsItWas)
{
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        put(folder.filePath("f0.txt"), "old");
        const QStringList paths = numberedFiles(folder, 8);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            takeBackStagedFilesOnSignals();
            writeFilesTogether(paths, [signalNumber](qsizetype i) {
                if (i == 5)
                    ::raise(signalNumber);
                return QByteArray("new");
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << "status " << status;
        EXPECT_EQ(entriesOf(folder.path()), QStringList{"f0.txt"}) << signalNumber;
        EXPECT_EQ(bytesOf(folder.filePath("f0.txt")), "old");
    }
}

}  // namespace
