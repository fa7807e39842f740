// The shared server engine: PostgreSQL through libpq. A "database" is the
// current schema of the database a connection URI names; every operation
// connects and disconnects, as the file engine opens and closes its file.
//
// A lock or a statement that waits longer than the file engine's busy time
// gives up with the same busy description.
//
// Writers serialise on one transaction-scoped advisory lock at READ COMMITTED:
// a save waits for another station's save to commit, and then every statement
// of it sees what that one stored, so the later of two saves of one device
// replaces it whole. Readers take one REPEATABLE READ snapshot, so a read never
// mixes the rows of two saves.

#include <libpq-fe.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

#include "app/text_helpers.h"
#include "db/database_uri.h"
#include "db/engine.h"
#include "db/postgres_schema.h"
#include "db/query.h"
#include "db/sqlite_schema.h"  // engineIndexName: both engines name indexes alike

namespace orv {
namespace {

// The advisory lock every writer of a database takes ("Orv" in ASCII).
constexpr long long kWriterLock = 0x4F7276;

// The error codes of a lock time-out and of a statement time-out.
constexpr std::string_view kLockNotAvailable = "55P03";
constexpr std::string_view kQueryCanceled = "57014";

// PostgreSQL type oids of the results we read.
constexpr Oid kBoolOid = 16;
constexpr Oid kByteaOid = 17;
constexpr Oid kInt8Oid = 20;
constexpr Oid kInt2Oid = 21;
constexpr Oid kInt4Oid = 23;
constexpr Oid kFloat4Oid = 700;
constexpr Oid kFloat8Oid = 701;
constexpr Oid kNumericOid = 1700;

void ignoreNotice(void*, const char*) {}

// Connections an operation has finished with, kept for the next operation on
// the same URI: every database operation connects and disconnects, and a new
// server connection costs more than the whole of a save. A kept connection is
// checked by the first statement of the next open and replaced when the server
// has dropped it meanwhile.
class IdleConnections {
public:
    ~IdleConnections() {
        for (auto& [uri, conn] : idle) PQfinish(conn);
    }

    PGconn* take(const std::string& uri) {
        std::lock_guard<std::mutex> lock(mutex);
        forgetInherited();
        const auto found = idle.find(uri);
        if (found == idle.end()) return nullptr;
        PGconn* conn = found->second;
        idle.erase(found);
        return conn;
    }

    void giveBack(const std::string& uri, PGconn* conn) {
        std::lock_guard<std::mutex> lock(mutex);
        forgetInherited();
        if (PQstatus(conn) == CONNECTION_OK && PQtransactionStatus(conn) == PQTRANS_IDLE &&
            idle.count(uri) < kKeptPerUri) {
            idle.emplace(uri, conn);
        } else {
            PQfinish(conn);
        }
    }

private:
    static constexpr std::size_t kKeptPerUri = 2;

    // A child process must not talk on its parent's sockets, nor close them.
    void forgetInherited() {
        if (owner != ::getpid()) idle.clear();
        owner = ::getpid();
    }

    std::mutex mutex;
    std::multimap<std::string, PGconn*> idle;
    pid_t owner = ::getpid();
};

IdleConnections& idleConnections() {
    static IdleConnections connections;
    return connections;
}

// A server message without its line end.
std::string withoutLineEnd(const char* message) {
    return std::string(withoutTrailing(message, " \n"));
}

std::string realText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

DbValue realValue(std::string_view text) {
    if (text == "NaN") return DbValue::ofReal(std::nan(""));
    if (text == "Infinity") return DbValue::ofReal(HUGE_VAL);
    if (text == "-Infinity") return DbValue::ofReal(-HUGE_VAL);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return DbValue::ofReal(value);
}

class PgConnection;

class PgStatement : public DbStatement {
public:
    PgStatement(PgConnection& owner, std::string text) : connection(owner), sql(std::move(text)) {}
    ~PgStatement() override { clear(); }

    int bind(int index, const DbValue& value) override;
    Step step() override;
    int columnCount() const override { return result ? PQnfields(result) : 0; }
    std::string columnName(int column) const override {
        const char* name = result ? PQfname(result, column) : nullptr;
        return name ? name : "";
    }
    DbValue column(int column) const override;
    int reset() override {
        clear();
        return 0;
    }

private:
    void clear() {
        if (result) PQclear(result);
        result = nullptr;
        row = -1;
    }

