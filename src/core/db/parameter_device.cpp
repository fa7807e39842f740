// Saving, deleting, reading, checking and renaming stored devices.
//
// Every value goes into a statement as a bound parameter, so a Job number with a
// quote in it is stored and found like any other. An overwrite (delete, then
// add), a save, a delete and a rename each run in one transaction with the
// versions they append to the device history: a failure halfway leaves the
// stored device and its history as they were.

#include <cmath>
#include <optional>
#include <vector>

#include "db/column_values.h"
#include "db/database_uri.h"
#include "db/db_messages.h"
#include "db/history_record.h"
#include "db/parameter_db.h"
#include "db/query.h"
#include "model/format_value.h"
#include "model/text_forms.h"

namespace orv {
namespace {

// Values further apart than this differ.
constexpr double kCheckTolerance = 1e-6;

std::string keyCondition() {
    return " WHERE " + quoteName(kJobColumn) + " = ? AND " + quoteName(kCtnColumn) + " = ? AND " +
           quoteName(kStatusColumn) + " = ?";
}

std::vector<DbValue> keyValues(const DeviceKey& key) {
    return {DbValue::ofText(key.job), DbValue::ofText(key.ctn), DbValue::ofText(key.status)};
}

double storedNumber(const ParameterDefinition& def, const StoredRow& row) {
    return parameterFromColumn(def, row.value(def.key));
}

// The season a stored row belongs to (0-11 as stored), -1 for a number that
// names none: the engines give it back as an integer, or as a real number
// from a column an older writer created loosely.
int seasonIndex(const DbValue& value) {
    if (value.type == DbValue::Type::Integer)
        return value.integer >= 0 && value.integer < kSeasons ? static_cast<int>(value.integer) : -1;
    if (value.type == DbValue::Type::Real && value.real >= 0 && value.real < kSeasons &&
        value.real == std::floor(value.real)) {
        return static_cast<int>(value.real);
    }
    return -1;
}

bool differs(double screen, double stored) {
    return std::fabs(screen - stored) > kCheckTolerance;
}

}  // namespace

DbResult ParameterDb::countGeneralRows(const DeviceKey& key, int& count) {
    count = 0;
    return forEachRow(*database, "SELECT count(*) FROM " + quoteName(kGeneralTable) + keyCondition(),
                      keyValues(key),
                      [&](const DbStatement& row) {
                          count = static_cast<int>(row.column(0).integer);
                          return 0;
                      }) == 0
               ? DbResult::Ok
               : DbResult::EngineFailed;
}

DbResult ParameterDb::writeDevice(const DeviceKey& key) {
    std::string columns;
    std::string marks;
    std::vector<DbValue> values;
    auto add = [&](const char* column, DbValue value) {
        columns += (columns.empty() ? "" : ", ") + quoteName(column);
        marks += marks.empty() ? "?" : ", ?";
        values.push_back(std::move(value));
    };
    const auto strings = stringDefinitions();
    for (std::size_t row = 0; row < strings.size(); ++row) {
        if (hasKey(strings[row])) add(strings[row].key, DbValue::ofText(configuration.stringValues[row]));
    }
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < general.size(); ++row) {
        if (!hasKey(general[row])) continue;
        if (auto value = numberForColumn(general[row].columnType, configuration.generalValues[row])) {
            add(general[row].key, std::move(*value));
        }
    }
    if (executeStatement(
            *database,
            "INSERT INTO " + quoteName(kGeneralTable) + " (" + columns + ") VALUES (" + marks + ")",
            values) != 0) {
        return DbResult::EngineFailed;
    }

