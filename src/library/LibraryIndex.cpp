#include "library/LibraryIndex.h"

#include "library/LibraryError.h"
#include "library/SpectrumGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <sqlite3.h>

#include <cstring>

namespace {

// "KSLB" in the database header: the file is this program's record index.
constexpr int applicationId = 0x4B534C42;
// The layout of the tables; an index of a lower one is built again.
constexpr int schemaVersion = 1;
constexpr int busyWaitMs = 10000;
constexpr int headerBytes = 100;
constexpr int applicationIdOffset = 68;
const char sqliteMagic[] = "SQLite format 3";

const char* const schema[] = {
    "CREATE TABLE files(id INTEGER PRIMARY KEY, root TEXT NOT NULL, path TEXT NOT NULL,"
    " size INTEGER NOT NULL, modified INTEGER NOT NULL, crc INTEGER NOT NULL, hash BLOB NOT NULL,"
    " kind INTEGER NOT NULL, error TEXT, layout INTEGER, event TEXT, year INTEGER, station TEXT,"
    " magnitude REAL, place TEXT, recording_key TEXT, code TEXT, component_word TEXT,"
    " points INTEGER, step REAL, duration REAL, pga REAL, pgv REAL, pgd REAL, effective_duration REAL,"
    " d5_95 REAL, arias REAL, UNIQUE(root, path))",
    "CREATE INDEX files_by_hash ON files(hash)",
    "CREATE TABLE spectra(file_id INTEGER NOT NULL REFERENCES files(id) ON DELETE CASCADE,"
    " damping REAL NOT NULL, periods INTEGER NOT NULL, vals BLOB NOT NULL, PRIMARY KEY(file_id, damping))",
    "CREATE TABLE table_rows(file_id INTEGER NOT NULL REFERENCES files(id) ON DELETE CASCADE,"
    " ordinal INTEGER NOT NULL, rsn INTEGER NOT NULL, event TEXT, year INTEGER, station TEXT, magnitude REAL,"
    " mechanism TEXT, rjb REAL, rrup REAL, vs30 REAL, luf REAL, d5_95 REAL, arias REAL,"
    " h1 TEXT, h2 TEXT, v TEXT, PRIMARY KEY(file_id, ordinal))",
};
const char* const tables[] = {"table_rows", "spectra", "files"};

QString translated(const char* text)
{
    return QCoreApplication::translate("LibraryIndex", text);
}

[[noreturn]] void refuse(const QString& path, const QString& what)
{
    throw LibraryError(translated(QT_TRANSLATE_NOOP("LibraryIndex", "\"%1\": %2")).arg(path, what));
}

QString reasonOf(sqlite3* db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

// A prepared statement, bound and stepped; every failure throws with the
// database's reason.
class Statement {
public:
    Statement(sqlite3* db, const char* sql, const QString& path) : db_(db), path_(path)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
            fail();
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int at, std::int64_t value) { return check(sqlite3_bind_int64(statement_, at, value)); }
    Statement& bind(int at, double value) { return check(sqlite3_bind_double(statement_, at, value)); }
    Statement& bind(int at, const QString& value)
    {
        const QByteArray utf8 = value.toUtf8();
        return check(sqlite3_bind_text(statement_, at, utf8.constData(), static_cast<int>(utf8.size()),
                                       SQLITE_TRANSIENT));
    }
    Statement& bindBlob(int at, const void* data, std::size_t bytes)
    {
        if (bytes == 0)
            return check(sqlite3_bind_zeroblob(statement_, at, 0));
        return check(sqlite3_bind_blob64(statement_, at, data, bytes, SQLITE_TRANSIENT));
    }
    Statement& bindNull(int at) { return check(sqlite3_bind_null(statement_, at)); }
    template <typename T>
    Statement& bind(int at, const std::optional<T>& value)
    {
        return value ? bind(at, static_cast<typename std::conditional<std::is_integral<T>::value, std::int64_t,
                                                                      double>::type>(*value))
                     : bindNull(at);
    }
    // Text that is empty where unknown.
    Statement& bindText(int at, const QString& value) { return value.isEmpty() ? bindNull(at) : bind(at, value); }

    // True while there is a row.
    bool step()
    {
        const int result = sqlite3_step(statement_);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            fail();
        return false;
    }
    void run()
    {
        step();
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }

    bool isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }
    double real(int column) const { return sqlite3_column_double(statement_, column); }
    QString text(int column) const
    {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return data ? QString::fromUtf8(data, sqlite3_column_bytes(statement_, column)) : QString();
    }
    QByteArray blob(int column) const
    {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
        return data ? QByteArray(data, sqlite3_column_bytes(statement_, column)) : QByteArray();
    }
    std::optional<double> optionalReal(int column) const
    {
        return isNull(column) ? std::nullopt : std::optional<double>(real(column));
    }
    std::optional<int> optionalInteger(int column) const
    {
        return isNull(column) ? std::nullopt : std::optional<int>(static_cast<int>(integer(column)));
    }

private:
    Statement& check(int result)
    {
        if (result != SQLITE_OK)
            fail();
        return *this;
    }
    [[noreturn]] void fail() const
    {
        refuse(QDir::toNativeSeparators(path_),
               translated(QT_TRANSLATE_NOOP("LibraryIndex", "cannot be written: %1")).arg(reasonOf(db_)));
    }

