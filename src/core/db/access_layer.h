#pragma once

// The steps through which the parameter and password databases create, open and
// shape their files. Each step shows its own failure (a fixed text, followed by
// the engine's description for an engine error) and returns a result code; no
// engine failure or exception goes past it.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/message_log.h"
#include "db/db_result.h"
#include "db/engine.h"

namespace orv {

using DatabaseSlot = std::unique_ptr<DbConnection>;

// A table definition: built up field by field and appended (created) in one go,
// or opened on a table that exists, where new fields are added one at a time.
struct TableDefinition {
    std::string name;
    DbConnection* database = nullptr;
    bool appended = false;
    std::vector<FieldDescription> pendingFields;  // before the append
};
using TableSlot = std::optional<TableDefinition>;

// Shows fixedText followed by the description of the database's last engine
// failure, as every operation reports one; returns Failed.
DbResult showEngineFailure(MessageLog& log, const DatabaseSlot& database, const char* fixedText);

class AccessLayer {
public:
    AccessLayer(MessageLog& messages, DbEngine& storage) : log(messages), engine(storage) {}

    // Both discard a database already in the slot; on failure the slot is empty.
    // Ok created; Exists (not shown) when a database is already there (another
    // program made it meanwhile); Failed (shown).
    DbResult createDatabase(DatabaseSlot& slot, const std::string& path);
    // Makes a created, committed and closed database visible under its path:
    // Ok; Exists (not shown) when another program's got there first; Failed (shown).
    DbResult publishDatabase(const std::string& path);
    // Ok open; FileMissing (shown only with reportMissing); OpenFailed (shown).
    DbResult openDatabase(DatabaseSlot& slot, const std::string& path, bool reportMissing);
    // The same without showing anything (OpenFailed or OpenOutOfMemory for any
    // other failure); error says why it failed.
    DbResult tryOpenDatabase(DatabaseSlot& slot, const std::string& path, EngineError& error);
    // Shows a failure of tryOpenDatabase as openDatabase would; returns its result.
    DbResult reportOpenFailure(const EngineError& error, DbResult result, bool reportMissing);
    void closeDatabase(DatabaseSlot& slot);

    // An engine failure while asking counts as "exists", as a lookup that cannot
    // answer must not lead to a second table being made.
    bool tableExists(DbConnection& database, const std::string& name);
    DbResult createTableDef(DbConnection& database, TableSlot& slot, const std::string& name);
    DbResult appendTableDef(TableDefinition& table);
    DbResult openTableDef(DbConnection& database, TableSlot& slot, const std::string& name);
    void closeTableDef(TableSlot& slot);

    bool fieldExists(TableDefinition& table, const std::string& name);
    DbResult createField(TableDefinition& table, const FieldDescription& field);
    DbResult getFieldInfo(TableDefinition& table, const std::string& name, FieldInfo& info);
    // Fixed field, general sort order, ordinal position from the counter (which moves on by one).
    static FieldDescription describeField(const std::string& name, const std::string& table, ColumnType type,
                                          int size, bool required, bool allowZeroLength, int& ordinalCounter);
    // Creates the field when missing; fails (shown) when it exists with another type or size.
    DbResult ensureField(TableDefinition& table, const std::string& name, ColumnType type, int size,
                         bool required, bool allowZeroLength, int& ordinalCounter);

    bool indexExists(TableDefinition& table, const std::string& name);
    DbResult createIndex(TableDefinition& table, const IndexDescription& index);

    MessageLog& log;
    DbEngine& engine;

private:
    DbResult engineFailure(const char* fixedText, const EngineError& error,
                           DbResult result = DbResult::Failed);
};

}  // namespace orv