    PgConnection& connection;
    std::string sql;
    std::vector<std::optional<std::string>> parameters;
    PGresult* result = nullptr;
    int row = -1;
};

class PgConnection : public DbConnection {
public:
    PgConnection(PGconn* opened, std::string uri, std::string uriPassword)
        : conn(opened), source(std::move(uri)), password(std::move(uriPassword)) {}
    ~PgConnection() override {
        if (conn) idleConnections().giveBack(source, conn);
    }

    std::unique_ptr<DbStatement> prepare(std::string_view sql) override {
        return std::make_unique<PgStatement>(*this, numberedParameters(sql));
    }

    int tableExists(const std::string& table, bool& exists) override {
        return hasRow(
            "SELECT 1 FROM pg_catalog.pg_tables WHERE schemaname = current_schema() AND tablename = ?",
            {DbValue::ofText(table)}, exists);
    }

    int createTable(const std::string& table, std::span<const FieldDescription> fields) override {
        std::string sql = "CREATE TABLE " + quoteName(table) + " (";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) sql += ", ";
            sql += postgresColumnSql(fields[i], false);
        }
        sql += ")";
        columns.erase(table);
        return executeStatement(*this, sql);
    }

    int addField(const std::string& table, const FieldDescription& field) override {
        columns.erase(table);
        return executeStatement(
            *this, "ALTER TABLE " + quoteName(table) + " ADD COLUMN " + postgresColumnSql(field, true));
    }

    // The columns of a table are read in one query and kept until the table changes:
    // a schema check asks about some two hundred of them.
    int fieldInfo(const std::string& table, const std::string& field,
                  std::optional<FieldInfo>& info) override {
        info.reset();
        auto known = columns.find(table);
        if (known == columns.end()) {
            std::map<std::string, FieldInfo> read;
            const int rc = forEachRow(
                "SELECT a.attname, format_type(a.atttypid, a.atttypmod), t.typname "
                "FROM pg_catalog.pg_attribute a JOIN pg_catalog.pg_class c ON c.oid = a.attrelid "
                "JOIN pg_catalog.pg_type t ON t.oid = a.atttypid "
                "WHERE c.relnamespace = current_schema()::regnamespace AND c.relname = ? "
                "AND a.attnum > 0 AND NOT a.attisdropped",
                {DbValue::ofText(table)}, [&](const DbStatement& row) {
                    read[row.column(0).text] = parsePostgresType(row.column(1).text, row.column(2).text);
                });
            if (rc != 0) return 1;
            known = columns.emplace(table, std::move(read)).first;
        }
        const auto found = known->second.find(field);
        if (found != known->second.end()) info = found->second;
        return 0;
    }

    int indexExists(const std::string& table, const std::string& index, bool& exists) override {
        return hasRow(
            "SELECT 1 FROM pg_catalog.pg_indexes WHERE schemaname = current_schema() AND tablename = ? "
            "AND indexname = ?",
            {DbValue::ofText(table), DbValue::ofText(engineIndexName(table, index))}, exists);
    }

    int createIndex(const std::string& table, const IndexDescription& index) override {
        return executeStatement(*this, createIndexSql(table, index));
    }

    // The columns compare by a case-ignoring ICU collation, whose order is not the
    // file's (punctuation and symbols sort apart from their bytes) and whose
    // grouping hashes every text into a sort key. The lists compare the texts
    // with their ASCII letters lowered, by bytes, as the file does; DISTINCT ON
    // keeps the first spelling of each text in the order given.
    std::string distinctTextsSql(const DistinctTexts& list) const override {
        const std::string key = textOrderSql(list.column);
        std::string sql = "SELECT DISTINCT ON (" + key + ") " + quoteName(list.column) + " FROM " +
                          quoteName(list.table) + list.where + " ORDER BY " + key;
        for (const std::string& column : list.thenBy) sql += ", " + textOrderSql(column);
        return sql;
    }

