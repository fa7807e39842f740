// Opening, creating and closing the parameter database.

#include "db/parameter_db.h"

#include <chrono>
#include <thread>

#include "db/database_uri.h"
#include "db/db_messages.h"

namespace orv {
namespace {

constexpr int kOpenAttempts = 3;

}  // namespace

ParameterDb::ParameterDb(MessageLog& messages, ParameterRecord& record, DbEngine& engine)
    : log(messages), configuration(record), access(messages, engine) {
    pause = [](int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); };
}

int ParameterDb::engineFailure(const char* fixedText) {
    return showEngineFailure(log, database, fixedText);
}

int ParameterDb::finish(int result) {
    if (database) database->rollback();
    return closeDatabase() != 0 ? 1 : result;
}

int ParameterDb::closeDatabase() {
    access.closeTableDef(generalTable);
    access.closeTableDef(seasonTable);
    access.closeDatabase(database);
    return 0;
}

int ParameterDb::reopenDatabase() {
    if (path.empty()) return 1;
    return openDatabase(path, true);
}

// The two tables of the open file. A file without them (an empty file, or
// another program's database) is said to be what it is, and left alone.
int ParameterDb::openTables() {
    for (auto [name, slot] :
         {std::pair{kGeneralTable, &generalTable}, std::pair{kSeasonTable, &seasonTable}}) {
        if (!access.tableExists(*database, name)) {
            log.error("%s%s", dbtext::kOpenDatabaseFailed, dbtext::kNotParameterDatabase);
            closeDatabase();
            return 1;
        }
        if (access.openTableDef(*database, *slot, name) != 0) {
            closeDatabase();
            return 1;
        }
    }
    return 0;
}

int ParameterDb::prepareOpened() {
    if (openTables() != 0) return 1;
    if (verifiedPath == path) return 0;
    bool missing = false;
    if (missingColumns(missing) != 0) return finish(1);
    // The upgrade runs as one transaction: quick, and a failure adds no column.
    if (missing) {
        if (database->begin() != 0) return finish(engineFailure(dbtext::kOpenDatabaseFailed));
        if (upgradeSchema() != 0) return finish(1);
        if (database->commit() != 0) return finish(engineFailure(dbtext::kOpenDatabaseFailed));
    }
    fillMissingStatuses();
    addKeyIndexes();
    verifiedPath = path;
    return 0;
}

int ParameterDb::openDatabase(const std::string& openPath, bool offerCreate) {
    WaitCursor wait(waitIndicator);
    closeDatabase();
    path = openPath;
    EngineError error;
    int rc = 1;
    for (int attempt = 0; attempt < kOpenAttempts && rc != 0; ++attempt) {
        if (attempt > 0 && pause) pause(retryPauseMs);
        rc = access.tryOpenDatabase(database, path, error);
        // The engine has waited for a busy file already.
        if (error.status == EngineStatus::Busy) break;
    }
    if (rc == 0) return prepareOpened();
    // Only a missing file is offered for creation; a damaged, foreign or busy
    // one is reported once and left as it is.
    if (rc != 1 || !offerCreate) {
        access.reportOpenFailure(error, rc, false);
        return 1;
    }
    verifiedPath.clear();
    if (log.choice(dbtext::kOfferCreate, displayName(path).c_str()) != kAnswerYes) return 1;
    const int created = createDatabase(path);
    if (created != 0 && created != kDatabaseExists) return 1;
    // The caller goes on with its operation on the new file (or on the one
    // another program made meanwhile), so it is opened again.
    if (access.openDatabase(database, path, true) != 0) return 1;
    if (created == 0) {
        verifiedPath = path;
        return openTables();
    }
    return prepareOpened();
}

// The new file is made apart in one transaction and moved into place only when
// complete: a create that fails or is killed halfway leaves no half-made
// database under the path, and never removes a file another program made.
// kDatabaseExists when another program's database took the path meanwhile.
int ParameterDb::createDatabase(const std::string& createPath) {
    WaitCursor wait(waitIndicator);
    closeDatabase();
    const int made = access.createDatabase(database, createPath);
    if (made != 0) return made;
    int rc = database->begin() != 0 ? engineFailure(dbtext::kCreateDatabaseFailed) : createSchema();
    if (rc == 0) {
        const DeviceKey key{kDefaultDevice, kDefaultDevice, kWorkingStatus};
        configuration.text(StringRow::JobNumber) = key.job;
        configuration.text(StringRow::CtnNumber) = key.ctn;
        configuration.text(StringRow::DevStatus) = key.status;
        rc = writeDevice(key);
        if (rc != 0) engineFailure(dbtext::kSaveFailed);
    }
    if (rc == 0 && database->commit() != 0) rc = engineFailure(dbtext::kSaveFailed);
    finish(rc);
    if (rc == 0) rc = access.publishDatabase(createPath);
    if (rc != 0) access.engine.discard(createPath);
    return rc;
}

}  // namespace orv
