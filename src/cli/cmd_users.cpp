// orvctl users list|add|delete|passwd --pwdb PATH: the password database, as
// the "Password Maintenance" dialog keeps it. Passwords are stored as hashes.

#include <cstdio>
#include <vector>

#include "cli.h"
#include "db/db_messages.h"
#include "db/password_db.h"

namespace orv::cli {

namespace {

int runUsers(Session& session, const Args& args) {
    if (args.positional.size() != 1) return usageError("'users' needs one of list, add, delete, passwd");
    const std::string action = args.positional[0];
    const std::string path = args.value("pwdb").value_or("");
    if (path.empty()) return usageError("'users' needs --pwdb PATH");
    PasswordDb db(session.log);
    db.setPath(path);
    const std::string user = args.value("user").value_or("");
    const std::string password = args.value("password").value_or("");

    if (action == "list") {
        std::vector<std::string> users;
        if (db.listUsers(users) != 0) return kExitFailed;
        for (std::string name : users) {
            std::string hash;
            std::string level;
            db.lookupUser(name, hash, level, false);
            std::printf("%s\t%s\n", name.c_str(), level.c_str());
        }
        return kExitOk;
    }
    if (action != "add" && action != "delete" && action != "passwd") {
        return usageError("unknown 'users' action '" + action + "'");
    }
    if (user.empty()) return usageError("'users " + action + "' needs --user NAME");
    if (action == "add") {
        return db.saveUser(user, password, args.value("level").value_or("Customer"), false) == 0
                   ? kExitOk
                   : kExitFailed;
    }
    std::string stored = user;
    std::string hash;
    std::string level;
    const bool known = db.lookupUser(stored, hash, level, false) == 0;
    if (action == "delete") {
        if (!known || db.deleteUser(stored) != 0) {
            session.log.information(dbtext::kUserNotDeleted, user.c_str());
            return kExitFailed;
        }
        session.log.information(dbtext::kUserDeleted, stored.c_str());
        return kExitOk;
    }
    if (!known) {
        session.log.warning("%s", dbtext::kUserNotInList);
        return kExitFailed;
    }
    if (db.saveUser(stored, password, level, true) != 0) return kExitFailed;
    session.log.information("%s", dbtext::kPasswordChanged);
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("users", runUsers, {"pwdb", "user", "level", "password"});

}  // namespace orv::cli
