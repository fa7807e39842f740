// The device history: every version of every stored device, in a table of its
// own beside the two device tables (which keep their layout, so older readers
// of the database go on working). A version is appended in the transaction of
// the change it records, so the device and its history never part; writers of
// one database follow one another, so the next number of a Job and CTN is
// always the highest stored plus one, and a unique index keeps it so.

#include <array>
#include <cstdio>

#include "db/column_values.h"
#include "db/db_messages.h"
#include "db/history_record.h"
#include "db/parameter_db.h"
#include "db/query.h"

namespace orv {
namespace {

constexpr const char* kVersionColumn = "Version";
constexpr const char* kTimeColumn = "ChangedAt";
constexpr const char* kUserColumn = "UserName";
constexpr const char* kActionColumn = "Action";
constexpr const char* kRecordColumn = "Record";
constexpr const char* kVersionIndex = "Version";
constexpr int kTimeWidth = 20;
constexpr int kUserWidth = 255;
constexpr int kActionWidth = 12;
// Who the history names when nobody logged in.
constexpr const char* kUnnamedUser = "User";

std::string utcText(std::time_t when) {
    std::tm parts{};
    gmtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

std::time_t fromUtcText(const std::string& text) {
    std::tm parts{};
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ", &parts.tm_year, &parts.tm_mon, &parts.tm_mday,
                    &parts.tm_hour, &parts.tm_min, &parts.tm_sec) != 6) {
        return 0;
    }
    parts.tm_year -= 1900;
    parts.tm_mon -= 1;
    return timegm(&parts);
}

// The first kUserWidth characters of a name (whole UTF-8 sequences).
std::string userText(const std::string& name) {
    if (name.empty()) return kUnnamedUser;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        if ((static_cast<unsigned char>(name[at]) & 0xC0) != 0x80 && ++characters > kUserWidth)
            return name.substr(0, at);
    }
    return name;
}

std::string jobAndCtnCondition() {
    return " WHERE " + quoteName(kJobColumn) + " = ? AND " + quoteName(kCtnColumn) + " = ?";
}

}  // namespace

const char* historyActionName(HistoryAction action) {
    switch (action) {
        case HistoryAction::Import:
            return "import";
        case HistoryAction::Save:
            return "save";
        case HistoryAction::Programmed:
            return "programmed";
        case HistoryAction::Rename:
            return "rename";
        case HistoryAction::Delete:
            return "delete";
        case HistoryAction::Copy:
            return "copy";
        case HistoryAction::Restore:
            return "restore";
    }
    return "";
}

// Made through the engine directly: its failure is told by the caller, or not at all.
DbResult ParameterDb::createHistoryTable() {
    int ordinal = 1;
    auto field = [&](const char* name, ColumnType type, int size) {
        return AccessLayer::describeField(name, kHistoryTable, type, size, true, true, ordinal);
    };
    const std::array<FieldDescription, 8> fields = {
        field(kJobColumn, ColumnText, kKeyColumnWidth),    field(kCtnColumn, ColumnText, kKeyColumnWidth),
        field(kStatusColumn, ColumnText, kKeyColumnWidth), field(kVersionColumn, ColumnInt32, 4),
        field(kTimeColumn, ColumnText, kTimeWidth),        field(kUserColumn, ColumnText, kUserWidth),
        field(kActionColumn, ColumnText, kActionWidth),    field(kRecordColumn, ColumnBytes, 0)};
    if (database->createTable(kHistoryTable, fields) != 0 ||
        database->createIndex(kHistoryTable,
                              {kVersionIndex, {kJobColumn, kCtnColumn, kVersionColumn}, false, true}) != 0) {
        return DbResult::EngineFailed;
    }
    return DbResult::Ok;
}

// A database made before the history was kept gets its table on the first
// open; its devices join the history as they change. When the table cannot be
// added (a read-only file) the database is still read, without a message, and
// the next open tries again.
DbResult ParameterDb::addMissingHistoryTable() {
    if (access.tableExists(*database, kHistoryTable)) return DbResult::Ok;
    if (database->begin() != 0) return DbResult::Failed;
    // Another program may have added it since the look above; the write lock now keeps others out.
    if ((!access.tableExists(*database, kHistoryTable) && createHistoryTable() != DbResult::Ok) ||
        database->commit() != 0) {
        database->rollback();
        return DbResult::Failed;
    }
    return DbResult::Ok;
}

DbResult ParameterDb::storedVersion(const DeviceKey& key, std::string& record) {
    ParameterRecord device = configuration;
    bool failed = false;
    if (readGeneralRow(key, device, true, failed) != DbResult::Ok ||
        readSeasons(key, device, true, failed) != DbResult::Ok) {
        return DbResult::EngineFailed;
    }
    record = encodeStoredRecord(device);
    return DbResult::Ok;
}

