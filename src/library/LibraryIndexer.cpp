#include "library/LibraryIndexer.h"

#include "library/ComponentMeasures.h"
#include "library/HeaderFacts.h"
#include "library/LibraryCatalogue.h"
#include "library/LibraryError.h"
#include "library/LibraryIndex.h"
#include "library/SearchResults.h"
#include "records/RecordReader.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// A batch is written when it holds this many entries or this long has passed.
constexpr std::size_t batchEntries = 64;
constexpr auto batchTime = std::chrono::milliseconds(250);

struct Task {
    SourceFile source;
    bool isNew = false;  // a path the index does not know: may be a moved file
};

struct Result {
    IndexEntry entry;
    std::int64_t movedFrom = 0;  // the entry of the same bytes found under this path
    bool isNew = false;
};

QString baseName(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The known files that are gone, by the hash of their bytes; each may be
// claimed once by a file found under a new path.
class GoneFiles {
public:
    void add(const KnownFile& file)
    {
        if (!file.refused)
            byHash_.insert(file.hash, file.id);
        ids_.push_back(file.id);
    }
    std::int64_t claim(const QByteArray& hash)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = byHash_.find(hash);
        if (found == byHash_.end())
            return 0;
        const std::int64_t id = found.value();
        byHash_.erase(found);
        claimed_.push_back(id);
        return id;
    }
    // Those not claimed: the files removed.
    std::vector<std::int64_t> unclaimed() const
    {
        std::vector<std::int64_t> left;
        for (const std::int64_t id : ids_) {
            if (std::find(claimed_.begin(), claimed_.end(), id) == claimed_.end())
                left.push_back(id);
        }
        return left;
    }

private:
    std::mutex mutex_;
    QMultiHash<QByteArray, std::int64_t> byHash_;
    std::vector<std::int64_t> ids_;
    std::vector<std::int64_t> claimed_;
};

Result work(const Task& task, SourceReader& reader, GoneFiles& gone)
{
    Result result;
    result.isNew = task.isNew;
    IndexEntry& entry = result.entry;
    entry.source = task.source;
    entry.kind = EntryKind::Refused;
    QByteArray bytes;
    try {
        bytes = reader.read(task.source);
    } catch (const KavrelError& error) {
        entry.error = error.message();
        return result;
    }
    entry.hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    if (task.isNew) {
        if (const std::int64_t id = gone.claim(entry.hash)) {
            result.movedFrom = id;
            return result;
        }
    }
    try {
        if (isSearchResultsName(baseName(task.source.path))) {
            entry.rows = parseSearchResults(bytes, task.source.path);
            entry.kind = EntryKind::Table;
            return result;
        }
        const GroundMotionRecord record = parseRecord(bytes, task.source.path);
        entry.layout = record.layout;
        entry.facts = headerFacts(bytes, record.layout);
        entry.measures = measureComponent(record);
        entry.kind = EntryKind::Record;
    } catch (const KavrelError& error) {
        entry.error = error.message();
    } catch (const std::exception& error) {
        entry.error = QStringLiteral("\"%1\": %2").arg(task.source.path, QString::fromLocal8Bit(error.what()));
    }
    return result;
}

// Results passed from the workers to the writing thread.
class ResultQueue {
public:
    void push(Result result)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            results_.push_back(std::move(result));
        }
        ready_.notify_one();
    }
    void workerDone()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            ++finishedWorkers_;
        }
        ready_.notify_one();
    }
    // Waits a little for results; true while more may come.
    bool take(std::vector<Result>& out, int workers)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait_for(lock, batchTime, [&] { return results_.size() >= batchEntries || finishedWorkers_ == workers; });
        while (!results_.empty()) {
            out.push_back(std::move(results_.front()));
            results_.pop_front();
        }
        return finishedWorkers_ < workers || !results_.empty();
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Result> results_;
    int finishedWorkers_ = 0;
};

bool isCancelled(const IndexOptions& options)
{
    return options.cancel && options.cancel->load();
}

} // namespace

