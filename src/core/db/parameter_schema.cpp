// The tables of the parameter database: made by the create, checked and
// completed by the first open of a file in a run. The check only reads: a
// file that needs nothing added takes no write lock, so another station
// saving does not hold up a reader, and a read-only file can be read.

#include <array>
#include <string>
#include <vector>

#include "db/db_messages.h"
#include "db/parameter_db.h"
#include "db/query.h"

namespace orv {
namespace {

constexpr std::array<const char*, 3> kKeyColumns = {kJobColumn, kCtnColumn, kStatusColumn};

// A device key stands once in the general table and once per season in the
// season table; the engine refuses a second row where it can enforce that.
constexpr const char* kDeviceKeyIndex = "DeviceKey";

IndexDescription generalKeyIndex() {
    return {kDeviceKeyIndex, {kJobColumn, kCtnColumn, kStatusColumn}, false, true};
}

IndexDescription seasonKeyIndex() {
    return {kDeviceKeyIndex, {kJobColumn, kCtnColumn, kStatusColumn, kSeasonNumberColumn}, false, true};
}

// The CTN and PTT ID lookups list and search whole tables by these columns.
std::array<IndexDescription, 2> lookupIndexes() {
    return {IndexDescription{"CtnOrder", {kCtnColumn}}, IndexDescription{"PttIdOrder", {"PttIdCode"}}};
}

// The case-ignoring lists of all Jobs and of all CTNs, where the engine needs
// indexes of its own for them: each list column, then the rest of the key.
struct ListIndex {
    const char* name;
    std::vector<std::string> columns;
};
std::array<ListIndex, 2> listIndexes() {
    return {ListIndex{"JobList", {kJobColumn, kCtnColumn, kStatusColumn}},
            ListIndex{"CtnList", {kCtnColumn, kJobColumn, kStatusColumn}}};
}

}  // namespace

DbResult ParameterDb::createSchema() {
    TableSlot table;
    auto create = [&](const std::string& name, ColumnType type, int size, bool required,
                      bool allowZeroLength) {
        return access.createField(*table, AccessLayer::describeField(name, table->name, type, size, required,
                                                                     allowZeroLength, ordinalCounter));
    };

    if (access.createTableDef(*database, table, kGeneralTable) != DbResult::Ok) return DbResult::Failed;
    ordinalCounter = 1;
    for (const char* key : kKeyColumns) {
        if (create(key, ColumnText, kKeyColumnWidth, true, true) != DbResult::Ok) return DbResult::Failed;
    }
    for (const ParameterDefinition& def : stringDefinitions()) {
        if (hasKey(def) && !access.fieldExists(*table, def.key) &&
            create(def.key, ColumnText, def.width, false, true) != DbResult::Ok) {
            return DbResult::Failed;
        }
    }
    for (const ParameterDefinition& def : generalDefinitions()) {
        if (hasKey(def) && create(def.key, def.columnType, def.width, false, false) != DbResult::Ok)
            return DbResult::Failed;
    }
    if (access.appendTableDef(*table) != DbResult::Ok ||
        access.createIndex(*table, {kMainOrderIndex, {kJobColumn, kCtnColumn}}) != DbResult::Ok ||
        access.createIndex(*table, generalKeyIndex()) != DbResult::Ok) {
        return DbResult::Failed;
    }
    for (const IndexDescription& index : lookupIndexes()) {
        if (access.createIndex(*table, index) != DbResult::Ok) return DbResult::Failed;
    }
    for (const ListIndex& index : listIndexes()) {
        if (database->ensureListIndex(kGeneralTable, index.name, index.columns) != 0)
            return engineFailure(dbtext::kCreateIndexFailed);
    }

    if (access.createTableDef(*database, table, kSeasonTable) != DbResult::Ok) return DbResult::Failed;
    ordinalCounter = 1;
    for (const char* key : kKeyColumns) {
        if (create(key, ColumnText, kKeyColumnWidth, true, true) != DbResult::Ok) return DbResult::Failed;
    }
    if (create(kSeasonNumberColumn, ColumnByte, 1, true, false) != DbResult::Ok) return DbResult::Failed;
    for (const ParameterDefinition& def : seasonDefinitions()) {
        if (hasKey(def) && create(def.key, def.columnType, def.width, false, false) != DbResult::Ok)
            return DbResult::Failed;
    }
    if (access.appendTableDef(*table) != DbResult::Ok) return DbResult::Failed;
    if (access.createIndex(*table, {kMainOrderIndex, {kJobColumn, kCtnColumn, kSeasonNumberColumn}}) !=
        DbResult::Ok)
        return DbResult::Failed;
    if (access.createIndex(*table, seasonKeyIndex()) != DbResult::Ok) return DbResult::Failed;
    return createHistoryTable() == DbResult::Ok ? DbResult::Ok : engineFailure(dbtext::kCreateTableFailed);
}

std::vector<ParameterDb::SchemaColumn> ParameterDb::schemaColumns() {
    std::vector<SchemaColumn> columns;
    const auto strings = stringDefinitions();
    for (std::size_t row = 0; row < strings.size(); ++row) {
        // Only the Job and CTN numbers are required in an older general table.
        if (hasKey(strings[row]))
            columns.push_back(
                {&generalTable, strings[row].key, ColumnText, strings[row].width, row < 2, true});
    }
    for (const ParameterDefinition& def : generalDefinitions()) {
        if (hasKey(def)) columns.push_back({&generalTable, def.key, def.columnType, def.width, false, false});
    }
    for (const char* key : kKeyColumns) {
        columns.push_back({&seasonTable, key, ColumnText, kKeyColumnWidth, true, true});
    }
    columns.push_back({&seasonTable, kSeasonNumberColumn, ColumnByte, 1, true, false});
    for (const ParameterDefinition& def : seasonDefinitions()) {
        if (hasKey(def)) columns.push_back({&seasonTable, def.key, def.columnType, def.width, false, false});
    }
    return columns;
}

DbResult ParameterDb::missingColumns(bool& missing) {
    missing = false;
    for (const SchemaColumn& column : schemaColumns()) {
        if (!access.fieldExists(**column.table, column.name)) {
            missing = true;
            return DbResult::Ok;
        }
    }
    return DbResult::Ok;
}

DbResult ParameterDb::upgradeSchema() {
    for (const SchemaColumn& column : schemaColumns()) {
        if (access.ensureField(**column.table, column.name, column.type, column.size, column.required,
                               column.allowZeroLength, ordinalCounter) != DbResult::Ok) {
            return DbResult::Failed;
        }
    }
    return DbResult::Ok;
}

// Rows without a status (older files) are working devices. Only a file that
// has such rows is written to; when that fails (a read-only file) the rows
// stay as they are and the operation goes on.
void ParameterDb::fillMissingStatuses() {
    for (const char* table : {kGeneralTable, kSeasonTable}) {
        bool found = false;
        const std::string status = quoteName(kStatusColumn);
        if (forEachRow(*database,
                       "SELECT 1 FROM " + quoteName(table) + " WHERE " + status + " IS NULL LIMIT 1", {},
                       [&](const DbStatement&) {
                           found = true;
                           return 0;
                       }) != 0) {
            return;
        }
        if (!found) continue;
        const std::string sql =
            "UPDATE " + quoteName(table) + " SET " + status + " = ? WHERE " + status + " IS NULL";
        const DbValue working[] = {DbValue::ofText(kStatusWorking)};
        if (executeStatement(*database, sql, working) != 0) {
            log.warning("%s%s", dbtext::kSaveFailed, database->lastError().description.c_str());
            return;
        }
    }
}

// Files made before the key indexes get them, unless they already hold a
// device twice: reading such a device reports it, and saving keeps the key
// single by checking inside its transaction. Failing to add an index (a
// read-only file) costs nothing else.
void ParameterDb::addKeyIndexes() {
    const std::string job = quoteName(kJobColumn);
    const std::string ctn = quoteName(kCtnColumn);
    const std::string status = quoteName(kStatusColumn);
    for (auto [slot, index, grouping] :
         {std::tuple{&generalTable, generalKeyIndex(), job + ", " + ctn + ", " + status},
          std::tuple{&seasonTable, seasonKeyIndex(),
                     job + ", " + ctn + ", " + status + ", " + quoteName(kSeasonNumberColumn)}}) {
        if (access.indexExists(**slot, index.name)) continue;
        bool twice = false;
        if (forEachRow(*database,
                       "SELECT 1 FROM " + quoteName((*slot)->name) + " GROUP BY " + grouping +
                           " HAVING count(*) > 1 LIMIT 1",
                       {},
                       [&](const DbStatement&) {
                           twice = true;
                           return 0;
                       }) != 0 ||
            twice) {
            continue;
        }
        database->createIndex((*slot)->name, index);
    }
    // Files made before the lookups had their indexes get them (a failure only costs speed).
    for (const IndexDescription& index : lookupIndexes()) {
        if (!access.indexExists(*generalTable, index.name)) database->createIndex(kGeneralTable, index);
    }
    for (const ListIndex& index : listIndexes())
        database->ensureListIndex(kGeneralTable, index.name, index.columns);
}

}  // namespace orv