    std::string textOrderSql(std::string_view column) const override {
        return "lower(" + quoteName(column) + " COLLATE \"C\")";
    }

    // The list keys, and the texts themselves beside them: a whole-table list is
    // read from the index alone, in its order.
    int ensureListIndex(const std::string& table, const std::string& index,
                        const std::vector<std::string>& columns) override {
        std::string keys;
        std::string texts;
        for (const std::string& column : columns) {
            if (!keys.empty()) {
                keys += ", ";
                texts += ", ";
            }
            keys += textOrderSql(column);
            texts += quoteName(column);
        }
        return executeStatement(*this, "CREATE INDEX IF NOT EXISTS " +
                                           quoteName(engineIndexName(table, index)) + " ON " +
                                           quoteName(table) + " (" + keys + ") INCLUDE (" + texts + ")");
    }

    // The transaction and its lock in one round trip: a failing lock leaves the
    // transaction open, and the rollback ends it.
    int begin() override {
        if (command("BEGIN ISOLATION LEVEL READ COMMITTED; SELECT pg_advisory_xact_lock(" +
                    std::to_string(kWriterLock) + ")") != 0) {
            rollback();
            return 1;
        }
        return 0;
    }
    int beginRead() override { return command("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"); }
    int commit() override {
        PGresult* done = PQexec(conn, "COMMIT");
        const bool ok = PQresultStatus(done) == PGRES_COMMAND_OK;
        // A transaction that had failed ends in a rollback, which the server reports as a success.
        const bool committed = ok && std::string_view(PQcmdStatus(done)) == "COMMIT";
        if (!ok) {
            fail(done);
        } else if (!committed) {
            error = {EngineStatus::Failed, "the transaction was rolled back"};
        }
        PQclear(done);
        return committed ? 0 : 1;
    }
    int rollback() override {
        if (PQtransactionStatus(conn) == PQTRANS_IDLE) return 0;
        const EngineError kept = error;  // the failure that led here is the one to report
        const int rc = command("ROLLBACK");
        error = kept;
        return rc;
    }

    const EngineError& lastError() const override { return error; }

