#pragma once

// How the column and index descriptions of the access layer are written as
// SQLite schema text, and read back.

#include <string>
#include <string_view>

#include "db/engine.h"

namespace orv {

// The column as it appears in CREATE TABLE. Types are declared so that they
// read back exactly: TINYINT (Byte), SMALLINT (16-bit), INTEGER (32-bit),
// DOUBLE, VARCHAR(n). The required and zero-length rules and the text length
// become NOT NULL and CHECK constraints; texts compare ignoring letter case.
// addedLater: the column is added to a table that may already hold rows, where
// SQLite cannot add a NOT NULL column without a default; the rows there have no
// value for it, so the required rule is left to the program for such a column.
std::string columnSql(const FieldDescription& field, bool addedLater);

// Type and size from a declared type; type 0 for a declaration we do not write.
FieldInfo parseDeclaredType(std::string_view declared);

// SQLite index names are unique in the whole file, ours only within a table.
std::string engineIndexName(const std::string& table, const std::string& index);

// The statement that creates an index, the same on both engines.
std::string createIndexSql(const std::string& table, const IndexDescription& index);

}  // namespace orv
