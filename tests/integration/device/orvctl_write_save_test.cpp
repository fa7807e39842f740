// orvctl device write ended as Write Device ends: the restart warning, and for
// a configuration from the parameter database the save as "Programmed" by the
// logged-in user and the archive files; no user, no traffic; only an Engineer
// programs without saving.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

constexpr const char* kRestartWarning = "IMPORTANT!! After programming, the GPS System must be restarted";

class OrvctlWriteSave : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(folder.path() / "archive");
        folder.write("Orv3.cfg", "[Files]\nArchive Path=" + folder.file("archive") + "/\n");
        const auto saved = run({"db", "save", "--db", "Orv3.mdb", "--job", "J1", "--ctn", "C77", "--firmware",
                                "N4 040816", "--set", "ElevAngle=15", "--yes"});
        ASSERT_EQ(saved.status, 0) << saved.err;
        ASSERT_TRUE(collar.start());
    }
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    std::vector<std::string> write(std::vector<std::string> more) {
        std::vector<std::string> args{"device",    "write", "--port", collar.devicePath(),
                                      "--timeout", "1",     "--db",   "Orv3.mdb",
                                      "--job",     "J1",    "--ctn",  "C77"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
    TempDir folder;
    emu::CollarEmulator collar;
};

TEST_F(OrvctlWriteSave, ProgrammedIsSavedByTheUserAndArchivedThenTheRestartWarning) {
    std::vector<std::string> args = write({"--yes"});
    for (const auto& option : engineerLogin(folder.path().string())) args.push_back(option);
    const auto written = run(args);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.err.find(std::string("Warning: ") + kRestartWarning), std::string::npos) << written.err;
    EXPECT_NE(run({"db", "list", "--db", "Orv3.mdb"}).out.find("J1\tC77\tProgrammed\n"), std::string::npos);
    const auto programmed =
        run({"show", "--json", "--db", "Orv3.mdb", "--job", "J1", "--ctn", "C77", "--status", "Programmed"});
    EXPECT_NE(programmed.out.find("\"ProgrammedBy\": \"Eng\""), std::string::npos) << programmed.out;
    EXPECT_NE(programmed.out.find("\"ElevAngle\": 15"), std::string::npos);
    EXPECT_NE(folder.read("archive/C77.spr").find("DEVICE PROGRAMMING REPORT"), std::string::npos);
    EXPECT_FALSE(folder.read("archive/C77.bin").empty());
}

TEST_F(OrvctlWriteSave, WithoutAUserNothingIsSentAndAnEngineersNoSaveSkipsSaveAndArchive) {
    const auto nobody = run(write({"--yes"}));
    EXPECT_EQ(nobody.status, 1);
    EXPECT_NE(nobody.err.find("Users must identify themselves to program devices."), std::string::npos)
        << nobody.err;
    EXPECT_EQ(collar.commandCount(), 0) << "refused before any traffic";

    // Only an Engineer may program a stored device without saving it.
    const auto customer = run(write({"--yes", "--no-save"}));
    EXPECT_EQ(customer.status, 2);
    EXPECT_NE(customer.err.find("always saves the device as \"Programmed\""), std::string::npos)
        << customer.err;
    EXPECT_EQ(collar.commandCount(), 0);

    std::vector<std::string> engineer = write({"--yes", "--no-save"});
    for (const auto& option : engineerLogin(folder.path().string())) engineer.push_back(option);
    const auto unsaved = run(engineer);
    EXPECT_EQ(unsaved.status, 0) << unsaved.err;
    EXPECT_NE(unsaved.err.find(kRestartWarning), std::string::npos);
    EXPECT_EQ(run({"db", "list", "--db", "Orv3.mdb"}).out.find("Programmed"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "archive"));
}

TEST_F(OrvctlWriteSave, ShowChangesAsksFirstAndEveryWriteKeepsWhatTheCollarHeld) {
    const auto blank = collar.memory(emu::kLowSectorBase, 744);
    std::vector<std::string> first = write({"--yes"});
    for (const auto& option : engineerLogin(folder.path().string())) first.push_back(option);
    ASSERT_EQ(run(first).status, 0);
    const auto held = collar.memory(emu::kLowSectorBase, 744);

    std::vector<std::string> declined = write({"--show-changes", "--no", "--set", "ElevAngle=25"});
    for (const auto& option : engineerLogin(folder.path().string())) declined.push_back(option);
    const auto no = run(declined);
    EXPECT_EQ(no.status, 1) << no.err;
    EXPECT_NE(no.out.find("GPS Parms: Elev. Mask Angle (deg) (ElevAngle): 15.0 -> 25.0\n"), std::string::npos)
        << no.out;
    EXPECT_NE(no.out.find("Projected battery life (days): "), std::string::npos) << no.out;
    EXPECT_NE(no.err.find("Question: Write these changes to the collar?"), std::string::npos) << no.err;
    EXPECT_NE(no.err.find("Warning: The device was NOT programmed."), std::string::npos) << no.err;
    EXPECT_EQ(collar.memory(emu::kLowSectorBase, 744), held);

    std::vector<std::string> accepted = write({"--show-changes", "--yes", "--set", "ElevAngle=25"});
    for (const auto& option : engineerLogin(folder.path().string())) accepted.push_back(option);
    const auto yes = run(accepted);
    ASSERT_EQ(yes.status, 0) << yes.err;
    // The archive as every write leaves it, and beside it one copy a write of
    // what the collar held before it (two writes of one second both kept).
    const auto now = collar.memory(emu::kLowSectorBase, 744);
    EXPECT_NE(now, held);
    const std::string bin = folder.read("archive/C77.bin");
    EXPECT_EQ(std::vector<std::uint8_t>(bin.begin(), bin.end()), now);
    EXPECT_NE(folder.read("archive/C77.spr").find("DEVICE PROGRAMMING REPORT"), std::string::npos);
    std::vector<std::vector<std::uint8_t>> copies;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "archive")) {
        const std::string name = entry.path().filename().string();
        if (name == "C77.bin" || name == "C77.spr") continue;
        EXPECT_EQ(name.rfind("C77-before-", 0), 0u) << name;
        const std::string copy = folder.read("archive/" + name);
        copies.emplace_back(copy.begin(), copy.end());
    }
    std::sort(copies.begin(), copies.end());
    auto expected = std::vector<std::vector<std::uint8_t>>{blank, held};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(copies, expected);
}

}  // namespace
}  // namespace orv::test