    sqlite3* db_;
    QString path_;
    sqlite3_stmt* statement_ = nullptr;
};

void execute(sqlite3* db, const char* sql, const QString& path)
{
    Statement statement(db, sql, path);
    while (statement.step()) {
    }
}

// Rolls back unless committed.
class Transaction {
public:
    Transaction(sqlite3* db, const QString& path) : db_(db), path_(path) { execute(db, "BEGIN IMMEDIATE", path); }
    ~Transaction()
    {
        if (!committed_)
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void commit()
    {
        execute(db_, "COMMIT", path_);
        committed_ = true;
    }

private:
    sqlite3* db_;
    QString path_;
    bool committed_ = false;
};

std::uint32_t bigEndian32(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return (std::uint32_t(b[0]) << 24) | (std::uint32_t(b[1]) << 16) | (std::uint32_t(b[2]) << 8) | b[3];
}

// Files of a location: all of the folder, or those of the one archive.
void bindLocation(Statement& statement, int at, const LibraryLocation& location)
{
    statement.bind(at, location.root);
    statement.bind(at + 1, location.prefix);
    statement.bind(at + 2, static_cast<std::int64_t>(location.prefix.size()));
}
const char* const inLocation = "root = ?1 AND substr(path, 1, ?3) = ?2";

} // namespace

QString defaultIndexPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/library.sqlite");
}