IndexSummary updateLibraryIndex(LibraryIndex& index, const std::vector<LibraryLocation>& locations,
                                const IndexOptions& options)
{
    QElapsedTimer clock;
    clock.start();
    IndexSummary summary;
    const QString indexFile = QFileInfo(index.path()).absoluteFilePath();
    QStringList ignored;
    for (const char* companion : {"", "-wal", "-shm", "-journal", ".lock"})
        ignored << indexFile + QLatin1String(companion);

    std::vector<Task> tasks;
    GoneFiles gone;
    for (const LibraryLocation& location : locations) {
        QHash<QString, KnownFile> known;
        for (KnownFile& file : index.knownFiles(location))
            known.insert(file.path, std::move(file));
        for (SourceFile& source : listSourceFiles(location, ignored)) {
            ++summary.seen;
            const auto found = known.find(source.path);
            if (found == known.end()) {
                tasks.push_back(Task{std::move(source), true});
                continue;
            }
            const KnownFile& file = found.value();
            if (file.size == source.size && file.modified == source.modified && file.crc == source.crc)
                ++summary.unchanged;
            else
                tasks.push_back(Task{std::move(source), false});
            known.erase(found);
        }
        for (const KnownFile& file : std::as_const(known))
            gone.add(file);
    }

    const int workers = std::max(1, std::min<int>(options.threads > 0 ? options.threads : QThread::idealThreadCount(),
                                                  static_cast<int>(tasks.size())));
    std::atomic<std::size_t> next{0};
    ResultQueue queue;
    std::vector<std::thread> threads;
    for (int i = 0; i < workers; ++i) {
        threads.emplace_back([&] {
            SourceReader reader;
            for (;;) {
                const std::size_t at = next.fetch_add(1);
                if (at >= tasks.size() || isCancelled(options))
                    break;
                queue.push(work(tasks[at], reader, gone));
            }
            queue.workerDone();
        });
    }

    IndexProgress progress{0, static_cast<int>(tasks.size())};
    std::exception_ptr failure;
    bool more = true;
    while (more) {
        std::vector<Result> batch;
        more = queue.take(batch, workers);
        if (batch.empty() || failure)
            continue;
        std::vector<IndexEntry> entries;
        std::vector<MovedFile> moved;
        for (Result& result : batch) {
            if (result.movedFrom != 0) {
                moved.push_back(MovedFile{result.movedFrom, std::move(result.entry.source)});
                ++summary.moved;
                continue;
            }
            ++(result.isNew ? summary.added : summary.changed);
            entries.push_back(std::move(result.entry));
        }
        try {
            index.write(entries, moved, {});
        } catch (...) {
            // Stop the workers; the entries written so far stay whole.
            failure = std::current_exception();
            next = tasks.size();
            continue;
        }
        progress.done += static_cast<int>(batch.size());
        if (options.progress)
            options.progress(progress);
    }
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);

    summary.cancelled = isCancelled(options) && progress.done < progress.total;
    if (!summary.cancelled) {
        const std::vector<std::int64_t> removed = gone.unclaimed();
        if (!removed.empty())
            index.write({}, {}, removed);
        summary.removed = static_cast<int>(removed.size());
    }
    const Catalogue catalogue = readCatalogue(index, locations);
    summary.refused = catalogue.refused;
    summary.components = static_cast<int>(catalogue.components.size());
    summary.recordings = catalogue.recordings;
    summary.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    return summary;
}

QString indexSummaryText(const IndexSummary& s)
{
    return QCoreApplication::translate("LibraryIndexer",
                                       "%1 files seen, %2 new, %3 changed, %4 unchanged, %5 moved, %6 removed, "
                                       "%7 refused")
        .arg(s.seen)
        .arg(s.added)
        .arg(s.changed)
        .arg(s.unchanged)
        .arg(s.moved)
        .arg(s.removed)
        .arg(s.refused.size());
}