    // The twelve season rows go in one statement: on the server each statement
    // is a round trip, and a save is mostly round trips.
    columns.clear();
    marks.clear();
    values.clear();
    for (const char* column : {kJobColumn, kCtnColumn, kStatusColumn, kSeasonNumberColumn}) add(column, {});
    const auto season = seasonDefinitions();
    std::vector<int> seasonRows;
    for (std::size_t row = 0; row < season.size(); ++row) {
        if (hasKey(season[row]) && numberForColumn(season[row].columnType, 0)) {
            add(season[row].key, {});
            seasonRows.push_back(static_cast<int>(row));
        }
    }
    const std::string tuple = "(" + marks + ")";
    std::string tuples;
    values.clear();
    for (int s = 0; s < kSeasons; ++s) {
        tuples += (s == 0 ? "" : ", ") + tuple;
        values.push_back(DbValue::ofText(key.job));
        values.push_back(DbValue::ofText(key.ctn));
        values.push_back(DbValue::ofText(key.status));
        values.push_back(DbValue::ofInteger(s));
        for (const int row : seasonRows) {
            const auto& def = season[static_cast<std::size_t>(row)];
            values.push_back(*numberForColumn(def.columnType, configuration.season(s + 1, row)));
        }
    }
    return executeStatement(*database,
                            "INSERT INTO " + quoteName(kSeasonTable) + " (" + columns + ") VALUES " + tuples,
                            values) == 0
               ? DbResult::Ok
               : DbResult::EngineFailed;
}

DbResult ParameterDb::deleteRows(const DeviceKey& key, int& generalRows) {
    if (countGeneralRows(key, generalRows) != DbResult::Ok) return DbResult::EngineFailed;
    const std::vector<DbValue> values = keyValues(key);
    for (const char* table : {kGeneralTable, kSeasonTable}) {
        if (executeStatement(*database, "DELETE FROM " + quoteName(table) + keyCondition(), values) != 0)
            return DbResult::EngineFailed;
    }
    return DbResult::Ok;
}

// The duplicate check and the write run in one write transaction, so two
// stations saving the same new key cannot both find it free. The overwrite
// question is asked outside any transaction (nobody waits on an open
// question); after a Yes the check runs again inside the transaction.
DbResult ParameterDb::saveDevice(std::string job, std::string ctn, std::string status, HistoryAction action) {
    declined = false;
    if (job.empty() || ctn.empty() || status.empty()) {
        log.error("%s", dbtext::kSaveKeyMissing);
        return DbResult::Failed;
    }
    WaitCursor wait(waitIndicator);
    const DeviceKey key{std::move(job), std::move(ctn), withoutStoredMarker(std::move(status))};
    if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    bool overwriteAgreed = false;
    for (;;) {
        if (database->begin() != 0) return finish(engineFailure(dbtext::kSaveFailed));
        int existing = 0;
        if (countGeneralRows(key, existing) != DbResult::Ok)
            return finish(engineFailure(dbtext::kSaveFailed));
        if (existing == 0 || overwriteAgreed) {
            configuration.text(StringRow::JobNumber) = key.job;
            configuration.text(StringRow::CtnNumber) = key.ctn;
            configuration.text(StringRow::DevStatus) = key.status;
            int deleted = 0;
            if (existing > 0 && importUntracked(key) != DbResult::Ok)
                return finish(engineFailure(dbtext::kSaveFailed));
            if (existing > 0 && deleteRows(key, deleted) != DbResult::Ok)
                return finish(engineFailure(dbtext::kDeleteFailed));
            if (writeDevice(key) != DbResult::Ok ||
                appendVersion(key, action, encodeStoredRecord(configuration)) != DbResult::Ok ||
                database->commit() != 0)
                return finish(engineFailure(dbtext::kSaveFailed));
            return finish(DbResult::Ok);
        }
        // Closed while the question is open: the check runs again after a Yes.
        static_cast<void>(finish(DbResult::Ok));
        const int answer =
            log.choice(dbtext::kOverwriteDevice, key.job.c_str(), key.ctn.c_str(), key.status.c_str());
        if (answer != kAnswerYes) {
            log.information("%s", dbtext::kDeviceNotSaved);
            declined = true;
            return DbResult::Ok;
        }
        overwriteAgreed = true;
        if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    }
}

