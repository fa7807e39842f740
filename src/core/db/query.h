#pragma once

// Running a statement with bound values and walking its rows.

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/engine.h"

namespace orv {

// Returned by forEachRow when the engine failed (its description is the
// connection's lastError()).
inline constexpr int kEngineFailed = -1;

// Calls visit for every row; a non-zero result of visit stops the walk and is
// returned. 0 when every row was visited.
int forEachRow(DbConnection& connection, std::string_view sql, std::span<const DbValue> values,
               const std::function<int(const DbStatement&)>& visit);
inline int forEachRow(DbConnection& connection, std::string_view sql, std::initializer_list<DbValue> values,
                      const std::function<int(const DbStatement&)>& visit) {
    return forEachRow(connection, sql, std::span<const DbValue>(values.begin(), values.size()), visit);
}

// Binds values to the parameters 1, 2, ... of a prepared statement.
int bindAll(DbStatement& statement, std::span<const DbValue> values);
inline int bindAll(DbStatement& statement, std::initializer_list<DbValue> values) {
    return bindAll(statement, std::span<const DbValue>(values.begin(), values.size()));
}

// Result columns by name, ignoring letter case as the engine does.
class ColumnIndex {
public:
    explicit ColumnIndex(const DbStatement& statement);
    int find(std::string_view name) const;  // -1 when the result has no such column

private:
    std::unordered_map<std::string, int> columns;
};

// One result row, kept after the statement has moved on.
struct StoredRow {
    explicit StoredRow(const DbStatement& statement);
    DbValue value(std::string_view column) const;  // NULL when the result has no such column

    ColumnIndex index;
    std::vector<DbValue> values;
};

// Reads the first row of a statement and tells whether a second one follows:
// 0 no row, 1 one row, 2 more than one, or kEngineFailed.
int fetchSingle(DbStatement& statement, std::optional<StoredRow>& row);

}  // namespace orv
