#pragma once

// Who works in orvctl: the window's login, headless. Passwords come from the
// environment variable ORV_PASSWORD or are asked on the terminal without echo,
// never from the command line (where every user of the computer can read them).

#include <string>

#include "cli.h"
#include "db/password_db.h"
#include "dialogs/login_controllers.h"

namespace orv::cli {

// The password for who: ORV_PASSWORD, else asked on the terminal with prompt
// (no echo). The deprecated --password VALUE is still taken, with a warning.
// false when none could be had (no variable, no terminal).
bool readPassword(const Args& args, const std::string& prompt, std::string& password);

// A secret from the environment variable, else asked on the terminal with
// prompt (no echo); false when none could be had.
bool readSecret(const char* variable, const std::string& prompt, std::string& secret);

// Logs name in through login (and its password database) as the "User Login" dialog does; the
// password, when the user needs one, from the variable (or the terminal).
// An exit status; login then holds the user, level name and code.
int checkLogin(MessageLog& log, const std::string& name, const char* variable, UserLoginController& login);

// --user NAME [--pwdb PATH]: the login as the "User Login" dialog does it,
// against the password database (--pwdb, else [Files] "Password Db"); without
// --user the user "User" at Customer level. Sets the session's user, level and
// mask and the record's user texts. Runs once per session; an exit status.
int logIn(Session& session, const Args& args);

}  // namespace orv::cli