DbResult ParameterDb::deleteDevice(std::string job, std::string ctn, std::string status) {
    WaitCursor wait(waitIndicator);
    const DeviceKey key{std::move(job), std::move(ctn), withoutStoredMarker(std::move(status))};
    if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    // The history keeps the device as it was when it was deleted.
    int stored = 0;
    std::string record;
    if (database->begin() != 0 || countGeneralRows(key, stored) != DbResult::Ok) {
        return finish(engineFailure(dbtext::kDeleteFailed));
    }
    // Season rows left without their general row go too; no device was deleted.
    const bool found = stored > 0;
    int deleted = 0;
    if ((found && (importUntracked(key) != DbResult::Ok || storedVersion(key, record) != DbResult::Ok)) ||
        deleteRows(key, deleted) != DbResult::Ok ||
        (found && appendVersion(key, HistoryAction::Delete, record) != DbResult::Ok) ||
        database->commit() != 0) {
        return finish(engineFailure(dbtext::kDeleteFailed));
    }
    return finish(found ? DbResult::Ok : DbResult::NotFound);
}

// Ok done (failed tells about a difference), Failed no such device (shown), EngineFailed.
DbResult ParameterDb::readGeneralRow(const DeviceKey& key, ParameterRecord& target, bool load, bool& failed) {
    auto select = database->prepare("SELECT * FROM " + quoteName(kGeneralTable) + keyCondition());
    if (!select || bindAll(*select, keyValues(key)) != 0) return DbResult::EngineFailed;
    std::optional<StoredRow> row;
    const int rows = fetchSingle(*select, row);
    if (rows == kEngineFailed) return DbResult::EngineFailed;
    if (rows == 0) {
        log.error(dbtext::kDeviceNotFound, key.job.c_str(), key.ctn.c_str(), key.status.c_str());
        return DbResult::Failed;
    }
    // A key stored twice (a file written before the key was kept single) is an
    // error: which of the rows is meant cannot be told, and reading on would give
    // the built-in defaults or report a match that is none.
    if (rows > 1) {
        log.error(dbtext::kSeveralDevices, displayName(path).c_str(), key.job.c_str(), key.ctn.c_str(),
                  key.status.c_str());
        return DbResult::Failed;
    }
    const auto strings = stringDefinitions();
    for (std::size_t r = 0; r < strings.size() && !failed; ++r) {
        if (hasKey(strings[r]) && load) {
            target.stringValues[r] = textFromColumn(row->value(strings[r].key)).value_or("");
        }
    }
    const auto general = generalDefinitions();
    for (std::size_t r = 0; r < general.size() && !failed; ++r) {
        const ParameterDefinition& def = general[r];
        if (!hasKey(def)) continue;
        const double stored = storedNumber(def, *row);
        double& screen = target.generalValues[r];
        if (load) {
            screen = stored;
        } else if (differs(screen, stored)) {
            failed = true;
            log.warning(dbtext::kGeneralMismatch, def.label, formatValue(stored, def.kind).c_str(),
                        formatValue(screen, def.kind).c_str());
        }
    }
    return DbResult::Ok;
}

DbResult ParameterDb::readSeasons(const DeviceKey& key, ParameterRecord& target, bool load, bool& failed) {
    // All season rows of the device in one statement (one round trip on the
    // server), sorted out by their season number here.
    std::vector<std::vector<StoredRow>> rowsOf(kSeasons);
    if (forEachRow(*database, "SELECT * FROM " + quoteName(kSeasonTable) + keyCondition(), keyValues(key),
                   [&](const DbStatement& statement) {
                       StoredRow row(statement);
                       const int s = seasonIndex(row.value(kSeasonNumberColumn));
                       if (s >= 0 && s < kSeasons)
                           rowsOf[static_cast<std::size_t>(s)].push_back(std::move(row));
                       return 0;
                   }) != 0) {
        return DbResult::EngineFailed;
    }
    const auto season = seasonDefinitions();
    for (int s = 0; s < kSeasons && !failed; ++s) {
        const auto& rows = rowsOf[static_cast<std::size_t>(s)];
        if (rows.size() > 1) {
            log.error(dbtext::kSeveralSeasons, displayName(path).c_str(), key.job.c_str(), key.ctn.c_str(),
                      s);
            failed = true;
            continue;
        }
        if (rows.empty()) {
            log.error(dbtext::kNoSeason, key.job.c_str(), key.ctn.c_str(), s);
            failed = true;
            continue;
        }
        const StoredRow& row = rows.front();
        for (std::size_t r = 0; r < season.size() && !failed; ++r) {
            const ParameterDefinition& def = season[r];
            if (!hasKey(def)) continue;
            const double stored = storedNumber(def, row);
            double& screen = target.season(s + 1, static_cast<int>(r));
            if (load) {
                screen = stored;
            } else if (differs(screen, stored)) {
                failed = true;
                log.warning(dbtext::kSeasonMismatch, def.label, s + 1, formatValue(stored, def.kind).c_str(),
                            formatValue(screen, def.kind).c_str());
            }
        }
    }
    return DbResult::Ok;
}

