// orvctl device read-factory and write-factory follow the window's Fact. Parms
// buttons: a level the window hides them from is refused before the collar
// hears a byte; an Engineer programs the factory area and reads it back.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlFactoryAccess : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(collar.start()); }
    ProcessResult factory(const std::string& operation, const std::vector<std::string>& more) {
        std::vector<std::string> args{"device",    operation, "--port",     collar.devicePath(),
                                      "--timeout", "1",       "--firmware", "N4 040816"};
        args.insert(args.end(), more.begin(), more.end());
        return runOrvctl(args, folder.path().string());
    }
    TempDir folder;
    emu::CollarEmulator collar;
};

TEST_F(OrvctlFactoryAccess, LevelsWithoutTheWindowsFactoryButtonsAreRefusedBeforeAnyTraffic) {
    const std::vector<std::uint8_t> before = collar.factory();
    const auto read = factory("read-factory", {"--json"});
    EXPECT_EQ(read.status, 2);
    EXPECT_NE(read.err.find("orvctl: device read-factory: user "), std::string::npos) << read.err;
    EXPECT_NE(read.err.find("at the Customer level may not read the factory parameters."), std::string::npos)
        << read.err;
    EXPECT_EQ(read.out, "") << "nothing read, nothing printed";
    const auto write = factory("write-factory", {});
    EXPECT_EQ(write.status, 2);
    EXPECT_NE(write.err.find("at the Customer level may not program the factory parameters."),
              std::string::npos)
        << write.err;

    // A Coordinator edits the factory fields in the window but has no factory buttons.
    engineerLogin(folder.path().string());                   // sets the password the users are made with
    setenv("ORV_LOGIN_PASSWORD", kTestEngineerPassword, 1);  // adding a user takes an Engineer's login
    runOrvctl({"users", "add", "--pwdb", "PWord.mdb", "--user", "Coord", "--level", "Coordinator", "--login",
               kTestEngineer, "--yes"},
              folder.path().string());
    const auto coordinator = factory("write-factory", {"--user", "Coord", "--pwdb", "PWord.mdb"});
    EXPECT_EQ(coordinator.status, 2);
    EXPECT_NE(
        coordinator.err.find("user 'Coord' at the Coordinator level may not program the factory parameters."),
        std::string::npos)
        << coordinator.err;

    EXPECT_EQ(collar.commandCount(), 0);
    EXPECT_EQ(collar.factory(), before);
}

TEST_F(OrvctlFactoryAccess, AnEngineerProgramsTheFactoryAreaAndReadsItBack) {
    std::vector<std::string> written = engineerLogin(folder.path().string());
    const std::vector<std::uint8_t> before = collar.factory();
    written.insert(written.end(), {"--raw", "FactSysCTN=A1B2C3"});
    const auto write = factory("write-factory", written);
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_GT(collar.commandCount(), 0);
    EXPECT_NE(collar.factory(), before);

    std::vector<std::string> read = engineerLogin(folder.path().string());
    read.push_back("--json");
    const auto back = factory("read-factory", read);
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_NE(back.out.find("A1B2C3"), std::string::npos) << back.out;
}

}  // namespace
}  // namespace orv::test
