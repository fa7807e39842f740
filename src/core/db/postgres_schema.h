#pragma once

// How the column and index descriptions of the access layer are written as
// PostgreSQL schema text, and read back.

#include <string>
#include <string_view>

#include "db/engine.h"

namespace orv {

// Texts compare ignoring letter case (the general sort order), as in the file
// engine: a nondeterministic collation that the create puts into the schema.
inline constexpr const char* kNoCaseCollation = "orv_nocase";
// The server has no one-byte integer: Byte columns are small integers of this
// domain, which keeps them to 0..255 and lets their type be read back.
inline constexpr const char* kByteDomain = "orv_byte";

// The statements that put the collation and the domain into a new schema; each
// may run again on a schema that has them.
std::string createCollationSql();
std::string createByteDomainSql();

// The column as it appears in CREATE TABLE or ALTER TABLE ... ADD COLUMN:
// orv_byte (Byte), smallint (16-bit), integer (32-bit), double precision,
// varchar(n) with the case-ignoring collation. The required and zero-length
// rules become NOT NULL and CHECK constraints. addedLater: the column joins a
// table that may hold rows, which have no value for it, so it is not NOT NULL.
std::string postgresColumnSql(const FieldDescription& field, bool addedLater);

// Type and size from the server's type name (format_type) and the name of the
// column's own type; type 0 for a type we do not write.
FieldInfo parsePostgresType(std::string_view formatted, std::string_view typeName);

// Replaces every "?" outside quotes by $1, $2, ... in order.
std::string numberedParameters(std::string_view sql);

}  // namespace orv
