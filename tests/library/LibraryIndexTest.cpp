#include "library/LibraryCatalogue.h"
#include "library/LibraryError.h"
#include "library/LibraryIndex.h"
#include "library/LibraryIndexer.h"
#include "library/SpectrumGrid.h"

#include "LibraryFixtures.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <zip.h>

#include <algorithm>
#include <atomic>

namespace {

class LibraryIndexTest : public ::testing::Test {
protected:
    QString library() const { return folder_.path() + QStringLiteral("/records"); }
    QString indexPath() const { return folder_.path() + QStringLiteral("/index/library.sqlite"); }

    void addRecord(const QString& relative, int seed, std::size_t count = 300)
    {
        writeBytes(library() + QLatin1Char('/') + relative, peerFile(shaking(count, seed), 0.01));
    }

    IndexSummary index(const IndexOptions& options = {})
    {
        LibraryIndex index(indexPath());
        return updateLibraryIndex(index, {libraryLocation(library())}, options);
    }

    Catalogue catalogue()
    {
        const LibraryIndex index(indexPath());
        return readCatalogue(index, {libraryLocation(library())});
    }

    QTemporaryDir folder_;
};

void expectSummary(const IndexSummary& s, int seen, int added, int changed, int unchanged, int moved, int removed)
{
    EXPECT_EQ(s.seen, seen);
    EXPECT_EQ(s.added, added);
    EXPECT_EQ(s.changed, changed);
    EXPECT_EQ(s.unchanged, unchanged);
    EXPECT_EQ(s.moved, moved);
    EXPECT_EQ(s.removed, removed);
}

TEST_F(LibraryIndexTest, ReadsOnlyWhatChangedAndKeepsMovedFilesWithoutComputing)
{
    addRecord(QStringLiteral("a/RSN1_A.AT2"), 1);
    addRecord(QStringLiteral("a/RSN1_A-UP.AT2"), 2);
    addRecord(QStringLiteral("b/deep/touched.AT2"), 3);
    addRecord(QStringLiteral("b/gone.AT2"), 4);
    addRecord(QStringLiteral("b/renamed.AT2"), 5);
    expectSummary(index(), 5, 5, 0, 0, 0, 0);
    expectSummary(index(), 5, 0, 0, 5, 0, 0);

    // The renamed file's entry keeps its id: its spectrum, kept at another
    // damping, comes along without being computed again.
    Catalogue before = catalogue();
    const auto renamed = std::find_if(before.components.begin(), before.components.end(),
                                      [](const CatalogueComponent& c) { return c.path == "b/renamed.AT2"; });
    ASSERT_NE(renamed, before.components.end());
    {
        LibraryIndex index(indexPath());
        index.storeSpectrum(renamed->id, 0.02, std::vector<double>(libraryPeriods().size(), 7.0));
    }
    // Touched: the same bytes with a new time are read again.
    {
        QFile touched(library() + QStringLiteral("/b/deep/touched.AT2"));
        ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
        ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(QFile::remove(library() + QStringLiteral("/b/gone.AT2")));
    ASSERT_TRUE(QDir().mkpath(library() + QStringLiteral("/c")));
    ASSERT_TRUE(QFile::rename(library() + QStringLiteral("/b/renamed.AT2"), library() + QStringLiteral("/c/moved.AT2")));
    expectSummary(index(), 4, 0, 1, 2, 1, 1);

    const Catalogue after = catalogue();
    std::vector<std::string> paths;
    for (const CatalogueComponent& c : after.components)
        paths.push_back(c.path.toStdString());
    EXPECT_EQ(paths, (std::vector<std::string>{"a/RSN1_A-UP.AT2", "a/RSN1_A.AT2", "b/deep/touched.AT2", "c/moved.AT2"}));
    const auto moved = std::find_if(after.components.begin(), after.components.end(),
                                    [](const CatalogueComponent& c) { return c.path == "c/moved.AT2"; });
    ASSERT_NE(moved, after.components.end());
    EXPECT_EQ(moved->id, renamed->id);
    LibraryIndex index(indexPath());
    EXPECT_EQ(componentSpectrum(index, *moved, 0.02)[5], 7.0);
    EXPECT_EQ(after.recordings, 3);
}

TEST_F(LibraryIndexTest, AnotherDampingIsComputedOnceAndKept)
{
    addRecord(QStringLiteral("one.AT2"), 1);
    index();
    const Catalogue list = catalogue();
    ASSERT_EQ(list.components.size(), 1u);
    LibraryIndex index(indexPath());
    EXPECT_TRUE(index.spectrum(list.components[0].id, 0.1).empty());
    const std::vector<double> computed = componentSpectrum(index, list.components[0], 0.1);
    ASSERT_EQ(computed.size(), libraryPeriods().size());
    EXPECT_EQ(index.spectrum(list.components[0].id, 0.1), computed);
    EXPECT_EQ(index.spectrum(list.components[0].id, libraryDamping).size(), computed.size());
}

TEST_F(LibraryIndexTest, AnUnreadableFileIsListedAndNotTriedAgainUntilItChanges)
{
    addRecord(QStringLiteral("good.AT2"), 1);
    writeBytes(library() + QStringLiteral("/notes.txt"), "these are words\nand more words\n");
    const IndexSummary first = index();
    ASSERT_EQ(first.refused.size(), 1u);
    EXPECT_EQ(first.refused[0].first, QStringLiteral("notes.txt"));
    EXPECT_TRUE(first.refused[0].second.startsWith(QStringLiteral("\"notes.txt\": "))) << first.refused[0].second.toStdString();
    const IndexSummary second = index();
    expectSummary(second, 2, 0, 0, 2, 0, 0);
    EXPECT_EQ(second.refused, first.refused);
    writeBytes(library() + QStringLiteral("/notes.txt"), "0 0.1\n0.01 0.2\n0.02 0.1\n");
    const IndexSummary third = index();
    EXPECT_EQ(third.changed, 1);
    EXPECT_TRUE(third.refused.empty());
    EXPECT_EQ(third.components, 2);
}

TEST_F(LibraryIndexTest, ZipMembersAreReadInPlace)
{
    QDir().mkpath(library());
    const QString archivePath = library() + QStringLiteral("/PEER_download.zip");
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    std::vector<QByteArray> contents{peerFile(shaking(300, 1), 0.01), peerFile(shaking(300, 2), 0.01),
                                     bytesOf(testData(QStringLiteral("_SearchResults.csv")))};
    const char* names[] = {"sub/RSN6_IMPVALL.I_I-ELC180.AT2", "sub/RSN6_IMPVALL.I_I-ELC-UP.AT2",
                           "sub/_SearchResults.csv"};
    for (std::size_t i = 0; i < contents.size(); ++i) {
        zip_source_t* source = zip_source_buffer(archive, contents[i].constData(), contents[i].size(), 0);
        ASSERT_GE(zip_file_add(archive, names[i], source, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);

    const IndexSummary summary = index();
    expectSummary(summary, 3, 3, 0, 0, 0, 0);
    EXPECT_EQ(summary.components, 2);
    EXPECT_EQ(summary.recordings, 1);
    const Catalogue list = catalogue();
    ASSERT_EQ(list.components.size(), 2u);
    EXPECT_EQ(list.components[0].path, QStringLiteral("PEER_download.zip/sub/RSN6_IMPVALL.I_I-ELC-UP.AT2"));
    EXPECT_EQ(list.components[0].component, QStringLiteral("V"));
    EXPECT_EQ(list.components[1].component, QStringLiteral("H1"));
    // The table's metadata reached the members.
    EXPECT_EQ(list.components[1].metadata.event, QStringLiteral("Imperial Valley-02"));
    EXPECT_EQ(list.components[1].metadata.vs30, 213.44);
    EXPECT_EQ(QDir(library()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("PEER_download.zip")});
    // Another damping: the member is read again from the archive.
    LibraryIndex opened(indexPath());
    EXPECT_EQ(componentSpectrum(opened, list.components[1], 0.02).size(), libraryPeriods().size());

    // The zip given alone is a library of its own.
    const LibraryLocation alone = libraryLocation(archivePath);
    EXPECT_EQ(alone.prefix, QStringLiteral("PEER_download.zip/"));
    EXPECT_EQ(updateLibraryIndex(opened, {alone}).unchanged, 3);
}

TEST_F(LibraryIndexTest, CancelStopsWithWholeEntriesThatTheNextRunKeeps)
{
    for (int i = 0; i < 12; ++i)
        addRecord(QStringLiteral("r%1.AT2").arg(i, 2, 10, QLatin1Char('0')), i);
    std::atomic<bool> cancel{false};
    IndexOptions options;
    options.cancel = &cancel;
    options.threads = 1;
    options.progress = [&cancel](const IndexProgress&) { cancel = true; };
    const IndexSummary stopped = index(options);
    // Cancel is seen after the first batch is written; a fast engine may put
    // all twelve into that batch, and then the run ends whole.
    EXPECT_GT(stopped.added, 0);
    EXPECT_EQ(stopped.cancelled, stopped.added < 12);
    const IndexSummary resumed = index();
    EXPECT_EQ(resumed.unchanged, stopped.added);
    EXPECT_EQ(resumed.added, 12 - stopped.added);
    EXPECT_EQ(resumed.components, 12);
}

TEST_F(LibraryIndexTest, ASecondWriterIsToldTheIndexIsBusy)
{
    const IndexWriteLock first(indexPath());
    try {
        const IndexWriteLock second(indexPath(), 0);
        FAIL() << "two writers";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("\"%1\": is busy: another program is indexing into it")
                                       .arg(QDir::toNativeSeparators(indexPath())));
    }
}

TEST_F(LibraryIndexTest, AnOlderLayoutIsBuiltAgain)
{
    addRecord(QStringLiteral("one.AT2"), 1);
    index();
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(indexPath()).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "PRAGMA user_version = 0", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    LibraryIndex rebuilt(indexPath());
    EXPECT_TRUE(rebuilt.wasRebuilt());
    EXPECT_EQ(updateLibraryIndex(rebuilt, {libraryLocation(library())}).added, 1);
    LibraryIndex again(indexPath());
    EXPECT_FALSE(again.wasRebuilt());
}

// Files that are not our index, each made by `make` from a good index (or
// from nothing) and refused with a message that names it, left byte for byte.
struct NotAnIndex {
    const char* name;
    void (*make)(const QString& path);
    const char* message;
};

void foreignDatabase(const QString& path)
{
    QFile::remove(path);
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "CREATE TABLE customers(name TEXT); INSERT INTO customers VALUES('Ann')", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
}

void damagedPages(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.seek(4096);
    file.write(QByteArray(8192, '\x5a'));
}

void truncated(const QString& path)
{
    QFile::resize(path, 1000);
}

void textFile(const QString& path)
{
    QFile::remove(path);
    writeBytes(path, "RSN6_IMPVALL.I_I-ELC180.AT2\n");
}

class RefusedIndex : public LibraryIndexTest, public ::testing::WithParamInterface<NotAnIndex> {};

TEST_P(RefusedIndex, IsNamedAndLeftAsItWas)
{
    addRecord(QStringLiteral("one.AT2"), 1, 3000);
    addRecord(QStringLiteral("two.AT2"), 2, 3000);
    index();
    GetParam().make(indexPath());
    const QByteArray before = bytesOf(indexPath());
    try {
        index();
        FAIL() << "opened";
    } catch (const LibraryError& error) {
        const QString start = QLatin1Char('"') + QDir::toNativeSeparators(indexPath()) + QStringLiteral("\": ");
        EXPECT_TRUE(error.message().startsWith(start)) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(QLatin1String(GetParam().message))) << error.message().toStdString();
    }
    EXPECT_EQ(bytesOf(indexPath()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedIndex,
    ::testing::Values(NotAnIndex{"ForeignDatabase", foreignDatabase, "is an SQLite database of another program"},
                      NotAnIndex{"DamagedPages", damagedPages, "is a damaged record index"},
                      NotAnIndex{"Truncated", truncated, "is a damaged record index"},
                      NotAnIndex{"TextFile", textFile, "not an SQLite database"}),
    [](const ::testing::TestParamInfo<NotAnIndex>& info) { return std::string(info.param.name); });

} // namespace
