#pragma once

// The password database: one row of "PwdTbl" per user with the user name, the
// hash of the password and the access level name. User names match ignoring
// letter case. Every operation reopens the file and closes it at its end.

#include <string>
#include <vector>

#include "app/message_log.h"
#include "db/access_layer.h"
#include "db/password_hash.h"
#include "db/wait_cursor.h"

namespace orv {

inline constexpr const char* kPasswordTable = "PwdTbl";
inline constexpr const char* kUserColumn = "PwdUser";
inline constexpr const char* kPasswordColumn = "PwdPassword";
inline constexpr const char* kLevelColumn = "PwdAccessLevel";
inline constexpr int kUserTextWidth = 25;

class PasswordDb {
public:
    explicit PasswordDb(MessageLog& log, DbEngine& engine = databaseEngine());

    DbResult openPasswordDb(const std::string& path);
    void closePasswordDb();
    DbResult reopenPasswordDb();

    DbResult listUsers(std::vector<std::string>& users);
    // Found: name takes the stored form, passwordHash and level the stored ones
    // (an empty hash is the empty password). Not found: Failed, or with offerCreate
    // the question whether to create the user with newUserPassword and level.
    DbResult lookupUser(std::string& name, std::string& passwordHash, std::string& level, bool offerCreate,
                        const std::string& newUserPassword = "");
    // Ok saved or the overwrite declined (then saveDeclined() is true); Failed.
    DbResult saveUser(const std::string& name, const std::string& password, const std::string& level,
                      bool overwriteWithoutAsking);
    DbResult deleteUser(const std::string& name);
    bool saveDeclined() const { return declined; }

    const std::string& path() const { return filePath; }
    void setPath(const std::string& newPath) { filePath = newPath; }

    HashCost hashCost = kLoginHashCost;
    WaitIndicator* waitIndicator = nullptr;

private:
    DbResult createPasswordDb(const std::string& createPath);
    DbResult saveUserHash(const std::string& name, const std::string& hash, const std::string& level,
                          bool overwriteWithoutAsking);
    DbResult finish(DbResult result);

    MessageLog& log;
    AccessLayer access;
    DatabaseSlot database;
    TableSlot table;
    std::string filePath;
    std::string verifiedPath;
    int ordinalCounter = 1;
    bool declined = false;
};

}  // namespace orv
