// orvctl device against the emulated collar, as a script would drive it:
// write then check for every family, and each injected fault's message and
// exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

struct RunResult {
    int status;
    std::string output;  // stdout and stderr
};

class OrvctlDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        orvctl = std::string(ORV_BIN_DIR) + "/orvctl";
        if (!std::filesystem::exists(orvctl)) GTEST_SKIP() << "orvctl is not built";
    }

    // Runs orvctl in the scratch folder; arguments are quoted for the shell.
    RunResult run(const std::vector<std::string>& args) {
        std::string command = "cd '" + folder.path().string() + "' && '" + orvctl + "'";
        for (const auto& a : args) command += " '" + a + "'";
        command += " 2>&1 </dev/null";
        RunResult result{-1, {}};
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return result;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
        const int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    RunResult device(const std::string& operation, const emu::CollarEmulator& collar,
                     const std::string& firmware, std::vector<std::string> more = {}) {
        std::vector<std::string> args{"device",     operation, "--port",    collar.devicePath(),
                                      "--firmware", firmware,  "--timeout", "1"};
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }

    std::string orvctl;
    TempDir folder;
};

class EveryFamily : public OrvctlDeviceTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryFamily, WriteThenCheckSucceed) {
    emu::CollarOptions options;
    options.firmware = GetParam();
    emu::CollarEmulator collar(options);
    ASSERT_TRUE(collar.start());
    const std::vector<std::string> values{"--set", "AlmanacTimeout=12:30", "--set", "NumberOfDays[2]=40"};
    const RunResult write = device("write", collar, GetParam(), values);
    EXPECT_EQ(write.status, 0) << write.output;
    const RunResult check = device("check", collar, GetParam(), values);
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_NE(check.output.find("The screen information is the same as the data in the device."),
              std::string::npos);

    // The defaults are not what the collar holds now.
    const RunResult differs = device("check", collar, GetParam());
    EXPECT_EQ(differs.status, 1);
    EXPECT_NE(differs.output.find("The current screen data does NOT match the device."), std::string::npos)
        << differs.output;
    EXPECT_EQ(differs.output.find("(AlmanacTimeout)"), std::string::npos) << "only the first without --all";

    // --all: both changed values, the season one with its season, from the collar to the screen.
    const RunResult all = device("check", collar, GetParam(), {"--all"});
    EXPECT_EQ(all.status, 1);
    EXPECT_NE(all.output.find("(AlmanacTimeout): 12:30 -> "), std::string::npos) << all.output;
    EXPECT_NE(all.output.find(", season 2: "), std::string::npos) << all.output;
    EXPECT_NE(all.output.find("(NumberOfDays): 40 -> "), std::string::npos) << all.output;
    EXPECT_NE(all.output.find("The current screen data does NOT match the device."), std::string::npos);
    const RunResult same = device("check", collar, GetParam(),
                                  {"--all", "--set", "AlmanacTimeout=12:30", "--set", "NumberOfDays[2]=40"});
    EXPECT_EQ(same.status, 0) << same.output;
    EXPECT_EQ(same.output.find(" -> "), std::string::npos) << same.output;
}

INSTANTIATE_TEST_SUITE_P(Families, EveryFamily,
                         ::testing::Values("N1 010824", "N3 020702", "N4 040816", "N6 020716", "DS 040903"),
                         [](const auto& info) { return std::string(info.param).substr(0, 2); });

struct FaultRun {
    const char* fault;
    int atCommand;
    bool asleep;
    const char* message;  // empty: the fault does no harm
};

class EveryFault : public OrvctlDeviceTest, public ::testing::WithParamInterface<FaultRun> {};

TEST_P(EveryFault, GivesItsMessageAndFails) {
    emu::Fault fault{};
    ASSERT_TRUE(emu::parseFault(GetParam().fault, fault));
    fault.atCommand = GetParam().atCommand;
    emu::CollarOptions options;
    options.faults = {fault};
    options.asleep = GetParam().asleep;
    options.magnetAfterMs = GetParam().asleep ? 200 : -1;
    emu::CollarEmulator collar(options);
    ASSERT_TRUE(collar.start());
    const RunResult write = device("write", collar, "N4 040816");
    if (std::string(GetParam().message).empty()) {
        EXPECT_EQ(write.status, 0) << write.output;
        return;
    }
    EXPECT_EQ(write.status, 1) << write.output;
    EXPECT_NE(write.output.find(GetParam().message), std::string::npos) << write.output;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EveryFault,
    ::testing::Values(
        FaultRun{"no-answer", 2, false,
                 "A timeout was detected trying to talk to the target!\nThe target memory was NOT programmed "
                 "correctly."},
        FaultRun{"wrong-banner", 0, true, "Error: Unrecognized target response"},
        FaultRun{
            "erase-refused", 0, false,
            "An unrecognized response was returned from the target!\nThe target memory was NOT programmed "
            "correctly."},
        FaultRun{"status-with-data", 5, false,
                 "A communication error was detected!\nThe target memory was NOT programmed correctly."},
        FaultRun{"garbage-before-soh", 0, false, ""},
        FaultRun{"flipped-readback-bit", 0, false,
                 "Error -- The target failed the program readback check.\nThe target was NOT programmed "
                 "correctly."},
        FaultRun{"hang-up", 8, false,
                 "A timeout was detected trying to talk to the target!\nThe target memory was NOT programmed "
                 "correctly."}),
    [](const auto& info) {
        std::string name = info.param.fault;
        for (char& c : name)
            if (c == '-') c = '_';
        return name;
    });

