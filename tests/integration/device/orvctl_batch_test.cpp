// orvctl batch against four emulated collars on four pseudo-terminals: all
// programmed at once, a faulty collar failing alone, a bad manifest touching no
// collar, Ctrl-C aborting every port with nothing saved.

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"
#include "trace_reader.h"

namespace orv::test {
namespace {

class OrvctlBatch : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(folder.path() / "archive");
        folder.write("Orv3.cfg", "[Files]\nArchive Path=" + folder.file("archive") + "/\n");
        for (int i = 1; i <= 4; ++i) {
            const auto saved =
                run({"db", "save", "--db", "Orv3.mdb", "--job", "J9", "--ctn", "C" + std::to_string(i),
                     "--firmware", "N4 040816", "--set", "ElevAngle=" + std::to_string(10 + i), "--yes"});
            ASSERT_EQ(saved.status, 0) << saved.err;
        }
    }
    void startCollars(const emu::CollarOptions& faulty, const emu::CollarOptions& others = {}) {
        for (int i = 0; i < 4; ++i) {
            collars.push_back(std::make_unique<emu::CollarEmulator>(i == 2 ? faulty : others));
            ASSERT_TRUE(collars.back()->start());
        }
    }
    std::string manifest(const std::vector<std::string>& extraLines = {}) {
        std::string text = "port,job,ctn\n";
        for (int i = 0; i < 4; ++i) text += collars[i]->devicePath() + ",J9,C" + std::to_string(i + 1) + "\n";
        for (const auto& line : extraLines) text += line + "\n";
        return folder.write("job.csv", text);
    }
    std::vector<std::string> batch() {
        std::vector<std::string> args{"batch",    "--manifest", "job.csv", "--db",
                                      "Orv3.mdb", "--timeout",  "2",       "--yes"};
        for (const auto& option : engineerLogin(folder.path().string())) args.push_back(option);
        return args;
    }
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    int programmedCount() {
        const std::string listed = run({"db", "list", "--db", "Orv3.mdb"}).out;
        int count = 0;
        for (auto at = listed.find("\tProgrammed"); at != std::string::npos;
             at = listed.find("\tProgrammed", at + 1))
            ++count;
        return count;
    }

    TempDir folder;
    std::vector<std::unique_ptr<emu::CollarEmulator>> collars;
};

TEST_F(OrvctlBatch, AFaultyCollarFailsAloneAndTheOthersAreSavedAndArchived) {
    emu::CollarOptions faulty;
    faulty.faults.push_back({emu::FaultKind::EraseRefused, 0});
    startCollars(faulty);
    manifest();
    const auto result = run(batch());
    EXPECT_EQ(result.status, 1) << result.err;
    for (int i = 0; i < 4; ++i) {
        const auto row = result.out.find(collars[i]->devicePath());
        ASSERT_NE(row, std::string::npos) << result.out;
        const std::string line = result.out.substr(row, result.out.find('\n', row) - row);
        EXPECT_NE(line.find(i == 2 ? "failed" : "programmed"), std::string::npos) << line;
        EXPECT_EQ(folder.read("archive/C" + std::to_string(i + 1) + ".spr").empty(), i == 2) << i;
    }
    EXPECT_EQ(programmedCount(), 3);
    const auto third =
        run({"show", "--json", "--db", "Orv3.mdb", "--job", "J9", "--ctn", "C4", "--status", "Programmed"});
    EXPECT_NE(third.out.find("\"ProgrammedBy\": \"Eng\""), std::string::npos) << third.out;
    EXPECT_NE(third.out.find("\"ElevAngle\": 14"), std::string::npos) << "each collar its own configuration";
}

TEST_F(OrvctlBatch, AllSucceedAndTheRestartWarningEndsAndAgainEachCollarCountsItsChanges) {
    startCollars({});
    manifest();
    const auto result = run(batch());
    EXPECT_EQ(result.status, 0) << result.err << result.out;
    EXPECT_EQ(programmedCount(), 4);
    EXPECT_NE(result.err.find("IMPORTANT!! After programming"), std::string::npos);

    // Programmed again, one collar with one value changed: the summary counts
    // per collar what the write changed, and every write kept what it replaced.
    const auto changed = run({"db", "save", "--db", "Orv3.mdb", "--job", "J9", "--ctn", "C2", "--firmware",
                              "N4 040816", "--set", "ElevAngle=30", "--yes"});
    ASSERT_EQ(changed.status, 0) << changed.err;
    const auto again = run(batch());
    EXPECT_EQ(again.status, 0) << again.err << again.out;
    for (int i = 0; i < 4; ++i) {
        const auto row = again.out.find(collars[i]->devicePath());
        ASSERT_NE(row, std::string::npos) << again.out;
        std::istringstream line(again.out.substr(row, again.out.find('\n', row) - row));
        std::string port, job, ctn, result, seconds, changes;
        line >> port >> job >> ctn >> result >> seconds >> changes;
        EXPECT_EQ(changes, i == 1 ? "1" : "0") << again.out;
        std::size_t copies = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "archive"))
            copies +=
                entry.path().filename().string().rfind("C" + std::to_string(i + 1) + "-before-", 0) == 0;
        EXPECT_EQ(copies, 2u) << i;
    }
}

