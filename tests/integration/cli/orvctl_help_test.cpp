// orvctl explains itself: every command has its help, slips of the keyboard are
// answered with the name that was meant, and the version is printed.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlHelp : public ::testing::Test {
protected:
    ProcessResult run(const std::vector<std::string>& args) {
        return runOrvctl(args, folder.path().string());
    }
    std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }
    TempDir folder;
};

TEST_F(OrvctlHelp, EveryCommandHasAOneLineSummaryAndItsOwnHelpBothWays) {
    const auto commands = run({"completions", "commands"});
    ASSERT_EQ(commands.status, 0) << commands.err;
    const auto names = lines(commands.out);
    ASSERT_GE(names.size(), 10u);

    const auto overview = run({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        // The overview lists the command with a description after it.
        const auto at = overview.out.find("\n  " + name + " ");
        ASSERT_NE(at, std::string::npos);
        const auto lineEnd = overview.out.find('\n', at + 1);
        const std::string line = overview.out.substr(at + 3 + name.size(), lineEnd - at - 3 - name.size());
        EXPECT_NE(line.find_first_not_of(' '), std::string::npos) << "no summary";

        const auto help = run({"help", name});
        EXPECT_EQ(help.status, 0) << help.err;
        EXPECT_EQ(help.out.rfind("orvctl " + name + ": ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("usage: orvctl " + name), std::string::npos);
        const auto examples = help.out.find("Examples:\n  ");
        ASSERT_NE(examples, std::string::npos);
        EXPECT_NE(help.out.find("orvctl " + name, examples), std::string::npos);
        if (name != "completions") {
            const auto dashed = run({name, "--help"});
            EXPECT_EQ(dashed.status, 0);
            EXPECT_EQ(dashed.out, help.out);
        }
    }
    // Asking for help reads no settings and leaves no file behind.
    EXPECT_FALSE(std::filesystem::exists(folder.file("Orv3.cfg")));
}

TEST_F(OrvctlHelp, UnknownNamesAreBadUsageNamingTheNearestValidOne) {
    const auto command = run({"shwo"});
    EXPECT_EQ(command.status, 2);
    EXPECT_NE(command.err.find("unknown command 'shwo'; did you mean 'show'?"), std::string::npos)
        << command.err;

    const auto prefix = run({"help", "simul"});
    EXPECT_EQ(prefix.status, 2);
    EXPECT_NE(prefix.err.find("did you mean 'simulate'?"), std::string::npos) << prefix.err;

    const auto option = run({"show", "--jsno"});
    EXPECT_EQ(option.status, 2);
    EXPECT_NE(option.err.find("unknown option '--jsno' for 'show'; did you mean '--json'?"),
              std::string::npos)
        << option.err;

    // Nothing close: no guess.
    const auto far = run({"xyzzyplugh"});
    EXPECT_EQ(far.status, 2);
    EXPECT_EQ(far.err.find("did you mean"), std::string::npos) << far.err;
}

TEST_F(OrvctlHelp, VersionAndCompletionWords) {
    const auto version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("orvctl 3.", 0), 0u) << version.out;

    const auto firmware = lines(run({"completions", "firmware"}).out);
    ASSERT_EQ(firmware.size(), 18u);
    EXPECT_EQ(firmware.front(), "DS 030929");
    EXPECT_EQ(firmware.back(), "N6 020716");

    const auto keys = run({"completions", "keys"}).out;
    EXPECT_NE(keys.find("\nElevAngle\n"), std::string::npos);
    EXPECT_NE(keys.find("\nGpsFixInterval_1[*]\n"), std::string::npos);

    const auto options = run({"completions", "options", "chart"}).out;
    EXPECT_NE(options.find("--view-start\n"), std::string::npos);
    EXPECT_NE(options.find("-o\n"), std::string::npos);
    EXPECT_NE(options.find("--set\n"), std::string::npos);
    EXPECT_EQ(run({"completions", "everything"}).status, 2);
}

}  // namespace
}  // namespace orv::test
