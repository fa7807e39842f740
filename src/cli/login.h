#pragma once

// Who works in orvctl: the window's login, headless. Passwords come from the
// environment variable ORV_PASSWORD or are asked on the terminal without echo,
// never from the command line (where every user of the computer can read them).

#include <string>

#include "cli.h"

namespace orv::cli {

// The password for who: ORV_PASSWORD, else asked on the terminal with prompt
// (no echo). The deprecated --password VALUE is still taken, with a warning.
// false when none could be had (no variable, no terminal).
bool readPassword(const Args& args, const std::string& prompt, std::string& password);

// --user NAME [--pwdb PATH]: the login as the "User Login" dialog does it,
// against the password database (--pwdb, else [Files] "Password Db"); without
// --user the user "User" at Customer level. Sets the session's user, level and
// mask and the record's user texts. Runs once per session; an exit status.
int logIn(Session& session, const Args& args);

}  // namespace orv::cli
