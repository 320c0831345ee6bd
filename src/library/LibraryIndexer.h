#pragma once

#include "library/LibrarySources.h"

#include <QString>

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

class LibraryIndex;

// Brings an index up to date with its libraries: new and changed files are
// read and measured on worker threads (all cores), unchanged ones (same path,
// size and modification time) are left alone, a file found under a new path
// with the bytes of one that is gone is moved without computing again, and
// the entries of files that are gone are dropped. The calling thread alone
// writes the database, in batches of whole entries.

struct IndexSummary {
    int seen = 0;
    int added = 0;
    int changed = 0;
    int unchanged = 0;
    int moved = 0;
    int removed = 0;
    // Every file of the libraries that cannot be read, with the reader's
    // message (also those refused in an earlier run and not changed since).
    std::vector<std::pair<QString, QString>> refused;
    int components = 0;
    int recordings = 0;
    double seconds = 0;
    bool cancelled = false;
};

// "14 files seen, 2 new, 0 changed, 12 unchanged, 0 moved, 0 removed, 0
// refused": what kspect writes and the library window shows (translated
// where a translator is installed).
QString indexSummaryText(const IndexSummary& summary);

struct IndexProgress {
    int done = 0;   // files read and written in this run
    int total = 0;  // files to read in this run
};

struct IndexOptions {
    // Set from any thread to stop: the run writes what is finished and
    // returns within about a second.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the calling thread after every batch written.
    std::function<void(const IndexProgress&)> progress;
    // Worker threads; 0: one per core.
    int threads = 0;
};

// Throws LibraryError when the index cannot be written.
IndexSummary updateLibraryIndex(LibraryIndex& index, const std::vector<LibraryLocation>& locations,
                                const IndexOptions& options = {});
