#include "db/sqlite_schema.h"

#include <cctype>
#include <charconv>

namespace orv {
namespace {

std::string declaredType(const FieldDescription& field) {
    switch (field.type) {
        case ColumnByte:
            return "TINYINT";
        case ColumnInt16:
            return "SMALLINT";
        case ColumnInt32:
            return "INTEGER";
        case ColumnDouble:
            return "DOUBLE";
        case ColumnText:
            return "VARCHAR(" + std::to_string(field.size) + ")";
        default:
            return "BLOB";
    }
}

int sizeOfNumber(ColumnType type) {
    switch (type) {
        case ColumnByte:
            return 1;
        case ColumnInt16:
            return 2;
        case ColumnInt32:
            return 4;
        case ColumnDouble:
            return 8;
        default:
            return 0;
    }
}

std::string upper(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return result;
}

}  // namespace

std::string columnSql(const FieldDescription& field, bool addedLater) {
    const std::string name = quoteName(field.name);
    std::string sql = name + " " + declaredType(field);
    if (field.required && !addedLater) sql += " NOT NULL";
    if (field.type == ColumnText) {
        sql += " COLLATE NOCASE CHECK (length(" + name + ") <= " + std::to_string(field.size) + ")";
    }
    if (!field.allowZeroLength) sql += " CHECK (" + name + " <> '')";
    return sql;
}

FieldInfo parseDeclaredType(std::string_view declared) {
    const std::string type = upper(declared);
    for (const ColumnType number : {ColumnByte, ColumnInt16, ColumnInt32, ColumnDouble}) {
        FieldDescription probe;
        probe.type = number;
        if (type == declaredType(probe)) return {number, sizeOfNumber(number)};
    }
    constexpr std::string_view kText = "VARCHAR(";
    if (type.size() > kText.size() + 1 && type.compare(0, kText.size(), kText) == 0 && type.back() == ')') {
        int size = 0;
        const char* first = type.data() + kText.size();
        const char* last = type.data() + type.size() - 1;
        const auto [end, ec] = std::from_chars(first, last, size);
        if (ec == std::errc() && end == last) return {ColumnText, size};
    }
    return {ColumnNone, 0};
}

std::string engineIndexName(const std::string& table, const std::string& index) {
    return table + "_" + index;
}

std::string createIndexSql(const std::string& table, const IndexDescription& index) {
    std::string sql = index.unique || index.primary ? "CREATE UNIQUE INDEX " : "CREATE INDEX ";
    sql += quoteName(engineIndexName(table, index.name)) + " ON " + quoteName(table) + " (";
    for (std::size_t i = 0; i < index.fields.size(); ++i) {
        if (i > 0) sql += ", ";
        sql += quoteName(index.fields[i]) + " ASC";
    }
    return sql + ")";
}

}  // namespace orv
