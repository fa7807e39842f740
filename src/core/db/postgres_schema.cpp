#include "db/postgres_schema.h"

#include <charconv>

namespace orv {
namespace {

std::string declaredType(const FieldDescription& field) {
    switch (field.type) {
        case ColumnByte:
            return kByteDomain;
        case ColumnInt16:
            return "smallint";
        case ColumnInt32:
            return "integer";
        case ColumnDouble:
            return "double precision";
        case ColumnText:
            return "varchar(" + std::to_string(field.size) + ") COLLATE " + kNoCaseCollation;
        default:
            return "bytea";
    }
}

}  // namespace

std::string createCollationSql() {
    return std::string("CREATE COLLATION IF NOT EXISTS ") + kNoCaseCollation +
           " (provider = icu, locale = 'und-u-ks-level2', deterministic = false)";
}

std::string createByteDomainSql() {
    return std::string("DO $$ BEGIN CREATE DOMAIN ") + kByteDomain +
           " AS smallint CHECK (VALUE BETWEEN 0 AND 255); "
           "EXCEPTION WHEN duplicate_object THEN NULL; END $$";
}

std::string postgresColumnSql(const FieldDescription& field, bool addedLater) {
    const std::string name = quoteName(field.name);
    std::string sql = name + " " + declaredType(field);
    if (field.required && !addedLater) sql += " NOT NULL";
    if (field.type == ColumnText && !field.allowZeroLength) sql += " CHECK (" + name + " <> '')";
    return sql;
}

FieldInfo parsePostgresType(std::string_view formatted, std::string_view typeName) {
    if (typeName == kByteDomain) return {ColumnByte, 1};
    if (formatted == "smallint") return {ColumnInt16, 2};
    if (formatted == "integer") return {ColumnInt32, 4};
    if (formatted == "double precision") return {ColumnDouble, 8};
    constexpr std::string_view kText = "character varying(";
    if (formatted.size() > kText.size() + 1 && formatted.substr(0, kText.size()) == kText &&
        formatted.back() == ')') {
        int size = 0;
        const char* first = formatted.data() + kText.size();
        const char* last = formatted.data() + formatted.size() - 1;
        const auto [end, ec] = std::from_chars(first, last, size);
        if (ec == std::errc() && end == last) return {ColumnText, size};
    }
    return {ColumnNone, 0};
}

std::string numberedParameters(std::string_view sql) {
    std::string result;
    result.reserve(sql.size() + 16);
    char quote = '\0';
    int number = 0;
    for (const char c : sql) {
        if (quote != '\0') {
            if (c == quote) quote = '\0';  // a doubled quote closes and reopens: same result
            result += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            result += c;
        } else if (c == '?') {
            result += '$' + std::to_string(++number);
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace orv