DbResult ParameterDb::appendVersion(const DeviceKey& key, HistoryAction action, const std::string& record) {
    long long last = 0;
    if (forEachRow(*database,
                   "SELECT max(" + quoteName(kVersionColumn) + ") FROM " + quoteName(kHistoryTable) +
                       jobAndCtnCondition(),
                   {DbValue::ofText(key.job), DbValue::ofText(key.ctn)}, [&](const DbStatement& row) {
                       last = row.column(0).integer;
                       return 0;
                   }) != 0) {
        return DbResult::EngineFailed;
    }
    DbValue bytes;
    bytes.type = DbValue::Type::Blob;
    bytes.text = record;
    const DbValue values[] = {DbValue::ofText(key.job),
                              DbValue::ofText(key.ctn),
                              DbValue::ofText(key.status),
                              DbValue::ofInteger(last + 1),
                              DbValue::ofText(utcText(clock())),
                              DbValue::ofText(userText(configuration.text(StringRow::UserName))),
                              DbValue::ofText(historyActionName(action)),
                              std::move(bytes)};
    std::string columns;
    for (const char* column : {kJobColumn, kCtnColumn, kStatusColumn, kVersionColumn, kTimeColumn,
                               kUserColumn, kActionColumn, kRecordColumn}) {
        columns += (columns.empty() ? "" : ", ") + quoteName(column);
    }
    return executeStatement(*database,
                            "INSERT INTO " + quoteName(kHistoryTable) + " (" + columns +
                                ") VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                            values) == 0
               ? DbResult::Ok
               : DbResult::EngineFailed;
}

DbResult ParameterDb::importUntracked(const DeviceKey& key) {
    bool tracked = false;
    if (forEachRow(*database,
                   "SELECT 1 FROM " + quoteName(kHistoryTable) + jobAndCtnCondition() + " AND " +
                       quoteName(kStatusColumn) + " = ? LIMIT 1",
                   {DbValue::ofText(key.job), DbValue::ofText(key.ctn), DbValue::ofText(key.status)},
                   [&](const DbStatement&) {
                       tracked = true;
                       return 0;
                   }) != 0) {
        return DbResult::EngineFailed;
    }
    if (tracked) return DbResult::Ok;
    std::string record;
    if (storedVersion(key, record) != DbResult::Ok) return DbResult::EngineFailed;
    return appendVersion(key, HistoryAction::Import, record);
}

DbResult ParameterDb::deviceHistory(const std::string& job, const std::string& ctn, const std::string& status,
                                    std::vector<DeviceVersion>& versions) {
    versions.clear();
    WaitCursor wait(waitIndicator);
    if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    std::string sql = "SELECT " + quoteName(kJobColumn) + ", " + quoteName(kCtnColumn) + ", " +
                      quoteName(kStatusColumn) + ", " + quoteName(kVersionColumn) + ", " +
                      quoteName(kTimeColumn) + ", " + quoteName(kUserColumn) + ", " +
                      quoteName(kActionColumn) + " FROM " + quoteName(kHistoryTable) + jobAndCtnCondition();
    std::vector<DbValue> values{DbValue::ofText(job), DbValue::ofText(ctn)};
    if (!status.empty()) {
        sql += " AND " + quoteName(kStatusColumn) + " = ?";
        values.push_back(DbValue::ofText(withoutStoredMarker(status)));
    }
    sql += " ORDER BY " + quoteName(kVersionColumn);
    if (forEachRow(*database, sql, values, [&](const DbStatement& row) {
            versions.push_back({{row.column(0).text, row.column(1).text, row.column(2).text},
                                static_cast<int>(row.column(3).integer),
                                row.column(4).text,
                                fromUtcText(row.column(4).text),
                                row.column(5).text,
                                row.column(6).text});
            return 0;
        }) != 0) {
        versions.clear();
        return finish(engineFailure(dbtext::kReadFailed));
    }
    return finish(DbResult::Ok);
}

DbResult ParameterDb::readVersion(const std::string& job, const std::string& ctn, int version,
                                  ParameterRecord& target, DeviceVersion& found) {
    WaitCursor wait(waitIndicator);
    if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    bool present = false;
    std::string record;
    if (forEachRow(*database,
                   "SELECT " + quoteName(kJobColumn) + ", " + quoteName(kCtnColumn) + ", " +
                       quoteName(kStatusColumn) + ", " + quoteName(kTimeColumn) + ", " +
                       quoteName(kUserColumn) + ", " + quoteName(kActionColumn) + ", " +
                       quoteName(kRecordColumn) + " FROM " + quoteName(kHistoryTable) + jobAndCtnCondition() +
                       " AND " + quoteName(kVersionColumn) + " = ?",
                   {DbValue::ofText(job), DbValue::ofText(ctn), DbValue::ofInteger(version)},
                   [&](const DbStatement& row) {
                       present = true;
                       found = {{row.column(0).text, row.column(1).text, row.column(2).text},
                                version,
                                row.column(3).text,
                                fromUtcText(row.column(3).text),
                                row.column(4).text,
                                row.column(5).text};
                       record = row.column(6).text;
                       return 0;
                   }) != 0) {
        return finish(engineFailure(dbtext::kReadFailed));
    }
    if (!present) {
        log.error(dbtext::kVersionNotFound, version, job.c_str(), ctn.c_str());
        return finish(DbResult::Failed);
    }
    if (!decodeStoredRecord(record, target)) {
        log.error(dbtext::kVersionUnreadable, version, job.c_str(), ctn.c_str());
        return finish(DbResult::Failed);
    }
    return finish(DbResult::Ok);
}

}  // namespace orv