TEST_F(OrvctlBatch, AnArchiveThatCannotBeWrittenIsNamedAndTheSaveStands) {
    // The archive folder is a file: the .spr and .bin cannot be written, the database save can.
    folder.write("blocked", "");
    folder.write("Orv3.cfg", "[Files]\nArchive Path=" + folder.file("blocked") + "/\n");
    startCollars({});
    manifest();
    const auto result = run(batch());
    EXPECT_EQ(result.status, 1) << result.err;
    for (int i = 0; i < 4; ++i) {
        const auto row = result.out.find(collars[i]->devicePath());
        ASSERT_NE(row, std::string::npos) << result.out;
        const std::string line = result.out.substr(row, result.out.find('\n', row) - row);
        EXPECT_NE(line.find("not archived"), std::string::npos) << line;
        EXPECT_EQ(line.find("not saved"), std::string::npos) << line;
    }
    EXPECT_EQ(programmedCount(), 4);
}

TEST_F(OrvctlBatch, OneTraceHoldsEveryPortsFramesInWholeLinesMarkedWithThePort) {
    startCollars({});
    manifest();
    std::vector<std::string> args = batch();
    args.insert(args.end(), {"--trace", "batch.trace"});
    const auto result = run(args);
    ASSERT_EQ(result.status, 0) << result.err << result.out;
    const ReadTrace trace = readTrace(folder.read("batch.trace"));
    // Four threads wrote at once, yet every line is whole.
    EXPECT_TRUE(trace.unreadable.empty())
        << trace.unreadable.size() << " lines mixed, first: " << trace.unreadable.front();
    for (const auto& collar : collars) {
        EXPECT_EQ(commandsSent(trace, collar->devicePath()), collar->commandLog()) << collar->devicePath();
        EXPECT_EQ(
            static_cast<long long>(bytesOf(trace, TraceDirection::Received, collar->devicePath()).size()),
            collar->charsSent());
    }
    // Not on a terminal: plain progress lines, one per event, no cursor movements.
    EXPECT_EQ(result.err.find("\033["), std::string::npos);
    EXPECT_NE(result.err.find(collars[0]->devicePath() + " C1: Erasing target FLASH memory sector"),
              std::string::npos)
        << result.err;
}

TEST_F(OrvctlBatch, ATraceFileThatCannotBeOpenedFailsBeforeAnyCollarIsTouched) {
    startCollars({});
    manifest();
    std::vector<std::string> args = batch();
    args.insert(args.end(), {"--trace", folder.file("missing/batch.trace")});
    const auto result = run(args);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("--trace: cannot open the trace file"), std::string::npos) << result.err;
    for (const auto& collar : collars) EXPECT_EQ(collar->commandCount(), 0);
}

TEST_F(OrvctlBatch, BadManifestsFailWithTheLineBeforeAnyCollarIsTouched) {
    startCollars({});
    // The same Job and CTN twice would give two collars one configuration.
    manifest({collars[1]->devicePath() + ",J9,C2"});
    auto result = run(batch());
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("line 6: Job 'J9', CTN 'C2' is already on line 3"), std::string::npos)
        << result.err;
    manifest({"/dev/no-such-port,J9,C5"});
    result = run(batch());
    EXPECT_NE(result.err.find("line 6: port /dev/no-such-port is no serial device"), std::string::npos)
        << result.err;
    folder.write("job.csv", "port,job,ctn\n" + collars[0]->devicePath() + ",J9,C99\n");
    result = run(batch());
    EXPECT_NE(result.err.find("line 2: Job 'J9', CTN 'C99'"), std::string::npos) << result.err;
    folder.write("job.csv", "port,ctn\n" + collars[0]->devicePath() + ",C1\n");
    result = run(batch());
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("line 1: the header names no 'job' column"), std::string::npos) << result.err;
    for (const auto& collar : collars) EXPECT_EQ(collar->commandCount(), 0);
    EXPECT_EQ(programmedCount(), 0);
}

TEST_F(OrvctlBatch, CtrlCAbortsEveryPortAndSavesNothing) {
    emu::CollarOptions asleep;
    asleep.asleep = true;
    startCollars(asleep, asleep);
    manifest();
    std::vector<std::string> args = batch();
    args[6] = "30";  // the magnet never comes: only Ctrl-C ends the wait
    RunningProcess running = startProcess(std::string(ORV_BIN_DIR) + "/orvctl", args, folder.path().string());
    for (const auto& collar : collars) ASSERT_TRUE(collar->waitForCommands(1, 10000));
    kill(running.pid, SIGINT);
    const auto result = finishProcess(running);
    EXPECT_EQ(result.status, 1) << result.err;
    std::size_t aborted = 0;
    for (auto at = result.out.find("aborted"); at != std::string::npos;
         at = result.out.find("aborted", at + 1))
        ++aborted;
    EXPECT_EQ(aborted, 4u) << result.out;
    EXPECT_EQ(programmedCount(), 0);
}

}  // namespace
}  // namespace orv::test
