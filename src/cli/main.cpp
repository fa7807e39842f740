// orvctl: the headless front end. Works on one configuration at a time, as the
// main window does, and is how scripts and our end-to-end checks drive Orv.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/startup.h"
#include "cli.h"
#include "cli_messages.h"
#include "cli_registry.h"
#include "command_help.h"
#include "db/database_uri.h"

namespace {

using namespace orv::cli;

void printHelp() {
    std::printf(
        "usage: orvctl COMMAND [options]\n"
        "       orvctl help COMMAND | orvctl COMMAND --help | orvctl --version\n"
        "\n"
        "Configuration (every command that reads one):\n"
        "  (none)                      the built-in defaults, with the overrides of ./Orv3.cfg\n"
        "  --ppf FILE                  a .ppf file\n"
        "  --bin FILE --firmware V     a configuration image (an archive .bin, a before-copy)\n"
        "  --db PATH --job J --ctn C [--status S]   a stored device (PATH: a file or a\n"
        "                              postgresql://user@host:port/dbname URI)\n"
        "  --firmware VERSION          select a supported firmware text\n"
        "  --set KEY=TEXT              TEXT as typed into the field (KEY, KEY[S], KEY[*])\n"
        "  --raw KEY=NUMBER            the unchecked store for tests and repairs: no conversion, no\n"
        "                              rule; an Engineer login (--user) only\n"
        "  --user NAME [--pwdb PATH]   log in (password from ORV_PASSWORD or asked on the terminal);\n"
        "                              without it the user is \"User\" at Customer level\n"
        "  --yes | --no                the answer to every question\n"
        "  --write-settings            write a missing ./Orv3.cfg with every entry\n"
        "\n"
        "Commands:\n");
    for (const auto& [name, entry] : commandTable()) {
        const CommandHelp* help = commandHelp(name);
        std::printf("  %-15s %s\n", name.c_str(), help ? help->summary : "");
    }
    std::printf("  %-15s %s\n", "help", commandHelp("help")->summary);
    std::printf("\nExit status: 0 success, 1 the operation failed, 2 bad usage, 3 simulation watchdog.\n");
}

int printCommandHelp(const std::string& name) {
    const CommandHelp* help = commandHelp(name);
    if (help == nullptr || (name != "help" && commandTable().count(name) == 0)) {
        std::vector<std::string> names;
        for (const auto& [known, entry] : commandTable()) names.push_back(known);
        const std::string nearest = nearestName(name, names);
        return usageError(orv::clitext::unknownCommand(name, nearest));
    }
    std::printf("orvctl %s: %s\n\nusage: %s\n", help->name, help->summary, help->synopsis);
    if (*help->options) std::printf("\nOptions:\n%s", help->options);
    std::printf(
        "\nThe configuration options (--ppf, --db, --firmware, --set, --raw, --reset, --yes, --no)\n"
        "apply to every command that reads one; see 'orvctl --help'.\n");
    if (*help->examples) {
        std::printf("\nExamples:\n");
        for (std::string_view rest = help->examples; !rest.empty();) {
            const auto end = rest.find('\n');
            std::printf("  %.*s\n", static_cast<int>(rest.substr(0, end).size()), rest.data());
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
    }
    return kExitOk;
}

// Splits the arguments after the command into positionals and options. A
// value option takes "--name VALUE" or "--name=VALUE"; "-o" is "--o".
int parseArgs(int argc, char** argv, const CommandEntry& command, Args& args) {
    for (int i = 2; i < argc; ++i) {
        std::string word = argv[i];
        if (word.rfind("--", 0) != 0 && word != "-o") {
            args.positional.push_back(word);
            continue;
        }
        std::string name = word == "-o" ? "o" : word.substr(2);
        std::string value;
        bool inlineValue = false;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        const bool known = commonOptions().count(name) || command.options.count(name);
        if (!known) {
            std::vector<std::string> names(commonOptions().begin(), commonOptions().end());
            names.insert(names.end(), command.options.begin(), command.options.end());
            const std::string nearest = nearestName(name, names);
            return usageError(orv::clitext::unknownOption(name, args.command, nearest));
        }
        bool flag = commonFlags().count(name) || command.flags.count(name);
        // "--json" prints JSON, "--json FILE" reads the configuration from FILE.
        if (flag && !commonFlags().count(name) && commonOptions().count(name)) {
            if (inlineValue && value.empty()) return usageError(orv::clitext::optionNeedsValue(word));
            if (!inlineValue && i + 1 < argc && argv[i + 1][0] != '-') {
                value = argv[++i];
                inlineValue = true;
            }
            flag = !inlineValue;
        }
        if (flag && inlineValue) return usageError(orv::clitext::optionTakesNoValue(name));
        if (!flag && !inlineValue) {
            if (i + 1 >= argc) return usageError(orv::clitext::optionNeedsValue(word));
            value = argv[++i];
        }
        args.options.emplace_back(name, value);
    }
    if (args.has("yes") && args.has("no")) return usageError(orv::clitext::kYesAndNo);
    return kExitOk;
}

// The database files a command may create: those its options name, and the
// password database a login reads, that do not exist yet.
std::vector<std::string> absentDatabaseFiles(const Session& session, const Args& args) {
    std::vector<std::string> paths;
    for (const char* option : {"db", "pwdb", "to"})
        for (const std::string& path : args.values(option)) paths.push_back(path);
    if (args.has("user") && !args.has("pwdb"))
        paths.push_back(orv::readAppSettings(session.settingsFile).passwordDbPath);
    std::vector<std::string> absent;
    std::error_code ignored;
    for (const std::string& path : paths)
        if (!path.empty() && !orv::isServerUri(path) && !std::filesystem::exists(path, ignored))
            absent.push_back(path);
    return absent;
}

// A database file made by the command is worth a line: scripts and people
// should know that a new file now stands where they pointed.
void reportCreatedDatabaseFiles(const std::vector<std::string>& absent) {
    std::error_code ignored;
    for (const std::string& path : absent)
        if (std::filesystem::exists(path, ignored))
            std::fprintf(stderr, "%s\n", orv::clitext::databaseCreated(path).c_str());
}

// Output that did not reach its file (a full disk, a file size limit) is a
// failure whatever the command made of its work: the last buffered part goes
// out here, and any write that failed on the way is remembered by the stream.
int finishOutput(int status) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && std::ferror(stdout) == 0) return status;
    // The reason is known when the last flush met it; an earlier write's is gone.
    reportFailure(orv::clitext::outputNotWritten(errno != 0 ? std::strerror(errno) : ""));
    return status == kExitUsage ? kExitUsage : kExitFailed;
}

