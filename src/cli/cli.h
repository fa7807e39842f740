#pragma once

// The shared frame of orvctl: argument parsing, the session every command works
// in, command and configuration-source registration. A command lives in a file
// of its own (cmd_<name>.cpp) and registers itself with ORV_CLI_COMMAND.

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/message_log.h"
#include "model/logged_in_user.h"
#include "model/record.h"

namespace orv::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWatchdog = 3;

struct Args {
    std::string command;
    std::vector<std::string> positional;                       // after the command, in order
    std::vector<std::pair<std::string, std::string>> options;  // name without "--", value ("" for flags)

    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;  // the last one given
    std::vector<std::string> values(const std::string& name) const;   // every one, in order
    // Given as a flag: "--json" that prints JSON, not the source "--json FILE".
    bool flag(const std::string& name) const;
};

// Answers questions from --yes/--no (no terminal and neither: No) and writes
// every box to stderr as "Error: ...", "Warning: ...", "Information: ...".
class StderrPresenter : public MessagePresenter {
public:
    int present(BoxKind kind, const std::string& caption, const std::string& text) override;
    int forcedAnswer = 0;  // kAnswerYes / kAnswerNo, 0 when neither was given
};

struct Session {
    StderrPresenter presenter;
    MessageLog log{&presenter};
    ParameterRecord record;
    std::string settingsFile = "Orv3.cfg";
    // A missing ./Orv3.cfg is written with its entries only when asked (--write-settings).
    bool createSettingsFile = false;
    // The user the pages' rules and handlers act for (Customer until a login).
    LoggedInUser user;
    bool loggedIn = false;  // logIn has run
};

// The start-up steps of the program that need no window: the definition count
// check, ./Orv3.cfg (writing its missing "Parameters" entries), the overrides and
// the reset record. Returns an exit status.
int startSession(Session& session);

// Prints a usage error naming what was wrong and returns kExitUsage.
int usageError(const std::string& what);

// Prints "orvctl: " and what failed on a line of its own.
void reportFailure(const std::string& what);

using CommandFn = std::function<int(Session&, const Args&)>;

// options: the option names the command accepts beside the common ones.
// flags: those of them that take no value.
struct CommandRegistrar {
    CommandRegistrar(const char* name, CommandFn run, std::initializer_list<const char*> options,
                     std::initializer_list<const char*> flags = {});
};

// A configuration source: an option that, when given, loads the record
// (--ppf, --db ...). Runs before --firmware, --set and --raw are applied.
using SourceFn = std::function<int(Session&, const Args&)>;
struct SourceRegistrar {
    SourceRegistrar(const char* option, SourceFn load, std::initializer_list<const char*> options = {});
};

// Builds the configuration the command works on: the reset record, then the
// source, then --firmware, --set and --raw in order. Returns an exit status.
int loadConfiguration(Session& session, const Args& args);

// What loadConfiguration does after the source: --firmware, then --set, --raw
// and --reset in the order given. An exit status.
int applyEdits(Session& session, const Args& args);

// --firmware: selects one of the supported firmware texts (sets FenmodFwVer).
int selectFirmware(Session& session, const std::string& version);

}  // namespace orv::cli

#define ORV_CLI_CONCAT2(a, b) a##b
#define ORV_CLI_CONCAT(a, b) ORV_CLI_CONCAT2(a, b)
#define ORV_CLI_COMMAND(...)                                                          \
    static const ::orv::cli::CommandRegistrar ORV_CLI_CONCAT(orvCommand_, __LINE__) { \
        __VA_ARGS__                                                                   \
    }
#define ORV_CLI_SOURCE(...)                                                         \
    static const ::orv::cli::SourceRegistrar ORV_CLI_CONCAT(orvSource_, __LINE__) { \
        __VA_ARGS__                                                                 \
    }