    // Takes the description from a failed result (or the connection) and hides
    // the password of the URI, should the server or libpq ever repeat it.
    void fail(const PGresult* failed) {
        // A lock or statement time-out: another session held a row or a table too long.
        const char* state = failed ? PQresultErrorField(failed, PG_DIAG_SQLSTATE) : nullptr;
        if (state != nullptr &&
            (std::string_view(state) == kLockNotAvailable || std::string_view(state) == kQueryCanceled)) {
            error = {EngineStatus::Busy, busyDescription(displayName(source))};
            return;
        }
        const char* primary = failed ? PQresultErrorField(failed, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        std::string description = primary ? primary : withoutLineEnd(PQerrorMessage(conn));
        if (description.empty()) description = "the server did not answer";
        error = {EngineStatus::Failed, hidePassword(description, password)};
    }
    PGconn* handle() { return conn; }
    void refuse(std::string description) { error = {EngineStatus::Failed, std::move(description)}; }

    static std::string hidePassword(std::string text, const std::string& password) {
        if (password.empty()) return text;
        for (std::size_t at = text.find(password); at != std::string::npos;
             at = text.find(password, at + 3)) {
            text.replace(at, password.size(), "***");
        }
        return text;
    }

private:
    int command(const std::string& sql) {
        PGresult* done = PQexec(conn, sql.c_str());
        const ExecStatusType status = PQresultStatus(done);
        const bool ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
        if (!ok) fail(done);
        PQclear(done);
        return ok ? 0 : 1;
    }

    int forEachRow(std::string_view sql, std::initializer_list<DbValue> values,
                   const std::function<void(const DbStatement&)>& visit) {
        auto statement = prepare(sql);
        int index = 1;
        for (const DbValue& value : values) statement->bind(index++, value);
        for (;;) {
            const auto step = statement->step();
            if (step == DbStatement::Step::Done) return 0;
            if (step == DbStatement::Step::Error) return 1;
            visit(*statement);
        }
    }

    int hasRow(std::string_view sql, std::initializer_list<DbValue> values, bool& exists) {
        exists = false;
        auto statement = prepare(sql);
        int index = 1;
        for (const DbValue& value : values) statement->bind(index++, value);
        const auto step = statement->step();
        exists = step == DbStatement::Step::Row;
        return step == DbStatement::Step::Error ? 1 : 0;
    }

    PGconn* conn;
    std::string source;
    std::string password;
    EngineError error;
    std::map<std::string, std::map<std::string, FieldInfo>> columns;
};

int PgStatement::bind(int index, const DbValue& value) {
    if (index < 1) return 1;
    if (holdsNul(value)) {
        connection.refuse(kNulTextRefused);
        return 1;
    }
    if (parameters.size() < static_cast<std::size_t>(index))
        parameters.resize(static_cast<std::size_t>(index));
    auto& slot = parameters[static_cast<std::size_t>(index - 1)];
    switch (value.type) {
        case DbValue::Type::Null:
            slot.reset();
            break;
        case DbValue::Type::Integer:
            slot = std::to_string(value.integer);
            break;
        case DbValue::Type::Real:
            slot = realText(value.real);
            break;
        case DbValue::Type::Text:
            slot = value.text;
            break;
        case DbValue::Type::Blob: {
            std::size_t length = 0;
            unsigned char* escaped = PQescapeByteaConn(
                connection.handle(), reinterpret_cast<const unsigned char*>(value.text.data()),
                value.text.size(), &length);
            if (!escaped) {
                connection.fail(nullptr);
                return 1;
            }
            slot = std::string(reinterpret_cast<const char*>(escaped));
            PQfreemem(escaped);
            break;
        }
    }
    return 0;
}

DbStatement::Step PgStatement::step() {
    if (!result) {
        std::vector<const char*> values;
        for (const auto& parameter : parameters) values.push_back(parameter ? parameter->c_str() : nullptr);
        result = PQexecParams(connection.handle(), sql.c_str(), static_cast<int>(values.size()), nullptr,
                              values.data(), nullptr, nullptr, 0);
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
            connection.fail(result);
            PQclear(result);
            result = nullptr;
            return Step::Error;
        }
        row = -1;
    }
    ++row;
    return row < PQntuples(result) ? Step::Row : Step::Done;
}

DbValue PgStatement::column(int column) const {
    if (!result || row < 0 || row >= PQntuples(result) || column < 0 || column >= PQnfields(result) ||
        PQgetisnull(result, row, column)) {
        return DbValue::null();
    }
    const std::string_view text(PQgetvalue(result, row, column),
                                static_cast<std::size_t>(PQgetlength(result, row, column)));
    switch (PQftype(result, column)) {
        case kInt2Oid:  // also the Byte columns: a domain is reported as its base type
        case kInt4Oid:
        case kInt8Oid: {
            long long value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            return DbValue::ofInteger(value);
        }
        case kBoolOid:
            return DbValue::ofInteger(text == "t" ? 1 : 0);
        case kFloat4Oid:
        case kFloat8Oid:
        case kNumericOid:
            return realValue(text);
        case kByteaOid: {
            DbValue value;
            value.type = DbValue::Type::Blob;
            std::size_t length = 0;
            unsigned char* bytes =
                PQunescapeBytea(reinterpret_cast<const unsigned char*>(text.data()), &length);
            if (bytes) {
                value.text.assign(reinterpret_cast<const char*>(bytes), length);
                PQfreemem(bytes);
            }
            return value;
        }
        default:
            return DbValue::ofText(std::string(text));
    }
}

class PgEngine : public DbEngine {
public:
    std::unique_ptr<DbConnection> open(const std::string& uri, EngineError& error) override {
        std::unique_ptr<PgConnection> connection;
        bool empty = false;
        if (PGconn* kept = idleConnections().take(uri)) {
            connection = std::make_unique<PgConnection>(kept, uri, uriPassword(uri));
            if (schemaIsEmpty(*connection, empty) != 0) connection.reset();
        }
        if (!connection) {
            connection = connect(uri, error);
            if (!connection) return nullptr;
            if (schemaIsEmpty(*connection, empty) != 0) {
                error = connection->lastError();
                return nullptr;
            }
        }
        if (empty) {
            // Like a file that is not there: the caller may offer to create the tables.
            error = {EngineStatus::FileNotFound, "The database holds no tables."};
            return nullptr;
        }
        return connection;
    }

