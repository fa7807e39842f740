// Opening, creating and closing the parameter database.

#include "db/parameter_db.h"

#include <chrono>
#include <thread>

#include "db/database_uri.h"
#include "db/db_messages.h"
#include "db/history_record.h"

namespace orv {
namespace {

constexpr int kOpenAttempts = 3;

}  // namespace

ParameterDb::ParameterDb(MessageLog& messages, ParameterRecord& record, DbEngine& engine)
    : log(messages), configuration(record), access(messages, engine) {
    pause = [](int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); };
}

DbResult ParameterDb::engineFailure(const char* fixedText) {
    return showEngineFailure(log, database, fixedText);
}

DbResult ParameterDb::finish(DbResult result) {
    if (database) database->rollback();
    closeDatabase();
    return result;
}

void ParameterDb::closeDatabase() {
    access.closeTableDef(generalTable);
    access.closeTableDef(seasonTable);
    access.closeDatabase(database);
}

DbResult ParameterDb::reopenDatabase() {
    if (path.empty()) return DbResult::Failed;
    return openDatabase(path, true);
}

// The two tables of the open file. A file without them (an empty file, or
// another program's database) is said to be what it is, and left alone.
DbResult ParameterDb::openTables() {
    for (auto [name, slot] :
         {std::pair{kGeneralTable, &generalTable}, std::pair{kSeasonTable, &seasonTable}}) {
        if (!access.tableExists(*database, name)) {
            log.error("%s%s", dbtext::kOpenDatabaseFailed, dbtext::kNotParameterDatabase);
            closeDatabase();
            return DbResult::Failed;
        }
        if (access.openTableDef(*database, *slot, name) != DbResult::Ok) {
            closeDatabase();
            return DbResult::Failed;
        }
    }
    return DbResult::Ok;
}

DbResult ParameterDb::prepareOpened() {
    if (openTables() != DbResult::Ok) return DbResult::Failed;
    if (verifiedPath == path) return DbResult::Ok;
    bool missing = false;
    if (missingColumns(missing) != DbResult::Ok) return finish(DbResult::Failed);
    // The upgrade runs as one transaction: quick, and a failure adds no column.
    if (missing) {
        if (database->begin() != 0) return finish(engineFailure(dbtext::kOpenDatabaseFailed));
        if (upgradeSchema() != DbResult::Ok) return finish(DbResult::Failed);
        if (database->commit() != 0) return finish(engineFailure(dbtext::kOpenDatabaseFailed));
    }
    fillMissingStatuses();
    addKeyIndexes();
    if (addMissingHistoryTable() == DbResult::Ok) verifiedPath = path;
    return DbResult::Ok;
}

DbResult ParameterDb::openDatabase(const std::string& openPath, bool offerCreate) {
    WaitCursor wait(waitIndicator);
    closeDatabase();
    path = openPath;
    EngineError error;
    DbResult rc = DbResult::Failed;
    for (int attempt = 0; attempt < kOpenAttempts && rc != DbResult::Ok; ++attempt) {
        if (attempt > 0 && pause) pause(retryPauseMs);
        rc = access.tryOpenDatabase(database, path, error);
        // The engine has waited for a busy file already.
        if (error.status == EngineStatus::Busy) break;
    }
    if (rc == DbResult::Ok) return prepareOpened();
    // Only a missing file is offered for creation; a damaged, foreign or busy
    // one is reported once and left as it is.
    if (rc != DbResult::FileMissing || !offerCreate) {
        // Every failure of this open is one result to the caller; the message says which.
        static_cast<void>(access.reportOpenFailure(error, rc, false));
        return DbResult::Failed;
    }
    verifiedPath.clear();
    if (log.choice(dbtext::kOfferCreate, displayName(path).c_str()) != kAnswerYes) return DbResult::Failed;
    const DbResult created = createDatabase(path);
    if (created != DbResult::Ok && created != DbResult::Exists) return DbResult::Failed;
    // The caller goes on with its operation on the new file (or on the one
    // another program made meanwhile), so it is opened again.
    if (access.openDatabase(database, path, true) != DbResult::Ok) return DbResult::Failed;
    if (created == DbResult::Ok) {
        verifiedPath = path;
        return openTables();
    }
    return prepareOpened();
}

// The new file is made apart in one transaction and moved into place only when
// complete: a create that fails or is killed halfway leaves no half-made
// database under the path, and never removes a file another program made.
// Exists when another program's database took the path meanwhile.
DbResult ParameterDb::createDatabase(const std::string& createPath) {
    WaitCursor wait(waitIndicator);
    closeDatabase();
    const DbResult made = access.createDatabase(database, createPath);
    if (made != DbResult::Ok) return made;
    DbResult rc = database->begin() != 0 ? engineFailure(dbtext::kCreateDatabaseFailed) : createSchema();
    if (rc == DbResult::Ok) {
        const DeviceKey key{kDefaultDevice, kDefaultDevice, kStatusWorking};
        configuration.text(StringRow::JobNumber) = key.job;
        configuration.text(StringRow::CtnNumber) = key.ctn;
        configuration.text(StringRow::DevStatus) = key.status;
        if (writeDevice(key) != DbResult::Ok ||
            appendVersion(key, HistoryAction::Save, encodeStoredRecord(configuration)) != DbResult::Ok)
            rc = engineFailure(dbtext::kSaveFailed);
    }
    if (rc == DbResult::Ok && database->commit() != 0) rc = engineFailure(dbtext::kSaveFailed);
    rc = finish(rc);
    if (rc == DbResult::Ok) rc = access.publishDatabase(createPath);
    if (rc != DbResult::Ok) access.engine.discard(createPath);
    return rc;
}

}  // namespace orv
