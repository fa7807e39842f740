// Opening, creating and closing the parameter database.

#include "db/parameter_db.h"

#include <chrono>
#include <thread>

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

// The two tables of the open file; a missing table fails without a message.
int ParameterDb::openTables() {
    for (auto [name, slot] :
         {std::pair{kGeneralTable, &generalTable}, std::pair{kSeasonTable, &seasonTable}}) {
        if (!access.tableExists(*database, name) || access.openTableDef(*database, *slot, name) != 0) {
            closeDatabase();
            return 1;
        }
    }
    return 0;
}

int ParameterDb::openDatabase(const std::string& openPath, bool offerCreate) {
    WaitCursor wait(waitIndicator);
    closeDatabase();
    path = openPath;
    int rc = 1;
    for (int attempt = 0; attempt < kOpenAttempts && rc != 0; ++attempt) {
        if (attempt > 0 && pause) pause(retryPauseMs);
        rc = access.openDatabase(database, path, false);
    }
    if (rc != 0) {
        if (!offerCreate) return 1;
        verifiedPath.clear();
        if (log.choice(dbtext::kOfferCreate, path.c_str()) != kAnswerYes) return 1;
        if (createDatabase(path) != 0) return 1;
        verifiedPath = path;
        // The caller goes on with its operation on the new file, so it is opened
        // again rather than left closed by the create.
        if (access.openDatabase(database, path, true) != 0) return 1;
        return openTables();
    }
    if (openTables() != 0) return 1;
    if (verifiedPath == path) return 0;
    // The upgrade runs as one transaction: quick, and a failure adds no column.
    if (database->begin() != 0 || upgradeSchema() != 0 || database->commit() != 0) {
        finish(1);
        return 1;
    }
    fillMissingStatuses();
    verifiedPath = path;
    return 0;
}

int ParameterDb::createDatabase(const std::string& createPath) {
    WaitCursor wait(waitIndicator);
    closeDatabase();
    if (access.createDatabase(database, createPath) != 0) return 1;
    // The whole new file is made in one transaction: a create that fails
    // halfway leaves no half-made database behind.
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
    if (rc != 0) access.engine.discard(createPath);
    return rc;
}

}  // namespace orv
