#include "db/access_layer.h"

#include <new>

#include "db/db_messages.h"

namespace orv {
namespace {

// Runs one step; running out of memory shows the step's memory text and fails.
template <typename Step>
int guarded(MessageLog& log, const char* memoryText, int failure, Step&& step) {
    try {
        return step();
    } catch (const std::bad_alloc&) {
        log.error("%s", memoryText);
        return failure;
    }
}

// tryOpenDatabase ran out of memory: shown as the open's memory text.
constexpr int kOpenOutOfMemory = -2;

}  // namespace

int showEngineFailure(MessageLog& log, const DatabaseSlot& database, const char* fixedText) {
    const std::string description = database ? database->lastError().description : std::string();
    log.error("%s%s", fixedText, description.c_str());
    return 1;
}

int AccessLayer::engineFailure(const char* fixedText, const EngineError& error, int result) {
    log.error("%s%s", fixedText, error.description.c_str());
    return result;
}

int AccessLayer::createDatabase(DatabaseSlot& slot, const std::string& path) {
    slot.reset();
    return guarded(log, dbtext::kCreateDatabaseMemory, 1, [&] {
        EngineError error;
        slot = engine.create(path, error);
        if (slot) return 0;
        if (error.status == EngineStatus::FileExists) return kDatabaseExists;
        return engineFailure(dbtext::kCreateDatabaseFailed, error);
    });
}

int AccessLayer::publishDatabase(const std::string& path) {
    EngineError error;
    if (engine.publish(path, error) == 0) return 0;
    if (error.status == EngineStatus::FileExists) return kDatabaseExists;
    return engineFailure(dbtext::kCreateDatabaseFailed, error);
}

int AccessLayer::openDatabase(DatabaseSlot& slot, const std::string& path, bool reportMissing) {
    EngineError error;
    const int rc = tryOpenDatabase(slot, path, error);
    return rc == 0 ? 0 : reportOpenFailure(error, rc, reportMissing);
}

int AccessLayer::tryOpenDatabase(DatabaseSlot& slot, const std::string& path, EngineError& error) {
    slot.reset();
    try {
        slot = engine.open(path, error);
    } catch (const std::bad_alloc&) {
        error = {EngineStatus::Failed, {}};
        return kOpenOutOfMemory;
    }
    if (slot) return 0;
    return error.status == EngineStatus::FileNotFound ? 1 : -1;
}

int AccessLayer::reportOpenFailure(const EngineError& error, int result, bool reportMissing) {
    if (result == kOpenOutOfMemory) {
        log.error("%s", dbtext::kOpenDatabaseMemory);
        return -1;
    }
    if (result == 1 && !reportMissing) return 1;
    return engineFailure(dbtext::kOpenDatabaseFailed, error, result);
}

void AccessLayer::closeDatabase(DatabaseSlot& slot) {
    slot.reset();
}

bool AccessLayer::tableExists(DbConnection& database, const std::string& name) {
    bool exists = false;
    return database.tableExists(name, exists) != 0 || exists;
}

int AccessLayer::createTableDef(DbConnection& database, TableSlot& slot, const std::string& name) {
    if (tableExists(database, name)) {
        log.error("%s", dbtext::kTableExists);
        return 1;
    }
    slot.reset();
    return guarded(log, dbtext::kCreateTableMemory, 1, [&] {
        slot = TableDefinition{name, &database, false, {}};
        return 0;
    });
}

int AccessLayer::appendTableDef(TableDefinition& table) {
    return guarded(log, dbtext::kAppendTableMemory, 1, [&] {
        if (table.database->createTable(table.name, table.pendingFields) != 0) {
            return engineFailure(dbtext::kAppendTableFailed, table.database->lastError());
        }
        table.appended = true;
        table.pendingFields.clear();
        return 0;
    });
}

int AccessLayer::openTableDef(DbConnection& database, TableSlot& slot, const std::string& name) {
    slot.reset();
    return guarded(log, dbtext::kOpenTableMemory, 1, [&] {
        bool exists = false;
        if (database.tableExists(name, exists) != 0) {
            return engineFailure(dbtext::kOpenTableFailed, database.lastError());
        }
        if (!exists) {
            return engineFailure(dbtext::kOpenTableFailed, {EngineStatus::Failed, "no such table: " + name});
        }
        slot = TableDefinition{name, &database, true, {}};
        return 0;
    });
}

void AccessLayer::closeTableDef(TableSlot& slot) {
    slot.reset();
}

bool AccessLayer::fieldExists(TableDefinition& table, const std::string& name) {
    if (!table.appended) {
        for (const FieldDescription& field : table.pendingFields) {
            if (field.name == name) return true;
        }
        return false;
    }
    std::optional<FieldInfo> found;
    return table.database->fieldInfo(table.name, name, found) == 0 && found.has_value();
}

int AccessLayer::createField(TableDefinition& table, const FieldDescription& field) {
    if (fieldExists(table, field.name)) {
        log.error("%s", dbtext::kFieldExists);
        return 1;
    }
    return guarded(log, dbtext::kCreateFieldMemory, 1, [&] {
        if (!table.appended) {
            table.pendingFields.push_back(field);
            return 0;
        }
        if (table.database->addField(table.name, field) != 0) {
            return engineFailure(dbtext::kCreateFieldFailed, table.database->lastError());
        }
        return 0;
    });
}

int AccessLayer::getFieldInfo(TableDefinition& table, const std::string& name, FieldInfo& info) {
    return guarded(log, dbtext::kFieldInfoMemory, 1, [&] {
        if (!table.appended) {
            for (const FieldDescription& field : table.pendingFields) {
                if (field.name == name) {
                    info = {field.type, field.size};
                    return 0;
                }
            }
            return engineFailure(dbtext::kFieldInfoFailed, {EngineStatus::Failed, "no such field: " + name});
        }
        std::optional<FieldInfo> found;
        if (table.database->fieldInfo(table.name, name, found) != 0) {
            return engineFailure(dbtext::kFieldInfoFailed, table.database->lastError());
        }
        if (!found) {
            return engineFailure(dbtext::kFieldInfoFailed, {EngineStatus::Failed, "no such field: " + name});
        }
        info = *found;
        return 0;
    });
}

FieldDescription AccessLayer::describeField(const std::string& name, const std::string& table, short type,
                                            int size, bool required, bool allowZeroLength,
                                            int& ordinalCounter) {
    FieldDescription field;
    field.name = name;
    field.sourceTable = table;
    field.type = type;
    field.size = size;
    field.ordinalPosition = ordinalCounter++;
    field.required = required;
    field.allowZeroLength = allowZeroLength;
    return field;
}

int AccessLayer::ensureField(TableDefinition& table, const std::string& name, short type, int size,
                             bool required, bool allowZeroLength, int& ordinalCounter) {
    if (!fieldExists(table, name)) {
        const FieldDescription field =
            describeField(name, table.name, type, size, required, allowZeroLength, ordinalCounter);
        if (createField(table, field) != 0) return 1;
    }
    FieldInfo info;
    if (getFieldInfo(table, name, info) != 0) return 1;
    if (info.type == type && info.size == size) return 0;
    return engineFailure(dbtext::kOpenDatabaseFailed,
                         {EngineStatus::Failed, "the column '" + name + "' of table '" + table.name +
                                                    "' does not have the type and size it should have"});
}

bool AccessLayer::indexExists(TableDefinition& table, const std::string& name) {
    bool exists = false;
    return table.appended && table.database->indexExists(table.name, name, exists) == 0 && exists;
}

int AccessLayer::createIndex(TableDefinition& table, const IndexDescription& index) {
    if (indexExists(table, index.name)) {
        log.error("%s", dbtext::kIndexExists);
        return 1;
    }
    return guarded(log, dbtext::kCreateIndexMemory, 1, [&] {
        if (table.database->createIndex(table.name, index) != 0) {
            return engineFailure(dbtext::kCreateIndexFailed, table.database->lastError());
        }
        return 0;
    });
}

}  // namespace orv
