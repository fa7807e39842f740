#include "db/engine.h"

namespace orv {

int executeStatement(DbConnection& connection, std::string_view sql, std::span<const DbValue> values) {
    auto statement = connection.prepare(sql);
    if (!statement) return 1;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (statement->bind(static_cast<int>(i) + 1, values[i]) != 0) return 1;
    }
    DbStatement::Step step = statement->step();
    while (step == DbStatement::Step::Row) step = statement->step();
    return step == DbStatement::Step::Done ? 0 : 1;
}

std::string busyDescription(const std::string& name) {
    return "the database '" + name + "' is busy: another station or program has held it for more than " +
           std::to_string(kBusyTimeoutMs / 1000) +
           " seconds. Nothing was changed; try again when it is done.";
}

std::string DbConnection::distinctTextsSql(const DistinctTexts& list) const {
    return "SELECT DISTINCT " + quoteName(list.column) + " FROM " + quoteName(list.table) + list.where +
           " ORDER BY " + textOrderSql(list.column);
}

std::string DbConnection::textOrderSql(std::string_view column) const {
    return quoteName(column);
}

std::string quoteName(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

}  // namespace orv
