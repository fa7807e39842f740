#include "login.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/startup.h"
#include "cli_messages.h"
#include "cli_registry.h"
#include "db/password_db.h"
#include "dialogs/login_controllers.h"
#include "model/access.h"
#include "model/logged_in_user.h"

namespace orv::cli {
namespace {

const bool kLoginRegistered = [] {
    commonOptions().insert("user");
    commonOptions().insert("pwdb");
    return true;
}();

constexpr const char* kDefaultUser = "User";

// Reads one line from the terminal with echo off; false when stdin is no terminal.
bool askOnTerminal(const std::string& prompt, std::string& password) {
    if (isatty(STDIN_FILENO) != 1) return false;
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) return false;
    termios quiet = saved;
    quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
    std::fprintf(stderr, "%s", prompt.c_str());
    std::fflush(stderr);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    const bool read = static_cast<bool>(std::getline(std::cin, password));
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);
    return read;
}

}  // namespace

bool readPassword(const Args& args, const std::string& prompt, std::string& password) {
    (void)kLoginRegistered;
    if (const auto given = args.value("password")) {
        std::fprintf(stderr, "%s", clitext::kPasswordOptionDeprecated);
        password = *given;
        return true;
    }
    return readSecret("ORV_PASSWORD", prompt, password);
}

bool readSecret(const char* variable, const std::string& prompt, std::string& secret) {
    if (const char* fromEnvironment = std::getenv(variable)) {
        secret = fromEnvironment;
        return true;
    }
    return askOnTerminal(prompt, secret);
}

int checkLogin(MessageLog& log, const std::string& name, const char* variable, UserLoginController& login) {
    login.open(kDefaultUser, kMaskCustomer);
    login.nameLeft(name);
    std::string password;
    if (login.passwordEnabled && !readSecret(variable, clitext::passwordPrompt(name), password)) {
        log.error("%s", clitext::loginNeedsPassword(name, variable).c_str());
        return kExitFailed;
    }
    return login.ok(name, password) ? kExitOk : kExitFailed;
}

int logIn(Session& session, const Args& args) {
    if (session.loggedIn) return kExitOk;
    LoggedInUser user{.name = kDefaultUser};
    if (const auto name = args.value("user")) {
        if (name->empty()) return usageError(clitext::kUserNeedsName);
        PasswordDb passwords(session.log);
        passwords.setPath(args.value("pwdb").value_or(readAppSettings(session.settingsFile).passwordDbPath));
        UserLoginController login(passwords, session.log);
        if (int rc = checkLogin(session.log, *name, "ORV_PASSWORD", login); rc != kExitOk) return rc;
        user = login.user;
    }
    session.user = user;
    recordLogin(session.record, user);
    session.loggedIn = true;
    return kExitOk;
}

}  // namespace orv::cli
