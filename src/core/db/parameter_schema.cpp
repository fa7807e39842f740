// The tables of the parameter database: made by the create, checked and
// completed by the first open of a file in a run.

#include <array>

#include "db/db_messages.h"
#include "db/parameter_db.h"

namespace orv {
namespace {

constexpr std::array<const char*, 3> kKeyColumns = {kJobColumn, kCtnColumn, kStatusColumn};

bool hasKey(const ParameterDefinition& def) {
    return def.key[0] != '\0';
}

}  // namespace

int ParameterDb::createSchema() {
    TableSlot table;
    auto create = [&](const std::string& name, short type, int size, bool required, bool allowZeroLength) {
        return access.createField(*table, AccessLayer::describeField(name, table->name, type, size, required,
                                                                     allowZeroLength, ordinalCounter));
    };

    if (access.createTableDef(*database, table, kGeneralTable) != 0) return 1;
    ordinalCounter = 1;
    for (const char* key : kKeyColumns) {
        if (create(key, kColumnText, kKeyColumnWidth, true, true) != 0) return 1;
    }
    for (const ParameterDefinition& def : stringDefinitions()) {
        if (hasKey(def) && !access.fieldExists(*table, def.key) &&
            create(def.key, kColumnText, def.width, false, true) != 0) {
            return 1;
        }
    }
    for (const ParameterDefinition& def : generalDefinitions()) {
        if (hasKey(def) && create(def.key, def.columnType, def.width, false, false) != 0) return 1;
    }
    if (access.appendTableDef(*table) != 0 ||
        access.createIndex(*table, {kMainOrderIndex, {kJobColumn, kCtnColumn}}) != 0) {
        return 1;
    }

    if (access.createTableDef(*database, table, kSeasonTable) != 0) return 1;
    ordinalCounter = 1;
    for (const char* key : kKeyColumns) {
        if (create(key, kColumnText, kKeyColumnWidth, true, true) != 0) return 1;
    }
    if (create(kSeasonNumberColumn, kColumnByte, 1, true, false) != 0) return 1;
    for (const ParameterDefinition& def : seasonDefinitions()) {
        if (hasKey(def) && create(def.key, def.columnType, def.width, false, false) != 0) return 1;
    }
    if (access.appendTableDef(*table) != 0) return 1;
    return access.createIndex(*table, {kMainOrderIndex, {kJobColumn, kCtnColumn, kSeasonNumberColumn}});
}

int ParameterDb::upgradeSchema() {
    const auto strings = stringDefinitions();
    for (std::size_t row = 0; row < strings.size(); ++row) {
        const ParameterDefinition& def = strings[row];
        // Only the Job and CTN numbers are required in an older general table.
        if (hasKey(def) && access.ensureField(*generalTable, def.key, kColumnText, def.width, row < 2, true,
                                              ordinalCounter) != 0) {
            return 1;
        }
    }
    for (const ParameterDefinition& def : generalDefinitions()) {
        if (hasKey(def) && access.ensureField(*generalTable, def.key, def.columnType, def.width, false, false,
                                              ordinalCounter) != 0) {
            return 1;
        }
    }
    for (const char* key : kKeyColumns) {
        if (access.ensureField(*seasonTable, key, kColumnText, kKeyColumnWidth, true, true, ordinalCounter) !=
            0) {
            return 1;
        }
    }
    if (access.ensureField(*seasonTable, kSeasonNumberColumn, kColumnByte, 1, true, false, ordinalCounter) !=
        0) {
        return 1;
    }
    for (const ParameterDefinition& def : seasonDefinitions()) {
        if (hasKey(def) && access.ensureField(*seasonTable, def.key, def.columnType, def.width, false, false,
                                              ordinalCounter) != 0) {
            return 1;
        }
    }
    return 0;
}

// Rows without a status (older files) are working devices.
void ParameterDb::fillMissingStatuses() {
    for (const char* table : {kGeneralTable, kSeasonTable}) {
        const std::string sql = "UPDATE " + quoteName(table) + " SET " + quoteName(kStatusColumn) +
                                " = ? WHERE " + quoteName(kStatusColumn) + " IS NULL";
        const DbValue working[] = {DbValue::ofText(kWorkingStatus)};
        if (executeStatement(*database, sql, working) != 0) {
            engineFailure(dbtext::kSaveFailed);
            return;
        }
    }
}

}  // namespace orv