int run(int argc, char** argv) {
    const std::string first = argc < 2 ? "" : argv[1];
    if (first == "--version") {
        std::printf("orvctl %s\n", ORV_VERSION);
        return kExitOk;
    }
    if (first == "help" && argc == 3) return printCommandHelp(argv[2]);
    if (argc < 2 || first == "--help" || first == "-h" || first == "help") {
        printHelp();
        return argc < 2 ? kExitUsage : kExitOk;
    }
    Args args;
    args.command = first;
    const auto found = commandTable().find(args.command);
    if (found == commandTable().end()) return printCommandHelp(args.command);
    if (int rc = parseArgs(argc, argv, found->second, args); rc != kExitOk) return rc;
    if (args.has("help")) return printCommandHelp(args.command);
    Session session;
    if (args.has("yes")) session.presenter.forcedAnswer = orv::kAnswerYes;
    if (args.has("no")) session.presenter.forcedAnswer = orv::kAnswerNo;
    session.createSettingsFile = args.has("write-settings");
    // The completion words need no settings: a Tab press reads and writes no file.
    // The computer check and the support bundle look at the settings as they
    // are, broken ones included, and change nothing.
    if (args.command != "completions" && args.command != "doctor" && args.command != "support-bundle") {
        if (int rc = startSession(session); rc != kExitOk) return rc;
    }
    const std::vector<std::string> absent = absentDatabaseFiles(session, args);
    const int status = found->second.run(session, args);
    reportCreatedDatabaseFiles(absent);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    return finishOutput(run(argc, argv));
}
