// orvctl users list|add|delete|passwd --pwdb PATH: the password database, as
// the "Password Maintenance" dialog keeps it, for an Engineer who logs in with
// --login NAME; a user changes their own password with the old one, as in the
// "Change Password" dialog. Passwords are stored as hashes and are read from
// the environment or the terminal, never from the command line.
// orvctl users service-password: the service account's password on this
// computer (an administrator only).

#include <cstdio>
#include <vector>

#include "cli.h"
#include "cli_messages.h"
#include "db/db_messages.h"
#include "db/password_db.h"
#include "db/service_account.h"
#include "dialogs/login_controllers.h"
#include "login.h"
#include "model/access.h"

namespace orv::cli {

namespace {

int setServicePassword(Session& session, const Args& args) {
    std::string password;
    if (!readPassword(args, clitext::kServicePasswordPrompt, password) || password.empty()) {
        session.log.error("%s", clitext::kServiceAccountNeedsPassword);
        return kExitFailed;
    }
    if (storeServicePassword(serviceAccountFile(), password, kLoginHashCost, session.log) != 0)
        return kExitFailed;
    session.log.information("%s", clitext::kServicePasswordSet);
    return kExitOk;
}

int runUsers(Session& session, const Args& args) {
    if (args.positional.size() != 1) return usageError(clitext::kUsersNeedsAction);
    const std::string action = args.positional[0];
    if (action == "service-password") return setServicePassword(session, args);
    const std::string path = args.value("pwdb").value_or("");
    if (path.empty()) return usageError(clitext::kUsersNeedsPwdb);
    PasswordDb db(session.log);
    db.setPath(path);
    const std::string user = args.value("user").value_or("");
    std::string password;

    if (action == "list") {
        std::vector<std::string> users;
        if (db.listUsers(users) != DbResult::Ok) return kExitFailed;
        // Every user is listed; one whose level cannot be read is listed without
        // it, and the list does not count as complete.
        int status = kExitOk;
        for (std::string name : users) {
            std::string hash;
            std::string level;
            if (db.lookupUser(name, hash, level, false) != DbResult::Ok) {
                reportFailure(clitext::userLevelUnknown(name));
                status = kExitFailed;
            }
            std::printf("%s\t%s\n", name.c_str(), level.c_str());
        }
        return status;
    }
    if (action != "add" && action != "delete" && action != "passwd") {
        return usageError(clitext::unknownUsersAction(action));
    }
    if (user.empty()) return usageError(clitext::usersActionNeedsUser(action));
    // Who maintains the list: an Engineer, as the window's "Maintain User List".
    const auto maintainer = args.value("login");
    if (maintainer) {
        UserLoginController login(db, session.log);
        if (int rc = checkLogin(session.log, *maintainer, "ORV_LOGIN_PASSWORD", login); rc != kExitOk)
            return rc;
        if (!mayMaintainUsers(login.user.mask)) {
            reportFailure(clitext::usersRefusedForLevel(action, login.user.name, login.user.level));
            return kExitUsage;
        }
    }
    // A declined overwrite stored nothing, so the command did not do its work.
    auto saved = [&](const std::string& name, const std::string& level, bool overwrite) {
        return db.saveUser(name, password, level, overwrite) == DbResult::Ok && !db.saveDeclined()
                   ? kExitOk
                   : kExitFailed;
    };
    // Every level above Customer logs in with a password: none is stored empty.
    auto passwordMissing = [&](const std::string& level) {
        if (!readPassword(args, clitext::passwordPrompt(user), password)) password.clear();
        if (!password.empty() || !levelNeedsPassword(storedLevelMask(level))) return false;
        session.log.error("%s", clitext::levelNeedsPassword(level).c_str());
        return true;
    };
    if (action == "add") {
        const std::string level = args.value("level").value_or(kCustomerLevel);
        if (!isLevelName(level)) {
            return usageError(clitext::unknownLevel(level));
        }
        // The one user added without a login: the first Engineer of a list that has no user yet.
        bool firstEngineer = false;
        if (!maintainer) {
            std::vector<std::string> users;
            if (db.listUsers(users) != DbResult::Ok) return kExitFailed;
            if (!users.empty()) {
                reportFailure(clitext::usersNeedsEngineer(action));
                return kExitUsage;
            }
            if (storedLevelMask(level) != kMaskEngineer) {
                reportFailure(clitext::kFirstUserMustBeEngineer);
                return kExitUsage;
            }
            firstEngineer = true;
        }
        if (passwordMissing(level)) return kExitFailed;
        const int status = saved(user, level, false);
        if (status == kExitOk && firstEngineer)
            session.log.information("%s", clitext::firstEngineerAdded(user).c_str());
        return status;
    }
    if (action == "delete" && !maintainer) {
        reportFailure(clitext::usersNeedsEngineer(action));
        return kExitUsage;
    }
    std::string stored = user;
    std::string hash;
    std::string level;
    const bool known = db.lookupUser(stored, hash, level, false) == DbResult::Ok;
    if (action == "delete") {
        if (!known || db.deleteUser(stored) != DbResult::Ok) {
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
    if (maintainer) {
        if (passwordMissing(level)) return kExitFailed;
        if (saved(stored, level, true) != kExitOk) return kExitFailed;
        session.log.information("%s", dbtext::kPasswordChanged);
        return kExitOk;
    }
    // One's own password, as the window's "Change Password": the old one first.
    std::string oldPassword;
    if (!readSecret("ORV_OLD_PASSWORD", clitext::oldPasswordPrompt(stored), oldPassword)) {
        session.log.error("%s", clitext::oldPasswordNeeded(stored).c_str());
        return kExitFailed;
    }
    ChangePasswordController change(db, session.log);
    if (!change.open(stored)) return kExitFailed;
    if (passwordMissing(level)) return kExitFailed;
    return change.ok(oldPassword, password, password) ? kExitOk : kExitFailed;
}

}  // namespace

ORV_CLI_COMMAND("users", runUsers, {"pwdb", "user", "level", "password", "login"});

}  // namespace orv::cli