DbResult ParameterDb::readDevice(std::string job, std::string ctn, std::string status, ReadMode mode) {
    WaitCursor wait(waitIndicator);
    const DeviceKey key{std::move(job), std::move(ctn), withoutStoredMarker(std::move(status))};
    if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    const bool load = mode == ReadMode::Load;
    bool failed = false;
    // The general row and the twelve seasons come from one state of the database,
    // never from both sides of another station's save.
    if (database->beginRead() != 0) return finish(engineFailure(dbtext::kReadFailed));
    DbResult rc = readGeneralRow(key, configuration, load, failed);
    if (rc == DbResult::Ok) rc = readSeasons(key, configuration, load, failed);
    if (rc == DbResult::EngineFailed) return finish(engineFailure(dbtext::kReadFailed));
    // The database keeps the pattern, address and ID texts, not their numbers.
    if (rc == DbResult::Ok && load) valuesFromTexts(configuration);
    return finish(rc != DbResult::Ok || failed ? DbResult::Failed : DbResult::Ok);
}

// The CTN of a device the rename would collide with; "" when there is none.
// With a CTN given that is the target itself; when a whole Job is renamed it is
// any CTN of the old Job that the new Job already has, since moving it would
// leave two devices with one key. Exists when there is one, else Ok or EngineFailed.
DbResult ParameterDb::renameConflict(const std::string& oldJob, const std::string& oldCtn,
                                     const std::string& newJob, const std::string& newCtn,
                                     std::string& conflictCtn) {
    conflictCtn.clear();
    bool found = false;
    auto remember = [&](const DbStatement& row) {
        found = true;
        conflictCtn = textFromColumn(row.column(0)).value_or("");
        return 1;
    };
    const std::string table = quoteName(kGeneralTable);
    const std::string job = quoteName(kJobColumn);
    const std::string ctn = quoteName(kCtnColumn);
    int rc = forEachRow(*database,
                        "SELECT " + ctn + " FROM " + table + " WHERE " + job + " = ? AND " + ctn + " = ?",
                        {DbValue::ofText(newJob), DbValue::ofText(newCtn)}, remember);
    if (rc == 0 && oldCtn.empty()) {
        rc = forEachRow(*database,
                        "SELECT " + ctn + " FROM " + table + " WHERE " + job + " = ? AND " + ctn +
                            " IN (SELECT " + ctn + " FROM " + table + " WHERE " + job + " = ?)",
                        {DbValue::ofText(newJob), DbValue::ofText(oldJob)}, remember);
    }
    if (rc == kEngineFailed) return DbResult::EngineFailed;
    return found ? DbResult::Exists : DbResult::Ok;
}

