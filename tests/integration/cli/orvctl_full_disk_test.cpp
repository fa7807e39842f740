// A full disk or a file size limit never passes for success: output that
// could not be written fails the command with a message, and a file that is
// replaced stays as it was until its successor is written whole.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_size_limit.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

std::string quoted(const std::string& word) {
    std::string text = "'";
    for (const char c : word) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

// orvctl with its standard output sent to a file of the shell's choosing.
ProcessResult orvctlInto(const std::vector<std::string>& args, const std::string& target,
                         const std::string& folder) {
    std::string command = "exec " + quoted(std::string(ORV_BIN_DIR) + "/orvctl");
    for (const auto& word : args) command += " " + quoted(word);
    return runProcess("/bin/sh", {"-c", command + " > " + target}, folder);
}

TEST(OrvctlFullDisk, EveryCommandPrintingToStandardOutputFailsWhenItCannotBeWritten) {
    TempDir folder;
    const std::string where = folder.path().string();
    ASSERT_EQ(
        runOrvctl({"db", "save", "--db", "Orv3.mdb", "--job", "J", "--ctn", "1", "--yes"}, where).status, 0);
    const std::vector<std::vector<std::string>> commands = {
        {"show", "--json"},
        {"simulate", "--start", "2027-01-01", "--years", "1"},
        {"spr"},
        {"layout", "--firmware", "N4 040816"},
        {"db", "list", "--db", "Orv3.mdb"},
        {"schedule-text"},
    };
    for (const auto& command : commands) {
        const auto fine = orvctlInto(command, "/dev/null", where);
        EXPECT_EQ(fine.status, 0) << command[0] << ": " << fine.err;
        const auto full = orvctlInto(command, "/dev/full", where);
        EXPECT_EQ(full.status, 1) << command[0];
        EXPECT_NE(full.err.find("orvctl: the output could not be written to the standard output"),
                  std::string::npos)
            << command[0] << ": " << full.err;
    }
}

TEST(OrvctlFullDisk, APdfThatCannotBeWrittenWholeLeavesThePreviousOneAsItWas) {
    TempDir folder;
    const std::string where = folder.path().string();
    const auto first = runOrvctl({"print", "--report", "spr", "-o", "report.pdf"}, where);
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string before = folder.read("report.pdf");
    ASSERT_GT(before.size(), 4096u);
    const auto filesBefore = folder.entries();

    ProcessResult full;
    {
        const FileSizeLimit limit(4096);
        full = runOrvctl({"print", "--report", "spr", "--title", " (second)", "-o", "report.pdf"}, where);
    }
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("Error: "), std::string::npos) << full.err;
    EXPECT_EQ(folder.read("report.pdf"), before);
    EXPECT_EQ(folder.entries(), filesBefore) << "no temporary file stays behind";
}

TEST(OrvctlFullDisk, ASettingsFileThatCannotBeCompletedIsLeftAsItWasAndSaysSo) {
    TempDir folder;
    const std::string where = folder.path().string();
    const std::string original = "[Files]\nArchive Path=\n";
    folder.write("Orv3.cfg", original);
    ProcessResult run;
    {
        const FileSizeLimit limit(original.size() + 100);
        run = orvctlInto({"show"}, "/dev/null", where);
    }
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Warning: The settings file 'Orv3.cfg' could not be completed with its missing "
                           "entries: File too large."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(folder.read("Orv3.cfg"), original);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Orv3.cfg"});

    const auto completed = orvctlInto({"show"}, "/dev/null", where);
    EXPECT_EQ(completed.err.find("could not be completed"), std::string::npos) << completed.err;
    const std::string after = folder.read("Orv3.cfg");
    EXPECT_NE(after.find("[Parameters]"), std::string::npos);
    EXPECT_NE(after.find("[Energy]"), std::string::npos);
}

}  // namespace
}  // namespace orv::test
