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
#include "db/engine.h"

namespace orv {

using DatabaseSlot = std::unique_ptr<DbConnection>;

// A database was found where one was to be created: another program made it meanwhile.
inline constexpr int kDatabaseExists = 2;

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
// failure, as every operation reports one; returns 1.
int showEngineFailure(MessageLog& log, const DatabaseSlot& database, const char* fixedText);

class AccessLayer {
public:
    AccessLayer(MessageLog& messages, DbEngine& storage) : log(messages), engine(storage) {}

    // Both discard a database already in the slot; on failure the slot is empty.
    // 0 created; kDatabaseExists (not shown) when a database is already there; 1 failure (shown).
    int createDatabase(DatabaseSlot& slot, const std::string& path);
    // Makes a created, committed and closed database visible under its path:
    // 0; kDatabaseExists (not shown) when another program's got there first; 1 failure (shown).
    int publishDatabase(const std::string& path);
    // 0 open; 1 the file does not exist (shown only with reportMissing); -1 any other failure (shown).
    int openDatabase(DatabaseSlot& slot, const std::string& path, bool reportMissing);
    // The same without showing anything (-1 or below for any other failure); error says why it failed.
    int tryOpenDatabase(DatabaseSlot& slot, const std::string& path, EngineError& error);
    // Shows a failure of tryOpenDatabase as openDatabase would; returns its result.
    int reportOpenFailure(const EngineError& error, int result, bool reportMissing);
    void closeDatabase(DatabaseSlot& slot);

    // An engine failure while asking counts as "exists", as a lookup that cannot
    // answer must not lead to a second table being made.
    bool tableExists(DbConnection& database, const std::string& name);
    int createTableDef(DbConnection& database, TableSlot& slot, const std::string& name);
    int appendTableDef(TableDefinition& table);
    int openTableDef(DbConnection& database, TableSlot& slot, const std::string& name);
    void closeTableDef(TableSlot& slot);

    bool fieldExists(TableDefinition& table, const std::string& name);
    int createField(TableDefinition& table, const FieldDescription& field);
    int getFieldInfo(TableDefinition& table, const std::string& name, FieldInfo& info);
    // Fixed field, general sort order, ordinal position from the counter (which moves on by one).
    static FieldDescription describeField(const std::string& name, const std::string& table, short type,
                                          int size, bool required, bool allowZeroLength, int& ordinalCounter);
    // Creates the field when missing; fails (shown) when it exists with another type or size.
    int ensureField(TableDefinition& table, const std::string& name, short type, int size, bool required,
                    bool allowZeroLength, int& ordinalCounter);

    bool indexExists(TableDefinition& table, const std::string& name);
    int createIndex(TableDefinition& table, const IndexDescription& index);

    MessageLog& log;
    DbEngine& engine;

private:
    int engineFailure(const char* fixedText, const EngineError& error, int result = 1);
};

}  // namespace orv
