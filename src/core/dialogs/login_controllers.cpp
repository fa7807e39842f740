#include "dialogs/login_controllers.h"

#include <cctype>

#include "app/text_helpers.h"
#include "db/db_messages.h"
#include "db/service_account.h"
#include "model/access.h"

namespace orv {
namespace {}  // namespace

void UserLoginController::open(const std::string& currentUser, int currentCode) {
    user.mask = currentCode;
    // Offers to create a missing password file once, before anything is typed.
    static_cast<void>(db.reopenPasswordDb());
    db.closePasswordDb();
    nameText = currentUser;
    applyPasswordRule(currentUser);
    maintainUsersShown = mayMaintainUsers(currentCode);
}

void UserLoginController::nameLeft(const std::string& name) {
    nameText = name;
    applyPasswordRule(name);
}

// A password is asked for the service account (its name in exact case) and for
// every stored user who is not a Customer.
void UserLoginController::applyPasswordRule(const std::string& name) {
    bool asks = name == kServiceAccountName;
    if (!asks) {
        std::string stored = name;
        std::string hash;
        std::string level;
        asks = db.lookupUser(stored, hash, level, false) == DbResult::Ok && level != kCustomerLevel;
    }
    passwordEnabled = asks;
    changePasswordEnabled = asks;
    focusPassword = asks;
}

bool UserLoginController::ok(const std::string& name, const std::string& password) {
    if (equalIgnoringCase(name, kServiceAccountName)) {
        if (installedServiceHash(serviceAccountFile()).empty()) {
            log.warning("%s", kServiceAccountDisabled);
            return false;
        }
        if (!isServicePassword(password)) {
            log.warning("%s", dbtext::kIncorrectPassword);
            return false;
        }
        user = {name, kEngineerLevel, kMaskEngineer};
        return true;
    }
    std::string stored = name;
    std::string hash;
    std::string level;
    if (db.lookupUser(stored, hash, level, false) != DbResult::Ok) {
        user = {name, kCustomerLevel, kMaskCustomer};
        return true;
    }
    if (level != kCustomerLevel && !passwordMatches(hash, password)) {
        log.warning("%s", dbtext::kIncorrectPassword);
        return false;
    }
    user = {stored, level, storedLevelMask(level)};
    return true;
}

bool ChangePasswordController::open(const std::string& name) {
    static_cast<void>(db.reopenPasswordDb());
    db.closePasswordDb();
    user = name;
    if (db.lookupUser(user, storedHash, storedLevel, false) != DbResult::Ok) {
        log.warning("%s", dbtext::kUserNotInList);
        return false;
    }
    return true;
}

bool ChangePasswordController::ok(const std::string& oldPassword, const std::string& newPassword,
                                  const std::string& repeat) {
    if (!passwordMatches(storedHash, oldPassword)) {
        log.warning("%s", dbtext::kOldPasswordWrong);
        return false;
    }
    if (newPassword != repeat) {
        log.warning("%s", dbtext::kRepeatMismatch);
        return false;
    }
    // A save that failed has shown why; the password was not changed then.
    if (db.saveUser(user, newPassword, storedLevel, true) != DbResult::Ok) return false;
    log.information("%s", dbtext::kPasswordChanged);
    return true;
}

}  // namespace orv
