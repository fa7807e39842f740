#include "db/access_layer.h"

#include <new>

#include "db/db_messages.h"

namespace orv {
namespace {

// Runs one step; running out of memory shows the step's memory text and fails.
template <typename Step>
DbResult guarded(MessageLog& log, const char* memoryText, DbResult failure, Step&& step) {
    try {
        return step();
    } catch (const std::bad_alloc&) {
        log.error("%s", memoryText);
        return failure;
    }
}

}  // namespace

DbResult showEngineFailure(MessageLog& log, const DatabaseSlot& database, const char* fixedText) {
    const std::string description = database ? database->lastError().description : std::string();
    log.error("%s%s", fixedText, description.c_str());
    return DbResult::Failed;
}

DbResult AccessLayer::engineFailure(const char* fixedText, const EngineError& error, DbResult result) {
    log.error("%s%s", fixedText, error.description.c_str());
    return result;
}

DbResult AccessLayer::createDatabase(DatabaseSlot& slot, const std::string& path) {
    slot.reset();
    return guarded(log, dbtext::kCreateDatabaseMemory, DbResult::Failed, [&] {
        EngineError error;
        slot = engine.create(path, error);
        if (slot) return DbResult::Ok;
        if (error.status == EngineStatus::FileExists) return DbResult::Exists;
        return engineFailure(dbtext::kCreateDatabaseFailed, error);
    });
}

DbResult AccessLayer::publishDatabase(const std::string& path) {
    EngineError error;
    if (engine.publish(path, error) == 0) return DbResult::Ok;
    if (error.status == EngineStatus::FileExists) return DbResult::Exists;
    return engineFailure(dbtext::kCreateDatabaseFailed, error);
}

DbResult AccessLayer::openDatabase(DatabaseSlot& slot, const std::string& path, bool reportMissing) {
    EngineError error;
    const DbResult rc = tryOpenDatabase(slot, path, error);
    return rc == DbResult::Ok ? rc : reportOpenFailure(error, rc, reportMissing);
}

DbResult AccessLayer::tryOpenDatabase(DatabaseSlot& slot, const std::string& path, EngineError& error) {
    slot.reset();
    try {
        slot = engine.open(path, error);
    } catch (const std::bad_alloc&) {
        error = {EngineStatus::Failed, {}};
        return DbResult::OpenOutOfMemory;
    }
    if (slot) return DbResult::Ok;
    return error.status == EngineStatus::FileNotFound ? DbResult::FileMissing : DbResult::OpenFailed;
}

DbResult AccessLayer::reportOpenFailure(const EngineError& error, DbResult result, bool reportMissing) {
    if (result == DbResult::OpenOutOfMemory) {
        log.error("%s", dbtext::kOpenDatabaseMemory);
        return DbResult::OpenFailed;
    }
    if (result == DbResult::FileMissing && !reportMissing) return result;
    return engineFailure(dbtext::kOpenDatabaseFailed, error, result);
}

void AccessLayer::closeDatabase(DatabaseSlot& slot) {
    slot.reset();
}

bool AccessLayer::tableExists(DbConnection& database, const std::string& name) {
    bool exists = false;
    return database.tableExists(name, exists) != 0 || exists;
}

DbResult AccessLayer::createTableDef(DbConnection& database, TableSlot& slot, const std::string& name) {
    if (tableExists(database, name)) {
        log.error("%s", dbtext::kTableExists);
        return DbResult::Failed;
    }
    slot.reset();
    return guarded(log, dbtext::kCreateTableMemory, DbResult::Failed, [&] {
        slot = TableDefinition{name, &database, false, {}};
        return DbResult::Ok;
    });
}

DbResult AccessLayer::appendTableDef(TableDefinition& table) {
    return guarded(log, dbtext::kAppendTableMemory, DbResult::Failed, [&] {
        if (table.database->createTable(table.name, table.pendingFields) != 0) {
            return engineFailure(dbtext::kAppendTableFailed, table.database->lastError());
        }
        table.appended = true;
        table.pendingFields.clear();
        return DbResult::Ok;
    });
}

DbResult AccessLayer::openTableDef(DbConnection& database, TableSlot& slot, const std::string& name) {
    slot.reset();
    return guarded(log, dbtext::kOpenTableMemory, DbResult::Failed, [&] {
        bool exists = false;
        if (database.tableExists(name, exists) != 0) {
            return engineFailure(dbtext::kOpenTableFailed, database.lastError());
        }
        if (!exists) {
            return engineFailure(dbtext::kOpenTableFailed, {EngineStatus::Failed, "no such table: " + name});
        }
        slot = TableDefinition{name, &database, true, {}};
        return DbResult::Ok;
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

DbResult AccessLayer::createField(TableDefinition& table, const FieldDescription& field) {
    if (fieldExists(table, field.name)) {
        log.error("%s", dbtext::kFieldExists);
        return DbResult::Failed;
    }
    return guarded(log, dbtext::kCreateFieldMemory, DbResult::Failed, [&] {
        if (!table.appended) {
            table.pendingFields.push_back(field);
            return DbResult::Ok;
        }
        if (table.database->addField(table.name, field) != 0) {
            return engineFailure(dbtext::kCreateFieldFailed, table.database->lastError());
        }
        return DbResult::Ok;
    });
}

DbResult AccessLayer::getFieldInfo(TableDefinition& table, const std::string& name, FieldInfo& info) {
    return guarded(log, dbtext::kFieldInfoMemory, DbResult::Failed, [&] {
        if (!table.appended) {
            for (const FieldDescription& field : table.pendingFields) {
                if (field.name == name) {
                    info = {field.type, field.size};
                    return DbResult::Ok;
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
        return DbResult::Ok;
    });
}

FieldDescription AccessLayer::describeField(const std::string& name, const std::string& table,
                                            ColumnType type, int size, bool required, bool allowZeroLength,
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

DbResult AccessLayer::ensureField(TableDefinition& table, const std::string& name, ColumnType type, int size,
                                  bool required, bool allowZeroLength, int& ordinalCounter) {
    if (!fieldExists(table, name)) {
        const FieldDescription field =
            describeField(name, table.name, type, size, required, allowZeroLength, ordinalCounter);
        if (createField(table, field) != DbResult::Ok) return DbResult::Failed;
    }
    FieldInfo info;
    if (getFieldInfo(table, name, info) != DbResult::Ok) return DbResult::Failed;
    if (info.type == type && info.size == size) return DbResult::Ok;
    return engineFailure(dbtext::kOpenDatabaseFailed,
                         {EngineStatus::Failed, "the column '" + name + "' of table '" + table.name +
                                                    "' does not have the type and size it should have"});
}

bool AccessLayer::indexExists(TableDefinition& table, const std::string& name) {
    bool exists = false;
    return table.appended && table.database->indexExists(table.name, name, exists) == 0 && exists;
}

DbResult AccessLayer::createIndex(TableDefinition& table, const IndexDescription& index) {
    if (indexExists(table, index.name)) {
        log.error("%s", dbtext::kIndexExists);
        return DbResult::Failed;
    }
    return guarded(log, dbtext::kCreateIndexMemory, DbResult::Failed, [&] {
        if (table.database->createIndex(table.name, index) != 0) {
            return engineFailure(dbtext::kCreateIndexFailed, table.database->lastError());
        }
        return DbResult::Ok;
    });
}

}  // namespace orv
