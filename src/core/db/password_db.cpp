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

int PasswordDb::finish(int result) {
    if (database) database->rollback();
    return closePasswordDb() != 0 ? 1 : result;
}

int PasswordDb::closePasswordDb() {
    access.closeTableDef(table);
    access.closeDatabase(database);
    return 0;
}

int PasswordDb::reopenPasswordDb() {
    return filePath.empty() ? 1 : openPasswordDb(filePath);
}

// Made apart and moved into place when complete, as the parameter database is.
int PasswordDb::createPasswordDb(const std::string& createPath) {
    const int made = access.createDatabase(database, createPath);
    if (made != 0) return made;
    int rc = database->begin() != 0 ? showEngineFailure(log, database, dbtext::kCreateDatabaseFailed)
                                    : access.createTableDef(*database, table, kPasswordTable);
    for (const PasswordColumn& column : kColumns) {
        if (rc == 0) {
            rc = access.createField(
                *table, AccessLayer::describeField(column.name, kPasswordTable, kFieldText, column.width,
                                                   column.required, true, ordinalCounter));
        }
    }
    if (rc == 0) rc = access.appendTableDef(*table);
    if (rc == 0) rc = access.createIndex(*table, {"MainOrder", {kUserColumn}});
    if (rc == 0 && database->commit() != 0)
        rc = showEngineFailure(log, database, dbtext::kCreateDatabaseFailed);
    finish(rc);
    if (rc == 0) rc = access.publishDatabase(createPath);
    if (rc != 0) access.engine.discard(createPath);
    return rc;
}

int PasswordDb::openPasswordDb(const std::string& openPath) {
    WaitCursor wait(waitIndicator);
    closePasswordDb();
    filePath = openPath;
    ordinalCounter = 1;
    EngineError error;
    if (const int rc = access.tryOpenDatabase(database, filePath, error); rc != 0) {
        // Only a missing file is offered for creation.
        if (rc != 1) {
            access.reportOpenFailure(error, rc, true);
            return 1;
        }
        if (log.choice(dbtext::kOfferCreate, displayName(filePath).c_str()) != kAnswerYes) return 1;
        const int created = createPasswordDb(filePath);
        if (created != 0 && created != kDatabaseExists) return 1;
        if (created == 0) verifiedPath = filePath;
        // Opened again for the operation that asked for the file.
        if (access.openDatabase(database, filePath, true) != 0) return 1;
    }
    if (!access.tableExists(*database, kPasswordTable)) {
        log.error("%s%s", dbtext::kOpenDatabaseFailed, dbtext::kNotPasswordDatabase);
        closePasswordDb();
        return 1;
    }
    if (access.openTableDef(*database, table, kPasswordTable) != 0) {
        closePasswordDb();
        return 1;
    }
    if (verifiedPath == filePath) return 0;
    for (const PasswordColumn& column : kColumns) {
        if (access.ensureField(*table, column.name, kFieldText, column.width, column.required, true,
                               ordinalCounter) != 0) {
            closePasswordDb();
            return 1;
        }
    }
    verifiedPath = filePath;
    return 0;
}

int PasswordDb::listUsers(std::vector<std::string>& users) {
    users.clear();
    if (reopenPasswordDb() != 0) return 1;
    const int rc = forEachRow(*database,
                              "SELECT " + quoteName(kUserColumn) + " FROM " + quoteName(kPasswordTable) +
                                  " WHERE " + quoteName(kUserColumn) + " <> ''",
                              {}, [&](const DbStatement& row) {
                                  if (auto name = textFromColumn(row.column(0))) users.push_back(*name);
                                  return 0;
                              });
    return finish(rc == kEngineFailed ? showEngineFailure(log, database, dbtext::kReadFailed) : 0);
}

int PasswordDb::lookupUser(std::string& name, std::string& passwordHash, std::string& level, bool offerCreate,
                           const std::string& newUserPassword) {
    if (reopenPasswordDb() != 0) return 1;
    auto select = database->prepare("SELECT * FROM " + quoteName(kPasswordTable) + userCondition());
    std::optional<StoredRow> row;
    const int rows =
        !select || bindAll(*select, {DbValue::ofText(name)}) != 0 ? kEngineFailed : fetchSingle(*select, row);
    if (rows == kEngineFailed) return finish(showEngineFailure(log, database, dbtext::kReadFailed));
    if (rows == 1) {
        name = textFromColumn(row->value(kUserColumn)).value_or(name);
        passwordHash = textFromColumn(row->value(kPasswordColumn)).value_or("");
        level = textFromColumn(row->value(kLevelColumn)).value_or("");
        return finish(0);
    }
    if (rows > 1) {
        log.warning(dbtext::kSeveralUsers, name.c_str());
        return finish(0);
    }
    if (!offerCreate) return finish(1);
    const int answer = log.choice(dbtext::kOfferNewUser, name.c_str());
    closePasswordDb();
    if (answer != kAnswerYes) {
        log.information("%s", dbtext::kUserNotSaved);
        return 0;
    }
    std::string hash;
    if (saveUser(name, newUserPassword, level, true) != 0 || lookupUser(name, hash, level, false) != 0) {
        log.error("%s", dbtext::kNewUserFailed);
        return 1;
    }
    passwordHash = hash;
    log.information(dbtext::kNewUserCreated, name.c_str(), level.c_str());
    return 0;
}

int PasswordDb::saveUser(const std::string& name, const std::string& password, const std::string& level,
                         bool overwriteWithoutAsking) {
    declined = false;
    if (name.empty()) {
        log.error("%s", dbtext::kUserNameMissing);
        return 1;
    }
    // A password is as long as the column of the clear text once was; the hash
    // stored instead would take any length.
    if (password.size() > static_cast<std::size_t>(kUserTextWidth)) {
        log.error("%s%s", dbtext::kSaveFailed, "the password is longer than 25 characters");
        return 1;
    }
    std::string hash;
    if (hashPassword(password, hashCost, hash) != 0) {
        log.error("%s%s", dbtext::kSaveFailed, "out of memory while hashing the password");
        return 1;
    }
    return saveUserHash(name, hash, level, overwriteWithoutAsking);
}

// The existence check and the write run in one write transaction, so two
// programs adding the same user cannot both find the name free; the overwrite
// question is asked outside it and the check repeated after a Yes.
int PasswordDb::saveUserHash(const std::string& name, const std::string& hash, const std::string& level,
                             bool overwriteWithoutAsking) {
    if (reopenPasswordDb() != 0) return 1;
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
            if (existing > 0 && executeStatement(*database,
                                                 "DELETE FROM " + quoteName(kPasswordTable) + userCondition(),
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
            return finish(0);
        }
        finish(0);
        const int answer = log.choice(dbtext::kOverwriteUser, name.c_str());
        if (answer != kAnswerYes) {
            log.information("%s", dbtext::kUserNotSaved);
            declined = true;
            return 0;
        }
        overwriteAgreed = true;
        if (reopenPasswordDb() != 0) return 1;
    }
}

int PasswordDb::deleteUser(const std::string& name) {
    if (reopenPasswordDb() != 0) return 1;
    const DbValue user[] = {DbValue::ofText(name)};
    if (executeStatement(*database, "DELETE FROM " + quoteName(kPasswordTable) + userCondition(), user) !=
        0) {
        return finish(showEngineFailure(log, database, dbtext::kDeleteFailed));
    }
    return finish(0);
}

}  // namespace orv