    std::unique_ptr<DbConnection> create(const std::string& uri, EngineError& error) override {
        auto connection = connect(uri, error);
        if (!connection) return nullptr;
        bool empty = false;
        if (schemaIsEmpty(*connection, empty) != 0) {
            error = connection->lastError();
            return nullptr;
        }
        if (!empty) {
            error = {EngineStatus::FileExists, "Database already exists."};
            return nullptr;
        }
        if (executeStatement(*connection, createCollationSql()) != 0 ||
            executeStatement(*connection, createByteDomainSql()) != 0) {
            error = connection->lastError();
            return nullptr;
        }
        return connection;
    }

    // The tables a create makes become visible to other stations when its
    // transaction commits: there is nothing more to publish.
    int publish(const std::string&, EngineError&) override { return 0; }

    // A create makes its tables in one transaction, which the server rolls back
    // when it fails: nothing is left to remove (the collation and the domain it
    // may leave are reused by the next create).
    void discard(const std::string&) override {}

private:
    static std::unique_ptr<PgConnection> connect(const std::string& uri, EngineError& error) {
        const char* keywords[] = {"fallback_application_name", "connect_timeout", "client_encoding", "dbname",
                                  nullptr};
        const char* values[] = {"orv", "10", "UTF8", uri.c_str(), nullptr};
        PGconn* conn = PQconnectdbParams(keywords, values, 1);
        if (!conn) {
            error = {EngineStatus::Failed, "out of memory"};
            return nullptr;
        }
        const std::string password = uriPassword(uri);
        if (PQstatus(conn) != CONNECTION_OK) {
            error = {EngineStatus::Failed,
                     PgConnection::hidePassword(withoutLineEnd(PQerrorMessage(conn)), password)};
            PQfinish(conn);
            return nullptr;
        }
        PQsetNoticeProcessor(conn, ignoreNotice, nullptr);
        // Waiting for a lock another session holds (a row being edited, a table
        // being changed) ends as the file engine's wait does: after the same time,
        // with the busy message, and the transaction rolled back.
        const std::string limits = "SET lock_timeout = " + std::to_string(kBusyTimeoutMs) +
                                   "; SET statement_timeout = " + std::to_string(kBusyTimeoutMs);
        PGresult* set = PQexec(conn, limits.c_str());
        const bool limited = PQresultStatus(set) == PGRES_COMMAND_OK;
        PQclear(set);
        if (!limited) {
            error = {EngineStatus::Failed,
                     PgConnection::hidePassword(withoutLineEnd(PQerrorMessage(conn)), password)};
            PQfinish(conn);
            return nullptr;
        }
        return std::make_unique<PgConnection>(conn, uri, password);
    }

    static int schemaIsEmpty(DbConnection& connection, bool& empty) {
        empty = true;
        return forEachRow(connection,
                          "SELECT 1 FROM pg_catalog.pg_tables WHERE schemaname = current_schema() LIMIT 1",
                          std::span<const DbValue>(),
                          [&](const DbStatement&) {
                              empty = false;
                              return 0;
                          }) == 0
                   ? 0
                   : 1;
    }
};

class PathEngine : public DbEngine {
public:
    std::unique_ptr<DbConnection> open(const std::string& path, EngineError& error) override {
        return engineFor(path).open(path, error);
    }
    std::unique_ptr<DbConnection> create(const std::string& path, EngineError& error) override {
        return engineFor(path).create(path, error);
    }
    int publish(const std::string& path, EngineError& error) override {
        return engineFor(path).publish(path, error);
    }
    void discard(const std::string& path) override { engineFor(path).discard(path); }

private:
    static DbEngine& engineFor(const std::string& path) {
        return isServerUri(path) ? postgresEngine() : sqliteEngine();
    }
};

}  // namespace

DbEngine& postgresEngine() {
    static PgEngine engine;
    return engine;
}

DbEngine& databaseEngine() {
    static PathEngine engine;
    return engine;
}

}  // namespace orv
