#pragma once

// The storage engine behind the parameter and password databases. One small
// interface, so that the embedded file engine can be joined later by a shared
// server engine without touching the database code above it.
//
// SQL text handed to an engine uses double-quoted identifiers and "?" for every
// value; values are always bound, never written into the text.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/column_type.h"

namespace orv {

// Why an engine call failed.
enum class EngineStatus {
    Ok,
    FileNotFound,  // open: the file does not exist
    FileExists,    // create, publish: there is already a database at the path
    Busy,          // another program held the database longer than the engine waits
    Failed,        // anything else; the description says what
};

struct EngineError {
    EngineStatus status = EngineStatus::Ok;
    std::string description;  // the engine's own words, appended to our fixed texts
};

// One value read from or written to a column.
struct DbValue {
    enum class Type { Null, Integer, Real, Text, Blob };
    Type type = Type::Null;
    long long integer = 0;
    double real = 0;
    std::string text;

    static DbValue null() { return {}; }
    static DbValue ofInteger(long long value) { return {Type::Integer, value, 0, {}}; }
    static DbValue ofReal(double value) { return {Type::Real, 0, value, {}}; }
    static DbValue ofText(std::string value) { return {Type::Text, 0, 0, std::move(value)}; }
};

// A column as it is to be created.
struct FieldDescription {
    std::string name;
    std::string sourceTable;
    ColumnType type = ColumnNone;
    int size = 0;               // text: maximum characters; numbers: byte width
    int attributes = 1;         // fixed field
    int collatingOrder = 1033;  // general sort order: texts compare ignoring letter case
    int ordinalPosition = 0;
    bool required = false;        // NOT NULL
    bool allowZeroLength = true;  // false: an empty text is refused
};

// A column as the engine reports it.
struct FieldInfo {
    ColumnType type = ColumnNone;
    int size = 0;
};

// A list of the distinct texts of one column, as the program's lists show them:
// compared and ordered ignoring the case of ASCII letters, otherwise by their
// bytes (how the file's text columns compare). Of several spellings of one
// text the list shows that of the first row in the order of thenBy (on the
// file: in the order of the index the list is read from).
struct DistinctTexts {
    std::string table;
    std::string column;
    std::string where;                // "" or " WHERE ..." with "?" for its values
    std::vector<std::string> thenBy;  // column names
};

struct IndexDescription {
    std::string name;
    std::vector<std::string> fields;  // ascending, in this order
    bool primary = false;
    bool unique = false;
};

// A prepared statement. Parameters are numbered from 1, result columns from 0.
class DbStatement {
public:
    enum class Step { Row, Done, Error };

    virtual ~DbStatement() = default;
    virtual int bind(int index, const DbValue& value) = 0;
    virtual Step step() = 0;
    virtual int columnCount() const = 0;
    virtual std::string columnName(int column) const = 0;
    virtual DbValue column(int column) const = 0;
    // Back to before the first step, keeping the bound values (to run it again).
    virtual int reset() = 0;
};

// One open database. Every int result is 0 on success; on failure lastError() says why.
class DbConnection {
public:
    virtual ~DbConnection() = default;

    virtual std::unique_ptr<DbStatement> prepare(std::string_view sql) = 0;

    virtual int tableExists(const std::string& table, bool& exists) = 0;
    virtual int createTable(const std::string& table, std::span<const FieldDescription> fields) = 0;
    virtual int addField(const std::string& table, const FieldDescription& field) = 0;
    // info is empty when the table has no such column.
    virtual int fieldInfo(const std::string& table, const std::string& field,
                          std::optional<FieldInfo>& info) = 0;
    virtual int indexExists(const std::string& table, const std::string& index, bool& exists) = 0;
    virtual int createIndex(const std::string& table, const IndexDescription& index) = 0;

    // The SQL of a list of distinct texts. The file's text columns compare and
    // sort that way by themselves.
    virtual std::string distinctTextsSql(const DistinctTexts& list) const;
    // What a text column is sorted by to come in the order of such lists.
    virtual std::string textOrderSql(std::string_view column) const;
    // Makes, where it is missing, the index that lists of the distinct texts of
    // columns[0] (then ordered by the other columns) are read from, for an engine
    // whose ordinary indexes do not serve them; the file's do (nothing to make).
    virtual int ensureListIndex(const std::string& /*table*/, const std::string& /*index*/,
                                const std::vector<std::string>& /*columns*/) {
        return 0;
    }

    // A transaction that writes; writers of one database follow one another.
    virtual int begin() = 0;
    // A transaction that only reads, all of it from one consistent state.
    virtual int beginRead() = 0;
    virtual int commit() = 0;
    virtual int rollback() = 0;

    virtual const EngineError& lastError() const = 0;
};

class DbEngine {
public:
    virtual ~DbEngine() = default;
    // Opens an existing database for reading and writing, shared with other programs.
    virtual std::unique_ptr<DbConnection> open(const std::string& path, EngineError& error) = 0;
    // Makes a new, empty database for path; fails when the path already names a
    // database. Other programs see it only once it is published: until then an
    // engine may build it apart (the file engine builds it beside the target).
    virtual std::unique_ptr<DbConnection> create(const std::string& path, EngineError& error) = 0;
    // Makes the database created for path, complete and closed, visible under
    // path. FileExists when another program's database got there first: the
    // caller then discards its own and uses that one.
    virtual int publish(const std::string& /*path*/, EngineError& /*error*/) { return 0; }
    // Removes what this program's create for path left unpublished (a create that
    // failed halfway or lost the race); never a database another program made.
    virtual void discard(const std::string& path) = 0;
};

// The embedded engine: one SQLite file per database.
DbEngine& sqliteEngine();
// The shared server engine: a PostgreSQL database named by a connection URI.
DbEngine& postgresEngine();
// The engine the path calls for: the server for a connection URI, else the file.
DbEngine& databaseEngine();

// How long an engine waits for another station or program that holds what it
// needs (the file, a row) before it gives up with the busy description.
inline constexpr int kBusyTimeoutMs = 5000;
// name: the database as messages show it.
std::string busyDescription(const std::string& name);

// Why a bound text is refused by every engine alike: the server's texts end at
// a NUL, the file's would keep it, and a copy from one to the other must never
// cut a text silently.
inline constexpr const char* kNulTextRefused = "a text holding a NUL character cannot be stored";
inline bool holdsNul(const DbValue& value) {
    return value.type == DbValue::Type::Text && value.text.find('\0') != std::string::npos;
}

// Runs a statement that returns no rows, with its values bound in order.
int executeStatement(DbConnection& connection, std::string_view sql, std::span<const DbValue> values = {});

// Quotes a table or column name for SQL text.
std::string quoteName(std::string_view name);

}  // namespace orv
