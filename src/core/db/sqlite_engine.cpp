// The embedded engine: SQLite through its C API, one file per database, opened
// and closed by every operation (the rollback journal keeps the file single).

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "db/engine.h"
#include "db/sqlite_schema.h"

namespace orv {
namespace {

// How long a statement waits for a lock another program holds on the file
// before it fails; the open's own retries come on top of this.
constexpr int kBusyTimeoutMs = 1000;

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
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
    explicit SqliteConnection(sqlite3* opened) : db(opened) {}
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
        std::string sql = index.unique || index.primary ? "CREATE UNIQUE INDEX " : "CREATE INDEX ";
        sql += quoteName(engineIndexName(table, index.name)) + " ON " + quoteName(table) + " (";
        for (std::size_t i = 0; i < index.fields.size(); ++i) {
            if (i > 0) sql += ", ";
            sql += quoteName(index.fields[i]) + " ASC";
        }
        sql += ")";
        return executeStatement(*this, sql);
    }

    // IMMEDIATE takes the write lock at once, so a transaction that has begun
    // cannot fail later because another program started writing meanwhile.
    int begin() override { return executeStatement(*this, "BEGIN IMMEDIATE"); }
    int commit() override { return executeStatement(*this, "COMMIT"); }
    int rollback() override {
        if (sqlite3_get_autocommit(db)) return 0;
        const EngineError kept = error;  // the failure that led here is the one to report
        const int rc = executeStatement(*this, "ROLLBACK");
        error = kept;
        return rc;
    }

    const EngineError& lastError() const override { return error; }

    void fail() {
        error.status = EngineStatus::Failed;
        error.description = sqlite3_errmsg(db);
    }
    sqlite3* handle() { return db; }

private:
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
    EngineError error;
};

int SqliteStatement::bind(int index, const DbValue& value) {
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
        auto connection = connect(path, SQLITE_OPEN_READWRITE, error);
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
        return connect(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    }

    void discard(const std::string& path) override {
        ::unlink(path.c_str());
        ::unlink((path + "-journal").c_str());
    }

private:
    static std::unique_ptr<SqliteConnection> connect(const std::string& path, int flags, EngineError& error) {
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
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        return std::make_unique<SqliteConnection>(db);
    }
};

}  // namespace

DbEngine& sqliteEngine() {
    static SqliteEngine engine;
    return engine;
}

}  // namespace orv
