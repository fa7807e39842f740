// The embedded engine: SQLite through its C API, one file per database, opened
// and closed by every operation (the rollback journal keeps the file single).

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "db/engine.h"
#include "db/sqlite_schema.h"

namespace orv {
namespace {

// How often a waiting statement tries the lock again (within kBusyTimeoutMs).
// The engine's own wait soon tries only every 100 ms; between the saves of
// other stations the lock is free for a few milliseconds at a time, and a
// writer that looks that seldom can miss every such moment for the whole wait
// while the others go on.
constexpr auto kBusyRetry = std::chrono::milliseconds(2);

// New database files are readable and writable by their owner, readable by the
// group, and closed to everyone else: the password database holds hashes.
constexpr mode_t kNewFileMode = 0640;

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// A new database is built under this name beside its target and moved into
// place when complete, so no other program ever opens a half-made file under
// the target's name. The process id keeps the creators of one file apart.
std::string stagingPath(const std::string& path) {
    return path + ".creating-" + std::to_string(::getpid());
}

void removeFileAndJournal(const std::string& path) {
    ::unlink(path.c_str());
    ::unlink((path + "-journal").c_str());
}

std::string systemError(const std::string& what, const std::string& path) {
    return what + " '" + path + "': " + std::strerror(errno);
}

class SqliteConnection;

class SqliteStatement : public DbStatement {
public:
    SqliteStatement(SqliteConnection& owner, sqlite3_stmt* prepared)
        : connection(owner), statement(prepared) {}
    ~SqliteStatement() override { sqlite3_finalize(statement); }

    int bind(int index, const DbValue& value) override;
    Step step() override;
    int columnCount() const override { return sqlite3_column_count(statement); }
    std::string columnName(int column) const override {
        const char* name = sqlite3_column_name(statement, column);
        return name ? name : "";
    }
    DbValue column(int column) const override;
    int reset() override;

private:
    SqliteConnection& connection;
    sqlite3_stmt* statement;
};

class SqliteConnection : public DbConnection {
public:
    // name: the database as messages call it (the target of a file still being made).
    SqliteConnection(sqlite3* opened, std::string name) : db(opened), displayName(std::move(name)) {
        sqlite3_busy_handler(db, waitForLock, this);
    }
    ~SqliteConnection() override { sqlite3_close_v2(db); }

    std::unique_ptr<DbStatement> prepare(std::string_view sql) override {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) !=
            SQLITE_OK) {
            fail();
            sqlite3_finalize(statement);
            return nullptr;
        }
        return std::make_unique<SqliteStatement>(*this, statement);
    }

    int tableExists(const std::string& table, bool& exists) override {
        return hasRow("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                      {DbValue::ofText(table)}, exists);
    }

    int createTable(const std::string& table, std::span<const FieldDescription> fields) override {
        std::string sql = "CREATE TABLE " + quoteName(table) + " (";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) sql += ", ";
            sql += columnSql(fields[i], false);
        }
        sql += ")";
        return executeStatement(*this, sql);
    }

    int addField(const std::string& table, const FieldDescription& field) override {
        return executeStatement(*this,
                                "ALTER TABLE " + quoteName(table) + " ADD COLUMN " + columnSql(field, true));
    }

    int fieldInfo(const std::string& table, const std::string& field,
                  std::optional<FieldInfo>& info) override {
        info.reset();
        auto statement = prepare("SELECT type FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE");
        if (!statement) return 1;
        statement->bind(1, DbValue::ofText(table));
        statement->bind(2, DbValue::ofText(field));
        const auto step = statement->step();
        if (step == DbStatement::Step::Error) return 1;
        if (step == DbStatement::Step::Row) info = parseDeclaredType(statement->column(0).text);
        return 0;
    }

    int indexExists(const std::string& table, const std::string& index, bool& exists) override {
        return hasRow(
            "SELECT 1 FROM sqlite_master WHERE type = 'index' AND tbl_name = ? COLLATE NOCASE AND name = ? "
            "COLLATE NOCASE",
            {DbValue::ofText(table), DbValue::ofText(engineIndexName(table, index))}, exists);
    }

    int createIndex(const std::string& table, const IndexDescription& index) override {
        return executeStatement(*this, createIndexSql(table, index));
    }

    // IMMEDIATE takes the write lock at once, so a transaction that has begun
    // cannot fail later because another program started writing meanwhile.
    int begin() override { return executeStatement(*this, "BEGIN IMMEDIATE"); }
    // A deferred transaction holds the shared lock from its first read to its
    // end, so no writer can commit between the statements of one read.
    int beginRead() override { return executeStatement(*this, "BEGIN DEFERRED"); }
    int commit() override { return executeStatement(*this, "COMMIT"); }
    int rollback() override {
        if (sqlite3_get_autocommit(db)) return 0;
        const EngineError kept = error;  // the failure that led here is the one to report
        const int rc = executeStatement(*this, "ROLLBACK");
        error = kept;
        return rc;
    }

    const EngineError& lastError() const override { return error; }

    void refuse(std::string description) { error = {EngineStatus::Failed, std::move(description)}; }
    void fail() {
        const int code = sqlite3_errcode(db);
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
            error = {EngineStatus::Busy, busyDescription(displayName)};
            return;
        }
        error.status = EngineStatus::Failed;
        error.description = sqlite3_errmsg(db);
    }
    sqlite3* handle() { return db; }