TEST_F(OrvctlDeviceTest, ReadExportsWhatItRead) {
    emu::CollarEmulator collar;
    ASSERT_TRUE(collar.start());
    ASSERT_EQ(device("write", collar, "N4 040816", {"--set", "FixTimeout=4:00"}).status, 0);
    const RunResult read = run({"device", "read", "--port", collar.devicePath(), "--json", "-o", "read.ppf"});
    EXPECT_EQ(read.status, 0) << read.output;
    EXPECT_NE(read.output.find("\"FixTimeout\": 240"), std::string::npos) << read.output;
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "read.ppf"), 1176u);
    const RunResult shown = run({"show", "--json", "--ppf", "read.ppf"});
    EXPECT_NE(shown.output.find("\"FixTimeout\": 240"), std::string::npos) << shown.output;
}

// Two versions of the families with a factory area have no factory layout:
// their configuration still reads, without the factory area.
TEST_F(OrvctlDeviceTest, AnImageOfTheCollarPutsItBackAsItWas) {
    emu::CollarEmulator collar;
    ASSERT_TRUE(collar.start());
    ASSERT_EQ(
        device("write", collar, "N4 040816", {"--set", "FixTimeout=4:00", "--set", "PttIdCode=4711"}).status,
        0);
    const auto held = collar.memory(emu::kLowSectorBase, 744);
    const RunResult copied =
        run({"image", "--from", "device:" + collar.devicePath(), "--timeout", "1", "-o", "held.bin"});
    ASSERT_EQ(copied.status, 0) << copied.output;
    EXPECT_NE(copied.output.find("Firmware: N4 040816\n"), std::string::npos) << copied.output;
    std::string bytes;
    {
        std::ifstream in(folder.path() / "held.bin", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), held);

    ASSERT_EQ(device("write", collar, "N4 040816", {"--set", "FixTimeout=6:00"}).status, 0);
    ASSERT_NE(collar.memory(emu::kLowSectorBase, 744), held);
    const RunResult back = device("write", collar, "N4 040816", {"--bin", "held.bin"});
    ASSERT_EQ(back.status, 0) << back.output;
    EXPECT_EQ(collar.memory(emu::kLowSectorBase, 744), held);

    // Only a collar is read that way.
    EXPECT_EQ(run({"image", "--from", "defaults", "-o", "x.bin"}).status, 2);
}

TEST_F(OrvctlDeviceTest, VersionsWithoutAFactoryLayoutStillRead) {
    for (const char* version : {"N4 050922", "DS 050505"}) {
        emu::CollarOptions options;
        options.firmware = version;
        emu::CollarEmulator collar(options);
        ASSERT_TRUE(collar.start());
        ASSERT_EQ(device("write", collar, version, {"--set", "FixTimeout=4:00"}).status, 0) << version;
        const RunResult read = run({"device", "read", "--port", collar.devicePath(), "--json"});
        EXPECT_EQ(read.status, 0) << version << read.output;
        EXPECT_NE(read.output.find("\"FixTimeout\": 240"), std::string::npos) << version << read.output;
    }
}

TEST_F(OrvctlDeviceTest, AQuestionWithoutAnAnswerDeclines) {
    emu::CollarOptions options;
    options.firmware = "N3 020702";
    emu::CollarEmulator collar(options);
    ASSERT_TRUE(collar.start());
    const RunResult declined = device("write", collar, "N4 040816");
    EXPECT_EQ(declined.status, 1);
    EXPECT_NE(declined.output.find("does not match that read from the GPS device ('N3')"), std::string::npos)
        << declined.output;
    const RunResult accepted = device("write", collar, "N4 040816", {"--yes"});
    EXPECT_EQ(accepted.status, 0) << accepted.output;
}

// --timeout bounds the wait for the magnet: when it runs out that is said as
// what it is, once, and not as an abort nobody made.
TEST_F(OrvctlDeviceTest, AWakeUpWaitThatRunsOutIsATimeOutOfItsOwn) {
    emu::CollarOptions options;
    options.asleep = true;
    options.magnetAfterMs = -1;  // nobody brings the magnet
    emu::CollarEmulator collar(options);
    ASSERT_TRUE(collar.start());
    const RunResult read = device("read", collar, "N4 040816");
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.output,
              "Error: No collar answered within 1 s.\nApply the magnet to the collar for 10 seconds, then "
              "remove it, and try again.\n")
        << read.output;
}

TEST_F(OrvctlDeviceTest, BadLineOptionsAreUsageErrors) {
    EXPECT_EQ(run({"device", "write"}).status, 2);
    EXPECT_EQ(run({"device", "write", "--port", "/dev/null", "--parity", "mark"}).status, 2);
    EXPECT_EQ(run({"device", "write", "--port", "/dev/null", "--data-bits", "9"}).status, 2);
    EXPECT_EQ(run({"device", "shutdown", "--port", "/dev/null", "--json"}).status, 2);
}

}  // namespace
}  // namespace orv::test
