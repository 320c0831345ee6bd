#pragma once

#include "library/ComponentMeasures.h"
#include "library/HeaderFacts.h"
#include "library/LibrarySources.h"
#include "library/SearchResults.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
class QLockFile;

// The index of a record library: an SQLite database (write-ahead log) that
// keeps, for every file of the libraries indexed into it, what identifies it
// (folder, path, size, modification time, a SHA-1 of its bytes) and what was
// computed from it, or the reader's message for a file that cannot be read.
//
// Whole or not at all: entries are written in transactions that each hold
// whole entries only, so an index killed at any moment opens with whole
// entries and an indexing run goes on where the last one stopped.
//
// A file that is not such an index (another SQLite database, a damaged one,
// anything else) is refused with a message naming it and is never written;
// an index of an older layout is emptied and built again.

// The index's place when none is given: "library.sqlite" in the user's
// application-data folder.
QString defaultIndexPath();

// What identifies a file in the index.
struct KnownFile {
    std::int64_t id = 0;
    QString root;
    QString path;
    std::int64_t size = 0;
    std::int64_t modified = 0;
    std::uint32_t crc = 0;
    QByteArray hash;
    bool refused = false;
};

enum class EntryKind { Record = 0, Table = 1, Refused = 2 };

// One file's entry as it is written.
struct IndexEntry {
    SourceFile source;
    QByteArray hash;
    EntryKind kind = EntryKind::Refused;
    QString error;  // Refused: the message naming the file
    RecordLayout layout = RecordLayout::Columns;
    HeaderFacts facts;
    ComponentMeasures measures;
    std::vector<SearchResultsRow> rows;  // Table
};

// A known file found again under another path (same bytes).
struct MovedFile {
    std::int64_t id = 0;
    SourceFile source;
};

// A component's entry as it is read back (no spectrum: that is asked for).
struct StoredFile {
    std::int64_t id = 0;
    QString root;
    QString path;
    EntryKind kind = EntryKind::Refused;
    QString error;
    RecordLayout layout = RecordLayout::Columns;
    HeaderFacts facts;
    ComponentMeasures measures;  // spectrum empty
};

class LibraryIndex {
public:
    // Opens the index at `path`, creating it (and its folder) when there is
    // none. Throws LibraryError naming the file.
    explicit LibraryIndex(const QString& path);
    ~LibraryIndex();
    LibraryIndex(const LibraryIndex&) = delete;
    LibraryIndex& operator=(const LibraryIndex&) = delete;

    const QString& path() const { return path_; }
    // True when the file held an index of an older layout, now emptied.
    bool wasRebuilt() const { return rebuilt_; }

    // The files known in `location`.
    std::vector<KnownFile> knownFiles(const LibraryLocation& location) const;

    // One transaction: entries written (replacing an entry of the same path),
    // moved files' identities changed, removed files dropped. Throws
    // LibraryError with the system's reason when it cannot be written.
    void write(const std::vector<IndexEntry>& entries, const std::vector<MovedFile>& moved,
               const std::vector<std::int64_t>& removed);

    // Every entry in `locations`, sorted by folder and path.
    std::vector<StoredFile> storedFiles(const std::vector<LibraryLocation>& locations) const;
    // The rows of the PEER table entry `id`.
    std::vector<SearchResultsRow> tableRows(std::int64_t id) const;

    // The spectrum of entry `id` at the library's periods and `damping`;
    // empty when it has not been computed.
    std::vector<double> spectrum(std::int64_t id, double damping) const;
    void storeSpectrum(std::int64_t id, double damping, const std::vector<double>& values);

private:
    void create();
    void check();

    QString path_;
    sqlite3* db_ = nullptr;
    bool rebuilt_ = false;
};

// The right to write into an index, held by one program at a time (a lock
// file beside it; a lock left by a program that was killed is taken over).
class IndexWriteLock {
public:
    // Waits up to `waitMs` for another program to finish; then throws
    // LibraryError saying the index is busy.
    explicit IndexWriteLock(const QString& indexPath, int waitMs = 2000);
    ~IndexWriteLock();
    IndexWriteLock(const IndexWriteLock&) = delete;
    IndexWriteLock& operator=(const IndexWriteLock&) = delete;

private:
    std::unique_ptr<QLockFile> lock_;
};
