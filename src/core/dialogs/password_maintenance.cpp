#include <vector>

#include "db/db_messages.h"
#include "dialogs/login_controllers.h"
#include "model/access.h"

namespace orv {

void PasswordMaintenanceController::open(const std::string& user) {
    levels.clear();
    for (const AccessLevel& level : kAccessLevels) levels.add(level.name);
    levels.select(findEqualEntry(levels, kCustomerLevel));
    levelText = kCustomerLevel;
    static_cast<void>(db.reopenPasswordDb());
    db.closePasswordDb();
    refillNames(user);
    if (names.selected() < 0 && names.count() > 0) names.select(0);
    showLevel(selectedEntry(names));
}

void PasswordMaintenanceController::nameChanged(const std::string& name) {
    showLevel(name);
    refillNames(name);
}

// Looking a name up offers to create it (with an empty password and the level
// shown); with no name at all there is nobody to show.
void PasswordMaintenanceController::showLevel(const std::string& name) {
    if (name.empty()) return;
    std::string stored = name;
    std::string hash;
    std::string level = levelText;
    static_cast<void>(db.lookupUser(stored, hash, level, true));
    levelText = level;
    const int index = findEqualEntry(levels, level);
    if (index >= 0) levels.select(index);
}

void PasswordMaintenanceController::refillNames(const std::string& select) {
    std::vector<std::string> users;
    static_cast<void>(db.listUsers(users));
    names.clear();
    for (const std::string& user : users) names.add(user);
    const int index = findEqualEntry(names, select);
    if (index >= 0) names.select(index);
}

void PasswordMaintenanceController::update(const std::string& name, const std::string& level) {
    levelText = level;
    static_cast<void>(db.saveUser(name, "", level, false));
    refillNames(name);
}

void PasswordMaintenanceController::remove(const std::string& name) {
    if (log.choice(dbtext::kConfirmDeleteUser, name.c_str()) == kAnswerYes &&
        db.deleteUser(name) == DbResult::Ok) {
        log.information(dbtext::kUserDeleted, name.c_str());
    } else {
        log.information(dbtext::kUserNotDeleted, name.c_str());
    }
    refillNames("");
}

void PasswordMaintenanceController::clearPassword(const std::string& name) {
    if (log.choice(dbtext::kConfirmClearPassword, name.c_str()) != kAnswerYes) {
        log.information(dbtext::kPasswordNotCleared, name.c_str());
        return;
    }
    std::string stored = name;
    std::string hash;
    std::string level = levelText;
    static_cast<void>(db.lookupUser(stored, hash, level, true));
    // Only a password that was really cleared is reported as cleared.
    if (db.saveUser(stored, "", level, true) != DbResult::Ok) {
        log.information(dbtext::kPasswordNotCleared, name.c_str());
        return;
    }
    log.information(dbtext::kPasswordCleared, name.c_str());
}

}  // namespace orv