LibraryIndex::LibraryIndex(const QString& path) : path_(path)
{
    const QFileInfo info(path);
    const bool fresh = !info.exists() || (info.isFile() && info.size() == 0);
    if (!fresh)
        check();
    else if (!QDir().mkpath(info.absolutePath()))
        refuse(QDir::toNativeSeparators(path), translated(QT_TRANSLATE_NOOP("LibraryIndex", "cannot be written: "
                                                                                           "its folder cannot be made")));
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (opened != SQLITE_OK) {
        const QString reason = reasonOf(db_);
        sqlite3_close(db_);
        db_ = nullptr;
        refuse(QDir::toNativeSeparators(path),
               translated(QT_TRANSLATE_NOOP("LibraryIndex", "cannot be written: %1")).arg(reason));
    }
    try {
        sqlite3_busy_timeout(db_, busyWaitMs);
        execute(db_, "PRAGMA foreign_keys = ON", path_);
        if (fresh || rebuilt_)
            create();
        execute(db_, "PRAGMA journal_mode = WAL", path_);
        execute(db_, "PRAGMA synchronous = NORMAL", path_);
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

LibraryIndex::~LibraryIndex()
{
    sqlite3_close(db_);
}

// Before anything opens it for writing: our header, then a read-only look
// inside, so that a foreign or damaged file is never touched.
void LibraryIndex::check()
{
    const QString shown = QDir::toNativeSeparators(path_);
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        refuse(shown, translated(QT_TRANSLATE_NOOP("LibraryIndex", "cannot be read: %1")).arg(file.errorString()));
    const QByteArray header = file.read(headerBytes);
    file.close();
    if (header.size() < headerBytes || std::memcmp(header.constData(), sqliteMagic, sizeof sqliteMagic) != 0)
        refuse(shown, translated(QT_TRANSLATE_NOOP("LibraryIndex", "is not a record index of this program "
                                                                  "(not an SQLite database); it is left as it is")));
    if (bigEndian32(header.constData() + applicationIdOffset) != static_cast<std::uint32_t>(applicationId))
        refuse(shown, translated(QT_TRANSLATE_NOOP("LibraryIndex", "is an SQLite database of another program, "
                                                                  "not a record index; it is left as it is")));
    sqlite3* look = nullptr;
    const auto damaged = [&](const QString& reason) {
        sqlite3_close(look);
        refuse(shown, translated(QT_TRANSLATE_NOOP("LibraryIndex", "is a damaged record index (%1); it is left as it "
                                                                  "is: remove it or give another file"))
                          .arg(reason));
    };
    if (sqlite3_open_v2(QFile::encodeName(path_).constData(), &look, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        damaged(reasonOf(look));
    sqlite3_busy_timeout(look, busyWaitMs);
    // The first column of a pragma's first row, or the database's reason.
    QString problem;
    const auto pragma = [&](const char* sql) {
        QString value;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(look, sql, -1, &statement, nullptr) != SQLITE_OK || sqlite3_step(statement) != SQLITE_ROW)
            problem = reasonOf(look);
        else
            value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return value;
    };
    const QString integrity = pragma("PRAGMA quick_check");
    if (problem.isEmpty() && integrity != QLatin1String("ok"))
        problem = integrity;
    const int version = problem.isEmpty() ? pragma("PRAGMA user_version").toInt() : 0;
    if (!problem.isEmpty())
        damaged(problem);
    sqlite3_close(look);
    if (version > schemaVersion)
        refuse(shown, translated(QT_TRANSLATE_NOOP("LibraryIndex", "was written by a newer version of this program; "
                                                                  "it is left as it is")));
    rebuilt_ = version < schemaVersion;
}

void LibraryIndex::create()
{
    Transaction transaction(db_, path_);
    for (const char* table : tables) {
        const QByteArray drop = QByteArray("DROP TABLE IF EXISTS ") + table;
        execute(db_, drop.constData(), path_);
    }
    for (const char* statement : schema)
        execute(db_, statement, path_);
    execute(db_, QByteArray("PRAGMA application_id = " + QByteArray::number(applicationId)).constData(), path_);
    execute(db_, QByteArray("PRAGMA user_version = " + QByteArray::number(schemaVersion)).constData(), path_);
    transaction.commit();
}

std::vector<KnownFile> LibraryIndex::knownFiles(const LibraryLocation& location) const
{
    Statement statement(db_, (QByteArray("SELECT id, root, path, size, modified, crc, hash, kind FROM files WHERE ")
                              + inLocation).constData(), path_);
    bindLocation(statement, 1, location);
    std::vector<KnownFile> files;
    while (statement.step()) {
        files.push_back(KnownFile{statement.integer(0), statement.text(1), statement.text(2), statement.integer(3),
                                  statement.integer(4), static_cast<std::uint32_t>(statement.integer(5)),
                                  statement.blob(6), statement.integer(7) == int(EntryKind::Refused)});
    }
    return files;
}

void LibraryIndex::write(const std::vector<IndexEntry>& entries, const std::vector<MovedFile>& moved,
                         const std::vector<std::int64_t>& removed)
{
    Transaction transaction(db_, path_);
    Statement drop(db_, "DELETE FROM files WHERE id = ?1", path_);
    for (const std::int64_t id : removed)
        drop.bind(1, id).run();
    Statement dropPath(db_, "DELETE FROM files WHERE root = ?1 AND path = ?2", path_);
    Statement insert(db_,
                     "INSERT INTO files(root, path, size, modified, crc, hash, kind, error, layout, event, year,"
                     " station, magnitude, place, recording_key, code, component_word, points, step, duration,"
                     " pga, pgv, pgd, effective_duration, d5_95, arias)"
                     " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19,"
                     " ?20, ?21, ?22, ?23, ?24, ?25, ?26)",
                     path_);
    Statement spectrum(db_, "INSERT INTO spectra(file_id, damping, periods, vals) VALUES(?1, ?2, ?3, ?4)", path_);
    Statement row(db_,
                  "INSERT INTO table_rows(file_id, ordinal, rsn, event, year, station, magnitude, mechanism, rjb,"
                  " rrup, vs30, luf, d5_95, arias, h1, h2, v)"
                  " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)",
                  path_);
    for (const IndexEntry& entry : entries) {
        const SourceFile& s = entry.source;
        dropPath.bind(1, s.root).bind(2, s.path).run();
        insert.bind(1, s.root).bind(2, s.path).bind(3, s.size).bind(4, s.modified)
            .bind(5, static_cast<std::int64_t>(s.crc)).bindBlob(6, entry.hash.constData(), entry.hash.size())
            .bind(7, static_cast<std::int64_t>(entry.kind)).bindText(8, entry.error);
        for (int column = 9; column <= 26; ++column)
            insert.bindNull(column);
        if (entry.kind == EntryKind::Record) {
            const HeaderFacts& f = entry.facts;
            const ComponentMeasures& m = entry.measures;
            insert.bind(9, static_cast<std::int64_t>(entry.layout)).bindText(10, f.metadata.event).bind(11, f.metadata.year)
                .bindText(12, f.metadata.station).bind(13, f.metadata.magnitude).bindText(14, f.place).bindText(15, f.recordingKey)
                .bindText(16, f.code).bindText(17, f.componentWord).bind(18, static_cast<std::int64_t>(m.points))
                .bind(19, m.step).bind(20, m.duration).bind(21, m.pgaG).bind(22, m.pgvCmPerS).bind(23, m.pgdCm)
                .bind(24, m.effectiveDuration).bind(25, m.d5_95).bind(26, m.ariasMetresPerSecond);
        }
        insert.run();
        const std::int64_t id = sqlite3_last_insert_rowid(db_);
        if (entry.kind == EntryKind::Record && !entry.measures.spectrum.empty()) {
            const std::vector<double>& values = entry.measures.spectrum;
            spectrum.bind(1, id).bind(2, libraryDamping).bind(3, static_cast<std::int64_t>(values.size()))
                .bindBlob(4, values.data(), values.size() * sizeof(double)).run();
        }
        std::int64_t ordinal = 0;
        for (const SearchResultsRow& r : entry.rows) {
            row.bind(1, id).bind(2, ordinal++).bind(3, static_cast<std::int64_t>(r.sequenceNumber))
                .bindText(4, r.metadata.event).bind(5, r.metadata.year).bindText(6, r.metadata.station).bind(7, r.metadata.magnitude)
                .bindText(8, r.metadata.mechanism).bind(9, r.metadata.rjbKm).bind(10, r.metadata.rrupKm).bind(11, r.metadata.vs30)
                .bind(12, r.metadata.lowestUsableFrequencyHz).bind(13, r.d5_95).bind(14, r.ariasMetresPerSecond)
                .bindText(15, r.horizontal1).bindText(16, r.horizontal2).bindText(17, r.vertical).run();
        }
    }
    Statement move(db_, "UPDATE files SET root = ?1, path = ?2, size = ?3, modified = ?4, crc = ?5 WHERE id = ?6",
                   path_);
    for (const MovedFile& file : moved) {
        const SourceFile& s = file.source;
        move.bind(1, s.root).bind(2, s.path).bind(3, s.size).bind(4, s.modified)
            .bind(5, static_cast<std::int64_t>(s.crc)).bind(6, file.id).run();
    }
    transaction.commit();
}

std::vector<StoredFile> LibraryIndex::storedFiles(const std::vector<LibraryLocation>& locations) const
{
    std::vector<StoredFile> files;
    for (const LibraryLocation& location : locations) {
        Statement statement(
            db_,
            (QByteArray("SELECT id, root, path, kind, error, layout, event, year, station, magnitude, place,"
                        " recording_key, code, component_word, points, step, duration, pga, pgv, pgd,"
                        " effective_duration, d5_95, arias FROM files WHERE ")
             + inLocation + " ORDER BY path").constData(),
            path_);
        bindLocation(statement, 1, location);
        while (statement.step()) {
            StoredFile file;
            file.id = statement.integer(0);
            file.root = statement.text(1);
            file.path = statement.text(2);
            file.kind = static_cast<EntryKind>(statement.integer(3));
            file.error = statement.text(4);
            file.layout = static_cast<RecordLayout>(statement.integer(5));
            HeaderFacts& f = file.facts;
            f.metadata.event = statement.text(6);
            f.metadata.year = statement.optionalInteger(7);
            f.metadata.station = statement.text(8);
            f.metadata.magnitude = statement.optionalReal(9);
            f.place = statement.text(10);
            f.recordingKey = statement.text(11);
            f.code = statement.text(12);
            f.componentWord = statement.text(13);
            ComponentMeasures& m = file.measures;
            m.points = static_cast<std::size_t>(statement.integer(14));
            m.step = statement.real(15);
            m.duration = statement.real(16);
            m.pgaG = statement.real(17);
            m.pgvCmPerS = statement.real(18);
            m.pgdCm = statement.real(19);
            m.effectiveDuration = statement.real(20);
            m.d5_95 = statement.real(21);
            m.ariasMetresPerSecond = statement.real(22);
            files.push_back(std::move(file));
        }
    }
    return files;
}

std::vector<SearchResultsRow> LibraryIndex::tableRows(std::int64_t id) const
{
    Statement statement(db_,
                        "SELECT rsn, event, year, station, magnitude, mechanism, rjb, rrup, vs30, luf, d5_95, arias,"
                        " h1, h2, v FROM table_rows WHERE file_id = ?1 ORDER BY ordinal",
                        path_);
    statement.bind(1, id);
    std::vector<SearchResultsRow> rows;
    while (statement.step()) {
        SearchResultsRow r;
        r.sequenceNumber = static_cast<int>(statement.integer(0));
        r.metadata.event = statement.text(1);
        r.metadata.year = statement.optionalInteger(2);
        r.metadata.station = statement.text(3);
        r.metadata.magnitude = statement.optionalReal(4);
        r.metadata.mechanism = statement.text(5);
        r.metadata.rjbKm = statement.optionalReal(6);
        r.metadata.rrupKm = statement.optionalReal(7);
        r.metadata.vs30 = statement.optionalReal(8);
        r.metadata.lowestUsableFrequencyHz = statement.optionalReal(9);
        r.d5_95 = statement.optionalReal(10);
        r.ariasMetresPerSecond = statement.optionalReal(11);
        r.horizontal1 = statement.text(12);
        r.horizontal2 = statement.text(13);
        r.vertical = statement.text(14);
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<double> LibraryIndex::spectrum(std::int64_t id, double damping) const
{
    Statement statement(db_, "SELECT periods, vals FROM spectra WHERE file_id = ?1 AND damping = ?2", path_);
    statement.bind(1, id).bind(2, damping);
    if (!statement.step())
        return {};
    const QByteArray bytes = statement.blob(1);
    const auto count = static_cast<std::size_t>(statement.integer(0));
    if (count != libraryPeriods().size() || static_cast<std::size_t>(bytes.size()) != count * sizeof(double))
        return {};
    std::vector<double> values(count);
    std::memcpy(values.data(), bytes.constData(), bytes.size());
    return values;
}

void LibraryIndex::storeSpectrum(std::int64_t id, double damping, const std::vector<double>& values)
{
    Transaction transaction(db_, path_);
    Statement statement(db_, "INSERT OR REPLACE INTO spectra(file_id, damping, periods, vals) VALUES(?1, ?2, ?3, ?4)",
                        path_);
    statement.bind(1, id).bind(2, damping).bind(3, static_cast<std::int64_t>(values.size()))
        .bindBlob(4, values.data(), values.size() * sizeof(double)).run();
    transaction.commit();
}

IndexWriteLock::IndexWriteLock(const QString& indexPath, int waitMs)
    : lock_(std::make_unique<QLockFile>(indexPath + QStringLiteral(".lock")))
{
    // Never stale by age: an indexing run may take hours. A lock whose
    // program has died is taken over all the same.
    lock_->setStaleLockTime(0);
    QDir().mkpath(QFileInfo(indexPath).absolutePath());
    if (!lock_->tryLock(waitMs)) {
        refuse(QDir::toNativeSeparators(indexPath),
               lock_->error() == QLockFile::LockFailedError
                   ? translated(QT_TRANSLATE_NOOP("LibraryIndex", "is busy: another program is indexing into it"))
                   : translated(QT_TRANSLATE_NOOP("LibraryIndex", "cannot be written: its lock file cannot be made")));
    }
}

IndexWriteLock::~IndexWriteLock() = default;