DbResult ParameterDb::renameRows(const std::string& oldJob, const std::string& oldCtn,
                                 const std::string& newJob, const std::string& newCtn, int& matched) {
    std::string where = " WHERE " + quoteName(kJobColumn) + " = ?";
    std::vector<DbValue> whereValues{DbValue::ofText(oldJob)};
    std::string set = " SET " + quoteName(kJobColumn) + " = ?";
    std::vector<DbValue> values{DbValue::ofText(newJob)};
    if (!oldCtn.empty()) {
        where += " AND " + quoteName(kCtnColumn) + " = ?";
        whereValues.push_back(DbValue::ofText(oldCtn));
        set += ", " + quoteName(kCtnColumn) + " = ?";
        values.push_back(DbValue::ofText(newCtn));
    }
    values.insert(values.end(), whereValues.begin(), whereValues.end());

    matched = 0;
    if (database->begin() != 0) return DbResult::EngineFailed;
    std::vector<DeviceKey> moving;
    if (forEachRow(*database,
                   "SELECT " + quoteName(kJobColumn) + ", " + quoteName(kCtnColumn) + ", " +
                       quoteName(kStatusColumn) + " FROM " + quoteName(kGeneralTable) + where + " ORDER BY " +
                       quoteName(kCtnColumn) + ", " + quoteName(kStatusColumn),
                   whereValues, [&](const DbStatement& row) {
                       moving.push_back({row.column(0).text, row.column(1).text, row.column(2).text});
                       return 0;
                   }) != 0) {
        return DbResult::EngineFailed;
    }
    matched = static_cast<int>(moving.size());
    if (matched == 0) return DbResult::Ok;

    // Each device moved appends a version to the story of its old name, which
    // ends there, and to that of its new one, holding the device as it is now.
    std::vector<std::string> renamed(moving.size());
    for (std::size_t i = 0; i < moving.size(); ++i) {
        ParameterRecord device = configuration;
        bool failed = false;
        if (importUntracked(moving[i]) != DbResult::Ok ||
            readGeneralRow(moving[i], device, true, failed) != DbResult::Ok ||
            readSeasons(moving[i], device, true, failed) != DbResult::Ok) {
            return DbResult::EngineFailed;
        }
        device.text(StringRow::JobNumber) = newJob;
        if (!oldCtn.empty()) device.text(StringRow::CtnNumber) = newCtn;
        renamed[i] = encodeStoredRecord(device);
    }
    configuration.text(StringRow::JobNumber) = newJob;
    if (!oldCtn.empty()) configuration.text(StringRow::CtnNumber) = newCtn;
    for (const char* table : {kGeneralTable, kSeasonTable}) {
        if (executeStatement(*database, "UPDATE " + quoteName(table) + set + where, values) != 0)
            return DbResult::EngineFailed;
    }
    for (std::size_t i = 0; i < moving.size(); ++i) {
        const DeviceKey moved{newJob, oldCtn.empty() ? moving[i].ctn : newCtn, moving[i].status};
        if (appendVersion(moving[i], HistoryAction::Rename, renamed[i]) != DbResult::Ok ||
            appendVersion(moved, HistoryAction::Rename, renamed[i]) != DbResult::Ok) {
            return DbResult::EngineFailed;
        }
    }
    return database->commit() != 0 ? DbResult::EngineFailed : DbResult::Ok;
}

DbResult ParameterDb::changeDevice(std::string oldJob, std::string oldCtn, std::string newJob,
                                   std::string newCtn) {
    if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    WaitCursor wait(waitIndicator);
    std::string conflictCtn;
    DbResult rc = renameConflict(oldJob, oldCtn, newJob, newCtn, conflictCtn);
    if (rc == DbResult::Exists) {
        log.error(dbtext::kRenameTargetExists, newJob.c_str(), conflictCtn.c_str());
        return finish(DbResult::Failed);
    }
    int matched = 0;
    if (rc == DbResult::Ok) rc = renameRows(oldJob, oldCtn, newJob, newCtn, matched);
    if (rc == DbResult::EngineFailed) return finish(engineFailure(dbtext::kRenameFailed));
    if (matched == 0) {
        log.error("%s", dbtext::renameSourceMissing(oldJob, oldCtn).c_str());
        return finish(DbResult::Failed);
    }
    return finish(DbResult::Ok);
}

}  // namespace orv