private:
    // count is 0 on the first try of a statement that found the database locked.
    static int waitForLock(void* self, int count) {
        auto& connection = *static_cast<SqliteConnection*>(self);
        const auto now = std::chrono::steady_clock::now();
        if (count == 0) connection.busySince = now;
        if (now - connection.busySince >= std::chrono::milliseconds(kBusyTimeoutMs)) return 0;
        std::this_thread::sleep_for(kBusyRetry);
        return 1;
    }

    int hasRow(std::string_view sql, std::initializer_list<DbValue> values, bool& exists) {
        exists = false;
        auto statement = prepare(sql);
        if (!statement) return 1;
        int index = 1;
        for (const DbValue& value : values) statement->bind(index++, value);
        const auto step = statement->step();
        exists = step == DbStatement::Step::Row;
        return step == DbStatement::Step::Error ? 1 : 0;
    }

    sqlite3* db;
    std::string displayName;
    EngineError error;
    std::chrono::steady_clock::time_point busySince;
};

int SqliteStatement::bind(int index, const DbValue& value) {
    if (holdsNul(value)) {
        connection.refuse(kNulTextRefused);
        return 1;
    }
    int rc = SQLITE_OK;
    switch (value.type) {
        case DbValue::Type::Null:
            rc = sqlite3_bind_null(statement, index);
            break;
        case DbValue::Type::Integer:
            rc = sqlite3_bind_int64(statement, index, value.integer);
            break;
        case DbValue::Type::Real:
            rc = sqlite3_bind_double(statement, index, value.real);
            break;
        case DbValue::Type::Text:
            rc = sqlite3_bind_text(statement, index, value.text.data(), static_cast<int>(value.text.size()),
                                   SQLITE_TRANSIENT);
            break;
        case DbValue::Type::Blob:
            rc = sqlite3_bind_blob(statement, index, value.text.data(), static_cast<int>(value.text.size()),
                                   SQLITE_TRANSIENT);
            break;
    }
    if (rc != SQLITE_OK) {
        connection.fail();
        return 1;
    }
    return 0;
}

DbStatement::Step SqliteStatement::step() {
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW) return Step::Row;
    if (rc == SQLITE_DONE) return Step::Done;
    connection.fail();
    return Step::Error;
}

DbValue SqliteStatement::column(int column) const {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return DbValue::ofInteger(sqlite3_column_int64(statement, column));
        case SQLITE_FLOAT:
            return DbValue::ofReal(sqlite3_column_double(statement, column));
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            return DbValue::ofText(
                std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))));
        }
        case SQLITE_BLOB: {
            DbValue value;
            value.type = DbValue::Type::Blob;
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
            value.text.assign(bytes ? bytes : "",
                              static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
            return value;
        }
        default:
            return DbValue::null();
    }
}

int SqliteStatement::reset() {
    if (sqlite3_reset(statement) != SQLITE_OK) {
        connection.fail();
        return 1;
    }
    return 0;
}

class SqliteEngine : public DbEngine {
public:
    std::unique_ptr<DbConnection> open(const std::string& path, EngineError& error) override {
        if (!fileExists(path)) {
            error = {EngineStatus::FileNotFound, "Could not find file '" + path + "'."};
            return nullptr;
        }
        auto connection = connect(path, path, SQLITE_OPEN_READWRITE, error);
        // Opening reads nothing yet; reading the schema here makes a damaged or
        // foreign file fail the open itself rather than the first statement.
        if (connection && executeStatement(*connection, "SELECT count(*) FROM sqlite_master") != 0) {
            error = connection->lastError();
            return nullptr;
        }
        return connection;
    }

    std::unique_ptr<DbConnection> create(const std::string& path, EngineError& error) override {
        if (fileExists(path)) {
            error = {EngineStatus::FileExists, "Database already exists."};
            return nullptr;
        }
        const std::string staging = stagingPath(path);
        removeFileAndJournal(staging);  // left by a killed process that had our id
        const int fd = ::open(staging.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0) {
            error = {EngineStatus::Failed, systemError("cannot create", staging)};
            return nullptr;
        }
        const bool modeSet = ::fchmod(fd, kNewFileMode) == 0;  // whatever the umask
        ::close(fd);
        if (!modeSet) {
            error = {EngineStatus::Failed, systemError("cannot set the permissions of", staging)};
            removeFileAndJournal(staging);
            return nullptr;
        }
        auto connection = connect(staging, path, SQLITE_OPEN_READWRITE, error);
        if (!connection) removeFileAndJournal(staging);
        return connection;
    }

    // The move into place never replaces a file: when another program's
    // database appeared meanwhile, that one stays and ours is discarded.
    int publish(const std::string& path, EngineError& error) override {
        const std::string staging = stagingPath(path);
        int rc = ::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
        if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system that cannot rename without replacing: a hard link
            // fails the same way when the name is taken.
            rc = ::link(staging.c_str(), path.c_str());
            if (rc == 0) ::unlink(staging.c_str());
        }
        if (rc == 0) return 0;
        if (errno == EEXIST) {
            error = {EngineStatus::FileExists, "Database already exists."};
        } else {
            error = {EngineStatus::Failed, systemError("cannot move the new database to", path)};
        }
        return 1;
    }

    void discard(const std::string& path) override { removeFileAndJournal(stagingPath(path)); }

private:
    static std::unique_ptr<SqliteConnection> connect(const std::string& path, const std::string& name,
                                                     int flags, EngineError& error) {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
            error = {EngineStatus::Failed, db ? sqlite3_errmsg(db) : "out of memory"};
            sqlite3_close_v2(db);
            return nullptr;
        }
        sqlite3_extended_result_codes(db, 0);
        // A double-quoted name that names no column must be an error, not a text.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        return std::make_unique<SqliteConnection>(db, name);
    }
};

}  // namespace

DbEngine& sqliteEngine() {
    static SqliteEngine engine;
    return engine;
}

}  // namespace orv
