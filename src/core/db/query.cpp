#include "db/query.h"

#include <cctype>

#include "app/text_helpers.h"

namespace orv {
namespace {}  // namespace

int bindAll(DbStatement& statement, std::span<const DbValue> values) {
    int index = 1;
    for (const DbValue& value : values) {
        if (statement.bind(index++, value) != 0) return 1;
    }
    return 0;
}

int forEachRow(DbConnection& connection, std::string_view sql, std::span<const DbValue> values,
               const std::function<int(const DbStatement&)>& visit) {
    auto statement = connection.prepare(sql);
    if (!statement || bindAll(*statement, values) != 0) return kEngineFailed;
    for (;;) {
        const auto step = statement->step();
        if (step == DbStatement::Step::Done) return 0;
        if (step == DbStatement::Step::Error) return kEngineFailed;
        if (const int rc = visit(*statement); rc != 0) return rc;
    }
}

ColumnIndex::ColumnIndex(const DbStatement& statement) {
    for (int i = 0; i < statement.columnCount(); ++i) columns.emplace(lowerCase(statement.columnName(i)), i);
}

int ColumnIndex::find(std::string_view name) const {
    const auto found = columns.find(lowerCase(name));
    return found == columns.end() ? -1 : found->second;
}

StoredRow::StoredRow(const DbStatement& statement) : index(statement) {
    for (int i = 0; i < statement.columnCount(); ++i) values.push_back(statement.column(i));
}

DbValue StoredRow::value(std::string_view column) const {
    const int at = index.find(column);
    return at >= 0 ? values[static_cast<std::size_t>(at)] : DbValue::null();
}

int fetchSingle(DbStatement& statement, std::optional<StoredRow>& row) {
    row.reset();
    auto step = statement.step();
    if (step == DbStatement::Step::Error) return kEngineFailed;
    if (step == DbStatement::Step::Done) return 0;
    row.emplace(statement);
    step = statement.step();
    if (step == DbStatement::Step::Error) return kEngineFailed;
    return step == DbStatement::Step::Row ? 2 : 1;
}

}  // namespace orv
