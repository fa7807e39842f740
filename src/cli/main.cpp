// orvctl: the headless front end. Works on one configuration at a time, as the
// main window does, and is how scripts and our end-to-end checks drive Orv.

#include <cstdio>
#include <string>

#include "cli.h"
#include "cli_registry.h"

namespace {

using namespace orv::cli;

void printHelp() {
    std::printf(
        "usage: orvctl COMMAND [options]\n"
        "\n"
        "Configuration (every command that reads one):\n"
        "  (none)                      the built-in defaults, with the overrides of ./Orv3.cfg\n"
        "  --ppf FILE                  a .ppf file\n"
        "  --db PATH --job J --ctn C [--status S]   a stored device (PATH: a file or a\n"
        "                              postgresql://user@host:port/dbname URI)\n"
        "  --firmware VERSION          select a supported firmware text\n"
        "  --set KEY=TEXT              TEXT as typed into the field (KEY, KEY[S], KEY[*])\n"
        "  --raw KEY=NUMBER            store a value with no conversion\n"
        "  --yes | --no                the answer to every question\n"
        "\n"
        "Commands:\n");
    for (const auto& [name, entry] : commandTable()) std::printf("  %s\n", name.c_str());
    std::printf("\nExit status: 0 success, 1 the operation failed, 2 bad usage, 3 simulation watchdog.\n");
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
        if (!known) return usageError("unknown option '--" + name + "' for '" + args.command + "'");
        const bool flag = commonFlags().count(name) || command.flags.count(name);
        if (flag && inlineValue) return usageError("option '--" + name + "' takes no value");
        if (!flag && !inlineValue) {
            if (i + 1 >= argc) return usageError("option '" + word + "' needs a value");
            value = argv[++i];
        }
        args.options.emplace_back(name, value);
    }
    if (args.has("yes") && args.has("no")) return usageError("give either --yes or --no, not both");
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "help") {
        printHelp();
        return argc < 2 ? kExitUsage : kExitOk;
    }
    Args args;
    args.command = argv[1];
    const auto found = commandTable().find(args.command);
    if (found == commandTable().end()) return usageError("unknown command '" + args.command + "'");
    if (int rc = parseArgs(argc, argv, found->second, args); rc != kExitOk) return rc;
    if (args.has("help")) {
        printHelp();
        return kExitOk;
    }
    Session session;
    if (args.has("yes")) session.presenter.forcedAnswer = orv::kAnswerYes;
    if (args.has("no")) session.presenter.forcedAnswer = orv::kAnswerNo;
    if (int rc = startSession(session); rc != kExitOk) return rc;
    return found->second.run(session, args);
}
