#include "db/password_db.h"

#include <optional>

#include "db/column_values.h"
#include "db/database_uri.h"
#include "db/db_messages.h"
#include "db/query.h"

namespace orv {
namespace {

struct PasswordColumn {
    const char* name;
    int width;
    bool required;
};

// The password column holds the hash, which is longer than the 25 characters
// a password may have.
constexpr PasswordColumn kColumns[] = {
    {kUserColumn, kUserTextWidth, true},
    {kPasswordColumn, kPasswordHashWidth, false},
    {kLevelColumn, kUserTextWidth, false},
};

std::string userCondition() {
    return " WHERE " + quoteName(kUserColumn) + " = ?";
}

}  // namespace

PasswordDb::PasswordDb(MessageLog& messages, DbEngine& engine) : log(messages), access(messages, engine) {}

DbResult PasswordDb::finish(DbResult result) {
    if (database) database->rollback();
    closePasswordDb();
    return result;
}

void PasswordDb::closePasswordDb() {
    access.closeTableDef(table);
    access.closeDatabase(database);
}

DbResult PasswordDb::reopenPasswordDb() {
    return filePath.empty() ? DbResult::Failed : openPasswordDb(filePath);
}

// Made apart and moved into place when complete, as the parameter database is.
DbResult PasswordDb::createPasswordDb(const std::string& createPath) {
    const DbResult made = access.createDatabase(database, createPath);
    if (made != DbResult::Ok) return made;
    DbResult rc = database->begin() != 0 ? showEngineFailure(log, database, dbtext::kCreateDatabaseFailed)
                                         : access.createTableDef(*database, table, kPasswordTable);
    for (const PasswordColumn& column : kColumns) {
        if (rc == DbResult::Ok) {
            rc = access.createField(
                *table, AccessLayer::describeField(column.name, kPasswordTable, ColumnText, column.width,
                                                   column.required, true, ordinalCounter));
        }
    }
    if (rc == DbResult::Ok) rc = access.appendTableDef(*table);
    if (rc == DbResult::Ok) rc = access.createIndex(*table, {"MainOrder", {kUserColumn}});
    if (rc == DbResult::Ok && database->commit() != 0)
        rc = showEngineFailure(log, database, dbtext::kCreateDatabaseFailed);
    rc = finish(rc);
    if (rc == DbResult::Ok) rc = access.publishDatabase(createPath);
    if (rc != DbResult::Ok) access.engine.discard(createPath);
    return rc;
}

DbResult PasswordDb::openPasswordDb(const std::string& openPath) {
    WaitCursor wait(waitIndicator);
    closePasswordDb();
    filePath = openPath;
    ordinalCounter = 1;
    EngineError error;
    if (const DbResult rc = access.tryOpenDatabase(database, filePath, error); rc != DbResult::Ok) {
        // Only a missing file is offered for creation; any other failure is
        // shown and is one result to the caller.
        if (rc != DbResult::FileMissing) {
            static_cast<void>(access.reportOpenFailure(error, rc, true));
            return DbResult::Failed;
        }
        if (log.choice(dbtext::kOfferCreate, displayName(filePath).c_str()) != kAnswerYes)
            return DbResult::Failed;
        const DbResult created = createPasswordDb(filePath);
        if (created != DbResult::Ok && created != DbResult::Exists) return DbResult::Failed;
        if (created == DbResult::Ok) verifiedPath = filePath;
        // Opened again for the operation that asked for the file.
        if (access.openDatabase(database, filePath, true) != DbResult::Ok) return DbResult::Failed;
    }
    if (!access.tableExists(*database, kPasswordTable)) {
        log.error("%s%s", dbtext::kOpenDatabaseFailed, dbtext::kNotPasswordDatabase);
        closePasswordDb();
        return DbResult::Failed;
    }
    if (access.openTableDef(*database, table, kPasswordTable) != DbResult::Ok) {
        closePasswordDb();
        return DbResult::Failed;
    }
    if (verifiedPath == filePath) return DbResult::Ok;
    for (const PasswordColumn& column : kColumns) {
        if (access.ensureField(*table, column.name, ColumnText, column.width, column.required, true,
                               ordinalCounter) != DbResult::Ok) {
            closePasswordDb();
            return DbResult::Failed;
        }
    }
    verifiedPath = filePath;
    return DbResult::Ok;
}

DbResult PasswordDb::listUsers(std::vector<std::string>& users) {
    users.clear();
    if (reopenPasswordDb() != DbResult::Ok) return DbResult::Failed;
    const int rc = forEachRow(*database,
                              "SELECT " + quoteName(kUserColumn) + " FROM " + quoteName(kPasswordTable) +
                                  " WHERE " + quoteName(kUserColumn) + " <> ''",
                              {}, [&](const DbStatement& row) {
                                  if (auto name = textFromColumn(row.column(0))) users.push_back(*name);
                                  return 0;
                              });
    return finish(rc == kEngineFailed ? showEngineFailure(log, database, dbtext::kReadFailed) : DbResult::Ok);
}

DbResult PasswordDb::lookupUser(std::string& name, std::string& passwordHash, std::string& level,
                                bool offerCreate, const std::string& newUserPassword) {
    if (reopenPasswordDb() != DbResult::Ok) return DbResult::Failed;
    auto select = database->prepare("SELECT * FROM " + quoteName(kPasswordTable) + userCondition());
    std::optional<StoredRow> row;
    const int rows =
        !select || bindAll(*select, {DbValue::ofText(name)}) != 0 ? kEngineFailed : fetchSingle(*select, row);
    if (rows == kEngineFailed) return finish(showEngineFailure(log, database, dbtext::kReadFailed));
    if (rows == 1) {
        name = textFromColumn(row->value(kUserColumn)).value_or(name);
        passwordHash = textFromColumn(row->value(kPasswordColumn)).value_or("");
        level = textFromColumn(row->value(kLevelColumn)).value_or("");
        return finish(DbResult::Ok);
    }
    if (rows > 1) {
        log.warning(dbtext::kSeveralUsers, name.c_str());
        return finish(DbResult::Ok);
    }
    if (!offerCreate) return finish(DbResult::Failed);
    const int answer = log.choice(dbtext::kOfferNewUser, name.c_str());
    closePasswordDb();
    if (answer != kAnswerYes) {
        log.information("%s", dbtext::kUserNotSaved);
        return DbResult::Ok;
    }
    std::string hash;
    if (saveUser(name, newUserPassword, level, true) != DbResult::Ok ||
        lookupUser(name, hash, level, false) != DbResult::Ok) {
        log.error("%s", dbtext::kNewUserFailed);
        return DbResult::Failed;
    }
    passwordHash = hash;
    log.information(dbtext::kNewUserCreated, name.c_str(), level.c_str());
    return DbResult::Ok;
}

DbResult PasswordDb::saveUser(const std::string& name, const std::string& password, const std::string& level,
                              bool overwriteWithoutAsking) {
    declined = false;
    if (name.empty()) {
        log.error("%s", dbtext::kUserNameMissing);
        return DbResult::Failed;
    }
    // A password is as long as the column of the clear text once was; the hash
    // stored instead would take any length.
    if (password.size() > static_cast<std::size_t>(kUserTextWidth)) {
        log.error("%s%s", dbtext::kSaveFailed, "the password is longer than 25 characters");
        return DbResult::Failed;
    }
    std::string hash;
    if (hashPassword(password, hashCost, hash) != 0) {
        log.error("%s%s", dbtext::kSaveFailed, "out of memory while hashing the password");
        return DbResult::Failed;
    }
    return saveUserHash(name, hash, level, overwriteWithoutAsking);
}

// The existence check and the write run in one write transaction, so two
// programs adding the same user cannot both find the name free; the overwrite
// question is asked outside it and the check repeated after a Yes.
DbResult PasswordDb::saveUserHash(const std::string& name, const std::string& hash, const std::string& level,
                                  bool overwriteWithoutAsking) {
    if (reopenPasswordDb() != DbResult::Ok) return DbResult::Failed;
    bool overwriteAgreed = overwriteWithoutAsking;
    for (;;) {
        if (database->begin() != 0) return finish(showEngineFailure(log, database, dbtext::kSaveFailed));
        int existing = 0;
        const int rc =
            forEachRow(*database, "SELECT count(*) FROM " + quoteName(kPasswordTable) + userCondition(),
                       {DbValue::ofText(name)}, [&](const DbStatement& row) {
                           existing = static_cast<int>(row.column(0).integer);
                           return 0;
                       });
        if (rc != 0) return finish(showEngineFailure(log, database, dbtext::kSaveFailed));
        if (existing == 0 || overwriteAgreed) {
            // The old row goes and the new one comes in one transaction, so a
            // refused row (a name longer than its column) leaves the user as it was.
            const DbValue user[] = {DbValue::ofText(name)};
            if (existing > 0 &&
                executeStatement(*database, "DELETE FROM " + quoteName(kPasswordTable) + userCondition(),
                                 user) != 0) {
                return finish(showEngineFailure(log, database, dbtext::kDeleteFailed));
            }
            const DbValue values[] = {DbValue::ofText(name), DbValue::ofText(hash), DbValue::ofText(level)};
            if (executeStatement(*database,
                                 "INSERT INTO " + quoteName(kPasswordTable) + " (" + quoteName(kUserColumn) +
                                     ", " + quoteName(kPasswordColumn) + ", " + quoteName(kLevelColumn) +
                                     ") VALUES (?, ?, ?)",
                                 values) != 0 ||
                database->commit() != 0) {
                return finish(showEngineFailure(log, database, dbtext::kSaveFailed));
            }
            return finish(DbResult::Ok);
        }
        // Closed while the question is open: the check runs again after a Yes.
        static_cast<void>(finish(DbResult::Ok));
        const int answer = log.choice(dbtext::kOverwriteUser, name.c_str());
        if (answer != kAnswerYes) {
            log.information("%s", dbtext::kUserNotSaved);
            declined = true;
            return DbResult::Ok;
        }
        overwriteAgreed = true;
        if (reopenPasswordDb() != DbResult::Ok) return DbResult::Failed;
    }
}

DbResult PasswordDb::deleteUser(const std::string& name) {
    if (reopenPasswordDb() != DbResult::Ok) return DbResult::Failed;
    const DbValue user[] = {DbValue::ofText(name)};
    if (executeStatement(*database, "DELETE FROM " + quoteName(kPasswordTable) + userCondition(), user) !=
        0) {
        return finish(showEngineFailure(log, database, dbtext::kDeleteFailed));
    }
    return finish(DbResult::Ok);
}

}  // namespace orv
