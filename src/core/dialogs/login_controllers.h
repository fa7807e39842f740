#pragma once

// The logic of the "User Login", "Change Password" and "Password Maintenance"
// dialogs, without their widgets: the dialogs pass in what was typed, show
// what the controller says and close when it says so.

#include <string>

#include "app/message_log.h"
#include "db/password_db.h"
#include "model/choice_list.h"
#include "model/logged_in_user.h"

namespace orv {

class UserLoginController {
public:
    UserLoginController(PasswordDb& passwords, MessageLog& messages) : db(passwords), log(messages) {}

    // The dialog opens for the user logged in now.
    void open(const std::string& currentUser, int currentCode);
    // The Name edit lost focus holding name.
    void nameLeft(const std::string& name);
    // OK: true when the dialog closes; user is then the new login.
    bool ok(const std::string& name, const std::string& password);

    // What the dialog shows.
    std::string nameText;
    bool passwordEnabled = false;  // the Password edit and its label
    bool changePasswordEnabled = false;
    bool maintainUsersShown = false;  // visible and enabled
    bool focusPassword = false;

    // The user logged in: until OK closes the dialog, the mask of the one logged in now.
    LoggedInUser user{.name = "", .level = "", .mask = 0};

private:
    void applyPasswordRule(const std::string& name);

    PasswordDb& db;
    MessageLog& log;
};

class ChangePasswordController {
public:
    ChangePasswordController(PasswordDb& passwords, MessageLog& messages) : db(passwords), log(messages) {}

    // false: the user is not in the list (shown) and the dialog ends as cancelled.
    bool open(const std::string& name);
    // true when the password was changed and the dialog closes.
    bool ok(const std::string& oldPassword, const std::string& newPassword, const std::string& repeat);

private:
    PasswordDb& db;
    MessageLog& log;
    std::string user;
    std::string storedHash;
    std::string storedLevel;
};

class PasswordMaintenanceController {
public:
    PasswordMaintenanceController(PasswordDb& passwords, MessageLog& messages, ChoiceList& nameList,
                                  ChoiceList& levelList)
        : db(passwords), log(messages), names(nameList), levels(levelList) {}

    void open(const std::string& user = "");
    // The name combo's selection changed, or it lost focus, holding name.
    void nameChanged(const std::string& name);
    void update(const std::string& name, const std::string& level);
    void remove(const std::string& name);
    void clearPassword(const std::string& name);

    // The text of the level combo (which may hold a level that is not in its list).
    std::string levelText;

private:
    void showLevel(const std::string& name);
    void refillNames(const std::string& select);

    PasswordDb& db;
    MessageLog& log;
    ChoiceList& names;
    ChoiceList& levels;
};

}  // namespace orv
